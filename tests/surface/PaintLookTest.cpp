#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "document/ComponentKinds.h"
#include "surface/PaintControl.h"

namespace korvane {
namespace {

Canvas Look(std::string_view tag, int W, int H) {
    Canvas c(W, H, systemcolour::WindowBackground);
    PaintLook(c, W, H, tag);
    return c;
}

struct Probe {
    const char* tag;
    int W, H, x, y;
    Rgb expected;
};

// Pixels worked out by hand from the drawing programmes, at the default size 72 x 24
// (vertical bars 24 x 72) unless a case says otherwise.
TEST(PaintLookTest, ProbePixelsOfEveryProgramme) {
    using namespace awt;
    const Rgb Dark = swing::Dark, Panel = swing::Panel, Steel = swing::Steel;
    const std::vector<Probe> probes = {
        {"TextBox", 72, 24, 0, 0, Shadow},
        {"TextBox", 72, 24, 1, 1, Black},
        {"TextBox", 72, 24, 70, 22, Light},
        {"TextBox", 72, 24, 71, 23, White},
        {"TextBox", 72, 24, 0, 22, Shadow},
        {"TextBox", 72, 24, 1, 22, Light},
        {"CommandButton", 72, 24, 0, 0, White},
        {"CommandButton", 72, 24, 1, 1, Light},
        {"CommandButton", 72, 24, 70, 1, Shadow},
        {"CommandButton", 72, 24, 71, 0, Face},
        {"CommandButton", 72, 24, 71, 1, Black},
        {"CommandButton", 72, 24, 0, 23, Face},
        {"Label", 72, 24, 0, 0, Shadow},
        {"Label", 72, 24, 71, 23, Shadow},
        {"Label", 72, 24, 1, 1, Face},
        {"PictureBox", 72, 24, 71, 23, Black},
        {"CheckBox", 72, 24, 3, 5, Shadow},
        {"CheckBox", 72, 24, 15, 5, White},
        {"CheckBox", 72, 24, 15, 4, Face},
        {"CheckBox", 72, 24, 3, 16, Shadow},
        {"CheckBox", 72, 24, 4, 16, White},
        {"CheckBox", 72, 24, 4, 6, Black},
        {"CheckBox", 72, 24, 14, 15, Light},
        {"CheckBox", 72, 24, 14, 6, Light},
        {"CheckBox", 72, 24, 13, 14, White},
        {"CheckBox", 72, 24, 16, 12, Face},
        {"OptionButton", 72, 24, 3, 10, Shadow},
        {"OptionButton", 72, 24, 3, 14, Face},
        {"OptionButton", 72, 24, 14, 10, White},
        {"OptionButton", 72, 24, 13, 12, Light},
        {"OptionButton", 72, 24, 9, 6, Shadow},
        {"OptionButton", 72, 24, 9, 7, Black},
        {"OptionButton", 72, 24, 9, 12, White},
        {"OptionButton", 72, 24, 6, 15, Light},
        {"HScrollBar", 72, 24, 16, 0, Black},
        {"HScrollBar", 72, 24, 17, 0, Light},
        {"HScrollBar", 72, 24, 55, 0, Light},
        {"HScrollBar", 72, 24, 71, 0, Black},
        {"HScrollBar", 72, 24, 6, 11, Black},
        {"HScrollBar", 72, 24, 6, 10, Face},
        {"HScrollBar", 72, 24, 40, 10, Track},
        {"HScrollBar", 72, 24, 33, 5, Black},
        {"VScrollBar", 24, 72, 0, 17, Black},
        {"VScrollBar", 24, 72, 0, 18, Light},
        {"VScrollBar", 24, 72, 0, 54, Light},
        {"VScrollBar", 24, 72, 10, 40, Track},
        {"ComboBox", 72, 24, 53, 2, Light},
        {"ComboBox", 72, 24, 69, 10, Black},
        {"ComboBox", 72, 24, 61, 13, Black},
        {"ComboBox", 72, 24, 60, 13, Face},
        {"JTextField", 72, 24, 0, 0, Dark},
        {"JTextField", 72, 24, 70, 0, Dark},
        {"JTextField", 72, 24, 1, 1, White},
        {"JTextField", 72, 24, 5, 5, White},
        {"JButton", 72, 24, 71, 0, Panel},
        {"JButton", 72, 24, 0, 23, Panel},
        {"JButton", 72, 24, 1, 23, White},
        {"JButton", 72, 24, 70, 22, Dark},
        {"JButton", 72, 24, 71, 22, White},
        {"JButton", 72, 24, 5, 5, Panel},
        {"JLabel", 72, 24, 0, 0, Steel},
        {"JLabel", 72, 24, 70, 22, Steel},
        {"JLabel", 72, 24, 71, 23, Panel},
        {"JLabel", 72, 24, 71, 0, Panel},
        {"JPanel", 72, 24, 0, 0, Dark},
        {"JPanel", 72, 24, 70, 22, Dark},
        {"JPanel", 72, 24, 71, 23, White},
        {"JPanel", 72, 24, 71, 5, White},
        {"JPanel", 72, 24, 5, 5, Panel},
        {"JCheckBox", 72, 24, 3, 5, Dark},
        {"JCheckBox", 72, 24, 15, 5, Panel},
        {"JCheckBox", 72, 24, 4, 6, White},
        {"JCheckBox", 72, 24, 3, 16, Panel},
        {"JCheckBox", 72, 24, 14, 15, Dark},
        {"JCheckBox", 72, 24, 14, 14, Dark},
        {"JRadioButton", 72, 24, 5, 15, Dark},
        {"JRadioButton", 72, 24, 6, 15, Panel},
        {"JRadioButton", 72, 24, 13, 8, White},
        {"JRadioButton", 72, 24, 13, 15, White},
        {"JHScrollBar", 72, 24, 15, 0, Steel},
        {"JHScrollBar", 72, 24, 15, 5, Steel},
        {"JHScrollBar", 72, 24, 16, 1, swing::ThumbLight},
        {"JHScrollBar", 72, 24, 20, 10, swing::Thumb},
        {"JHScrollBar", 72, 24, 14, 5, Panel},
        {"JVScrollBar", 24, 72, 0, 16, Steel},
        {"JVScrollBar", 24, 72, 5, 16, Steel},
        {"JVScrollBar", 24, 72, 5, 17, swing::ThumbLight},
        // Tiny boxes: what is left of each programme in one pixel.
        {"TextBox", 1, 1, 0, 0, White},
        {"CommandButton", 1, 1, 0, 0, Face},
        {"Label", 1, 1, 0, 0, Shadow},
        {"JButton", 1, 1, 0, 0, Dark},
        {"JLabel", 1, 1, 0, 0, Panel},
        {"JPanel", 1, 1, 0, 0, White},
        // A check box lower than 16 pixels: rows above 0 are cut off, the glyph stays at 3..15.
        {"CheckBox", 72, 10, 3, 0, Shadow},
        {"CheckBox", 72, 10, 15, 0, White},
        {"CheckBox", 72, 10, 2, 0, Face},
        {"OptionButton", 72, 6, 3, 1, Shadow},
        // An HScrollBar narrower than 51 pixels: the right arrow covers the thumb's edge.
        {"HScrollBar", 40, 24, 33, 5, Face},
        {"HScrollBar", 40, 24, 23, 0, Light},
        // The combo arrow button starts at W-19 whatever the width.
        {"ComboBox", 10, 24, 7, 5, Black},
        {"ComboBox", 200, 24, 181, 2, Light},
        {"ComboBox", 200, 24, 180, 2, White},
    };
    for (const Probe& p : probes) {
        Canvas c = Look(p.tag, p.W, p.H);
        Rgb got = c.Pixel(p.x, p.y);
        EXPECT_EQ(got, p.expected)
            << p.tag << " " << p.W << "x" << p.H << " at (" << p.x << "," << p.y
            << "): " << int(got.r) << "," << int(got.g) << "," << int(got.b);
    }
}

// Pixels where two pictures of the same size differ.
std::vector<std::pair<int, int>> Differences(const Canvas& a, const Canvas& b) {
    std::vector<std::pair<int, int>> d;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(a.Pixel(x, y) == b.Pixel(x, y))) d.emplace_back(x, y);
    return d;
}

TEST(PaintLookTest, LabelAndPanelDifferOnlyInTheOutlineColour) {
    Canvas label = Look("Label", 50, 20), panel = Look("Panel", 50, 20);
    auto diff = Differences(label, panel);
    EXPECT_EQ(diff.size(), 2u * 50 + 2u * 18);
    for (auto [x, y] : diff) {
        EXPECT_TRUE(x == 0 || y == 0 || x == 49 || y == 19);
        EXPECT_EQ(label.Pixel(x, y), awt::Shadow);
        EXPECT_EQ(panel.Pixel(x, y), awt::Black);
    }
}

TEST(PaintLookTest, ComboDiffersFromButtonOnlyByItsUngroovedArrow) {
    for (auto [W, H] : {std::pair{72, 24}, std::pair{100, 41}}) {
        auto diff = Differences(Look("JButton", W, H), Look("JComboBox", W, H));
        Canvas combo = Look("JComboBox", W, H);
        int cx = W - 11, cy = 2 + (H - 3) / 2;
        ASSERT_EQ(diff.size(), 16u) << W;
        for (auto [x, y] : diff) {
            EXPECT_EQ(combo.Pixel(x, y), swing::Black);
            EXPECT_GE(y, cy - 2);
            EXPECT_LE(y, cy + 1);
            EXPECT_GE(x, cx - 4);
            EXPECT_LE(x, cx + 3);
        }
    }
}

TEST(PaintLookTest, PanelAndScrollPaneLookAlikeInEachFamily) {
    EXPECT_TRUE(Differences(Look("JPanel", 60, 30), Look("JScrollPane", 60, 30)).empty());
    EXPECT_TRUE(Differences(Look("Panel", 60, 30), Look("ScrollPane", 60, 30)).empty());
    EXPECT_TRUE(Differences(Look("Panel", 60, 30), Look("PictureBox", 60, 30)).empty());
}

TEST(PaintLookTest, TagsOutsideBothFamiliesLeaveTheBackground) {
    for (std::string_view tag : {"", "label", "JScrollBar", "Unknown"}) {
        Canvas c = Look(tag, 30, 12);
        EXPECT_TRUE(Differences(c, Canvas(30, 12, systemcolour::WindowBackground)).empty()) << tag;
    }
}

TEST(PaintLookTest, GlyphsStayInColumnsThreeToFifteenAtAnyHeight) {
    for (std::string_view tag : {"CheckBox", "OptionButton", "JCheckBox", "JRadioButton"}) {
        for (int H : {1, 5, 10, 16, 24, 60}) {
            Canvas c = Look(tag, 40, H);
            Rgb back = c.Pixel(39, 0);
            for (int y = 0; y < H; ++y)
                for (int x : {0, 1, 2, 16, 30})
                    EXPECT_EQ(c.Pixel(x, y), back) << tag << " H=" << H << " x=" << x;
        }
    }
}

TEST(PaintLookTest, DegenerateAndHugeBoxesDrawWithoutFailing) {
    for (const ComponentKind& kind : AllKinds()) {
        for (auto [W, H] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{0, 0}, std::pair{3, 100}}) {
            Canvas c(std::max(W, 1), std::max(H, 1));
            PaintLook(c, W, H, kind.tag);
        }
        // A box far larger than any surface: only the visible corner is drawn.
        ComponentRecord r;
        r.ComponentType = std::string(kind.tag);
        r.Left = -3e9f;
        r.Top = -3e9f;
        r.Width = 3e38f;
        r.Height = 3e38f;
        Canvas c(20, 20);
        PaintComponentBox(c, r);
        // Places no arithmetic can make sense of draw nothing.
        r.Left = std::nanf("");
        r.Width = std::numeric_limits<float>::infinity();
        PaintComponentBox(c, r);
        r.Width = -std::numeric_limits<float>::infinity();
        PaintComponentBox(c, r);
    }
}

