#include "document/ComponentListBox.h"

#include <algorithm>

namespace korvane {

std::string_view EntryName(std::string_view entry) {
    size_t blank = entry.find(' ');
    return blank == std::string_view::npos ? entry : entry.substr(0, blank);
}

void ComponentListBox::Clear() {
    items_.clear();
    firstRowOfName_.clear();
    rowOfSlot_.clear();
    slotOfRow_.clear();
    editedRows_.clear();
    selectedRows_.clear();
    ++selectionGeneration_;
    ListIndex = -1;
    ++generation_;
}

void ComponentListBox::AddItem(std::string entry, int slot) {
    if (slot > 0) {
        if (static_cast<size_t>(slot) >= rowOfSlot_.size())
            rowOfSlot_.resize(static_cast<size_t>(slot) + 1, -1);
        rowOfSlot_[static_cast<size_t>(slot)] = ListCount();
    }
    firstRowOfName_.try_emplace(std::string(EntryName(entry)), ListCount());
    slotOfRow_.push_back(slot > 0 ? slot : 0);
    items_.push_back(std::move(entry));
    ++generation_;
}

bool ComponentListBox::SetItemOfSlot(int slot, std::string entry) {
    if (slot <= 0 || static_cast<size_t>(slot) >= rowOfSlot_.size()) return false;
    const int row = rowOfSlot_[static_cast<size_t>(slot)];
    if (row < 0) return false;
    std::string& item = items_[static_cast<size_t>(row)];
    const std::string oldName(EntryName(item));
    item = std::move(entry);
    editedRows_.push_back(row);
    const std::string_view newName = EntryName(item);
    if (newName == oldName) return true;
    // The old name's first row moves on to its next row, if another row has that name.
    auto old = firstRowOfName_.find(oldName);
    if (old != firstRowOfName_.end() && old->second == row) {
        firstRowOfName_.erase(old);
        for (size_t r = static_cast<size_t>(row) + 1; r < items_.size(); ++r) {
            if (EntryName(items_[r]) == oldName) {
                firstRowOfName_.emplace(oldName, static_cast<int>(r));
                break;
            }
        }
    }
    auto [now, added] = firstRowOfName_.try_emplace(std::string(newName), row);
    if (!added && now->second > row) now->second = row;
    return true;
}

int ComponentListBox::SlotOfRow(int row) const {
    return row >= 0 && row < ListCount() ? slotOfRow_[static_cast<size_t>(row)] : 0;
}

int ComponentListBox::RowOfSlot(int slot) const {
    return slot > 0 && static_cast<size_t>(slot) < rowOfSlot_.size()
               ? rowOfSlot_[static_cast<size_t>(slot)]
               : -1;
}

void ComponentListBox::SetSelectedSlots(const std::vector<int>& slots) {
    selectedRows_.clear();
    if (slots.size() > 1) {
        selectedRows_.reserve(slots.size());
        for (int slot : slots)
            if (int row = RowOfSlot(slot); row >= 0) selectedRows_.push_back(row);
        std::sort(selectedRows_.begin(), selectedRows_.end());
    }
    ++selectionGeneration_;
}

int ComponentListBox::FindName(std::string_view name) const {
    auto it = firstRowOfName_.find(std::string(name));
    return it == firstRowOfName_.end() ? -1 : it->second;
}

}  // namespace korvane
