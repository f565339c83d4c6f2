// The Options dialogs' values, the menu-bar editor's operations and the preview's source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/GenerateCode.h"
#include "document/DesignEdits.h"
#include "document/ProjectFile.h"
#include "mainwindow/DesignSettings.h"
#include "mainwindow/MenuBarEditor.h"
#include "mainwindow/Preview.h"
#include "support/CoreProgram.h"
#include "support/RecordingHistory.h"

namespace korvane {
namespace {

TEST(WindowFontTest, DialogValuesAreReadOrRefusedNamingTheField) {
    struct Case {
        WindowFontTexts texts;
        std::string refusal;  // "" = accepted
    };
    const WindowFontTexts good{"400", " 300 ", "Courier", "BOLD ITALIC", "14"};
    const Case cases[] = {
        {good, ""},
        {{"1", "8192", "Dialog", "PLAIN", "1"}, ""},
        {{"0", "300", "Dialog", "PLAIN", "12"},
         "The width must be a whole number from 1 to 8192 pixels."},
        {{"8193", "300", "Dialog", "PLAIN", "12"},
         "The width must be a whole number from 1 to 8192 pixels."},
        {{"40.5", "300", "Dialog", "PLAIN", "12"},
         "The width must be a whole number from 1 to 8192 pixels."},
        {{"400", "-3", "Dialog", "PLAIN", "12"},
         "The height must be a whole number from 1 to 8192 pixels."},
        {{"400", "", "Dialog", "PLAIN", "12"},
         "The height must be a whole number from 1 to 8192 pixels."},
        {{"400", "300", "  ", "PLAIN", "12"}, "The font name is empty."},
        {{"400", "300", "A\tB", "PLAIN", "12"}, "The font name holds a control character."},
        {{"400", "300", std::string(255, 'F'), "PLAIN", "12"},
         "The font name is longer than 254 characters."},
        {{"400", "300", "Dialog", "HEAVY", "12"},
         "The font style must be PLAIN, BOLD, ITALIC or BOLD ITALIC."},
        {{"400", "300", "Dialog", "PLAIN", "0"},
         "The font size must be a whole number from 1 to 32767 points."},
        {{"400", "300", "Dialog", "PLAIN", "12pt"},
         "The font size must be a whole number from 1 to 32767 points."},
    };
    for (const Case& c : cases) {
        WindowFont out;
        EXPECT_EQ(ReadWindowFont(c.texts, out), c.refusal) << c.texts.width << c.texts.fontName;
    }
    WindowFont out;
    ASSERT_EQ(ReadWindowFont(good, out), "");
    EXPECT_EQ(out, (WindowFont{400, 300, "Courier", "BOLD ITALIC", 14}));
}

TEST(WindowFontTest, AnEditResizesTheWindowAndIsSavedAndUndone) {
    testing::CoreProgram p;
    testing::RecordingHistory history;
    p.form.SetHistory(&history);
    EditWindowFont(p.form, WindowFont{400, 300, "Times Roman", "BOLD", 16});
    const DesignDocument& doc = p.form.doc;
    // The document window's outer size is the design's plus the frame allowances.
    EXPECT_EQ(doc.OuterWidth, 6195);
    EXPECT_EQ(doc.OuterHeight, 4935);
    EXPECT_EQ(doc.WindowWidth, 400.f);
    EXPECT_EQ(doc.WindowHeight, 300.f);
    EXPECT_TRUE(p.form.Modified());
    const std::string file = ProjectFileText(doc);
    EXPECT_NE(file.find("[Main]\r\nSizeX=6000\r\nSizeY=4500\r\nUnits=pixels\r\n"
                        "[Font]\r\nName=Times Roman\r\nStyle=BOLD\r\nSize=16\r\n"),
              std::string::npos);
    ASSERT_EQ(history.changes.size(), 1u);
    EXPECT_EQ(history.changes[0].Text(), "Window Size and Font");
    history.Undo(p.form, 0);
    EXPECT_EQ(CurrentWindowFont(doc), WindowFont{});
    EXPECT_EQ(doc.OuterWidth, kDefaultOuterWidth);
    history.Redo(p.form, 0);
    EXPECT_EQ(CurrentWindowFont(doc).fontName, "Times Roman");
}

TEST(GridSettingsTest, DialogValuesAreReadOrRefused) {
    struct Case {
        GridTexts texts;
        std::string refusal;
        int size;
    };
    const Case cases[] = {
        {{"8", "pixels", true, true}, "", 8},
        {{" 100 ", "pixels", false, true}, "", 100},
        {{"15", "twips", true, false}, "", 15},
        {{"1500", "twips", true, true}, "", 1500},
        {{"0", "pixels", true, true},
         "The grid size must be a whole number from 1 to 100 pixels.",
         0},
        {{"101", "pixels", true, true},
         "The grid size must be a whole number from 1 to 100 pixels.",
         0},
        {{"14", "twips", true, true},
         "The grid size must be a whole number from 15 to 1500 twips.",
         0},
        {{"eight", "pixels", true, true},
         "The grid size must be a whole number from 1 to 100 pixels.",
         0},
        {{"8", "inches", true, true}, "The grid unit must be pixels or twips.", 0},
    };
    for (const Case& c : cases) {
        GridSettings out;
        ASSERT_EQ(ReadGridSettings(c.texts, out), c.refusal) << c.texts.size;
        if (!c.refusal.empty()) continue;
        EXPECT_EQ(out.GridSize, c.size);
        EXPECT_EQ(out.GridUnits, c.texts.units);
        EXPECT_EQ(out.GridAlign, c.texts.align);
        EXPECT_EQ(out.GridShow, c.texts.show);
    }
    EXPECT_EQ(ConvertGridSize("8", "pixels", "twips"), "120");
    EXPECT_EQ(ConvertGridSize("100", "twips", "pixels"), "7");
    EXPECT_EQ(ConvertGridSize("x", "twips", "pixels"), "x");
}

TEST(GridSettingsTest, NewSettingsReachTheOpenDesignAtOnce) {
    testing::CoreProgram p;
    p.main.SetGrid(GridSettings{10, false, false, "pixels"});
    EXPECT_EQ(p.form.doc.GridSize, 150);
    EXPECT_FALSE(p.form.doc.GridAlign);
    EXPECT_FALSE(p.form.doc.GridShow);
    p.main.SetGrid(GridSettings{200, true, true, "twips"});
    EXPECT_EQ(p.form.doc.GridSize, 200);
    p.form.editor.InsertFromMenuBar("Label");
    EXPECT_EQ(p.form.doc.Slot(1).Width, 1800.f);
    EXPECT_EQ(p.form.doc.Slot(1).Left, 200.f);
    // An application setting, not an edit of the design.
    EXPECT_EQ(p.main.Grid().GridUnits, "twips");
}

// ---------------------------------------------------------------- menu bar

std::vector<std::string> Outline(const MenuBarEditor& e) {
    std::vector<std::string> lines;
    for (int i = 0; i < e.Count(); ++i)
        lines.push_back(std::string(static_cast<size_t>(e.Depth(i)), '>') +
                        e.Elements()[static_cast<size_t>(i)].Name);
    return lines;
}

MenuElement Element(std::string name, std::string type, std::string level) {
    MenuElement e;
    e.Name = std::move(name);
    e.Type = std::move(type);
    e.Level = std::move(level);
    return e;
}

TEST(MenuBarEditorTest, AddingPlacesNewElementsInTheCurrentMenu) {
    MenuBarEditor e(std::vector<MenuElement>(1));  // a design without menu bar
    EXPECT_EQ(e.Count(), 0);
    e.Add({"menu_2"});
    e.Add({"menu_2"});
    e.Add({"menu_2"});
    EXPECT_EQ(Outline(e), (std::vector<std::string>{"menu_1", ">menu_3", ">menu_4"}));
    EXPECT_EQ(e.Elements()[0].Type, "Menu");
    EXPECT_EQ(e.Elements()[1].Type, "Item");
    EXPECT_EQ(e.Current(), 2);
}

TEST(MenuBarEditorTest, OperationsMoveIndentAndRemove) {
    const std::vector<MenuElement> start = {
        Element("file", "Menu", "0"), Element("open", "Item", "1"), Element("recent", "Menu", "1"),
        Element("r1", "Item", "2"),   Element("quit", "Item", "1"), Element("help", "Menu", "0")};
    struct Case {
        const char* name;
        int current;
        bool (*op)(MenuBarEditor&);
        bool done;
        std::vector<std::string> outline;
        int currentAfter;
    };
    const Case cases[] = {
        {"up",
         4,
         [](MenuBarEditor& e) { return e.MoveUp(); },
         true,
         {"file", ">open", ">recent", ">quit", ">>r1", "help"},
         3},
        {"up at the top",
         0,
         [](MenuBarEditor& e) { return e.MoveUp(); },
         false,
         {"file", ">open", ">recent", ">>r1", ">quit", "help"},
         0},
        {"down",
         1,
         [](MenuBarEditor& e) { return e.MoveDown(); },
         true,
         {"file", ">recent", ">open", ">>r1", ">quit", "help"},
         2},
        {"down at the bottom",
         5,
         [](MenuBarEditor& e) { return e.MoveDown(); },
         false,
         {"file", ">open", ">recent", ">>r1", ">quit", "help"},
         5},
        {"indent",
         4,
         [](MenuBarEditor& e) { return e.Indent(); },
         true,
         {"file", ">open", ">recent", ">>r1", ">>quit", "help"},
         4},
        {"indent past the one before",
         3,
         [](MenuBarEditor& e) { return e.Indent(); },
         false,
         {"file", ">open", ">recent", ">>r1", ">quit", "help"},
         3},
        {"indent the first",
         0,
         [](MenuBarEditor& e) { return e.Indent(); },
         false,
         {"file", ">open", ">recent", ">>r1", ">quit", "help"},
         0},
        {"outdent",
         3,
         [](MenuBarEditor& e) { return e.Outdent(); },
         true,
         {"file", ">open", ">recent", ">r1", ">quit", "help"},
         3},
        {"outdent in the bar",
         5,
         [](MenuBarEditor& e) { return e.Outdent(); },
         false,
         {"file", ">open", ">recent", ">>r1", ">quit", "help"},
         5},
        {"remove with what it holds",
         2,
         [](MenuBarEditor& e) {
             e.Remove();
             return true;
         },
         true,
         {"file", ">open", ">quit", "help"},
         2},
        {"remove the last",
         5,
         [](MenuBarEditor& e) {
             e.Remove();
             return true;
         },
         true,
         {"file", ">open", ">recent", ">>r1", ">quit"},
         4},
    };
    for (const Case& c : cases) {
        MenuBarEditor e(start);
        e.Select(c.current);
        EXPECT_EQ(c.op(e), c.done) << c.name;
        EXPECT_EQ(Outline(e), c.outline) << c.name;
        EXPECT_EQ(e.Current(), c.currentAfter) << c.name;
    }
}

TEST(MenuBarEditorTest, ElementsWithoutALevelKeepTheirPlaceWhenMoved) {
    // "" levels: a Menu stands in the bar, anything else in the menu above it.
    MenuBarEditor e({Element("file", "Menu", ""), Element("open", "Item", ""),
                     Element("save", "", ""), Element("edit", "Menu", "")});
    EXPECT_EQ(Outline(e), (std::vector<std::string>{"file", ">open", ">save", "edit"}));
    e.Select(2);
    e.MoveUp();
    EXPECT_EQ(Outline(e), (std::vector<std::string>{"file", ">save", ">open", "edit"}));
    EXPECT_EQ(e.Elements()[1].Level, "1");
}

TEST(MenuBarEditorTest, TheCheckNamesTheFaultyElement) {
    struct Case {
        std::vector<MenuElement> elements;
        std::string refusal;
    };
    const Case cases[] = {
        {{Element("file", "Menu", "0"), Element("open", "Item", "1")}, ""},
        {{Element("file", "Menu", "0"), Element("2open", "Item", "1")},
         "The menu element \"2open\" is not a valid Java identifier."},
        {{Element("file", "Menu", "0"), Element("file", "Item", "1")},
         "The menu element \"file\" is used by more than one element."},
        {{Element("file", "Menu", "0"), Element("button_1", "Item", "1")},
         "The menu element \"button_1\" is also the name of a component."},
        {{Element("file", "Menu", "1")},
         "The menu element \"file\" is first and must stand in the menu bar."},
        {{Element("file", "Menu", "0"), Element("deep", "Item", "2")},
         "The menu element \"deep\" is more than one level below the element before it."},
        // What generation cannot build is refused before it is kept.
        {{Element("file", "Menu", "0"), Element("open", "Widget", "1")},
         "The menu element \"open\" has the unknown type \"Widget\": use Menu, Item, Check or "
         "Separator."},
        {{Element("file", "Menu", "0"), Element("open", "Item", "100")},
         "The menu element \"open\" has the level \"100\", which is not a whole number from 0 "
         "to 99."},
    };
    for (const Case& c : cases) {
        MenuBarEditor e(c.elements);
        EXPECT_EQ(e.Check({"button_1"}), c.refusal);
    }
    MenuBarEditor e({Element("file", "Menu", "0")});
    e.CurrentElement().Shortcut = "Alt+S";
    EXPECT_EQ(e.Check({}).substr(0, 48), "The menu element \"file\" has the shortcut \"Alt+S\"");
    e.CurrentElement().Shortcut = "";
    e.CurrentElement().State = "Checked Sometimes";
    EXPECT_EQ(e.Check({}),
              "The menu element \"file\" has the unknown state \"Checked Sometimes\": "
              "use Checked, Unchecked, Enabled or Disabled.");
    e.CurrentElement().State = "";
    e.CurrentElement().Name = "";
    EXPECT_EQ(e.Check({}), "A menu element has no name.");
}

TEST(MenuBarEditorTest, TheEditedMenuBarIsSavedAsMenuElementSections) {
    testing::CoreProgram p;
    MenuBarEditor e(p.form.doc.MenuElements);
    e.Add({});
    e.CurrentElement().Label = "File";
    e.Add({});
    e.CurrentElement().Label = "Open";
    e.CurrentElement().Events = "actionPerformed()";
    e.CurrentElement().Shortcut = "Ctrl+O";
    e.CurrentElement().State = MenuStateFrom(false, false);
    EditMenuElements(p.form, e.Result());
    EXPECT_TRUE(p.form.Modified());
    EXPECT_NE(ProjectFileText(p.form.doc)
                  .find("[MenuElement2]\r\nName=menu_2\r\nLabel=Open\r\nType=Item\r\n"
                        "State=Disabled\r\nLevel=1\r\nEvents=actionPerformed()\r\n"
                        "Shortcut=Ctrl+O\r\n"),
              std::string::npos);
    // Removing every element leaves the design without a menu bar.
    EditMenuElements(p.form, {});
    EXPECT_EQ(p.form.doc.MenuElements, std::vector<MenuElement>(1));
    EXPECT_EQ(ProjectFileText(p.form.doc).find("MenuElement"), std::string::npos);
}

TEST(MenuBarEditorTest, StatesAndMethods) {
    EXPECT_EQ(MenuStateFrom(true, true), "Checked");
    EXPECT_EQ(MenuStateFrom(true, false), "Checked Disabled");
    EXPECT_EQ(MenuStateFrom(false, true), "");
    EXPECT_TRUE(MenuStateChecked("checked,disabled"));
    EXPECT_FALSE(MenuStateEnabled("checked,disabled"));
    EXPECT_FALSE(MenuStateChecked("Unchecked"));
    const EventCatalogue catalogue;
    EXPECT_EQ(MenuElementMethods(catalogue, "Item"), std::vector<std::string>{"actionPerformed()"});
    EXPECT_EQ(MenuElementMethods(catalogue, "Check"),
              (std::vector<std::string>{"actionPerformed()", "itemStateChanged()"}));
    EXPECT_TRUE(MenuElementMethods(catalogue, "Separator").empty());
}

// ---------------------------------------------------------------- preview

TEST(PreviewTest, TheSourceComesFromACopyOfTheDesign) {
    testing::CoreProgram p;
    const EventCatalogue catalogue;
    EXPECT_EQ(PreviewJava(p.form.doc, "Frame", catalogue).refusal, kNoComponentMessage);
    p.form.editor.InsertFromMenuBar("CommandButton");
    p.form.doc.MutableSlot(1).ComponentPopup = "Frame,,mouseClicked()";  // invalid: erased
    p.form.History().MarkSaved();
    const PreviewSource source = PreviewJava(p.form.doc, "JFrame", catalogue);
    ASSERT_TRUE(source.ok()) << source.refusal;
    EXPECT_EQ(source.className, "Preview");  // never saved
    EXPECT_NE(source.fileText.find("public class Preview extends JFrame"), std::string::npos);
    EXPECT_NE(source.fileText.find("\r\n"), std::string::npos);
    // The design itself is untouched.
    EXPECT_EQ(p.form.doc.FileName, "");
    EXPECT_EQ(p.form.doc.JavaClassName, "");
    EXPECT_EQ(p.form.doc.Target, "Applet");
    EXPECT_EQ(p.form.doc.Slot(1).ComponentPopup, "Frame,,mouseClicked()");
    EXPECT_FALSE(p.form.Modified());

    p.form.doc.FileName = "login";
    EXPECT_EQ(PreviewJava(p.form.doc, "Applet", catalogue).className, "login");
    for (const char* target : {"Dialog", "Panel", "JDialog", "JPanel"})
        EXPECT_NE(PreviewJava(p.form.doc, target, catalogue).refusal.find("no main method"),
                  std::string::npos);
}

}  // namespace
}  // namespace korvane
