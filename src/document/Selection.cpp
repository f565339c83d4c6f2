#include "document/Selection.h"

#include <algorithm>

#include "platform/Conversions.h"

namespace korvane {

void Selection::SelectSlot(int index) {
    if (!doc_.IsSlot(index)) return;
    if (!doc_.Selected.Contains(index)) {
        doc_.Selected.Clear();
        doc_.Selected.Add(index);
        if (links_.main) links_.main->ComponentList().SetSelectedSlots({index});
    }
    doc_.ActiveSlot = index;
    PlaceHandles();
    ShowHandles(true);
    const ComponentRecord& r = doc_.Slot(index);
    doc_.SelectedWidth = RoundToInt16Clamped(r.Width);
    doc_.SelectedHeight = RoundToInt16Clamped(r.Height);
}

std::vector<int> Selection::SelectedSlots() const {
    const int active = doc_.ActiveSlot;
    if (!doc_.IsLive(active)) return {};
    // A primary one chosen without the set (set directly) is the whole selection.
    if (!doc_.Selected.Contains(active) || doc_.Selected.Count() == 1) return {active};
    std::vector<int> slots;
    for (int i = 1; i <= doc_.SlotCount(); ++i)
        if (doc_.Selected.Contains(i) && doc_.IsLive(i)) slots.push_back(i);
    return slots;
}

void Selection::SelectSlots(const std::vector<int>& slots, int primary) {
    doc_.Selected.Clear();
    std::vector<int> live;
    live.reserve(slots.size());
    for (int s : slots)
        if (doc_.IsLive(s)) live.push_back(s);
    for (int s : live) doc_.Selected.Add(s);
    if (primary == 0) {
        for (auto it = slots.rbegin(); it != slots.rend() && primary == 0; ++it)
            if (doc_.IsLive(*it)) primary = *it;
    }
    MainWindowLink* main = links_.main;
    if (doc_.IsLive(primary)) {
        doc_.Selected.Add(primary);
        SelectSlot(primary);
        if (main) list_.ShowInList(primary);
    } else {
        doc_.ActiveSlot = 0;
        ShowHandles(false);
        if (main) {
            main->ComponentList().ListIndex = -1;
            main->ClearInspector();
        }
    }
    if (main) main->ComponentList().SetSelectedSlots(live);
    links_.NotifyChanged();
}

void Selection::ToggleSelection(int index) {
    if (!doc_.IsLive(index)) return;
    std::vector<int> slots = SelectedSlots();
    auto at = std::lower_bound(slots.begin(), slots.end(), index);
    if (at != slots.end() && *at == index) {
        slots.erase(at);
        // The primary one goes to the most recent of the others.
        int primary =
            index == doc_.ActiveSlot ? (slots.empty() ? 0 : slots.back()) : doc_.ActiveSlot;
        SelectSlots(slots, primary);
    } else {
        slots.insert(at, index);
        SelectSlots(slots, index);
    }
}

void Selection::SelectAll() {
    std::vector<int> slots;
    for (int i = 1; i <= doc_.SlotCount(); ++i)
        if (doc_.IsLive(i)) slots.push_back(i);
    int primary = doc_.IsLive(doc_.ActiveSlot) ? doc_.ActiveSlot : 0;
    SelectSlots(slots, primary);
}

void Selection::SelectNone() {
    SelectSlots({}, 0);
}

void Selection::ShowPrimary(int index) {
    doc_.ActiveSlot = index;
    PlaceHandles();
    ShowHandles(true);
}

void Selection::Deleted() {
    doc_.Selected.Clear();
}

void Selection::Reset() {
    doc_.Selected.Clear();
    doc_.ActiveSlot = 0;
    ShowHandles(false);
}

void Selection::PlaceHandles() {
    ComponentRecord none;
    const ComponentRecord& c = doc_.IsSlot(doc_.ActiveSlot) ? doc_.Slot(doc_.ActiveSlot) : none;
    auto& h = doc_.Handles;
    h[1].Left = c.Left - h[1].Width;
    h[1].Top = c.Top - h[1].Height;
    h[2].Left = c.Left + c.Width;
    h[2].Top = c.Top - h[2].Height;
    h[3].Left = c.Left - h[3].Width;
    h[3].Top = c.Top + c.Height;
    h[4].Left = c.Left + c.Width;
    h[4].Top = c.Top + c.Height;
}

void Selection::ShowHandles(bool visible) {
    for (int k = 1; k <= 4; ++k) doc_.Handles[k].Visible = visible;
}

}  // namespace korvane
