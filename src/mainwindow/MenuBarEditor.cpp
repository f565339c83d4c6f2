#include "mainwindow/MenuBarEditor.h"

#include <algorithm>
#include <unordered_set>

#include "codegen/GenerateCode.h"
#include "platform/Text.h"

namespace korvane {
namespace {

// The end of the element's subtree: the first element after it that is not deeper.
int SubtreeEnd(const std::vector<int>& depths, int index) {
    int end = index + 1;
    while (end < static_cast<int>(depths.size()) &&
           depths[static_cast<size_t>(end)] > depths[index])
        ++end;
    return end;
}

// The element before it in its menu, or -1.
int PreviousSibling(const std::vector<int>& depths, int index) {
    for (int k = index - 1; k >= 0; --k) {
        if (depths[static_cast<size_t>(k)] == depths[static_cast<size_t>(index)]) return k;
        if (depths[static_cast<size_t>(k)] < depths[static_cast<size_t>(index)]) return -1;
    }
    return -1;
}

// The element after it in its menu, or -1.
int NextSibling(const std::vector<int>& depths, int index) {
    const int next = SubtreeEnd(depths, index);
    return next < static_cast<int>(depths.size()) &&
                   depths[static_cast<size_t>(next)] == depths[static_cast<size_t>(index)]
               ? next
               : -1;
}

std::string Named(const MenuElement& e) {
    return Quoted(e.Name);
}

}  // namespace

MenuBarEditor::MenuBarEditor(const std::vector<MenuElement>& elements) {
    elements_.assign(elements.begin(),
                     elements.begin() + static_cast<long>(NamedMenuElementCount(elements)));
    current_ = elements_.empty() ? -1 : 0;
}

void MenuBarEditor::Select(int index) {
    current_ = index >= 0 && index < Count() ? index : -1;
}

int MenuBarEditor::Depth(int index) const {
    const std::vector<int> depths = Depths();
    return index >= 0 && index < Count() ? depths[static_cast<size_t>(index)] : 0;
}

namespace {

// As generation places it: a checked item is a check item, and an item holding elements a menu.
MenuElementType TypeAt(const MenuElement& e, bool holdsElements) {
    MenuElementType type = ParseMenuType(e.Type).value_or(holdsElements ? MenuElementType::Menu
                                                                        : MenuElementType::Item);
    if (type == MenuElementType::Item && MenuStateChecked(e.State)) type = MenuElementType::Check;
    if (type == MenuElementType::Item && holdsElements) type = MenuElementType::Menu;
    return type;
}

}  // namespace

MenuElementType MenuBarEditor::TypeOf(int index) const {
    return TypeAt(elements_.at(static_cast<size_t>(index)),
                  SubtreeEnd(Depths(), index) > index + 1);
}

std::vector<MenuElementType> MenuBarEditor::Types() const {
    const std::vector<int> depths = Depths();
    std::vector<MenuElementType> types;
    types.reserve(elements_.size());
    for (size_t i = 0; i < elements_.size(); ++i)
        types.push_back(TypeAt(elements_[i], i + 1 < depths.size() && depths[i + 1] > depths[i]));
    return types;
}

std::vector<int> MenuBarEditor::PinLevels() {
    const std::vector<int> depths = Depths();
    for (int i = 0; i < Count(); ++i) SetDepth(i, depths[static_cast<size_t>(i)]);
    return depths;
}

void MenuBarEditor::SetDepth(int index, int depth) {
    elements_.at(static_cast<size_t>(index)).Level = std::to_string(depth);
}

std::string MenuBarEditor::Add(const std::vector<std::string>& taken) {
    if (elements_.size() >= kMaxMenuElements)
        return "The menu bar already holds " + std::to_string(kMaxMenuElements) +
               " elements, as many as it can.";
    std::unordered_set<std::string> used(taken.begin(), taken.end());
    for (const MenuElement& e : elements_) used.insert(e.Name);
    std::string name;
    for (int n = 1; used.count(name = "menu_" + std::to_string(n)); ++n) {
    }
    const std::vector<int> depths = PinLevels();
    MenuElement e;
    e.Name = name;
    e.Label = name;
    e.Type = elements_.empty() ? "Menu" : "Item";
    int at = Count();
    int depth = 0;
    if (current_ >= 0) {
        depth = depths[static_cast<size_t>(current_)];
        if (TypeOf(current_) == MenuElementType::Menu && depth < kMaxMenuLevel) {
            at = current_ + 1;
            ++depth;
        } else {
            at = SubtreeEnd(depths, current_);
        }
    }
    e.Level = std::to_string(depth);
    elements_.insert(elements_.begin() + at, std::move(e));
    current_ = at;
    return {};
}

void MenuBarEditor::Remove() {
    if (current_ < 0) return;
    const int end = SubtreeEnd(Depths(), current_);
    elements_.erase(elements_.begin() + current_, elements_.begin() + end);
    if (current_ >= Count()) current_ = Count() - 1;
}

bool MenuBarEditor::CanMoveUp() const {
    return current_ >= 0 && PreviousSibling(Depths(), current_) >= 0;
}

bool MenuBarEditor::CanMoveDown() const {
    return current_ >= 0 && NextSibling(Depths(), current_) >= 0;
}

bool MenuBarEditor::MoveUp() {
    if (!CanMoveUp()) return false;
    const std::vector<int> depths = PinLevels();
    const int before = PreviousSibling(depths, current_);
    const int end = SubtreeEnd(depths, current_);
    std::rotate(elements_.begin() + before, elements_.begin() + current_, elements_.begin() + end);
    current_ = before;
    return true;
}

bool MenuBarEditor::MoveDown() {
    if (!CanMoveDown()) return false;
    const std::vector<int> depths = PinLevels();
    const int after = NextSibling(depths, current_);
    const int end = SubtreeEnd(depths, after);
    std::rotate(elements_.begin() + current_, elements_.begin() + after, elements_.begin() + end);
    current_ += end - after;
    return true;
}

std::string MenuBarEditor::Indent() {
    if (current_ < 0) return {};
    const std::vector<int> depths = Depths();
    const MenuElement& moved = elements_[static_cast<size_t>(current_)];
    const int holder = PreviousSibling(depths, current_);
    if (holder < 0)
        return "The menu element " + Named(moved) + " is the first of its " +
               (depths[static_cast<size_t>(current_)] == 0 ? "menu bar" : "menu") +
               ": no element before it at its level can hold it.";
    MenuElement& into = elements_[static_cast<size_t>(holder)];
    const MenuElementType type = TypeOf(holder);
    if (type == MenuElementType::Check || type == MenuElementType::Separator)
        return "The menu element " + Named(moved) + " cannot go into " + Named(into) + ": a " +
               (type == MenuElementType::Check ? "check item" : "separator") +
               " holds no elements.";
    if (type == MenuElementType::Item && !Trimmed(into.Shortcut).empty())
        return "The menu element " + Named(moved) + " cannot go into " + Named(into) + ": " +
               Named(into) + " would become a menu, and a menu has no shortcut. Remove its " +
               "shortcut first.";
    const int end = SubtreeEnd(depths, current_);
    if (*std::max_element(depths.begin() + current_, depths.begin() + end) >= kMaxMenuLevel)
        return "The menu element " + Named(moved) + " cannot go deeper: a menu bar holds " +
               std::to_string(kMaxMenuLevel + 1) + " levels.";
    PinLevels();
    if (type == MenuElementType::Item) into.Type = "Menu";
    for (int k = current_; k < end; ++k) SetDepth(k, depths[static_cast<size_t>(k)] + 1);
    return {};
}

bool MenuBarEditor::Outdent() {
    if (current_ < 0) return false;
    const std::vector<int> depths = PinLevels();
    const int depth = depths[static_cast<size_t>(current_)];
    if (depth == 0) return false;
    int holder = current_ - 1;
    while (depths[static_cast<size_t>(holder)] >= depth) --holder;
    const int end = SubtreeEnd(depths, current_);
    const int holderEnd = SubtreeEnd(depths, holder);
    for (int k = current_; k < end; ++k) SetDepth(k, depths[static_cast<size_t>(k)] - 1);
    // After the rest of the menu it leaves, so that none of that comes into it.
    std::rotate(elements_.begin() + current_, elements_.begin() + end,
                elements_.begin() + holderEnd);
    current_ += holderEnd - end;
    return true;
}

std::string MenuBarEditor::Check(const DesignDocument& design,
                                 const EventCatalogue& catalogue) const {
    for (const MenuElement& e : elements_)
        if (e.Name.empty()) return "A menu element has no name.";
    return MenuBarRefusal(design, elements_, catalogue);
}

std::vector<std::string> MenuElementMethods(const EventCatalogue& catalogue, MenuElementType type) {
    if (type == MenuElementType::Separator || type == MenuElementType::Menu) return {};
    const char* cls = type == MenuElementType::Check ? "CheckboxMenuItem" : "MenuItem";
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
