// The Options dialogs' values, the menu-bar editor's operations and the preview's source.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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
#include "support/TempFolder.h"

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

TEST(MenuBarEditorTest, OperationsActOnAnElementWithWhatItHolds) {
    const std::vector<MenuElement> start = {
        Element("file", "Menu", "0"), Element("open", "Item", "1"), Element("recent", "Menu", "1"),
        Element("r1", "Item", "2"),   Element("quit", "Item", "1"), Element("help", "Menu", "0")};
    using Op = std::function<std::string(MenuBarEditor&)>;
    const Op up = [](MenuBarEditor& e) { return e.MoveUp() ? "" : "no"; };
    const Op down = [](MenuBarEditor& e) { return e.MoveDown() ? "" : "no"; };
    const Op indent = [](MenuBarEditor& e) { return e.Indent(); };
    const Op outdent = [](MenuBarEditor& e) { return e.Outdent() ? "" : "no"; };
    const Op remove = [](MenuBarEditor& e) {
        e.Remove();
        return "";
    };
    struct Case {
        const char* name;
        int current;
        Op op;
        std::string refusal;  // "" = done
        std::vector<std::string> outline;
        int currentAfter;
    };
    const std::vector<std::string> same = {"file", ">open", ">recent", ">>r1", ">quit", "help"};
    const Case cases[] = {
        {"up past a menu", 4, up, "", {"file", ">open", ">quit", ">recent", ">>r1", "help"}, 2},
        {"up, first of its menu", 1, up, "no", same, 1},
        {"down past a menu", 1, down, "", {"file", ">recent", ">>r1", ">open", ">quit", "help"}, 3},
        {"a menu down", 2, down, "", {"file", ">open", ">quit", ">recent", ">>r1", "help"}, 3},
        {"down, last of its menu", 4, down, "no", same, 4},
        {"a menu up in the bar",
         5,
         up,
         "",
         {"help", "file", ">open", ">recent", ">>r1", ">quit"},
         0},
        {"indent into a menu",
         4,
         indent,
         "",
         {"file", ">open", ">recent", ">>r1", ">>quit", "help"},
         4},
        {"indent a menu into an item",
         2,
         indent,
         "",
         {"file", ">open", ">>recent", ">>>r1", ">quit", "help"},
         2},
        {"indent the first of a menu", 3, indent,
         "The menu element \"r1\" is the first of its menu: no element before it at its level "
         "can hold it.",
         same, 3},
        {"indent the first", 0, indent,
         "The menu element \"file\" is the first of its menu bar: no element before it at its "
         "level can hold it.",
         same, 0},
        {"outdent the last of a menu",
         3,
         outdent,
         "",
         {"file", ">open", ">recent", ">r1", ">quit", "help"},
         3},
        {"outdent leaves the rest of the menu",
         1,
         outdent,
         "",
         {"file", ">recent", ">>r1", ">quit", "open", "help"},
         4},
        {"outdent in the bar", 5, outdent, "no", same, 5},
        {"remove with what it holds", 2, remove, "", {"file", ">open", ">quit", "help"}, 2},
        {"remove the last", 5, remove, "", {"file", ">open", ">recent", ">>r1", ">quit"}, 4},
    };
    for (const Case& c : cases) {
        MenuBarEditor e(start);
        e.Select(c.current);
        EXPECT_EQ(c.op(e), c.refusal) << c.name;
        EXPECT_EQ(Outline(e), c.outline) << c.name;
        EXPECT_EQ(e.Current(), c.currentAfter) << c.name;
        if (std::string(c.name) == "indent a menu into an item") {
            EXPECT_EQ(e.Elements()[1].Type, "Menu");  // shown as the menu it becomes
        }
    }
}

TEST(MenuBarEditorTest, IndentIntoWhatCannotHoldElementsSaysWhy) {
    MenuBarEditor e({Element("file", "Menu", "0"), Element("auto", "Check", "1"),
                     Element("open", "Item", "1"), Element("quit", "Item", "1")});
    e.Select(2);
    EXPECT_EQ(e.Indent(),
              "The menu element \"open\" cannot go into \"auto\": a check item holds no elements.");
    e.Select(3);
    const_cast<MenuElement&>(e.Elements()[2]).Shortcut = "Ctrl+O";
    EXPECT_EQ(e.Indent(),
              "The menu element \"quit\" cannot go into \"open\": \"open\" would become a menu, "
              "and a menu has no shortcut. Remove its shortcut first.");
    EXPECT_EQ(Outline(e), (std::vector<std::string>{"file", ">auto", ">open", ">quit"}));
}

