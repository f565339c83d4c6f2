// The left panel of the main window (Picture_Toolbar) with the AWT, Swing and delete
// palettes: it draws the buttons in the looks the core gives them and passes the mouse on to
// the palette handlers (hover, press, click, the panel's background).
#pragma once

#include <QWidget>

#include "mainwindow/MainController.h"

namespace korvane {

class PaletteWidget : public QWidget {
    Q_OBJECT
  public:
    explicit PaletteWidget(MainController& main, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // A palette button under a panel pixel.
    struct Button {
        PaletteKind kind = PaletteKind::Awt;
        int number = -1;  // -1: none
        bool valid() const { return number >= 0; }
    };
    Button ButtonAt(QPoint pixel) const;
    // Where a button's box lies in the panel, pixels.
    static QRect ButtonRect(const PaletteButton& button);
    // The title label of the visible palette and the palette-menu button.
    QRect TitleLabelRect() const;
    static QRect MenuButtonRect();

  public slots:
    // The palettes changed elsewhere (the surface used an armed tool or reset the looks).
    void Refresh() { update(); }

  signals:
    // A palette button was clicked or pressed: the design may have changed.
    void paletteUsed();
    // The title label was clicked: the palette menu that follows opens under the menu button.
    void paletteMenuAt(int globalX);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    const PaletteButton* Find(const Button& b) const;

    MainController& main_;
    Button pressed_;
};

}  // namespace korvane
