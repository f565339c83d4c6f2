#include "qt/DesignSurfaceWidget.h"

#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <optional>

#include "mainwindow/MainController.h"
#include "platform/Conversions.h"
#include "qt/SurfaceTextPainter.h"
#include "surface/Arrange.h"
#include "surface/PaintControl.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

// More new slots than this after one handler: index everything afresh.
constexpr int kRebuildAfter = 64;
// A drag of more boxes than this is shown through a moving picture; fewer are repainted box by
// box.
constexpr size_t kPictureAfter = 64;

int ButtonCode(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int ButtonsCode(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

int ShiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

float Twips(qreal pixels) {
    return static_cast<float>(PixelsToTwips(pixels));
}

Qt::CursorShape Shape(Pointer p) {
    switch (p) {
        case Pointer::Crosshair:
            return Qt::CrossCursor;
        case Pointer::SizeNESW:
            return Qt::SizeBDiagCursor;
        case Pointer::SizeNWSE:
            return Qt::SizeFDiagCursor;
        default:
            return Qt::ArrowCursor;
    }
}

QRect ToQRect(const PixelRect& r) {
    return QRect(static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.width),
                 static_cast<int>(r.height));
}

}  // namespace

DesignSurfaceWidget::DesignSurfaceWidget(DocumentController& form, MainController* main,
                                         QWidget* parent)
    : DesignSurfaceWidget(*new DesignSurface(form, main), main ? &main->palettes : nullptr,
                          parent) {
    ownSurface_.reset(&surface_);
}