TEST(MenuBarEditorTest, ElementsWithoutALevelKeepTheirPlaceWhenMoved) {
    // "" levels: a Menu stands in the bar, anything else in the menu above it. Files that count
    // from 1 are read alike.
    for (const char* top : {"", "1"}) {
        MenuBarEditor e({Element("file", "Menu", top), Element("open", "Item", ""),
                         Element("save", "", ""), Element("edit", "Menu", top)});
        EXPECT_EQ(Outline(e), (std::vector<std::string>{"file", ">open", ">save", "edit"}));
        e.Select(2);
        e.MoveUp();
        EXPECT_EQ(Outline(e), (std::vector<std::string>{"file", ">save", ">open", "edit"}));
        EXPECT_EQ(e.Elements()[1].Level, "1");
        EXPECT_EQ(e.Elements()[0].Level, "0");
    }
}

TEST(MenuBarEditorTest, TheThousandAndFirstElementIsRefused) {
    std::vector<MenuElement> elements = {Element("file", "Menu", "0")};
    for (size_t k = 1; k < kMaxMenuElements; ++k)
        elements.push_back(Element("item" + std::to_string(k), "Item", "1"));
    MenuBarEditor e(elements);
    EXPECT_EQ(e.Add({}), "The menu bar already holds 1000 elements, as many as it can.");
    EXPECT_EQ(e.Count(), 1000);
}

TEST(MenuBarEditorTest, AFileWithMoreElementsThanAMenuBarHoldsIsOpenedWholeWithAWarning) {
    const testing::TempFolder folder("menus");
    std::string text = "[Main]\r\nSizeX=4800\r\nSizeY=3600\r\n";
    for (size_t k = 1; k <= kMaxMenuElements + 2; ++k)
        text += "[MenuElement" + std::to_string(k) + "]\r\nName=m" + std::to_string(k) +
                "\r\nType=" + (k == 1 ? "Menu" : "Item") + "\r\nLevel=" + (k == 1 ? "0" : "1") +
                "\r\n";
    testing::TempFolder::Write(folder.Path("many.dat"), text);
    testing::CoreProgram p;
    ASSERT_TRUE(p.form.OpenPath(folder.Path("many.dat")));
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].text.substr(0, 69),
              "The menu bar has 1002 elements, and a menu bar holds at most 1000. Al");
    EXPECT_EQ(NamedMenuElementCount(p.form.doc.MenuElements), kMaxMenuElements + 2);
    EXPECT_NE(ProjectFileText(p.form.doc).find("[MenuElement1002]"), std::string::npos);
}

