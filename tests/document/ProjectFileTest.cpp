#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "document/DocumentController.h"
#include "document/ProjectFile.h"
#include "support/ScriptedServices.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

using testing::ScriptedFileDialog;
using testing::ScriptedMessageBox;
using testing::TempFolder;

std::string Crlf(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

const char* const kWorkedExample = R"([Main]
SizeX=4800
SizeY=3600
Units=pixels
[Font]
Name=Helvetica
Style=PLAIN
Size=12
[1]
Name=label_1
Type=Label
Value=label_1
X= 120
Y= 120
SizeX= 1080
SizeY= 360
Events=
Order=1
Popup=
[2]
Name=list_1
Type=JList
Value=item1|item2
X= 1440
Y= 600
SizeX= 1080
SizeY= 360
Events=
Order=2
Popup=
)";

class ProjectFileTest : public ::testing::Test {
  protected:
    void SetUp() override { form.Load(); }
    std::string Path(const std::string& name) const { return folder.Path(name); }
    static std::string Read(const std::string& path) { return TempFolder::Read(path); }
    static void Write(const std::string& path, const std::string& text) {
        TempFolder::Write(path, text);
    }
    std::unique_ptr<DocumentController> Reopen(const std::string& path) {
        auto other = std::make_unique<DocumentController>(messages, dialogs);
        other->Load();
        EXPECT_TRUE(other->OpenPath(path));
        return other;
    }

    TempFolder folder{"project"};
    const std::filesystem::path& dir = folder.dir;
    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    DocumentController form{messages, dialogs};
};

TEST_F(ProjectFileTest, WritesTheWorkedExampleByteForByte) {
    form.editor.InsertFromMenuBar("Label");
    form.editor.InsertFromMenuBar("JList");
    form.doc.MutableSlot(2).Left = 1440;
    form.doc.MutableSlot(2).Top = 600;
    ASSERT_TRUE(form.SavePath(Path("example.dat")));
    EXPECT_EQ(Read(Path("example.dat")), Crlf(kWorkedExample));
    // Saving twice without changes gives the same file; reopened and saved, the same again.
    ASSERT_TRUE(form.SavePath(Path("again.dat")));
    EXPECT_EQ(Read(Path("again.dat")), Read(Path("example.dat")));
    auto other = Reopen(Path("example.dat"));
    ASSERT_TRUE(other->SavePath(Path("third.dat")));
    EXPECT_EQ(Read(Path("third.dat")), Crlf(kWorkedExample));
}

TEST_F(ProjectFileTest, ReadsTheWorkedExampleWithLfOnly) {
    Write(Path("lf.dat"), kWorkedExample);
    auto other = Reopen(Path("lf.dat"));
    ASSERT_EQ(other->doc.SlotCount(), 2);
    const ComponentRecord& list = other->doc.Slot(2);
    EXPECT_EQ(list.ComponentType, "JList");
    EXPECT_EQ(list.ComponentValue, "item1|item2");
    EXPECT_EQ(list.Left, 1440);
    EXPECT_EQ(list.Top, 600);
    EXPECT_EQ(list.ComponentTabOrder, "2");
    EXPECT_EQ(other->doc.OuterWidth, 4995);
    EXPECT_EQ(other->doc.Caption, "lf");
}

TEST_F(ProjectFileTest, EmptyDesignWritesMainAndFontOnly) {
    form.ResizeWindow(6195, 4935);
    ASSERT_TRUE(form.SavePath(Path("empty.dat")));
    EXPECT_EQ(Read(Path("empty.dat")), Crlf("[Main]\nSizeX=6000\nSizeY=4500\nUnits=pixels\n[Font]"
                                            "\nName=Helvetica\nStyle=PLAIN\nSize=12\n"));
    auto other = Reopen(Path("empty.dat"));
    EXPECT_EQ(other->doc.SlotCount(), 0);
    EXPECT_EQ(other->doc.WindowWidth, 400);
    EXPECT_EQ(other->doc.WindowHeight, 300);
}

TEST_F(ProjectFileTest, DeletedSlotsCloseUpAndTabGapsStay) {
    for (int i = 0; i < 3; ++i) form.editor.InsertFromMenuBar("CommandButton");
    form.doc.ActiveSlot = 2;
    form.editor.DeleteSelection();
    ASSERT_TRUE(form.SavePath(Path("gaps.dat")));
    std::string text = Read(Path("gaps.dat"));
    EXPECT_NE(text.find("[2]\r\nName=button_3"), std::string::npos);
    EXPECT_EQ(text.find("[3]"), std::string::npos);
    EXPECT_NE(text.find("Order=3"), std::string::npos);
    auto other = Reopen(Path("gaps.dat"));
    EXPECT_EQ(other->doc.SlotCount(), 2);
    EXPECT_EQ(other->doc.Slot(2).ComponentName, "button_3");
}

