#include "platform/Conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace korvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects the characters Val reads, with blanks removed, into a plain number text.
struct Scan {
    std::string text;
    bool anyDigit = false;
};

Scan ScanNumber(std::string_view s) {
    Scan out;
    size_t i = 0;
    auto skip = [&] {
        while (i < s.size() && IsBlank(s[i])) ++i;
    };
    skip();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.text += s[i++];
    bool point = false;
    for (;; ++i) {
        skip();
        if (i >= s.size()) break;
        if (IsDigit(s[i])) {
            out.text += s[i];
            out.anyDigit = true;
        } else if (s[i] == '.' && !point) {
            out.text += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!out.anyDigit || i >= s.size() ||
        !(s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D'))
        return out;
    // An exponent counts only when digits follow it; otherwise reading stops before it.
    size_t j = i + 1;
    std::string exponent = "e";
    auto skipJ = [&] {
        while (j < s.size() && IsBlank(s[j])) ++j;
    };
    skipJ();
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    bool expDigit = false;
    for (;; ++j) {
        skipJ();
        if (j >= s.size() || !IsDigit(s[j])) break;
        exponent += s[j];
        expDigit = true;
    }
    if (expDigit) out.text += exponent;
    return out;
}

double RadixValue(std::string_view s, int radix) {
    double v = 0;
    bool any = false;
    for (char c : s) {
        int d = -1;
        if (IsDigit(c))
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (IsBlank(c)) continue;
        if (d < 0 || d >= radix) break;
        v = v * radix + d;
        any = true;
    }
    return any ? v : 0;
}

// Whether a plain number text that from_chars found out of range is too large (rather than too
// small): the power of ten of its first significant digit is not negative.
bool TooLarge(std::string_view digitsAndExponent) {
    const size_t e = digitsAndExponent.find('e');
    const std::string_view mantissa = digitsAndExponent.substr(0, e);
    long long power = 0;
    if (e != std::string_view::npos) {
        // Saturating: an exponent of any length only needs its sign and size.
        std::string_view digits = digitsAndExponent.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        for (char c : digits) power = std::min(power * 10 + (c - '0'), 1000000000LL);
        if (negative) power = -power;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return false;
    // Digits of the whole part from the first significant one, or the zeros after the point.
    const long long shift = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return power + shift >= 0;
}

// The value of a plain number text ([sign] digits [. digits] [e [sign] digits]) in every
// locale: from_chars reads the point as the decimal separator whatever the locale says.
double PlainNumberValue(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = TooLarge(text) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
    double v = ValUnbounded(text);
    return std::isfinite(v) ? v : 0;
}

namespace {

// The value of text that is only an optional minus and up to nine digits, as the leading-number
// reading gives it (minus zero included); nothing for any other text.
std::optional<double> PlainWholeNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    int32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -static_cast<double>(value) : static_cast<double>(value);
}

}  // namespace

double ValUnbounded(std::string_view text) {
    // Geometry in a project file is nearly always a plain whole number.
    if (std::optional<double> whole = PlainWholeNumber(text)) return *whole;
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i + 1 < text.size() && text[i] == '&') {
        char r = text[i + 1];
        if (r == 'h' || r == 'H') return RadixValue(text.substr(i + 2), 16);
        if (r == 'o' || r == 'O') return RadixValue(text.substr(i + 2), 8);
    }
    Scan scan = ScanNumber(text);
    if (!scan.anyDigit) return 0;
    return PlainNumberValue(scan.text);
}

bool HasLeadingNumber(std::string_view text) {
    return ScanNumber(text).anyDigit;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    double floorValue = std::floor(value);
    double diff = value - floorValue;
    if (diff < 0.5) return floorValue;
    if (diff > 0.5) return floorValue + 1;
    return std::fmod(floorValue, 2.0) == 0 ? floorValue : floorValue + 1;
}

std::optional<int> ToInt16(std::string_view text) {
    if (!HasLeadingNumber(text)) return std::nullopt;
    double r = RoundHalfEven(ValUnbounded(text));
    if (!(r >= kInt16Min && r <= kInt16Max)) return std::nullopt;
    return static_cast<int>(r);
}

int RoundToInt16Clamped(double value) {
    double r = RoundHalfEven(value);
    if (!(r >= kInt16Min)) return kInt16Min;
    return r > kInt16Max ? kInt16Max : static_cast<int>(r);
}

int TabOrderValue(std::string_view text) {
    // Tab orders are almost always plain digits: read those at once (a tab-order edit reads
    // every component's).
    if (!text.empty() && text.size() <= 5 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int value = 0;
        for (char c : text) value = value * 10 + (c - '0');
        if (value <= kInt16Max) return value;
    }
    return ToInt16(text).value_or(0);
}

namespace {

// The decimal digits of a single (no trailing zeros) and the exponent of the first one.
struct Decimal {
    char digits[12] = {};
    int count = 0;
    int exponent = 0;
};

// Reads the digits and exponent of to_chars' scientific form, [-]d[.ddd]e[+-]XX.
Decimal ParseScientific(const char* first, const char* last) {
    Decimal d;
    const char* p = first;
    if (*p == '-') ++p;
    for (; p < last && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), last, d.exponent);
    return d;
}

// The exact value of f rounded to `digits` significant digits (halves to even).
Decimal Rounded(float f, int digits) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(f),
                           std::chars_format::scientific, digits - 1);
    return ParseScientific(buf, r.ptr);
}

