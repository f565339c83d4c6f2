#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/SurfaceText.h"

namespace korvane {
namespace {

ComponentRecord Box(std::string type, std::string value, float w = 1500, float h = 600) {
    ComponentRecord r;
    r.ComponentType = std::move(type);
    r.ComponentValue = std::move(value);
    r.Left = 150;  // 10 pixels
    r.Top = 300;   // 20 pixels
    r.Width = w;
    r.Height = h;
    r.Visible = true;
    return r;
}

TEST(SurfaceTextTest, EachKindShowsTheTextItsWindowShowsWhereItShowsIt) {
    struct Case {
        std::string type, value;
        std::vector<std::string> texts;
        PixelRect firstBox;
        bool centred, top;
    };
    const PixelRect box{10, 20, 100, 40};
    const Case cases[] = {
        {"Label", "Name:", {"Name:"}, {12, 20, 98, 40}, false, false},
        {"JLabel", "Name:", {"Name:"}, {12, 20, 98, 40}, false, false},
        {"CommandButton", "OK", {"OK"}, box, true, false},
        {"JButton", "OK", {"OK"}, box, true, false},
        {"TextBox", "text", {"text"}, {14, 20, 96, 40}, false, false},
        {"JTextArea", "text", {"text"}, {14, 24, 96, 36}, false, true},
        {"CheckBox", "Remember", {"Remember"}, {30, 20, 80, 40}, false, false},
        {"JRadioButton", "One", {"One"}, {30, 20, 80, 40}, false, false},
        {"ComboBox", "red|green", {"red"}, {14, 20, 77, 40}, false, false},
        {"JComboBox", "red|green", {"red"}, {14, 20, 77, 40}, false, false},
        {"ListBox", "a|b|c", {"a", "b", "c"}, {14, 22, 96, 12}, false, true},
    };
    for (const Case& c : cases) {
        const std::vector<ShownText> shown = ComponentTexts(Box(c.type, c.value), 12);
        std::vector<std::string> texts;
        for (const ShownText& t : shown) texts.push_back(t.text);
        EXPECT_EQ(texts, c.texts) << c.type;
        if (shown.empty()) continue;
        EXPECT_EQ(shown[0].box, c.firstBox) << c.type;
        EXPECT_EQ(shown[0].centred, c.centred) << c.type;
        EXPECT_EQ(shown[0].top, c.top) << c.type;
    }
}

TEST(SurfaceTextTest, TextsStayInsideTheirBoxAndNothingIsShownWithoutText) {
    // A choice's text stops before its arrow button.
    EXPECT_EQ(ComponentTexts(Box("ComboBox", "x"), 12)[0].clip, (PixelRect{10, 20, 81, 40}));
    EXPECT_EQ(ComponentTexts(Box("Label", "x"), 12)[0].clip, (PixelRect{10, 20, 100, 40}));
    // A list shows the items that begin inside its height: 40 pixels, 2 + 3 x 12.
    const auto items = ComponentTexts(Box("JList", "1|2|3|4|5"), 12);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[3].box.top, 20 + 2 + 36);
    for (const char* type : {"HScrollBar", "JVScrollBar", "Panel", "JPanel", "PictureBox",
                             "ScrollPane", "JScrollPane", "Unknown"})
        EXPECT_TRUE(ComponentTexts(Box(type, "value"), 12).empty()) << type;
    EXPECT_TRUE(ComponentTexts(Box("Label", ""), 12).empty());
    EXPECT_TRUE(ComponentTexts(Box("ListBox", ""), 12).empty());
    EXPECT_TRUE(ComponentTexts(Box("Label", "x", 0, 600), 12).empty());
    // However long a text, only what its box can show is kept, in whole code points: at most
    // one a pixel of its width (98 for a label of 100 pixels) and one more.
    std::string marks = "e";
    for (int k = 0; k < 20000; ++k) marks += "\xcc\x81";  // combining acute accents
    EXPECT_EQ(ComponentTexts(Box("Label", marks), 12)[0].text, marks.substr(0, 1 + 2 * 98));
    EXPECT_EQ(ComponentTexts(Box("ListBox", std::string(100000, 'x') + "|b"), 12)[0].text.size(),
              97u);
    // Empty items keep their line.
    const auto gaps = ComponentTexts(Box("ListBox", "a||c"), 12);
    ASSERT_EQ(gaps.size(), 2u);
    EXPECT_EQ(gaps[1].box.top, 20 + 2 + 24);
}

}  // namespace
}  // namespace korvane
