#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace korvane {
namespace {

constexpr Rgb kPaper{255, 255, 255};
constexpr Rgb kInk{10, 20, 30};

// The pixels of the canvas drawn in ink, as "x,y" texts in raster order.
std::vector<std::string> Inked(const Canvas& c) {
    std::vector<std::string> out;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) == kInk) out.push_back(std::to_string(x) + "," + std::to_string(y));
    return out;
}

TEST(CanvasTest, LineCoversItsStartAndStopsBeforeItsEndInEveryDirection) {
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::string> pixels;
    };
    const std::vector<Case> cases = {
        {1, 1, 4, 1, {"1,1", "2,1", "3,1"}},
        {4, 1, 1, 1, {"2,1", "3,1", "4,1"}},
        {2, 0, 2, 3, {"2,0", "2,1", "2,2"}},
        {2, 3, 2, 0, {"2,1", "2,2", "2,3"}},
        {2, 2, 2, 2, {}},                     // zero length draws nothing
        {0, 0, 3, 3, {"0,0", "1,1", "2,2"}},  // slanted: end left out too
        {-3, 2, 2, 2, {"0,2", "1,2"}},        // clipped at the raster's edge
    };
    for (const Case& k : cases) {
        Canvas c(6, 5, kPaper);
        c.Pen(kInk);
        c.Line(k.x1, k.y1, k.x2, k.y2);
        EXPECT_EQ(Inked(c), k.pixels) << k.x1 << "," << k.y1 << "-" << k.x2 << "," << k.y2;
    }
}

TEST(CanvasTest, RectOutlinesColumnsLToRMinusOneAndFillsTheInside) {
    Canvas c(6, 6, kPaper);
    const Rgb fill{1, 2, 3};
    c.Pen(kInk);
    c.Rect(1, 1, 5, 4, fill);
    EXPECT_EQ(c.Pixel(1, 1), kInk);
    EXPECT_EQ(c.Pixel(4, 3), kInk);
    EXPECT_EQ(c.Pixel(2, 2), fill);
    EXPECT_EQ(c.Pixel(3, 2), fill);
    EXPECT_EQ(c.Pixel(5, 1), kPaper);  // column r is outside
    EXPECT_EQ(c.Pixel(1, 4), kPaper);  // row b is outside
    Canvas empty(3, 3, kPaper);
    empty.Pen(kInk);
    empty.Rect(1, 1, 1, 3, fill);  // no columns
    empty.Rect(2, 2, 0, 0, fill);  // reversed: nothing either
    EXPECT_TRUE(Inked(empty).empty());
}

TEST(CanvasTest, WindowShiftsCoordinatesAndClipsToItsBox) {
    Canvas c(8, 8, kPaper);
    c.SetWindow(PixelRect{2, 3, 3, 2});
    c.Background(Rgb{9, 9, 9});
    c.Pen(kInk);
    c.Line(-5, 0, 50, 0);  // only the window's row 0 (raster row 3), columns 2..4
    c.ResetWindow();
    EXPECT_EQ(Inked(c), (std::vector<std::string>{"2,3", "3,3", "4,3"}));
    EXPECT_EQ(c.Pixel(2, 4), (Rgb{9, 9, 9}));
    EXPECT_EQ(c.Pixel(5, 4), kPaper);
    EXPECT_EQ(c.Pixel(1, 3), kPaper);
}

TEST(CanvasTest, RasterOriginAndClipSelectAPartOfTheSurface) {
    Canvas c(4, 4, kPaper);
    c.SetRasterOrigin(100, 200);
    c.SetClip(PixelRect{101, 200, 2, 4});
    c.Pen(kInk);
    c.Line(90, 201, 120, 201);
    EXPECT_EQ(Inked(c), (std::vector<std::string>{"1,1", "2,1"}));
    c.SetWindow(PixelRect{102, 199, 10, 10});
    c.SetPixel(0, 4, kInk);  // surface (102, 203), raster (2, 3)
    c.SetPixel(1, 4, kInk);  // clipped
    EXPECT_EQ(c.Pixel(2, 3), kInk);
    EXPECT_EQ(c.Pixel(3, 3), kPaper);
}

TEST(CanvasTest, HugeCoordinatesAreClippedWithoutWalkingThem) {
    Canvas c(3, 3, kPaper);
    c.Pen(kInk);
    c.Line(-4000000000LL, 1, 4000000000LL, 1);
    c.Rect(-4000000000LL, -4000000000LL, 4000000000LL, 2, kInk);
    c.Line(0, 0, 3000000, 2000000);  // too long a slant: not drawn, and no hang
    EXPECT_EQ(c.Pixel(0, 1), kInk);
    EXPECT_EQ(c.Pixel(2, 2), kPaper);
}

}  // namespace
}  // namespace korvane
