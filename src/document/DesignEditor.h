// The changes of the design as the user makes them: inserting and deleting components, and the
// one way every change reaches the undo history (Record) and comes back from it (ApplyChange).
#pragma once

#include <string>
#include <string_view>

#include "document/ComponentListSync.h"
#include "document/DesignChange.h"
#include "document/DesignDocument.h"
#include "document/Links.h"
#include "document/Selection.h"

namespace korvane {

class DesignEditor {
  public:
    DesignEditor(DesignDocument& doc, const DocumentLinks& links, Selection& selection,
                 ComponentListSync& list)
        : doc_(doc), links_(links), selection_(selection), list_(list) {}

    // --- insertion and deletion ---
    void InsertComponent(std::string_view controlType);
    // The menu bar's insert items: one grid step from the top-left corner.
    void InsertFromMenuBar(std::string_view controlType);
    // Appends a slot with exactly these values and selects it; returns it, 0 when full.
    int AppendComponent(std::string_view controlType, std::string name, std::string value,
                        std::string events, float x, float y, double sizeX, double sizeY,
                        std::string tabOrder, std::string popupData);
    void DeleteSelection();
    // Whether RefuseUsedName of this name is True; shows "Name already has been used." if so.
    bool RefuseUsedName(std::string_view itemName);

    // --- undo history ---
    // Hands a change already made to the history, which makes the design modified (nothing
    // happens for an empty change).
    void Record(DesignChange change);
    // Undoes (forward = false) or redoes a recorded change and shows the result: the
    // components it touched are selected, the list and the inspector follow.
    void ApplyChange(DesignChange& change, bool forward);

  private:
    DesignDocument& doc_;
    const DocumentLinks& links_;
    Selection& selection_;
    ComponentListSync& list_;
};

}  // namespace korvane
