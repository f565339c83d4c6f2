#include "surface/SurfaceText.h"

#include <algorithm>
#include <string_view>

#include "surface/PaintControl.h"

namespace korvane {
namespace {

constexpr long long kFieldInset = 4;    // text fields and lists, from the sunken edge
constexpr long long kLabelInset = 2;    // labels
constexpr long long kGlyphWidth = 20;   // check box and radio glyphs, with their gap
constexpr long long kArrowButton = 19;  // the choice's arrow button at the right

bool Is(std::string_view tag, std::initializer_list<std::string_view> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

PixelRect Inset(const PixelRect& r, long long left, long long top, long long right = 0) {
    return PixelRect{r.left + left, r.top + top, std::max(0LL, r.width - left - right),
                     std::max(0LL, r.height - top)};
}

std::vector<std::string> Items(const std::string& value) {
    std::vector<std::string> items;
    if (value.empty()) return items;
    size_t start = 0;
    while (true) {
        const size_t bar = value.find('|', start);
        items.push_back(value.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) return items;
        start = bar + 1;
    }
}

}  // namespace

std::vector<ShownText> ComponentTexts(const ComponentRecord& r, int lineHeight) {
    const PixelRect box = BoxPixels(r);
    const std::string_view tag = r.ComponentType;
    std::vector<ShownText> texts;
    if (box.Empty()) return texts;
    auto add = [&](std::string text, PixelRect at, PixelRect clip, bool centred, bool top) {
        if (!text.empty()) texts.push_back({std::move(text), at, clip, centred, top});
    };
    if (Is(tag, {"Label", "JLabel"})) {
        add(r.ComponentValue, Inset(box, kLabelInset, 0), box, false, false);
    } else if (Is(tag, {"CommandButton", "JButton"})) {
        add(r.ComponentValue, box, box, true, false);
    } else if (Is(tag, {"TextBox", "JTextField"})) {
        add(r.ComponentValue, Inset(box, kFieldInset, 0), box, false, false);
    } else if (Is(tag, {"TextArea", "JTextArea"})) {
        add(r.ComponentValue, Inset(box, kFieldInset, kFieldInset), box, false, true);
    } else if (Is(tag, {"CheckBox", "OptionButton", "JCheckBox", "JRadioButton"})) {
        add(r.ComponentValue, Inset(box, kGlyphWidth, 0), box, false, false);
    } else if (Is(tag, {"ComboBox", "JComboBox"})) {
        const std::vector<std::string> items = Items(r.ComponentValue);
        const PixelRect field = Inset(box, 0, 0, kArrowButton);
        if (!items.empty()) add(items.front(), Inset(field, kFieldInset, 0), field, false, false);
    } else if (Is(tag, {"ListBox", "JList"})) {
        const long long line = std::max(1, lineHeight);
        long long y = box.top + 2;
        for (std::string& item : Items(r.ComponentValue)) {
            if (y >= box.Bottom()) break;
            add(std::move(item),
                PixelRect{box.left + kFieldInset, y, box.width - kFieldInset, line}, box, false,
                true);
            y += line;
        }
    }
    return texts;
}

}  // namespace korvane
