#include <gtest/gtest.h>

#include <algorithm>

#include "codegen/CodegenTable.h"
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
        {"button_1", true},
        {"_x", true},
        {"$", true},
        {"A9", true},
        {"", false},
        {"1a", false},
        {"a b", false},
        {"a-b", false},
        {"class", false},
        {"goto", false},
        {"_", false},
        {"true", false},
        {"null", false},
        {"var", true},
        {"a.b", false},
        // Letters of every script, currency symbols and connectors may start a name.
        {"Café", true},
        {"número", true},
        {"ñandú", true},
        {"日本", true},
        {"ก", true},     // Thai
        {"€uro", true},  // a currency symbol
        {"‿x", true},    // a connector
        {"Ⅰ", true},     // Roman numeral one, a letter number
        {"𝑥", true},     // outside the BMP
        // Digits and combining marks only inside.
        {"a٣", true},  // Arabic-Indic digit three
        {"٣a", false},
        {"e\u0301", true},  // e and a combining acute
        {"\u0301e", false},
        // Not in names: punctuation, symbols, characters Java ignores inside names, bad UTF-8.
        {"a·b", false},
        {"a😀", false},
        {"a\u200bb", false},  // zero-width space
        {"a\u00adb", false},  // soft hyphen
        {"a\ufffd", false},   // the replacement character
        {"a\xff", false},
        {"\xc3", false},
        {"a\xed\xa0\x80", false},  // an encoded surrogate
        {"é\x01", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsJavaIdentifier(c.text), c.identifier) << c.text;
    EXPECT_EQ(JavaKeywords().size(), 51u);
    EXPECT_TRUE(IsRestrictedTypeName("record"));
    EXPECT_FALSE(IsRestrictedTypeName("Record"));
}

TEST(JavaText, AsciiSourceEscapesOnlyNonAscii) {
    struct Case {
        std::string utf8;
        std::string ascii;
    };
    const Case cases[] = {
        {R"(    label_1.setText("a\"b\\c\u00e9");)", R"(    label_1.setText("a\"b\\c\u00e9");)"},
        {"", ""},
        {"    Label número;", R"(    Label n\u00famero;)"},
        {"日 = new 日();", R"(\u65e5 = new \u65e5();)"},
        {"𝑥.show();", R"(\ud835\udc65.show();)"},
        {"x\xff;", R"(x\ufffd;)"},
    };
    for (const Case& c : cases) EXPECT_EQ(AsciiJavaSource(c.utf8), c.ascii) << c.utf8;
}

// The check looks at eight bytes at a time: one non-ASCII byte must be seen wherever it falls
// in a word or in the bytes after the last whole word.
TEST(JavaText, IsAsciiSeesEveryPlace) {
    EXPECT_TRUE(IsAscii(""));
    for (size_t length = 1; length <= 25; ++length) {
        const std::string plain(length, 'x');
        EXPECT_TRUE(IsAscii(plain)) << length;
        for (size_t at = 0; at < length; ++at) {
            for (const char high : {'\x80', '\xff', '\xc3'}) {
                std::string text = plain;
                text[at] = high;
                EXPECT_FALSE(IsAscii(text)) << length << " at " << at;
            }
        }
    }
    EXPECT_TRUE(IsAscii(std::string("\x7f\x00\x01 ~", 5)));
}

// The counts go eight bytes at a time in lanes that are added up every 255 words: texts of
// every length around those steps, all of one byte or none, and bytes that differ from the
// counted ones only in the high bit.
TEST(JavaText, CountOfBytesMatchesAPlainCount) {
    const size_t lengths[] = {0, 1, 7, 8, 9, 15, 16, 17, 2039, 2040, 2041, 2048, 4080, 4081, 9000};
    const auto plain = [](const std::string& text, char byte) {
        return static_cast<size_t>(std::count(text.begin(), text.end(), byte));
    };
    for (const size_t length : lengths) {
        for (const char byte : {'=', '\x80', '\0'}) {
            const std::string all(length, byte);
            EXPECT_EQ(CountOfBytes(all, byte, '['), std::make_pair(length, size_t{0})) << length;
            EXPECT_EQ(CountOfBytes(all, '[', byte), std::make_pair(size_t{0}, length)) << length;
            std::string mixed(length, '\0');
            for (size_t i = 0; i < length; ++i) {
                const size_t pick = i * 7919 % 5;
                mixed[i] = pick == 0   ? byte
                           : pick == 1 ? '['
                                       : static_cast<char>(byte ^ (i % 2 ? 0x80 : 1));
            }
            EXPECT_EQ(CountOfBytes(mixed, byte, '['),
                      std::make_pair(plain(mixed, byte), plain(mixed, '[')))
                << length << " of " << static_cast<int>(byte);
        }
    }
}

// A sink that writes through hands on the same text, in pieces, whether a line is passed whole
// or built in place, and turns non-ASCII into escapes in either case.
TEST(JavaText, WriteThroughSinkWritesWhatAListSinkKeeps) {
    std::string written;
    size_t pieces = 0;
    LineSink through("\r\n", [&](std::string_view piece) {
        written += piece;
        ++pieces;
    });
    LineSink listed;
    const std::vector<std::string> lines = {"    Label n\xc3\xbamero;", "", "x\xff;",
                                            std::string(300000, 'y'), "plain"};
    for (int round = 0; round < 4; ++round) {
        for (const std::string& line : lines) {
            if (round % 2 == 0) {
                through.EmitLine(line);
                listed.EmitLine(line);
            } else {
                through.BeginLine().append(line);
                through.EndLine();
                listed.BeginLine().append(line);
                listed.EndLine();
            }
        }
    }
    through.Flush();
    std::string expected;
    for (const std::string& line : listed.Lines()) expected += line + "\r\n";
    EXPECT_EQ(written, expected);
    EXPECT_GT(pieces, 1u);  // 2.4 MB do not go as one piece
    EXPECT_EQ(listed.Lines()[0], R"(    Label n\u00famero;)");
}

// What a sink receives: the lines as given, non-ASCII ones as ASCII escapes.
TEST(JavaText, SinkTakesEachLineInAscii) {
    LineSink sink;
    const std::string kept = "    Label n\xc3\xbamero;";
    sink.EmitLine(kept);
    sink.EmitLine("");
    sink.EmitLine(std::string(20, ' ') + "x\xff;");
    const std::vector<std::string> expected = {R"(    Label n\u00famero;)", "",
                                               std::string(20, ' ') + R"(x\ufffd;)"};
    EXPECT_EQ(sink.Lines(), expected);
    EXPECT_EQ(kept, "    Label n\xc3\xbamero;");
}

}  // namespace
}  // namespace korvane
