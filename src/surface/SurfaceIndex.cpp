#include "surface/SurfaceIndex.h"

#include <algorithm>

#include "surface/PaintControl.h"

namespace korvane {
namespace {

long long CellOf(long long pixel) {
    // Rounds toward minus infinity so that negative places get their own cells.
    return pixel >= 0 ? pixel / SurfaceIndex::kCellPixels
                      : -((-pixel + SurfaceIndex::kCellPixels - 1) / SurfaceIndex::kCellPixels);
}

void EraseValue(std::vector<int>& v, int value) {
    auto it = std::find(v.begin(), v.end(), value);
    if (it == v.end()) return;
    *it = v.back();
    v.pop_back();
}

}  // namespace

void SurfaceIndex::Rebuild(const DesignDocument& doc) {
    cells_.clear();
    large_.clear();
    entries_.assign(static_cast<size_t>(doc.Objects_Count()) + 1, Entry{});
    indexed_ = 0;
    for (int i = 1; i <= doc.Objects_Count(); ++i) Insert(doc, i);
}

void SurfaceIndex::Update(const DesignDocument& doc, int slot) {
    if (slot < 1 || slot > doc.Objects_Count()) return;
    if (static_cast<size_t>(slot) >= entries_.size())
        entries_.resize(static_cast<size_t>(doc.Objects_Count()) + 1);
    Remove(slot);
    Insert(doc, slot);
}

void SurfaceIndex::Insert(const DesignDocument& doc, int slot) {
    if (!doc.IsLive(slot)) return;
    PixelRect r = BoxPixels(doc.Slot(slot));
    if (r.Empty()) return;
    Entry& e = entries_[static_cast<size_t>(slot)];
    e.present = true;
    e.cx0 = CellOf(r.left);
    e.cy0 = CellOf(r.top);
    e.cx1 = CellOf(r.Right() - 1);
    e.cy1 = CellOf(r.Bottom() - 1);
    e.large = (e.cx1 - e.cx0 + 1) * (e.cy1 - e.cy0 + 1) > kMaxCellsPerBox;
    ++indexed_;
    if (e.large) {
        large_.push_back(slot);
        return;
    }
    for (long long cy = e.cy0; cy <= e.cy1; ++cy)
        for (long long cx = e.cx0; cx <= e.cx1; ++cx) cells_[Key(cx, cy)].push_back(slot);
}

void SurfaceIndex::Remove(int slot) {
    Entry& e = entries_[static_cast<size_t>(slot)];
    if (!e.present) return;
    e.present = false;
    --indexed_;
    if (e.large) {
        EraseValue(large_, slot);
        return;
    }
    for (long long cy = e.cy0; cy <= e.cy1; ++cy) {
        for (long long cx = e.cx0; cx <= e.cx1; ++cx) {
            auto it = cells_.find(Key(cx, cy));
            if (it == cells_.end()) continue;
            EraseValue(it->second, slot);
            if (it->second.empty()) cells_.erase(it);
        }
    }
}

std::vector<int> SurfaceIndex::Candidates(const PixelRect& area) const {
    std::vector<int> found;
    if (area.Empty()) return found;
    if (seen_.size() < entries_.size()) seen_.resize(entries_.size(), 0);
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    auto take = [&](int slot) {
        unsigned& s = seen_[static_cast<size_t>(slot)];
        if (s == stamp_) return;
        s = stamp_;
        found.push_back(slot);
    };
    long long cx0 = CellOf(area.left), cy0 = CellOf(area.top);
    long long cx1 = CellOf(area.Right() - 1), cy1 = CellOf(area.Bottom() - 1);
    if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > static_cast<long long>(cells_.size())) {
        // A large area: walking the occupied cells is cheaper than walking the area's.
        for (const auto& [key, slots] : cells_)
            for (int s : slots) take(s);
    } else {
        for (long long cy = cy0; cy <= cy1; ++cy) {
            for (long long cx = cx0; cx <= cx1; ++cx) {
                auto it = cells_.find(Key(cx, cy));
                if (it == cells_.end()) continue;
                for (int s : it->second) take(s);
            }
        }
    }
    for (int s : large_) take(s);
    return found;
}

std::vector<int> SurfaceIndex::Query(const DesignDocument& doc, const PixelRect& area) const {
    std::vector<int> slots;
    for (int s : Candidates(area)) {
        if (!doc.IsLive(s)) continue;
        if (!Intersect(BoxPixels(doc.Slot(s)), area).Empty()) slots.push_back(s);
    }
    std::sort(slots.begin(), slots.end(),
              [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
    return slots;
}

std::vector<int> SurfaceIndex::QueryVisible(const DesignDocument& doc,
                                            const PixelRect& area) const {
    // Every box is opaque. Of the boxes showing the same part of the area only the front-most
    // can be seen (components inserted from the palette lie exactly on one another), and
    // nothing under a box that covers the whole area can be seen.
    struct Shown {
        PixelRect part;
        int slot;
        uint64_t z;
    };
    auto key = [](const PixelRect& r) {
        return (static_cast<uint64_t>(r.left & 0xFFFF) << 48) ^
               (static_cast<uint64_t>(r.top & 0xFFFF) << 32) ^
               (static_cast<uint64_t>(r.width & 0xFFFF) << 16) ^
               static_cast<uint64_t>(r.height & 0xFFFF);
    };
    std::unordered_map<uint64_t, std::vector<Shown>> byPart;
    uint64_t coverZ = 0;
    for (int s : Candidates(area)) {
        if (!doc.IsLive(s)) continue;
        PixelRect part = Intersect(BoxPixels(doc.Slot(s)), area);
        if (part.Empty()) continue;
        uint64_t z = doc.Slot(s).ZOrder;
        if (part == area) coverZ = std::max(coverZ, z);
        std::vector<Shown>& same = byPart[key(part)];
        auto it =
            std::find_if(same.begin(), same.end(), [&](const Shown& o) { return o.part == part; });
        if (it == same.end())
            same.push_back({part, s, z});
        else if (z > it->z)
            *it = {part, s, z};
    }
    std::vector<int> slots;
    for (const auto& [k, shown] : byPart)
        for (const Shown& o : shown)
            if (o.z >= coverZ) slots.push_back(o.slot);
    std::sort(slots.begin(), slots.end(),
              [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
    return slots;
}

int SurfaceIndex::TopAt(const DesignDocument& doc, long long x, long long y) const {
    int best = 0;
    for (int s : Candidates(PixelRect{x, y, 1, 1})) {
        if (!doc.IsLive(s) || !BoxPixels(doc.Slot(s)).Contains(x, y)) continue;
        if (best == 0 || doc.Slot(s).ZOrder > doc.Slot(best).ZOrder) best = s;
    }
    return best;
}

size_t SurfaceIndex::MemoryBytes() const {
    size_t bytes = entries_.capacity() * sizeof(Entry) + seen_.capacity() * sizeof(unsigned) +
                   large_.capacity() * sizeof(int);
    for (const auto& [key, slots] : cells_)
        bytes += sizeof(key) + 32 + slots.capacity() * sizeof(int);
    return bytes;
}

}  // namespace korvane
