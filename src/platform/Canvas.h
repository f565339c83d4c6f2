// An RGB raster with the drawing operations of a picture box: background, pen, line and
// rectangle, pixel for pixel. Drawing goes through a window (a box on the raster): coordinates
// are relative to the window's top-left corner and everything outside the window, or outside
// the raster, is clipped.
#pragma once

#include <cstdint>
#include <vector>

namespace korvane {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A rectangle in pixels: columns left..left+width-1, rows top..top+height-1.
struct PixelRect {
    long long left = 0, top = 0, width = 0, height = 0;
    long long Right() const { return left + width; }
    long long Bottom() const { return top + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(long long x, long long y) const {
        return x >= left && x < Right() && y >= top && y < Bottom();
    }
    bool Contains(const PixelRect& o) const {
        return !o.Empty() && o.left >= left && o.top >= top && o.Right() <= Right() &&
               o.Bottom() <= Bottom();
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

PixelRect Intersect(const PixelRect& a, const PixelRect& b);
// The smallest rectangle holding both (an empty one is ignored).
PixelRect Unite(const PixelRect& a, const PixelRect& b);

class Canvas {
  public:
    Canvas(int width, int height, Rgb fill = Rgb{255, 255, 255});

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Packed RGB rows, 3 bytes a pixel, no padding.
    const std::vector<uint8_t>& Data() const { return data_; }
    // The same rows for a view that draws over the raster in place (text in its own font).
    uint8_t* MutableData() { return data_.data(); }
    Rgb Pixel(int x, int y) const;  // raster coordinates; black outside

    // Where the raster starts on the surface it shows: the raster holds the surface pixels
    // from this origin on. Windows and clips are given in surface pixels.
    void SetRasterOrigin(long long x, long long y);
    // Later drawing is relative to (left, top) and clipped to the window's width x height.
    void SetWindow(const PixelRect& window);
    // Drawing in surface pixels over the whole raster.
    void ResetWindow();
    // Nothing is drawn outside this rectangle (surface coordinates) until the next SetClip.
    void SetClip(const PixelRect& clip) {
        clip_ = clip;
        hasClip_ = true;
    }
    void ClearClip() { hasClip_ = false; }

    // Clears the window to c.
    void Background(Rgb c);
    void Pen(Rgb c) { pen_ = c; }
    // Covers (x1,y1) and every pixel up to, but not including, (x2,y2).
    void Line(long long x1, long long y1, long long x2, long long y2);
    // Outline in the pen of columns l..r-1 and rows t..b-1, interior filled with fill.
    void Rect(long long l, long long t, long long r, long long b, Rgb fill);
    // One pixel in the pen's colour.
    void SetPixel(long long x, long long y, Rgb c);
    // Fills columns l..r-1, rows t..b-1 with c (no outline).
    void Fill(long long l, long long t, long long r, long long b, Rgb c);

  private:
    // A rectangle in window coordinates, clipped, as raster coordinates.
    PixelRect Clip(long long l, long long t, long long r, long long b) const;
    // A rectangle in surface pixels, cut to the window, the raster and the clip, in raster
    // coordinates.
    PixelRect ToRaster(const PixelRect& surface) const;
    void FillRaster(const PixelRect& raster, Rgb c);

    int width_, height_;
    std::vector<uint8_t> data_;
    long long originX_ = 0, originY_ = 0;
    PixelRect window_;  // surface coordinates
    long long offsetX_ = 0, offsetY_ = 0;
    PixelRect clip_;
    bool hasClip_ = false;
    Rgb pen_{0, 0, 0};
};

}  // namespace korvane
