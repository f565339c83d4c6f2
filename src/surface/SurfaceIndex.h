// An index of the component boxes by their place on the surface, so that finding what is
// under a point or shows in a small rectangle walks neither every slot nor a stack of boxes.
//
// Boxes with the same pixel rectangle form one pile, kept in z-order: only its front-most box
// can be seen, whatever lies under it (components inserted from the palette land exactly on
// one another). Piles are bucketed in square cells of pixels; a pile spanning very many cells
// is kept in a short list of large piles instead.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"

namespace korvane {

class SurfaceIndex {
  public:
    static constexpr long long kCellPixels = 64;
    static constexpr long long kMaxCellsPerBox = 256;

    // Indexes every live slot afresh, or only those that `indexed` holds for.
    void Rebuild(const DesignDocument& doc, const std::function<bool(int)>& indexed = {});
    // Brings one slot's entry in step with its box: moved, resized, shown, hidden or brought
    // to the front.
    void Update(const DesignDocument& doc, int slot);
    // The live slots whose boxes meet the rectangle, front-most last.
    std::vector<int> Query(const DesignDocument& doc, const PixelRect& area) const;
    // What has to be painted there, front-most last: the front-most box of each pile that
    // meets the rectangle, without those hidden under a box covering the whole rectangle or
    // under one showing exactly the same part of it.
    std::vector<int> QueryVisible(const DesignDocument& doc, const PixelRect& area) const;
    // The front-most live slot whose box holds the pixel, or 0.
    int TopAt(const DesignDocument& doc, long long x, long long y) const;
    // Approximate bytes held by the index.
    size_t MemoryBytes() const;

  private:
    struct Pile {
        PixelRect rect;
        std::vector<int> members;  // by the z-order they were indexed with, front-most last
        bool large = false;
        long long cx0 = 0, cy0 = 0, cx1 = 0, cy1 = 0;  // cell range, inclusive
    };
    struct Entry {
        int pile = -1;   // -1: not indexed
        uint64_t z = 0;  // the z-order the slot was indexed with
    };
    struct RectHash {
        size_t operator()(const PixelRect& r) const;
    };
    static long long Key(long long cx, long long cy) { return (cx << 32) ^ (cy & 0xFFFFFFFF); }

    // The pile of a rectangle, made and bucketed when there is none.
    int PileFor(const PixelRect& rect);
    void Insert(const DesignDocument& doc, int slot);
    void Remove(int slot);
    void DropPile(int pile);
    // The front-most live slot of a pile, or 0.
    int Front(const DesignDocument& doc, const Pile& pile) const;
    std::vector<int> CandidatePiles(const PixelRect& area) const;

    std::vector<Pile> piles_;
    std::vector<int> freePiles_;
    std::unordered_map<PixelRect, int, RectHash> pileOfRect_;
    std::unordered_map<long long, std::vector<int>> cells_;  // cell -> piles
    std::vector<int> large_;                                 // piles spanning many cells
    std::vector<Entry> entries_;                             // by slot
    mutable std::vector<unsigned> seen_;                     // by pile
    mutable unsigned stamp_ = 0;
};

}  // namespace korvane
