#include "surface/PaintControl.h"

#include <algorithm>
#include <cmath>

#include "platform/Conversions.h"

namespace korvane {
namespace {

using P = long long;

bool Is(std::string_view tag, std::initializer_list<std::string_view> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// The four lines of 7, 5, 3 and 1 pixels of an arrow centred on (cx, cy), in the pen.
void Arrow(Canvas& c, P cx, P cy, std::string_view direction) {
    if (direction == "down") {
        c.Line(cx + 3, cy - 2, cx - 4, cy - 2);
        c.Line(cx + 2, cy - 1, cx - 3, cy - 1);
        c.Line(cx + 1, cy, cx - 2, cy);
        c.Line(cx, cy + 1, cx - 1, cy + 1);
    } else if (direction == "up") {
        c.Line(cx + 3, cy + 2, cx - 4, cy + 2);
        c.Line(cx + 2, cy + 1, cx - 3, cy + 1);
        c.Line(cx + 1, cy, cx - 2, cy);
        c.Line(cx, cy - 1, cx - 1, cy - 1);
    } else if (direction == "left") {
        c.Line(cx + 1, cy + 3, cx + 1, cy - 4);
        c.Line(cx, cy + 2, cx, cy - 3);
        c.Line(cx - 1, cy + 1, cx - 1, cy - 2);
        c.Line(cx - 2, cy, cx - 2, cy - 1);
    } else if (direction == "right") {
        c.Line(cx - 1, cy + 3, cx - 1, cy - 4);
        c.Line(cx, cy + 2, cx, cy - 3);
        c.Line(cx + 1, cy + 1, cx + 1, cy - 2);
        c.Line(cx + 2, cy, cx + 2, cy - 1);
    }
}

// ---------------------------------------------------------------- AWT

void SunkenField(Canvas& c, P W, P H, bool comboArrow) {
    using namespace awt;
    c.Background(White);
    c.Pen(Shadow);
    c.Line(0, 0, W - 1, 0);
    c.Line(0, 0, 0, H - 1);
    c.Pen(Black);
    c.Line(1, 1, W - 2, 1);
    c.Line(1, 1, 1, H - 2);
    c.Pen(Light);
    c.Line(W - 2, H - 2, W - 2, 0);
    c.Line(W - 2, H - 2, 0, H - 2);
    if (comboArrow)
        PaintAwtButton(c, static_cast<int>(W - 19), 2, 17, static_cast<int>(H - 3), "down");
}

void RaisedButton(Canvas& c, P W, P H) {
    using namespace awt;
    c.Background(Face);
    c.Pen(White);
    c.Line(0, 0, W - 1, 0);
    c.Line(0, 0, 0, H - 1);
    c.Pen(Light);
    c.Line(1, 1, W - 2, 1);
    c.Line(1, 1, 1, H - 2);
    c.Pen(Shadow);
    c.Line(W - 2, H - 2, W - 2, 0);
    c.Line(W - 2, H - 2, 0, H - 2);
    c.Pen(Black);
    c.Line(W - 1, H - 1, W - 1, 0);
    c.Line(W - 1, H - 1, 0, H - 1);
}

void AwtCheckBox(Canvas& c, P H2) {
    using namespace awt;
    c.Background(Face);
    c.Pen(Shadow);
    c.Line(3, H2 - 7, 15, H2 - 7);
    c.Line(3, H2 - 7, 3, H2 + 5);
    c.Pen(Black);
    c.Line(4, H2 - 6, 14, H2 - 6);
    c.Line(4, H2 - 6, 4, H2 + 4);
    c.Pen(Light);
    c.Line(14, H2 + 3, 14, H2 - 7);
    c.Line(14, H2 + 3, 4, H2 + 3);
    c.Pen(White);
    c.Line(15, H2 + 4, 15, H2 - 8);
    c.Line(15, H2 + 4, 3, H2 + 4);
    c.Pen(White);
    c.Rect(5, H2 - 5, 14, H2 + 3, White);
}

// The segments shared by both radio glyphs, in four groups of one pen each.
struct RadioPens {
    Rgb fill, outer, inner, lower, lowerInner;
    bool swing;
};

void RadioGlyph(Canvas& c, P H2, const RadioPens& p) {
    c.Pen(p.fill);
    c.Rect(5, H2 - 4, 14, H2 + 4, p.fill);
    c.Pen(p.outer);
    c.Line(3, H2 - 2, 3, H2 + 2);
    c.Line(4, H2 - 4, 4, H2 + 4);
    c.Line(5, H2 - 5, 13, H2 - 5);
    c.Line(7, H2 - 6, 11, H2 - 6);
    c.Pen(p.inner);
    c.Line(4, H2 - 2, 4, H2 + 2);
    c.Line(5, H2 - 3, 5, H2 - 5);
    c.Line(5, H2 - 4, 7, H2 - 4);
    c.Line(7, H2 - 5, 11, H2 - 5);
    c.Line(11, H2 - 4, 13, H2 - 4);
    c.Line(5, H2 + 2, 5, H2 + 3);
    c.Pen(p.lower);
    c.Line(14, H2 - 2, 14, H2 + 2);
    c.Line(5, H2 + 4, 13, H2 + 4);
    c.Line(7, H2 + 5, 11, H2 + 5);
    if (p.swing) c.Line(13, H2 - 4, 13, H2 + 4);
    c.Pen(p.lowerInner);
    c.Line(5, H2 + 3, p.swing ? 6 : 7, H2 + 3);
    c.Line(7, H2 + 4, 11, H2 + 4);
    c.Line(11, H2 + 3, 13, H2 + 3);
    c.Line(12, H2 + 2, 12, H2 + 1);
    c.Line(13, H2 - 2, 13, H2 + 2);
    c.Line(12, H2 - 3, 12, H2 - 4);
}

void AwtHScrollBar(Canvas& c, P W, P H) {
    c.Background(awt::Track);
    int h = static_cast<int>(H - 1);
    PaintAwtButton(c, 0, 0, 17, h, "left");
    PaintAwtButton(c, 17, 0, 17, h, "");
    PaintAwtButton(c, static_cast<int>(W - 17), 0, 17, h, "right");
}

void AwtVScrollBar(Canvas& c, P W, P H) {
    c.Background(awt::Track);
    int w = static_cast<int>(W);
    PaintAwtButton(c, 0, 0, w, 17, "up");
    PaintAwtButton(c, 0, 18, w, 17, "");
    PaintAwtButton(c, 0, static_cast<int>(H - 18), w, 17, "down");
}

bool PaintAwt(Canvas& c, P W, P H, std::string_view tag) {
    P H2 = H / 2;
    if (Is(tag, {"TextArea", "TextBox", "ListBox", "ComboBox"})) {
        SunkenField(c, W, H, tag == "ComboBox");
    } else if (tag == "CommandButton") {
        RaisedButton(c, W, H);
    } else if (tag == "Label") {
        c.Pen(awt::Shadow);
        c.Rect(0, 0, W, H, awt::Face);
    } else if (tag == "CheckBox") {
        AwtCheckBox(c, H2);
    } else if (tag == "OptionButton") {
        c.Background(awt::Face);
        RadioGlyph(c, H2, {awt::White, awt::Shadow, awt::Black, awt::White, awt::Light, false});
    } else if (Is(tag, {"Panel", "PictureBox", "ScrollPane"})) {
        c.Pen(awt::Black);
        c.Rect(0, 0, W, H, awt::Face);
    } else if (tag == "HScrollBar") {
        AwtHScrollBar(c, W, H);
    } else if (tag == "VScrollBar") {
        AwtVScrollBar(c, W, H);
    } else {
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- Swing

void EtchedEdge(Canvas& c, P W, P H) {
    using namespace swing;
    c.Pen(Dark);
    c.Line(0, 0, W - 2, 0);
    c.Line(0, 0, 0, H - 2);
    c.Line(0, H - 2, W - 1, H - 2);
    c.Line(W - 2, 0, W - 2, H - 2);
    c.Pen(White);
    c.Line(1, 1, W - 2, 1);
    c.Line(1, 1, 1, H - 2);
    c.Line(1, H - 1, W, H - 1);
    c.Line(W - 1, 1, W - 1, H);
}

void EtchedBox(Canvas& c, P W, P H, std::string_view tag) {
    c.Background(swing::Panel);
    EtchedEdge(c, W, H);
    int w = static_cast<int>(W), h = static_cast<int>(H);
    if (tag == "JComboBox") {
        PaintSwingButton(c, w - 19, 2, 17, h - 3, "down", false);
    } else if (tag == "JHScrollBar") {
        PaintSwingButton(c, 0, 0, 17, h - 1, "left", true);
        PaintSwingButton(c, 15, 0, 17, h - 1, "", true);
        PaintSwingButton(c, w - 17, 0, 17, h - 1, "right", true);
    } else if (tag == "JVScrollBar") {
        PaintSwingButton(c, 0, 0, w, 17, "up", true);
        PaintSwingButton(c, 0, 16, w, 17, "", true);
        PaintSwingButton(c, 0, h - 18, w, 17, "down", true);
    }
}

void SwingCheckBox(Canvas& c, P H2) {
    using namespace swing;
    c.Background(Panel);
    c.Pen(Dark);
    c.Line(3, H2 - 7, 15, H2 - 7);
    c.Line(3, H2 - 7, 3, H2 + 4);
    c.Line(3, H2 + 3, 15, H2 + 3);
    c.Line(14, H2 - 7, 14, H2 + 3);
    c.Pen(White);
    c.Line(15, H2 + 4, 15, H2 - 7);
    c.Line(15, H2 + 4, 3, H2 + 4);
    c.Line(4, H2 + 4, 4, H2 - 7);
    c.Line(15, H2 - 6, 3, H2 - 6);
    c.Pen(Panel);
    c.Rect(5, H2 - 5, 14, H2 + 3, Panel);
}

bool PaintSwing(Canvas& c, P W, P H, std::string_view tag) {
    P H2 = H / 2;
    if (Is(tag, {"JTextArea", "JTextField", "JList"})) {
        c.Background(swing::White);
        EtchedEdge(c, W, H);
    } else if (Is(tag, {"JComboBox", "JButton", "JHScrollBar", "JVScrollBar"})) {
        EtchedBox(c, W, H, tag);
    } else if (tag == "JLabel") {
        c.Background(swing::Panel);
        c.Pen(swing::Steel);
        c.Rect(0, 0, W - 1, H - 1, swing::Panel);
    } else if (tag == "JCheckBox") {
        SwingCheckBox(c, H2);
    } else if (tag == "JRadioButton") {
        c.Background(swing::Panel);
        RadioGlyph(c, H2,
                   {swing::Panel, swing::Dark, swing::White, swing::White, swing::Dark, true});
    } else if (Is(tag, {"JScrollPane", "JPanel"})) {
        c.Background(swing::White);
        c.Pen(swing::Dark);
        c.Rect(0, 0, W - 1, H - 1, swing::Panel);
    } else {
        return false;
    }
    return true;
}

// Pixel sizes beyond this are cut down: nothing past it can be on any surface.
constexpr long long kMaxBoxPixels = 1LL << 30;

long long BoundedPixels(double twips) {
    if (std::isnan(twips)) return 0;  // e.g. a resize from an infinite place
    return std::clamp<long long>(TwipsToWholePixels(twips), -kMaxBoxPixels, kMaxBoxPixels);
}

}  // namespace

void PaintAwtButton(Canvas& c, int xi, int yi, int wi, int hi, std::string_view direction) {
    using namespace awt;
    P x = xi, y = yi, w = wi, h = hi;
    c.Pen(Black);
    c.Line(x, y + h, x + w - 1, y + h);
    c.Line(x + w - 1, y + h, x + w - 1, y - 1);
    c.Pen(Shadow);
    c.Line(x + 1, y + h - 1, x + w - 2, y + h - 1);
    c.Line(x + w - 2, y + h - 1, x + w - 2, y);
    c.Pen(Light);
    c.Line(x, y, x + w - 1, y);
    c.Line(x, y, x, y + h);
    c.Pen(White);
    c.Line(x + 1, y + 1, x + w - 2, y + 1);
    c.Line(x + 1, y + 1, x + 1, y + h - 1);
    c.Pen(Face);
    c.Rect(x + 2, y + 2, x + w - 2, y + h - 1, Face);
    c.Pen(Black);
    Arrow(c, x + w / 2, y + h / 2, direction);
}

void PaintSwingButton(Canvas& c, int xi, int yi, int wi, int hi, std::string_view direction,
                      bool edges) {
    using namespace swing;
    P x = xi, y = yi, w = wi, h = hi;
    if (direction.empty()) {
        c.Pen(Steel);
        c.Line(x + 1, y + h - 1, x + w - 2, y + h - 1);
        c.Line(x + w - 2, y + h - 1, x + w - 2, y);
        c.Pen(Steel);
        c.Line(x, y, x + w - 1, y);
        c.Line(x, y + 1, x, y + h);
        c.Pen(ThumbLight);
        c.Line(x + 1, y + 1, x + w - 2, y + 1);
        c.Line(x + 1, y + 1, x + 1, y + h - 1);
        c.Pen(Thumb);
        c.Rect(x + 2, y + 2, x + w - 2, y + h - 1, Thumb);
        return;
    }
    if (direction == "down") {
        if (edges) {
            c.Pen(Dark);
            c.Line(x + 1, y, x + w - 2, y);
            c.Pen(White);
            c.Line(x + 1, y + 1, x + w - 2, y + 1);
        }
    } else if (direction == "left") {
        c.Pen(Dark);
        c.Line(x + w - 2, y + h - 2, x + w - 2, y);
        c.Pen(White);
        c.Line(x + w - 1, y + h - 2, x + w - 1, y);
    } else if (direction == "right") {
        c.Pen(Dark);
        c.Line(x, y + 1, x, y + h);
        c.Pen(White);
        c.Line(x + 1, y + 2, x + 1, y + h - 1);
    } else if (direction == "up") {
        c.Pen(Dark);
        c.Line(x + 1, y + h - 1, x + w - 2, y + h - 1);
        c.Pen(White);
        c.Line(x + 1, y + h, x + w - 2, y + h);
    }
    c.Pen(Black);
    Arrow(c, x + w / 2, y + h / 2, direction);
}

void PaintLook(Canvas& box, int W, int H, std::string_view typeTag) {
    if (!PaintAwt(box, W, H, typeTag)) PaintSwing(box, W, H, typeTag);
}

namespace {

// PaintLook, telling whether the tag had a programme (every programme covers the whole box).
bool PaintKnownLook(Canvas& box, int W, int H, std::string_view typeTag) {
    return PaintAwt(box, W, H, typeTag) || PaintSwing(box, W, H, typeTag);
}

}  // namespace

PixelRect BoxPixels(const ComponentRecord& box) {
    return PixelRect{BoundedPixels(box.Left), BoundedPixels(box.Top), BoundedPixels(box.Width),
                     BoundedPixels(box.Height)};
}

PixelRect BoxPixels(const HandleBox& box) {
    return PixelRect{BoundedPixels(box.Left), BoundedPixels(box.Top), BoundedPixels(box.Width),
                     BoundedPixels(box.Height)};
}

void PaintComponentBox(Canvas& surface, const ComponentRecord& box) {
    PixelRect at = BoxPixels(box);
    if (at.Empty()) return;
    surface.SetWindow(at);
    // The box starts with the system colours; a tag without a programme shows just that
    // background (every programme covers the whole box itself).
    surface.Pen(systemcolour::WindowText);
    if (!PaintKnownLook(surface, static_cast<int>(at.width), static_cast<int>(at.height),
                        box.ComponentType))
        surface.Background(systemcolour::WindowBackground);
    surface.ResetWindow();
}

}  // namespace korvane
