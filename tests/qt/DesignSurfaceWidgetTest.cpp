// The design surface widget and the palette panel driven with mouse and key events on the
// offscreen platform.
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <functional>

#include "mainwindow/MainController.h"
#include "qt/DesignSurfaceWidget.h"
#include "qt/PaletteWidget.h"
#include "support/ScriptedServices.h"
#include "surface/PaintControl.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

struct RecordingView : DocumentView {
    void ShowPopupMenu(std::string_view menu) override { menus.emplace_back(menu); }
    std::vector<std::string> menus;
};

// Collects the areas the widget is asked to paint.
struct PaintSpy : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
    QRegion painted;
};

struct Rig {
    Rig()
        : form(messages, dialogs),
          main(form),
          surface(form, &main),
          widget(surface, &main.palettes),
          panel(main) {
        main.Load();
        form.SetMainWindow(&main);
        form.SetView(&view);
        form.Load();
        widget.resize(400, 300);
        widget.show();
        panel.show();
        (void)QTest::qWaitForWindowExposed(&widget);
        QApplication::processEvents();
    }
    int Place(std::string_view tag, float left, float top) {
        form.doc.InsertX = left;
        form.doc.InsertY = top;
        form.editor.InsertComponent(tag);
        widget.DesignChanged();
        QApplication::processEvents();
        return form.doc.SlotCount();
    }
    const ComponentRecord& Box(int i) { return form.doc.Slot(i); }
    Rgb Pixel(QWidget& w, int x, int y) {
        QImage image = w.grab().toImage();
        QColor c = image.pixelColor(x, y);
        return Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                   static_cast<uint8_t>(c.blue())};
    }

    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialog dialogs;
    RecordingView view;
    DocumentController form;
    MainController main;
    DesignSurface surface;
    DesignSurfaceWidget widget;
    PaletteWidget panel;
};

void Send(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), w.mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}
void Press(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonPress, p, b, b);
}
void Move(QWidget& w, QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
    Send(w, QEvent::MouseMove, p, Qt::NoButton, held);
}
void Release(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
}
void Click(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Press(w, p, b);
    Release(w, p, b);
}

}  // namespace

class DesignSurfaceWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    void clickSelectsAndShowsHandles() {
        Rig r;
        int a = r.Place("Label", 120, 120);
        int b = r.Place("TextBox", 1200, 1200);
        r.form.History().MarkSaved();
        Click(r.widget, QPoint(12, 12));
        QCOMPARE(r.form.doc.ActiveSlot, a);
        QApplication::processEvents();
        // Handle 1 of label_1 sits at (2, 2) pixels: a highlight square in a light frame.
        QVERIFY(r.Pixel(r.widget, 4, 4) == systemcolour::Highlight);
        QVERIFY(r.Pixel(r.widget, 2, 2) == systemcolour::WindowBackground);
        QVERIFY(r.Pixel(r.widget, 8, 8) == awt::Shadow);  // label outline
        QVERIFY(r.Box(a).ZOrder < r.Box(b).ZOrder);       // selecting does not restack
        QVERIFY(!r.form.Modified());  // a click that moves nothing changes nothing
    }

    void dragMovesAndSnapsOnReleaseRepaintingOnlyTheOldAndNewPlaces() {
        Rig r;
        int a = r.Place("CommandButton", 1200, 1200);  // pixels (80, 80), 72 x 24
        r.form.History().MarkSaved();
        Press(r.widget, QPoint(90, 90));
        QApplication::processEvents();
        PaintSpy spy;
        r.widget.installEventFilter(&spy);
        Move(r.widget, QPoint(95, 95));
        QApplication::processEvents();
        QCOMPARE(r.Box(a).Left, 1275.0f);
        QCOMPARE(r.Box(a).Top, 1275.0f);
        QRegion expected = QRegion(QRect(80, 80, 72, 24)) + QRegion(QRect(85, 85, 72, 24));
        QVERIFY(!spy.painted.isEmpty());
        QVERIFY((spy.painted - expected).isEmpty());
        r.widget.removeEventFilter(&spy);
        Release(r.widget, QPoint(95, 95));
        QCOMPARE(r.Box(a).Left, 1320.0f);  // 1275: remainder 75 of 120 goes up
        QCOMPARE(r.Box(a).Top, 1320.0f);
        QVERIFY(r.form.Modified());
        QCOMPARE(r.form.doc.ActiveSlot, a);
        QApplication::processEvents();
        QVERIFY(r.Pixel(r.widget, 88, 88) == awt::White);  // the button's top-left edge
        QVERIFY(r.Pixel(r.widget, 83, 90) == systemcolour::ButtonFace);
    }

    void clickWithoutDragChangesNothing_data() {
        QTest::addColumn<bool>("several");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("a box") << false << QPoint(90, 90);
        QTest::newRow("one of several selected") << true << QPoint(90, 90);
        QTest::newRow("a handle of the selected box") << false << QPoint(155, 107);
    }
    void clickWithoutDragChangesNothing() {
        QFETCH(bool, several);
        QFETCH(QPoint, at);
        Rig r;
        // Off the grid, as a file or an arrow key can leave them.
        const int a = r.Place("TextArea", 1210, 1205), b = r.Place("Label", 310, 2405);
        several ? r.form.selection.SelectAll() : r.form.selection.SelectSlots({a});
        r.form.History().MarkSaved();
        Click(r.widget, at);
        QCOMPARE(QRectF(r.Box(a).Left, r.Box(a).Top, r.Box(a).Width, r.Box(a).Height),
                 QRectF(1210, 1205, 1080, 360));
        QCOMPARE(QPointF(r.Box(b).Left, r.Box(b).Top), QPointF(310, 2405));
        QVERIFY(!r.form.Modified());
    }

    void aGroupDragStopsAtTheEdge_data() {
        QTest::addColumn<int>("others");  // more components selected, right of and below
        QTest::newRow("two components") << 0;
        // A group this large is shown through a picture shifted at each move.
        QTest::newRow("seventy components") << 68;
    }
    void aGroupDragStopsAtTheEdge() {
        QFETCH(int, others);
        Rig r;
        const int a = r.Place("TextArea", 1200, 1200), b = r.Place("Label", 240, 360);
        for (int k = 0; k < others; ++k)
            r.Place(k % 2 ? "CommandButton" : "Label", 1800 + 60 * k, 1500 + 45 * k);
        r.form.selection.SelectAll();
        Press(r.widget, QPoint(90, 90));
        Move(r.widget, QPoint(10, 10));
        QApplication::processEvents();
        // On the way the surface shows the design exactly as painting it there does.
        const PixelRect area{0, 0, r.widget.width(), r.widget.height()};
        Canvas expected(r.widget.width(), r.widget.height());
        PaintSurfaceArea(expected, r.form.doc, nullptr, area);
        const QImage shown = r.widget.grab().toImage().convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < shown.height(); ++y)
            QVERIFY(std::equal(shown.constScanLine(y), shown.constScanLine(y) + shown.width() * 3,
                               expected.Data().data() + y * shown.width() * 3));
        Release(r.widget, QPoint(10, 10));
        // Label stops at the left and top edges; the group keeps its shape.
        QCOMPARE(QPointF(r.Box(b).Left, r.Box(b).Top), QPointF(0, 0));
        QCOMPARE(QPointF(r.Box(a).Left, r.Box(a).Top), QPointF(960, 840));
        for (int k = 0; k < others; ++k)
            QCOMPARE(QPointF(r.Box(b + 1 + k).Left, r.Box(b + 1 + k).Top),
                     QPointF(1800 + 60 * k - 240, 1500 + 45 * k - 360));
        QVERIFY(r.form.Modified());
        QApplication::processEvents();
        QCOMPARE(r.widget.HitAt(QPoint(66, 58)).index, a);  // indexed where it was dropped
    }

    void resizeWithEachHandle_data() {
        QTest::addColumn<int>("corner");
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<QRect>("result");  // twips: left, top, width, height
        QTest::newRow("top-left") << 1 << QPoint(77, 77) << QRect(1440, 1320, 840, 240);
        QTest::newRow("top-right") << 2 << QPoint(155, 77) << QRect(1200, 1320, 1320, 240);
        QTest::newRow("bottom-left") << 3 << QPoint(77, 107) << QRect(1440, 1200, 840, 480);
        QTest::newRow("bottom-right") << 4 << QPoint(155, 107) << QRect(1200, 1200, 1320, 480);
    }
    void resizeWithEachHandle() {
        QFETCH(int, corner);
        QFETCH(QPoint, grip);
        QFETCH(QRect, result);
        Rig r;
        int a = r.Place("TextArea", 1200, 1200);
        QCOMPARE(r.widget.HitAt(grip).kind, DesignSurfaceWidget::Hit::Corner);
        QCOMPARE(r.widget.HitAt(grip).index, corner);
        Press(r.widget, grip);
        Move(r.widget, grip + QPoint(17, 9));  // 255 x 135 twips
        QVERIFY(r.form.Modified());
        QVERIFY(r.widget.cursor().shape() ==
                (corner == 1 || corner == 4 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor));
        Release(r.widget, grip + QPoint(17, 9));
        const ComponentRecord& c = r.Box(a);
        QCOMPARE(QRect(int(c.Left), int(c.Top), int(c.Width), int(c.Height)), result);
    }

    void resizeStopsAtTheMinimum() {
        Rig r;
        int a = r.Place("TextArea", 1200, 1200);
        Press(r.widget, QPoint(155, 107));
        Move(r.widget, QPoint(20, 107));
        QCOMPARE(r.Box(a).Width, 120.0f);
        QVERIFY(!r.form.doc.ValidSize);
        Move(r.widget, QPoint(10, 107));
        QCOMPARE(r.Box(a).Width, 120.0f);
        QCOMPARE(r.widget.cursor().shape(), Qt::ArrowCursor);
        Release(r.widget, QPoint(10, 107));
        QCOMPARE(r.Box(a).Width, 240.0f);
        QCOMPARE(r.Box(a).Left, 1200.0f);
    }

    void rightPressOpensTheMenus() {
        Rig r;
        int a = r.Place("Label", 1200, 1200);
        Press(r.widget, QPoint(300, 250), Qt::LeftButton);  // deselect
        Release(r.widget, QPoint(300, 250));
        QCOMPARE(r.form.doc.ActiveSlot, 0);
        Press(r.widget, QPoint(85, 85), Qt::RightButton);
        Release(r.widget, QPoint(85, 85), Qt::RightButton);
        Press(r.widget, QPoint(300, 250), Qt::RightButton);
        Release(r.widget, QPoint(300, 250), Qt::RightButton);
        QCOMPARE(r.view.menus, (std::vector<std::string>{"menuControl", "menuForm"}));
        QCOMPARE(r.form.doc.ActiveSlot, a);
        QCOMPARE(r.Box(a).Left, 1200.0f);
        QCOMPARE(r.form.doc.InsertX, 4500.0f);  // the right press's point on the surface
        // Handles open no menu: their release comes through and ends the press.
        Press(r.widget, QPoint(155, 107), Qt::RightButton);
        QVERIFY(r.form.doc.MouseIsDown);
        Release(r.widget, QPoint(155, 107), Qt::RightButton);
        QVERIFY(!r.form.doc.MouseIsDown);
    }

    void armedToolInsertsAtTheClickedPoint() {
        Rig r;
        int a = r.Place("Label", 1200, 1200);
        r.main.palettes.SwingButtonMouseDown(2);  // JButton, released elsewhere
        int paletteRepaints = 0;
        QObject::connect(&r.widget, &DesignSurfaceWidget::paletteChanged,
                         [&] { ++paletteRepaints; });
        Move(r.widget, QPoint(200, 200), Qt::NoButton);
        QCOMPARE(r.widget.cursor().shape(), Qt::CrossCursor);
        Click(r.widget, QPoint(50, 41));  // (750, 615) twips: snapped to (720, 600)
        QCOMPARE(r.form.doc.SlotCount(), 2);
        QCOMPARE(r.Box(2).ComponentType, std::string("JButton"));
        QCOMPARE(r.Box(2).Left, 720.0f);
        QCOMPARE(r.Box(2).Top, 600.0f);
        QCOMPARE(r.form.doc.ActiveSlot, 2);
        QVERIFY(!r.main.palettes.ToolArmed());
        QCOMPARE(paletteRepaints, 1);  // the palette went back to the pointer
        // Over an existing component: the new one goes where the click was, not the old one.
        r.main.palettes.AwtButtonMouseDown(6);
        Click(r.widget, QPoint(100, 88));  // on label_1, at (1500, 1320)
        QCOMPARE(r.form.doc.SlotCount(), 3);
        QCOMPARE(r.Box(3).ComponentType, std::string("CheckBox"));
        QCOMPARE(r.Box(3).Left, 1440.0f);
        QCOMPARE(r.Box(3).Top, 1320.0f);
        QCOMPARE(r.Box(a).Left, 1200.0f);
        QCOMPARE(r.form.doc.ActiveSlot, 3);
        QApplication::processEvents();
        QVERIFY(r.Pixel(r.widget, 96 + 3, 88 + 12 - 7) == awt::Shadow);  // the new check box glyph
    }

    void deleteKeyRemovesTheSelectedComponent() {
        Rig r;
        int a = r.Place("JPanel", 1200, 1200);
        QApplication::processEvents();
        QVERIFY(r.Pixel(r.widget, 81, 81) == swing::Panel);
        Click(r.widget, QPoint(90, 90));
        r.widget.setFocus();
        QTest::keyClick(&r.widget, Qt::Key_Delete);
        QVERIFY(!r.form.doc.IsLive(a));
        QApplication::processEvents();
        QVERIFY(r.Pixel(r.widget, 81, 81) == systemcolour::ButtonFace);
        QVERIFY(r.Pixel(r.widget, 80, 80) == systemcolour::ButtonText);  // a grid dot again
        QVERIFY(!r.form.doc.Handles[1].Visible);
    }

    void aDesignReplacedBehindItsBackIsNoticed() {
        Rig r;
        r.Place("Label", 120, 120);
        // Another design of the same size, filled in without telling the widget (as Open does).
        r.form.doc.ClearSlots();
        ComponentRecord moved;
        moved.ComponentType = "JButton";
        moved.Left = moved.Top = 2400;
        moved.Width = 1080;
        moved.Height = 360;
        r.form.doc.AppendSlot(moved);
        QCOMPARE(r.widget.HitAt(QPoint(165, 165)).kind, DesignSurfaceWidget::Hit::Box);
        QCOMPARE(r.widget.HitAt(QPoint(12, 12)).kind, DesignSurfaceWidget::Hit::Back);
    }

    void paletteLooksAfterHoverPressAndReleaseElsewhere() {
        Rig r;
        // Swing button 3 (JTextField) is at (60, 750) twips = (4, 50) pixels.
        const QPoint onButton(14, 60);
        Move(r.panel, onButton, Qt::NoButton);
        QApplication::processEvents();
        QVERIFY(r.main.palettes.swing[3].look.TopLine == palettecolour::White);
        QVERIFY(r.Pixel(r.panel, 4 + 10, 50) == palettecolour::White);
        QVERIFY(r.Pixel(r.panel, 4 + 24, 50 + 10) == palettecolour::Black);
        Press(r.panel, onButton);
        QApplication::processEvents();
        QVERIFY(r.Pixel(r.panel, 4 + 10, 50) == palettecolour::Black);
        QVERIFY(r.Pixel(r.panel, 4 + 1, 50 + 1) == palettecolour::PressedBack);
        Release(r.panel, QPoint(2, 200));  // elsewhere: no click
        QCOMPARE(r.main.palettes.ArmedSwingButton, 3);
        QCOMPARE(r.form.doc.SlotCount(), 0);
        Move(r.panel, QPoint(2, 200), Qt::NoButton);  // the background: the others go normal
        QVERIFY(r.main.palettes.swing[3].look.TopLine == palettecolour::Black);
        QVERIFY(r.main.palettes.swing[0].look == ButtonLook{});
        // A real click inserts at one grid step and returns to the pointer.
        Click(r.panel, QPoint(40, 60));  // button 4, JTextArea
        QCOMPARE(r.form.doc.SlotCount(), 1);
        QCOMPARE(r.Box(1).ComponentType, std::string("JTextArea"));
        QCOMPARE(r.Box(1).Left, 120.0f);
        QCOMPARE(r.main.palettes.ArmedSwingButton, 0);
        // The delete button deletes the selected component.
        Click(r.panel, QPoint(14, 255));
        QVERIFY(!r.form.doc.IsLive(1));
    }
};

}  // namespace korvane

QTEST_MAIN(korvane::DesignSurfaceWidgetTest)
#include "DesignSurfaceWidgetTest.moc"
