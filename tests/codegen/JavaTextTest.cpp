#include <gtest/gtest.h>

#include "codegen/JavaText.h"

namespace korvane {
namespace {

TEST(JavaText, StringLiteralEscapes) {
    struct Case {
        std::string utf8;
        std::string literal;
    };
    const Case cases[] = {
        {"About", R"("About")"},
        {"", R"("")"},
        {R"(a"b\c)", R"("a\"b\\c")"},
        {"line\nnext\r\ttab", R"("line\nnext\r\u0009tab")"},
        {std::string("nul\0!", 5), R"("nul\u0000!")"},
        {"\x7f~", R"("\u007f~")"},
        {"Caf\xc3\xa9", R"("Caf\u00e9")"},
        {"\xe2\x82\xac", R"("\u20ac")"},
        {"\xf0\x9f\x98\x80", R"("\ud83d\ude00")"},  // outside the BMP: a surrogate pair
        {"\xff"
         "a",
         R"("\ufffda")"},                             // not UTF-8
        {"\xc3", R"("\ufffd")"},                      // cut sequence
        {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},  // encoded surrogate
        {"\xc0\xaf", R"("\ufffd\ufffd")"},            // overlong
    };
    for (const Case& c : cases) EXPECT_EQ(JavaStringLiteral(c.utf8), c.literal) << c.utf8;
    EXPECT_EQ(JavaStringContent(R"(say "hi")"), R"(say \"hi\")");
}

TEST(JavaText, StringLiteralLimits) {
    std::string euros, pairs;
    for (int i = 0; i < 21845; ++i) euros += "\xe2\x82\xac";
    for (int i = 0; i < 10922; ++i) pairs += "\xf0\x9f\x98\x80";
    struct Case {
        std::string what, utf8;
        bool fits;
    };
    const Case cases[] = {
        {"empty", "", true},
        {"65534 ASCII characters", std::string(65534, 'a'), true},
        {"65535 ASCII characters", std::string(65535, 'a'), false},
        {"65535 bytes of three-byte characters", euros, true},
        {"one byte more", euros + "a", false},
        {"NUL takes two bytes", std::string(32767, '\0') + "a", true},
        {"NUL takes two bytes, over", std::string(32767, '\0') + "ab", false},
        {"surrogate pairs take six bytes", pairs + "abc", true},
        {"surrogate pairs, over", pairs + "abcd", false},
        {"invalid bytes take three", std::string(21845, '\xff'), true},
        {"invalid bytes, over", std::string(21845, '\xff') + "a", false},
        {"escapes do not count", std::string(65534, '"'), true},
    };
    for (const Case& c : cases) EXPECT_EQ(FitsJavaStringLiteral(c.utf8), c.fits) << c.what;
}

TEST(JavaText, Identifiers) {
    struct Case {
        const char* text;
        bool identifier;
    };
    const Case cases[] = {
        {"button_1", true}, {"_x", true},   {"$", true},
        {"A9", true},       {"", false},    {"1a", false},
        {"a b", false},     {"a-b", false}, {"class", false},
        {"goto", false},    {"_", false},   {"true", false},
        {"null", false},    {"var", true},  {"Caf\xc3\xa9", false},
        {"a.b", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsJavaIdentifier(c.text), c.identifier) << c.text;
    EXPECT_EQ(JavaKeywords().size(), 51u);
    EXPECT_TRUE(IsRestrictedTypeName("record"));
    EXPECT_FALSE(IsRestrictedTypeName("Record"));
}

}  // namespace
}  // namespace korvane
