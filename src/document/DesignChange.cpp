#include "document/DesignChange.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>

namespace korvane {
namespace {

// Whole twips well inside float's exact range: sums and differences of such values with
// whole offsets are exact, so an offset applied and taken back restores the value bit for bit.
bool ExactWhole(float v) {
    return v == std::floor(v) && std::fabs(v) < 8388608.0f;
}

bool ExactWhole(const BoxGeometry& g) {
    return ExactWhole(g.Left) && ExactWhole(g.Top) && ExactWhole(g.Width) && ExactWhole(g.Height);
}

BoxGeometry Plus(const BoxGeometry& a, const BoxGeometry& d, float sign) {
    return {a.Left + sign * d.Left, a.Top + sign * d.Top, a.Width + sign * d.Width,
            a.Height + sign * d.Height};
}

void Place(ComponentRecord& r, const BoxGeometry& g) {
    r.Left = g.Left;
    r.Top = g.Top;
    r.Width = g.Width;
    r.Height = g.Height;
}

}  // namespace

BoxGeometry GeometryOf(const ComponentRecord& r) {
    return {r.Left, r.Top, r.Width, r.Height};
}

// ---------------------------------------------------------------- settings

DocumentSettings DocumentSettings::Capture(const DesignDocument& doc) {
    DocumentSettings s;
    s.FontName = doc.FontName;
    s.FontStyle = doc.FontStyle;
    s.FontSize = doc.FontSize;
    s.WindowUnits = doc.WindowUnits;
    s.WindowWidth = doc.WindowWidth;
    s.WindowHeight = doc.WindowHeight;
    s.OuterWidth = doc.OuterWidth;
    s.OuterHeight = doc.OuterHeight;
    s.DialogParent = doc.DialogParent;
    s.MenuElements = doc.MenuElements;
    return s;
}

void DocumentSettings::Restore(DesignDocument& doc) const {
    doc.FontName = FontName;
    doc.FontStyle = FontStyle;
    doc.FontSize = FontSize;
    doc.WindowUnits = WindowUnits;
    doc.WindowWidth = WindowWidth;
    doc.WindowHeight = WindowHeight;
    doc.OuterWidth = OuterWidth;
    doc.OuterHeight = OuterHeight;
    doc.DialogParent = DialogParent;
    doc.MenuElements = MenuElements;
}

// ---------------------------------------------------------------- slot fields

const std::string& ReadSlotField(const ComponentRecord& r, SlotField field) {
    switch (field) {
        case SlotField::Name:
            return r.ComponentName;
        case SlotField::Type:
            return r.ComponentType;
        case SlotField::Value:
            return r.ComponentValue;
        case SlotField::Events:
            return r.ComponentEvents;
        case SlotField::TabOrder:
            return r.ComponentTabOrder;
        case SlotField::Popup:
            return r.ComponentPopup;
    }
    return r.ComponentName;
}

void WriteSlotField(DesignDocument& doc, int slot, SlotField field, std::string value) {
    ComponentRecord& r = doc.MutableSlot(slot);
    switch (field) {
        case SlotField::Name:
            doc.SetName(slot, std::move(value));
            return;
        case SlotField::TabOrder:
            doc.SetTabOrder(slot, std::move(value));
            return;
        case SlotField::Type:
            r.ComponentType = std::move(value);
            return;
        case SlotField::Value:
            r.ComponentValue = std::move(value);
            return;
        case SlotField::Events:
            r.ComponentEvents = std::move(value);
            return;
        case SlotField::Popup:
            r.ComponentPopup = std::move(value);
            return;
    }
}

// ---------------------------------------------------------------- building

DesignChange::DesignChange(std::string text, MergeKind merge)
    : text_(std::move(text)), merge_(merge) {}

void DesignChange::SetField(DesignDocument& doc, int slot, SlotField field, std::string value) {
    if (!doc.IsSlot(slot)) return;
    std::string before = ReadSlotField(doc.Slot(slot), field);
    if (before == value) return;
    edits_.push_back(FieldEdit{slot, field, std::move(before), value});
    WriteSlotField(doc, slot, field, std::move(value));
}

void DesignChange::SetGeometry(DesignDocument& doc, int slot, const BoxGeometry& g) {
    if (!doc.IsSlot(slot)) return;
    BoxGeometry before = GeometryOf(doc.Slot(slot));
    if (before == g) return;
    edits_.push_back(BoxEdit{slot, before, g});
    Place(doc.MutableSlot(slot), g);
}

void DesignChange::SetVisible(DesignDocument& doc, const std::vector<int>& slots, bool visible) {
    std::vector<int> changed;
    for (int s : slots)
        if (doc.IsSlot(s) && doc.Slot(s).Visible != visible) changed.push_back(s);
    if (changed.empty()) return;
    for (int s : changed) doc.SetVisible(s, visible);
    edits_.push_back(ShowEdit{std::move(changed), visible});
}

void DesignChange::SetSettings(DesignDocument& doc, const DocumentSettings& settings) {
    DocumentSettings before = DocumentSettings::Capture(doc);
    if (before == settings) return;
    settings.Restore(doc);
    edits_.push_back(SettingsEdit{std::move(before), settings});
}

void DesignChange::SetStacking(DesignDocument& doc, const std::vector<int>& slots,
                               const std::vector<uint64_t>& zOrders) {
    StackEdit edit;
    for (size_t k = 0; k < slots.size() && k < zOrders.size(); ++k) {
        const int s = slots[k];
        if (!doc.IsSlot(s) || doc.Slot(s).ZOrder == zOrders[k]) continue;
        edit.members.push_back(s);
        edit.before.push_back(doc.Slot(s).ZOrder);
        edit.after.push_back(zOrders[k]);
        doc.MutableSlot(s).ZOrder = zOrders[k];
    }
    if (!edit.members.empty()) edits_.push_back(std::move(edit));
}

int DesignChange::Append(DesignDocument& doc, ComponentRecord record) {
    int slot = doc.AppendSlot(std::move(record));
    if (slot == 0) return 0;
    // Consecutive appends are one edit.
    if (!edits_.empty()) {
        if (auto* a = std::get_if<AppendEdit>(&edits_.back()); a && a->first + a->count == slot) {
            ++a->count;
            return slot;
        }
    }
    edits_.push_back(AppendEdit{slot, {}, 1});
    return slot;
}

void DesignChange::NoteAppended(const DesignDocument& doc, int first) {
    if (first < 1 || first > doc.SlotCount()) return;
    edits_.push_back(AppendEdit{first, {}, doc.SlotCount() - first + 1});
}

void DesignChange::NoteGeometry(const DesignDocument& doc, const std::vector<int>& slots,
                                const std::vector<BoxGeometry>& before) {
    // The common offset is the first changed slot's; slots that moved by it exactly share it.
    std::optional<BoxGeometry> delta;
    OffsetEdit shared;
    std::vector<BoxEdit> own;
    for (size_t k = 0; k < slots.size() && k < before.size(); ++k) {
        int s = slots[k];
        if (!doc.IsSlot(s)) continue;
        BoxGeometry after = GeometryOf(doc.Slot(s));
        if (after == before[k]) continue;
        if (!delta) {
            BoxGeometry d = Plus(after, before[k], -1);
            if (ExactWhole(d)) delta = d;
        }
        if (delta && ExactWhole(before[k]) && ExactWhole(after) &&
            Plus(before[k], *delta, 1) == after) {
            shared.members.push_back(s);
        } else {
            own.push_back(BoxEdit{s, before[k], after});
        }
    }
    if (!shared.members.empty()) {
        shared.delta = *delta;
        edits_.push_back(std::move(shared));
    }
    for (BoxEdit& e : own) edits_.push_back(std::move(e));
}

// ---------------------------------------------------------------- applying

void DesignChange::Apply(DesignDocument& doc, bool forward) {
    auto apply = [&](Edit& edit) {
        std::visit(
            [&](auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, FieldEdit>) {
                    WriteSlotField(doc, e.slot, e.field, forward ? e.after : e.before);
                } else if constexpr (std::is_same_v<T, BoxEdit>) {
                    Place(doc.MutableSlot(e.slot), forward ? e.after : e.before);
                } else if constexpr (std::is_same_v<T, OffsetEdit>) {
                    const float sign = forward ? 1.0f : -1.0f;
                    for (int s : e.members) {
                        ComponentRecord& r = doc.MutableSlot(s);
                        Place(r, Plus(GeometryOf(r), e.delta, sign));
                    }
                } else if constexpr (std::is_same_v<T, ShowEdit>) {
                    for (int s : e.members) doc.SetVisible(s, forward ? e.visible : !e.visible);
                } else if constexpr (std::is_same_v<T, AppendEdit>) {
                    if (forward) {
                        // Back where they stood in the stacking, not on top of it.
                        for (ComponentRecord& r : e.records) {
                            const uint64_t z = r.ZOrder;
                            doc.MutableSlot(doc.AppendSlot(std::move(r))).ZOrder = z;
                        }
                        e.records.clear();
                    } else {
                        e.records.clear();
                        for (int s = e.first; s < e.first + e.count; ++s)
                            e.records.push_back(doc.Slot(s));
                        doc.RemoveLastSlots(e.count);
                    }
                } else if constexpr (std::is_same_v<T, StackEdit>) {
                    const std::vector<uint64_t>& z = forward ? e.after : e.before;
                    for (size_t k = 0; k < e.members.size(); ++k)
                        doc.MutableSlot(e.members[k]).ZOrder = z[k];
                } else {
                    static_assert(std::is_same_v<T, SettingsEdit>, "an edit kind is not applied");
                    (forward ? e.after : e.before).Restore(doc);
                }
            },
            edit);
    };
    if (forward) {
        for (Edit& e : edits_) apply(e);
    } else {
        for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) apply(*it);
    }
}

