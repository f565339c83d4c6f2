#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "document/DocumentController.h"
#include "mainwindow/MainController.h"
#include "support/ScriptedServices.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

using testing::ScriptedFileDialog;
using testing::ScriptedMessageBox;
using testing::TempFolder;

class DocumentControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.SetMainWindow(&main);
        main.Load();
        form.Load();
    }

    std::string Path(const std::string& name) const { return folder.Path(name); }
    static std::string Read(const std::string& path) { return TempFolder::Read(path); }
    static void Write(const std::string& path, const std::string& text) {
        TempFolder::Write(path, text);
    }
    const ComponentRecord& Slot(int i) const { return form.doc.Slot(i); }

    TempFolder folder{"form1"};
    const std::filesystem::path& dir = folder.dir;
    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    DocumentController form{messages, dialogs};
    MainController main{form};
};

TEST_F(DocumentControllerTest, LoadStartsAnEmptyDesignWithTheMainWindowsGrid) {
    EXPECT_EQ(form.doc.SlotCount(), 0);
    EXPECT_EQ(form.doc.GridSize, 120);  // 8 pixels
    EXPECT_TRUE(form.doc.GridShow);
    EXPECT_EQ(form.doc.Target, "Applet");
    EXPECT_EQ(form.doc.WindowWidth, 320);
    EXPECT_EQ(form.doc.WindowHeight, 240);
    EXPECT_FALSE(form.Modified());
}

TEST_F(DocumentControllerTest, GridSettingsConvertFromPixels) {
    struct Case {
        int size;
        std::string units;
        double twips;
    } cases[] = {{8, "pixels", 120}, {200, "twips", 200}, {0, "pixels", 120}, {-3, "twips", 120}};
    for (const Case& c : cases) {
        main.SetGrid(GridSettings{c.size, true, true, c.units});
        EXPECT_EQ(form.doc.GridSize, c.twips) << c.size << " " << c.units;
    }
    main.SetGrid(GridSettings{200, true, true, "twips"});
    form.editor.InsertFromMenuBar("Label");
    EXPECT_EQ(Slot(1).Width, 1800);
    EXPECT_EQ(Slot(1).Height, 600);
}

TEST_F(DocumentControllerTest, InsertGivesDefaultsAndSelects) {
    form.editor.InsertComponent("JList");
    ASSERT_EQ(form.doc.SlotCount(), 1);
    EXPECT_EQ(Slot(1).ComponentName, "list_1");
    EXPECT_EQ(Slot(1).ComponentValue, "item1|item2");
    EXPECT_EQ(Slot(1).ComponentTabOrder, "1");
    EXPECT_EQ(Slot(1).ComponentEvents, "");
    EXPECT_EQ(Slot(1).ComponentPopup, "");
    EXPECT_EQ(Slot(1).Width, 1080);
    EXPECT_EQ(Slot(1).Height, 360);
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(form.doc.ActiveSlot, 1);
    EXPECT_TRUE(form.doc.Handles[1].Visible);
    EXPECT_EQ(main.componentList.Items(), std::vector<std::string>{"list_1 (JList)"});
    EXPECT_EQ(main.componentList.ListIndex, 0);

    form.editor.InsertComponent("JVScrollBar");
    EXPECT_EQ(Slot(2).ComponentName, "scrollbar_v_1");
    EXPECT_EQ(Slot(2).Width, 360);
    EXPECT_EQ(Slot(2).Height, 1080);
}

TEST_F(DocumentControllerTest, MenuBarInsertsAtOneGridStepPopupAtTheClickedPoint) {
    form.doc.InsertX = 500;
    form.doc.InsertY = 700;
    form.editor.InsertFromMenuBar("Label");
    form.editor.InsertFromMenuBar("Label");
    EXPECT_EQ(Slot(1).Left, 120);
    EXPECT_EQ(Slot(2).Top, 120);
    EXPECT_EQ(Slot(2).ComponentName, "label_2");
    EXPECT_EQ(Slot(2).ComponentTabOrder, "2");
    form.doc.InsertX = 517;
    form.doc.InsertY = 33;
    form.editor.InsertComponent("CommandButton");
    EXPECT_EQ(Slot(3).Left, 517);
    EXPECT_EQ(Slot(3).Top, 33);
}