DesignSurfaceWidget::DesignSurfaceWidget(DesignSurface& surface, const Palettes* palettes,
                                         QWidget* parent)
    : QWidget(parent), palettes_(palettes), surface_(surface) {
    setObjectName("Picture_Back");
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DesignSurfaceWidget::DesignChanged() {
    // The still part of a moving picture may have changed too.
    picture_.End();
    indexStale_ = true;
    update();
}

void DesignSurfaceWidget::SetShowText(bool shown) {
    if (showText_ == shown) return;
    showText_ = shown;
    update();
}

void DesignSurfaceWidget::BoxChanged(int index) {
    EndPicture();
    EnsureIndexed();
    const DesignDocument& doc = surface_.Doc();
    if (!doc.IsSlot(index)) return;
    index_.Update(doc, index);
    Invalidate(BoxPixels(doc.Slot(index)));
}

DesignSurfaceWidget::IndexedState DesignSurfaceWidget::StateOf(const DesignDocument& doc) {
    // Slots filled afresh (a file opened) get new z-orders, so slot 1's tells them apart even
    // when the counts stay.
    return IndexedState{doc.SlotCount(), doc.LiveCount(), doc.IsSlot(1) ? doc.Slot(1).ZOrder : 0};
}

void DesignSurfaceWidget::EnsureIndexed() {
    const DesignDocument& doc = surface_.Doc();
    // A change nobody told about shows in the counts or in the first slot.
    if (!indexStale_ && indexed_ == StateOf(doc)) return;
    index_.Rebuild(doc);
    indexStale_ = false;
    indexed_ = StateOf(doc);
}

void DesignSurfaceWidget::Invalidate(const PixelRect& r) {
    if (!r.Empty()) update(ToQRect(Intersect(r, PixelRect{0, 0, width(), height()})));
}

int DesignSurfaceWidget::CornerAt(QPoint pixel) const {
    const DesignDocument& doc = surface_.Doc();
    for (int k = 1; k <= 4; ++k) {
        const HandleBox& h = doc.Handles[static_cast<size_t>(k)];
        if (h.Visible && BoxPixels(h).Contains(pixel.x(), pixel.y())) return k;
    }
    return 0;
}

DesignSurfaceWidget::Hit DesignSurfaceWidget::HitAt(QPoint pixel) {
    if (int k = CornerAt(pixel)) return Hit{Hit::Corner, k};
    EnsureIndexed();
    int slot = index_.TopAt(surface_.Doc(), pixel.x(), pixel.y());
    return slot ? Hit{Hit::Box, slot} : Hit{};
}

// ---------------------------------------------------------------- repainting

DesignSurfaceWidget::Snapshot DesignSurfaceWidget::Take(const std::vector<int>& watched) const {
    const DesignDocument& doc = surface_.Doc();
    Snapshot s;
    s.count = doc.SlotCount();
    s.active = doc.ActiveSlot;
    auto add = [&](int slot) {
        if (!doc.IsSlot(slot)) return;
        for (const auto& b : s.boxes)
            if (b.slot == slot) return;
        const ComponentRecord& r = doc.Slot(slot);
        s.boxes.push_back({slot, BoxPixels(r), r.Visible, r.ZOrder});
    };
    for (int slot : watched) add(slot);
    add(s.active);
    for (int k = 1; k <= 4; ++k) {
        const HandleBox& h = doc.Handles[static_cast<size_t>(k)];
        s.handles[static_cast<size_t>(k)] = h.Visible ? BoxPixels(h) : PixelRect{};
    }
    return s;
}

void DesignSurfaceWidget::RepaintChanges(const Snapshot& before) {
    const DesignDocument& doc = surface_.Doc();
    if (doc.SlotCount() < before.count || doc.SlotCount() - before.count > kRebuildAfter) {
        DesignChanged();
        return;
    }
    auto changed = [&](int slot, const PixelRect& rect, bool live, uint64_t z) {
        const ComponentRecord& r = doc.Slot(slot);
        PixelRect now = BoxPixels(r);
        if (now == rect && r.Visible == live && r.ZOrder == z) return;
        if (!indexStale_) index_.Update(doc, slot);
        Invalidate(rect);
        Invalidate(now);
    };
    for (const auto& b : before.boxes) changed(b.slot, b.rect, b.live, b.z);
    // New slots, and a newly selected one that was not watched.
    for (int slot = before.count + 1; slot <= doc.SlotCount(); ++slot)
        changed(slot, PixelRect{}, false, 0);
    if (doc.ActiveSlot != before.active && doc.IsSlot(doc.ActiveSlot)) {
        bool watched = false;
        for (const auto& b : before.boxes) watched |= b.slot == doc.ActiveSlot;
        if (!watched && doc.ActiveSlot <= before.count)
            Invalidate(BoxPixels(doc.Slot(doc.ActiveSlot)));
    }
    if (!indexStale_) indexed_ = StateOf(doc);
    for (int k = 1; k <= 4; ++k) {
        const HandleBox& h = doc.Handles[static_cast<size_t>(k)];
        PixelRect now = h.Visible ? BoxPixels(h) : PixelRect{};
        if (now == before.handles[static_cast<size_t>(k)]) continue;
        Invalidate(before.handles[static_cast<size_t>(k)]);
        Invalidate(now);
    }
}

namespace {

// What the palette panel shows, to tell whether a handler changed it.
struct PaletteState {
    explicit PaletteState(const Palettes* palettes) {
        if (!palettes) return;
        const Palettes& p = *palettes;
        pressed = {p.ArmedAwtButton, p.ArmedSwingButton, p.PressedDeleteButton};
        for (const auto& b : p.awt) looks.push_back(b.look);
        for (const auto& b : p.swing) looks.push_back(b.look);
        for (const auto& b : p.del) looks.push_back(b.look);
    }
    bool operator==(const PaletteState&) const = default;
    std::array<int, 3> pressed{};
    std::vector<ButtonLook> looks;
};

}  // namespace

template <typename Handler>
void DesignSurfaceWidget::Dispatch(const std::vector<int>& watched, Handler handler) {
    // A stale index is rebuilt when it is next needed: a drop does not rebuild it twice.
    if (!indexStale_) EnsureIndexed();
    Snapshot before = Take(watched);
    PaletteState palettesBefore(palettes_);
    const DesignDocument& doc = surface_.Doc();
    const bool bandBefore = surface_.Banding();
    const bool groupBefore = doc.Selected.Count() > 1;
    const bool handlesBefore = doc.Handles[1].Visible;
    handler();
    if (picture_.Active()) {
        ShowMovedPicture();
    } else if (watched.size() > 1 && !handlesBefore && !doc.Handles[1].Visible) {
        RepaintChanges(before);
    } else if (groupBefore || doc.Selected.Count() > 1) {
        // Several selected components move and show handles together: repaint them all.
        DesignChanged();
    } else {
        RepaintChanges(before);
    }
    if (bandBefore || surface_.Banding()) update();
    if (!(PaletteState(palettes_) == palettesBefore)) emit paletteChanged();
}

PixelRect DesignSurfaceWidget::ShownPixels() const {
    const QRect r = visibleRegion().boundingRect() & rect();
    return PixelRect{r.left(), r.top(), r.width(), r.height()};
}

std::vector<int> DesignSurfaceWidget::DragWatched(int pressed) const {
    const std::vector<int>& group = surface_.DragSlots();
    if (group.size() > 1 && group.size() <= kPictureAfter) return group;
    return {pressed};
}

void DesignSurfaceWidget::StartPicture() {
    const std::vector<int>& group = surface_.DragSlots();
    const PixelRect shown = ShownPixels();
    // The picture leaves out the texts drawn over the boxes.
    if (group.size() <= kPictureAfter || shown.Empty() || showText_) return;
    picture_.Begin(surface_.Doc(), group, shown);
    // The moving boxes leave their places in the index until the drop.
    indexStale_ = true;
    update();
}

void DesignSurfaceWidget::ShowMovedPicture() {
    const DesignDocument& doc = surface_.Doc();
    const PixelRect shown = ShownPixels();
    // Handles are not in the picture, and boxes that moved apart cannot be shown by it.
    if (doc.Handles[1].Visible || shown.Empty() || !picture_.Follow(doc)) {
        DesignChanged();
        return;
    }
    // The drag went beyond the moving picture's reach, or the view scrolled: paint it afresh.
    if (!picture_.Covers(shown)) picture_.Begin(doc, surface_.DragSlots(), shown);
    Invalidate(shown);
}

void DesignSurfaceWidget::EndPicture() {
    if (!picture_.Active()) return;
    picture_.End();
    indexStale_ = true;
    update();
}

void DesignSurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const DesignDocument& doc = surface_.Doc();
    for (const QRect& r : event->region()) {
        PixelRect area{r.left(), r.top(), r.width(), r.height()};
        Canvas canvas(r.width(), r.height());
        canvas.SetRasterOrigin(r.left(), r.top());
        QImage image(canvas.MutableData(), r.width(), r.height(), r.width() * 3,
                     QImage::Format_RGB888);
        if (picture_.Covers(area)) {
            picture_.Compose(canvas, area);
            painter.drawImage(r.topLeft(), image);
            continue;
        }
        EnsureIndexed();
        std::optional<QPainter> text;
        SurfacePaintOptions options;
        if (showText_) {
            // Each box's texts right after its look, so that boxes in front cover them.
            options.afterBox = [&](int slot) {
                if (!text) {
                    text.emplace(&image);
                    text->setFont(DesignTextFont(doc));
                    text->translate(-r.left(), -r.top());
                }
                DrawComponentTexts(*text, doc.Slot(slot));
            };
        }
        PaintSurfaceArea(canvas, doc, &index_, area, options);
        text.reset();
        painter.drawImage(r.topLeft(), image);
    }
    if (surface_.Banding()) {
        const DesignSurface::Band& b = surface_.RubberBand();
        const QPointF from(TwipsToPixels(b.x0), TwipsToPixels(b.y0));
        const QPointF to(TwipsToPixels(b.x1), TwipsToPixels(b.y1));
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(from, to).normalized());
    }
}

