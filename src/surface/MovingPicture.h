// The surface while many components are dragged together: painting every box again at each
// mouse move costs as much as a first paint, so the boxes are painted twice at the start of
// the drag instead, the still ones with the background and the moving ones alone, each pixel
// remembering the stacking rank of the box it shows. A move then lays the moving picture over
// the still one at the drag's offset, pixel by pixel where its box is the front-most, which
// gives exactly what painting the design there would give.
#pragma once

#include <cstdint>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"

namespace korvane {

class MovingPicture {
  public:
    // How far beyond the shown area the moving picture reaches, in pixels: a drag this far
    // still finds the boxes that come into view in it.
    static constexpr long long kReach = 256;

    // Paints the pictures of the shown area for a drag of the live slots `moving` (boxes as
    // they are now).
    void Begin(const DesignDocument& doc, const std::vector<int>& moving, const PixelRect& shown);
    void End();
    bool Active() const { return active_; }
    const PixelRect& Shown() const { return still_.area; }

    // Takes the moving boxes where they are now: false when they did not all move by the same
    // whole pixels, so that the picture cannot show them.
    bool Follow(const DesignDocument& doc);
    // Whether Compose shows the area exactly: it lies in the still picture, and the part of
    // every moving box that now shows in it is in the moving picture.
    bool Covers(const PixelRect& area) const;
    // The area (surface pixels) into a canvas of its size.
    void Compose(Canvas& canvas, const PixelRect& area) const;

  private:
    struct Layer {
        PixelRect area;
        Canvas picture{0, 0};
        std::vector<uint32_t> rank;  // by pixel; 0: no box
    };
    // Paints the moving slots, or the still ones, into a layer of the area.
    static void Paint(Layer& layer, const DesignDocument& doc, const PixelRect& area,
                      const std::vector<uint32_t>& rankOfSlot, const std::vector<bool>& movingSlot,
                      bool moving);

    bool active_ = false;
    Layer still_, moving_;
    // The moving slots, their boxes at the start, and those the moving picture holds only a
    // part of.
    std::vector<int> slots_;
    std::vector<PixelRect> startBoxes_;
    std::vector<PixelRect> leftOut_;
    long long dx_ = 0, dy_ = 0;
};

}  // namespace korvane
