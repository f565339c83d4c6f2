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

// The start of a text that can show in a box this many pixels wide: no visible character is
// narrower than a pixel, so at most one code point a pixel (and one more) is kept, whole. The
// cost of a text then follows its box, whatever its length.
std::string ShownPart(std::string_view text, long long width) {
    long long codePoints = std::max(0LL, width) + 1;
    size_t end = 0;
    while (end < text.size() && codePoints > 0) {
        ++end;
        // The continuation bytes of a code point go with it.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        --codePoints;
    }
    return std::string(text.substr(0, end));
}

// The list items of a value, "|" between them, one at a time.
class ItemReader {
  public:
    explicit ItemReader(std::string_view value) : rest_(value), done_(value.empty()) {}
    bool Next(std::string_view& item) {
        if (done_) return false;
        const size_t bar = rest_.find('|');
        item = rest_.substr(0, bar);
        done_ = bar == std::string_view::npos;
        if (!done_) rest_.remove_prefix(bar + 1);
        return true;
    }

  private:
    std::string_view rest_;
    bool done_;
};

}  // namespace

std::vector<ShownText> ComponentTexts(const ComponentRecord& r, int lineHeight) {
    const PixelRect box = BoxPixels(r);
    const std::string_view tag = r.ComponentType;
    std::vector<ShownText> texts;
    if (box.Empty()) return texts;
    auto add = [&](std::string_view text, PixelRect at, PixelRect clip, bool centred, bool top) {
        if (!text.empty())
            texts.push_back(
                {ShownPart(text, std::min(at.width, clip.width)), at, clip, centred, top});
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
        ItemReader items(r.ComponentValue);
        const PixelRect field = Inset(box, 0, 0, kArrowButton);
        if (std::string_view first; items.Next(first))
            add(first, Inset(field, kFieldInset, 0), field, false, false);
    } else if (Is(tag, {"ListBox", "JList"})) {
        const long long line = std::max(1, lineHeight);
        ItemReader items(r.ComponentValue);
        std::string_view item;
        for (long long y = box.top + 2; y < box.Bottom() && items.Next(item); y += line)
            add(item, PixelRect{box.left + kFieldInset, y, box.width - kFieldInset, line}, box,
                false, true);
    }
    return texts;
}

}  // namespace korvane
