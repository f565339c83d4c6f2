#include "mainwindow/Palettes.h"

#include "mainwindow/MDIForm1.h"

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
// Where the Swing buttons are stored before Toolbar_Swing_Position moves them.
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
    Max_Buttons_AWT = 13;
    Inicializa_ToolBar();
    Toolbar_Button_pressed = 0;
    boton_presionado(0);
    Max_Buttons_Swing = 12;
    Inicializa_ToolBar_Swing();
    Toolbar_ButtonSwing_pressed = 0;
    boton_swing_presionado(0);
    Max_Buttons_DEL = 1;
    Inicializa_ToolBarDEL();
    ToolbarDEL_Button_pressed = 0;
    Toolbar_Swing_Position();
    Activa_Toolbar("Swing1");
}

// ---------------------------------------------------------------- looks

namespace {

template <size_t N>
void Normal(std::array<PaletteButton, N>& buttons, int k) {
    if (k < 0 || static_cast<size_t>(k) >= N) return;
    ButtonLook& b = buttons[static_cast<size_t>(k)].look;
    b.Line_Top = b.Line_Left = b.Line_Bottom = b.Line_Right = palettecolour::Line;
    if (b.ImageLeft != 0 || b.ImageTop != 0) {
        b.BackColor = palettecolour::Back;
        b.ImageLeft = b.ImageTop = 0;
    }
}

template <size_t N>
void Pressed(std::array<PaletteButton, N>& buttons, int k) {
    if (k < 0 || static_cast<size_t>(k) >= N) return;
    ButtonLook& b = buttons[static_cast<size_t>(k)].look;
    b.Line_Top = b.Line_Left = palettecolour::Black;
    b.Line_Right = b.Line_Bottom = palettecolour::White;
    b.BackColor = palettecolour::PressedBack;
    b.ImageLeft = b.ImageTop = 15;
}

template <size_t N>
void Highlighted(std::array<PaletteButton, N>& buttons, int k) {
    if (k < 0 || static_cast<size_t>(k) >= N) return;
    ButtonLook& b = buttons[static_cast<size_t>(k)].look;
    b.Line_Top = b.Line_Left = palettecolour::White;
    b.Line_Right = b.Line_Bottom = palettecolour::Black;
}

}  // namespace

void Palettes::boton_normal(int k) {
    Normal(awt, k);
}
void Palettes::boton_presionado(int k) {
    Pressed(awt, k);
}
void Palettes::boton_resaltado(int k) {
    Highlighted(awt, k);
}
void Palettes::boton_swing_normal(int k) {
    Normal(swing, k);
}
void Palettes::boton_swing_presionado(int k) {
    Pressed(swing, k);
}
void Palettes::boton_swing_resaltado(int k) {
    Highlighted(swing, k);
}
void Palettes::boton_normal_DEL(int k) {
    Normal(del, k);
}
void Palettes::boton_presionado_DEL(int k) {
    Pressed(del, k);
}
void Palettes::boton_resaltado_DEL(int k) {
    Highlighted(del, k);
}

void Palettes::Inicializa_ToolBar() {
    for (int k = 0; k <= Max_Buttons_AWT && k < static_cast<int>(awt.size()); ++k)
        awt[static_cast<size_t>(k)].look = ButtonLook{};
}

void Palettes::Inicializa_ToolBar_Swing() {
    for (int k = 0; k <= Max_Buttons_Swing && k < static_cast<int>(swing.size()); ++k)
        swing[static_cast<size_t>(k)].look = ButtonLook{};
}

void Palettes::Inicializa_ToolBarDEL() {
    del[1].look = ButtonLook{};
    del[2].look = ButtonLook{};
}

// ---------------------------------------------------------------- showing and placing

void Palettes::Toolbar_AWT_Visibility(bool visible) {
    AwtVisible = visible;
    for (int k = 0; k <= Max_Buttons_AWT && k < static_cast<int>(awt.size()); ++k)
        awt[static_cast<size_t>(k)].Visible = visible;
}

void Palettes::Toolbar_Swing_Visibility(bool visible) {
    SwingVisible = visible;
    for (int k = 0; k <= Max_Buttons_Swing && k < static_cast<int>(swing.size()); ++k)
        swing[static_cast<size_t>(k)].Visible = visible;
}

void Palettes::Activa_Toolbar(std::string_view kind) {
    if (kind == "AWT") {
        Toolbar_AWT_Visibility(true);
        Toolbar_Swing_Visibility(false);
    } else if (kind == "Swing1") {
        Toolbar_AWT_Visibility(false);
        Toolbar_Swing_Visibility(true);
    }
}

