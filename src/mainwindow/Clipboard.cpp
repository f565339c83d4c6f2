#include "mainwindow/Clipboard.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "codegen/JavaText.h"
#include "document/ComponentKinds.h"
#include "document/DesignChange.h"
#include "document/DocumentController.h"
#include "document/ProjectFile.h"
#include "document/StackOrder.h"
#include "platform/Conversions.h"
#include "platform/ProfileFile.h"

namespace korvane {
namespace {

constexpr const char* kPasteTitle = "Paste";
constexpr float kOnePixel = 15;  // twips

std::string Count(size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Tab orders after the highest, in the order the components had among themselves.
std::vector<std::string> FollowingTabOrders(const DesignDocument& doc,
                                            const std::vector<LoadedComponent>& components) {
    std::vector<size_t> byOrder(components.size());
    std::iota(byOrder.begin(), byOrder.end(), size_t{0});
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](size_t a, size_t b) {
        return TabOrderValue(components[a].order) < TabOrderValue(components[b].order);
    });
    const int highest = std::stoi(doc.NewTabOrder()) - 1;
    std::vector<std::string> orders(components.size());
    for (size_t rank = 0; rank < components.size(); ++rank)
        orders[byOrder[rank]] = std::to_string(highest + 1 + static_cast<int>(rank));
    return orders;
}

// The offset that takes the group of boxes where the paste puts it: to the point or the steps
// away, then back inside the designed window as far as it fits (its left and top edges first).
void PlaceGroup(const DesignDocument& doc, std::vector<ComponentRecord>& boxes,
                const PastePlace& place) {
    if (boxes.empty()) return;
    float left = boxes[0].Left, top = boxes[0].Top, right = left, bottom = top;
    for (const ComponentRecord& r : boxes) {
        left = std::min(left, r.Left);
        top = std::min(top, r.Top);
        right = std::max(right, r.Left + r.Width);
        bottom = std::max(bottom, r.Top + r.Height);
    }
    const float step = static_cast<float>(doc.GridSize) * static_cast<float>(place.steps);
    float dx = place.atPoint ? place.x - left : step;
    float dy = place.atPoint ? place.y - top : step;
    const float width = static_cast<float>(doc.OuterWidth - kFrameWidth - kDesignMargin);
    const float height = static_cast<float>(doc.OuterHeight - kFrameHeight - kDesignMargin);
    dx = std::max(std::min(dx, width - right), -left);
    dy = std::max(std::min(dy, height - bottom), -top);
    // Whole twips, as everything placed with the mouse or the keys is.
    dx = std::round(dx);
    dy = std::round(dy);
    for (ComponentRecord& r : boxes) {
        r.Left += dx;
        r.Top += dy;
    }
}

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
    // Each copy keeps its original's stacking value, so the text keeps their order.
    for (int s : slots)
        copy.MutableSlot(copy.AppendSlot(form.doc.Slot(s))).ZOrder = form.doc.Slot(s).ZOrder;
    return ProjectFileText(copy);
}

int PasteText(DocumentController& form, const std::string& text, const std::string& what,
              PastePlace place) {
    DesignDocument& doc = form.doc;
    LoadedProject project;
    std::string error;
    if (!ReadProject(ProfileReader::FromBytes(text), doc.GridSize, project, error)) {
        form.Messages().Show(Warning("The clipboard holds more than " + std::to_string(kMaxSlots) +
                                         " components, more than a design can hold: nothing "
                                         "was pasted.",
                                     kPasteTitle));
        return 0;
    }
    // Kinds Korvane does not know are left out, as the inspector offers none.
    std::vector<size_t> kept;
    for (size_t k = 0; k < project.components.size(); ++k)
        if (FindKind(project.components[k].type)) kept.push_back(k);
    const size_t unknown = project.components.size() - kept.size();
    if (kept.empty()) {
        form.Messages().Show(Warning(
            unknown == 0 ? "The clipboard holds no Korvane components: nothing was pasted."
                         : "The clipboard holds only components of kinds Korvane does not know: "
                           "nothing was pasted.",
            kPasteTitle));
        return 0;
    }
    const size_t count = kept.size();
    if (static_cast<size_t>(doc.LiveCount()) + count > static_cast<size_t>(kMaxSlots)) {
        form.Messages().Show(
            Warning("A design holds at most 32767 components: the " + std::to_string(count) +
                        " on the clipboard do not fit beside the " +
                        std::to_string(doc.LiveCount()) + " in the design, and nothing was pasted.",
                    kPasteTitle));
        return 0;
    }
    if (doc.SlotCount() + static_cast<long long>(count) > kMaxSlotNumbers) {
        form.Messages().Show(Warning(kTooManyDeletedMessage, kPasteTitle));
        return 0;
    }
    std::vector<LoadedComponent> components;
    components.reserve(count);
    for (size_t k : kept) components.push_back(std::move(project.components[k]));
    std::vector<std::string> orders = FollowingTabOrders(doc, components);

    std::vector<ComponentRecord> records;
    records.reserve(count);
    size_t renamed = 0, resized = 0;
    for (size_t k = 0; k < count; ++k) {
        ComponentRecord r = RecordOf(std::move(components[k]));
        r.ComponentTabOrder = std::move(orders[k]);
        const float grid = static_cast<float>(doc.GridSize);
        if (r.Width < kOnePixel || r.Height < kOnePixel) ++resized;
        if (r.Width < kOnePixel) r.Width = grid;
        if (r.Height < kOnePixel) r.Height = grid;
        records.push_back(std::move(r));
    }
    PlaceGroup(doc, records, place);

    DesignChange change(count == 1 ? what + " " + records[0].ComponentName
                                   : what + " " + std::to_string(count) + " components");
    std::vector<int> added;
    added.reserve(count);
    for (ComponentRecord& r : records) {
        // Checked against what the design holds by now, the pasted ones before it included. A
        // copy pasted beside its original takes a new name as a matter of course; only a name
        // Java would refuse is worth a word.
        const bool usable = IsJavaIdentifier(r.ComponentName);
        if (!usable || doc.LiveSlotOfName(r.ComponentName) != 0)
            r.ComponentName = doc.NewName(r.ComponentType);
        if (!usable) ++renamed;
        added.push_back(change.Append(doc, std::move(r)));
    }
    // In front of the others, stacked among themselves as they were.
    std::vector<int> backToFront;
    for (size_t k : project.stackOrder) {
        const auto at = std::lower_bound(kept.begin(), kept.end(), k);
        if (at != kept.end() && *at == k) backToFront.push_back(added[at - kept.begin()]);
    }
    StackInFront(doc, backToFront);
    form.editor.Record(std::move(change));
    form.list.FillComponentList();
    form.selection.SelectSlots(added);

    std::vector<std::string> notes;
    if (unknown > 0)
        notes.push_back(Count(unknown, "component of a kind Korvane does not know was",
                              "components of kinds Korvane does not know were") +
                        " left out.");
    if (renamed > 0)
        notes.push_back(Count(renamed, "component", "components") +
                        " got a new name: Java takes no such name.");
    if (resized > 0)
        notes.push_back(Count(resized, "component", "components") +
                        " smaller than a pixel got the size of a grid step.");
    if (!notes.empty()) {
        std::string message = "Pasted " + Count(count, "component", "components") + ".";
        for (const std::string& note : notes) message += "\n" + note;
        form.Messages().Show(Warning(message, kPasteTitle));
    }
    return static_cast<int>(count);
}

}  // namespace korvane