TEST_F(ProjectFileTest, GeometryFormsIncludingNegativeAndFractions) {
    form.editor.InsertFromMenuBar("Label");
    ComponentRecord& r = form.doc.MutableSlot(1);
    r.Left = 0;
    r.Top = -15;
    r.Width = 1080.5f;
    ASSERT_TRUE(form.SavePath(Path("geo.dat")));
    std::string text = Read(Path("geo.dat"));
    EXPECT_NE(text.find("\r\nX= 0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nY=-15\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSizeX= 1080.5\r\n"), std::string::npos);
}

// A binding still being made is kept, so a save loses none of it; one that chooses nothing is "".
TEST_F(ProjectFileTest, IncompletePopupsAreKeptAndEmptyOnesAreNot) {
    const std::pair<std::string, std::string> cases[] = {
        {"Dialog,about,actionPerformed()", "Popup=Dialog,about,actionPerformed()\r\n"},
        {"Dialog,,actionPerformed()", "Popup=Dialog,,actionPerformed()\r\n"},
        {"(None),about,(None)", "Popup=(None),about,(None)\r\n"},
        {"Dialog,,(None)", "Popup=Dialog,,(None)\r\n"},
        {"Dialog,about", "Popup=Dialog,about\r\n"},
        {"(None),,(None)", "Popup=\r\n"},
        {",,", "Popup=\r\n"},
    };
    for (const auto& [popup, expected] : cases) {
        form.FileNew();
        form.editor.InsertFromMenuBar("CommandButton");
        form.doc.MutableSlot(1).ComponentPopup = popup;
        ASSERT_TRUE(form.SavePath(Path("popup.dat")));
        EXPECT_NE(Read(Path("popup.dat")).find(expected), std::string::npos) << popup;
        EXPECT_EQ(Reopen(Path("popup.dat"))->doc.Slot(1).ComponentPopup,
                  expected == "Popup=\r\n" ? "" : popup);
    }
}

TEST_F(ProjectFileTest, ReadsWhatItFindsInAnyOrder) {
    Write(Path("odd.dat"),
          "[3]\nName=skipped\n[1]\nname=first\ntype=TextField/TextArea\nvalue=\"  padded  \"\n"
          "x=  7.5\nOrder=first\n[Font]\nName=Times Roman\n[Main]\nSizeX=4800\nSizeY=3600\n");
    auto other = Reopen(Path("odd.dat"));
    ASSERT_EQ(other->doc.SlotCount(), 1);
    EXPECT_EQ(other->doc.Slot(1).ComponentType, "TextBox");
    EXPECT_EQ(other->doc.Slot(1).ComponentValue, "  padded  ");
    EXPECT_EQ(other->doc.Slot(1).Left, 7.5f);
    EXPECT_EQ(other->doc.FontName, "Times Roman");
}

TEST_F(ProjectFileTest, ValuesSurviveASaveAndOpenWhole) {
    form.editor.InsertFromMenuBar("Label");
    const std::string value =
        " starts with a blank, \"quotes\", caf\xC3\xA9 and " + std::string(400, 'x') + " ";
    form.doc.MutableSlot(1).ComponentValue = value;
    ASSERT_TRUE(form.SavePath(Path("whole.dat")));
    EXPECT_EQ(Reopen(Path("whole.dat"))->doc.Slot(1).ComponentValue, value);
}

TEST_F(ProjectFileTest, Windows1252FilesAreReadAsSuch) {
    Write(Path("ansi.dat"), "[1]\r\nName=l\r\nType=Label\r\nValue=Gr\xFC\xDF Gott \x80\r\n");
    EXPECT_EQ(Reopen(Path("ansi.dat"))->doc.Slot(1).ComponentValue,
              "Gr\xC3\xBC\xC3\x9F Gott \xE2\x82\xAC");
}

