#include "document/ComponentListBox.h"

namespace korvane {

std::string_view EntryName(std::string_view entry) {
    size_t blank = entry.find(' ');
    return blank == std::string_view::npos ? entry : entry.substr(0, blank);
}

void ComponentListBox::Clear() {
    items_.clear();
    firstRowOfName_.clear();
    ListIndex = -1;
    ++generation_;
}

void ComponentListBox::AddItem(std::string entry) {
    firstRowOfName_.try_emplace(std::string(EntryName(entry)), ListCount());
    items_.push_back(std::move(entry));
    ++generation_;
}

int ComponentListBox::FindName(std::string_view name) const {
    auto it = firstRowOfName_.find(std::string(name));
    return it == firstRowOfName_.end() ? -1 : it->second;
}

}  // namespace korvane
