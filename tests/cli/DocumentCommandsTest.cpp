#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

}  // namespace
