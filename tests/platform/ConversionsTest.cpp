#include <gtest/gtest.h>

#include <cmath>

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

TEST(StrSingleTest, WritesTheOldNumberForm) {
    const std::pair<double, const char*> cases[] = {
        {120, " 120"},       {0, " 0"},       {-15, "-15"},      {1080, " 1080"},
        {0.5, " .5"},        {-0.25, "-.25"}, {1.5, " 1.5"},     {4800, " 4800"},
        {123456, " 123456"}, {1e8, " 1E+08"}, {12.75, " 12.75"}, {1.0f / 3, " .3333333"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(StrSingle(in), out) << in;
    EXPECT_EQ(NumberText(4800), "4800");
    EXPECT_EQ(NumberText(-195), "-195");
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
