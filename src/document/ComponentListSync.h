// The main window's component list kept in step with the design: one entry per live
// component, "name (Display name)", in slot order, and the entry shown as chosen.
#pragma once

#include <string>
#include <string_view>

#include "document/DesignDocument.h"
#include "document/Links.h"

namespace korvane {

class ComponentListSync {
  public:
    ComponentListSync(const DesignDocument& doc, const DocumentLinks& links)
        : doc_(doc), links_(links) {}

    void FillComponentList();
    // The entry of one slot shown again after its name or kind changed: the list as
    // FillComponentList would build it, changing one row instead of all.
    void RefreshListEntry(int index);
    // Chooses the entry of this name, as a click on it does (the inspector shows it).
    void SelectListEntry(std::string_view itemText);
    void ShowInList(int index);
    static std::string ListEntry(const ComponentRecord& r);

  private:
    const DesignDocument& doc_;
    const DocumentLinks& links_;
};

}  // namespace korvane
