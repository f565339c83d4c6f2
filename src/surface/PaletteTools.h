// What the design surface needs of the component palettes, which belong to the main window:
// whether an insertion tool is armed, inserting with it, and letting go of the palette buttons
// as the mouse moves over the design.
#pragma once

namespace korvane {

class PaletteTools {
  public:
    virtual ~PaletteTools() = default;
    virtual bool ToolArmed() const = 0;
    // Inserts a component of the armed tool's kind at the document's insertion point and
    // disarms the tool; nothing when no tool is armed.
    virtual void InsertWithArmedTool() = 0;
    // The mouse moved over the design: the delete and menu buttons are released and the panel
    // sees the move.
    virtual void ReleasePaletteButtons(int button, int shift, float x, float y) = 0;
};

}  // namespace korvane
