#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

namespace korvane {
namespace {

TEST(ProfileReaderTest, FollowsThePlatformLookupRules) {
    const std::string text =
        "\xEF\xBB\xBF[Main]\r\n"
        "SizeX = 4800 \r\n"
        "\r\n"
        "  Units=\"pixels\"\n"
        "Quoted=\"\"twice\"\"\r"
        "Half=\"open\r\n"
        "Empty=\r\n"
        "SizeX=999\r\n"
        "[ font ]\r\n"
        "NAME=Courier\r\n"
        "[main]\r\n"
        "SizeY=1\r\n"
        "[a]b]\r\n"
        "k=v\r\n"
        "no equals sign\r\n";
    ProfileReader r = ProfileReader::FromBytes(text);
    EXPECT_EQ(r.Read("MAIN", "sizex"), "4800");  // first key of a name wins
    EXPECT_EQ(r.Read("Main", "Units"), "pixels");
    EXPECT_EQ(r.Read("Main", "Quoted"), "\"twice\"");
    EXPECT_EQ(r.Read("Main", "Half"), "\"open");
    EXPECT_EQ(r.Read("Main", "Empty"), "");
    EXPECT_EQ(r.Read("Main", "SizeY"), "");  // the second [main] is not read
    EXPECT_EQ(r.Read("Font", "Name"), "Courier");
    EXPECT_EQ(r.Read("a]b", "k"), "v");  // the name runs to the last ]
    EXPECT_EQ(r.Read("Missing", "k"), "");
    EXPECT_TRUE(r.HasSection("FONT"));
}

struct LookupCase {
    const char* rule;
    std::string text;
    const char* section;
    const char* key;
    const char* value;
};

TEST(ProfileReaderTest, LookupRulesAsATable) {
    const LookupCase cases[] = {
        {"plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
        {"section case", "[Main]\nk=v\n", "mAIN", "k", "v"},
        {"key case", "[S]\nSizeX=1\n", "S", "SIZEX", "1"},
        {"first section of a name wins", "[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "k", "1"},
        {"a repeated section adds no keys", "[S]\nk=1\n[s]\nj=3\n", "S", "j", ""},
        {"first key of a name wins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
        {"blanks around the key", "[S]\n \t k \t=v\n", "S", "k", "v"},
        {"blanks around the value", "[S]\nk= \t v w \t \n", "S", "k", "v w"},
        {"blanks around the section name", "[  S \t]\nk=v\n", "S", "k", "v"},
        {"lookup names are not trimmed", "[S]\nk=v\n", "S ", "k", ""},
        {"one pair of quotes goes", "[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
        {"quotes inside blanks", "[S]\nk= \" v \" \n", "S", "k", " v "},
        {"a lone quote stays", "[S]\nk=\"v\n", "S", "k", "\"v"},
        {"one quote alone stays", "[S]\nk=\"\n", "S", "k", "\""},
        {"blank lines", "\r\n\r\n[S]\r\n\r\n  \r\nk=v\r\n", "S", "k", "v"},
        {"byte-order mark", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
        {"byte-order mark only at the start", "[S]\n\xEF\xBB\xBFk=v\n", "S", "\xEF\xBB\xBFk", "v"},
        {"LF", "[S]\nk=v\nj=w", "S", "j", "w"},
        {"lone CR", "[S]\rk=v\rj=w\r", "S", "j", "w"},
        {"CR LF keeps no CR", "[S]\r\nk=v\r\n", "S", "k", "v"},
        {"CR CR LF is a blank line", "[S]\r\r\nk=v\r\r\n", "S", "k", "v"},
        {"no line end at the end", "[S]\nk=v", "S", "k", "v"},
        {"LF CR is two line ends", "[S]\n\rk=v\n\rj=w", "S", "j", "w"},
        {"every line end in one file", "[S]\rk=1\r\nj=2\nl=3\n\rm=4\r\r\nn=5", "S", "n", "5"},
        {"CR long before the next LF", "[S]\ra=1\rb=2\rc=3\nd=4\n", "S", "c", "3"},
        {"LF long before the next CR", "[S]\na=1\nb=2\nc=3\rd=4\r", "S", "d", "4"},
        {"value holds =", "[S]\nk=a=b\n", "S", "k", "a=b"},
        // A value is found again from its key when it is read: where its line ends depends on
        // whether the file has any carriage return alone.
        {"CR LF value with blanks", "[S]\r\nk= v \r\nj=w\r\n", "S", "k", "v"},
        {"CR LF value, a lone CR later", "[S]\r\nk=v \r\nj=w\rl=x\r\n", "S", "k", "v"},
        {"a lone CR ends a value", "[S]\nk=v\rj=w\n", "S", "k", "v"},
        {"LF value, a lone CR later", "[S]\nk=v\nj=w\rl=x\n", "S", "k", "v"},
        {"quoted value before CR LF", "[S]\r\nk=\" v \"\r\n", "S", "k", " v "},
        {"empty value before CR LF", "[S]\r\nk=\r\nj=w", "S", "k", ""},
        {"empty value at the end", "[S]\nk=", "S", "k", ""},
        {"blanks between key and =", "[S]\nk \t = \t v\n", "S", "k", "v"},
        {"= right after the key", "[S]\nk==v\n", "S", "k", "=v"},
        {"empty key skipped", "[S]\n=v\nk=w\n", "S", "", ""},
        {"line without =", "[S]\nno equals\nk=v\n", "S", "no equals", ""},
        {"name runs to the last ]", "[a]b] tail\nk=v\n", "a]b", "k", "v"},
        {"unclosed header drops its keys", "[S]\nk=1\n[T\nk=2\n", "S", "k", "1"},
        {"empty section name", "k=v\n[]\nk=w\n", "", "k", "w"},
        {"keys before any section", "k=v\n[S]\n", "", "k", ""},
        {"Windows-1252 value", "[S]\nk=caf\xE9\n", "S", "k", "caf\xC3\xA9"},
        {"Windows-1252 section name", "[Caf\xE9]\nk=v\n", "caf\xC3\xA9", "k", "v"},
        {"only ASCII letters fold", "[\xC3\x89]\nk=v\n", "\xC3\xA9", "k", ""},
        {"missing section", "[S]\nk=v\n", "T", "k", ""},
        {"missing key", "[S]\nk=v\n", "S", "j", ""},
    };
    for (const LookupCase& c : cases) {
        EXPECT_EQ(ProfileReader::FromBytes(std::string_view(c.text)).Read(c.section, c.key),
                  c.value)
            << c.rule;
        // Handing the bytes over gives the same answers.
        EXPECT_EQ(ProfileReader::FromOwnedBytes(std::string(c.text)).Read(c.section, c.key),
                  c.value)
            << c.rule << " (bytes handed over)";
    }
}

// Several keys read in one pass give what each gives read alone: the first of a name, any case,
// "" when missing, also when a key is asked twice or more than 64 keys are asked.
TEST(ProfileReaderTest, KeysReadTogetherAnswerAsEachAlone) {
    std::string text = "[S]\nName=a\nname=b\nX = 1\nValue=\"q\"\nx=2\nEvents=e|f\r\n[T]\n";
    std::vector<std::string> many;
    for (int i = 0; i < 70; ++i) {
        many.push_back("K" + std::to_string(i));
        if (i % 3 == 0) text += "[S]\n" + many.back() + "=ignored\n";  // a repeated section
        if (i % 2 == 0) text += "[T]\n" + many.back() + "=" + std::to_string(i) + "\n";
    }
    const ProfileReader reader = ProfileReader::FromBytes(text);
    const std::vector<std::vector<std::string>> keySets = {
        {"Name", "X", "Value", "Events", "Missing"},
        {"x", "NAME", "name", "events"},
        {},
        many,
    };
    for (const char* section : {"S", "T", "U"}) {
        for (const std::vector<std::string>& keys : keySets) {
            const std::vector<std::string_view> asked(keys.begin(), keys.end());
            std::vector<std::string_view> values(asked.size(), "unset");
            reader.Section(section).ViewEach(asked, values);
            for (size_t k = 0; k < asked.size(); ++k)
                EXPECT_EQ(values[k], reader.Section(section).View(asked[k]))
                    << section << " " << asked[k];
        }
    }
    std::string_view one[1] = {"unset"};
    const std::string_view name[1] = {"Name"};
    reader.Section("S").ViewEach(name, one);
    EXPECT_EQ(one[0], "a");
}

TEST(ProfileReaderTest, ManySectionsStayFoundAsTheIndexGrows) {
    std::string text;
    for (int k = 1; k <= 5000; ++k)
        text += "[" + std::to_string(k) + "]\r\nName=n" + std::to_string(k) + "\r\n";
    text += "[1]\r\nName=again\r\n";
    const ProfileReader r = ProfileReader::FromOwnedBytes(std::move(text));
    for (int k = 1; k <= 5000; ++k)
        ASSERT_EQ(r.Read(std::to_string(k), "name"), "n" + std::to_string(k)) << k;
    EXPECT_EQ(r.SectionNames().size(), 5000u);
    EXPECT_EQ(r.SectionNames().front(), "1");
    EXPECT_FALSE(r.HasSection("5001"));
    const ProfileReader::SectionView missing = r.Section("none");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.View("Name"), "");
}

TEST(ProfileReaderTest, SurvivesHostileBytes) {
    std::string binary;
    for (int i = 0; i < 100000; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
    ProfileReader r = ProfileReader::FromBytes(binary);
    (void)r.Read("1", "Name");
    std::string longLine = "[1]\nName=" + std::string(10000, 'x') + "\n";
    EXPECT_EQ(ProfileReader::FromBytes(longLine).Read("1", "Name").size(), 10000u);
    EXPECT_EQ(ProfileReader::FromBytes("").Read("Main", "SizeX"), "");
    EXPECT_EQ(ProfileReader::FromBytes("[").Read("", ""), "");
    EXPECT_EQ(ProfileReader::FromBytes("k=v\n[]\nk=w").Read("", "k"),
              "w");  // keys before any section are dropped
}

TEST(ProfileWriterTest, ValuesComeBackWhole) {
    const std::string values[] = {"plain",       " leading", "trailing ", "\"quoted\"",
                                  "a \"b\" c",   "",         "x=y=z",     std::string(5000, 'v'),
                                  "caf\xC3\xA9", "\"",       "\"\"",      "\t"};
    ProfileWriter w;
    for (size_t i = 0; i < std::size(values); ++i)
        w.WriteText("S", "k" + std::to_string(i), values[i]);
    ProfileReader r = ProfileReader::FromBytes(w.Text());
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(r.Read("S", "k" + std::to_string(i)), values[i]) << i;
}

TEST(ProfileWriterTest, LineBreaksBecomeBlanksThatStillReadBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a  b"},
        {"\nstart", " start"},
        {"end\r", "end "},
        {"\"x\"\n", "\"x\" "},
    };
    ProfileWriter w;
    for (size_t i = 0; i < std::size(cases); ++i)
        w.WriteText("S", "k" + std::to_string(i), cases[i].first);
    const ProfileReader r = ProfileReader::FromBytes(w.Text());
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(r.Read("S", "k" + std::to_string(i)), cases[i].second) << i;
    ProfileWriter plain;
    plain.Write("S", "k", " x\n");
    EXPECT_EQ(plain.Text(), "[S]\r\nk= x \r\n");  // Write adds no quotes
}

TEST(ProfileWriterTest, ReplacesKeysInPlaceAndKeepsFirstWriteOrder) {
    ProfileWriter w;
    w.Write("Main", "SizeX", "1");
    w.Write("Font", "Name", "A");
    w.Write("main", "SIZEX", "2");
    w.Write("Main", "Units", "pixels");
    EXPECT_EQ(w.Text(), "[Main]\r\nSizeX=2\r\nUnits=pixels\r\n[Font]\r\nName=A\r\n");
}

// The text is the same whether the writes came in file order (when the store is the text
// itself) or not (when it is rebuilt), and whether it is copied out or taken.
TEST(ProfileWriterTest, TextIsTheSameInOrderOrNot) {
    struct Write {
        std::string_view section, key, value;
    };
    struct Case {
        std::vector<Write> writes;
        std::string_view text;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"A", "k", "1"}, {"A", "l", "2"}, {"B", "k", "3"}},
         "[A]\r\nk=1\r\nl=2\r\n[B]\r\nk=3\r\n"},
        {{{"A", "k", "1"}, {"B", "k", "3"}, {"a", "l", "2"}},
         "[A]\r\nk=1\r\nl=2\r\n[B]\r\nk=3\r\n"},
        {{{"A", "k", "1"}, {"A", "K", "22"}, {"B", "k", "3"}}, "[A]\r\nk=22\r\n[B]\r\nk=3\r\n"},
        {{{"A", "k", "1"}, {"B", "k", "3"}, {"b", "K", "4"}, {"A", "m", ""}},
         "[A]\r\nk=1\r\nm=\r\n[B]\r\nk=4\r\n"},
        {{{"S", "k", "a\nb"}, {"T", "k", "x"}, {"S", "k", "c"}}, "[S]\r\nk=c\r\n[T]\r\nk=x\r\n"},
    };
    for (const Case& c : cases) {
        ProfileWriter w;
        if (c.writes.size() > 2) w.Reserve(2, 8);  // less room than needed grows as usual
        for (const Write& write : c.writes) w.Write(write.section, write.key, write.value);
        EXPECT_EQ(w.Text(), c.text);
        EXPECT_EQ(std::move(w).Text(), c.text);
    }
}

TEST(TextCodecTest, KeepsUtf8AndDecodesWindows1252) {
    EXPECT_EQ(DecodeUtf8OrWindows1252("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(DecodeUtf8OrWindows1252("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(DecodeUtf8OrWindows1252("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(DecodeUtf8OrWindows1252("\xC3"), "\xC3\x83");  // a cut sequence
    EXPECT_EQ(DecodeUtf8OrWindows1252("\xED\xA0\x80"),
              "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // surrogate
}

// The check skips plain ASCII in blocks: a sequence is judged the same wherever it falls,
// inside a block, across the end of one, or in the bytes after the last whole block.
TEST(TextCodecTest, JudgesUtf8TheSameAtEveryPlace) {
    struct Case {
        std::string_view sequence;
        bool valid;
    };
    const Case cases[] = {
        {"\xC3\xA9", true},
        {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xE9", false},
        {"\xC3", false},
        {"\xED\xA0\x80", false},
        {"\xF0\x9F\x98", false},
        {"\x80", false},
        {"\xC0\xAF", false},
        {"\xF4\x90\x80\x80", false},
    };
    for (const Case& c : cases) {
        for (size_t at = 0; at < 140; ++at) {
            std::string text(at, 'a');
            text += c.sequence;
            text += std::string(140 - at, 'b');
            EXPECT_EQ(IsValidUtf8(text), c.valid) << "at " << at;
            // At the very end too, where a cut sequence has no bytes after it.
            EXPECT_EQ(IsValidUtf8(std::string(at, 'a') + std::string(c.sequence)), c.valid)
                << "at the end after " << at;
        }
    }
}

class AtomicWriteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("korvane-atomic-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        ::chmod(dir.c_str(), 0755);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
};

TEST_F(AtomicWriteTest, ReplacesTheFileOrLeavesItAlone) {
    std::string path = (dir / "a.dat").string();
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "first", error)) << error;
    ASSERT_TRUE(WriteFileAtomically(path, "second", error)) << error;
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes, error));
    EXPECT_EQ(bytes, "second");
    EXPECT_FALSE(WriteFileAtomically((dir / "missing" / "b.dat").string(), "x", error));
    EXPECT_FALSE(error.empty());
    if (::geteuid() != 0) {  // root writes into read-only folders
        ::chmod(dir.c_str(), 0555);
        EXPECT_FALSE(WriteFileAtomically(path, "third", error));
        ::chmod(dir.c_str(), 0755);
        ASSERT_TRUE(ReadWholeFile(path, bytes, error));
        EXPECT_EQ(bytes, "second");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}),
              1);  // no temporaries left
}

}  // namespace
}  // namespace korvane
