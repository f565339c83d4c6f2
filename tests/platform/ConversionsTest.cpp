#include <gtest/gtest.h>
#include <locale.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "platform/Conversions.h"

namespace korvane {
namespace {

struct ValCase {
    const char* text;
    double value;
};

TEST(ValTest, ReadsTheLeadingNumber) {
    const ValCase cases[] = {
        {"", 0},        {"first", 0},   {"3abc", 3},        {"  42", 42},   {"2.5", 2.5},
        {"-1", -1},     {"+7", 7},      {"1e1", 10},        {"1E+2x", 100}, {"2d3", 2000},
        {"1 2 3", 123}, {" - 4", -4},   {".5", 0.5},        {"1.2.3", 1.2}, {"1e", 1},
        {"1e+", 1},     {"12e-1", 1.2}, {"&H1F", 31},       {"&o17", 15},   {"\t9\r\n", 9},
        {"--5", 0},     {"1e999", 0},   {"120 twips", 120}, {"-", 0},
    };
    for (const ValCase& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

// Plain whole numbers are read without the general scan: the edges of that shortcut give what
// the general reading gives, minus zero included.
TEST(ValTest, PlainWholeNumbersReadAsAnyNumber) {
    const ValCase cases[] = {
        {"0", 0},
        {"0120", 120},
        {"-120", -120},
        {"999999999", 999999999},
        {"-999999999", -999999999},
        {"1234567890", 1234567890},
        {"-1234567890", -1234567890},
        {"12-3", 12},
        {"-", 0},
        {"1 ", 1},
        {"+1", 1},
    };
    for (const ValCase& c : cases)
        EXPECT_DOUBLE_EQ(ValUnbounded(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::signbit(ValUnbounded("-0")));
    EXPECT_FALSE(std::signbit(ValUnbounded("0")));
}

TEST(RoundHalfEvenTest, TiesGoToEven) {
    const std::pair<double, double> cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4},
                                               {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4, 2},
                                               {2.6, 3},  {-2.6, -3}};
    for (auto [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
}

TEST(ToInt16Test, RefusesNonNumbersAndValuesOutOfRange) {
    EXPECT_EQ(ToInt16("12"), 12);
    EXPECT_EQ(ToInt16("2.5"), 2);
    EXPECT_EQ(ToInt16("32767"), 32767);
    EXPECT_EQ(ToInt16("-32768"), -32768);
    EXPECT_EQ(ToInt16("32768"), std::nullopt);
    EXPECT_EQ(ToInt16("1e30"), std::nullopt);
    EXPECT_EQ(ToInt16("1e400"), std::nullopt);  // too large for a double is out of range too
    EXPECT_EQ(ValUnbounded("-1e400"), -HUGE_VAL);
    EXPECT_EQ(ToInt16("abc"), std::nullopt);
    EXPECT_EQ(ToInt16(""), std::nullopt);
    EXPECT_EQ(TabOrderValue("99999"), 0);
    EXPECT_EQ(TabOrderValue("7"), 7);
}

// Plain digits are read at once; everything else as a 16-bit number, 0 when it is none.
TEST(TabOrderValueTest, PlainDigitsAndTheRest) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},     {"7", 7},     {"00012", 12},        {"32767", 32767},
        {"32768", 0}, {"99999", 0}, {"000032767", 32767}, {"100000", 0},
        {"", 0},      {"abc", 0},   {"12a", 12},          {" 7", 7},
        {"-3", -3},   {"2.5", 2},   {"3.5", 4},           {"1e3", 1000},
    };
    for (auto [text, value] : cases) EXPECT_EQ(TabOrderValue(text), value) << text;
}

TEST(StrSingleTest, WritesTheOldNumberForm) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {
        {120, " 120"},
        {0, " 0"},
        {-0.0, " 0"},
        {-15, "-15"},
        {1080, " 1080"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {1.5, " 1.5"},
        {4800, " 4800"},
        {123456, " 123456"},
        {9999999, " 9999999"},
        {1e7, " 1E+07"},
        {1e8, " 1E+08"},
        {-1.5e10, "-1.5E+10"},
        {16777217, " 1.677722E+07"},  // single precision: 16777216, cut to 7 digits
        {12.75, " 12.75"},
        {1.0f / 3, " .3333333"},
        {0.1, " .1"},
        {0.001, " .001"},
        {1e-7, " .0000001"},
        {1.5e-8, " 1.5E-08"},
        {3.4028235e38, " 3.402823E+38"},
        {1e39, " 0"},         // beyond single precision
        {1.4e-45, " 1E-45"},  // the least single: one digit reads back
        {inf, " 0"},
        {std::nan(""), " 0"},
        {32767.5, " 32767.5"},
        {-32768, "-32768"},
        {0.1f + 0.2f, " .3"},
        {1234.567, " 1234.567"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(StrSingle(in), out) << in;
    EXPECT_EQ(NumberText(4800), "4800");
    EXPECT_EQ(NumberText(-195), "-195");
    EXPECT_EQ(NumberText(0.5), ".5");
}

// printf and strtof in the C locale for the life of the object, whatever the suite runs in.
struct CLocale {
    CLocale() : c(newlocale(LC_ALL_MASK, "C", nullptr)), previous(uselocale(c)) {}
    ~CLocale() {
        uselocale(previous);
        freelocale(c);
    }
    locale_t c;
    locale_t previous;
};

// The number form as it was first written: the shortest of 1 to 7 significant digits that
// printf rounds to and strtof reads back, laid out by hand.
std::string ReferenceNumberText(float f) {
    if (!std::isfinite(f) || f == 0) return "0";
    const CLocale cLocale;
    char buf[64];
    int digits = 1;
    for (; digits <= 7; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*e", digits - 1, static_cast<double>(f));
        if (std::strtof(buf, nullptr) == f) break;
    }
    if (digits > 7) digits = 7;
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, static_cast<double>(f));
    std::string s = buf;
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string mantissa;
    for (char c : s.substr(0, e))
        if (c != '.') mantissa += c;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string out;
    if (exponent >= 7 || exponent < -7) {
        out = mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += "." + mantissa.substr(1);
        std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += buf;
    } else if (exponent < 0) {
        out = "." + std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    } else {
        const size_t intDigits = static_cast<size_t>(exponent) + 1;
        out = mantissa.size() <= intDigits
                  ? mantissa + std::string(intDigits - mantissa.size(), '0')
                  : mantissa.substr(0, intDigits) + "." + mantissa.substr(intDigits);
    }
    return negative ? "-" + out : out;
}

TEST(StrSingleTest, MatchesTheFirstFormOverManySingles) {
    std::vector<float> sample;
    // Bit patterns spread over every sign, exponent and mantissa.
    for (uint64_t bits = 0; bits <= 0xFFFFFFFFull; bits += 40009) {
        float f;
        const auto b = static_cast<uint32_t>(bits);
        std::memcpy(&f, &b, sizeof f);
        sample.push_back(f);
    }
    // Geometry as designs hold it: whole and fractional twips across the 16-bit range, and
    // pixels times 15 with the single-precision rounding of the drag arithmetic.
    for (int twips = -32768; twips <= 32767; ++twips) {
        sample.push_back(static_cast<float>(twips));
        sample.push_back(static_cast<float>(twips) + 0.5f);
        if (twips % 3 != 0) continue;
        sample.push_back(static_cast<float>(twips) / 15.0f);
        sample.push_back(static_cast<float>(twips) * 1.1f);
    }
    // Powers of ten and their neighbours, where the digit count changes.
    for (int e = -45; e <= 38; ++e) {
        const float p = static_cast<float>(std::pow(10.0, e));
        sample.push_back(p);
        sample.push_back(std::nextafter(p, 0.0f));
        sample.push_back(std::nextafter(p, 1e38f));
    }
    size_t differences = 0;
    for (float f : sample) {
        const std::string expected = ReferenceNumberText(f);
        if (NumberText(f) != expected && ++differences <= 10)
            ADD_FAILURE() << "bits " << std::hex << std::bit_cast<uint32_t>(f) << ": "
                          << NumberText(f) << " instead of " << expected;
    }
    EXPECT_EQ(differences, 0u) << "of " << sample.size();
}

TEST(TwipsTest, WholePixelsRoundHalfToEven) {
    EXPECT_EQ(TwipsToWholePixels(1080), 72);
    EXPECT_EQ(TwipsToWholePixels(7.5), 0);   // 0.5 px
    EXPECT_EQ(TwipsToWholePixels(22.5), 2);  // 1.5 px
    EXPECT_EQ(TwipsToWholePixels(37.5), 2);  // 2.5 px
    EXPECT_EQ(TwipsToWholePixels(-22.5), -2);
    EXPECT_EQ(TwipsToWholePixels(1e300), 2147483647);
    EXPECT_EQ(TwipsToWholePixels(std::nan("")), 0);
    EXPECT_EQ(RoundToInt16Clamped(40000.5), 32767);
    EXPECT_EQ(RoundToInt16Clamped(-1e9), -32768);
    EXPECT_EQ(RoundToInt16Clamped(std::nan("")), -32768);
    EXPECT_EQ(RoundToInt16Clamped(2.5), 2);
}

}  // namespace
}  // namespace korvane