bool ReadsBackAs(const Decimal& d, float f) {
    char buf[32];
    char* p = buf;
    if (f < 0) *p++ = '-';
    p = std::copy(d.digits, d.digits + d.count, p);
    *p++ = 'e';
    p = std::to_chars(p, buf + sizeof buf, d.exponent - (d.count - 1)).ptr;
    float back = 0;
    std::from_chars(buf, p, back);
    return back == f;
}

// The fewest significant digits, at most 7, whose rounding of f reads back as f; the
// rounding to 7 digits when none does.
Decimal ShortestSingle(float f) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::scientific);
    const Decimal shortest = ParseScientific(buf, r.ptr);
    // No rounding to fewer digits than the shortest form reads back. The shortest form is
    // nearly always the rounding itself; where it is not, the rounding is tried as it is.
    for (int digits = shortest.count; digits <= 7; ++digits) {
        Decimal d = Rounded(f, digits);
        if (digits == shortest.count && d.count == shortest.count &&
            d.exponent == shortest.exponent &&
            std::equal(d.digits, d.digits + d.count, shortest.digits))
            return d;
        if (ReadsBackAs(d, f)) return d;
    }
    return Rounded(f, 7);
}

// Writes the Str$ form without the leading blank; returns the end.
char* WriteNumberText(double value, char* out) {
    const float f = static_cast<float>(value);
    if (!std::isfinite(f) || f == 0) {
        *out++ = '0';
        return out;
    }
    // A whole number below ten million is exact in single precision and is its own
    // shortest form: most geometry of a save.
    if (std::fabs(f) < 1e7f && f == std::trunc(f))
        return std::to_chars(out, out + 9, static_cast<int32_t>(f)).ptr;
    const Decimal d = ShortestSingle(f);
    if (f < 0) *out++ = '-';
    const char* digits = d.digits;
    const int count = d.count;
    const int exponent = d.exponent;
    if (exponent >= 7 || exponent < -7) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + count, out);
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) *out++ = '0';
        out = std::to_chars(out, out + 4, magnitude).ptr;
    } else if (exponent < 0) {
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(digits, digits + count, out);
    } else if (count <= exponent + 1) {
        out = std::copy(digits, digits + count, out);
        out = std::fill_n(out, exponent + 1 - count, '0');
    } else {
        out = std::copy(digits, digits + exponent + 1, out);
        *out++ = '.';
        out = std::copy(digits + exponent + 1, digits + count, out);
    }
    return out;
}

}  // namespace

std::string NumberText(double value) {
    char buf[32];
    return std::string(buf, WriteNumberText(value, buf));
}

std::string StrSingle(double value) {
    char buf[32];
    buf[0] = ' ';
    char* end = WriteNumberText(value, buf + 1);
    // Negative numbers take the sign's place instead of the blank.
    return buf[1] == '-' ? std::string(buf + 1, end) : std::string(buf, end);
}

int TwipsToWholePixels(double twips) {
    double r = RoundHalfEven(twips / kTwipsPerPixel);
    if (std::isnan(r)) return 0;
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

}  // namespace korvane
