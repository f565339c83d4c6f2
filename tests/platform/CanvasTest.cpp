#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Png.h"

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

TEST(PngTest, ChecksumsMatchTheirKnownValues) {
    const std::string digits = "123456789";
    const auto* d = reinterpret_cast<const uint8_t*>(digits.data());
    EXPECT_EQ(Crc32(d, digits.size()), 0xCBF43926u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(word.data()), word.size()), 0x11E60398u);
}

uint32_t Big32(const std::vector<uint8_t>& b, size_t at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
           b[at + 3];
}

TEST(PngTest, StoredBlocksHoldTheRowsUnchangedAcrossBlockBoundaries) {
    // 200 x 120 pixels: 72120 bytes of rows, more than one stored block.
    Canvas c(200, 120, kPaper);
    c.Pen(kInk);
    c.Line(0, 119, 199, 119);
    c.SetPixel(7, 3, Rgb{1, 2, 3});
    std::vector<uint8_t> png = EncodePng(c);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(Big32(png, 16), 200u);
    EXPECT_EQ(Big32(png, 20), 120u);
    // Walk the chunks, check each CRC and collect the image data.
    std::vector<uint8_t> zlib;
    size_t at = 8;
    std::vector<std::string> types;
    while (at < png.size()) {
        uint32_t len = Big32(png, at);
        std::string type(png.begin() + static_cast<long>(at + 4),
                         png.begin() + static_cast<long>(at + 8));
        types.push_back(type);
        EXPECT_EQ(Crc32(png.data() + at + 4, len + 4), Big32(png, at + 8 + len)) << type;
        if (type == "IDAT")
            zlib.insert(zlib.end(), png.begin() + static_cast<long>(at + 8),
                        png.begin() + static_cast<long>(at + 8 + len));
        at += 12 + len;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    std::vector<uint8_t> raw;
    size_t z = 2;
    bool last = false;
    while (!last) {
        last = zlib[z] & 1;
        size_t n = zlib[z + 1] | (zlib[z + 2] << 8);
        EXPECT_EQ(n ^ 0xFFFF, static_cast<size_t>(zlib[z + 3] | (zlib[z + 4] << 8)));
        raw.insert(raw.end(), zlib.begin() + static_cast<long>(z + 5),
                   zlib.begin() + static_cast<long>(z + 5 + n));
        z += 5 + n;
    }
    ASSERT_EQ(raw.size(), 120u * (200 * 3 + 1));
    EXPECT_EQ(Big32(zlib, z), Adler32(raw.data(), raw.size()));
    EXPECT_EQ(raw[3 * 601 + 1 + 7 * 3], 1);
    EXPECT_EQ(raw[119 * 601 + 1 + 199 * 3], 255);  // the line stopped before column 199
    EXPECT_EQ(raw[119 * 601 + 1 + 198 * 3], 10);
}

}  // namespace
}  // namespace korvane
