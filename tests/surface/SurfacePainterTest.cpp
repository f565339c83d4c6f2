#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "document/ComponentKinds.h"
#include "surface/MovingPicture.h"
#include "surface/PaintControl.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

using systemcolour::ButtonFace;
using systemcolour::ButtonText;

DesignDocument Surface(bool grid, double gridSize = 120) {
    DesignDocument doc;
    doc.GridShow = grid;
    doc.GridSize = gridSize;
    return doc;
}

Canvas PaintAll(const DesignDocument& doc, const SurfaceIndex* index = nullptr) {
    PixelRect all = SurfacePixels(doc);
    Canvas c(static_cast<int>(all.width), static_cast<int>(all.height));
    PaintSurfaceArea(c, doc, index, all);
    return c;
}

TEST(SurfacePainterTest, GridDotsEveryEightPixelsFromTheCorner) {
    Canvas c = PaintAll(Surface(true));
    ASSERT_EQ(c.Width(), (4995 - 120) / 15);
    int dots = 0;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            bool dot = x % 8 == 0 && y % 8 == 0;
            EXPECT_EQ(c.Pixel(x, y), dot ? ButtonText : ButtonFace) << x << "," << y;
            dots += dot;
        }
    }
    EXPECT_EQ(dots, ((c.Width() + 7) / 8) * ((c.Height() + 7) / 8));
}

TEST(SurfacePainterTest, GridOffLeavesThePlainBackgroundAndTinyStepsDoNotHang) {
    for (double step : {120.0, 0.0, -5.0, 0.4}) {
        Canvas c = PaintAll(Surface(step == 120.0 ? false : true, step));
        for (int y = 0; y < c.Height(); y += 7)
            for (int x = 0; x < c.Width(); x += 7) EXPECT_EQ(c.Pixel(x, y), ButtonFace);
    }
    // Sizes no arithmetic can make sense of paint nothing but the background, and end.
    DesignDocument odd = Surface(true, std::numeric_limits<double>::infinity());
    odd.OuterWidth = std::nan("");
    EXPECT_EQ(SurfacePixels(odd).width, 1);
    Canvas small(8, 8);
    PaintBackground(small, odd, PixelRect{0, 0, 8, 8});
    odd.GridSize = 120;
    odd.OuterWidth = std::numeric_limits<double>::infinity();
    odd.OuterHeight = std::numeric_limits<double>::infinity();
    PaintBackground(small, odd, PixelRect{0, 0, 8, 8});
    EXPECT_EQ(small.Pixel(0, 0), ButtonText);
    // An uneven step in twips: dots at the rounded pixel of every multiple.
    Canvas c = PaintAll(Surface(true, 100));
    EXPECT_EQ(c.Pixel(7, 0), ButtonText);    // 100 twips = 6.67 pixels
    EXPECT_EQ(c.Pixel(13, 13), ButtonText);  // 200 twips = 13.3 pixels
    EXPECT_EQ(c.Pixel(6, 0), ButtonFace);
}

// A design of many overlapping boxes of every kind, some deleted, one hidden far away.
DesignDocument Crowd(unsigned seed, int count) {
    DesignDocument doc = Surface(true);
    std::mt19937 random(seed);
    auto kinds = AllKinds();
    for (int i = 0; i < count; ++i) {
        ComponentRecord r;
        r.ComponentName = "c" + std::to_string(i);
        r.ComponentType = std::string(kinds[random() % kinds.size()].tag);
        r.Left = static_cast<float>(static_cast<int>(random() % 5200) - 300);
        r.Top = static_cast<float>(static_cast<int>(random() % 4000) - 300);
        r.Width = static_cast<float>(15 + random() % 2000);
        r.Height = static_cast<float>(15 + random() % 1200);
        int n = doc.AppendSlot(r);
        if (random() % 7 == 0) doc.SetVisible(n, false);
        if (random() % 5 == 0)
            doc.BringToFront(1 + static_cast<int>(random() % static_cast<unsigned>(n)));
    }
    ComponentRecord huge;
    huge.ComponentType = "Panel";
    huge.Left = -1e6f;
    huge.Top = -1e6f;
    huge.Width = 3e6f;
    huge.Height = 3e6f;
    int h = doc.AppendSlot(huge);
    doc.BringToFront(1);  // keeps the huge panel from hiding everything
    doc.MutableSlot(h).ZOrder = 0;
    doc.ActiveSlot = 3;
    for (int k = 1; k <= 4; ++k) {
        doc.Handles[k].Visible = true;
        doc.Handles[k].Left = 300.0f * k;
        doc.Handles[k].Top = 200;
    }
    return doc;
}

