// Recovery files of several programs in one folder: a program starting offers only what
// programs no longer running left, leaves the files of running ones alone whichever process
// ids they had, and tidies the locks that ended programs left without files; an offered file
// opens as the design it keeps, under its own file and modified.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/DocumentController.h"
#include "document/Recovery.h"
#include "platform/FileSystem.h"
#include "support/ScriptedServices.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedFileDialog;
using testing::ScriptedMessageBox;
using testing::TempFolder;
using namespace std::chrono_literals;

// A design saved as `file`, edited, and kept for recovery under the name `stem`.
void WriteRecovery(const std::string& folder, const std::string& stem, const std::string& file) {
    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    DocumentController form(messages, dialogs);
    form.Load();
    form.editor.InsertFromMenuBar("Label");
    form.doc.FilePath = file;
    form.doc.FileName = file.empty() ? "" : fs::path(file).stem().string();
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder + "/" + stem + ".dat", RecoveryText(form.doc), error));
}

TEST(RecoveryTest, OnlyWhatEndedProgramsLeftIsOffered) {
    TempFolder folder("recovery");
    const std::string dir = folder.Path("recovery");
    fs::create_directories(dir);
    // Another program that runs: its lock is held, here by this process.
    OwnerLock running;
    std::string error;
    ASSERT_TRUE(running.Take(dir + "/100-1.lock", error)) << error;
    WriteRecovery(dir, "100-1", folder.Path("running.dat"));
    OwnerLock runningUnchanged;
    ASSERT_TRUE(runningUnchanged.Take(dir + "/101-1.lock", error)) << error;
    // Programs that ended: a lock nobody holds, with its file or without; a file without lock.
    TempFolder::Write(dir + "/200-2.lock", "");
    WriteRecovery(dir, "200-2", folder.Path("crashed.dat"));
    TempFolder::Write(dir + "/201-2.lock", "");
    WriteRecovery(dir, "300-3", "");
    fs::last_write_time(dir + "/300-3.dat", fs::last_write_time(dir + "/200-2.dat") - 1h);

    RecoveryFiles mine(dir);
    ASSERT_TRUE(mine.Ready()) << mine.Problem();
    const std::vector<LeftRecovery> left = mine.Leftovers();
    ASSERT_EQ(left.size(), 2u);  // newest first
    EXPECT_EQ(left[0].design, dir + "/200-2.dat");
    EXPECT_EQ(left[0].lock, dir + "/200-2.lock");
    EXPECT_EQ(left[0].fileName, "crashed");
    EXPECT_EQ(left[0].filePath, folder.Path("crashed.dat"));
    EXPECT_EQ(left[1].design, dir + "/300-3.dat");
    EXPECT_EQ(left[1].fileName, "");
    EXPECT_EQ(left[1].filePath, "");
    // The running programs' files stay; only the lock of an ended program without a file goes.
    for (const char* kept : {"100-1.lock", "100-1.dat", "101-1.lock", "200-2.lock", "200-2.dat"})
        EXPECT_TRUE(fs::exists(dir + "/" + kept)) << kept;
    EXPECT_FALSE(fs::exists(dir + "/201-2.lock"));
    EXPECT_TRUE(fs::exists(mine.DesignPath().substr(0, mine.DesignPath().size() - 4) + ".lock"));

    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    DocumentController form(messages, dialogs);
    form.Load();
    ASSERT_TRUE(RestoreRecovery(form, left[0]));
    EXPECT_EQ(form.doc.LiveCount(), 1);
    EXPECT_EQ(form.doc.FileName, "crashed");
    EXPECT_EQ(form.doc.FilePath, folder.Path("crashed.dat"));
    EXPECT_EQ(form.doc.Caption, "crashed");
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(form.LastFolder, folder.dir.string() + "/");
}

}  // namespace
}  // namespace korvane
