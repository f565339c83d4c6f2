#include "mainwindow/MenuBarEditor.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "codegen/JavaText.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

constexpr int kMaxLevel = 99;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool HasWord(const std::string& state, std::string_view word) {
    const std::string lower = Lower(state);
    size_t start = 0;
    while (start <= lower.size()) {
        size_t end = lower.find_first_of(" ,|\t", start);
        if (end == std::string::npos) end = lower.size();
        if (lower.compare(start, end - start, word) == 0) return true;
        start = end + 1;
    }
    return false;
}

bool IsMenu(const MenuElement& e) {
    const std::string type = Lower(e.Type);
    return type == "menu" || type == "jmenu" || type == "submenu";
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
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

int MenuBarEditor::Depth(int index) const {
    int nearestMenu = -1;
    int depth = 0;
    for (int i = 0; i <= index && i < Count(); ++i) {
        const MenuElement& e = elements_[static_cast<size_t>(i)];
        std::optional<int> level = ToInt16(e.Level);
        if (!e.Level.empty() && level && *level >= 0) {
            depth = *level;
        } else {
            depth = IsMenu(e) ? 0 : nearestMenu + 1;
        }
        if (IsMenu(e)) nearestMenu = depth;
    }
    return depth;
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
        depth = IsMenu(elements_[static_cast<size_t>(current_)]) && at < kMaxLevel ? at + 1 : at;
    }
    e.Level = std::to_string(depth);
    const int at = current_ < 0 ? Count() : current_ + 1;
    elements_.insert(elements_.begin() + at, std::move(e));
    current_ = at;
}

void MenuBarEditor::Remove() {
    if (current_ < 0) return;
    const int depth = Depth(current_);
    int end = current_ + 1;
    while (end < Count() && Depth(end) > depth) ++end;
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
    if (depth >= kMaxLevel || depth > Depth(current_ - 1)) return false;
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
    for (int i = 0; i < Count(); ++i) {
        const MenuElement& e = elements_[static_cast<size_t>(i)];
        const std::string element = "The menu element " + Quoted(e.Name);
        if (e.Name.empty()) return "A menu element has no name.";
        if (!IsJavaIdentifier(e.Name)) return element + " is not a valid Java identifier.";
        if (!names.insert(e.Name).second) return element + " is used by more than one element.";
        if (components.count(e.Name)) return element + " is also the name of a component.";
        const int depth = Depth(i);
        if (i == 0 && depth != 0) return element + " is first and must stand in the menu bar.";
        if (i > 0 && depth > Depth(i - 1) + 1)
            return element + " is more than one level below the element before it.";
    }
    return {};
}

std::vector<std::string> MenuElementMethods(const EventCatalogue& catalogue,
                                            const std::string& type) {
    const std::string t = Lower(type);
    if (t == "separator" || t == "-") return {};
    const char* cls = t == "check" ? "CheckboxMenuItem" : t == "menu" ? "Menu" : "MenuItem";
    std::vector<std::string> methods;
    for (std::string_view m : catalogue.Methods_For_Class(cls)) methods.emplace_back(m);
    return methods;
}

std::string MenuStateFrom(bool checked, bool enabled) {
    std::string state = checked ? "Checked" : "";
    if (!enabled) state += state.empty() ? "Disabled" : " Disabled";
    return state;
}

bool MenuStateChecked(const std::string& state) {
    return HasWord(state, "checked") || HasWord(state, "on") || HasWord(state, "true") ||
           HasWord(state, "1");
}

bool MenuStateEnabled(const std::string& state) {
    return !HasWord(state, "disabled");
}

}  // namespace korvane