TEST(SurfacePainterTest, AreasPaintedThroughTheIndexEqualTheWholePicture) {
    DesignDocument doc = Crowd(7, 400);
    Canvas whole = PaintAll(doc);
    SurfaceIndex index;
    index.Rebuild(doc);
    std::mt19937 random(3);
    for (int n = 0; n < 60; ++n) {
        PixelRect area{
            static_cast<long long>(random() % 300), static_cast<long long>(random() % 230),
            1 + static_cast<long long>(random() % 90), 1 + static_cast<long long>(random() % 60)};
        area = Intersect(area, SurfacePixels(doc));
        Canvas part(static_cast<int>(area.width), static_cast<int>(area.height), Rgb{1, 2, 3});
        part.SetRasterOrigin(area.left, area.top);
        PaintSurfaceArea(part, doc, &index, area);
        for (long long y = 0; y < area.height; ++y)
            for (long long x = 0; x < area.width; ++x)
                ASSERT_EQ(
                    part.Pixel(static_cast<int>(x), static_cast<int>(y)),
                    whole.Pixel(static_cast<int>(area.left + x), static_cast<int>(area.top + y)))
                    << "area " << n << " at " << area.left + x << "," << area.top + y;
    }
}

TEST(SurfaceIndexTest, QueriesMatchAWalkOverEverySlotAfterMovesAndDeletes) {
    DesignDocument doc = Crowd(11, 600);
    SurfaceIndex index;
    index.Rebuild(doc);
    std::mt19937 random(5);
    for (int step = 0; step < 200; ++step) {
        int s = 1 + static_cast<int>(random() % static_cast<unsigned>(doc.SlotCount()));
        if (step % 3 == 0) {
            doc.MutableSlot(s).Left += static_cast<float>(static_cast<int>(random() % 2000) - 1000);
            doc.MutableSlot(s).Height = static_cast<float>(random() % 3000);
        } else if (step % 3 == 1) {
            doc.SetVisible(s, !doc.IsLive(s));
        }
        index.Update(doc, s);
        PixelRect area{static_cast<long long>(random() % 400) - 50,
                       static_cast<long long>(random() % 300) - 50,
                       1 + static_cast<long long>(random() % 200),
                       1 + static_cast<long long>(random() % 200)};
        std::vector<int> expected;
        int top = 0;
        for (int i = 1; i <= doc.SlotCount(); ++i) {
            if (!doc.IsLive(i)) continue;
            PixelRect box = BoxPixels(doc.Slot(i));
            if (!Intersect(box, area).Empty()) expected.push_back(i);
            if (box.Contains(area.left, area.top) &&
                (top == 0 || doc.Slot(i).ZOrder > doc.Slot(top).ZOrder))
                top = i;
        }
        std::sort(expected.begin(), expected.end(),
                  [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
        ASSERT_EQ(index.Query(doc, area), expected) << step;
        ASSERT_EQ(index.TopAt(doc, area.left, area.top), top) << step;
    }
}

// Boxes dropped where the palette puts them lie exactly on one another; the index must still
// answer as a walk over every slot while boxes leave, join and rise in such piles.
TEST(SurfaceIndexTest, StackedBoxesAnswerAsAWalkWhileTheyMoveAndRise) {
    DesignDocument doc = Surface(true);
    auto kinds = AllKinds();
    for (int i = 0; i < 300; ++i) {
        ComponentRecord r;
        r.ComponentName = "s" + std::to_string(i);
        r.ComponentType = std::string(kinds[static_cast<size_t>(i) % kinds.size()].tag);
        r.Left = i % 3 == 0 ? 240.0f : 120.0f;
        r.Top = 120;
        r.Width = 1080;
        r.Height = 360;
        doc.AppendSlot(r);
    }
    SurfaceIndex index;
    index.Rebuild(doc);
    std::mt19937 random(9);
    for (int step = 0; step < 300; ++step) {
        const int s = 1 + static_cast<int>(random() % static_cast<unsigned>(doc.SlotCount()));
        switch (step % 4) {
            case 0:  // dragged one pixel on, or back onto a pile
                doc.MutableSlot(s).Left = random() % 2 ? doc.Slot(s).Left + 15 : 120.0f;
                break;
            case 1:
                doc.BringToFront(s);
                break;
            case 2:
                doc.SetVisible(s, !doc.IsLive(s));
                break;
            default:
                doc.MutableSlot(s).Width = random() % 2 ? 1080.0f : 1200.0f;
        }
        index.Update(doc, s);
        const PixelRect area{
            static_cast<long long>(random() % 120), static_cast<long long>(random() % 40),
            1 + static_cast<long long>(random() % 120), 1 + static_cast<long long>(random() % 40)};
        std::vector<int> all;
        std::vector<PixelRect> places;
        int top = 0;
        for (int i = 1; i <= doc.SlotCount(); ++i) {
            if (!doc.IsLive(i)) continue;
            const PixelRect box = BoxPixels(doc.Slot(i));
            if (!Intersect(box, area).Empty()) {
                all.push_back(i);
                if (std::find(places.begin(), places.end(), box) == places.end())
                    places.push_back(box);
            }
            if (box.Contains(area.left, area.top) &&
                (top == 0 || doc.Slot(i).ZOrder > doc.Slot(top).ZOrder))
                top = i;
        }
        std::sort(all.begin(), all.end(),
                  [&](int a, int b) { return doc.Slot(a).ZOrder < doc.Slot(b).ZOrder; });
        ASSERT_EQ(index.Query(doc, area), all) << step;
        ASSERT_EQ(index.TopAt(doc, area.left, area.top), top) << step;
        // What is painted is at most the front of each pile, not every box of it.
        ASSERT_LE(index.QueryVisible(doc, area).size(), places.size()) << step;
        if (step % 25 == 0) {
            const Canvas whole = PaintAll(doc);
            ASSERT_EQ(PaintAll(doc, &index).Data(), whole.Data()) << step;
        }
    }
}

// A drag shown through the moving picture looks exactly as the design painted afresh there,
// whichever boxes move among the still ones and however far; where it cannot, it says so.
TEST(MovingPictureTest, AComposedDragEqualsTheDesignPaintedAfresh) {
    struct Case {
        const char* what;
        int every;       // the slots moving: each every-th one
        float dx, dy;    // twips
        float fraction;  // added to the moving boxes' places before the drag
        bool panel;      // the panel under everything is there, else a few boxes on the grid
        bool composed;   // whether the picture must be able to show it
    };
    const Case cases[] = {
        {"every third box a few pixels on over the grid", 3, 105, 45, 0, false, true},
        {"every box back and up", 1, -600, -375, 0, true, true},
        {"every other box far on", 2, 15 * 900, 15 * 20, 0, true, true},
        {"the panel far beyond the reach", 1, 15 * 900, 0, 0, true, false},
        {"boxes on half twips", 4, 97.5f, 22.5f, 7.5f, false, false},
    };
    for (const Case& c : cases) {
        DesignDocument doc = Crowd(7, c.panel ? 400 : 30);
        for (int k = 1; k <= 4; ++k) doc.Handles[k].Visible = false;
        if (!c.panel) doc.SetVisible(doc.SlotCount(), false);
        std::vector<int> moving;
        for (int i = c.every; i <= doc.SlotCount(); i += c.every) moving.push_back(i);
        for (int s : moving) doc.MutableSlot(s).Left += c.fraction;
        const PixelRect shown = SurfacePixels(doc);
        MovingPicture picture;
        picture.Begin(doc, moving, shown);
        ASSERT_TRUE(picture.Follow(doc) && picture.Covers(shown)) << c.what;
        for (int s : moving) {
            doc.MutableSlot(s).Left += c.dx;
            doc.MutableSlot(s).Top += c.dy;
        }
        const bool composed = picture.Follow(doc) && picture.Covers(shown);
        EXPECT_TRUE(composed || !c.composed) << c.what;
        if (!composed) continue;
        Canvas canvas(static_cast<int>(shown.width), static_cast<int>(shown.height));
        picture.Compose(canvas, shown);
        EXPECT_EQ(canvas.Data(), PaintAll(doc).Data()) << c.what;
    }
}

}  // namespace
}  // namespace korvane
