// The pictures of the palette buttons, drawn with the component looks at a small size so that
// each button shows the kind it inserts.
#include "mainwindow/Palettes.h"
#include "surface/PaintControl.h"

namespace korvane {
namespace {

enum class Picture {
    Pointer,
    Label,
    TextField,
    TextArea,
    Button,
    Canvas,
    CheckBox,
    Radio,
    Choice,
    List,
    HBar,
    VBar,
    Panel,
    ScrollPane,
    Delete,
    None
};

Picture AwtPicture(int k) {
    constexpr Picture kByNumber[] = {Picture::Pointer,  Picture::Label,     Picture::TextField,
                                     Picture::TextArea, Picture::Button,    Picture::Canvas,
                                     Picture::CheckBox, Picture::Radio,     Picture::Choice,
                                     Picture::List,     Picture::HBar,      Picture::VBar,
                                     Picture::Panel,    Picture::ScrollPane};
    return k >= 0 && k <= 13 ? kByNumber[k] : Picture::None;
}

Picture SwingPicture(int k) {
    constexpr Picture kByNumber[] = {Picture::Pointer,   Picture::Label,    Picture::Button,
                                     Picture::TextField, Picture::TextArea, Picture::CheckBox,
                                     Picture::Radio,     Picture::Choice,   Picture::List,
                                     Picture::HBar,      Picture::VBar,     Picture::Panel,
                                     Picture::ScrollPane};
    return k >= 0 && k <= 12 ? kByNumber[k] : Picture::None;
}

constexpr Rgb kSelection{10, 36, 106};
constexpr Rgb kTextGrey{96, 96, 96};
constexpr Rgb kDeleteRed{200, 24, 24};

// Draws one look in a box at (x, y) of w x h pixels; the window stays on that box.
void Look(Canvas& c, long long x, long long y, int w, int h, std::string_view tag) {
    c.SetWindow(PixelRect{x, y, w, h});
    PaintLook(c, w, h, tag);
}

void PaintPointer(Canvas& c, long long x, long long y) {
    c.ResetWindow();
    for (long long i = 0; i <= 10; ++i) {
        c.Fill(x + 7, y + 3 + i, x + 8 + i, y + 4 + i, palettecolour::White);
        c.SetPixel(x + 7, y + 3 + i, awt::Black);
        c.SetPixel(x + 7 + i, y + 3 + i, awt::Black);
    }
    c.Pen(awt::Black);
    c.Line(x + 7, y + 14, x + 18, y + 14);
    c.Fill(x + 11, y + 15, x + 13, y + 20, awt::Black);
}

void PaintDelete(Canvas& c, long long x, long long y) {
    c.ResetWindow();
    c.Pen(kDeleteRed);
    for (long long d = 0; d < 2; ++d) {
        c.Line(x + 5 + d, y + 5, x + 20 + d, y + 20);
        c.Line(x + 19 - d, y + 5, x + 4 - d, y + 20);
    }
}

void PaintKind(Canvas& c, long long x, long long y, Picture picture, bool swing) {
    auto tag = [swing](std::string_view awtTag, std::string_view swingTag) {
        return swing ? swingTag : awtTag;
    };
    switch (picture) {
        case Picture::Label:
            Look(c, x + 2, y + 6, 20, 12, tag("Label", "JLabel"));
            c.Pen(awt::Black);
            c.Line(7, 10, 10, 2);
            c.Line(10, 2, 13, 10);
            c.Line(8, 7, 12, 7);
            break;
        case Picture::TextField:
            Look(c, x + 1, y + 6, 22, 12, tag("TextBox", "JTextField"));
            c.Pen(awt::Black);
            c.Line(5, 3, 5, 9);
            break;
        case Picture::TextArea:
            Look(c, x + 2, y + 2, 20, 20, tag("TextArea", "JTextArea"));
            c.Pen(kTextGrey);
            c.Line(4, 5, 15, 5);
            c.Line(4, 9, 13, 9);
            c.Line(4, 13, 15, 13);
            break;
        case Picture::Button:
            Look(c, x + 1, y + 6, 22, 12, tag("CommandButton", "JButton"));
            c.Pen(awt::Black);
            c.Line(7, 5, 15, 5);
            break;
        case Picture::Canvas:
            Look(c, x + 2, y + 3, 20, 18, "PictureBox");
            c.Pen(awt::Shadow);
            c.Line(3, 14, 8, 8);
            c.Line(8, 8, 12, 12);
            c.Line(12, 12, 15, 9);
            c.Line(15, 9, 18, 13);
            break;
        case Picture::CheckBox:
            Look(c, x + 2, y + 4, 18, 16, tag("CheckBox", "JCheckBox"));
            c.Pen(awt::Black);
            c.Line(6, 7, 8, 10);
            c.Line(8, 10, 13, 4);
            break;
        case Picture::Radio:
            Look(c, x + 2, y + 4, 18, 16, tag("OptionButton", "JRadioButton"));
            c.Fill(8, 7, 11, 10, awt::Black);
            break;
        case Picture::Choice:
            Look(c, x + 1, y + 6, 22, 12, tag("TextBox", "JTextField"));
            if (swing)
                PaintSwingButton(c, 12, 2, 9, 8, "down", false);
            else
                PaintAwtButton(c, 12, 2, 9, 8, "down");
            break;
        case Picture::List:
            Look(c, x + 2, y + 2, 20, 20, tag("ListBox", "JList"));
            c.Fill(3, 8, 17, 12, kSelection);
            c.Pen(kTextGrey);
            c.Line(4, 5, 14, 5);
            c.Line(4, 15, 12, 15);
            break;
        case Picture::HBar:
            if (swing) {
                Look(c, x + 1, y + 7, 22, 10, "JButton");
                PaintSwingButton(c, 0, 0, 8, 9, "left", true);
                PaintSwingButton(c, 7, 0, 6, 9, "", true);
                PaintSwingButton(c, 14, 0, 8, 9, "right", true);
            } else {
                c.SetWindow(PixelRect{x + 1, y + 7, 22, 10});
                c.Background(awt::Track);
                PaintAwtButton(c, 0, 0, 8, 9, "left");
                PaintAwtButton(c, 8, 0, 6, 9, "");
                PaintAwtButton(c, 14, 0, 8, 9, "right");
            }
            break;
        case Picture::VBar:
            if (swing) {
                Look(c, x + 7, y + 1, 10, 22, "JButton");
                PaintSwingButton(c, 0, 0, 9, 8, "up", true);
                PaintSwingButton(c, 0, 7, 9, 6, "", true);
                PaintSwingButton(c, 0, 14, 9, 8, "down", true);
            } else {
                c.SetWindow(PixelRect{x + 7, y + 1, 10, 22});
                c.Background(awt::Track);
                PaintAwtButton(c, 0, 0, 9, 8, "up");
                PaintAwtButton(c, 0, 8, 9, 6, "");
                PaintAwtButton(c, 0, 14, 9, 8, "down");
            }
            break;
        case Picture::Panel:
            Look(c, x + 2, y + 3, 20, 18, tag("Panel", "JPanel"));
            c.Pen(swing ? swing::Dark : awt::Shadow);
            c.Rect(5, 5, 14, 12, swing ? swing::White : awt::Light);
            break;
        case Picture::ScrollPane:
            Look(c, x + 2, y + 3, 20, 18, tag("ScrollPane", "JScrollPane"));
            c.Pen(swing ? swing::Dark : awt::Shadow);
            c.Rect(14, 1, 19, 13, swing ? swing::Thumb : awt::Light);
            c.Rect(1, 12, 15, 17, swing ? swing::Thumb : awt::Light);
            break;
        default:
            break;
    }
    c.ResetWindow();
}

}  // namespace

void PaintButtonImage(Canvas& canvas, long long x, long long y, PaletteKind kind, int k) {
    if (kind == PaletteKind::Delete) {
        if (k == 1) PaintDelete(canvas, x, y);
        return;
    }
    bool swing = kind == PaletteKind::Swing;
    Picture picture = swing ? SwingPicture(k) : AwtPicture(k);
    if (picture == Picture::Pointer)
        PaintPointer(canvas, x, y);
    else
        PaintKind(canvas, x, y, picture, swing);
}

void PaintPaletteButton(Canvas& canvas, long long x, long long y, const ButtonLook& look,
                        PaletteKind kind, int k) {
    canvas.ResetWindow();
    canvas.Fill(x, y, x + 25, y + 25, look.BackColor);
    long long ix = x + static_cast<long long>(look.ImageLeft / 15);
    long long iy = y + static_cast<long long>(look.ImageTop / 15);
    PaintButtonImage(canvas, ix, iy, kind, k);
    // The border lines: top (0,0)-(24,0), left (0,0)-(0,24), bottom (0,24)-(25,24) and right
    // (24,0)-(24,24) in pixels.
    canvas.Pen(look.TopLine);
    canvas.Line(x, y, x + 24, y);
    canvas.Pen(look.LeftLine);
    canvas.Line(x, y, x, y + 24);
    canvas.Pen(look.BottomLine);
    canvas.Line(x, y + 24, x + 25, y + 24);
    canvas.Pen(look.RightLine);
    canvas.Line(x + 24, y, x + 24, y + 24);
}

void PaintPaletteMenuGlyph(Canvas& canvas, long long x, long long y) {
    canvas.ResetWindow();
    canvas.Fill(x, y, x + 10, y + 10, palettecolour::Back);
    canvas.Pen(awt::Black);
    for (long long i = 0; i < 4; ++i) canvas.Line(x + 1 + i, y + 3 + i, x + 8 - i, y + 3 + i);
}

}  // namespace korvane
