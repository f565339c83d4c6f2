#include "mainwindow/Palettes.h"

#include "mainwindow/MainController.h"

namespace korvane {
namespace {

constexpr std::array<PaletteEntry, 13> kAwt{{
    {"Label", "Label"},
    {"TextField", "TextBox"},
    {"TextArea", "TextArea"},
    {"Button", "CommandButton"},
    {"Canvas", "PictureBox"},
    {"Checkbox", "CheckBox"},
    {"Radiobutton", "OptionButton"},
    {"Choice", "ComboBox"},
    {"List", "ListBox"},
    {"Scrollbar H", "HScrollBar"},
    {"Scrollbar V", "VScrollBar"},
    {"Panel", "Panel"},
    {"ScrollPane", "ScrollPane"},
}};

constexpr std::array<PaletteEntry, 12> kSwing{{
    {"JLabel", "JLabel"},
    {"JButton", "JButton"},
    {"JTextField", "JTextField"},
    {"JTextArea", "JTextArea"},
    {"JCheckBox", "JCheckBox"},
    {"JRadioButton", "JRadioButton"},
    {"JComboBox", "JComboBox"},
    {"JList", "JList"},
    {"JScrollbar H", "JHScrollBar"},
    {"JScrollbar V", "JVScrollBar"},
    {"JPanel", "JPanel"},
    {"JScrollPane", "JScrollPane"},
}};

constexpr float kLeftColumn = 60;
constexpr float kRightColumn = 465;
constexpr float kFirstRow = 345;
constexpr float kRowStep = 405;
constexpr float kDeleteRow = 3675;
// Where the Swing buttons are stored before PlaceSwingPalette moves them.
constexpr float kSwingStoredLeft = 1110;

// AWT button number -> (column, row) in the panel.
struct Cell {
    int column, row;
};
constexpr std::array<Cell, 14> kAwtCells{{
    {0, 0},  // 0 the pointer, under Label
    {0, 0},  // 1 Label
    {0, 1},  // 2 TextField
    {1, 1},  // 3 TextArea
    {1, 0},  // 4 Button
    {0, 6},  // 5 Canvas
    {0, 2},  // 6 Checkbox
    {1, 2},  // 7 Radiobutton
    {0, 3},  // 8 Choice
    {1, 3},  // 9 List
    {0, 4},  // 10 Scrollbar H
    {1, 4},  // 11 Scrollbar V
    {0, 5},  // 12 Panel
    {1, 5},  // 13 ScrollPane
}};

float ColumnLeft(int column) {
    return column == 0 ? kLeftColumn : kRightColumn;
}

}  // namespace

const PaletteEntry* AwtPaletteEntry(int index) {
    return index >= 1 && index <= 13 ? &kAwt[static_cast<size_t>(index - 1)] : nullptr;
}

const PaletteEntry* SwingPaletteEntry(int index) {
    return index >= 1 && index <= 12 ? &kSwing[static_cast<size_t>(index - 1)] : nullptr;
}

Palettes::Palettes() {
    for (size_t k = 0; k < awt.size(); ++k) {
        awt[k].Left = ColumnLeft(kAwtCells[k].column);
        awt[k].Top = kFirstRow + kRowStep * static_cast<float>(kAwtCells[k].row);
        awt[k].Visible = false;
    }
    for (size_t k = 0; k < swing.size(); ++k) {
        swing[k].Left = kSwingStoredLeft + (k % 2 == 0 ? kRowStep : 0.0f);
        swing[k].Top = kFirstRow + kRowStep * static_cast<float>(k == 0 ? 0 : (k - 1) / 2);
    }
    swing[0].Left = kSwingStoredLeft;
    del[1].Left = kLeftColumn;
    del[2].Left = kRightColumn;
    del[1].Top = del[2].Top = kDeleteRow;
    del[0].Visible = del[2].Visible = false;
}

void Palettes::StartUp() {
    AwtButtonCount = 13;
    ResetAwtPalette();
    ArmedAwtButton = 0;
    ShowAwtPressed(0);
    SwingButtonCount = 12;
    ResetSwingPalette();
    ArmedSwingButton = 0;
    ShowSwingPressed(0);
    DeleteButtonCount = 1;
    ResetDeletePalette();
    PressedDeleteButton = 0;
    PlaceSwingPalette();
    ActivatePalette("Swing1");
}

// ---------------------------------------------------------------- looks

namespace {

template <size_t N>
void Normal(std::array<PaletteButton, N>& buttons, int k) {
    if (k < 0 || static_cast<size_t>(k) >= N) return;
    ButtonLook& b = buttons[static_cast<size_t>(k)].look;
    b.TopLine = b.LeftLine = b.BottomLine = b.RightLine = palettecolour::Line;
    if (b.ImageLeft != 0 || b.ImageTop != 0) {
        b.BackColor = palettecolour::Back;
        b.ImageLeft = b.ImageTop = 0;
    }
}

template <size_t N>
void Pressed(std::array<PaletteButton, N>& buttons, int k) {
    if (k < 0 || static_cast<size_t>(k) >= N) return;
    ButtonLook& b = buttons[static_cast<size_t>(k)].look;
    b.TopLine = b.LeftLine = palettecolour::Black;
    b.RightLine = b.BottomLine = palettecolour::White;
    b.BackColor = palettecolour::PressedBack;
    b.ImageLeft = b.ImageTop = 15;
}

template <size_t N>
void Highlighted(std::array<PaletteButton, N>& buttons, int k) {
    if (k < 0 || static_cast<size_t>(k) >= N) return;
    ButtonLook& b = buttons[static_cast<size_t>(k)].look;
    b.TopLine = b.LeftLine = palettecolour::White;
    b.RightLine = b.BottomLine = palettecolour::Black;
}

}  // namespace

void Palettes::ShowAwtNormal(int k) {
    Normal(awt, k);
}
void Palettes::ShowAwtPressed(int k) {
    Pressed(awt, k);
}
void Palettes::ShowAwtRaised(int k) {
    Highlighted(awt, k);
}
void Palettes::ShowSwingNormal(int k) {
    Normal(swing, k);
}
void Palettes::ShowSwingPressed(int k) {
    Pressed(swing, k);
}
void Palettes::ShowSwingRaised(int k) {
    Highlighted(swing, k);
}
void Palettes::ShowDeleteNormal(int k) {
    Normal(del, k);
}
void Palettes::ShowDeletePressed(int k) {
    Pressed(del, k);
}
void Palettes::ShowDeleteRaised(int k) {
    Highlighted(del, k);
}

void Palettes::ResetAwtPalette() {
    for (int k = 0; k <= AwtButtonCount && k < static_cast<int>(awt.size()); ++k)
        awt[static_cast<size_t>(k)].look = ButtonLook{};
}

void Palettes::ResetSwingPalette() {
    for (int k = 0; k <= SwingButtonCount && k < static_cast<int>(swing.size()); ++k)
        swing[static_cast<size_t>(k)].look = ButtonLook{};
}

void Palettes::ResetDeletePalette() {
    del[1].look = ButtonLook{};
    del[2].look = ButtonLook{};
}

// ---------------------------------------------------------------- showing and placing

void Palettes::ShowAwtPalette(bool visible) {
    AwtVisible = visible;
    for (int k = 0; k <= AwtButtonCount && k < static_cast<int>(awt.size()); ++k)
        awt[static_cast<size_t>(k)].Visible = visible;
}

void Palettes::ShowSwingPalette(bool visible) {
    SwingVisible = visible;
    for (int k = 0; k <= SwingButtonCount && k < static_cast<int>(swing.size()); ++k)
        swing[static_cast<size_t>(k)].Visible = visible;
}

void Palettes::ActivatePalette(std::string_view kind) {
    if (kind == "AWT") {
        ShowAwtPalette(true);
        ShowSwingPalette(false);
    } else if (kind == "Swing1") {
        ShowAwtPalette(false);
        ShowSwingPalette(true);
    }
}

void Palettes::PlaceSwingPalette() {
    for (size_t k = 1; k < swing.size(); ++k)
        swing[k].Left = k % 2 == 1 ? kLeftColumn : kRightColumn;
    SwingTitleLeft = 15;
    SwingLabelLeft = 105;
}

// ---------------------------------------------------------------- mouse on the buttons

void Palettes::AwtButtonMouseMove(int k) {
    for (int a = 0; a <= AwtButtonCount; ++a) {
        if (a == ArmedAwtButton) continue;
        if (a == k)
            ShowAwtRaised(a);
        else
            ShowAwtNormal(a);
    }
}

void Palettes::AwtButtonMouseDown(int k) {
    ShowAwtPressed(k);
    ArmedAwtButton = k;
    AwtButtonMouseMove(k);
}

void Palettes::AwtButtonClick(int k) {
    ShowAwtPressed(k);
    ArmedAwtButton = k;
    if (k < 1 || k > AwtButtonCount || !owner_ || !owner_->DocumentLoaded()) return;
    DesignDocument& doc = owner_->Document().doc;
    doc.InsertX = doc.InsertY = static_cast<float>(doc.GridSize);
    owner_->InsertAwtButton(k);
}

void Palettes::SwingButtonMouseMove(int k) {
    for (int a = 0; a <= SwingButtonCount; ++a) {
        if (a == ArmedSwingButton) continue;
        if (a == k)
            ShowSwingRaised(a);
        else
            ShowSwingNormal(a);
    }
}

void Palettes::SwingButtonMouseDown(int k) {
    ShowSwingPressed(k);
    ArmedSwingButton = k;
    SwingButtonMouseMove(k);
}

void Palettes::SwingButtonClick(int k) {
    ShowSwingPressed(k);
    ArmedSwingButton = k;
    if (k < 1 || k > SwingButtonCount || !owner_ || !owner_->DocumentLoaded()) return;
    DesignDocument& doc = owner_->Document().doc;
    doc.InsertX = doc.InsertY = static_cast<float>(doc.GridSize);
    owner_->InsertSwingButton(k);
}

void Palettes::DeleteButtonMouseMove(int k) {
    for (int a = 1; a <= 2; ++a) {
        if (a == PressedDeleteButton) continue;
        if (a == k)
            ShowDeleteRaised(a);
        else
            ShowDeleteNormal(a);
    }
}

void Palettes::DeleteButtonMouseDown(int k) {
    ShowDeletePressed(k);
    PressedDeleteButton = k;
    DeleteButtonMouseMove(k);
    if (ArmedAwtButton != 0) {
        ArmedAwtButton = 0;
        ResetAwtPalette();
    }
}

void Palettes::DeleteButtonClick(int k) {
    ShowDeleteNormal(k);
    if (PressedDeleteButton == 1) {
        PressedDeleteButton = 0;
        if (owner_ && owner_->DocumentLoaded()) {
            DocumentController& form = owner_->Document();
            form.editor.DeleteSelection();
            if (!form.doc.IsLive(form.doc.ActiveSlot)) form.selection.ShowHandles(false);
            form.NotifyChanged();
        }
    }
    ShowDeleteRaised(k);
}

void Palettes::PanelMouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    for (int a = 0; a <= AwtButtonCount; ++a)
        if (a != ArmedAwtButton) ShowAwtNormal(a);
    for (int a = 0; a <= SwingButtonCount; ++a)
        if (a != ArmedSwingButton) ShowSwingNormal(a);
    PressedDeleteButton = 0;
    ShowDeleteNormal(1);
    ShowDeleteNormal(2);
    PressedMenuButton = 0;
}

// ---------------------------------------------------------------- switching palettes

void Palettes::OpenPaletteMenu() {
    if (!owner_ || !owner_->DocumentLoaded()) return;
    if (DocumentView* view = owner_->Document().View()) view->ShowPopupMenu("menuToolbar");
}

void Palettes::PaletteTitleClick() {
    OpenPaletteMenu();
}

void Palettes::PaletteMenuButtonClick() {
    OpenPaletteMenu();
}

void Palettes::ChooseAwtPalette() {
    AwtMenuChecked = true;
    SwingMenuChecked = false;
    ActivatePalette("AWT");
}

void Palettes::ChooseSwingPalette() {
    AwtMenuChecked = false;
    SwingMenuChecked = true;
    ActivatePalette("Swing1");
}

}  // namespace korvane
