#include "surface/SurfaceIndex.h"

#include <algorithm>
#include <unordered_set>

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

size_t SurfaceIndex::RectHash::operator()(const PixelRect& r) const {
    uint64_t h = static_cast<uint64_t>(r.left) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<uint64_t>(r.top) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
    h ^= static_cast<uint64_t>(r.width) + 0x85EBCA77C2B2AE63ull + (h << 6) + (h >> 2);
    h ^= static_cast<uint64_t>(r.height) + 0xC2B2AE3D27D4EB4Full + (h << 6) + (h >> 2);
    return static_cast<size_t>(h);
}

void SurfaceIndex::Rebuild(const DesignDocument& doc, const std::function<bool(int)>& indexed) {
    piles_.clear();
    freePiles_.clear();
    pileOfRect_.clear();
    cells_.clear();
    large_.clear();
    entries_.assign(static_cast<size_t>(doc.SlotCount()) + 1, Entry{});
    for (int i = 1; i <= doc.SlotCount(); ++i) {
        if (!doc.IsLive(i) || (indexed && !indexed(i))) continue;
        const PixelRect r = BoxPixels(doc.Slot(i));
        if (r.Empty()) continue;
        const int pile = PileFor(r);
        piles_[static_cast<size_t>(pile)].members.push_back(i);
        entries_[static_cast<size_t>(i)] = Entry{pile, doc.Slot(i).ZOrder};
    }
    for (Pile& p : piles_)
        std::sort(p.members.begin(), p.members.end(), [&](int a, int b) {
            return entries_[static_cast<size_t>(a)].z < entries_[static_cast<size_t>(b)].z;
        });
}

void SurfaceIndex::Update(const DesignDocument& doc, int slot) {
    if (slot < 1 || slot > doc.SlotCount()) return;
    if (static_cast<size_t>(slot) >= entries_.size())
        entries_.resize(static_cast<size_t>(doc.SlotCount()) + 1);
    Remove(slot);
    Insert(doc, slot);
}

int SurfaceIndex::PileFor(const PixelRect& rect) {
    auto [it, isNew] = pileOfRect_.try_emplace(rect, 0);
    if (!isNew) return it->second;
    int id;
    if (freePiles_.empty()) {
        id = static_cast<int>(piles_.size());
        piles_.emplace_back();
    } else {
        id = freePiles_.back();
        freePiles_.pop_back();
    }
    it->second = id;
    Pile& p = piles_[static_cast<size_t>(id)];
    p.rect = rect;
    p.members.clear();
    p.cx0 = CellOf(rect.left);
    p.cy0 = CellOf(rect.top);
    p.cx1 = CellOf(rect.Right() - 1);
    p.cy1 = CellOf(rect.Bottom() - 1);
    p.large = (p.cx1 - p.cx0 + 1) * (p.cy1 - p.cy0 + 1) > kMaxCellsPerBox;
    if (p.large) {
        large_.push_back(id);
    } else {
        for (long long cy = p.cy0; cy <= p.cy1; ++cy)
            for (long long cx = p.cx0; cx <= p.cx1; ++cx) cells_[Key(cx, cy)].push_back(id);
    }
    return id;
}

void SurfaceIndex::DropPile(int id) {
    Pile& p = piles_[static_cast<size_t>(id)];
    if (p.large) {
        EraseValue(large_, id);
    } else {
        for (long long cy = p.cy0; cy <= p.cy1; ++cy) {
            for (long long cx = p.cx0; cx <= p.cx1; ++cx) {
                auto it = cells_.find(Key(cx, cy));
                if (it == cells_.end()) continue;
                EraseValue(it->second, id);
                if (it->second.empty()) cells_.erase(it);
            }
        }
    }
    pileOfRect_.erase(p.rect);
    p.members.clear();
    p.members.shrink_to_fit();
    freePiles_.push_back(id);
}

void SurfaceIndex::Insert(const DesignDocument& doc, int slot) {
    if (!doc.IsLive(slot)) return;
    const PixelRect r = BoxPixels(doc.Slot(slot));
    if (r.Empty()) return;
    const int id = PileFor(r);
    Entry& e = entries_[static_cast<size_t>(slot)];
    e = Entry{id, doc.Slot(slot).ZOrder};
    std::vector<int>& members = piles_[static_cast<size_t>(id)].members;
    // A box moved or shown is nearly always the front-most one.
    auto at = std::upper_bound(members.begin(), members.end(), e.z, [&](uint64_t z, int other) {
        return z < entries_[static_cast<size_t>(other)].z;
    });
    members.insert(at, slot);
}

