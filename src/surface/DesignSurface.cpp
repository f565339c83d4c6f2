#include "surface/DesignSurface.h"

#include <algorithm>
#include <string>

#include "mainwindow/MDIForm1.h"
#include "platform/Conversions.h"
#include "surface/GridSnap.h"

namespace korvane {
namespace {

// A press point as the 16-bit whole twips the drag fields hold.
int WholeTwips(float v) {
    return RoundToInt16Clamped(v);
}

bool IsCorner(int k) {
    return k >= 1 && k <= 4;
}

}  // namespace

DesignSurface::DesignSurface(Form1& form, MDIForm1* main) : form_(form), main_(main) {}

bool DesignSurface::ToolArmed() const {
    return main_ && main_->palettes.ToolArmed();
}

bool DesignSurface::ArmedPointer() {
    if (ToolArmed()) {
        MousePointer = Pointer::Crosshair;
        return true;
    }
    MousePointer = Pointer::Default;
    return false;
}

void DesignSurface::ReleasePaletteTools(int button, int shift, float x, float y) {
    Palettes& p = main_->palettes;
    if (p.ToolbarDEL_Button_pressed != 0) {
        p.ToolbarDEL_Button_pressed = 0;
        p.Inicializa_ToolBarDEL();
    }
    if (p.Toolbar_ButtonMenu_pressed != 0) {
        p.Toolbar_ButtonMenu_pressed = 0;
        p.Inicializa_ToolBar_Menu();
    }
    p.Picture_Toolbar_MouseMove(button, shift, x, y);
}

bool DesignSurface::InsertWithArmedTool() {
    if (!main_) return false;
    const Palettes& p = main_->palettes;
    int before = Doc().Objects_Count();
    if (p.Toolbar_Button_pressed != 0) {
        MousePointer = Pointer::Crosshair;
        form_.Corners_Show(false);
        main_->Insert_Control(p.Toolbar_Button_pressed);
    } else if (p.Toolbar_ButtonSwing_pressed != 0) {
        MousePointer = Pointer::Crosshair;
        form_.Corners_Show(false);
        main_->Insert_Control_Swing(p.Toolbar_ButtonSwing_pressed);
    } else {
        return false;
    }
    // Only a component that was really added is placed and selected.
    if (Doc().Objects_Count() > before)
        Picture_Control__Alinea(Doc().Objects_Count(), Doc().Insert_X, Doc().Insert_Y);
    return true;
}

// ---------------------------------------------------------------- component boxes

void DesignSurface::Picture_Control_Click(int index) {
    if (toggled_) return;
    if (main_) {
        if (InsertWithArmedTool()) return;
        MousePointer = Pointer::Default;
    }
    form_.SelectSlot(index);
}

void DesignSurface::Picture_Control_MouseDown(int index, int button, int shift, float x, float y) {
    DesignDocument& doc = Doc();
    if (!doc.IsSlot(index)) return;
    const ComponentRecord& box = doc.Slot(index);
    doc.Insert_X = box.Left + x;
    doc.Insert_Y = box.Top + y;
    toggled_ = false;
    dragSlots_.clear();
    if (main_ && ArmedPointer()) return;
    if (button == kLeftButton && (shift & kCtrlMask)) {
        form_.ToggleSelection(index);
        toggled_ = true;
        return;
    }
    Picture_Control_Click(index);
    if (button == kRightButton) {
        if (DocumentView* view = form_.View()) view->ShowPopupMenu("menuControl");
        if (!doc.IsLive(doc.Active_Object_Index)) form_.Corners_Show(false);
    }
    if (button == kLeftButton) {
        const ComponentRecord& pressed = doc.Slot(index);
        Drag_Start_Left = pressed.Left;
        Drag_Start_Top = pressed.Top;
        doc.Picture_Control_X_Down = WholeTwips(x);
        doc.Picture_Control_Y_Down = WholeTwips(y);
        doc.isMouseDown = true;
        form_.Corners_Show(false);
        dragSlots_ = form_.SelectedSlots();
        dragBefore_.clear();
        dragBefore_.reserve(dragSlots_.size());
        for (size_t k = 0; k < dragSlots_.size(); ++k) {
            if (dragSlots_[k] == index) pressedAt_ = k;
            dragBefore_.push_back(GeometryOf(doc.Slot(dragSlots_[k])));
        }
    }
}

void DesignSurface::Picture_Control_MouseMove(int index, int button, int shift, float x, float y) {
    if (main_) {
        if (ArmedPointer()) return;
        ReleasePaletteTools(button, shift, x, y);
    }
    if (Doc().isMouseDown) form_.Corners_Show(false);
    Control_Drag(index, x, y);
}

void DesignSurface::Picture_Control_MouseUp(int index, int /*button*/, int /*shift*/, float /*x*/,
                                            float /*y*/) {
    if (main_ && ArmedPointer()) return;
    if (!Doc().IsSlot(index) || toggled_) return;
    Control_Drop(index);
    FinishGroupDrag(index);
    Doc().Active_Object_Index = index;
    form_.Corners_Place();
    form_.Corners_Show(true);
    if (main_) form_.Show_Data(index);
}

void DesignSurface::FinishGroupDrag(int index) {
    DesignDocument& doc = Doc();
    if (dragSlots_.empty() || dragSlots_[pressedAt_] != index) {
        dragSlots_.clear();
        return;
    }
    const BoxGeometry& start = dragBefore_[pressedAt_];
    const ComponentRecord& pressed = doc.Slot(index);
    const float dx = pressed.Left - start.Left, dy = pressed.Top - start.Top;
    const bool moved = GeometryOf(pressed) != start;
    for (size_t k = 0; k < dragSlots_.size(); ++k) {
        if (k == pressedAt_) continue;
        ComponentRecord& other = doc.MutableSlot(dragSlots_[k]);
        other.Left = dragBefore_[k].Left + dx;
        other.Top = dragBefore_[k].Top + dy;
    }
    if (moved) {
        std::string what = dragSlots_.size() == 1
                               ? pressed.ComponentName
                               : std::to_string(dragSlots_.size()) + " components";
        DesignChange change("Move " + what);
        change.NoteGeometry(doc, dragSlots_, dragBefore_);
        form_.Record(std::move(change));
    } else if (dragSlots_.size() > 1) {
        // A plain click on one of several selected keeps only that one.
        form_.SelectSlots({index}, index);
    }
    dragSlots_.clear();
    dragBefore_.clear();
}

void DesignSurface::Picture_Control__Alinea(int index, float /*x*/, float /*y*/) {
    Control_Drop(index);
    Doc().Active_Object_Index = index;
    form_.Corners_Place();
    form_.Corners_Show(true);
}

void DesignSurface::Control_Drag(int index, float x, float y) {
    DesignDocument& doc = Doc();
    if (!doc.isMouseDown || !doc.IsSlot(index)) return;
    ComponentRecord& c = doc.MutableSlot(index);
    c.Left = c.Left + x - static_cast<float>(doc.Picture_Control_X_Down);
    c.Top = c.Top + y - static_cast<float>(doc.Picture_Control_Y_Down);
    // The other selected components keep their offsets from the pressed one.
    if (dragSlots_.size() < 2 || dragSlots_[pressedAt_] != index) return;
    const float dx = c.Left - dragBefore_[pressedAt_].Left;
    const float dy = c.Top - dragBefore_[pressedAt_].Top;
    for (size_t k = 0; k < dragSlots_.size(); ++k) {
        if (k == pressedAt_) continue;
        ComponentRecord& other = doc.MutableSlot(dragSlots_[k]);
        other.Left = dragBefore_[k].Left + dx;
        other.Top = dragBefore_[k].Top + dy;
    }
}

void DesignSurface::Control_Drop(int index) {
    DesignDocument& doc = Doc();
    doc.isMouseDown = false;
    if (!doc.IsSlot(index)) return;
    ComponentRecord& c = doc.MutableSlot(index);
    int G = GridStep(doc.GridSize);
    if (doc.GridAlign && G >= 1) {
        c.Left = SnapPosition(c.Left, G);
        c.Top = SnapPosition(c.Top, G);
        c.Width = SnapWidth(c.Width, G);
        c.Height = SnapHeight(c.Height, G);
    }
    if (c.Left != Drag_Start_Left || c.Top != Drag_Start_Top) doc.isModified = true;
}

// ---------------------------------------------------------------- handles

void DesignSurface::Picture_Corner_MouseDown(int /*corner*/, int /*button*/, int /*shift*/, float x,
                                             float y) {
    DesignDocument& doc = Doc();
    doc.Picture_Control_X_Down = WholeTwips(x);
    doc.Picture_Control_Y_Down = WholeTwips(y);
    doc.isMouseDown = true;
    doc.isValidSize = true;
    resizeSlot_ = doc.IsSlot(doc.Active_Object_Index) ? doc.Active_Object_Index : 0;
    if (resizeSlot_) resizeBefore_ = GeometryOf(doc.Slot(resizeSlot_));
}

void DesignSurface::Picture_Corner_MouseMove(int corner, int /*button*/, int /*shift*/, float x,
                                             float y) {
    if (!IsCorner(corner)) return;
    CornerPointer[corner] = (corner == 1 || corner == 4) ? Pointer::SizeNWSE : Pointer::SizeNESW;
    Corner_Drag(corner, x, y);
    if (Doc().isMouseDown) Doc().isModified = true;
    Resize_From_Corner(corner);
}

void DesignSurface::Picture_Corner_MouseUp(int corner, int /*button*/, int /*shift*/, float /*x*/,
                                           float /*y*/) {
    if (!IsCorner(corner)) return;
    Corner_Snap(corner);
    Resize_From_Corner(corner);
    Control_Drop(Doc().Active_Object_Index);
    form_.Corners_Place();
    Doc().isMouseDown = false;
    if (resizeSlot_ && Doc().IsSlot(resizeSlot_)) {
        DesignChange change("Resize " + Doc().Slot(resizeSlot_).ComponentName);
        change.NoteGeometry(Doc(), {resizeSlot_}, {resizeBefore_});
        form_.Record(std::move(change));
    }
    resizeSlot_ = 0;
}

void DesignSurface::Corner_Drag(int corner, float x, float y) {
    DesignDocument& doc = Doc();
    if (!IsCorner(corner) || !doc.isMouseDown) return;
    if (!doc.isValidSize) {
        CornerPointer[corner] = Pointer::Default;
        return;
    }
    HandleBox& h = doc.Picture_Corner[corner];
    h.Left = h.Left + x - static_cast<float>(doc.Picture_Control_X_Down);
    h.Top = h.Top + y - static_cast<float>(doc.Picture_Control_Y_Down);
}

void DesignSurface::Corner_Snap(int corner) {
    DesignDocument& doc = Doc();
    int G = GridStep(doc.GridSize);
    if (!IsCorner(corner) || !doc.GridAlign || G < 1) return;
    HandleBox& h = doc.Picture_Corner[corner];
    bool leftEdge = corner == 1 || corner == 3;
    bool topEdge = corner == 1 || corner == 2;
    h.Left = SnapHandle(h.Left, leftEdge ? h.Width : 0.0f, G);
    h.Top = SnapHandle(h.Top, topEdge ? h.Height : 0.0f, G);
}

void DesignSurface::Resize_From_Corner(int corner) {
    DesignDocument& doc = Doc();
    if (!IsCorner(corner) || !doc.isMouseDown || !doc.IsSlot(doc.Active_Object_Index)) return;
    ComponentRecord& c = doc.MutableSlot(doc.Active_Object_Index);
    const HandleBox& h = doc.Picture_Corner[corner];
    float G = static_cast<float>(GridStep(doc.GridSize));
    float width, height;
    if (corner == 1 || corner == 3) {
        float oldLeft = c.Left;
        c.Left = h.Left + h.Width;
        width = oldLeft + c.Width - c.Left;
    } else {
        width = h.Left - c.Left;
    }
    if (corner == 1 || corner == 2) {
        float oldTop = c.Top;
        c.Top = h.Top + h.Height;
        height = oldTop + c.Height - c.Top;
    } else {
        height = h.Top - c.Top;
    }
    if (width >= G) {
        c.Width = width;
    } else {
        c.Width = G;
        doc.isValidSize = false;
    }
    if (height >= G) {
        c.Height = height;
    } else {
        c.Height = G;
        doc.isValidSize = false;
    }
    form_.Corners_Place();
}

// ---------------------------------------------------------------- the surface

void DesignSurface::Picture_Back_MouseDown(int button, int shift, float x, float y) {
    Doc().Insert_X = x;
    Doc().Insert_Y = y;
    banding_ = false;
    if (main_ && ArmedPointer()) return;
    form_.Form_MouseDown(button, shift, x, y);
    if (button == kLeftButton) {
        banding_ = true;
        band_ = Band{x, y, x, y};
    }
}

void DesignSurface::Picture_Back_MouseUp(int /*button*/, int /*shift*/, float x, float y) {
    if (!banding_) return;
    banding_ = false;
    band_.x1 = x;
    band_.y1 = y;
    const float left = std::min(band_.x0, band_.x1), right = std::max(band_.x0, band_.x1);
    const float top = std::min(band_.y0, band_.y1), bottom = std::max(band_.y0, band_.y1);
    // A press and release at one point is a click, not a band.
    if (right - left < 1 && bottom - top < 1) return;
    const DesignDocument& doc = Doc();
    std::vector<int> touched;
    for (int i = 1; i <= doc.Objects_Count(); ++i) {
        if (!doc.IsLive(i)) continue;
        const ComponentRecord& c = doc.Slot(i);
        if (c.Left <= right && c.Left + c.Width >= left && c.Top <= bottom &&
            c.Top + c.Height >= top)
            touched.push_back(i);
    }
    if (!touched.empty()) form_.SelectSlots(touched);
}

void DesignSurface::Picture_Back_Click() {
    if (!main_) return;
    if (!InsertWithArmedTool()) MousePointer = Pointer::Default;
}

void DesignSurface::Picture_Back_MouseMove(int button, int shift, float x, float y) {
    if (banding_ && (button & kLeftButton)) {
        band_.x1 = x;
        band_.y1 = y;
    }
    if (!main_ || ArmedPointer()) return;
    ReleasePaletteTools(button, shift, x, y);
}

}  // namespace korvane
