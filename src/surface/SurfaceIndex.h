// A bucket index of the component boxes by their place on the surface, so that finding the
// boxes under a point or a small rectangle does not walk every slot. Cells are square, in
// pixels; a box spanning very many cells is kept in a short list of large boxes instead.
#pragma once

#include <unordered_map>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"

namespace korvane {

class SurfaceIndex {
  public:
    static constexpr long long kCellPixels = 64;
    static constexpr long long kMaxCellsPerBox = 256;

    // Indexes every live slot afresh.
    void Rebuild(const DesignDocument& doc);
    // Brings one slot's entry in step with its box (moved, resized, shown or hidden).
    void Update(const DesignDocument& doc, int slot);
    // The live slots whose boxes meet the rectangle, front-most last.
    std::vector<int> Query(const DesignDocument& doc, const PixelRect& area) const;
    // The same without the boxes hidden under one that covers the whole rectangle: what has
    // to be painted there, front-most last.
    std::vector<int> QueryVisible(const DesignDocument& doc, const PixelRect& area) const;
    // The front-most live slot whose box holds the pixel, or 0.
    int TopAt(const DesignDocument& doc, long long x, long long y) const;
    size_t IndexedCount() const { return indexed_; }
    // Approximate bytes held by the index.
    size_t MemoryBytes() const;

  private:
    struct Entry {
        bool present = false;
        bool large = false;
        long long cx0 = 0, cy0 = 0, cx1 = 0, cy1 = 0;  // cell range, inclusive
    };
    static long long Key(long long cx, long long cy) { return (cx << 32) ^ (cy & 0xFFFFFFFF); }
    void Insert(const DesignDocument& doc, int slot);
    void Remove(int slot);
    std::vector<int> Candidates(const PixelRect& area) const;

    std::unordered_map<long long, std::vector<int>> cells_;
    std::vector<int> large_;
    std::vector<Entry> entries_;
    mutable std::vector<unsigned> seen_;
    mutable unsigned stamp_ = 0;
    size_t indexed_ = 0;
};

}  // namespace korvane
