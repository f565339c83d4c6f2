#include "document/StackOrder.h"

#include <algorithm>
#include <string>

#include "document/DesignChange.h"
#include "document/DocumentController.h"

namespace korvane {
namespace {

void ByStacking(const DesignDocument& doc, std::vector<int>& slots) {
    std::sort(slots.begin(), slots.end(),
              [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
}

// Whether a live component outside the selection stands in front of (or behind) the selected
// one furthest back (or in front).
bool SomeOtherBeyond(const DocumentController& form, bool front) {
    const std::vector<int> selected = form.selection.SelectedSlots();
    if (selected.empty()) return false;
    const DesignDocument& doc = form.doc;
    uint64_t edge = doc.Slot(selected.front()).ZOrder;
    for (int s : selected)
        edge = front ? std::min(edge, doc.Slot(s).ZOrder) : std::max(edge, doc.Slot(s).ZOrder);
    for (int i = 1; i <= doc.SlotCount(); ++i) {
        if (!doc.IsLive(i) || std::binary_search(selected.begin(), selected.end(), i)) continue;
        const uint64_t z = doc.Slot(i).ZOrder;
        if (front ? z > edge : z < edge) return true;
    }
    return false;
}

void Restack(DocumentController& form, bool front) {
    if (front ? !CanBringToFront(form) : !CanSendToBack(form)) return;
    DesignDocument& doc = form.doc;
    std::vector<int> slots = form.selection.SelectedSlots();
    ByStacking(doc, slots);
    std::vector<uint64_t> before, after;
    for (int s : slots) before.push_back(doc.Slot(s).ZOrder);
    // The document's counters give values beyond every other; the change then writes them, so
    // that it holds the values before as well.
    if (front) {
        for (int s : slots) doc.BringToFront(s);
    } else {
        for (auto it = slots.rbegin(); it != slots.rend(); ++it) doc.SendToBack(*it);
    }
    for (size_t k = 0; k < slots.size(); ++k) {
        after.push_back(doc.Slot(slots[k]).ZOrder);
        doc.MutableSlot(slots[k]).ZOrder = before[k];
    }
    const std::string what = slots.size() == 1 ? doc.Slot(slots[0]).ComponentName
                                               : std::to_string(slots.size()) + " components";
    DesignChange change((front ? "Bring to Front " : "Send to Back ") + what);
    change.SetStacking(doc, slots, after);
    form.editor.Record(std::move(change));
    form.NotifyChanged();
}

}  // namespace

std::vector<int> LiveSlotsBackToFront(const DesignDocument& doc) {
    std::vector<int> slots;
    slots.reserve(static_cast<size_t>(doc.LiveCount()));
    for (int i = 1; i <= doc.SlotCount(); ++i)
        if (doc.IsLive(i)) slots.push_back(i);
    if (!StacksInSlotOrder(doc)) ByStacking(doc, slots);
    return slots;
}

bool StacksInSlotOrder(const DesignDocument& doc) {
    bool first = true;
    uint64_t previous = 0;
    for (int i = 1; i <= doc.SlotCount(); ++i) {
        if (!doc.IsLive(i)) continue;
        if (!first && doc.Slot(i).ZOrder <= previous) return false;
        previous = doc.Slot(i).ZOrder;
        first = false;
    }
    return true;
}

void StackInFront(DesignDocument& doc, const std::vector<int>& backToFront) {
    for (int s : backToFront)
        if (doc.IsSlot(s)) doc.BringToFront(s);
}

bool CanBringToFront(const DocumentController& form) {
    return form.Loaded() && SomeOtherBeyond(form, true);
}

bool CanSendToBack(const DocumentController& form) {
    return form.Loaded() && SomeOtherBeyond(form, false);
}

void BringToFront(DocumentController& form) {
    Restack(form, true);
}

void SendToBack(DocumentController& form) {
    Restack(form, false);
}

}  // namespace korvane
