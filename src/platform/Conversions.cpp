#include "platform/Conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

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

}  // namespace

double Val(std::string_view text) {
    double v = ValUnbounded(text);
    return std::isfinite(v) ? v : 0;
}

double ValUnbounded(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i + 1 < text.size() && text[i] == '&') {
        char r = text[i + 1];
        if (r == 'h' || r == 'H') return RadixValue(text.substr(i + 2), 16);
        if (r == 'o' || r == 'O') return RadixValue(text.substr(i + 2), 8);
    }
    Scan scan = ScanNumber(text);
    if (!scan.anyDigit) return 0;
    return std::strtod(scan.text.c_str(), nullptr);
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
    return ToInt16(text).value_or(0);
}

std::string NumberText(double value) {
    float f = static_cast<float>(value);
    if (!std::isfinite(f)) return "0";
    if (f == 0) return "0";
    // Shortest form of up to 7 significant digits that reads back as the same single.
    char buf[64];
    int digits = 1;
    for (; digits <= 7; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*e", digits - 1, static_cast<double>(f));
        if (std::strtof(buf, nullptr) == f) break;
    }
    if (digits > 7) digits = 7;
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, static_cast<double>(f));
    // buf: [-]d.ddde[+-]XX
    std::string s = buf;
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string mantissa;
    for (char c : s.substr(0, e))
        if (c != '.') mantissa += c;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string out;
    if (exponent >= 7 || exponent < -7) {
        out = mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += "." + mantissa.substr(1);
        char ebuf[16];
        std::snprintf(ebuf, sizeof ebuf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += ebuf;
    } else if (exponent < 0) {
        out = "." + std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    } else {
        size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out = mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            out = mantissa.substr(0, intDigits) + "." + mantissa.substr(intDigits);
        }
    }
    return negative ? "-" + out : out;
}

std::string StrSingle(double value) {
    std::string s = NumberText(value);
    return s[0] == '-' ? s : " " + s;
}

int TwipsToWholePixels(double twips) {
    double r = RoundHalfEven(twips / kTwipsPerPixel);
    if (std::isnan(r)) return 0;
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

}  // namespace korvane
