// The right panel driven through its widgets: typing into the inspector and choosing in the
// component list.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <memory>

#include "mainwindow/MainController.h"
#include "qt/ComponentListPanel.h"
#include "qt/InspectorPanel.h"
#include "support/ScriptedServices.h"

using namespace korvane;

namespace {

struct Fixture {
    Fixture() {
        form.SetMainWindow(&main);
        main.Load();
        form.Load();
        panel = new RightPanel(main, &window);
        elsewhere = new QLineEdit(&window);
        elsewhere->move(panel->minimumWidth() + 10, 0);
        window.resize(400, 400);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    void Insert(int count) {
        for (int k = 0; k < count; ++k) form.editor.InsertFromMenuBar("Label");
        QCoreApplication::processEvents();
    }
    QLineEdit* Name() const { return panel->Properties()->NameEdit(); }
    QLineEdit* TabOrder() const { return panel->Properties()->TabOrderEdit(); }
    QListWidget* List() const { return panel->Components()->ComponentList(); }
    void TypeInto(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialog dialogs;
    DocumentController form{messages, dialogs};
    MainController main{form};
    QWidget window;
    RightPanel* panel = nullptr;
    QLineEdit* elsewhere = nullptr;
};

}  // namespace

class InspectorPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void typedNameIsStoredOnEnter() {
        Fixture f;
        f.Insert(1);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.TypeInto(f.Name(), "my name");
        QCOMPARE(f.Name()->text(), QString("myname"));  // the blank is swallowed
        QTest::keyClick(f.Name(), Qt::Key_Return);
        QCOMPARE(f.form.doc.Slot(1).ComponentName, std::string("myname"));
        QCoreApplication::processEvents();
        QCOMPARE(f.List()->item(0)->text(), QString("myname (Label)"));
        QCOMPARE(f.List()->currentRow(), 0);
    }

    void escapePutsTheStoredNameBack() {
        Fixture f;
        f.Insert(1);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.TypeInto(f.Name(), "other");
        QTest::keyClick(f.Name(), Qt::Key_Escape);
        QCOMPARE(f.Name()->text(), QString("label_1"));
        QCOMPARE(f.form.doc.Slot(1).ComponentName, std::string("label_1"));
    }

    void refusedNameKeepsTheFocus() {
        Fixture f;
        f.Insert(2);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        // Towards the tab-order box, whose own check must not run on the way.
        f.TypeInto(f.Name(), "label_1");
        f.TabOrder()->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(f.messages.Texts(), std::vector<std::string>{"Name already has been used."});
        QCOMPARE(QApplication::focusWidget(), f.Name());
        QCOMPARE(f.Name()->text(), QString("label_2"));
        QCOMPARE(f.Name()->selectedText(), QString("label_2"));
        QVERIFY(!f.form.doc.Handles[1].Visible);

        // Leaving with an accepted name lets the focus go.
        f.TypeInto(f.Name(), "label_3");
        f.elsewhere->setFocus();
        QCOMPARE(QApplication::focusWidget(), f.elsewhere);
        QCOMPARE(f.form.doc.Slot(2).ComponentName, std::string("label_3"));
    }

    void tabOrderEditRenumbersTheOthers() {
        Fixture f;
        f.Insert(3);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(f.TabOrder()->text(), QString("3"));
        f.TypeInto(f.TabOrder(), "x1-");
        QCOMPARE(f.TabOrder()->text(), QString("1"));  // only digits pass
        QTest::keyClick(f.TabOrder(), Qt::Key_Return);
        std::vector<std::string> orders;
        for (int i = 1; i <= 3; ++i) orders.push_back(f.form.doc.Slot(i).ComponentTabOrder);
        QCOMPARE(orders, (std::vector<std::string>{"2", "3", "1"}));
    }

    void listFollowsTheSelection() {
        Fixture f;
        f.Insert(2);
        QCOMPARE(f.List()->count(), 2);
        QCOMPARE(f.List()->currentRow(), 1);
        f.form.list.ShowInList(1);  // a component released on the surface
        QCoreApplication::processEvents();
        QCOMPARE(f.List()->currentRow(), 0);
        QCOMPARE(f.Name()->text(), QString("label_1"));

        QListWidget* list = f.List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCoreApplication::processEvents();
        QCOMPARE(f.Name()->text(), QString("label_2"));
        QCOMPARE(f.form.doc.ActiveSlot, 2);

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QCOMPARE(list->count(), 1);
        QCOMPARE(f.Name()->text(), QString());
        QVERIFY(!f.Name()->isEnabled());
    }
};

QTEST_MAIN(InspectorPanelTest)
#include "InspectorPanelTest.moc"
