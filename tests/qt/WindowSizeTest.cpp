// Sizes of the running program's windows: the main window can always be made small again,
// and every change of the document window's size, maximising and restoring included, is a
// change of the designed window's size.
#include <QMdiArea>

#include "DesktopFixture.h"

namespace korvane::testing {

class WindowSizeTest : public QObject {
    Q_OBJECT
  private:
    // The designed window's size, pixels, for a surface of this many pixels.
    static QSize DesignFor(QSize surface) {
        return QSize(static_cast<int>(std::lround((surface.width() * 15.0 - 75) / 15)),
                     static_cast<int>(std::lround((surface.height() * 15.0 - 75) / 15)));
    }
    static QSize Design(Desktop& d) {
        return QSize(static_cast<int>(d.doc().WindowWidth), static_cast<int>(d.doc().WindowHeight));
    }

  private slots:
    void maximiseAndRestoreResizeTheDesign() {
        Desktop d;
        d.window->resize(1000, 800);
        QApplication::processEvents();
        DocumentWindow* window = d.window->DocumentSubWindow();
        QCOMPARE(Design(d), QSize(320, 240));

        window->showMaximized();
        QApplication::processEvents();
        const QSize surface = window->Surface()->size();
        QVERIFY(surface.width() > 325 && surface.height() > 245);
        QCOMPARE(Design(d), DesignFor(surface));
        QCOMPARE(d.doc().OuterWidth, surface.width() * 15.0 + 120);
        QCOMPARE(d.doc().OuterHeight, surface.height() * 15.0 + 360);

        QVERIFY(d.form().Modified());  // the designed window's size is part of the design

        window->showNormal();
        QApplication::processEvents();
        QCOMPARE(window->Surface()->size(), QSize(325, 245));
        QCOMPARE(Design(d), QSize(320, 240));

        // Each resize is one step, and undoing them all gives the saved design back.
        window->resize(window->size() + QSize(30, 15));
        QApplication::processEvents();
        QCOMPARE(Design(d), QSize(350, 255));
        for (const QSize expected : {QSize(320, 240), DesignFor(surface), QSize(320, 240)}) {
            QVERIFY(d.form().Modified());
            d.Item("OptionEditUndo")->trigger();
            QApplication::processEvents();
            QCOMPARE(Design(d), expected);
        }
        QCOMPARE(window->Surface()->size(), QSize(325, 245));
        QVERIFY(!d.form().Modified());
        QVERIFY(!d.window->windowTitle().startsWith("Untitled*"));
    }

    void theMainWindowCanBeMadeSmallAgain() {
        Desktop d;
        const QSize minimum = d.window->minimumSize();
        const QSize small(640, 440);
        QVERIFY(minimum.width() <= small.width() && minimum.height() <= small.height());
        for (const QSize size : {QSize(1400, 950), QSize(900, 700)}) {
            d.window->resize(size);
            QApplication::processEvents();
            QCOMPARE(d.window->minimumSize(), minimum);
            QVERIFY(d.window->minimumSizeHint().height() <= small.height());
        }
        d.window->showMaximized();
        QApplication::processEvents();
        d.window->showNormal();
        QApplication::processEvents();
        QCOMPARE(d.window->minimumSize(), minimum);
        d.window->resize(small);
        QApplication::processEvents();
        QCOMPARE(d.window->size(), small);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::WindowSizeTest)
#include "WindowSizeTest.moc"
