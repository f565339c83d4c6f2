// What reaches the records through the Properties page of the running program: tab orders
// however they are put in, names Java accepts, the Delete key on the page itself, and edits
// with several components selected.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>

#include "DesktopFixture.h"
#include "qt/ComponentListPanel.h"
#include "qt/InspectorPanel.h"

namespace korvane::testing {

class InspectorInputTest : public QObject {
    Q_OBJECT
  private:
    static InspectorPanel* Panel(Desktop& d) { return d.window->RightSide()->Properties(); }

    static void Drop(QLineEdit* box, const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPoint at = box->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    }

    // Types text the way a keyboard of another language does: key events carrying it.
    static void Type(QWidget* box, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &release);
        }
    }

  private slots:
    void tabOrderTakesDigitsOnlyHoweverTheyArrive_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("pasted letters") << "paste"
                                        << "abc1"
                                        << "1";
        QTest::newRow("Ctrl+V letters") << "Ctrl+V"
                                        << "abc1"
                                        << "1";
        QTest::newRow("dropped letters") << "drop"
                                         << "7x"
                                         << "1";
        QTest::newRow("pasted digits") << "paste"
                                       << "42"
                                       << "42";
        QTest::newRow("dropped digits") << "drop"
                                        << "42"
                                        << "42";
    }
    void tabOrderTakesDigitsOnlyHoweverTheyArrive() {
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        Desktop d;
        d.Click("opt_Label_Click");
        QLineEdit* box = Panel(d)->TabOrderEdit();
        box->setFocus();
        box->selectAll();
        QApplication::clipboard()->setText(text);
        if (way == "paste") {
            box->paste();  // as the box's context menu does
        } else if (way == "Ctrl+V") {
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            box->clear();
            Drop(box, text);
        }
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(QString::fromStdString(d.doc().Slot(1).ComponentTabOrder), stored);
    }

    void namesJavaAcceptsAreAccepted() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Label_Click");
        QLineEdit* name = Panel(d)->NameEdit();
        name->setFocus();
        name->selectAll();
        Type(name, "número");
        QTest::keyClick(name, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(d.messages.shown.empty());
        QCOMPARE(d.doc().Slot(2).ComponentName, std::string("número"));
        QCOMPARE(d.window->RightSide()->Components()->ComponentList()->item(1)->text(),
                 QString("número (Label)"));

        // A name Java refuses is still refused.
        name->selectAll();
        Type(name, "a·b");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(d.messages.Texts(),
                 std::vector<std::string>{"Name must be a valid Java identifier."});
        QCOMPARE(d.doc().Slot(2).ComponentName, std::string("número"));
    }

    void undoInAPropertyBoxActsOnTheDesign_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("stored");  // each edit ends with Enter
        QTest::addColumn<QString>("undone");
        QTest::addColumn<QString>("redone");
        QTest::newRow("a stored name") << "NameBox" << QStringList{"first"} << true << "label_1"
                                       << "first";
        // Typing not yet stored is taken back inside the box; the design keeps its component.
        QTest::newRow("a name being typed")
            << "NameBox" << QStringList{"first"} << false << "label_1"
            << "label_1";
        QTest::newRow("two value edits are two steps")
            << "ValueBox" << QStringList{"a", "b"} << true << "a"
            << "ab";
    }
    void undoInAPropertyBoxActsOnTheDesign() {
        QFETCH(QString, box);
        QFETCH(QStringList, edits);
        QFETCH(bool, stored);
        QFETCH(QString, undone);
        QFETCH(QString, redone);
        Desktop d;
        d.Click("opt_Label_Click");
        auto* edit = d.window->findChild<QLineEdit*>(box);
        edit->setFocus();
        edit->selectAll();
        for (const QString& text : edits) {
            Type(edit, text);
            if (stored) QTest::keyClick(edit, Qt::Key_Return);
        }
        const auto inDesign = [&] {
            const ComponentRecord& r = d.doc().Slot(1);
            return QString::fromStdString(box == "NameBox" ? r.ComponentName : r.ComponentValue);
        };
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(inDesign(), undone);
        QCOMPARE(edit->text(), undone);
        QCOMPARE(d.doc().LiveCount(), 1);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(inDesign(), redone);
        if (stored) QCOMPARE(edit->text(), redone);
        // The list names the component as the design does.
        auto* list = d.window->RightSide()->Components()->ComponentList();
        QCOMPARE(list->item(0)->text(),
                 QString::fromStdString(d.doc().Slot(1).ComponentName) + " (Label)");
    }

    // The box's own keys: Ctrl+A selects its text, Ctrl+Z takes back typing not yet stored, and
    // once stored, undoes the design's step.
    void theTabOrderBoxTakesSelectAllAndUndo_data() {
        QTest::addColumn<QString>("keys");  // digits, A for Ctrl+A, Z for Ctrl+Z, > for Enter
        QTest::addColumn<QString>("stored");
        QTest::newRow("Ctrl+A and a digit replace the order") << "2A5>"
                                                              << "5";
        QTest::newRow("Ctrl+Z takes back the typing") << "2Z>"
                                                      << "1";
        QTest::newRow("Ctrl+Z after Enter undoes the step") << "2>Z"
                                                            << "1";
    }
    void theTabOrderBoxTakesSelectAllAndUndo() {
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        Desktop d;
        d.Click("opt_Label_Click");
        QLineEdit* box = Panel(d)->TabOrderEdit();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        for (const QChar key : keys) {
            if (key == 'A' || key == 'Z')
                QTest::keyClick(box, key == 'A' ? Qt::Key_A : Qt::Key_Z, Qt::ControlModifier);
            else if (key == '>')
                QTest::keyClick(box, Qt::Key_Return);
            else
                QTest::keyClicks(box, key);
        }
        QCoreApplication::processEvents();
        QCOMPARE(QString::fromStdString(d.doc().Slot(1).ComponentTabOrder), stored);
        QCOMPARE(box->text(), stored);
        QCOMPARE(d.doc().LiveCount(), 1);
    }

    // With several selected, a kind, a value or an event goes to all of them as one step; a
    // name only to the one shown, as the page says.
    void severalSelectedShareKindValueAndEventsButNotNames_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("undo");
        QTest::newRow("a kind") << "kind"
                                << "&Undo Change Type of 3 components";
        QTest::newRow("a value typed") << "value"
                                       << "&Undo Edit Value of 3 components";
        QTest::newRow("an event checked") << "event"
                                          << "&Undo Events of 3 components";
        QTest::newRow("a name") << "name"
                                << "&Undo Rename label_2";
    }
    void severalSelectedShareKindValueAndEventsButNotNames() {
        QFETCH(QString, edit);
        QFETCH(QString, undo);
        Desktop d;
        d.Click("opt_Button_Click");
        d.Click("opt_Label_Click");
        d.Click("opt_Label_Click");
        d.form().selection.SelectSlots({1, 2, 3}, 3);
        QCoreApplication::processEvents();
        InspectorPanel* panel = Panel(d);
        auto* notice = panel->findChild<QLabel*>("GroupNotice");
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QString("3 selected: Type, Value and Events change all of "
                                         "them; Name and Tab Order change label_2 alone."));
        const auto records = [&] {
            std::vector<std::string> fields;
            for (int s = 1; s <= 3; ++s) {
                const ComponentRecord& r = d.doc().Slot(s);
                for (const std::string* f :
                     {&r.ComponentName, &r.ComponentType, &r.ComponentValue, &r.ComponentEvents})
                    fields.push_back(*f);
            }
            return fields;
        };
        const std::vector<std::string> before = records();
        if (edit == "kind") {
            QComboBox* kinds = panel->TypeCombo();
            const int row = kinds->findText("TextField");
            kinds->setCurrentIndex(row);
            emit kinds->activated(row);
        } else if (edit == "value" || edit == "name") {
            QLineEdit* box = edit == "value" ? panel->ValueEdit() : panel->NameEdit();
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, "ab");
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QTest::mouseClick(panel->TabLabel(2), Qt::LeftButton);
            panel->EventsList()->findItems("mouseClicked()", Qt::MatchExactly)[0]->setCheckState(
                Qt::Checked);
        }
        QCoreApplication::processEvents();
        for (int s = 1; s <= 3; ++s) {
            const ComponentRecord& r = d.doc().Slot(s);
            const std::string& field = edit == "kind"    ? r.ComponentType
                                       : edit == "value" ? r.ComponentValue
                                       : edit == "event" ? r.ComponentEvents
                                                         : r.ComponentName;
            const std::string edited = edit == "kind"    ? "TextBox"
                                       : edit == "event" ? "mouseClicked()"
                                                         : "ab";
            QCOMPARE(field == edited, edit != "name" || s == 3);
        }
        QCOMPARE(d.Item("OptionEditUndo")->text(), undo);
        d.Click("OptionEditUndo");
        QCOMPARE(records(), before);
        QCOMPARE(d.form().selection.SelectedSlots(), (std::vector<int>{1, 2, 3}));
    }

    void deleteOnThePropertiesPageDeletesTheSelectedComponent() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        QWidget* page = Panel(d)->PropertiesPage();
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(page->width() - 4, page->height() - 4));
        QCOMPARE(QApplication::focusWidget(), page);
        QTest::keyClick(page, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QVERIFY(d.messages.shown.empty());
        QVERIFY(!d.doc().IsLive(2));
        QVERIFY(d.doc().IsLive(1));
        QVERIFY(!d.doc().Handles[1].Visible);
        QCOMPARE(d.window->RightSide()->Components()->ComponentList()->count(), 1);
        QVERIFY(Panel(d)->NameEdit()->text().isEmpty());
        // Nothing is chosen now: the next Delete removes nothing.
        QTest::keyClick(page, Qt::Key_Delete);
        QCOMPARE(d.doc().LiveCount(), 1);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::InspectorInputTest)
#include "InspectorInputTest.moc"
