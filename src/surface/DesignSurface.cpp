#include "surface/DesignSurface.h"

#include <algorithm>
#include <string>

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

DesignSurface::DesignSurface(DocumentController& form, PaletteTools* palettes)
    : form_(form), main_(palettes) {}

bool DesignSurface::ToolArmed() const {
    return main_ && main_->ToolArmed();
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
    main_->ReleasePaletteButtons(button, shift, x, y);
}

bool DesignSurface::InsertWithArmedTool() {
    if (!main_ || !main_->ToolArmed()) return false;
    int before = Doc().SlotCount();
    MousePointer = Pointer::Crosshair;
    form_.selection.ShowHandles(false);
    main_->InsertWithArmedTool();
    // Only a component that was really added is placed and selected.
    if (Doc().SlotCount() > before) FinishPlacing(Doc().SlotCount(), Doc().InsertX, Doc().InsertY);
    return true;
}

// ---------------------------------------------------------------- component boxes

void DesignSurface::ComponentClick(int index) {
    if (toggled_) return;
    if (main_) {
        if (InsertWithArmedTool()) return;
        MousePointer = Pointer::Default;
    }
    form_.selection.SelectSlot(index);
}

void DesignSurface::ComponentMouseDown(int index, int button, int shift, float x, float y) {
    DesignDocument& doc = Doc();
    if (!doc.IsSlot(index)) return;
    const ComponentRecord& box = doc.Slot(index);
    doc.InsertX = box.Left + x;
    doc.InsertY = box.Top + y;
    toggled_ = false;
    dragSlots_.clear();
    if (main_ && ArmedPointer()) return;
    if (button == kLeftButton && (shift & kCtrlMask)) {
        form_.selection.ToggleSelection(index);
        toggled_ = true;
        return;
    }
    ComponentClick(index);
    if (button == kRightButton) {
        if (DocumentView* view = form_.View()) view->ShowPopupMenu("menuControl");
        if (!doc.IsLive(doc.ActiveSlot)) form_.selection.ShowHandles(false);
    }
    if (button == kLeftButton) {
        dragged_ = false;
        doc.PressX = WholeTwips(x);
        doc.PressY = WholeTwips(y);
        doc.MouseIsDown = true;
        form_.selection.ShowHandles(false);
        dragSlots_ = form_.selection.SelectedSlots();
        dragBefore_.clear();
        dragBefore_.reserve(dragSlots_.size());
        for (size_t k = 0; k < dragSlots_.size(); ++k) {
            if (dragSlots_[k] == index) pressedAt_ = k;
            dragBefore_.push_back(GeometryOf(doc.Slot(dragSlots_[k])));
        }
    }
}

void DesignSurface::ComponentMouseMove(int index, int button, int shift, float x, float y) {
    if (main_) {
        if (ArmedPointer()) return;
        ReleasePaletteTools(button, shift, x, y);
    }
    if (Doc().MouseIsDown) form_.selection.ShowHandles(false);
    DragComponent(index, x, y);
}

void DesignSurface::ComponentMouseUp(int index, int /*button*/, int /*shift*/, float /*x*/,
                                     float /*y*/) {
    if (main_ && ArmedPointer()) return;
    if (!Doc().IsSlot(index) || toggled_) return;
    // A click without a drag changes nothing: an off-grid box stays where it is.
    if (dragged_) {
        DropComponent(index);
    } else {
        Doc().MouseIsDown = false;
    }
    FinishGroupDrag(index);
    form_.selection.ShowPrimary(index);
    if (main_) form_.list.ShowInList(index);
}

void DesignSurface::FinishGroupDrag(int index) {
    DesignDocument& doc = Doc();
    if (dragSlots_.empty() || dragSlots_[pressedAt_] != index) {
        dragSlots_.clear();
        return;
    }
    const BoxGeometry& start = dragBefore_[pressedAt_];
    const ComponentRecord& pressed = doc.Slot(index);
    float dx = pressed.Left - start.Left, dy = pressed.Top - start.Top;
    if (doc.GridAlign && dragSlots_.size() > 1) {
        // The group stops at the left and top edges as the pressed box alone does.
        for (const BoxGeometry& g : dragBefore_) {
            dx = std::max(dx, -g.Left);
            dy = std::max(dy, -g.Top);
        }
    }
    for (size_t k = 0; k < dragSlots_.size(); ++k) {
        if (k == pressedAt_ && dragSlots_.size() == 1) continue;
        ComponentRecord& other = doc.MutableSlot(dragSlots_[k]);
        other.Left = dragBefore_[k].Left + dx;
        other.Top = dragBefore_[k].Top + dy;
    }
    const bool moved = GeometryOf(pressed) != start;
    if (moved) {
        std::string what = dragSlots_.size() == 1
                               ? pressed.ComponentName
                               : std::to_string(dragSlots_.size()) + " components";
        DesignChange change("Move " + what);
        change.NoteGeometry(doc, dragSlots_, dragBefore_);
        form_.editor.Record(std::move(change));
    } else if (dragSlots_.size() > 1) {
        // A plain click on one of several selected keeps only that one.
        form_.selection.SelectSlots({index}, index);
    }
    dragSlots_.clear();
    dragBefore_.clear();
}

void DesignSurface::FinishPlacing(int index, float /*x*/, float /*y*/) {
    DropComponent(index);
    form_.selection.ShowPrimary(index);
}

