#include "mainwindow/MenuBarEditor.h"

#include <algorithm>
#include <unordered_set>

#include "codegen/JavaText.h"
#include "document/MenuBar.h"
#include "platform/Conversions.h"
#include "platform/Text.h"

namespace korvane {
namespace {

bool IsMenu(const MenuElement& e) {
    return ParseMenuType(e.Type) == MenuElementType::Menu;
}

}  // namespace

MenuBarEditor::MenuBarEditor(const std::vector<MenuElement>& elements) {
    for (const MenuElement& e : elements) {
        if (e.Name.empty()) break;
        elements_.push_back(e);
    }
    current_ = elements_.empty() ? -1 : 0;
}

void MenuBarEditor::Select(int index) {
    current_ = index >= 0 && index < Count() ? index : -1;
}

std::vector<int> MenuBarEditor::Depths(int last) const {
    std::vector<int> depths;
    int nearestMenu = -1;
    if (last < 0) last = Count() - 1;
    for (int i = 0; i <= last && i < Count(); ++i) {
        const MenuElement& e = elements_[static_cast<size_t>(i)];
        const bool menu = IsMenu(e);
        const std::optional<int> level = ParseMenuLevel(e.Level);
        int depth = level && *level >= 0 ? *level : menu ? 0 : nearestMenu + 1;
        depths.push_back(depth);
        if (menu) nearestMenu = depth;
    }
    return depths;
}

int MenuBarEditor::Depth(int index) const {
    if (index < 0) return 0;
    const std::vector<int> depths = Depths(index);
    return depths.empty() ? 0 : depths.back();
}

void MenuBarEditor::SetDepth(int index, int depth) {
    elements_.at(static_cast<size_t>(index)).Level = std::to_string(depth);
}

void MenuBarEditor::Add(const std::vector<std::string>& taken) {
    std::unordered_set<std::string> used(taken.begin(), taken.end());
    for (const MenuElement& e : elements_) used.insert(e.Name);
    std::string name;
    for (int n = 1; used.count(name = "menu_" + std::to_string(n)); ++n) {
    }
    MenuElement e;
    e.Name = name;
    e.Label = name;
    e.Type = elements_.empty() ? "Menu" : "Item";
    // After a menu the new element goes into it; after anything else beside it.
    int depth = 0;
    if (current_ >= 0) {
        const int at = Depth(current_);
        depth =
            IsMenu(elements_[static_cast<size_t>(current_)]) && at < kMaxMenuLevel ? at + 1 : at;
    }
    e.Level = std::to_string(depth);
    const int at = current_ < 0 ? Count() : current_ + 1;
    elements_.insert(elements_.begin() + at, std::move(e));
    current_ = at;
}

void MenuBarEditor::Remove() {
    if (current_ < 0) return;
    const std::vector<int> depths = Depths();
    const int depth = depths[static_cast<size_t>(current_)];
    int end = current_ + 1;
    while (end < Count() && depths[static_cast<size_t>(end)] > depth) ++end;
    elements_.erase(elements_.begin() + current_, elements_.begin() + end);
    if (current_ >= Count()) current_ = Count() - 1;
}

bool MenuBarEditor::MoveUp() {
    if (current_ <= 0) return false;
    // Levels travel explicitly, so that an element without one keeps its place in the tree.
    SetDepth(current_, Depth(current_));
    SetDepth(current_ - 1, Depth(current_ - 1));
    std::swap(elements_[static_cast<size_t>(current_)],
              elements_[static_cast<size_t>(current_ - 1)]);
    --current_;
    return true;
}

bool MenuBarEditor::MoveDown() {
    if (current_ < 0 || current_ + 1 >= Count()) return false;
    ++current_;
    if (MoveUp()) ++current_;
    return true;
}

bool MenuBarEditor::Indent() {
    if (current_ <= 0) return false;
    const int depth = Depth(current_);
    if (depth >= kMaxMenuLevel || depth > Depth(current_ - 1)) return false;
    SetDepth(current_, depth + 1);
    return true;
}

bool MenuBarEditor::Outdent() {
    if (current_ < 0) return false;
    const int depth = Depth(current_);
    if (depth == 0) return false;
    SetDepth(current_, depth - 1);
    return true;
}

std::string MenuBarEditor::Check(const std::vector<std::string>& componentNames) const {
    std::unordered_set<std::string> components(componentNames.begin(), componentNames.end());
    std::unordered_set<std::string> names;
    const std::vector<int> depths = Depths();
    for (int i = 0; i < Count(); ++i) {
        const MenuElement& e = elements_[static_cast<size_t>(i)];
        const std::string element = "The menu element " + Quoted(e.Name);
        if (e.Name.empty()) return "A menu element has no name.";
        if (!IsJavaIdentifier(e.Name)) return element + " is not a valid Java identifier.";
        if (!names.insert(e.Name).second) return element + " is used by more than one element.";
        if (components.count(e.Name)) return element + " is also the name of a component.";
        const int depth = depths[static_cast<size_t>(i)];
        if (i == 0 && depth != 0) return element + " is first and must stand in the menu bar.";
        if (i > 0 && depth > depths[static_cast<size_t>(i) - 1] + 1)
            return element + " is more than one level below the element before it.";
    }
    // What generation would refuse: types, states, levels and shortcuts in forms it does not
    // read.
    return BuildMenuTree(elements_).error;
}

std::vector<std::string> MenuElementMethods(const EventCatalogue& catalogue,
                                            const std::string& type) {
    const std::optional<MenuElementType> parsed = ParseMenuType(type);
    if (parsed == MenuElementType::Separator) return {};
    const char* cls = parsed == MenuElementType::Check  ? "CheckboxMenuItem"
                      : parsed == MenuElementType::Menu ? "Menu"
                                                        : "MenuItem";
    std::vector<std::string> methods;
    for (std::string_view m : catalogue.MethodsForClass(cls)) methods.emplace_back(m);
    return methods;
}

std::string MenuStateFrom(bool checked, bool enabled) {
    return MenuStateText(MenuElementState{checked, enabled});
}

bool MenuStateChecked(const std::string& state) {
    return ParseMenuState(state).value_or(MenuElementState{}).checked;
}

bool MenuStateEnabled(const std::string& state) {
    return ParseMenuState(state).value_or(MenuElementState{}).enabled;
}

}  // namespace korvane
