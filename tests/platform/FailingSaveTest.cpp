// Every way of saving (the project file, the code window's Save As and the files korvane-gen
// writes) made to fail at the open, at each write, at the flush, at the close and at the
// rename: the previous file stays byte for byte, no temporary file is left, the failure is
// reported with its reason, and nothing claims success.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "codegen/CodeListing.h"
#include "document/DocumentController.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedServices.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

using testing::FaultyFileSystem;
using testing::FileStep;
using testing::ScriptedFileDialog;
using testing::ScriptedMessageBox;
using testing::TempFolder;

constexpr const char* kPrevious = "the previous file\r\n";

// A save under test: runs against the files given and says whether it reported success; the
// reported message (or standard error) goes into `message`.
using SaveRun = std::function<bool(FileSystem& files, std::string& message)>;

size_t FilesIn(const std::filesystem::path& dir) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

// Runs the save once to count its writes, then once for every step it can fail at.
void ExpectEveryFailureKeepsThePreviousFile(const TempFolder& folder, const std::string& target,
                                            const SaveRun& save) {
    FaultyFileSystem counting(FileStep::Write, 1 << 30);
    TempFolder::Write(target, kPrevious);
    std::string message;
    ASSERT_TRUE(save(counting, message)) << message;
    ASSERT_NE(TempFolder::Read(target), kPrevious);
    const int writes = counting.Writes();
    ASSERT_GE(writes, 1);

    std::vector<std::pair<FileStep, int>> faults = {
        {FileStep::Open, 1}, {FileStep::Flush, 1}, {FileStep::Close, 1}, {FileStep::Rename, 1}};
    for (int n = 1; n <= writes; ++n) faults.emplace_back(FileStep::Write, n);
    const size_t filesBefore = FilesIn(folder.dir);
    for (auto [step, nth] : faults) {
        SCOPED_TRACE(std::string(testing::StepName(step)) + " " + std::to_string(nth));
        TempFolder::Write(target, kPrevious);
        FaultyFileSystem files(step, nth);
        message.clear();
        EXPECT_FALSE(save(files, message));
        EXPECT_TRUE(files.Failed());
        EXPECT_EQ(TempFolder::Read(target), kPrevious);
        EXPECT_EQ(FilesIn(folder.dir), filesBefore);  // no temporary file left behind
        EXPECT_NE(message.find(files.Reason()), std::string::npos) << message;
    }
}

// Three labels with values long enough that a file takes more than one write.
void FillDesign(DocumentController& form) {
    for (int k = 0; k < 3; ++k) {
        form.editor.InsertFromMenuBar("Label");
        form.doc.MutableSlot(form.doc.SlotCount()).ComponentValue = std::string(40000, 'v');
    }
}

TEST(FailingSaveTest, ProjectFileSaveKeepsThePreviousFileAndStaysModified) {
    TempFolder folder("failing-save");
    const std::string target = folder.Path("design.dat");
    ExpectEveryFailureKeepsThePreviousFile(folder, target,
                                           [&](FileSystem& files, std::string& message) {
                                               ScriptedMessageBox messages;
                                               ScriptedFileDialog dialogs;
                                               DocumentController form(messages, dialogs);
                                               form.SetFileSystem(files);
                                               form.Load();
                                               FillDesign(form);
                                               form.doc.FileName = "design";
                                               form.doc.FilePath = target;
                                               EXPECT_TRUE(form.Modified());
                                               bool saved = form.FileSave();
                                               EXPECT_EQ(form.Modified(), !saved);
                                               for (const std::string& text : messages.Texts())
                                                   message += text;
                                               return saved && messages.shown.empty();
                                           });
}

TEST(FailingSaveTest, CodeWindowSaveAsKeepsThePreviousFile) {
    TempFolder folder("failing-java");
    const std::string target = folder.Path("Login.java");
    ExpectEveryFailureKeepsThePreviousFile(
        folder, target, [&](FileSystem& files, std::string& message) {
            CodeListing code;
            code.ShowGenerated({"public class Login {", std::string(100000, ' ') + "int x;", "}"});
            ScriptedMessageBox messages;
            ScriptedFileDialog dialogs;
            dialogs.paths = {target};
            bool saved = code.SaveAs("Login", dialogs, messages, files);
            for (const std::string& text : messages.Texts()) message += text;
            EXPECT_EQ(code.Lines.size(), 3u);  // the window keeps its text
            return saved && messages.shown.empty();
        });
}

// korvane-gen's commands, run in this process; standard error is the message.
SaveRun Command(int (*run)(const std::vector<std::string>&, FileSystem&),
                std::vector<std::string> args) {
    return [run, args](FileSystem& files, std::string& message) {
        ::testing::internal::CaptureStderr();
        int status = run(args, files);
        message = ::testing::internal::GetCapturedStderr();
        return status == 0;
    };
}

TEST(FailingSaveTest, KorvaneGenExitsNonZeroAndKeepsThePreviousFile) {
    TempFolder folder("failing-gen");
    const std::string design = folder.Path("Big.dat");
    {
        ScriptedMessageBox messages;
        ScriptedFileDialog dialogs;
        DocumentController form(messages, dialogs);
        form.Load();
        FillDesign(form);
        ASSERT_TRUE(form.SavePath(design));
    }
    const std::string out = folder.Path("out");
    ExpectEveryFailureKeepsThePreviousFile(folder, out,
                                           Command(cli::RunResaveCommand, {design, out}));
    // javac takes the class Big only from Big.java, so korvane-gen writes no other name.
    const std::string javaOut = folder.Path("Big.java");
    ExpectEveryFailureKeepsThePreviousFile(
        folder, javaOut, Command(RunJavaCommand, {design, "--as", "JFrame", "-o", javaOut}));
    ExpectEveryFailureKeepsThePreviousFile(folder, out,
                                           Command(RunRenderCommand, {design, "-o", out}));
}

}  // namespace
}  // namespace korvane