// One table read by both the menu-bar editor's OK and generation: each answers alike.
TEST(MenuBarReadingTest, TheEditorAndGenerationGiveOneAnswer) {
    using E = std::vector<MenuElement>;
    const auto shortcut = [](std::string name, std::string keys) {
        MenuElement e = Element(std::move(name), "Item", "1");
        e.Shortcut = std::move(keys);
        return e;
    };
    E thousandAndOne = {Element("file", "Menu", "0")};
    for (size_t k = 1; k <= kMaxMenuElements; ++k)
        thousandAndOne.push_back(Element("item" + std::to_string(k), "Item", "1"));
    const E thousand(thousandAndOne.begin(), thousandAndOne.end() - 1);
    const struct {
        const char* what;
        E elements;
        std::string refusal;  // "" = kept and generated
    } cases[] = {
        {"levels from 0", {Element("file", "Menu", "0"), Element("open", "Item", "1")}, ""},
        {"levels from 1", {Element("file", "Menu", "1"), Element("open", "Item", "2")}, ""},
        {"no levels", {Element("file", "Menu", ""), Element("open", "", "")}, ""},
        {"a level that skips",
         {Element("file", "Menu", "0"), Element("deep", "Item", "2")},
         "The menu element \"deep\" is at level \"2\", more than one level below the element "
         "before it."},
        {"an unknown type",
         {Element("file", "Menu", "0"), Element("open", "Widget", "1")},
         "The menu element \"open\" has the unknown type \"Widget\": use Menu, Item, Check or "
         "Separator."},
        {"a check item holding elements",
         {Element("file", "Menu", "0"), Element("auto", "Check", "1"), Element("x", "Item", "2")},
         "The menu element \"auto\" is a Check and cannot hold the menu elements below it."},
        {"a name Java rejects",
         {Element("file", "Menu", "0"), Element("2open", "Item", "1")},
         "The menu element name \"2open\" is not a valid Java identifier."},
        {"a class the file uses",
         {Element("file", "Menu", "0"), Element("System", "Item", "1")},
         "The menu element name \"System\" is the name of a class the generated file uses."},
        {"a class of the menu bar",
         {Element("file", "Menu", "0"), Element("KeyEvent", "Item", "1")},
         "The menu element name \"KeyEvent\" is the name of a class the generated file uses."},
        {"a name the class uses",
         {Element("file", "Menu", "0"), Element("customLayout", "Item", "1")},
         "The menu element name \"customLayout\" is also a name the generated class uses for "
         "the layout object."},
        {"a component's name",
         {Element("file", "Menu", "0"), Element("button_1", "Item", "1")},
         "The menu element name \"button_1\" is also the name of a component."},
        {"twice one name",
         {Element("file", "Menu", "0"), Element("file", "Item", "1")},
         "The menu element name \"file\" is used by more than one menu element."},
        {"a shortcut", {Element("file", "Menu", "0"), shortcut("open", "ctrl+shift+o")}, ""},
        {"the caret form of Ctrl", {Element("file", "Menu", "0"), shortcut("open", "^O")}, ""},
        {"Ctrl twice",
         {Element("file", "Menu", "0"), shortcut("save", "Ctrl+Ctrl+S")},
         "The menu element \"save\" has the shortcut \"Ctrl+Ctrl+S\", which is not Ctrl, "
         "optionally Shift, and one key, such as Ctrl+S or Ctrl+Shift+F5 (the key a letter, a "
         "digit, F1 to F12, Delete or Insert)."},
        {"Shift without Ctrl",
         {Element("file", "Menu", "0"), shortcut("all", "Shift+A")},
         "The menu element \"all\" has the shortcut \"Shift+A\", which is not Ctrl, optionally "
         "Shift, and one key, such as Ctrl+S or Ctrl+Shift+F5 (the key a letter, a digit, F1 to "
         "F12, Delete or Insert)."},
        {"one shortcut twice",
         {Element("file", "Menu", "0"), shortcut("open", "Ctrl+O"), shortcut("reopen", "^o")},
         "The menu elements \"open\" and \"reopen\" both have the shortcut Ctrl+O: give each its "
         "own."},
        {"a shortcut on a menu",
         {shortcut("file", "Ctrl+F"), Element("open", "Item", "2")},
         "The menu element \"file\" is a menu and cannot have a shortcut: give it to an item of "
         "the menu."},
        {"1,000 elements", thousand, ""},
        {"1,001 elements", thousandAndOne,
         "The menu bar has 1001 elements, and a menu bar holds at most 1000."},
    };
    const EventCatalogue catalogue;
    for (const auto& c : cases) {
        for (const char* target : {"Frame", "JFrame"}) {
            testing::CoreProgram p;
            p.form.doc.FileName = "Menus";
            p.form.doc.Target = target;
            p.form.editor.InsertFromMenuBar("CommandButton");
            MenuBarEditor editor(c.elements);
            EXPECT_EQ(editor.Check(p.form.doc, catalogue), c.refusal) << c.what;
            p.form.doc.MenuElements = c.elements;
            EXPECT_EQ(GenerateJava(p.form.doc, catalogue).refusal, c.refusal)
                << c.what << " in a " << target;
        }
    }
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
    EXPECT_EQ(MenuElementMethods(catalogue, MenuElementType::Item),
              std::vector<std::string>{"actionPerformed()"});
    EXPECT_EQ(MenuElementMethods(catalogue, MenuElementType::Check),
              (std::vector<std::string>{"actionPerformed()", "itemStateChanged()"}));
    // Opening a menu fires no action event.
    EXPECT_TRUE(MenuElementMethods(catalogue, MenuElementType::Menu).empty());
    EXPECT_TRUE(MenuElementMethods(catalogue, MenuElementType::Separator).empty());
}

// ---------------------------------------------------------------- preview

TEST(PreviewTest, TheSourceComesFromACopyOfTheDesign) {
    testing::CoreProgram p;
    const EventCatalogue catalogue;
    EXPECT_EQ(PreviewJava(p.form.doc, "Frame", catalogue).refusal, kNoComponentMessage);
    p.form.editor.InsertFromMenuBar("CommandButton");
    p.form.doc.MutableSlot(1).ComponentPopup = "Frame,,mouseClicked()";  // no binding
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
}

