// The property inspector of the main window's right panel: the component list's selection
// shown and edited.
#pragma once

namespace korvane {

class Form1;

class Inspector {
public:
    // Clears and disables the inspector (nothing selected).
    void Inicializa_VentanaPropiedades() { shownSlot = 0; }
    // Fills the inspector from the component list's selected entry.
    void Load(Form1& form);

    int shownSlot = 0;  // the slot shown, 0 = none
};

}  // namespace korvane
