#include "platform/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace korvane {

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    long long l = std::max(a.left, b.left), t = std::max(a.top, b.top);
    long long r = std::min(a.Right(), b.Right()), btm = std::min(a.Bottom(), b.Bottom());
    if (r <= l || btm <= t) return PixelRect{};
    return PixelRect{l, t, r - l, btm - t};
}

PixelRect Unite(const PixelRect& a, const PixelRect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    long long l = std::min(a.left, b.left), t = std::min(a.top, b.top);
    long long r = std::max(a.Right(), b.Right()), btm = std::max(a.Bottom(), b.Bottom());
    return PixelRect{l, t, r - l, btm - t};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      data_(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3) {
    ResetWindow();
    FillRaster(PixelRect{0, 0, width_, height_}, fill);
}

Rgb Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgb{};
    size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 3;
    return Rgb{data_[at], data_[at + 1], data_[at + 2]};
}

void Canvas::SetRasterOrigin(long long x, long long y) {
    originX_ = x;
    originY_ = y;
    ResetWindow();
}

void Canvas::SetWindow(const PixelRect& window) {
    window_ = window;
    offsetX_ = window.left;
    offsetY_ = window.top;
}

void Canvas::ResetWindow() {
    window_ = PixelRect{originX_, originY_, width_, height_};
    offsetX_ = offsetY_ = 0;
}

PixelRect Canvas::ToRaster(const PixelRect& surface) const {
    PixelRect c =
        Intersect(Intersect(surface, window_), PixelRect{originX_, originY_, width_, height_});
    if (hasClip_) c = Intersect(c, clip_);
    c.left -= originX_;
    c.top -= originY_;
    return c;
}

PixelRect Canvas::Clip(long long l, long long t, long long r, long long b) const {
    return ToRaster(PixelRect{offsetX_ + l, offsetY_ + t, r - l, b - t});
}

void Canvas::FillRaster(const PixelRect& raster, Rgb c) {
    if (raster.Empty()) return;
    const size_t rowBytes = static_cast<size_t>(raster.width) * 3;
    uint8_t* first = data_.data() + (raster.top * width_ + raster.left) * 3;
    // One row pixel by pixel, the others copied from it.
    for (size_t x = 0; x < rowBytes; x += 3) {
        first[x] = c.r;
        first[x + 1] = c.g;
        first[x + 2] = c.b;
    }
    const size_t stride = static_cast<size_t>(width_) * 3;
    for (long long y = 1; y < raster.height; ++y)
        std::memcpy(first + static_cast<size_t>(y) * stride, first, rowBytes);
}

void Canvas::Fill(long long l, long long t, long long r, long long b, Rgb c) {
    FillRaster(Clip(l, t, r, b), c);
}

void Canvas::Background(Rgb c) {
    FillRaster(ToRaster(window_), c);
}

void Canvas::SetPixel(long long x, long long y, Rgb c) {
    Fill(x, y, x + 1, y + 1, c);
}

void Canvas::Line(long long x1, long long y1, long long x2, long long y2) {
    if (y1 == y2) {
        if (x2 > x1)
            Fill(x1, y1, x2, y1 + 1, pen_);
        else if (x2 < x1)
            Fill(x2 + 1, y1, x1 + 1, y1 + 1, pen_);
        return;
    }
    if (x1 == x2) {
        if (y2 > y1)
            Fill(x1, y1, x1 + 1, y2, pen_);
        else
            Fill(x1, y2 + 1, x1 + 1, y1 + 1, pen_);
        return;
    }
    // A slanted line: Bresenham steps from the start, the end point left out. Such lines are
    // short (glyphs); an absurd length is not walked.
    long long dx = std::llabs(x2 - x1), dy = -std::llabs(y2 - y1);
    if (dx > (1 << 16) || -dy > (1 << 16)) return;
    long long sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    long long err = dx + dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        SetPixel(x, y, pen_);
        long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::Rect(long long l, long long t, long long r, long long b, Rgb fill) {
    if (r <= l || b <= t) return;
    Fill(l, t, r, b, fill);
    Fill(l, t, r, t + 1, pen_);
    Fill(l, b - 1, r, b, pen_);
    Fill(l, t, l + 1, b, pen_);
    Fill(r - 1, t, r, b, pen_);
}

}  // namespace korvane