TEST_F(DocumentControllerTest, DeleteHidesTheSlotAndKeepsItsName) {
    for (int i = 0; i < 3; ++i) form.editor.InsertFromMenuBar("CommandButton");
    form.doc.ActiveSlot = 2;
    form.WindowKeyDown(kKeyDelete, 0);
    EXPECT_FALSE(form.doc.IsLive(2));
    EXPECT_EQ(form.doc.SlotCount(), 3);
    EXPECT_EQ(main.componentList.ListCount(), 2);
    EXPECT_FALSE(form.doc.Handles[1].Visible);
    EXPECT_EQ(form.doc.ActiveSlot, 2);
    form.editor.InsertFromMenuBar("CommandButton");
    EXPECT_EQ(form.doc.SlotCount(), 4);
    EXPECT_EQ(Slot(4).ComponentName, "button_4");
    // Delete again with the deleted component still active changes nothing.
    form.doc.ActiveSlot = 2;
    form.History().MarkSaved();
    form.editor.DeleteSelection();
    EXPECT_FALSE(form.Modified());
    // Nothing selected: nothing happens.
    form.doc.ActiveSlot = 0;
    form.editor.DeleteSelection();
    EXPECT_EQ(form.doc.LiveCount(), 3);
}

TEST_F(DocumentControllerTest, InsertionStopsAtTheSlotLimit) {
    for (int i = 0; i < kMaxSlots; ++i) {
        form.doc.AppendSlot(ComponentRecord{"c" + std::to_string(i), "Label", "", "", "1", "", 0, 0,
                                            10, 10, true, 0});
    }
    form.editor.InsertComponent("Label");
    EXPECT_EQ(form.doc.SlotCount(), kMaxSlots);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Korvane");
}

TEST_F(DocumentControllerTest, NewAsksOnlyWhenModified) {
    form.doc.Target = "JFrame";
    form.FileNew();
    EXPECT_TRUE(messages.shown.empty());
    form.editor.InsertFromMenuBar("Label");
    messages.answers = {MessageResult::No};
    form.FileNew();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "This action will discard your changes.\n\nDo you want to continue?");
    EXPECT_EQ(messages.shown[0].title, "New File");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].defaultButton, 2);
    EXPECT_EQ(form.doc.SlotCount(), 1);
    EXPECT_TRUE(form.Modified());
    messages.answers = {MessageResult::Yes};
    form.FileNew();
    EXPECT_EQ(form.doc.SlotCount(), 0);
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.doc.Target, "JFrame");
    EXPECT_EQ(main.componentList.ListCount(), 0);
}

TEST_F(DocumentControllerTest, CloseAnswers) {
    form.editor.InsertFromMenuBar("Label");
    messages.answers = {MessageResult::Cancel};
    EXPECT_FALSE(form.QueryClose());
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(messages.shown.back().title, "Close File");
    EXPECT_EQ(messages.shown.back().text, "Do you want to save the changes?");
    EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNoCancel);

    // Yes, then the save dialog is cancelled: the window stays open and modified.
    messages.answers = {MessageResult::Yes};
    dialogs.paths = {""};
    EXPECT_FALSE(form.QueryClose());
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(form.Modified());

    messages.answers = {MessageResult::No};
    EXPECT_TRUE(form.QueryClose());
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(main.palettes.ButtonsEnabled);
    EXPECT_EQ(main.componentList.ListCount(), 0);
    main.MenuNew();
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(main.palettes.ButtonsEnabled);
}

TEST_F(DocumentControllerTest, CloseAnsweredYesSavesAndCloses) {
    form.editor.InsertFromMenuBar("Label");
    messages.answers = {MessageResult::Yes};
    dialogs.paths = {Path("closing.dat")};
    EXPECT_TRUE(form.QueryClose());
    EXPECT_NE(Read(Path("closing.dat")).find("Name=label_1"), std::string::npos);
}