void Palettes::Toolbar_Swing_Position() {
    for (size_t k = 1; k < swing.size(); ++k)
        swing[k].Left = k % 2 == 1 ? kLeftColumn : kRightColumn;
    SwingTitleLeft = 15;
    SwingLabelLeft = 105;
}

// ---------------------------------------------------------------- mouse on the buttons

void Palettes::ImageToolbar_MouseMove(int k) {
    for (int a = 0; a <= Max_Buttons_AWT; ++a) {
        if (a == Toolbar_Button_pressed) continue;
        if (a == k)
            boton_resaltado(a);
        else
            boton_normal(a);
    }
}

void Palettes::ImageToolbar_MouseDown(int k) {
    boton_presionado(k);
    Toolbar_Button_pressed = k;
    ImageToolbar_MouseMove(k);
}

void Palettes::ImageToolbar_Click(int k) {
    boton_presionado(k);
    Toolbar_Button_pressed = k;
    if (k < 1 || k > Max_Buttons_AWT || !owner_ || !owner_->DocumentLoaded()) return;
    DesignDocument& doc = owner_->Document().doc;
    doc.Insert_X = doc.Insert_Y = static_cast<float>(doc.GridSize);
    owner_->Insert_Control(k);
}

void Palettes::Image_SwingButton_MouseMove(int k) {
    for (int a = 0; a <= Max_Buttons_Swing; ++a) {
        if (a == Toolbar_ButtonSwing_pressed) continue;
        if (a == k)
            boton_swing_resaltado(a);
        else
            boton_swing_normal(a);
    }
}

void Palettes::Image_SwingButton_MouseDown(int k) {
    boton_swing_presionado(k);
    Toolbar_ButtonSwing_pressed = k;
    Image_SwingButton_MouseMove(k);
}

void Palettes::Image_SwingButton_Click(int k) {
    boton_swing_presionado(k);
    Toolbar_ButtonSwing_pressed = k;
    if (k < 1 || k > Max_Buttons_Swing || !owner_ || !owner_->DocumentLoaded()) return;
    DesignDocument& doc = owner_->Document().doc;
    doc.Insert_X = doc.Insert_Y = static_cast<float>(doc.GridSize);
    owner_->Insert_Control_Swing(k);
}

void Palettes::ImageToolbarDEL_MouseMove(int k) {
    for (int a = 1; a <= 2; ++a) {
        if (a == ToolbarDEL_Button_pressed) continue;
        if (a == k)
            boton_resaltado_DEL(a);
        else
            boton_normal_DEL(a);
    }
}

void Palettes::ImageToolbarDEL_MouseDown(int k) {
    boton_presionado_DEL(k);
    ToolbarDEL_Button_pressed = k;
    ImageToolbarDEL_MouseMove(k);
    if (Toolbar_Button_pressed != 0) {
        Toolbar_Button_pressed = 0;
        Inicializa_ToolBar();
    }
}

void Palettes::ImageToolbarDEL_Click(int k) {
    boton_normal_DEL(k);
    if (ToolbarDEL_Button_pressed == 1) {
        ToolbarDEL_Button_pressed = 0;
        if (owner_ && owner_->DocumentLoaded()) {
            Form1& form = owner_->Document();
            form.OptionControlDelete_Click();
            if (!form.doc.IsLive(form.doc.Active_Object_Index)) form.Corners_Show(false);
            form.NotifyChanged();
        }
    }
    boton_resaltado_DEL(k);
}

void Palettes::Picture_Toolbar_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    for (int a = 0; a <= Max_Buttons_AWT; ++a)
        if (a != Toolbar_Button_pressed) boton_normal(a);
    for (int a = 0; a <= Max_Buttons_Swing; ++a)
        if (a != Toolbar_ButtonSwing_pressed) boton_swing_normal(a);
    ToolbarDEL_Button_pressed = 0;
    boton_normal_DEL(1);
    boton_normal_DEL(2);
    Toolbar_ButtonMenu_pressed = 0;
}

// ---------------------------------------------------------------- switching palettes

void Palettes::OpenPaletteMenu() {
    if (!owner_ || !owner_->DocumentLoaded()) return;
    if (DocumentView* view = owner_->Document().View()) view->ShowPopupMenu("menuToolbar");
}

void Palettes::LabelToolbar_Click() {
    OpenPaletteMenu();
}

void Palettes::Picture_MenuToolbar_Click() {
    OpenPaletteMenu();
}

void Palettes::OptionToolbarAWT_Click() {
    OptionToolbarAWT_Checked = true;
    OptionToolbarSwing1_Checked = false;
    Activa_Toolbar("AWT");
}

void Palettes::OptionToolbarSwing1_Click() {
    OptionToolbarAWT_Checked = false;
    OptionToolbarSwing1_Checked = true;
    Activa_Toolbar("Swing1");
}

}  // namespace korvane
