// The design surface on screen: one widget that paints the grid, the component boxes in
// z-order and the selection handles from the core's pictures, and turns Qt's mouse and key
// events into the surface's handlers (twips, button and shift codes). Only the parts that
// change are repainted; boxes near a point are found through a bucket index.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "surface/DesignSurface.h"
#include "surface/MovingPicture.h"
#include "surface/SurfaceIndex.h"

namespace korvane {

class MainController;
class Palettes;

class DesignSurfaceWidget : public QWidget {
    Q_OBJECT
  public:
    // Over a surface of the caller's, reporting the changes of these palettes (null: none).
    explicit DesignSurfaceWidget(DesignSurface& surface, const Palettes* palettes = nullptr,
                                 QWidget* parent = nullptr);
    // With a surface of its own for the document window and the main window (null if none).
    DesignSurfaceWidget(DocumentController& form, MainController* main, QWidget* parent = nullptr);

    DesignSurface& Surface() { return surface_; }
    const SurfaceIndex& Index() const { return index_; }
    // Where a surface pixel is: a visible handle (1..4), else the front-most box, else none.
    struct Hit {
        enum Kind { Back, Box, Corner } kind = Back;
        int index = 0;
    };
    Hit HitAt(QPoint pixel);
    // The visible handle under a surface pixel, or 0.
    int CornerAt(QPoint pixel) const;

    bool ShowsText() const { return showText_; }

  public slots:
    // Anything may have changed (insertion, deletion, a file opened, a kind changed): index
    // and repaint everything.
    void DesignChanged();
    // One component's picture or place changed.
    void BoxChanged(int index);
    // View > Show Text: each component's text over its look (off at first).
    void SetShowText(bool shown);

  signals:
    // A handler changed the main window's palettes (an armed tool used, hover looks reset):
    // the palette panel should be drawn again.
    void paletteChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // What a handler may change: the slots it touches, the selection and the handles.
    struct Snapshot {
        struct Box {
            int slot;
            PixelRect rect;
            bool live;
            uint64_t z;
        };
        std::vector<Box> boxes;
        std::array<PixelRect, 5> handles{};
        int count = 0;
        int active = 0;
    };
    Snapshot Take(const std::vector<int>& watched) const;
    // Runs a handler and repaints what it changed. Several slots watched are the boxes of a
    // small group being dragged, repainted box by box.
    template <typename Handler>
    void Dispatch(const std::vector<int>& watched, Handler handler);
    void RepaintChanges(const Snapshot& before);
    void Invalidate(const PixelRect& r);
    void EnsureIndexed();
    void UpdatePointer(QPoint pixel);
    // What a mouse move over the pressed box watches: the dragged group when it is small.
    std::vector<int> DragWatched(int pressed) const;
    // The surface pixels on screen.
    PixelRect ShownPixels() const;
    // A press starting a drag of a large group shows the drag through a moving picture, which
    // each move shifts; the index is rebuilt once at the drop.
    void StartPicture();
    void ShowMovedPicture();
    void EndPicture();

    std::unique_ptr<DesignSurface> ownSurface_;
    // The main window's palettes, whose changes by a handler the widget reports; null if none.
    const Palettes* palettes_ = nullptr;
    DesignSurface& surface_;
    SurfaceIndex index_;
    bool indexStale_ = true;
    MovingPicture picture_;
    // What the index was built from, to notice changes made behind the widget's back.
    struct IndexedState {
        int count = -1, live = -1;
        uint64_t firstZ = 0;
        bool operator==(const IndexedState&) const = default;
    };
    static IndexedState StateOf(const DesignDocument& doc);
    IndexedState indexed_;
    Hit pressed_;
    bool capturing_ = false;
    bool ignoreRelease_ = false;
    bool showText_ = false;
};

}  // namespace korvane
