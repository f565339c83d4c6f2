// What is selected in the design, owned in one place: the primary component (ActiveSlot), the
// others selected with it (Selected), the rows of the main window's component list that show
// them, and the four handles round the primary one. The document holds these for the painter
// and the handlers to read; every change of them goes through here, so they never disagree.
#pragma once

#include <vector>

#include "document/ComponentListSync.h"
#include "document/DesignDocument.h"
#include "document/Links.h"

namespace korvane {

class Selection {
  public:
    Selection(DesignDocument& doc, const DocumentLinks& links, ComponentListSync& list)
        : doc_(doc), links_(links), list_(list) {}

    // Steps of selecting a box once no palette tool intercepts: active, handles (a click does
    // not restack: the stacking is part of the design).
    // A box that is already one of several selected becomes the primary one; any other box
    // becomes the only one selected.
    void SelectSlot(int index);
    // The live selected components in slot order (the primary one included).
    std::vector<int> SelectedSlots() const;
    // Selects exactly these (the live ones among them) with `primary` as the primary one (0:
    // the last of them), and shows the primary one in the list and the inspector.
    void SelectSlots(const std::vector<int>& slots, int primary = 0);
    // Ctrl+click: adds a box to the selection or takes it out.
    void ToggleSelection(int index);
    void SelectAll();
    void SelectNone();
    // A box just moved or placed becomes the primary one, its handles round it; the others
    // selected stay selected.
    void ShowPrimary(int index);
    // The selected components were deleted: none is selected now, but the primary one is kept,
    // so that undoing the deletion makes it the primary one again.
    void Deleted();
    // Nothing selected and no handles, as the design is emptied (the list and the inspector
    // are emptied with it).
    void Reset();

    // The handles round the primary box; hidden while a box is dragged.
    void PlaceHandles();
    void ShowHandles(bool visible);

  private:
    DesignDocument& doc_;
    const DocumentLinks& links_;
    ComponentListSync& list_;
};

}  // namespace korvane