void SurfaceIndex::Remove(int slot) {
    Entry& e = entries_[static_cast<size_t>(slot)];
    if (e.pile < 0) return;
    std::vector<int>& members = piles_[static_cast<size_t>(e.pile)].members;
    auto at = std::lower_bound(members.begin(), members.end(), e.z, [&](int other, uint64_t z) {
        return entries_[static_cast<size_t>(other)].z < z;
    });
    if (at != members.end() && *at == slot) {
        members.erase(at);
    } else {
        members.erase(std::remove(members.begin(), members.end(), slot), members.end());
    }
    if (members.empty()) DropPile(e.pile);
    e.pile = -1;
}

int SurfaceIndex::Front(const DesignDocument& doc, const Pile& pile) const {
    for (auto it = pile.members.rbegin(); it != pile.members.rend(); ++it)
        if (doc.IsLive(*it)) return *it;
    return 0;
}

std::vector<int> SurfaceIndex::CandidatePiles(const PixelRect& area) const {
    std::vector<int> found;
    if (area.Empty()) return found;
    if (seen_.size() < piles_.size()) seen_.resize(piles_.size(), 0);
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    auto take = [&](int pile) {
        unsigned& s = seen_[static_cast<size_t>(pile)];
        if (s == stamp_) return;
        s = stamp_;
        found.push_back(pile);
    };
    const long long cx0 = CellOf(area.left), cy0 = CellOf(area.top);
    const long long cx1 = CellOf(area.Right() - 1), cy1 = CellOf(area.Bottom() - 1);
    if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > static_cast<long long>(cells_.size())) {
        // A large area: walking the occupied cells is cheaper than walking the area's.
        for (const auto& [key, piles] : cells_)
            for (int p : piles) take(p);
    } else {
        for (long long cy = cy0; cy <= cy1; ++cy) {
            for (long long cx = cx0; cx <= cx1; ++cx) {
                auto it = cells_.find(Key(cx, cy));
                if (it == cells_.end()) continue;
                for (int p : it->second) take(p);
            }
        }
    }
    for (int p : large_) take(p);
    return found;
}

std::vector<int> SurfaceIndex::Query(const DesignDocument& doc, const PixelRect& area) const {
    std::vector<int> slots;
    for (int id : CandidatePiles(area)) {
        const Pile& p = piles_[static_cast<size_t>(id)];
        if (Intersect(p.rect, area).Empty()) continue;
        for (int s : p.members)
            if (doc.IsLive(s)) slots.push_back(s);
    }
    std::sort(slots.begin(), slots.end(),
              [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
    return slots;
}

std::vector<int> SurfaceIndex::QueryVisible(const DesignDocument& doc,
                                            const PixelRect& area) const {
    // Every box is opaque, so of the pile fronts showing the same part of the area only the
    // front-most can be seen, and nothing behind a box covering the whole area.
    struct Shown {
        PixelRect part;
        int slot;
        uint64_t z;
    };
    std::vector<Shown> fronts;
    for (int id : CandidatePiles(area)) {
        const Pile& p = piles_[static_cast<size_t>(id)];
        const PixelRect part = Intersect(p.rect, area);
        if (part.Empty()) continue;
        if (const int s = Front(doc, p)) fronts.push_back({part, s, doc.Slot(s).ZOrder});
    }
    std::sort(fronts.begin(), fronts.end(),
              [](const Shown& a, const Shown& b) { return a.z > b.z; });
    std::vector<int> slots;
    // A large area (the first paint of a whole design) meets thousands of fronts: the parts
    // already shown are looked up, not walked.
    std::unordered_set<PixelRect, RectHash> shownParts;
    shownParts.reserve(fronts.size());
    for (const Shown& f : fronts) {
        if (shownParts.count(f.part)) continue;
        slots.push_back(f.slot);
        if (f.part == area) break;
        shownParts.insert(f.part);
    }
    std::reverse(slots.begin(), slots.end());
    return slots;
}

int SurfaceIndex::TopAt(const DesignDocument& doc, long long x, long long y) const {
    int best = 0;
    for (int id : CandidatePiles(PixelRect{x, y, 1, 1})) {
        const Pile& p = piles_[static_cast<size_t>(id)];
        if (!p.rect.Contains(x, y)) continue;
        const int s = Front(doc, p);
        if (s != 0 && (best == 0 || doc.Slot(s).ZOrder > doc.Slot(best).ZOrder)) best = s;
    }
    return best;
}

size_t SurfaceIndex::MemoryBytes() const {
    size_t bytes = entries_.capacity() * sizeof(Entry) + seen_.capacity() * sizeof(unsigned) +
                   large_.capacity() * sizeof(int) + piles_.capacity() * sizeof(Pile) +
                   pileOfRect_.size() * (sizeof(PixelRect) + 32);
    for (const Pile& p : piles_) bytes += p.members.capacity() * sizeof(int);
    for (const auto& [key, piles] : cells_)
        bytes += sizeof(key) + 32 + piles.capacity() * sizeof(int);
    return bytes;
}

}  // namespace korvane