bool DesignChange::MergeFieldEdits(const DesignChange& later) {
    if (edits_.size() != later.edits_.size()) return false;
    for (size_t k = 0; k < edits_.size(); ++k) {
        auto* mine = std::get_if<FieldEdit>(&edits_[k]);
        auto* theirs = std::get_if<FieldEdit>(&later.edits_[k]);
        if (!mine || !theirs || mine->slot != theirs->slot || mine->field != theirs->field)
            return false;
    }
    for (size_t k = 0; k < edits_.size(); ++k)
        std::get<FieldEdit>(edits_[k]).after = std::get<FieldEdit>(later.edits_[k]).after;
    return true;
}

bool DesignChange::MergeWith(const DesignChange& later) {
    if (merge_ == MergeKind::None || later.merge_ != merge_) return false;
    // Typing into the value box of several selected components edits each of them.
    if (merge_ == MergeKind::ValueTyping) return MergeFieldEdits(later);
    if (edits_.size() != 1 || later.edits_.size() != 1) return false;
    if (merge_ == MergeKind::WindowSize) {
        auto* mine = std::get_if<SettingsEdit>(&edits_[0]);
        auto* theirs = std::get_if<SettingsEdit>(&later.edits_[0]);
        if (!mine || !theirs) return false;
        mine->after = theirs->after;
        return true;
    }
    auto* mine = std::get_if<OffsetEdit>(&edits_[0]);
    auto* theirs = std::get_if<OffsetEdit>(&later.edits_[0]);
    if (!mine || !theirs || mine->members != theirs->members) return false;
    mine->delta = Plus(mine->delta, theirs->delta, 1);
    return true;
}