// ---------------------------------------------------------------- mouse and keys

void DesignSurfaceWidget::UpdatePointer(QPoint pixel) {
    Pointer p = surface_.MousePointer;
    int corner = capturing_ ? (pressed_.kind == Hit::Corner ? pressed_.index : 0) : CornerAt(pixel);
    if (corner) p = surface_.HandlePointer[static_cast<size_t>(corner)];
    setCursor(Shape(p));
}

void DesignSurfaceWidget::mousePressEvent(QMouseEvent* event) {
    if (capturing_) return;  // a second button while one is held goes to the same place
    const QPoint pixel = event->position().toPoint();
    const float x = Twips(event->position().x()), y = Twips(event->position().y());
    const int button = ButtonCode(event->button()), shift = ShiftCode(event->modifiers());
    const DesignDocument& doc = surface_.Doc();
    pressed_ = HitAt(pixel);
    capturing_ = true;
    // A right press on a box or on the surface opens a pop-up menu, which takes the release.
    ignoreRelease_ = button == kRightButton && pressed_.kind != Hit::Corner;
    const int i = pressed_.index;
    switch (pressed_.kind) {
        case Hit::Corner: {
            const HandleBox& h = doc.Handles[static_cast<size_t>(i)];
            float hx = x - h.Left, hy = y - h.Top;
            Dispatch({doc.ActiveSlot}, [&] { surface_.HandleMouseDown(i, button, shift, hx, hy); });
            break;
        }
        case Hit::Box: {
            const ComponentRecord& r = doc.Slot(i);
            float bx = x - r.Left, by = y - r.Top;
            Dispatch({i}, [&] { surface_.ComponentMouseDown(i, button, shift, bx, by); });
            StartPicture();
            break;
        }
        case Hit::Back:
            Dispatch({}, [&] { surface_.BackgroundMouseDown(button, shift, x, y); });
            break;
    }
    // A pop-up menu took the rest of this press.
    if (ignoreRelease_) capturing_ = false;
    UpdatePointer(pixel);
}

void DesignSurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    const float x = Twips(event->position().x()), y = Twips(event->position().y());
    const int buttons = ButtonsCode(event->buttons()), shift = ShiftCode(event->modifiers());
    const DesignDocument& doc = surface_.Doc();
    // Without a button held only the handles need finding: over a box, its handler does what
    // the surface's does.
    Hit target = capturing_ ? pressed_ : Hit{};
    if (!capturing_) {
        if (int k = CornerAt(pixel)) target = Hit{Hit::Corner, k};
    }
    const int i = target.index;
    if (target.kind == Hit::Corner) {
        const HandleBox& h = doc.Handles[static_cast<size_t>(i)];
        float hx = x - h.Left, hy = y - h.Top;
        Dispatch({doc.ActiveSlot}, [&] { surface_.HandleMouseMove(i, buttons, shift, hx, hy); });
    } else if (target.kind == Hit::Box && capturing_) {
        const ComponentRecord& r = doc.Slot(i);
        float bx = x - r.Left, by = y - r.Top;
        Dispatch(DragWatched(i), [&] { surface_.ComponentMouseMove(i, buttons, shift, bx, by); });
    } else {
        Dispatch({}, [&] { surface_.BackgroundMouseMove(buttons, shift, x, y); });
    }
    UpdatePointer(pixel);
}

void DesignSurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    if (!capturing_ || ignoreRelease_) {
        ignoreRelease_ = false;
        capturing_ = false;
        return;
    }
    const float x = Twips(event->position().x()), y = Twips(event->position().y());
    const int button = ButtonCode(event->button()), shift = ShiftCode(event->modifiers());
    const DesignDocument& doc = surface_.Doc();
    const Hit target = pressed_;
    capturing_ = false;
    EndPicture();
    const int i = target.index;
    switch (target.kind) {
        case Hit::Corner: {
            const HandleBox& h = doc.Handles[static_cast<size_t>(i)];
            float hx = x - h.Left, hy = y - h.Top;
            Dispatch({doc.ActiveSlot}, [&] { surface_.HandleMouseUp(i, button, shift, hx, hy); });
            break;
        }
        case Hit::Box: {
            const ComponentRecord& r = doc.Slot(i);
            float bx = x - r.Left, by = y - r.Top;
            Dispatch({i}, [&] { surface_.ComponentMouseUp(i, button, shift, bx, by); });
            // The click follows when the button comes up over the same box.
            if (button == kLeftButton && doc.IsLive(i) &&
                BoxPixels(doc.Slot(i)).Contains(pixel.x(), pixel.y()))
                Dispatch({i}, [&] { surface_.ComponentClick(i); });
            break;
        }
        case Hit::Back:
            Dispatch({}, [&] { surface_.BackgroundMouseUp(button, shift, x, y); });
            if (button == kLeftButton && rect().contains(pixel))
                Dispatch({}, [&] { surface_.BackgroundClick(); });
            break;
    }
    UpdatePointer(pixel);
}

void DesignSurfaceWidget::keyPressEvent(QKeyEvent* event) {
    const int shift = ShiftCode(event->modifiers());
    DocumentController& form = surface_.Form();
    int arrow = 0;
    switch (event->key()) {
        case Qt::Key_Delete:
            Dispatch({}, [&] { form.WindowKeyDown(kKeyDelete, shift); });
            event->accept();
            return;
        case Qt::Key_Escape:
            Dispatch({}, [&] { form.selection.SelectNone(); });
            event->accept();
            return;
        case Qt::Key_Left:
            arrow = kKeyLeft;
            break;
        case Qt::Key_Right:
            arrow = kKeyRight;
            break;
        case Qt::Key_Up:
            arrow = kKeyUp;
            break;
        case Qt::Key_Down:
            arrow = kKeyDown;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    Dispatch({}, [&] { Nudge(form, arrow, shift); });
    event->accept();
}

}  // namespace korvane