void DesignSurface::DragComponent(int index, float x, float y) {
    DesignDocument& doc = Doc();
    if (!doc.MouseIsDown || !doc.IsSlot(index)) return;
    if (x == static_cast<float>(doc.PressX) && y == static_cast<float>(doc.PressY)) return;
    dragged_ = true;
    ComponentRecord& c = doc.MutableSlot(index);
    c.Left = c.Left + x - static_cast<float>(doc.PressX);
    c.Top = c.Top + y - static_cast<float>(doc.PressY);
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

void DesignSurface::DropComponent(int index) {
    DesignDocument& doc = Doc();
    doc.MouseIsDown = false;
    if (!doc.IsSlot(index)) return;
    ComponentRecord& c = doc.MutableSlot(index);
    int G = GridStep(doc.GridSize);
    if (doc.GridAlign && G >= 1) {
        c.Left = SnapPosition(c.Left, G);
        c.Top = SnapPosition(c.Top, G);
        c.Width = SnapWidth(c.Width, G);
        c.Height = SnapHeight(c.Height, G);
    }
}

// ---------------------------------------------------------------- handles

void DesignSurface::HandleMouseDown(int /*corner*/, int /*button*/, int /*shift*/, float x,
                                    float y) {
    DesignDocument& doc = Doc();
    doc.PressX = WholeTwips(x);
    doc.PressY = WholeTwips(y);
    doc.MouseIsDown = true;
    doc.ValidSize = true;
    dragged_ = false;
    resizeSlot_ = doc.IsSlot(doc.ActiveSlot) ? doc.ActiveSlot : 0;
    if (resizeSlot_) resizeBefore_ = GeometryOf(doc.Slot(resizeSlot_));
}

void DesignSurface::HandleMouseMove(int corner, int /*button*/, int /*shift*/, float x, float y) {
    if (!IsCorner(corner)) return;
    HandlePointer[corner] = (corner == 1 || corner == 4) ? Pointer::SizeNWSE : Pointer::SizeNESW;
    DragHandle(corner, x, y);
    ResizeFromHandle(corner);
}

void DesignSurface::HandleMouseUp(int corner, int /*button*/, int /*shift*/, float /*x*/,
                                  float /*y*/) {
    if (!IsCorner(corner)) return;
    // A click on a handle without a drag changes nothing either.
    if (dragged_) {
        SnapDroppedHandle(corner);
        ResizeFromHandle(corner);
        DropComponent(Doc().ActiveSlot);
    }
    form_.selection.PlaceHandles();
    Doc().MouseIsDown = false;
    if (resizeSlot_ && Doc().IsSlot(resizeSlot_)) {
        DesignChange change("Resize " + Doc().Slot(resizeSlot_).ComponentName);
        change.NoteGeometry(Doc(), {resizeSlot_}, {resizeBefore_});
        form_.editor.Record(std::move(change));
    }
    resizeSlot_ = 0;
}

void DesignSurface::DragHandle(int corner, float x, float y) {
    DesignDocument& doc = Doc();
    if (!IsCorner(corner) || !doc.MouseIsDown) return;
    if (x != static_cast<float>(doc.PressX) || y != static_cast<float>(doc.PressY)) dragged_ = true;
    if (!doc.ValidSize) {
        HandlePointer[corner] = Pointer::Default;
        return;
    }
    HandleBox& h = doc.Handles[corner];
    h.Left = h.Left + x - static_cast<float>(doc.PressX);
    h.Top = h.Top + y - static_cast<float>(doc.PressY);
}

void DesignSurface::SnapDroppedHandle(int corner) {
    DesignDocument& doc = Doc();
    int G = GridStep(doc.GridSize);
    if (!IsCorner(corner) || !doc.GridAlign || G < 1) return;
    HandleBox& h = doc.Handles[corner];
    bool leftEdge = corner == 1 || corner == 3;
    bool topEdge = corner == 1 || corner == 2;
    h.Left = SnapHandle(h.Left, leftEdge ? h.Width : 0.0f, G);
    h.Top = SnapHandle(h.Top, topEdge ? h.Height : 0.0f, G);
}

void DesignSurface::ResizeFromHandle(int corner) {
    DesignDocument& doc = Doc();
    if (!IsCorner(corner) || !doc.MouseIsDown || !doc.IsSlot(doc.ActiveSlot)) return;
    ComponentRecord& c = doc.MutableSlot(doc.ActiveSlot);
    const HandleBox& h = doc.Handles[corner];
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
        doc.ValidSize = false;
    }
    if (height >= G) {
        c.Height = height;
    } else {
        c.Height = G;
        doc.ValidSize = false;
    }
    form_.selection.PlaceHandles();
}

// ---------------------------------------------------------------- the surface

void DesignSurface::BackgroundMouseDown(int button, int shift, float x, float y) {
    Doc().InsertX = x;
    Doc().InsertY = y;
    banding_ = false;
    if (main_ && ArmedPointer()) return;
    form_.WindowMouseDown(button, shift, x, y);
    if (button == kLeftButton) {
        banding_ = true;
        band_ = Band{x, y, x, y};
    }
}

void DesignSurface::BackgroundMouseUp(int /*button*/, int /*shift*/, float x, float y) {
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
    for (int i = 1; i <= doc.SlotCount(); ++i) {
        if (!doc.IsLive(i)) continue;
        const ComponentRecord& c = doc.Slot(i);
        if (c.Left <= right && c.Left + c.Width >= left && c.Top <= bottom &&
            c.Top + c.Height >= top)
            touched.push_back(i);
    }
    if (!touched.empty()) form_.selection.SelectSlots(touched);
}

void DesignSurface::BackgroundClick() {
    if (!main_) return;
    if (!InsertWithArmedTool()) MousePointer = Pointer::Default;
}

void DesignSurface::BackgroundMouseMove(int button, int shift, float x, float y) {
    if (banding_ && (button & kLeftButton)) {
        band_.x1 = x;
        band_.y1 = y;
    }
    if (!main_ || ArmedPointer()) return;
    ReleasePaletteTools(button, shift, x, y);
}

}  // namespace korvane