TEST(PreviewTest, EveryTargetRunsThroughAHostThatShowsIt) {
    testing::CoreProgram p;
    const EventCatalogue catalogue;
    p.form.editor.InsertFromMenuBar("CommandButton");
    p.form.doc.FileName = "Login";
    const struct {
        const char* target;
        std::vector<std::string> shows;  // lines of the host's main method
    } cases[] = {
        {"Applet", {"        placeFirstWindow(x, y);", "        Login.main(args);"}},
        {"JFrame", {"        placeFirstWindow(x, y);", "        Login.main(args);"}},
        {"Panel",
         {"        java.awt.Frame window = new java.awt.Frame(\"Login\");",
          "        window.add(new Login());", "        window.setLocation(x, y);"}},
        {"JPanel",
         {"        javax.swing.JFrame window = new javax.swing.JFrame(\"Login\");",
          "        window.getContentPane().add(new Login());"}},
        {"Dialog",
         {"        java.awt.Frame owner = new java.awt.Frame(\"Login (its owner)\");",
          "        Login dialog = new Login(owner, \"Login\");", "        dialog.setVisible(true);",
          "        java.lang.System.exit(0);"}},
        {"JDialog",
         {"        javax.swing.JFrame owner = new javax.swing.JFrame(\"Login (its owner)\");"}},
    };
    for (const auto& c : cases) {
        const PreviewSource source = PreviewJava(p.form.doc, c.target, catalogue);
        ASSERT_TRUE(source.ok()) << c.target << ": " << source.refusal;
        EXPECT_EQ(source.mainClass, "KorvanePreview") << c.target;
        ASSERT_EQ(source.files.size(), 1u) << c.target;
        EXPECT_EQ(source.files[0].path, "KorvanePreview.java");
        for (const std::string& line : c.shows)
            EXPECT_NE(source.files[0].text.find(line + "\n"), std::string::npos)
                << c.target << ": " << line;
    }
}

TEST(PreviewTest, WindowClassesTheDesignsFolderLacksGetStandIns) {
    const testing::TempFolder folder("preview");
    std::filesystem::create_directories(folder.dir / "app");
    testing::TempFolder::Write(folder.Path("Here.java"), "public class Here {}");
    testing::TempFolder::Write(folder.Path("app/Built.class"), "");
    testing::CoreProgram p;
    const EventCatalogue catalogue;
    const char* bindings[] = {"JFrame,Here,actionPerformed()",
                              "Frame,Missing,mouseClicked()",
                              "JDialog,app.ui.Gone,mouseClicked()",
                              "Frame,app.Built,keyTyped()",
                              "JFrame,javax.swing.JFrame,mouseClicked()",
                              "JFrame,Missing,focusLost()",
                              "Frame,Incomplete,(None)"};
    for (const char* binding : bindings) {
        p.form.editor.InsertFromMenuBar("CommandButton");
        p.form.doc.MutableSlot(p.form.doc.SlotCount()).ComponentPopup = binding;
    }
    p.form.doc.FileName = "Login";
    p.form.doc.FilePath = folder.Path("Login.dat");
    const PreviewSource source = PreviewJava(p.form.doc, "Frame", catalogue);
    ASSERT_TRUE(source.ok()) << source.refusal;
    EXPECT_EQ(source.designFolder, folder.dir.string());
    EXPECT_EQ(source.standIns, (std::vector<std::string>{"Missing", "app.ui.Gone"}));
    ASSERT_EQ(source.files.size(), 3u);
    // Opened as a Frame and as a JFrame: a JFrame, which is both.
    EXPECT_EQ(source.files[1].path, "Missing.java");
    EXPECT_NE(source.files[1].text.find("public class Missing extends javax.swing.JFrame {"),
              std::string::npos);
    EXPECT_EQ(source.files[2].path, "app/ui/Gone.java");
    EXPECT_EQ(source.files[2].text.substr(0, 17), "package app.ui;\n\n");
    EXPECT_NE(
        source.files[2].text.find("public Gone(java.awt.Frame owner, java.lang.String title)"),
        std::string::npos);
    EXPECT_NE(source.files[2].text.find("extends javax.swing.JDialog"), std::string::npos);
}

TEST(PreviewTest, ThePreviewOpensBesideTheMainWindow) {
    const ScreenRect screen{0, 0, 1920, 1080};
    const struct {
        ScreenRect main;
        int width, height;
        std::pair<int, int> place;
    } cases[] = {
        {{100, 50, 643, 447}, 336, 320, {751, 50}},      // right of it
        {{1200, 50, 643, 447}, 336, 320, {856, 50}},     // no room right: left of it
        {{300, 900, 1400, 447}, 600, 320, {1320, 760}},  // room on neither side; kept on screen
    };
    for (const auto& c : cases) EXPECT_EQ(PreviewPlace(screen, c.main, c.width, c.height), c.place);
}

}  // namespace
}  // namespace korvane
