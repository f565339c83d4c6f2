// The component list of the running program shows a selection only when the user or the
// surface chose a component: focus coming and going selects nothing by itself. Several rows
// chosen in the list are several components selected on the surface, and the other way round.
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "DesktopFixture.h"
#include "qt/ComponentListPanel.h"
#include "qt/InspectorPanel.h"

namespace korvane::testing {

class ComponentListSelectionTest : public QObject {
    Q_OBJECT
  private:
    static QListWidget* List(Desktop& d) {
        return d.window->RightSide()->Components()->ComponentList();
    }

    static void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
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
        QCOMPARE(d.doc().ActiveSlot, 1);
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
        QCOMPARE(d.main().componentList.ListIndex, -1);
        QVERIFY(d.window->RightSide()->Properties()->NameEdit()->text().isEmpty());
        QVERIFY(!d.doc().Handles[1].Visible);

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
        QCOMPARE(d.main().componentList.ListIndex, 0);
        QCOMPARE(d.doc().ActiveSlot, 1);
        FocusAwayAndBack(d);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(d.doc().ActiveSlot, 1);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(d.doc().LiveCount(), 0);
    }

    // The rows the list shows selected, ascending.
    static std::vector<int> SelectedRows(QListWidget* list) {
        std::vector<int> rows;
        for (const QModelIndex& index : list->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    void severalChosenInTheListAreSelectedOnTheSurfaceAndBack() {
        Desktop d;
        for (const char* tool : {"opt_Label_Click", "opt_Button_Click", "opt_TextArea_Click",
                                 "opt_CheckBox_Click", "opt_Choice_Click"})
            d.Click(tool);
        QListWidget* list = List(d);
        QCOMPARE(SelectedRows(list), (std::vector<int>{4}));

        struct Step {
            int row;
            Qt::KeyboardModifiers modifiers;
            std::vector<int> selected;
            int primary;
        };
        const Step steps[] = {
            {0, {}, {1}, 1},
            {2, Qt::ControlModifier, {1, 3}, 3},
            {4, Qt::ShiftModifier, {3, 4, 5}, 5},  // from the last clicked row
            {3, Qt::ControlModifier, {3, 5}, 5},   // taken out; the primary one stays
            {4, Qt::ControlModifier, {3}, 3},      // one left: it alone is selected
            {2, Qt::ControlModifier, {}, 0},       // none left
        };
        for (const Step& step : steps) {
            ClickRow(list, step.row, step.modifiers);
            const std::string where = "after clicking row " + std::to_string(step.row);
            QVERIFY2(d.form().selection.SelectedSlots() == step.selected, where.c_str());
            QVERIFY2(d.doc().ActiveSlot == step.primary, where.c_str());
            std::vector<int> rows;
            for (int slot : step.selected) rows.push_back(slot - 1);
            QVERIFY2(SelectedRows(list) == rows, where.c_str());
            const QString name = d.window->RightSide()->Properties()->NameEdit()->text();
            QVERIFY2(name.toStdString() ==
                         (step.primary ? d.doc().Slot(step.primary).ComponentName : ""),
                     where.c_str());
        }

        // The surface's selection shows in the list: select all, then Escape.
        QWidget* surface = d.window->DocumentSubWindow()->Surface();
        QTest::keyClick(surface, Qt::Key_A, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(SelectedRows(list), (std::vector<int>{0, 1, 2, 3, 4}));
        QTest::keyClick(surface, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(SelectedRows(list).empty());

        // Delete in the list removes every chosen one as one step; undo brings them back
        // chosen in the list as on the surface.
        ClickRow(list, 1);
        ClickRow(list, 3, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QCOMPARE(list->count(), 3);
        QCOMPARE(d.doc().LiveCount(), 3);
        d.Click("OptionEditUndo");
        QCoreApplication::processEvents();
        QCOMPARE(list->count(), 5);
        QCOMPARE(d.form().selection.SelectedSlots(), (std::vector<int>{2, 4}));
        QCOMPARE(SelectedRows(list), (std::vector<int>{1, 3}));
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::ComponentListSelectionTest)
#include "ComponentListSelectionTest.moc"
