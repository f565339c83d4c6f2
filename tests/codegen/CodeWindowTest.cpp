#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "codegen/CodeListing.h"
#include "support/ScriptedServices.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CodeWindowSaveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("korvane_form2_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        form.ShowGenerated({"public class Login {", "", "    int x;", "}"});
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder / "Login.java", fs::perms::owner_all, ec);
        fs::remove_all(folder, ec);
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
    CodeListing form;
    testing::ScriptedFileDialog dialogs;
    testing::ScriptedMessageBox messages;
};

TEST_F(CodeWindowSaveTest, WritesEveryLineWithCrLfAndAsksWithTheJavaDialog) {
    dialogs.paths = {"  " + Path("Login.java") + " "};
    ASSERT_TRUE(form.SaveAs("Login", dialogs, messages));
    EXPECT_EQ(ReadBytes(folder / "Login.java"), "public class Login {\r\n\r\n    int x;\r\n}\r\n");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogRequest& r = dialogs.requests[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.proposedName, "Login");
    EXPECT_EQ(r.defaultExt, "*.java");
    EXPECT_EQ(r.flags, 6);
    EXPECT_EQ(r.initialFolder, "");
    ASSERT_EQ(r.filters.size(), 1u);
    EXPECT_EQ(r.filters[0].first, "All files (*.java)");
    EXPECT_EQ(r.filters[0].second, "*.java");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CodeWindowSaveTest, TheNextDialogOpensInTheFolderOfTheLastSaveEvenAfterClose) {
    dialogs.paths = {Path("Login.java"), ""};
    ASSERT_TRUE(form.SaveAs("Login", dialogs, messages));
    form.Close();
    EXPECT_TRUE(form.Lines.empty());
    EXPECT_FALSE(form.Visible);
    form.ShowGenerated({"}"});
    EXPECT_FALSE(form.SaveAs("Login", dialogs, messages));  // cancelled
    EXPECT_EQ(dialogs.requests[1].initialFolder, folder.string() + "/");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CodeWindowSaveTest, SavingTwiceReplacesTheFile) {
    dialogs.paths = {Path("Login.java"), Path("Login.java")};
    ASSERT_TRUE(form.SaveAs("Login", dialogs, messages));
    form.ShowGenerated({"class Login {}"});
    ASSERT_TRUE(form.SaveAs("Login", dialogs, messages));
    EXPECT_EQ(ReadBytes(folder / "Login.java"), "class Login {}\r\n");
}

struct FailingTarget {
    const char* what;
    std::string (*prepare)(const fs::path& folder);
};

TEST_F(CodeWindowSaveTest, AFailedWriteIsReportedAndChangesNothing) {
    const FailingTarget cases[] = {
        {"missing folder",
         [](const fs::path& f) { return (f / "absent" / "Login.java").string(); }},
        {"read-only file",
         [](const fs::path& f) {
             std::ofstream(f / "Login.java") << "old";
             fs::permissions(f / "Login.java", fs::perms::owner_read);
             return (f / "Login.java").string();
         }},
        {"a folder in the way",
         [](const fs::path& f) {
             fs::create_directories(f / "Taken.java" / "inner");
             return (f / "Taken.java").string();
         }},
    };
    for (const FailingTarget& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScriptedMessageBox box;
        const std::vector<std::string> before = form.Lines;
        const std::string folderBefore = form.LastJavaFolder;
        const std::string path = c.prepare(folder);
        dialogs.paths = {path};
        EXPECT_FALSE(form.SaveAs("Login", dialogs, box));
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].icon, MessageIcon::Warning);
        EXPECT_NE(box.shown[0].text.find(path), std::string::npos);
        EXPECT_EQ(form.Lines, before);
        EXPECT_TRUE(form.Visible);
        EXPECT_EQ(form.LastJavaFolder, folderBefore);
    }
    EXPECT_EQ(ReadBytes(folder / "Login.java"), "old");
}

}  // namespace
}  // namespace korvane