TEST_F(DocumentControllerTest, SaveAsSplitsThePathAndRemembersTheFolder) {
    form.editor.InsertFromMenuBar("Label");
    dialogs.paths = {Path("main.dat")};
    EXPECT_TRUE(form.FileSave());
    EXPECT_EQ(form.doc.FileName, "main");
    EXPECT_EQ(form.doc.FilePath, Path("main.dat"));
    EXPECT_EQ(form.LastFolder, dir.string() + "/");
    EXPECT_EQ(form.doc.Caption, "main");
    EXPECT_FALSE(form.Modified());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogRequest& r = dialogs.requests[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.filters.size(), 1u);
    EXPECT_EQ(r.filters[0].second, "*.dat");
    EXPECT_EQ(r.flags, 6);
    // The next dialog opens in that folder and proposes the last generated class name.
    form.doc.JavaClassName = "Main";
    dialogs.paths = {""};
    EXPECT_FALSE(form.FileSaveAs());
    EXPECT_EQ(dialogs.requests[1].initialFolder, dir.string() + "/");
    EXPECT_EQ(dialogs.requests[1].proposedName, "Main");
    // A cancelled dialog keeps the name but forgets the path: Save then asks for one.
    EXPECT_EQ(form.doc.FileName, "main");
    EXPECT_EQ(form.doc.FilePath, "");
    dialogs.paths = {Path("again.dat")};
    EXPECT_TRUE(form.FileSave());
    EXPECT_EQ(dialogs.requests.size(), 3u);
    EXPECT_TRUE(std::filesystem::exists(Path("again.dat")));
}

TEST_F(DocumentControllerTest, FileNamesWithSpacesAreRefused) {
    form.editor.InsertFromMenuBar("Label");
    dialogs.paths = {Path("my form.dat")};
    EXPECT_FALSE(form.FileSaveAs());
    EXPECT_EQ(messages.shown.back().text, "File Name cannot have spaces.");
    EXPECT_EQ(messages.shown.back().title, "File Name");
    EXPECT_EQ(form.doc.FileName, "");
    EXPECT_EQ(form.doc.FilePath, "");
    EXPECT_FALSE(std::filesystem::exists(Path("my form.dat")));

    dialogs.paths = {Path("ok.dat"), Path("other file.dat")};
    ASSERT_TRUE(form.FileSaveAs());
    EXPECT_FALSE(form.FileOpen());
    EXPECT_EQ(form.doc.SlotCount(), 1);
    EXPECT_EQ(form.doc.FileName, "ok");
    EXPECT_EQ(form.doc.FilePath, Path("ok.dat"));
}

TEST_F(DocumentControllerTest, AFailedSaveKeepsThePreviousFileAndState) {
    form.editor.InsertFromMenuBar("Label");
    dialogs.paths = {Path("keep.dat")};
    ASSERT_TRUE(form.FileSave());
    std::string before = Read(Path("keep.dat"));
    form.editor.InsertFromMenuBar("Label");

    // A folder stands where the new file should go: the write fails.
    std::filesystem::create_directories(dir / "blocked.dat" / "inside");
    dialogs.paths = {Path("blocked.dat")};
    messages.shown.clear();
    EXPECT_FALSE(form.FileSaveAs());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Korvane");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_NE(messages.shown[0].text.find("blocked.dat"), std::string::npos);
    EXPECT_EQ(form.doc.FileName, "keep");
    EXPECT_EQ(form.doc.FilePath, Path("keep.dat"));
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(Read(Path("keep.dat")), before);
}

TEST_F(DocumentControllerTest, OpenAnswersProtectUnsavedWork) {
    Write(Path("two.dat"), "[1]\r\nName=a\r\nType=Label\r\n[2]\r\nName=b\r\nType=Button\r\n");
    form.editor.InsertFromMenuBar("Label");
    messages.answers = {MessageResult::Cancel};
    EXPECT_FALSE(form.FileOpen());
    EXPECT_EQ(messages.shown.back().title, "Open File");
    EXPECT_TRUE(dialogs.requests.empty());

    // Yes whose save is cancelled stops before the design is replaced.
    messages.answers = {MessageResult::Yes};
    dialogs.paths = {"", Path("two.dat")};
    EXPECT_FALSE(form.FileOpen());
    EXPECT_EQ(form.doc.Slot(1).ComponentName, "label_1");
    EXPECT_EQ(dialogs.requests.size(), 1u);

    messages.answers = {MessageResult::No};
    dialogs.paths = {Path("two.dat")};
    ASSERT_TRUE(form.FileOpen());
    EXPECT_EQ(form.doc.SlotCount(), 2);
    EXPECT_EQ(form.doc.Slot(2).ComponentType, "CommandButton");
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.doc.Caption, "two");
    EXPECT_EQ(main.componentList.Items(), (std::vector<std::string>{"a (Label)", "b (Button)"}));
    // Nothing is selected, so that no key acts on a component unasked.
    EXPECT_EQ(main.componentList.ListIndex, -1);
    EXPECT_EQ(main.inspector.ShownSlot(), 0);
    EXPECT_TRUE(form.selection.SelectedSlots().empty());
}

