// The menu bar of the generated window: the value forms of a menu element's Label, Type, State,
// Level and Shortcut, and the tree the elements make. Generation builds the menu bar from this
// tree; the menu-bar editor reads and writes the same forms.
//
// Forms (keys of the sections MenuElement1, MenuElement2, ...; words match regardless of case):
//   Label     the text shown; "" shows the element's Name.
//   Type      Menu, Item, Check or Separator (also MenuItem, CheckboxMenuItem, JMenu, JMenuItem,
//             JCheckBoxMenuItem, CheckItem, CheckBox, "-"). "" is an Item, or a Menu when the
//             element holds the elements below it.
//   State     "" or words separated by blanks, "," or "|": Checked (also On, True, 1), Unchecked
//             (Off, False, 0), Enabled, Disabled. An Item that is Checked is a Check.
//   Level     a whole number from 0 to 99: 0 stands in the menu bar, 1 in a menu of the bar, and
//             so on. Files that count from 1 work too: the smallest level of the file is the bar.
//             "" is the bar for a Menu, and for any other element one level below the nearest
//             Menu above it (the bar when there is none).
//   Shortcut  "" or Ctrl, optionally Shift, and one key, joined by "+": Ctrl+S, Ctrl+Shift+F5
//             (words in any case, "^" for Ctrl); the key is a letter, a digit, F1 to F12, Delete
//             or Insert. Ctrl is part of every shortcut, as AWT menus know no other; Alt is
//             refused. No two elements have the same shortcut.
//
// The tree: the first element stands in the bar whatever its level; every later one is at most
// one level deeper than the one before it. An element followed by a deeper one is a menu holding
// them. The bar holds only menus, so an Item standing in the bar becomes a menu of its own, or,
// when it has events (which opening a menu never fires), is held by a menu of its own. A menu
// bar holds at most kMaxMenuElements elements.
//
// This is the one reading of the menu elements: generation builds the menu bar from it, and
// the menu-bar editor shows and checks the elements by it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DesignDocument.h"

namespace korvane {

enum class MenuElementType { Menu, Item, Check, Separator };

// The deepest level a menu element can stand at.
inline constexpr int kMaxMenuLevel = 99;
// The most elements a menu bar holds: each is a field and about 60 bytes of the constructor,
// which javac takes up to 64 KB of.
inline constexpr size_t kMaxMenuElements = 1000;

struct MenuElementState {
    bool checked = false;
    bool enabled = true;
};

struct MenuShortcut {
    std::string key;  // the name after VK_ in java.awt.event.KeyEvent: "S", "7", "F5", "DELETE"
    bool shift = false;
};

// The written (canonical) forms, as the menu-bar editor saves them.
std::string_view MenuTypeText(MenuElementType type);
std::string MenuStateText(const MenuElementState& state);
std::string MenuShortcutText(const MenuShortcut& shortcut);

// Each parser returns nullopt for a value it does not accept.
// Type: nullopt for "" too (the tree decides); see ParseMenuTypeOrEmpty.
std::optional<MenuElementType> ParseMenuType(std::string_view text);
std::optional<MenuElementState> ParseMenuState(std::string_view text);
// Level: "" gives -1 (decided by the tree).
std::optional<int> ParseMenuLevel(std::string_view text);
// Shortcut: "" gives a shortcut with an empty key (none).
std::optional<MenuShortcut> ParseMenuShortcut(std::string_view text);

// One element of the menu bar as generation builds it.
struct MenuNode {
    size_t element = 0;  // index into the document's MenuElements
    MenuElementType type = MenuElementType::Item;
    std::string label;  // the text shown
    MenuElementState state;
    std::optional<MenuShortcut> shortcut;
    int parent = -1;  // index of the holding menu in MenuTree::nodes, -1 = the bar
    // An item with events standing in the bar: held by a menu of its own with its label.
    bool ownMenu = false;
};

struct MenuTree {
    std::vector<MenuNode> nodes;  // in file order; a menu comes before what it holds
    std::string error;            // why the elements make no menu bar, naming the element
    bool ok() const { return error.empty(); }
};

// The menu elements up to the first one without a name. An empty list (or a first element
// without a name) makes an empty tree: no menu bar.
MenuTree BuildMenuTree(const std::vector<MenuElement>& elements);

// Whether the design has menu elements at all (a first element with a name).
bool HasMenuElements(const std::vector<MenuElement>& elements);
// How many elements the menu bar has: those before the first one without a name.
size_t NamedMenuElementCount(const std::vector<MenuElement>& elements);

// How deep each of the named elements stands as its level reads (0 = the bar), whether or not
// the levels make a tree: the first element is in the bar, a level counts from the smallest
// level of the elements, an element without a level is in the bar when it is a Menu, and
// otherwise one below the nearest Menu above it.
std::vector<int> MenuDepths(const std::vector<MenuElement>& elements);

// Why the menu bar holds more elements than it can, naming how many, or "".
std::string MenuElementCountFault(size_t count);

}  // namespace korvane
