// The component list of the main window: one entry per live component,
// "name (Display name)", and the selected row.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class ComponentListBox {
  public:
    void Clear();
    // Appends the row of a component's slot (0 for a row that shows no slot).
    void AddItem(std::string entry, int slot = 0);
    // Replaces the text of the row showing the slot; false when no row shows it.
    bool SetItemOfSlot(int slot, std::string entry);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int row) const { return items_.at(static_cast<size_t>(row)); }
    const std::vector<std::string>& Items() const { return items_; }
    // The first row whose text before its first blank is exactly this name, or -1.
    int FindName(std::string_view name) const;

    int ListIndex = -1;  // -1 = no selection (the primary selected row otherwise)
    // The slot a row shows (0 for a row that shows none), and the row showing a slot (-1).
    int SlotOfRow(int row) const;
    int RowOfSlot(int slot) const;
    // Every selected component's row, ascending, besides ListIndex; empty when only ListIndex
    // is selected.  Set from the components' slots; slots without a row are left out.
    void SetSelectedSlots(const std::vector<int>& slots);
    const std::vector<int>& SelectedRows() const { return selectedRows_; }
    // Counts selection changes, so a view can tell when to show the selection again.
    unsigned SelectionGeneration() const { return selectionGeneration_; }
    // Counts rebuilds, so a view can tell when to refill itself.
    unsigned Generation() const { return generation_; }
    // The rows given a new text since the last rebuild, oldest first, so a view can show
    // them again without refilling.
    const std::vector<int>& EditedRows() const { return editedRows_; }

  private:
    std::vector<std::string> items_;
    std::unordered_map<std::string, int> firstRowOfName_;
    std::vector<int> rowOfSlot_;  // -1: the slot has no row
    std::vector<int> slotOfRow_;
    std::vector<int> selectedRows_;
    unsigned selectionGeneration_ = 0;
    std::vector<int> editedRows_;
    unsigned generation_ = 0;
};

// The name part of an entry: its text before the first blank.
std::string_view EntryName(std::string_view entry);

}  // namespace korvane
