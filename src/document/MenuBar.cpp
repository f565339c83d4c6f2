#include "document/MenuBar.h"

#include <algorithm>
#include <cctype>
#include <map>

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
    if (!ParseMenuLevel(element.Level))
        return ElementName(element) + " has the level " + Quoted(element.Level) +
               ", which is not a whole number from 0 to " + std::to_string(kMaxMenuLevel) + ".";
    const std::optional<MenuShortcut> shortcut = ParseMenuShortcut(element.Shortcut);
    if (!shortcut)
        return ElementName(element) + " has the shortcut " + Quoted(element.Shortcut) +
               ", which is not Ctrl, optionally Shift, and one key, such as Ctrl+S or "
               "Ctrl+Shift+F5 (the key a letter, a digit, F1 to F12, Delete or Insert).";
    out.shortcut = *shortcut;
    if (out.state.checked && out.type == MenuElementType::Item) out.type = MenuElementType::Check;
    return {};
}

// The depths of the elements as read, or why a level skips.
std::string Depths(const std::vector<MenuElement>& elements, std::vector<int>& depths) {
    depths = MenuDepths(elements);
    for (size_t i = 1; i < depths.size(); ++i)
        if (depths[i] > depths[i - 1] + 1)
            return ElementName(elements[i]) + " is at level " + Quoted(elements[i].Level) +
                   ", more than one level below the element before it.";
    return {};
}

// Why two elements share a shortcut, naming both, or "".
std::string SharedShortcut(const std::vector<MenuElement>& elements, const MenuTree& tree) {
    std::map<std::string, size_t> holder;  // shortcut text -> element
    for (const MenuNode& node : tree.nodes) {
        if (!node.shortcut || node.type == MenuElementType::Separator) continue;
        const std::string text = MenuShortcutText(*node.shortcut);
        const auto [at, added] = holder.emplace(text, node.element);
        if (!added)
            return "The menu elements " + Quoted(elements[at->second].Name) + " and " +
                   Quoted(elements[node.element].Name) + " both have the shortcut " + text +
                   ": give each its own.";
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
    bool ctrl = false;
    if (text.front() == '^') {  // the old caret form of Ctrl
        ctrl = true;
        text.remove_prefix(1);
    }
    const std::vector<std::string_view> parts = Parts(text, "+");
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string modifier = Lower(parts[i]);
        bool& seen = modifier == "shift" ? shortcut.shift : ctrl;
        // Once each; Alt, Meta, an empty part or a second key are no modifiers.
        if (seen || (modifier != "shift" && modifier != "ctrl" && modifier != "control" &&
                     modifier != "ctl"))
            return std::nullopt;
        seen = true;
    }
    shortcut.key = ShortcutKey(parts.back());
    if (!ctrl || shortcut.key.empty()) return std::nullopt;
    return shortcut;
}

bool HasMenuElements(const std::vector<MenuElement>& elements) {
    return !elements.empty() && !elements.front().Name.empty();
}

size_t NamedMenuElementCount(const std::vector<MenuElement>& elements) {
    size_t count = 0;
    while (count < elements.size() && !elements[count].Name.empty()) ++count;
    return count;
}

std::vector<int> MenuDepths(const std::vector<MenuElement>& elements) {
    const size_t count = NamedMenuElementCount(elements);
    std::vector<int> levels(count);
    int top = kMaxMenuLevel;
    for (size_t i = 0; i < count; ++i) {
        levels[i] = ParseMenuLevel(elements[i].Level).value_or(-1);
        if (levels[i] >= 0) top = std::min(top, levels[i]);
    }
    std::vector<int> depths;
    depths.reserve(count);
    int nearestMenuDepth = -1;
    for (size_t i = 0; i < count; ++i) {
        const bool menu = ParseMenuType(elements[i].Type) == MenuElementType::Menu;
        int depth = levels[i] >= 0 ? levels[i] - top : menu ? 0 : nearestMenuDepth + 1;
        if (i == 0) depth = 0;  // nothing above it to hold it
        depths.push_back(depth);
        if (menu) nearestMenuDepth = depth;
    }
    return depths;
}

std::string MenuElementCountFault(size_t count) {
    if (count <= kMaxMenuElements) return {};
    return "The menu bar has " + std::to_string(count) +
           " elements, and a menu bar holds at most " + std::to_string(kMaxMenuElements) + ".";
}

MenuTree BuildMenuTree(const std::vector<MenuElement>& elements) {
    MenuTree tree;
    const size_t count = NamedMenuElementCount(elements);
    if (tree.error = MenuElementCountFault(count); !tree.ok()) return tree;
    std::vector<ReadElement> read(count);
    for (size_t i = 0; i < count; ++i)
        if (tree.error = ReadForms(elements[i], read[i]); !tree.ok()) return tree;
    std::vector<int> depths;
    if (tree.error = Depths(elements, depths); !tree.ok()) return tree;

    std::vector<int> menuAtDepth;  // the node holding the next element of each depth
    for (size_t i = 0; i < count; ++i) {
        const int depth = depths[i];
        const bool holdsElements = i + 1 < count && depths[i + 1] > depth;
        MenuNode node;
        node.element = i;
        if (tree.error = Place(elements[i], read[i], holdsElements, depth == 0, node); !tree.ok()) {
            tree.nodes.clear();
            return tree;
        }
        menuAtDepth.resize(static_cast<size_t>(depth));
        node.parent = depth == 0 ? -1 : menuAtDepth.back();
        tree.nodes.push_back(std::move(node));
        menuAtDepth.push_back(static_cast<int>(tree.nodes.size()) - 1);
    }
    if (tree.error = SharedShortcut(elements, tree); !tree.ok()) tree.nodes.clear();
    return tree;
}

}  // namespace korvane
