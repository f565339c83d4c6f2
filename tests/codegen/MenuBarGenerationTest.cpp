// The menu bar of a generated Frame or JFrame, its refusals, and the warning elsewhere.
#include <gtest/gtest.h>

#include "codegen/GenerationSupport.h"
#include "codegen/GenerationWarnings.h"

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;

MenuElement Element(std::string name, std::string type, std::string level, std::string label = "",
                    std::string events = "", std::string shortcut = "", std::string state = "") {
    return {std::move(name),  std::move(label),  std::move(type),    std::move(state),
            std::move(level), std::move(events), std::move(shortcut)};
}

DesignDocument MenuDesign(const std::string& target) {
    DesignDocument doc = Design("Menus", target, {{"button_1", "CommandButton", "OK"}});
    doc.MenuElements = {
        Element("mnuFile", "Menu", "0", "File"),
        Element("mnuOpen", "Item", "1", "Open...", "actionPerformed()", "Ctrl+O"),
        Element("mnuSep", "Separator", "1"),
        Element("mnuAuto", "Check", "1", "Auto \"save\"", "itemStateChanged()", "Ctrl+Shift+S",
                "Checked Disabled"),
        Element("mnuExit", "", "1", "", "actionPerformed()"),
    };
    return doc;
}

// The lines from `first` on up to the first empty line.
Lines BlockFrom(const Lines& lines, const std::string& first) {
    Lines block;
    for (int i = IndexOf(lines, first); i >= 0 && !lines[static_cast<size_t>(i)].empty(); ++i)
        block.push_back(lines[static_cast<size_t>(i)]);
    return block;
}

TEST(MenuBarGenerationTest, AnAwtFrameBuildsAndSetsItsMenuBar) {
    const Lines lines = GenerateLines(MenuDesign("Frame"));
    const int button = IndexOf(lines, "    Button button_1;");
    EXPECT_EQ(Lines(lines.begin() + button + 1, lines.begin() + button + 5),
              (Lines{"    Menu mnuFile;", "    MenuItem mnuOpen;", "    CheckboxMenuItem mnuAuto;",
                     "    MenuItem mnuExit;"}));
    EXPECT_EQ(
        BlockFrom(lines, "        setMenuBar(new MenuBar());"),
        (Lines{"        setMenuBar(new MenuBar());", "        mnuFile = new Menu(\"File\");",
               "        getMenuBar().add(mnuFile);",
               "        mnuOpen = new MenuItem(\"Open...\", new MenuShortcut(KeyEvent.VK_O));",
               "        mnuFile.add(mnuOpen);", "        mnuFile.addSeparator();",
               "        mnuAuto = new CheckboxMenuItem(\"Auto \\\"save\\\"\", true);",
               "        mnuAuto.setShortcut(new MenuShortcut(KeyEvent.VK_S, true));",
               "        mnuAuto.setEnabled(false);", "        mnuFile.add(mnuAuto);",
               "        mnuExit = new MenuItem(\"mnuExit\");", "        mnuFile.add(mnuExit);"}));
    // The fields exist before the registrations use them.
    EXPECT_LT(IndexOf(lines, "        setMenuBar(new MenuBar());"),
              IndexOf(lines, "        mnuOpen.addActionListener(new mnuOpen_AL());"));
    EXPECT_NE(IndexOf(lines, "        mnuAuto.addItemListener(new mnuAuto_IL());"), -1);
}

TEST(MenuBarGenerationTest, ASwingFrameUsesJMenusAndAccelerators) {
    const Lines lines = GenerateLines(MenuDesign("JFrame"));
    EXPECT_NE(IndexOf(lines, "    JCheckBoxMenuItem mnuAuto;"), -1);
    EXPECT_EQ(
        BlockFrom(lines, "        setJMenuBar(new JMenuBar());"),
        (Lines{"        setJMenuBar(new JMenuBar());",
               // The menus wrap into rows at the designed width, 320 pixels.
               "        getJMenuBar().setLayout(new MenusMenuBarLayout(320));",
               "        mnuFile = new JMenu(\"File\");", "        getJMenuBar().add(mnuFile);",
               "        mnuOpen = new JMenuItem(\"Open...\");",
               "        mnuOpen.setAccelerator(KeyStroke.getKeyStroke(KeyEvent.VK_O, "
               "InputEvent.CTRL_DOWN_MASK));",
               "        mnuFile.add(mnuOpen);", "        mnuFile.addSeparator();",
               "        mnuAuto = new JCheckBoxMenuItem(\"Auto \\\"save\\\"\", true);",
               "        mnuAuto.setAccelerator(KeyStroke.getKeyStroke(KeyEvent.VK_S, "
               "InputEvent.CTRL_DOWN_MASK | InputEvent.SHIFT_DOWN_MASK));",
               "        mnuAuto.setEnabled(false);", "        mnuFile.add(mnuAuto);",
               "        mnuExit = new JMenuItem(\"mnuExit\");", "        mnuFile.add(mnuExit);"}));
}

TEST(MenuBarGenerationTest, OtherTargetsWriteNoMenuBarAndSaySo) {
    for (const char* target : {"Applet", "Dialog", "Panel", "JApplet", "JDialog", "JPanel"}) {
        DesignDocument doc = MenuDesign(target);
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        ASSERT_TRUE(generated.ok()) << target;
        EXPECT_EQ(IndexOf(generated.lines, "    MenuItem mnuOpen;"), -1) << target;
        const std::string warnings = WarningsMessage(generated.warnings);
        EXPECT_NE(warnings.find("menu bar, which only the Frame and JFrame targets generate"),
                  std::string::npos)
            << target;
    }
    // A design without menu elements says nothing of them.
    DesignDocument plain = Design("Menus", "Panel", {{"b", "CommandButton", "OK"}});
    EXPECT_TRUE(GenerateJava(plain, Catalogue()).warnings.empty());
}

TEST(MenuBarGenerationTest, RefusalsNameTheElement) {
    const struct {
        const char* what;
        std::vector<MenuElement> elements;
        std::string named;
    } cases[] = {
        {"an unknown type", {Element("m", "Menu", "0"), Element("x", "Spinner", "1")}, "\"x\""},
        {"a level that skips", {Element("m", "Menu", "0"), Element("x", "Item", "2")}, "\"x\""},
        {"a bad shortcut",
         {Element("m", "Menu", "0"), Element("x", "Item", "1", "", "", "Alt+F4")},
         "\"x\""},
        {"a name Java rejects",
         {Element("m", "Menu", "0"), Element("x-y", "Item", "1")},
         "\"x-y\""},
        {"a component's name", {Element("button_1", "Menu", "0")}, "\"button_1\""},
        {"a class the bar uses", {Element("MenuBar", "Menu", "0")}, "\"MenuBar\""},
        {"twice the same name", {Element("m", "Menu", "0"), Element("m", "Item", "1")}, "\"m\""},
    };
    for (const auto& c : cases) {
        DesignDocument doc = Design("Menus", "JFrame", {{"button_1", "CommandButton", "OK"}});
        doc.MenuElements = c.elements;
        EXPECT_NE(Refusal(doc).find(c.named), std::string::npos) << c.what << ": " << Refusal(doc);
        // Where no menu bar is written, nothing of it is refused.
        doc.Target = "JPanel";
        EXPECT_EQ(Refusal(doc), "") << c.what;
    }
}

}  // namespace
}  // namespace korvane::testing
