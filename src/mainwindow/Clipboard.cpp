#include "document/Clipboard.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "document/DesignChange.h"
#include "document/DocumentController.h"
#include "document/ProjectFile.h"
#include "platform/Conversions.h"
#include "platform/ProfileFile.h"

namespace korvane {
namespace {

constexpr const char* kPasteTitle = "Paste";

}  // namespace

std::string CopyText(const DocumentController& form) {
    const std::vector<int> slots = form.selection.SelectedSlots();
    if (slots.empty()) return {};
    DesignDocument copy;
    copy.OuterWidth = form.doc.OuterWidth;
    copy.OuterHeight = form.doc.OuterHeight;
    copy.FontName = form.doc.FontName;
    copy.FontStyle = form.doc.FontStyle;
    copy.FontSize = form.doc.FontSize;
    copy.WindowUnits = form.doc.WindowUnits;
    for (int s : slots) copy.AppendSlot(form.doc.Slot(s));
    return ProjectFileText(copy);
}

int PasteText(DocumentController& form, const std::string& text, const std::string& what) {
    DesignDocument& doc = form.doc;
    LoadedProject project;
    std::string error;
    const bool read = ReadProject(ProfileReader::FromBytes(text), doc.GridSize, project, error);
    if (!read || project.components.empty()) {
        form.Messages().Show(
            Warning("The clipboard holds no Korvane components: nothing was pasted.", kPasteTitle));
        return 0;
    }
    const size_t count = project.components.size();
    if (static_cast<size_t>(doc.SlotCount()) + count > static_cast<size_t>(kMaxSlots)) {
        form.Messages().Show(Warning("A design holds at most 32767 components: the " +
                                         std::to_string(count) +
                                         " on the clipboard do not fit, and nothing was pasted.",
                                     kPasteTitle));
        return 0;
    }
    // Tab orders after the highest, in the order the components had among themselves.
    std::vector<size_t> byOrder(count);
    std::iota(byOrder.begin(), byOrder.end(), size_t{0});
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](size_t a, size_t b) {
        return TabOrderValue(project.components[a].order) <
               TabOrderValue(project.components[b].order);
    });
    const int highest = std::stoi(doc.NewTabOrder()) - 1;
    std::vector<std::string> orders(count);
    for (size_t rank = 0; rank < count; ++rank)
        orders[byOrder[rank]] = std::to_string(highest + 1 + static_cast<int>(rank));

    const float step = static_cast<float>(doc.GridSize);
    DesignChange change(count == 1 ? what + " " + project.components[0].name
                                   : what + " " + std::to_string(count) + " components");
    std::vector<int> added;
    added.reserve(count);
    for (size_t k = 0; k < count; ++k) {
        LoadedComponent& c = project.components[k];
        ComponentRecord r;
        r.ComponentType = c.type;
        r.ComponentName = doc.NameUsed(c.name) || c.name.empty() ? doc.NewName(c.type) : c.name;
        r.ComponentValue = std::move(c.value);
        r.ComponentEvents = std::move(c.events);
        r.ComponentTabOrder = std::move(orders[k]);
        r.ComponentPopup = std::move(c.popup);
        r.Left = c.x + step;
        r.Top = c.y + step;
        r.Width = static_cast<float>(c.sizeX);
        r.Height = static_cast<float>(c.sizeY);
        added.push_back(change.Append(doc, std::move(r)));
    }
    form.editor.Record(std::move(change));
    form.list.FillComponentList();
    form.selection.SelectSlots(added);
    return static_cast<int>(count);
}

}  // namespace korvane
