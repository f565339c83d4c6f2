#include "document/MenuBar.h"

#include <algorithm>
#include <cctype>

#include "platform/Text.h"

namespace korvane {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), FoldAsciiCase);
    return lower;
}

// The parts of text between the separator characters, blanks around them dropped; empty
// parts are kept so that "Ctrl++S" can be refused.
std::vector<std::string_view> Parts(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find_first_of(separators, start);
        parts.push_back(Trimmed(text.substr(start, end - start)));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// A key of a shortcut as KeyEvent names it, or "".
std::string ShortcutKey(std::string_view word) {
    const std::string lower = Lower(word);
    if (lower.size() == 1 && std::isalnum(static_cast<unsigned char>(lower[0])))
        return std::string(1,
                           static_cast<char>(std::toupper(static_cast<unsigned char>(lower[0]))));
    if (lower == "del" || lower == "delete") return "DELETE";
    if (lower == "ins" || lower == "insert") return "INSERT";
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
        const std::string digits = lower.substr(1);
        if (std::all_of(digits.begin(), digits.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }) &&
            digits[0] != '0') {
            const int n = std::stoi(digits);
            if (n >= 1 && n <= 12) return "F" + digits;
        }
    }
    return {};
}

std::string ElementName(const MenuElement& element) {
    return "The menu element " + Quoted(element.Name);
}

// The element's own reading of its five form keys, before the tree places it.
struct ReadElement {
    std::optional<MenuElementType> type;  // nullopt: "" (decided by the tree)
    MenuElementState state;
    int level = -1;  // -1: ""
    MenuShortcut shortcut;
};

std::string ReadForms(const MenuElement& element, ReadElement& out) {
    if (!Trimmed(element.Type).empty()) {
        out.type = ParseMenuType(element.Type);
        if (!out.type)
            return ElementName(element) + " has the unknown type " + Quoted(element.Type) +
                   ": use Menu, Item, Check or Separator.";
    }
    const std::optional<MenuElementState> state = ParseMenuState(element.State);
    if (!state)
        return ElementName(element) + " has the unknown state " + Quoted(element.State) +
               ": use Checked, Unchecked, Enabled or Disabled.";
    out.state = *state;
    const std::optional<int> level = ParseMenuLevel(element.Level);
    if (!level)
        return ElementName(element) + " has the level " + Quoted(element.Level) +
               ", which is not a whole number from 0 to " + std::to_string(kMaxMenuLevel) + ".";
    out.level = *level;
    const std::optional<MenuShortcut> shortcut = ParseMenuShortcut(element.Shortcut);
    if (!shortcut)
        return ElementName(element) + " has the shortcut " + Quoted(element.Shortcut) +
               ", which is not a key such as Ctrl+S or Ctrl+Shift+F5 (a letter, a digit, F1 "
               "to F12, Delete or Insert).";
    out.shortcut = *shortcut;
    if (out.state.checked && out.type == MenuElementType::Item) out.type = MenuElementType::Check;
    return {};
}

// The depth of each element (0 = the bar), from the levels as read.
std::string Depths(const std::vector<MenuElement>& elements, const std::vector<ReadElement>& read,
                   std::vector<int>& depths) {
    int top = kMaxMenuLevel;
    for (const ReadElement& r : read)
        if (r.level >= 0) top = std::min(top, r.level);
    int nearestMenuDepth = -1;
    for (size_t i = 0; i < read.size(); ++i) {
        const ReadElement& r = read[i];
        int depth = 0;
        if (r.level >= 0) {
            depth = r.level - top;
        } else if (r.type != MenuElementType::Menu) {
            depth = nearestMenuDepth + 1;
        }
        if (i == 0) depth = 0;  // nothing above it to hold it
        if (i > 0 && depth > depths.back() + 1)
            return ElementName(elements[i]) + " is at level " + Quoted(elements[i].Level) +
                   ", more than one level below the element before it.";
        depths.push_back(depth);
        if (r.type == MenuElementType::Menu) nearestMenuDepth = depth;
    }
    return {};
}

std::string Place(const MenuElement& element, const ReadElement& r, bool holdsElements, bool inBar,
                  MenuNode& node) {
    // An empty type is a Menu when the element holds others and an Item otherwise; a checked
    // Item is a Check (ReadForms turns a written one).
    MenuElementType type =
        r.type.value_or(holdsElements ? MenuElementType::Menu : MenuElementType::Item);
    if (!r.type && type == MenuElementType::Item && r.state.checked) type = MenuElementType::Check;
    // Only menus stand in the bar. Opening a menu fires no event, so an item there with events
    // is held by a menu of its own, from which it is chosen; any other item becomes a menu.
    const bool ownMenu = inBar && !holdsElements && type == MenuElementType::Item &&
                         !Trimmed(element.Events).empty();
    if ((holdsElements || inBar) && type == MenuElementType::Item && !ownMenu)
        type = MenuElementType::Menu;
    if (type == MenuElementType::Menu) {
        if (!r.shortcut.key.empty())
            return ElementName(element) +
                   " is a menu and cannot have a shortcut: give it to an item of the menu.";
        if (r.state.checked) return ElementName(element) + " is a menu and cannot be checked.";
    } else if (holdsElements) {
        return ElementName(element) + " is a " + std::string(MenuTypeText(type)) +
               " and cannot hold the menu elements below it.";
    } else if (inBar && !ownMenu) {
        return ElementName(element) + " is a " + std::string(MenuTypeText(type)) +
               " and cannot stand in the menu bar itself: only menus can.";
    }
    if (type == MenuElementType::Separator && !Trimmed(element.Events).empty())
        return ElementName(element) + " is a separator and has no events.";
    node.type = type;
    node.ownMenu = ownMenu;
    node.label = element.Label.empty() ? element.Name : element.Label;
    node.state = r.state;
    if (!r.shortcut.key.empty()) node.shortcut = r.shortcut;
    return {};
}

}  // namespace

