// korvane-gen java: the file the code window would save, written to a file or to standard
// output, merged with an edited file at the output; refusals write nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "codegen/GenerationSupport.h"
#include "document/StackOrder.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

struct GenResult {
    int status;
    std::string out;
    std::string err;
};

class JavaCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("korvane-java-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    GenResult Gen(const std::string& arguments) const {
        const fs::path err = dir / "stderr.txt";
        const std::string command =
            std::string(KORVANE_GEN_EXE) + " java " + arguments + " 2>" + err.string();
        GenResult r{-1, {}, {}};
        FILE* p = ::popen(command.c_str(), "r");
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
        const int s = ::pclose(p);
        r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        r.err = ReadBytes(err.string());
        return r;
    }

    // A project file in the test folder.
    std::string Write(const std::string& name, const std::string& text) const {
        const fs::path path = dir / name;
        FILE* f = std::fopen(path.string().c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return path.string();
    }

    fs::path dir;
};

const std::string kExamples = KORVANE_EXAMPLES;

std::string OneComponent(const std::string& name, const std::string& type) {
    return "[Main]\r\nSizeX=4800\r\nSizeY=3600\r\n[1]\r\nName=" + name + "\r\nType=" + type +
           "\r\nValue=v\r\nX= 120\r\nY= 120\r\nSizeX= 1080\r\nSizeY= 360\r\nOrder=1\r\n";
}

