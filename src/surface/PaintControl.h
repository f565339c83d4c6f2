// The look-alike pictures of the component kinds: a fixed drawing per TypeTag that depends only on
// the box size, in an AWT family (sunken fields, raised buttons) and a Swing family (flat light
// grey with etched edges).
#pragma once

#include <string_view>

#include "document/DesignDocument.h"
#include "platform/Canvas.h"

namespace korvane {

namespace awt {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Light{224, 224, 224};
inline constexpr Rgb Face{192, 192, 192};
inline constexpr Rgb Shadow{128, 128, 128};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Track{240, 240, 240};
}  // namespace awt

namespace swing {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Panel{208, 208, 208};
inline constexpr Rgb Dark{104, 104, 104};
inline constexpr Rgb Steel{104, 104, 160};
inline constexpr Rgb Thumb{160, 156, 208};
inline constexpr Rgb ThumbLight{208, 208, 255};
inline constexpr Rgb Black{0, 0, 0};
}  // namespace swing

// The system colours a box starts with, and those of the surface and the handles.
namespace systemcolour {
inline constexpr Rgb WindowBackground{255, 255, 255};
inline constexpr Rgb WindowText{0, 0, 0};
inline constexpr Rgb ButtonFace{212, 208, 200};
inline constexpr Rgb ButtonText{0, 0, 0};
inline constexpr Rgb Highlight{10, 36, 106};
}  // namespace systemcolour

// Draws the look of a TypeTag into the canvas's window, a box of W x H pixels. A tag of
// neither family draws nothing.
void PaintLook(Canvas& box, int W, int H, std::string_view typeTag);
// A raised AWT button at (x, y), w x h, with an arrow "up", "down", "left", "right" or none.
void PaintAwtButton(Canvas& box, int x, int y, int w, int h, std::string_view direction);
// A Swing arrow with its groove, or the thumb for direction ""; edges matters for "down" only.
void PaintSwingButton(Canvas& box, int x, int y, int w, int h, std::string_view direction,
                      bool edges);

// A box's size and place on the surface in whole pixels (twips / 15, halves to even).
PixelRect BoxPixels(const ComponentRecord& box);
PixelRect BoxPixels(const HandleBox& box);
// The paint handler of a component box: its look at its size, drawn where the canvas's window
// is; the window is set to the box's place on the surface first.
void PaintComponentBox(Canvas& surface, const ComponentRecord& box);

}  // namespace korvane