TEST_F(DocumentControllerTest, OpenRefusesUnreadableAndOversizedFilesWithoutTouchingTheDesign) {
    form.editor.InsertFromMenuBar("Label");
    form.History().MarkSaved();
    std::string big;
    big.reserve(kMaxSlots * 20);
    for (int k = 1; k <= kMaxSlots + 1; ++k)
        big += "[" + std::to_string(k) + "]\nName=c" + std::to_string(k) + "\n";
    Write(Path("big.dat"), big);
    const std::string paths[] = {Path("big.dat"), Path("missing.dat"), dir.string()};
    for (const std::string& p : paths) {
        messages.shown.clear();
        EXPECT_FALSE(form.OpenPath(p)) << p;
        ASSERT_EQ(messages.shown.size(), 1u) << p;
        EXPECT_EQ(messages.shown[0].title, "Korvane");
        EXPECT_EQ(form.doc.SlotCount(), 1);
        EXPECT_EQ(form.doc.Slot(1).ComponentName, "label_1");
    }
}

TEST_F(DocumentControllerTest, OpenFallsBackToDefaultsForUnusableSizes) {
    Write(
        Path("odd.dat"),
        "[Main]\r\nSizeX=wide\r\nSizeY=99999999\r\nUnits=\r\n[Font]\r\nName=Courier\r\nSize=big\r\n"
        "[1]\r\nName=x\r\nType=Label\r\nX=abc\r\nY=1e30\r\nSizeX=12.5px\r\nSizeY=-30\r\n");
    ASSERT_TRUE(form.OpenPath(Path("odd.dat")));
    EXPECT_EQ(form.doc.OuterWidth, kDefaultOuterWidth);
    EXPECT_EQ(form.doc.OuterHeight, kDefaultOuterHeight);
    EXPECT_EQ(form.doc.FontName, "Courier");
    EXPECT_EQ(form.doc.FontStyle, "PLAIN");
    EXPECT_EQ(form.doc.FontSize, 12);
    EXPECT_EQ(form.doc.WindowUnits, "pixels");
    EXPECT_EQ(Slot(1).Left, 0);
    EXPECT_EQ(Slot(1).Top, 0);
    EXPECT_EQ(Slot(1).Width, 12.5f);
    EXPECT_EQ(Slot(1).Height, -30);
}

TEST_F(DocumentControllerTest, ResizeFollowsTheFrameAllowances) {
    form.ResizeWindow(4995, 4035);
    EXPECT_EQ(form.doc.WindowWidth, 320);
    EXPECT_EQ(form.doc.WindowHeight, 240);
    form.ResizeWindow(6195, 4935);
    EXPECT_EQ(form.doc.WindowWidth, 400);
    EXPECT_EQ(form.doc.WindowHeight, 300);
}

TEST_F(DocumentControllerTest, LeftPressDeselectsRightPressAsksForTheMenu) {
    struct View : DocumentView {
        void ShowPopupMenu(std::string_view name) override { menus.emplace_back(name); }
        std::vector<std::string> menus;
    } view;
    form.SetView(&view);
    form.editor.InsertFromMenuBar("Label");
    form.WindowMouseDown(kRightButton, 0, 10, 10);
    EXPECT_EQ(view.menus, std::vector<std::string>{"menuForm"});
    EXPECT_EQ(form.doc.ActiveSlot, 1);
    form.WindowMouseDown(kLeftButton, 0, 10, 10);
    EXPECT_EQ(form.doc.ActiveSlot, 0);
    EXPECT_FALSE(form.doc.Handles[2].Visible);
    EXPECT_EQ(main.componentList.ListIndex, -1);
    form.WindowKeyDown(kKeyDelete, 0);
    EXPECT_EQ(form.doc.LiveCount(), 1);
    form.SetView(nullptr);
}

}  // namespace
}  // namespace korvane
