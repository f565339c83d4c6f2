#include "document/DesignDocument.h"

#include <algorithm>
#include <numeric>

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
    if (Objects_Count() >= kMaxSlots) return 0;
    int n = static_cast<int>(slots_.size());
    record.Visible = true;
    record.ZOrder = ++zCounter_;
    AddName(record.ComponentName, n);
    AddLiveTab(record.ComponentTabOrder);
    ++liveCount_;
    slots_.push_back(std::move(record));
    return n;
}

void DesignDocument::SetName(int i, std::string name) {
    ComponentRecord& r = slots_.at(static_cast<size_t>(i));
    RemoveName(r.ComponentName, i);
    r.ComponentName = std::move(name);
    AddName(r.ComponentName, i);
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
    slots_.at(static_cast<size_t>(i)).ZOrder = ++zCounter_;
}

void DesignDocument::RemoveLastSlots(int count) {
    for (; count > 0 && Objects_Count() > 0; --count) {
        const int n = Objects_Count();
        const ComponentRecord& r = slots_.back();
        RemoveName(r.ComponentName, n);
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
    names_.clear();
    nameHint_.clear();
    liveTabs_.clear();
}

void DesignDocument::AddName(const std::string& name, int slot) {
    std::vector<int>& holders = names_[name];
    holders.insert(std::upper_bound(holders.begin(), holders.end(), slot), slot);
}

void DesignDocument::RemoveName(const std::string& name, int slot) {
    auto it = names_.find(name);
    if (it == names_.end()) return;
    std::vector<int>& holders = it->second;
    holders.erase(std::remove(holders.begin(), holders.end(), slot), holders.end());
    if (!holders.empty()) return;
    names_.erase(it);
    // A freed default name lowers the search start of its prefix.
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

std::string DesignDocument::Name_New(std::string_view controlType) {
    const ComponentKind* kind = FindKind(controlType);
    std::string prefix(kind ? kind->namePrefix : "new_");
    int& hint = nameHint_.try_emplace(prefix, 1).first->second;
    int n = hint;
    std::string candidate = prefix + std::to_string(n);
    while (names_.count(candidate)) candidate = prefix + std::to_string(++n);
    hint = n;
    return candidate;
}

bool DesignDocument::NameUsed(std::string_view name) const {
    return names_.count(std::string(name)) != 0;
}

int DesignDocument::SlotOfName(std::string_view name) const {
    auto it = names_.find(std::string(name));
    return it == names_.end() ? 0 : it->second.front();
}

int DesignDocument::LiveSlotOfName(std::string_view name, int except) const {
    auto it = names_.find(std::string(name));
    if (it == names_.end()) return 0;
    for (int slot : it->second)
        if (slot != except && IsLive(slot)) return slot;
    return 0;
}

std::string DesignDocument::TabOrder_New() const {
    int m = liveTabs_.empty() ? 0 : std::max(0, liveTabs_.rbegin()->first);
    return std::to_string(m + 1);
}

void Sort_Pairs(std::vector<int>& keys, std::vector<int>& values) {
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