TEST_F(ProjectFileTest, OlderLayoutImportsInKindOrder) {
    Write(Path("old.dat"),
          "[Main]\r\nSizeX=40\r\nSizeY=30\r\n[Button1]\r\nName=ok\r\nX=2\r\nY=4\r\nSizeX="
          "6\r\nSizeY=2\r\n"
          "[Label0]\r\nName=lbl\r\nX=1\r\nY=2\r\nSizeX=9\r\nSizeY=3\r\n"
          "[TextField/TextArea3]\r\nName=tf\r\n");
    auto other = Reopen(Path("old.dat"));
    ASSERT_EQ(other->doc.SlotCount(), 3);
    const ComponentRecord& lbl = other->doc.Slot(1);
    EXPECT_EQ(lbl.ComponentName, "lbl");
    EXPECT_EQ(lbl.ComponentValue, "lbl");
    EXPECT_EQ(lbl.Left, 120);
    EXPECT_EQ(lbl.Top, 240);
    EXPECT_EQ(lbl.Width, 1080);
    EXPECT_EQ(lbl.Height, 360);
    EXPECT_EQ(lbl.ComponentTabOrder, "1");
    EXPECT_EQ(other->doc.Slot(2).ComponentType, "TextBox");
    EXPECT_EQ(other->doc.Slot(3).ComponentType, "CommandButton");
    EXPECT_EQ(other->doc.Slot(3).ComponentTabOrder, "3");
    EXPECT_EQ(other->doc.OuterWidth, 4900);
    EXPECT_EQ(other->doc.OuterHeight, 3960);
    // Resaved, it is a file of the current layout.
    ASSERT_TRUE(other->SavePath(Path("new.dat")));
    EXPECT_NE(Read(Path("new.dat")).find("[1]\r\nName=lbl\r\nType=Label"), std::string::npos);
}

TEST_F(ProjectFileTest, MenuBarSectionsAreKeptThroughASave) {
    Write(Path("menu.dat"),
          "[1]\nName=b\nType=Button\n[MenuElement1]\nName=mnuFile\nLabel=File\nType=Menu\n"
          "[MenuElement2]\nName=mnuExit\nLabel=Exit\nEvents=actionPerformed()\nShortcut=X\n"
          "[MenuElement4]\nName=unreached\n");
    auto other = Reopen(Path("menu.dat"));
    ASSERT_EQ(other->doc.MenuElements.size(), 2u);
    EXPECT_EQ(other->doc.MenuElements[1].Events, "actionPerformed()");
    ASSERT_TRUE(other->SavePath(Path("menu2.dat")));
    EXPECT_NE(
        Read(Path("menu2.dat"))
            .find("[MenuElement2]\r\nName=mnuExit\r\nLabel=Exit\r\nType=\r\nState=\r\nLevel=\r\n"
                  "Events=actionPerformed()\r\nShortcut=X\r\n"),
        std::string::npos);
    EXPECT_EQ(Reopen(Path("menu2.dat"))->doc.MenuElements.size(), 2u);
}

TEST_F(ProjectFileTest, HostileFilesNeverCrash) {
    const std::string files[] = {
        "",
        std::string("\0\0\0\xFF\xFE", 5),
        "[1]\nName=" + std::string(20000, 'a') + "\nX=" + std::string(5000, '9') + "\n",
        "[1]\nName=a\nX=-1e308\nY=nan\nSizeX=inf\nSizeY=1e-400\nOrder=99999999999\n",
        "[[[[\n====\n]]]]\n[1\nName=a\n",
        "\r\r\r\n\n\n[Main]\rSizeX=-50\rSizeY=-1\r",
    };
    int n = 0;
    for (const std::string& f : files) {
        std::string p = Path("h" + std::to_string(n++) + ".dat");
        Write(p, f);
        DocumentController other(messages, dialogs);
        other.Load();
        EXPECT_TRUE(other.OpenPath(p)) << n;
        EXPECT_TRUE(other.SavePath(p)) << n;
    }
}

TEST_F(ProjectFileTest, MutatedFilesOpenAndSaveAgain) {
    // Deterministic mutations of a real file: cut, duplicated and corrupted bytes.
    std::mt19937 rng(20261208);
    const std::string base = Crlf(kWorkedExample);
    const std::string alphabet = "[]=\r\n\"|,.-+eE0123456789 \t\x80\xC3\xFFNameTypeX";
    for (int round = 0; round < 120; ++round) {
        std::string text = base;
        int edits = 1 + static_cast<int>(rng() % 12);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            size_t at = rng() % text.size();
            switch (rng() % 3) {
                case 0:
                    text.erase(at, 1 + rng() % 8);
                    break;
                case 1:
                    text.insert(at, text.substr(rng() % text.size(), 1 + rng() % 40));
                    break;
                default:
                    text[at] = alphabet[rng() % alphabet.size()];
                    break;
            }
        }
        std::string p = Path("m.dat");
        Write(p, text);
        DocumentController other(messages, dialogs);
        other.Load();
        ASSERT_TRUE(other.OpenPath(p)) << round;
        ASSERT_TRUE(other.SavePath(p)) << round;
        DocumentController again(messages, dialogs);
        again.Load();
        ASSERT_TRUE(again.OpenPath(p)) << round;
        EXPECT_EQ(again.doc.LiveCount(), other.doc.LiveCount()) << round;
    }
}

}  // namespace
}  // namespace korvane
