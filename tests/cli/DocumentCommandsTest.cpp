#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct GenRun {
    int status;
    std::string out;
};

// Runs korvane-gen with the arguments; standard error goes to err.txt in the folder.
GenRun Gen(const std::string& arguments, const std::filesystem::path& folder) {
    std::string command =
        std::string(KORVANE_GEN_EXE) + " " + arguments + " 2>" + (folder / "err.txt").string();
    GenRun r{0, {}};
    FILE* p = ::popen(command.c_str(), "r");
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int s = ::pclose(p);
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DocumentCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("korvane-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Data(const std::string& name) const {
        return std::string(KORVANE_TEST_DATA) + "/" + name;
    }
    std::filesystem::path dir;
};

TEST_F(DocumentCommandsTest, ListsTheComponentsOfAnOlderLayoutFile) {
    GenRun r = Gen("list " + Data("legacy.dat"), dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "lbl (Label)\nok (Button)\nvbar (Scrollbar V)\n");
}

TEST_F(DocumentCommandsTest, ResaveConvertsAndRoundTrips) {
    std::string out = (dir / "converted.dat").string();
    ASSERT_EQ(Gen("resave " + Data("legacy.dat") + " " + out, dir).status, 0);
    std::string text = Read(out);
    EXPECT_EQ(text.rfind("[Main]\r\nSizeX=4705\r\nSizeY=3525\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("[3]\r\nName=vbar\r\nType=Scrollbar V\r\nValue=vbar\r\nX= 2400\r\n"),
              std::string::npos);
    std::string again = (dir / "again.dat").string();
    ASSERT_EQ(Gen("resave " + out + " " + again, dir).status, 0);
    EXPECT_EQ(Read(again), text);
    EXPECT_EQ(Gen("list " + out, dir).out, "lbl (Label)\nok (Button)\nvbar (Scrollbar V)\n");
}

TEST_F(DocumentCommandsTest, ErrorsGoToStandardErrorAndWriteNothing) {
    const std::string out = (dir / "never.dat").string();
    const std::string cases[] = {
        "list " + (dir / "missing.dat").string(),
        "resave " + (dir / "missing.dat").string() + " " + out,
        "resave " + Data("legacy.dat") + " " + (dir / "no-folder" / "x.dat").string(),
        "list",
        "frobnicate",
    };
    for (const std::string& c : cases) {
        GenRun r = Gen(c, dir);
        EXPECT_NE(r.status, 0) << c;
        EXPECT_EQ(r.out, "") << c;
        EXPECT_FALSE(Read(dir / "err.txt").empty()) << c;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Gen("--version", dir).status, 0);
    EXPECT_NE(Gen("--help", dir).out.find("resave"), std::string::npos);
}

// What the package's installed manual page must hold: each command (a usage line's first word)
// and each option that --help names, as a word of the page's text.
TEST_F(DocumentCommandsTest, TheManualPageNamesEveryCommandAndOptionOfTheUsage) {
    std::string page = Read(std::string(KORVANE_MANUAL_PAGES) + "/korvane-gen.1.in");
    for (const std::string_view escape : {"\\-", "\\fB", "\\fI", "\\fR"})
        for (size_t at; (at = page.find(escape)) != std::string::npos;)
            page.replace(at, escape.size(), escape == "\\-" ? "-" : "");
    const auto isWordChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
    };
    const auto namesWord = [&](const std::string& word) {
        for (size_t at = page.find(word); at != std::string::npos; at = page.find(word, at + 1)) {
            const size_t end = at + word.size();
            if ((at == 0 || !isWordChar(page[at - 1])) &&
                (end == page.size() || !isWordChar(page[end])))
                return true;
        }
        return false;
    };
    const std::string usage = Gen("--help", dir).out;
    const std::regex command("^  ([a-z-]+) "), option("(^|[ \\[])(--?[a-z]+)");
    std::vector<std::string> words;
    std::istringstream lines(usage);
    for (std::string line; std::getline(lines, line);) {
        if (std::smatch m; std::regex_search(line, m, command)) words.push_back(m[1]);
        for (std::sregex_iterator m(line.begin(), line.end(), option), end; m != end; ++m)
            words.push_back((*m)[2]);
    }
    ASSERT_GT(words.size(), 8u);
    for (const std::string& word : words) EXPECT_TRUE(namesWord(word)) << word;
}

}  // namespace