TEST_F(JavaCommandTest, WritesTheWorkedExampleToStandardOutput) {
    const GenResult r = Gen(CodegenData("Demo.dat"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ReadBytes(CodegenData("Demo.applet.java")));
    EXPECT_EQ(r.err,
              "korvane-gen: warning: The class \"Demo\" extends Applet, which JDK 26 no longer "
              "has: it compiles and runs on JDK 8 to 25. The Frame and JFrame targets run on any "
              "JDK.\n");
}

TEST_F(JavaCommandTest, WritesTheFileTheCodeWindowWouldSave) {
    for (const char* kind :
         {"Applet", "Frame", "Dialog", "Panel", "JApplet", "JFrame", "JDialog", "JPanel"}) {
        const std::string out = (dir / "login.java").string();
        const GenResult r = Gen(kExamples + "/login.dat --as " + kind + " -o " + out);
        EXPECT_EQ(r.status, 0) << kind << r.err;
        EXPECT_EQ(r.out, "") << kind;
        Session s;
        s.Open(kExamples + "/login.dat");
        EXPECT_EQ(ReadBytes(out), s.Generate(kind)) << kind;
    }
}

TEST_F(JavaCommandTest, TheClassIsNamedAfterTheFileWhereverItIs) {
    fs::copy_file(kExamples + "/order.dat", dir / "Order.dat");
    const std::string command =
        "cd " + dir.string() + " && " + KORVANE_GEN_EXE + " java --as Frame Order.dat > out.java";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(ReadBytes((dir / "out.java").string()).find("public class Order extends Frame {"),
              std::string::npos);
}

// An edited Java file at the output is merged with, unless --replace; a named pipe is written
// into afresh and never read.
TEST_F(JavaCommandTest, AnExistingOutputIsMergedWithOnlyWhenItIsAPlainFile) {
    const std::string stub = "System.out.println(\"Action Performed by button_ok\");";
    const std::string edit = "System.out.println(\"kept\");";
    Session s;
    s.Open(kExamples + "/login.dat");
    const std::string fresh = s.Generate("JFrame");
    const size_t at = fresh.find(stub);
    ASSERT_NE(at, std::string::npos);
    const std::string edited = std::string(fresh).replace(at, stub.size(), edit);
    struct Case {
        const char* what;
        bool pipe;
        const char* option;
        const std::string& expected;
    };
    const Case cases[] = {{"an edited file", false, "", edited},
                          {"an edited file with --replace", false, " --replace", fresh},
                          {"a named pipe", true, "", fresh}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string out = (dir / "login.java").string();
        fs::remove(out);
        int reader = -1;
        if (c.pipe) {
            ASSERT_EQ(::mkfifo(out.c_str(), 0644), 0);
            reader = ::open(out.c_str(), O_RDONLY | O_NONBLOCK);
        } else {
            Write("login.java", edited);
        }
        const GenResult r = Gen(kExamples + "/login.dat --as JFrame" + c.option + " -o " + out);
        EXPECT_EQ(r.status, 0) << r.err;
        std::string got;
        if (c.pipe) {
            char buffer[4096];
            for (ssize_t n; (n = ::read(reader, buffer, sizeof buffer)) > 0;) got.append(buffer, n);
            ::close(reader);
        } else {
            got = ReadBytes(out);
        }
        EXPECT_EQ(got, c.expected);
    }
}

TEST_F(JavaCommandTest, RefusalsWriteNothing) {
    const std::string before = "previous contents\r\n";
    struct Case {
        std::string what, arguments, output, message;
        int status;
    };
    const Case cases[] = {
        {"a bad component name", Write("Bad.dat", OneComponent("Font", "Label")), "Bad.java",
         "\"Font\"", 1},
        {"a bad class name", Write("my-form.dat", OneComponent("l", "Label")), "my-form.java",
         "\"my-form\"", 1},
        {"no component", Write("Empty.dat", "[Main]\r\nSizeX=4800\r\nSizeY=3600\r\n"), "Empty.java",
         "You must add at least one AWT or Swing component.", 1},
        {"a missing file", (dir / "Missing.dat").string(), "Missing.java", "Missing.dat", 1},
        {"an unknown kind", kExamples + "/login.dat --as Window", "login.java", "\"Window\"", 2},
        // javac takes the public class login only from login.java.
        {"an output file named after another class", kExamples + "/login.dat", "out.java",
         "must be named \"login.java\"", 1},
        {"an output file in another case", kExamples + "/login.dat", "Login.java",
         "must be named \"login.java\"", 1},
    };
    for (const Case& c : cases) {
        const std::string out = Write(c.output, before);
        const GenResult r = Gen(c.arguments + " -o " + out);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.what;
        EXPECT_EQ(ReadBytes(out), before) << c.what;
    }
}

TEST_F(JavaCommandTest, StackingIsSavedReopenedAndGeneratedAlikeByBothPrograms) {
    // Three buttons over one another, stacked in the order of their sections.
    std::string text = "[Main]\r\nSizeX=4800\r\nSizeY=3600\r\n";
    for (int k = 1; k <= 3; ++k) {
        const std::string n = std::to_string(k);
        text += "[" + n + "]\r\nName=b" + n +
                "\r\nType=Button\r\nValue=v\r\nX= " + std::to_string(120 * k) +
                "\r\nY= 120\r\nSizeX= 1080\r\nSizeY= 360\r\nOrder=" + n + "\r\n";
    }
    const std::string plain = Write("Plain.dat", text);
    Session first;
    first.Open(plain);
    const std::string unstacked = first.Generate("Frame");
    // b1 to the front, then b3 to the back; a click on b2 restacks nothing.
    for (const auto& [slot, front] : {std::pair{1, true}, std::pair{3, false}}) {
        first.form.selection.SelectSlots({slot});
        front ? BringToFront(first.form) : SendToBack(first.form);
    }
    first.form.selection.SelectSlot(2);
    EXPECT_EQ(LiveSlotsBackToFront(first.form.doc), (std::vector<int>{3, 2, 1}));
    const std::string stacked = (dir / "Stacked.dat").string();
    ASSERT_TRUE(first.form.SavePath(stacked));
    EXPECT_NE(ReadBytes(stacked).find("Name=b1\r\nType=Button"), std::string::npos);
    EXPECT_NE(ReadBytes(stacked).find("Popup=\r\nStack=3\r\n"), std::string::npos);

    Session second;
    second.Open(stacked);
    EXPECT_EQ(LiveSlotsBackToFront(second.form.doc), (std::vector<int>{3, 2, 1}));
    const std::string desktop = second.Generate("Frame");
    EXPECT_NE(desktop, unstacked);
    const GenResult r = Gen(stacked + " --as Frame");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, desktop);
    // Saved again unchanged, the file is the same; the file without Stack keys keeps its order.
    ASSERT_TRUE(second.form.SavePath((dir / "Again.dat").string()));
    EXPECT_EQ(ReadBytes((dir / "Again.dat").string()), ReadBytes(stacked));
    EXPECT_EQ(Gen(plain + " --as Frame").out, unstacked);
}

TEST_F(JavaCommandTest, UsageErrors) {
    for (const char* arguments :
         {"", "a.dat b.dat", "a.dat -o", "a.dat --as", "a.dat --frame", "a.dat -o ''"}) {
        const GenResult r = Gen(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_NE(r.err.find("usage: korvane-gen java"), std::string::npos) << arguments;
    }
}

}  // namespace
}  // namespace korvane::testing