std::string_view MenuTypeText(MenuElementType type) {
    switch (type) {
        case MenuElementType::Menu:
            return "Menu";
        case MenuElementType::Item:
            return "Item";
        case MenuElementType::Check:
            return "Check";
        case MenuElementType::Separator:
            return "Separator";
    }
    return "Item";
}

std::string MenuStateText(const MenuElementState& state) {
    std::string text = state.checked ? "Checked" : "";
    if (!state.enabled) text += text.empty() ? "Disabled" : " Disabled";
    return text;
}

std::string MenuShortcutText(const MenuShortcut& shortcut) {
    if (shortcut.key.empty()) return {};
    std::string key = shortcut.key;
    if (key == "DELETE") key = "Delete";
    if (key == "INSERT") key = "Insert";
    return std::string("Ctrl+") + (shortcut.shift ? "Shift+" : "") + key;
}

std::optional<MenuElementType> ParseMenuType(std::string_view text) {
    const std::string word = Lower(Trimmed(text));
    if (word == "menu" || word == "jmenu" || word == "submenu") return MenuElementType::Menu;
    if (word == "item" || word == "menuitem" || word == "jmenuitem") return MenuElementType::Item;
    if (word == "check" || word == "checkitem" || word == "checkbox" ||
        word == "checkboxmenuitem" || word == "jcheckboxmenuitem")
        return MenuElementType::Check;
    if (word == "separator" || word == "-") return MenuElementType::Separator;
    return std::nullopt;
}

std::optional<MenuElementState> ParseMenuState(std::string_view text) {
    MenuElementState state;
    if (Trimmed(text).empty()) return state;
    for (std::string_view part : Parts(text, " \t,|")) {
        const std::string word = Lower(part);
        if (word.empty()) continue;
        if (word == "checked" || word == "on" || word == "true" || word == "1") {
            state.checked = true;
        } else if (word == "unchecked" || word == "off" || word == "false" || word == "0") {
            state.checked = false;
        } else if (word == "enabled") {
            state.enabled = true;
        } else if (word == "disabled") {
            state.enabled = false;
        } else {
            return std::nullopt;
        }
    }
    return state;
}

std::optional<int> ParseMenuLevel(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) return -1;
    if (text.size() > 2 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    return std::stoi(std::string(text));
}

std::optional<MenuShortcut> ParseMenuShortcut(std::string_view text) {
    text = Trimmed(text);
    MenuShortcut shortcut;
    if (text.empty()) return shortcut;
    if (text.front() == '^') text.remove_prefix(1);  // the old caret form of Ctrl
    const std::vector<std::string_view> parts = Parts(text, "+");
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string modifier = Lower(parts[i]);
        if (modifier == "ctrl" || modifier == "control" || modifier == "ctl") continue;
        if (modifier == "shift") {
            shortcut.shift = true;
            continue;
        }
        return std::nullopt;  // Alt, Meta, an empty part or a second key
    }
    shortcut.key = ShortcutKey(parts.back());
    if (shortcut.key.empty()) return std::nullopt;
    return shortcut;
}

bool HasMenuElements(const std::vector<MenuElement>& elements) {
    return !elements.empty() && !elements.front().Name.empty();
}

MenuTree BuildMenuTree(const std::vector<MenuElement>& elements) {
    MenuTree tree;
    size_t count = 0;
    while (count < elements.size() && !elements[count].Name.empty()) ++count;
    const std::vector<MenuElement> named(elements.begin(),
                                         elements.begin() + static_cast<long>(count));
    std::vector<ReadElement> read(count);
    for (size_t i = 0; i < count; ++i)
        if (tree.error = ReadForms(named[i], read[i]); !tree.ok()) return tree;
    std::vector<int> depths;
    if (tree.error = Depths(named, read, depths); !tree.ok()) return tree;

    std::vector<int> menuAtDepth;  // the node holding the next element of each depth
    for (size_t i = 0; i < count; ++i) {
        const int depth = depths[i];
        const bool holdsElements = i + 1 < count && depths[i + 1] > depth;
        MenuNode node;
        node.element = i;
        if (tree.error = Place(named[i], read[i], holdsElements, depth == 0, node); !tree.ok())
            return tree;
        menuAtDepth.resize(static_cast<size_t>(depth));
        node.parent = depth == 0 ? -1 : menuAtDepth.back();
        tree.nodes.push_back(std::move(node));
        menuAtDepth.push_back(static_cast<int>(tree.nodes.size()) - 1);
    }
    return tree;
}

}  // namespace korvane
