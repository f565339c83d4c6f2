// The design surface of the document window with the component boxes and the four selection
// handles on it: their mouse handlers, the moving and resizing with grid snapping, and the
// pointer shapes. Positions are twips; the x and y of an event are
// relative to the box, handle or surface that receives it.
#pragma once

#include <array>
#include <vector>

#include "document/DocumentController.h"
#include "surface/PaletteTools.h"

namespace korvane {

// The window system's standard pointers, by their MousePointer numbers.
enum class Pointer { Default = 0, Crosshair = 2, SizeNESW = 6, SizeNWSE = 8 };

class DesignSurface {
  public:
    // palettes are the main window's, or null when it is not there.
    explicit DesignSurface(DocumentController& form, PaletteTools* palettes = nullptr);

    DocumentController& Form() { return form_; }
    DesignDocument& Doc() { return form_.doc; }

    // The document window's pointer, and each handle's own (elements 1..4).
    Pointer MousePointer = Pointer::Default;
    std::array<Pointer, 5> HandlePointer{};

    // Whether a palette tool of the main window is armed.
    bool ToolArmed() const;

    // --- component boxes ---
    void ComponentMouseDown(int index, int button, int shift, float x, float y);
    void ComponentMouseMove(int index, int button, int shift, float x, float y);
    void ComponentMouseUp(int index, int button, int shift, float x, float y);
    void ComponentClick(int index);
    // Finishes placing a component: snapped, handles round it, selected.
    void FinishPlacing(int index, float x, float y);

    // --- handles ---
    void HandleMouseDown(int corner, int button, int shift, float x, float y);
    void HandleMouseMove(int corner, int button, int shift, float x, float y);
    void HandleMouseUp(int corner, int button, int shift, float x, float y);

    // --- the surface itself ---
    void BackgroundMouseDown(int button, int shift, float x, float y);
    void BackgroundClick();
    void BackgroundMouseMove(int button, int shift, float x, float y);
    // The end of a press on the surface: a rubber band drawn since then selects what it
    // touches.
    void BackgroundMouseUp(int button, int shift, float x, float y);

    // The rubber band being drawn, surface twips; Banding() is false when there is none.
    struct Band {
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    };
    bool Banding() const { return banding_; }
    const Band& RubberBand() const { return band_; }

    // The selected slots a left press on a box is moving until the release, or none.
    const std::vector<int>& DragSlots() const { return dragSlots_; }

    // --- moving a box and resizing from a handle ---
    void DragComponent(int index, float x, float y);
    void DropComponent(int index);
    void DragHandle(int corner, float x, float y);
    void SnapDroppedHandle(int corner);
    void ResizeFromHandle(int corner);

  private:
    // The pointer rule shared by the handlers: crosshair while armed (true), else the arrow.
    bool ArmedPointer();
    // Moving over the design releases the palette's delete and menu buttons.
    void ReleasePaletteTools(int button, int shift, float x, float y);
    // An armed tool's insertion at InsertX, InsertY; false when no tool is armed.
    bool InsertWithArmedTool();

    // A drag of the selection ends: the others follow the pressed box, and the move is
    // recorded.
    void FinishGroupDrag(int index);

    DocumentController& form_;
    PaletteTools* main_;
    // The move under way: the selected slots and their geometry at the press (the pressed
    // box, the primary one, at pressedAt_).
    std::vector<int> dragSlots_;
    std::vector<BoxGeometry> dragBefore_;
    size_t pressedAt_ = 0;
    // A Ctrl press changed the selection: the release and click that follow select nothing.
    bool toggled_ = false;
    // The pointer moved since the press on a box or handle: the release is a drop, not a click.
    bool dragged_ = false;
    // The resize under way: the slot and its geometry at the press on a handle.
    int resizeSlot_ = 0;
    BoxGeometry resizeBefore_;
    bool banding_ = false;
    Band band_;
};

// The shift code's bits: Shift 1, Ctrl 2, Alt 4.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;

}  // namespace korvane
