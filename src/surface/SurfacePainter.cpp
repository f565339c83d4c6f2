#include "surface/SurfacePainter.h"

#include <algorithm>
#include <cmath>

#include "platform/Conversions.h"
#include "surface/PaintControl.h"

namespace korvane {
namespace {

long long WholePixels(double twips) {
    return std::isnan(twips) ? 0 : TwipsToWholePixels(twips);
}

// The dot positions k * step (twips, k >= 0, at most limit) whose pixel lies in [from, to).
template <typename Visit>
void DotsAlong(double step, double limit, long long from, long long to, Visit visit) {
    if (!(step >= 1) || !std::isfinite(step) || !(limit >= 0)) return;
    double first = std::floor((static_cast<double>(from) - 1) * kTwipsPerPixel / step);
    for (double k = std::max(0.0, first);; k += 1) {
        double twips = k * step;
        if (twips > limit) break;
        long long px = WholePixels(twips);
        if (px >= to) break;
        if (px >= from) visit(px);
    }
}

void PaintBoxes(Canvas& canvas, const DesignDocument& doc, const SurfaceIndex* index,
                const PixelRect& area, const std::function<void(int)>& afterBox) {
    std::vector<int> slots;
    if (index) {
        slots = index->QueryVisible(doc, area);
    } else {
        for (int i = 1; i <= doc.SlotCount(); ++i)
            if (doc.IsLive(i) && !Intersect(BoxPixels(doc.Slot(i)), area).Empty())
                slots.push_back(i);
        std::sort(slots.begin(), slots.end(),
                  [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
    }
    for (int s : slots) {
        PaintComponentBox(canvas, doc.Slot(s));
        if (afterBox) {
            canvas.ResetWindow();
            afterBox(s);
        }
    }
}

// The handles of the other selected components: squares at the same places as the primary
// one's, in a second colour, shown while the primary one's handles are.
void PaintSecondaryHandles(Canvas& canvas, const DesignDocument& doc, const SurfaceIndex* index,
                           const PixelRect& area) {
    if (doc.Selected.Count() < 2 || !doc.Handles[1].Visible) return;
    const float h = kHandleSize;
    // A handle reaches one handle size beyond its box.
    const long long reach = TwipsToWholePixels(h) + 1;
    PixelRect wider{area.left - reach, area.top - reach, area.width + 2 * reach,
                    area.height + 2 * reach};
    std::vector<int> slots;
    if (index) {
        slots = index->QueryVisible(doc, wider);
    } else {
        for (int i = 1; i <= doc.SlotCount(); ++i)
            if (doc.IsLive(i)) slots.push_back(i);
    }
    canvas.ResetWindow();
    for (int s : slots) {
        if (s == doc.ActiveSlot || !doc.Selected.Contains(s)) continue;
        const ComponentRecord& c = doc.Slot(s);
        const float xs[2] = {c.Left - h, c.Left + c.Width};
        const float ys[2] = {c.Top - h, c.Top + c.Height};
        for (float x : xs) {
            for (float y : ys) {
                HandleBox box;
                box.Left = x;
                box.Top = y;
                PixelRect r = BoxPixels(box);
                if (Intersect(r, area).Empty()) continue;
                canvas.Pen(systemcolour::Highlight);
                canvas.Rect(r.left, r.top, r.Right(), r.Bottom(), systemcolour::WindowBackground);
            }
        }
    }
}

}  // namespace

PixelRect SurfacePixels(const DesignDocument& doc) {
    return PixelRect{0, 0, std::max(1LL, WholePixels(doc.OuterWidth - kFrameWidth)),
                     std::max(1LL, WholePixels(doc.OuterHeight - kFrameHeight))};
}

void PaintBackground(Canvas& canvas, const DesignDocument& doc, const PixelRect& area) {
    canvas.ResetWindow();
    canvas.Fill(area.left, area.top, area.Right(), area.Bottom(), systemcolour::ButtonFace);
    if (!doc.GridShow) return;
    // Columns step by GridSize as it is, rows by GridSize rounded; the rows are not bounded
    // at 32767 twips, so a tall window keeps its dots.
    double columnStep = doc.GridSize;
    double rowStep = RoundHalfEven(doc.GridSize);
    double rowLimit = RoundHalfEven(doc.OuterHeight);
    std::vector<long long> columns;
    DotsAlong(columnStep, doc.OuterWidth, area.left, area.Right(),
              [&](long long px) { columns.push_back(px); });
    DotsAlong(rowStep, rowLimit, area.top, area.Bottom(), [&](long long py) {
        for (long long px : columns) canvas.SetPixel(px, py, systemcolour::ButtonText);
    });
}

void PaintHandles(Canvas& canvas, const DesignDocument& doc, const PixelRect& area) {
    canvas.ResetWindow();
    for (int k = 1; k <= 4; ++k) {
        const HandleBox& h = doc.Handles[static_cast<size_t>(k)];
        if (!h.Visible) continue;
        PixelRect r = BoxPixels(h);
        if (Intersect(r, area).Empty()) continue;
        canvas.Pen(systemcolour::WindowBackground);
        canvas.Rect(r.left, r.top, r.Right(), r.Bottom(), systemcolour::Highlight);
    }
}

void PaintSurfaceArea(Canvas& canvas, const DesignDocument& doc, const SurfaceIndex* index,
                      const PixelRect& area, SurfacePaintOptions options) {
    if (area.Empty()) return;
    canvas.SetClip(area);
    PaintBackground(canvas, doc, area);
    PaintBoxes(canvas, doc, index, area, options.afterBox);
    if (options.handles) {
        PaintSecondaryHandles(canvas, doc, index, area);
        PaintHandles(canvas, doc, area);
    }
    canvas.ResetWindow();
    canvas.ClearClip();
}

}  // namespace korvane
