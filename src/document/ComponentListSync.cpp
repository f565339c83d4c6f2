#include "document/ComponentListSync.h"

#include "document/ComponentKinds.h"

namespace korvane {

std::string ComponentListSync::ListEntry(const ComponentRecord& r) {
    return r.ComponentName + " (" + DisplayNameOfType(r.ComponentType) + ")";
}

void ComponentListSync::FillComponentList() {
    if (!links_.main) return;
    ComponentListBox& list = links_.main->ComponentList();
    list.Clear();
    if (!links_.open) return;
    for (int i = 1; i <= doc_.SlotCount(); ++i)
        if (doc_.IsLive(i)) list.AddItem(ListEntry(doc_.Slot(i)), i);
}

void ComponentListSync::RefreshListEntry(int index) {
    if (!links_.main) return;
    if (!doc_.IsLive(index) || !links_.open ||
        !links_.main->ComponentList().SetItemOfSlot(index, ListEntry(doc_.Slot(index))))
        FillComponentList();
}

void ComponentListSync::SelectListEntry(std::string_view itemText) {
    if (!links_.main) return;
    ComponentListBox& list = links_.main->ComponentList();
    int row = list.FindName(itemText);
    if (row < 0) return;
    list.ListIndex = row;
    links_.main->ComponentListClicked();
}

void ComponentListSync::ShowInList(int index) {
    if (doc_.IsSlot(index)) SelectListEntry(doc_.Slot(index).ComponentName);
}

}  // namespace korvane
