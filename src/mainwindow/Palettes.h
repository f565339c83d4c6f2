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

class MainController;

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
    Rgb TopLine = palettecolour::Line;
    Rgb LeftLine = palettecolour::Line;
    Rgb BottomLine = palettecolour::Line;
    Rgb RightLine = palettecolour::Line;
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

    int ArmedAwtButton = 0;
    int ArmedSwingButton = 0;
    int PressedMenuButton = 0;
    int PressedDeleteButton = 0;
    int AwtButtonCount = 13;
    int SwingButtonCount = 12;
    int MenuButtonCount = 0;
    int DeleteButtonCount = 1;

    // Whether the buttons' images take clicks (only while a document is open).
    bool ButtonsEnabled = true;
    // Which of the AWT and Swing palettes is shown.
    bool AwtVisible = false;
    bool SwingVisible = true;
    // The checks of the palette menu's entries "AWT " and "Swing".
    bool AwtMenuChecked = false;
    bool SwingMenuChecked = true;

    // Buttons by number: AWT 0..13, Swing 0..12, delete 1..2 (element 0 unused).
    std::array<PaletteButton, 14> awt;
    std::array<PaletteButton, 13> swing;
    std::array<PaletteButton, 3> del;

    bool ToolArmed() const { return ArmedAwtButton != 0 || ArmedSwingButton != 0; }

    // The main window the buttons insert into and delete through; null leaves them inert.
    void SetOwner(MainController* owner) { owner_ = owner; }
    // The palettes at start-up: reset, pointers pressed, Swing laid out and shown.
    void StartUp();

    // --- looks ---
    void ShowAwtNormal(int k);
    void ShowAwtPressed(int k);
    void ShowAwtRaised(int k);
    void ShowSwingNormal(int k);
    void ShowSwingPressed(int k);
    void ShowSwingRaised(int k);
    void ShowDeleteNormal(int k);
    void ShowDeletePressed(int k);
    void ShowDeleteRaised(int k);
    void ResetAwtPalette();
    void ResetSwingPalette();
    void ResetDeletePalette();

    // --- showing and placing ---
    void ShowAwtPalette(bool visible);
    void ShowSwingPalette(bool visible);
    void ActivatePalette(std::string_view kind);
    void PlaceSwingPalette();
    float SwingTitleLeft = 15;
    float SwingLabelLeft = 105;

    // --- mouse on the buttons ---
    void AwtButtonMouseMove(int k);
    void AwtButtonMouseDown(int k);
    void AwtButtonClick(int k);
    void SwingButtonMouseMove(int k);
    void SwingButtonMouseDown(int k);
    void SwingButtonClick(int k);
    void DeleteButtonMouseMove(int k);
    void DeleteButtonMouseDown(int k);
    void DeleteButtonClick(int k);
    // The mouse over the panel's background.
    void PanelMouseMove(int button, int shift, float x, float y);

    // --- switching palettes ---
    // The "AWT" and "Swing" title labels and the palette-menu button open menuToolbar.
    void PaletteTitleClick();
    void PaletteMenuButtonClick();
    void ChooseAwtPalette();
    void ChooseSwingPalette();

  private:
    void OpenPaletteMenu();

    MainController* owner_ = nullptr;
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
