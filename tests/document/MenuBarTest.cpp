// The value forms of menu elements and the menu bar they make.
#include <gtest/gtest.h>

#include "document/MenuBar.h"

namespace korvane {
namespace {

TEST(MenuBarTest, ShortcutForms) {
    const struct {
        std::string text;
        std::string written;  // "" = none; "refused" = not accepted
    } cases[] = {
        {"", ""},
        {"Ctrl+S", "Ctrl+S"},
        {"ctrl+shift+f5", "Ctrl+Shift+F5"},
        {"Shift + Control + x", "Ctrl+Shift+X"},
        {"^o", "Ctrl+O"},
        {"Ctrl+7", "Ctrl+7"},
        {"Ctrl+Del", "Ctrl+Delete"},
        {"control+Insert", "Ctrl+Insert"},
        {"^F12", "Ctrl+F12"},
        // One Ctrl, at most one Shift, one key.
        {"X", "refused"},
        {"Shift+A", "refused"},
        {"Ctrl+Ctrl+S", "refused"},
        {"^Ctrl+S", "refused"},
        {"Ctrl+Shift+Shift+S", "refused"},
        {"F13", "refused"},
        {"F0", "refused"},
        {"F05", "refused"},
        {"Alt+F4", "refused"},
        {"Ctrl++S", "refused"},
        {"Ctrl+", "refused"},
        {"Ctrl+SS", "refused"},
        {"Ctrl+S+T", "refused"},
        {"\xc3\xa9", "refused"},
    };
    for (const auto& c : cases) {
        const std::optional<MenuShortcut> shortcut = ParseMenuShortcut(c.text);
        if (c.written == "refused") {
            EXPECT_FALSE(shortcut) << c.text;
            continue;
        }
        ASSERT_TRUE(shortcut) << c.text;
        EXPECT_EQ(MenuShortcutText(*shortcut), c.written) << c.text;
        // The written form reads back as the same shortcut.
        EXPECT_EQ(MenuShortcutText(*ParseMenuShortcut(MenuShortcutText(*shortcut))), c.written);
    }
}

TEST(MenuBarTest, TypeStateAndLevelForms) {
    EXPECT_EQ(ParseMenuType(" menu "), MenuElementType::Menu);
    EXPECT_EQ(ParseMenuType("JMenuItem"), MenuElementType::Item);
    EXPECT_EQ(ParseMenuType("CheckboxMenuItem"), MenuElementType::Check);
    EXPECT_EQ(ParseMenuType("-"), MenuElementType::Separator);
    EXPECT_FALSE(ParseMenuType("Button"));
    EXPECT_FALSE(ParseMenuType(""));

    const struct {
        std::string text;
        bool accepted, checked, enabled;
    } states[] = {
        {"", true, false, true},
        {"Checked", true, true, true},
        {"on, disabled", true, true, false},
        {"1|Enabled", true, true, true},
        {"Checked Unchecked", true, false, true},
        {"Grey", false, false, false},
    };
    for (const auto& s : states) {
        const std::optional<MenuElementState> state = ParseMenuState(s.text);
        ASSERT_EQ(state.has_value(), s.accepted) << s.text;
        if (!state) continue;
        EXPECT_EQ(state->checked, s.checked) << s.text;
        EXPECT_EQ(state->enabled, s.enabled) << s.text;
        EXPECT_EQ(ParseMenuState(MenuStateText(*state))->checked, s.checked);
    }

    EXPECT_EQ(ParseMenuLevel(""), -1);
    EXPECT_EQ(ParseMenuLevel(" 2 "), 2);
    EXPECT_EQ(ParseMenuLevel("99"), 99);
    EXPECT_FALSE(ParseMenuLevel("100"));
    EXPECT_FALSE(ParseMenuLevel("-1"));
    EXPECT_FALSE(ParseMenuLevel("1.5"));
}

MenuElement Element(std::string name, std::string type, std::string level, std::string label = "",
                    std::string state = "", std::string shortcut = "", std::string events = "") {
    return {std::move(name),  std::move(label),  std::move(type),    std::move(state),
            std::move(level), std::move(events), std::move(shortcut)};
}

// Each element as "<name>:<type>@<parent name>" ("-" for the bar).
std::string Shape(const std::vector<MenuElement>& elements) {
    const MenuTree tree = BuildMenuTree(elements);
    if (!tree.ok()) return "error: " + tree.error;
    std::string shape;
    for (const MenuNode& node : tree.nodes) {
        const std::string parent =
            node.parent < 0 ? "-"
                            : elements[tree.nodes[static_cast<size_t>(node.parent)].element].Name;
        shape += (shape.empty() ? "" : " ") + elements[node.element].Name + ":" +
                 std::string(MenuTypeText(node.type)) + "@" + parent;
    }
    return shape;
}

TEST(MenuBarTest, ElementsMakeATree) {
    using E = std::vector<MenuElement>;
    const struct {
        E elements;
        std::string shape;
    } cases[] = {
        {{}, ""},
        {{Element("", "Menu", "0")}, ""},
        {{Element("file", "Menu", "0"), Element("open", "Item", "1"),
          Element("recent", "Menu", "1"), Element("r1", "", "2"), Element("sep", "Separator", "1"),
          Element("auto", "Check", "1"), Element("edit", "", "0"), Element("undo", "", "1")},
         "file:Menu@- open:Item@file recent:Menu@file r1:Item@recent sep:Separator@file "
         "auto:Check@file edit:Menu@- undo:Item@edit"},
        // Files that count from 1.
        {{Element("file", "Menu", "1"), Element("open", "Item", "2")},
         "file:Menu@- open:Item@file"},
        // An item at level 1 with no menu above it stands in the bar as a menu of its own.
        {{Element("quit", "Item", "1"), Element("file", "Menu", "0"), Element("open", "", "1")},
         "quit:Menu@- file:Menu@- open:Item@file"},
        // Without levels, items go into the nearest menu above them.
        {{Element("file", "Menu", ""), Element("open", "", ""), Element("exit", "Item", ""),
          Element("help", "Menu", ""), Element("about", "", "")},
         "file:Menu@- open:Item@file exit:Item@file help:Menu@- about:Item@help"},
        // An item with events in the bar stays an item (a menu of its own holds it); a checked
        // element without a type is a check.
        {{Element("quit", "Item", "0", "", "", "", "actionPerformed()"), Element("file", "", "0"),
          Element("auto", "", "1", "", "Checked")},
         "quit:Item@- file:Menu@- auto:Check@file"},
        // An item that holds elements is a menu; a checked item is a check; an unnamed
        // element ends the list.
        {{Element("view", "Item", "0"), Element("grid", "Item", "1", "", "Checked"),
          Element("", "Item", "1"), Element("never", "Item", "1")},
         "view:Menu@- grid:Check@view"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shape(c.elements), c.shape) << c.shape;
}

TEST(MenuBarTest, ElementsThatMakeNoMenuBarAreNamed) {
    using E = std::vector<MenuElement>;
    const struct {
        E elements;
        std::string named;  // a piece of the message
    } cases[] = {
        {{Element("file", "Menu", "0"), Element("x", "Button", "1")}, "\"x\" has the unknown type"},
        {{Element("file", "Menu", "0"), Element("x", "Item", "2")}, "\"x\" is at level \"2\""},
        {{Element("file", "Menu", "0"), Element("x", "Item", "one")}, "\"x\" has the level"},
        {{Element("file", "Menu", "0"), Element("x", "Item", "1", "", "", "Alt+X")},
         "\"x\" has the shortcut \"Alt+X\""},
        {{Element("file", "Menu", "0", "", "", "Ctrl+F")}, "\"file\" is a menu and cannot have"},
        {{Element("file", "Menu", "0"), Element("x", "Item", "1", "", "Maybe")},
         "\"x\" has the unknown state"},
        {{Element("c", "Check", "0")}, "\"c\" is a Check and cannot stand in the menu bar"},
        {{Element("m", "Menu", "0"), Element("s", "Separator", "1"), Element("t", "", "2")},
         "\"s\" is a Separator and cannot hold"},
        {{Element("m", "Menu", "0"),
          Element("s", "Separator", "1", "", "", "", "actionPerformed()")},
         "\"s\" is a separator and has no events"},
    };
    for (const auto& c : cases) {
        const MenuTree tree = BuildMenuTree(c.elements);
        EXPECT_NE(tree.error.find(c.named), std::string::npos) << tree.error;
        EXPECT_TRUE(tree.nodes.empty() || !tree.ok());
    }
}

TEST(MenuBarTest, NodesCarryLabelStateAndShortcut) {
    const MenuTree tree = BuildMenuTree({Element("file", "menu", "0", "&File"),
                                         Element("save", "item", "1", "", "Disabled", "ctrl+s")});
    ASSERT_TRUE(tree.ok()) << tree.error;
    ASSERT_EQ(tree.nodes.size(), 2u);
    EXPECT_EQ(tree.nodes[0].label, "&File");
    EXPECT_EQ(tree.nodes[1].label, "save");  // no label: the name
    EXPECT_FALSE(tree.nodes[1].state.enabled);
    ASSERT_TRUE(tree.nodes[1].shortcut);
    EXPECT_EQ(tree.nodes[1].shortcut->key, "S");
    EXPECT_FALSE(tree.nodes[1].shortcut->shift);
}

}  // namespace
}  // namespace korvane
