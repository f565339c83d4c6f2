// What a user meets on the way from the palette to a Java file: the design surface after the
// document window was closed and loaded again, a maximised and a minimised document window, a
// design larger than the client area, the palette title's menu and a right press on a
// component.
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QScrollBar>
#include <QTimer>

#include "DesktopFixture.h"
#include "qt/PaletteWidget.h"

namespace korvane::testing {

class DesktopRoadTest : public QObject {
    Q_OBJECT
  private slots:
    void theSurfaceComesBackWithTheReloadedWindow_data() {
        QTest::addColumn<QString>("reload");
        QTest::newRow("frame New") << "OptionNew";
        QTest::newRow("frame Open") << "OptionOpen";
    }

    void theSurfaceComesBackWithTheReloadedWindow() {
        QFETCH(QString, reload);
        Desktop d;
        d.Click("opt_Label_Click");
        d.dialogs.paths = {d.Path("Road.dat")};
        d.Click("opt_SaveAs");
        DocumentWindow* window = d.window->DocumentSubWindow();
        window->close();
        QVERIFY(!window->isVisible());

        d.dialogs.paths = {d.Path("Road.dat")};
        d.Click(reload.toUtf8().constData());
        QVERIFY(window->isVisible());
        QVERIFY(window->Surface()->isVisible());
        QCOMPARE(window->Surface()->size(), QSize(325, 245));
    }

    void aMaximisedWindowFillsTheClientAreaAndRestoresItsSize() {
        Desktop d;
        DocumentWindow* window = d.window->DocumentSubWindow();
        const QRect before = window->geometry();
        window->showMaximized();
        QApplication::processEvents();
        QCOMPARE(window->geometry(), d.window->ClientArea()->viewport()->rect());
        QCOMPARE(window->Surface()->size(), window->contentsRect().size());
        window->showNormal();
        QApplication::processEvents();
        QCOMPARE(window->geometry(), before);
        QCOMPARE(d.doc().WindowWidth, 320.f);
        QCOMPARE(d.doc().WindowHeight, 240.f);

        // A minimised window is only its title: the design keeps its size.
        window->showMinimized();
        QApplication::processEvents();
        QCOMPARE(d.doc().WindowWidth, 320.f);
        QCOMPARE(d.doc().WindowHeight, 240.f);
        window->showNormal();
        QApplication::processEvents();
        QCOMPARE(window->geometry(), before);
    }

    void aLargeDesignWithALongNameStaysReadable() {
        Desktop d;
        QFile file(QString::fromStdString(d.Path("Big.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[Main]\r\nSizeX=7500\r\nSizeY=6000\r\nUnits=pixels\r\n"
            "[1]\r\nName=label_customer_name\r\nType=Label\r\nValue=Customer:\r\n"
            "X= 120\r\nY= 120\r\nSizeX= 1080\r\nSizeY= 360\r\nEvents=\r\n"
            "Order=1\r\nPopup=\r\n");
        file.close();
        d.messages.answers = {MessageResult::No};
        d.dialogs.paths = {d.Path("Big.dat")};
        d.Click("opt_Open");
        QApplication::processEvents();
        QCOMPARE(d.doc().LiveCount(), 1);

        // The window is larger than the client area: the area scrolls to the rest of it.
        QMdiArea* area = d.window->ClientArea();
        QVERIFY(d.window->DocumentSubWindow()->width() > area->width());
        QVERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->isVisible());

        // Chosen, its long name shows in the inspector from the start.
        d.form().selection.SelectSlots({1});
        auto* name = d.window->findChild<QLineEdit*>("NameBox");
        QCOMPARE(name->text(), QString("label_customer_name"));
        QCOMPARE(name->cursorPosition(), 0);
    }

    void thePaletteTitleOpensItsMenuUnderTheMenuButton() {
        Desktop d;
        auto* palette = d.window->findChild<PaletteWidget*>("Picture_Toolbar");
        QVERIFY(palette);
        const int menuButtonX = palette->mapToGlobal(PaletteWidget::MenuButtonRect().topLeft()).x();
        auto openedAt = [&](auto click) {
            int x = -1;
            QString shown;
            QTimer::singleShot(50, [&] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    shown = popup->objectName();
                    x = popup->pos().x();
                    popup->close();
                }
            });
            click();
            return shown == "menuToolbar" ? x : -1;
        };
        const QPoint title = palette->TitleLabelRect().topLeft() + QPoint(2, 2);
        QCOMPARE(openedAt([&] { QTest::mouseClick(palette, Qt::LeftButton, {}, title); }),
                 menuButtonX);
        // Only that one menu: the next one opens at the mouse again.
        const QPoint cursorAt = QCursor::pos();
        QCOMPARE(openedAt([&] { d.window->DocumentSubWindow()->ShowPopupMenu("menuToolbar"); }),
                 cursorAt.x());
    }

    void aRightPressOnAComponentShowsItInTheListAndTheInspector() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        ComponentRecord& label = d.doc().MutableSlot(1);
        label.Left = 1200;
        label.Top = 1200;
        d.window->DocumentSubWindow()->Surface()->update();
        QCOMPARE(d.doc().ActiveSlot, 2);

        auto* list = d.window->findChild<QListWidget*>("List1");
        auto* name = d.window->findChild<QLineEdit*>("NameBox");
        QVERIFY(list && name);
        QString menu, nameShown;
        int rowShown = -1;
        QTimer::singleShot(50, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menu = popup->objectName();
                rowShown = list->currentRow();
                nameShown = name->text();
                popup->close();
            }
        });
        // 1200 twips = 80 pixels.
        QTest::mousePress(d.window->DocumentSubWindow()->Surface(), Qt::RightButton, {},
                          QPoint(85, 85));
        QCOMPARE(menu, QString("menuControl"));
        QCOMPARE(d.doc().ActiveSlot, 1);
        QCOMPARE(rowShown, 0);
        QCOMPARE(nameShown, QString("label_1"));
        QCOMPARE(d.main().inspector.NameBox.Text, std::string("label_1"));
        QVERIFY(d.doc().Handles[1].Visible);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::DesktopRoadTest)
#include "DesktopRoadTest.moc"
