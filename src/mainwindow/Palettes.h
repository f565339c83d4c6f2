// The component palettes of the main window's left panel: AWT, Swing and delete.
#pragma once

#include <string_view>

namespace korvane {

struct PaletteEntry {
    std::string_view tooltip;
    std::string_view tag;
};

// Palette button numbers 1..13 (AWT) and 1..12 (Swing) with their tooltips and kinds.
const PaletteEntry* AwtPaletteEntry(int index);
const PaletteEntry* SwingPaletteEntry(int index);

class Palettes {
public:
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

    bool ToolArmed() const { return Toolbar_Button_pressed != 0 || Toolbar_ButtonSwing_pressed != 0; }
};

}  // namespace korvane