TEST(PaintLookTest, PaintControlRoundsTwipsToPixelsHalfToEven) {
    // 22.5 pixels wide rounds to 22, 23.5 to 24 (halves to even).
    ComponentRecord r;
    r.ComponentType = "Label";
    r.Width = 337.5f;
    r.Height = 352.5f;
    Canvas c(40, 40, Rgb{1, 1, 1});
    PaintComponentBox(c, r);
    EXPECT_EQ(c.Pixel(21, 5), awt::Shadow);
    EXPECT_EQ(c.Pixel(22, 5), (Rgb{1, 1, 1}));
    EXPECT_EQ(c.Pixel(5, 23), awt::Shadow);
    EXPECT_EQ(c.Pixel(5, 24), (Rgb{1, 1, 1}));
    EXPECT_EQ(BoxPixels(r), (PixelRect{0, 0, 22, 24}));
}

// One reference picture per kind at its default size (72 x 24, vertical bars 24 x 72), kept
// as the CRC-32 of its pixels in tests/data/surface/looks.txt.
TEST(PaintLookTest, EveryKindMatchesItsReferencePicture) {
    std::ifstream in(std::string(KORVANE_TEST_DATA) + "/surface/looks.txt");
    ASSERT_TRUE(in) << "missing reference file";
    std::map<std::string, std::string> reference;
    std::string tag, crc;
    while (in >> tag >> crc) reference[tag] = crc;
    for (const ComponentKind& kind : AllKinds()) {
        bool tall = IsVerticalScrollBar(kind.tag);
        Canvas c = Look(kind.tag, tall ? 24 : 72, tall ? 72 : 24);
        std::ostringstream hex;
        hex << std::hex << crc32(0, c.Data().data(), static_cast<uInt>(c.Data().size()));
        EXPECT_EQ(hex.str(), reference[std::string(kind.tag)]) << kind.tag;
    }
}

}  // namespace
}  // namespace korvane
