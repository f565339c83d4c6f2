// The component palettes of the main window's left panel: AWT, Swing and delete.
//
// Each button is a 25 x 25 pixel box holding a 24 x 24 image and four border lines, drawn in
// one of three looks: normal (flat), highlighted (raised, under the mouse) and pressed
// (sunken, image one pixel down and right). The number of the pressed AWT or Swing button is
// the armed insertion tool (0 = the pointer button).
#pragma once

#include <array>
#include <string_view>

#include "platform/Canvas.h"

namespace korvane {

class MDIForm1;

struct PaletteEntry {
    std::string_view tooltip;
    std::string_view tag;
};

// Palette button numbers 1..13 (AWT) and 1..12 (Swing) with their tooltips and kinds.
const PaletteEntry* AwtPaletteEntry(int index);
const PaletteEntry* SwingPaletteEntry(int index);

enum class PaletteKind { Awt, Swing, Delete };

namespace palettecolour {
inline constexpr Rgb Back{224, 224, 224};
inline constexpr Rgb Line{192, 192, 192};
inline constexpr Rgb PressedBack{192, 192, 192};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
}  // namespace palettecolour

inline constexpr float kPaletteButtonSize = 375;  // twips
inline constexpr float kPaletteImageSize = 360;   // twips (24 pixels)
inline constexpr float kPalettePanelWidth = 945;  // twips

// What one button shows: its four border lines, its background and where its image sits.
struct ButtonLook {
    Rgb Line_Top = palettecolour::Line;
    Rgb Line_Left = palettecolour::Line;
    Rgb Line_Bottom = palettecolour::Line;
    Rgb Line_Right = palettecolour::Line;
    Rgb BackColor = palettecolour::Back;
    float ImageLeft = 0;  // twips inside the box
    float ImageTop = 0;
    friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// One button of a palette: its look, its place in the panel (twips) and whether it is shown.
struct PaletteButton {
    ButtonLook look;
    float Left = 0;
    float Top = 0;
    bool Visible = true;
};

class Palettes {
  public:
    Palettes();

    int Toolbar_Button_pressed = 0;
    int Toolbar_ButtonSwing_pressed = 0;
    int Toolbar_ButtonMenu_pressed = 0;
    int ToolbarDEL_Button_pressed = 0;
    int Max_Buttons_AWT = 13;
    int Max_Buttons_Swing = 12;
    int Max_Buttons_Menu = 0;
    int Max_Buttons_DEL = 1;

    // Whether the buttons' images take clicks (only while a document is open).
    bool ButtonsEnabled = true;
    // Which of the AWT and Swing palettes is shown.
    bool AwtVisible = false;
    bool SwingVisible = true;
    // The checks of the palette menu's entries "AWT " and "Swing".
    bool OptionToolbarAWT_Checked = false;
    bool OptionToolbarSwing1_Checked = true;

    // Buttons by number: AWT 0..13, Swing 0..12, delete 1..2 (element 0 unused).
    std::array<PaletteButton, 14> awt;
    std::array<PaletteButton, 13> swing;
    std::array<PaletteButton, 3> del;

    bool ToolArmed() const {
        return Toolbar_Button_pressed != 0 || Toolbar_ButtonSwing_pressed != 0;
    }

    // The main window the buttons insert into and delete through; null leaves them inert.
    void SetOwner(MDIForm1* owner) { owner_ = owner; }
    // The palettes at start-up: reset, pointers pressed, Swing laid out and shown.
    void StartUp();

    // --- looks ---
    void boton_normal(int k);
    void boton_presionado(int k);
    void boton_resaltado(int k);
    void boton_swing_normal(int k);
    void boton_swing_presionado(int k);
    void boton_swing_resaltado(int k);
    void boton_normal_DEL(int k);
    void boton_presionado_DEL(int k);
    void boton_resaltado_DEL(int k);
    // The menu palette has no buttons.
    void boton_menu_normal(int) {}
    void boton_menu_presionado(int) {}
    void boton_menu_resaltado(int) {}
    void Inicializa_ToolBar();
    void Inicializa_ToolBar_Swing();
    void Inicializa_ToolBarDEL();
    void Inicializa_ToolBar_Menu() {}

    // --- showing and placing ---
    void Toolbar_AWT_Visibility(bool visible);
    void Toolbar_Swing_Visibility(bool visible);
    void Activa_Toolbar(std::string_view kind);
    void Toolbar_Swing_Position();
    float SwingTitleLeft = 15;
    float SwingLabelLeft = 105;

    // --- mouse on the buttons ---
    void ImageToolbar_MouseMove(int k);
    void ImageToolbar_MouseDown(int k);
    void ImageToolbar_Click(int k);
    void Image_SwingButton_MouseMove(int k);
    void Image_SwingButton_MouseDown(int k);
    void Image_SwingButton_Click(int k);
    void ImageToolbarDEL_MouseMove(int k);
    void ImageToolbarDEL_MouseDown(int k);
    void ImageToolbarDEL_Click(int k);
    // The mouse over the panel's background.
    void Picture_Toolbar_MouseMove(int button, int shift, float x, float y);

    // --- switching palettes ---
    // The "AWT" and "Swing" title labels and the palette-menu button open menuToolbar.
    void LabelToolbar_Click();
    void Picture_MenuToolbar_Click();
    void OptionToolbarAWT_Click();
    void OptionToolbarSwing1_Click();
    void OptionToolbarSwing2_Click() {}

  private:
    void OpenPaletteMenu();

    MDIForm1* owner_ = nullptr;
};

// The picture of a button (24 x 24 pixels) at (x, y) of the canvas: AWT and Swing buttons by
// number (0 = the pointer), the delete button as 1.
void PaintButtonImage(Canvas& canvas, long long x, long long y, PaletteKind kind, int k);
// A whole button (25 x 25 pixels) with its top-left corner at (x, y): background, image, lines.
void PaintPaletteButton(Canvas& canvas, long long x, long long y, const ButtonLook& look,
                        PaletteKind kind, int k);
// The 10 x 10 pixel glyph of the palette-menu button at (x, y).
void PaintPaletteMenuGlyph(Canvas& canvas, long long x, long long y);

}  // namespace korvane
