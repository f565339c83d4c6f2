// Painting the design surface: its background with the grid dots (PaintBackground), the
// component boxes in z-order and the selection handles, for the whole surface or one area.
#pragma once

#include <functional>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"
#include "surface/SurfaceIndex.h"

namespace korvane {

// The surface's size in pixels: the document window's outer size less its frame.
PixelRect SurfacePixels(const DesignDocument& doc);

// The background and, with GridShow, the dots every GridSize twips from (0, 0), in the area.
void PaintBackground(Canvas& canvas, const DesignDocument& doc, const PixelRect& area);
// The visible handles that meet the area: highlight squares with a one-pixel light frame.
void PaintHandles(Canvas& canvas, const DesignDocument& doc, const PixelRect& area);

struct SurfacePaintOptions {
    bool handles = true;
    // Called after each box is drawn, before the boxes in front of it, so that a view can
    // draw over that box alone (the texts of View > Show Text).
    std::function<void(int slot)> afterBox;
};

// Everything the surface shows in the area (surface pixels): background and grid, the live
// boxes that meet it front-most last, then the handles. With an index only the boxes near the
// area are looked at; without one every slot is.
void PaintSurfaceArea(Canvas& canvas, const DesignDocument& doc, const SurfaceIndex* index,
                      const PixelRect& area, SurfacePaintOptions options = {});

}  // namespace korvane
