#include "document/DesignDocument.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "document/ComponentKinds.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

// The number n when name is prefix followed by the digits of n (no sign, no leading zero).
int DefaultNameNumber(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return 0;
    std::string_view digits = name.substr(prefix.size());
    if (digits[0] == '0' || digits.size() > 9) return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

int NameIndex::First(const Slots& slots, std::string_view name) const {
    const Ends* ends = ends_.Find(name, NameOf{slots});
    return ends ? static_cast<int>(ends->first) : 0;
}

void NameIndex::Add(const Slots& slots, int slot) {
    if (static_cast<size_t>(slot) >= links_.size()) links_.resize(static_cast<size_t>(slot) + 1);
    auto [ends, added] = ends_.Insert(slots[slot].ComponentName, NameOf{slots});
    const auto number = static_cast<uint32_t>(slot);
    if (added) {
        ends.first = ends.last = number;
        links_[slot] = {};
        return;
    }
    // Appended slots go last, so the walk back from the last one is usually empty.
    int previous = static_cast<int>(ends.last), next = 0;
    while (previous > slot) {
        next = previous;
        previous = links_[previous].previous;
    }
    links_[slot] = Neighbours{previous, next};
    if (previous != 0) {
        links_[previous].next = slot;
    } else {
        ends.first = number;
    }
    if (next != 0) {
        links_[next].previous = slot;
    } else {
        ends.last = number;
    }
}

bool NameIndex::Remove(const Slots& slots, int slot) {
    if (static_cast<size_t>(slot) >= links_.size()) return false;
    Ends* ends = ends_.Find(slots[slot].ComponentName, NameOf{slots});
    const Neighbours self = links_[slot];
    // A slot that is not in the index has no neighbours and is not the first of its name.
    if (!ends || (self.previous == 0 && ends->first != static_cast<uint32_t>(slot))) return false;
    if (self.previous != 0) {
        links_[self.previous].next = self.next;
    } else {
        ends->first = static_cast<uint32_t>(self.next);
    }
    if (self.next != 0) {
        links_[self.next].previous = self.previous;
    } else {
        ends->last = static_cast<uint32_t>(self.previous);
    }
    links_[slot] = {};
    if (ends->first != 0) return false;
    ends_.Erase(*ends, NameOf{slots});
    return true;
}

void NameIndex::Reserve(const Slots& slots, size_t names) {
    ends_.Reserve(names, NameOf{slots});
    links_.reserve(names + 1);
}

void NameIndex::Clear() {
    ends_.Clear();
    links_ = {};
}

void SelectionSet::Add(int slot) {
    if (slot < 0) return;
    if (static_cast<size_t>(slot) >= marks_.size()) marks_.resize(static_cast<size_t>(slot) + 1, 0);
    if (marks_[slot] != round_) ++count_;
    marks_[slot] = round_;
}

void SelectionSet::Remove(int slot) {
    if (!Contains(slot)) return;
    marks_[slot] = 0;
    --count_;
}

// Selecting one component after another clears the set each time, so clearing must not
// walk every slot.
void SelectionSet::Clear() {
    if (count_ == 0) return;
    count_ = 0;
    if (++round_ != 0) return;
    // The rounds wrapped: old marks could read as current again.
    std::fill(marks_.begin(), marks_.end(), 0);
    round_ = 1;
}

int DesignDocument::AppendSlot(ComponentRecord record) {
    if (LiveCount() >= kMaxSlots || SlotCount() >= kMaxSlotNumbers) return 0;
    int n = static_cast<int>(slots_.size());
    record.Visible = true;
    record.ZOrder = ++zFront_;
    AddLiveTab(record.ComponentTabOrder);
    ++liveCount_;
    slots_.push_back(std::move(record));
    names_.Add(slots_, n);
    return n;
}

void DesignDocument::ReserveSlots(int count) {
    if (count <= 0) return;
    const size_t wanted = std::min(slots_.size() + static_cast<size_t>(count),
                                   static_cast<size_t>(kMaxSlotNumbers) + 1);
    slots_.reserve(wanted);
    names_.Reserve(slots_, wanted);
}

void DesignDocument::SetName(int i, std::string name) {
    ComponentRecord& r = slots_.at(static_cast<size_t>(i));
    RemoveName(i);
    r.ComponentName = std::move(name);
    names_.Add(slots_, i);
}

void DesignDocument::SetTabOrder(int i, std::string tabOrder) {
    ComponentRecord& r = slots_.at(static_cast<size_t>(i));
    if (r.Visible) RemoveLiveTab(r.ComponentTabOrder);
    r.ComponentTabOrder = std::move(tabOrder);
    if (r.Visible) AddLiveTab(r.ComponentTabOrder);
}

void DesignDocument::SetVisible(int i, bool visible) {
    ComponentRecord& r = slots_.at(static_cast<size_t>(i));
    if (r.Visible == visible) return;
    r.Visible = visible;
    if (visible) {
        AddLiveTab(r.ComponentTabOrder);
        ++liveCount_;
    } else {
        RemoveLiveTab(r.ComponentTabOrder);
        --liveCount_;
    }
}

void DesignDocument::BringToFront(int i) {
    slots_.at(static_cast<size_t>(i)).ZOrder = ++zFront_;
}

void DesignDocument::SendToBack(int i) {
    slots_.at(static_cast<size_t>(i)).ZOrder = --zBack_;
}

void DesignDocument::RemoveLastSlots(int count) {
    for (; count > 0 && SlotCount() > 0; --count) {
        const int n = SlotCount();
        const ComponentRecord& r = slots_.back();
        RemoveName(n);
        if (r.Visible) {
            RemoveLiveTab(r.ComponentTabOrder);
            --liveCount_;
        }
        slots_.pop_back();
    }
}

void DesignDocument::ClearSlots() {
    Selected.Clear();
    slots_.resize(1);
    slots_.shrink_to_fit();
    liveCount_ = 0;
    names_.Clear();
    nameHint_.clear();
    liveTabs_.clear();
}

void DesignDocument::RemoveName(int slot) {
    if (!names_.Remove(slots_, slot)) return;
    // A freed default name lowers the search start of its prefix.
    const std::string& name = slots_[slot].ComponentName;
    for (auto& [prefix, hint] : nameHint_) {
        int n = DefaultNameNumber(name, prefix);
        if (n > 0 && n < hint) hint = n;
    }
}

void DesignDocument::AddLiveTab(const std::string& tab) {
    ++liveTabs_[TabOrderValue(tab)];
}

void DesignDocument::RemoveLiveTab(const std::string& tab) {
    auto it = liveTabs_.find(TabOrderValue(tab));
    if (it != liveTabs_.end() && --it->second == 0) liveTabs_.erase(it);
}

std::string DesignDocument::NewName(std::string_view controlType) {
    const ComponentKind* kind = FindKind(controlType);
    std::string prefix(kind ? kind->namePrefix : "new_");
    int& hint = nameHint_.try_emplace(prefix, 1).first->second;
    int n = hint;
    std::string candidate = prefix + std::to_string(n);
    while (names_.First(slots_, candidate) != 0) candidate = prefix + std::to_string(++n);
    hint = n;
    return candidate;
}

bool DesignDocument::NameUsed(std::string_view name) const {
    return names_.First(slots_, name) != 0;
}

int DesignDocument::SlotOfName(std::string_view name) const {
    return names_.First(slots_, name);
}

int DesignDocument::LiveSlotOfName(std::string_view name, int except) const {
    for (int slot = names_.First(slots_, name); slot != 0; slot = names_.Next(slot))
        if (slot != except && IsLive(slot)) return slot;
    return 0;
}

std::string DesignDocument::NewTabOrder() const {
    int m = liveTabs_.empty() ? 0 : std::max(0, liveTabs_.rbegin()->first);
    return std::to_string(m + 1);
}

void SortPairs(std::vector<int>& keys, std::vector<int>& values) {
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<int> k(keys.size()), v(values.size());
    for (size_t i = 0; i < order.size(); ++i) {
        k[i] = keys[order[i]];
        if (order[i] < values.size() && i < v.size()) v[i] = values[order[i]];
    }
    keys = std::move(k);
    if (values.size() == keys.size()) values = std::move(v);
}

}  // namespace korvane
