// What a user meets on the way from the palette to a Java file: the design surface after the
// document window was closed and loaded again, and a right press on a component.
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "DesktopFixture.h"

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

    void aRightPressOnAComponentShowsItInTheListAndTheInspector() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        ComponentRecord& label = d.doc().MutableSlot(1);
        label.Left = 1200;
        label.Top = 1200;
        d.window->DocumentSubWindow()->Surface()->update();
        QCOMPARE(d.doc().Active_Object_Index, 2);

        auto* list = d.window->findChild<QListWidget*>("List1");
        auto* name = d.window->findChild<QLineEdit*>("Text3_Name");
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
        QCOMPARE(d.doc().Active_Object_Index, 1);
        QCOMPARE(rowShown, 0);
        QCOMPARE(nameShown, QString("label_1"));
        QCOMPARE(d.main().inspector.Text3_Name.Text, std::string("label_1"));
        QVERIFY(d.doc().Picture_Corner[1].Visible);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::DesktopRoadTest)
#include "DesktopRoadTest.moc"
