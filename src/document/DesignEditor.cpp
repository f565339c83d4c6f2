#include "document/DesignEditor.h"

#include <algorithm>

#include "document/ComponentKinds.h"

namespace korvane {

// ---------------------------------------------------------------- insertion and deletion

bool DesignEditor::RefuseUsedName(std::string_view itemName) {
    if (!doc_.NameUsed(itemName)) return false;
    links_.messages.Show(Warning("Name already has been used.", "Component Name"));
    return true;
}

void DesignEditor::InsertComponent(std::string_view controlType) {
    double g = doc_.GridSize;
    bool tall = IsVerticalScrollBar(controlType);
    double width = tall ? 3 * g : 9 * g;
    double height = tall ? 9 * g : 3 * g;
    std::string name = doc_.NewName(controlType);
    if (!name.empty() && !RefuseUsedName(name)) {
        if (name.find(' ') != std::string::npos) {
            links_.messages.Show(Warning("Component Name cannot have spaces.", "Component Name"));
            return;
        }
        if (doc_.LiveCount() >= kMaxSlots) {
            links_.messages.Show(Warning(
                "A design holds at most 32767 components: no more can be inserted.", "Korvane"));
            return;
        }
        if (doc_.SlotCount() >= kMaxSlotNumbers) {
            links_.messages.Show(Warning(kTooManyDeletedMessage, "Korvane"));
            return;
        }
        std::string value = IsListKind(controlType) ? "item1|item2" : name;
        int slot = AppendComponent(controlType, name, value, "", doc_.InsertX, doc_.InsertY, width,
                                   height, doc_.NewTabOrder(), "");
        DesignChange change("Insert " + name);
        change.NoteAppended(doc_, slot);
        Record(std::move(change));
    }
    if (links_.main) {
        list_.FillComponentList();
        if (doc_.SlotCount() > 0) list_.SelectListEntry(doc_.Slot(doc_.SlotCount()).ComponentName);
    }
    links_.NotifyChanged();
}

void DesignEditor::InsertFromMenuBar(std::string_view controlType) {
    doc_.InsertX = doc_.InsertY = static_cast<float>(doc_.GridSize);
    InsertComponent(controlType);
}

int DesignEditor::AppendComponent(std::string_view controlType, std::string name, std::string value,
                                  std::string events, float x, float y, double sizeX, double sizeY,
                                  std::string tabOrder, std::string popupData) {
    ComponentRecord r;
    r.ComponentType = std::string(controlType);
    r.ComponentName = std::move(name);
    r.ComponentValue = std::move(value);
    r.ComponentEvents = std::move(events);
    r.ComponentTabOrder = std::move(tabOrder);
    r.ComponentPopup = std::move(popupData);
    r.Width = static_cast<float>(sizeX);
    r.Height = static_cast<float>(sizeY);
    r.Left = x;
    r.Top = y;
    int n = doc_.AppendSlot(std::move(r));
    // Selected as a click with no palette tool armed selects: a load never inserts.
    if (n > 0) selection_.SelectSlot(n);
    return n;
}

void DesignEditor::DeleteSelection() {
    int i = doc_.ActiveSlot;
    if (i <= 0 || !doc_.IsSlot(i)) return;
    if (doc_.IsLive(i)) {
        // Every selected component goes, as one step.
        std::vector<int> slots = selection_.SelectedSlots();
        DesignChange change(slots.size() == 1
                                ? "Delete " + doc_.Slot(i).ComponentName
                                : "Delete " + std::to_string(slots.size()) + " components");
        change.SetVisible(doc_, slots, false);
        Record(std::move(change));
        selection_.Deleted();
    }
    if (links_.main) {
        list_.FillComponentList();
        links_.main->ClearInspector();
    }
    links_.NotifyChanged();
}

// ---------------------------------------------------------------- undo history

void DesignEditor::Record(DesignChange change) {
    if (!change.Empty()) links_.history->Record(std::move(change));
}

void DesignEditor::ApplyChange(DesignChange& change, bool forward) {
    doc_.MouseIsDown = false;
    const std::vector<int> before = selection_.SelectedSlots();
    change.Apply(doc_, forward);
    if (links_.main && change.ChangesList()) list_.FillComponentList();
    // The selection stays where its components still are; when none is left (or there was
    // none), what the step touched is selected, so that what came back shows.
    std::vector<int> selected;
    for (int s : before)
        if (doc_.IsLive(s)) selected.push_back(s);
    if (selected.empty()) selected = change.TouchedLive(doc_);
    int primary = 0;
    if (!selected.empty()) {
        const bool keep =
            std::binary_search(selected.begin(), selected.end(), static_cast<int>(doc_.ActiveSlot));
        primary = keep ? doc_.ActiveSlot : selected.back();
    }
    selection_.SelectSlots(selected, primary);
}

}  // namespace korvane