// ---------------------------------------------------------------- questions

std::vector<int> DesignChange::TouchedLive(const DesignDocument& doc) const {
    std::vector<int> touched;
    auto add = [&](int s) {
        if (doc.IsLive(s)) touched.push_back(s);
    };
    for (const Edit& edit : edits_) {
        std::visit(
            [&](const auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, FieldEdit> || std::is_same_v<T, BoxEdit>) {
                    add(e.slot);
                } else if constexpr (std::is_same_v<T, OffsetEdit> || std::is_same_v<T, ShowEdit> ||
                                     std::is_same_v<T, StackEdit>) {
                    for (int s : e.members) add(s);
                } else if constexpr (std::is_same_v<T, AppendEdit>) {
                    for (int s = e.first; s < e.first + e.count; ++s) add(s);
                }
            },
            edit);
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    return touched;
}

bool DesignChange::ChangesList() const {
    for (const Edit& edit : edits_) {
        if (std::holds_alternative<ShowEdit>(edit) || std::holds_alternative<AppendEdit>(edit))
            return true;
        if (auto* f = std::get_if<FieldEdit>(&edit);
            f && (f->field == SlotField::Name || f->field == SlotField::Type))
            return true;
    }
    return false;
}

size_t DesignChange::Footprint() const {
    size_t bytes = sizeof(*this) + text_.capacity() + edits_.capacity() * sizeof(Edit);
    for (const Edit& edit : edits_) {
        std::visit(
            [&](const auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, FieldEdit>) {
                    bytes += e.before.capacity() + e.after.capacity();
                } else if constexpr (std::is_same_v<T, OffsetEdit> || std::is_same_v<T, ShowEdit>) {
                    bytes += e.members.capacity() * sizeof(int);
                } else if constexpr (std::is_same_v<T, StackEdit>) {
                    bytes += e.members.capacity() * sizeof(int) +
                             (e.before.capacity() + e.after.capacity()) * sizeof(uint64_t);
                } else if constexpr (std::is_same_v<T, AppendEdit>) {
                    bytes += e.records.capacity() * sizeof(ComponentRecord);
                } else if constexpr (std::is_same_v<T, SettingsEdit>) {
                    bytes += (e.before.MenuElements.size() + e.after.MenuElements.size()) *
                             sizeof(MenuElement);
                }
            },
            edit);
    }
    return bytes;
}

}  // namespace korvane
