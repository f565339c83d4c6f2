// The component list of the running program shows a selection only when the user or the
// surface chose a component: focus coming and going selects nothing by itself.
#include <QLineEdit>
#include <QListWidget>

#include "DesktopFixture.h"
#include "qt/ComponentListPanel.h"
#include "qt/InspectorPanel.h"

namespace korvane::testing {

class ComponentListSelectionTest : public QObject {
    Q_OBJECT
  private:
    static QListWidget* List(Desktop& d) { return d.window->RightSide()->Components()->List1(); }

    static void ClickRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        QCoreApplication::processEvents();
    }

    // Another window takes the focus, then the main window gets it back.
    static void FocusAwayAndBack(Desktop& d) {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(d.window.get());
        QCoreApplication::processEvents();
    }

  private slots:
    void focusReturningToARebuiltListSelectsNothing_data() {
        QTest::addColumn<QString>("rebuild");
        QTest::newRow("Delete in the list") << "delete";
        QTest::newRow("click on the empty surface") << "surface";
    }
    void focusReturningToARebuiltListSelectsNothing() {
        QFETCH(QString, rebuild);
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        d.Click("opt_TextArea_Click");
        QListWidget* list = List(d);
        ClickRow(list, 0);
        QCOMPARE(d.doc().Active_Object_Index, 1);
        list->setFocus();
        if (rebuild == "delete") {
            QTest::keyClick(list, Qt::Key_Delete);
        } else {
            QTest::mouseClick(d.window->DocumentSubWindow()->Surface(), Qt::LeftButton, {},
                              QPoint(300, 230));
            list->setFocus();
        }
        QCoreApplication::processEvents();
        const int liveBefore = d.doc().LiveCount();

        FocusAwayAndBack(d);
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!list->currentIndex().isValid());
        QCOMPARE(d.main().list1.ListIndex, -1);
        QVERIFY(d.window->RightSide()->Properties()->NameEdit()->text().isEmpty());
        QVERIFY(!d.doc().Picture_Corner[1].Visible);

        // The next Delete has nothing chosen to remove.
        QTest::keyClick(list, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QCOMPARE(d.doc().LiveCount(), liveBefore);
    }

    void theUsersChoiceStillSelects() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        QListWidget* list = List(d);
        ClickRow(list, 1);
        QTest::keyClick(list, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QCOMPARE(list->count(), 1);
        // Arrow keys choose as clicks do, and the choice survives a round trip of the focus.
        QTest::keyClick(list, Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(d.main().list1.ListIndex, 0);
        QCOMPARE(d.doc().Active_Object_Index, 1);
        FocusAwayAndBack(d);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(d.doc().Active_Object_Index, 1);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(d.doc().LiveCount(), 0);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::ComponentListSelectionTest)
#include "ComponentListSelectionTest.moc"
