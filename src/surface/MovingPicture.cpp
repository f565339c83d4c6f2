#include "surface/MovingPicture.h"

#include <algorithm>
#include <cstring>

#include "document/StackOrder.h"
#include "surface/PaintControl.h"
#include "surface/SurfaceIndex.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

// Each live slot's place in the stacking, 1 for the back-most: the order the painter draws.
std::vector<uint32_t> StackingRanks(const DesignDocument& doc) {
    const std::vector<int> live = LiveSlotsBackToFront(doc);
    std::vector<uint32_t> rank(static_cast<size_t>(doc.SlotCount()) + 1, 0);
    for (size_t k = 0; k < live.size(); ++k)
        rank[static_cast<size_t>(live[k])] = static_cast<uint32_t>(k + 1);
    return rank;
}

PixelRect Shifted(const PixelRect& r, long long dx, long long dy) {
    return PixelRect{r.left + dx, r.top + dy, r.width, r.height};
}

}  // namespace

void MovingPicture::Paint(Layer& layer, const DesignDocument& doc, const PixelRect& area,
                          const std::vector<uint32_t>& rankOfSlot,
                          const std::vector<bool>& movingSlot, bool moving) {
    layer.area = area;
    layer.picture = Canvas(static_cast<int>(std::max(0LL, area.width)),
                           static_cast<int>(std::max(0LL, area.height)));
    layer.rank.assign(
        static_cast<size_t>(layer.picture.Width()) * static_cast<size_t>(layer.picture.Height()),
        0);
    if (area.Empty()) return;
    layer.picture.SetRasterOrigin(area.left, area.top);
    SurfaceIndex index;
    index.Rebuild(doc, [&](int slot) { return movingSlot[static_cast<size_t>(slot)] == moving; });
    SurfacePaintOptions options;
    options.handles = false;
    // Boxes are opaque and drawn back to front, so the last rank written at a pixel is the
    // box that shows there.
    options.afterBox = [&](int slot) {
        const PixelRect r = Intersect(BoxPixels(doc.Slot(slot)), area);
        const uint32_t rank = rankOfSlot[static_cast<size_t>(slot)];
        for (long long y = r.top; y < r.Bottom(); ++y) {
            uint32_t* row = layer.rank.data() + (y - area.top) * area.width + (r.left - area.left);
            std::fill(row, row + r.width, rank);
        }
    };
    PaintSurfaceArea(layer.picture, doc, &index, area, options);
}

void MovingPicture::Begin(const DesignDocument& doc, const std::vector<int>& moving,
                          const PixelRect& shown) {
    slots_.clear();
    startBoxes_.clear();
    leftOut_.clear();
    std::vector<bool> movingSlot(static_cast<size_t>(doc.SlotCount()) + 1, false);
    PixelRect bounds;
    for (int s : moving) {
        if (!doc.IsLive(s)) continue;
        slots_.push_back(s);
        startBoxes_.push_back(BoxPixels(doc.Slot(s)));
        movingSlot[static_cast<size_t>(s)] = true;
        bounds = Unite(bounds, startBoxes_.back());
    }
    const PixelRect reach{shown.left - kReach, shown.top - kReach, shown.width + 2 * kReach,
                          shown.height + 2 * kReach};
    const PixelRect movingArea = Intersect(bounds, reach);
    for (const PixelRect& box : startBoxes_)
        if (!box.Empty() && !movingArea.Contains(box)) leftOut_.push_back(box);
    const std::vector<uint32_t> rankOfSlot = StackingRanks(doc);
    Paint(still_, doc, shown, rankOfSlot, movingSlot, false);
    Paint(moving_, doc, movingArea, rankOfSlot, movingSlot, true);
    dx_ = dy_ = 0;
    active_ = true;
}

void MovingPicture::End() {
    active_ = false;
    still_ = Layer{};
    moving_ = Layer{};
    slots_.clear();
    slots_.shrink_to_fit();
    startBoxes_.clear();
    startBoxes_.shrink_to_fit();
    leftOut_.clear();
}

bool MovingPicture::Follow(const DesignDocument& doc) {
    for (size_t k = 0; k < slots_.size(); ++k) {
        if (!doc.IsLive(slots_[k])) return false;
        const PixelRect now = BoxPixels(doc.Slot(slots_[k]));
        const PixelRect& start = startBoxes_[k];
        if (k == 0) {
            dx_ = now.left - start.left;
            dy_ = now.top - start.top;
        }
        if (now != Shifted(start, dx_, dy_)) return false;
    }
    return true;
}

bool MovingPicture::Covers(const PixelRect& area) const {
    if (!active_ || !still_.area.Contains(area)) return false;
    // A box reaching beyond the moving picture is shown exactly while the part of it in the
    // area comes from the picture.
    const PixelRect reached = Shifted(moving_.area, dx_, dy_);
    for (const PixelRect& box : leftOut_) {
        const PixelRect seen = Intersect(Shifted(box, dx_, dy_), area);
        if (!seen.Empty() && !reached.Contains(seen)) return false;
    }
    return true;
}

void MovingPicture::Compose(Canvas& canvas, const PixelRect& area) const {
    const PixelRect& st = still_.area;
    const PixelRect mv = Shifted(moving_.area, dx_, dy_);
    uint8_t* out = canvas.MutableData();
    const uint8_t* still = still_.picture.Data().data();
    const uint8_t* moving = moving_.picture.Data().data();
    const long long x0 = std::max(area.left, mv.left), x1 = std::min(area.Right(), mv.Right());
    for (long long y = area.top; y < area.Bottom(); ++y) {
        const size_t outRow = static_cast<size_t>((y - area.top) * area.width);
        const size_t stillRow =
            static_cast<size_t>((y - st.top) * st.width + (area.left - st.left));
        std::memcpy(out + outRow * 3, still + stillRow * 3, static_cast<size_t>(area.width) * 3);
        if (y < mv.top || y >= mv.Bottom()) continue;
        const size_t movingRow = static_cast<size_t>((y - mv.top) * mv.width);
        for (long long x = x0; x < x1; ++x) {
            const size_t m = movingRow + static_cast<size_t>(x - mv.left);
            const size_t s = stillRow + static_cast<size_t>(x - area.left);
            if (moving_.rank[m] <= still_.rank[s]) continue;
            std::memcpy(out + (outRow + static_cast<size_t>(x - area.left)) * 3, moving + m * 3, 3);
        }
    }
}

}  // namespace korvane
