// Editing through the real widgets: arrow keys, Ctrl+click, align from the menu, copy and
// paste with the keys, undo and redo with the save point, the rubber band and Escape; and
// opening a file from outside the program (the command line, a dropped file).
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include "DesktopFixture.h"
#include "qt/DesignHistory.h"
#include "qt/EditActions.h"

namespace korvane::testing {

namespace {

// A mouse event on the surface with the buttons held after it.
void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, held, modifiers);
    QApplication::sendEvent(w, &e);
}

void Click(QWidget* w, QPoint p, Qt::KeyboardModifiers modifiers = {}) {
    Mouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, modifiers);
    Mouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, modifiers);
}

// The middle of a component's box, surface pixels.
QPoint Middle(const DesignDocument& doc, int slot) {
    const ComponentRecord& r = doc.Slot(slot);
    return QPoint(static_cast<int>((r.Left + r.Width / 2) / 15),
                  static_cast<int>((r.Top + r.Height / 2) / 15));
}

void Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

}  // namespace

class EditingRoadTest : public QObject {
    Q_OBJECT
  private slots:
    void aFormLaidOutWithKeysSelectionAlignPasteAndUndo() {
        Desktop d;
        QWidget* surface = d.window->DocumentSubWindow()->Surface();
        QUndoStack& stack = d.window->History()->Stack();
        d.Click("opt_Label_Click");
        // A run of arrow keys on the same selection is one step.
        for (int k = 0; k < 3; ++k) QTest::keyClick(surface, Qt::Key_Down);
        QTest::keyClick(surface, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(d.doc().Slot(1).Top, 480.f);
        QCOMPARE(d.doc().Slot(1).Left, 135.f);
        QCOMPARE(stack.count(), 2);
        QCOMPARE(d.Item("OptionEditUndo")->text(), QString("&Undo Move label_1"));
        d.Click("opt_Button_Click");
        QCOMPARE(d.doc().Slot(2).Left, 120.f);

        // Ctrl+click the label: both selected, the label primary; align the lefts to it.
        Click(surface, Middle(d.doc(), 1), Qt::ControlModifier);
        QCOMPARE(d.form().selection.SelectedSlots(), (std::vector<int>{1, 2}));
        QCOMPARE(d.doc().ActiveSlot, 1);
        d.window->Edit()->Refresh();
        QVERIFY(d.Item("OptionArrange0")->isEnabled());
        QVERIFY(!d.Item("OptionArrange9")->isEnabled());  // distributing needs three
        d.Click("OptionArrange0");
        QCOMPARE(d.doc().Slot(2).Left, 135.f);

        // Save, copy and paste with the keys, then undo back to the save point.
        d.dialogs.paths = {d.Path("form.dat")};
        QTest::keyClick(surface, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!d.form().Modified());
        const QByteArray saved = d.Read("form.dat");
        QTest::keyClick(surface, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().contains("Name=button_1"));
        QTest::keyClick(surface, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.doc().LiveCount(), 4);
        QCOMPARE(d.form().selection.SelectedSlots(), (std::vector<int>{3, 4}));
        QCOMPARE(d.doc().Slot(3).ComponentName, std::string("label_2"));
        QCOMPARE(d.doc().Slot(4).ComponentName, std::string("button_2"));
        QCOMPARE(d.main().componentList.ListCount(), 4);
        QVERIFY(d.form().Modified());
        QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d.doc().SlotCount(), 2);
        QVERIFY(!d.form().Modified());
        QTest::keyClick(surface, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(d.doc().LiveCount(), 4);
        QVERIFY(d.form().Modified());
        QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing
        QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(d.form().SavePath(d.Path("again.dat")));
        QCOMPARE(d.Read("again.dat"), saved);

        // A band over both components from the empty surface selects them; Escape none.
        const QPoint from(300, 200), to(5, 5);
        Mouse(surface, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Mouse(surface, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Mouse(surface, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(d.form().selection.SelectedSlots(), (std::vector<int>{1, 2}));
        QCOMPARE(d.main().componentList.ListIndex, d.main().componentList.FindName("button_1"));
        QTest::keyClick(surface, Qt::Key_Escape);
        QVERIFY(d.form().selection.SelectedSlots().empty());
        QCOMPARE(d.main().inspector.ShownIndex, std::string());
    }

    // Repeated pastes land one grid step further each, kept inside the designed window; one
    // from the surface's pop-up menu lands at the mouse.
    void pastesLandInsideTheDesign_data() {
        QTest::addColumn<QPoint>("copied");  // twips
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<QPoint>>("pasted");  // twips, each paste's top-left
        QTest::newRow("repeated") << QPoint(120, 120) << "Ctrl+V"
                                  << QList<QPoint>{{240, 240}, {360, 360}, {480, 480}};
        // The designed window is 4800 x 3600 twips; the label 1080 x 360.
        QTest::newRow("at the edge")
            << QPoint(3660, 3180) << "Ctrl+V" << QList<QPoint>{{3720, 3240}, {3720, 3240}};
        QTest::newRow("from the pop-up menu")
            << QPoint(120, 120) << "menu at 200,150" << QList<QPoint>{{3000, 2250}};
    }
    void pastesLandInsideTheDesign() {
        QFETCH(QPoint, copied);
        QFETCH(QString, how);
        QFETCH(QList<QPoint>, pasted);
        Desktop d;
        QWidget* surface = d.window->DocumentSubWindow()->Surface();
        d.Click("opt_Label_Click");
        d.doc().MutableSlot(1).Left = static_cast<float>(copied.x());
        d.doc().MutableSlot(1).Top = static_cast<float>(copied.y());
        QTest::keyClick(surface, Qt::Key_C, Qt::ControlModifier);
        for (qsizetype k = 0; k < pasted.size(); ++k) {
            if (how == "Ctrl+V") {
                QTest::keyClick(surface, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTimer::singleShot(0, [&d] {
                    d.Click("OptionPaste");
                    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
                });
                QTest::mousePress(surface, Qt::RightButton, {}, QPoint(200, 150));
            }
            const ComponentRecord& copy = d.doc().Slot(static_cast<int>(k) + 2);
            QCOMPARE(QPoint(static_cast<int>(copy.Left), static_cast<int>(copy.Top)), pasted[k]);
        }
        QCOMPARE(d.doc().LiveCount(), 1 + static_cast<int>(pasted.size()));
    }

    void aFileFromOutsideOpensAsOpenDoesAndAsksFirst() {
        Desktop d;
        d.Click("opt_Label_Click");
        QVERIFY(d.form().SavePath(d.Path("one.dat")));
        d.Click("opt_New");
        d.Click("opt_Button_Click");
        struct Case {
            QString path;
            MessageResult answer;  // to the save question
            bool opens;
            const char* message;  // the refusal's title, or ""
        };
        const std::vector<Case> cases = {
            {QString::fromStdString(d.Path("one.dat")), MessageResult::Cancel, false, ""},
            {QString::fromStdString(d.Path("missing.dat")), MessageResult::No, false, "Korvane"},
            {QString::fromStdString(d.Path("with blank.dat")), MessageResult::No, false,
             "File Name"},
            {QString::fromStdString(d.Path("one.dat")), MessageResult::No, true, ""},
        };
        for (const Case& c : cases) {
            d.form().History().ForgetSaved();
            d.messages.shown.clear();
            d.messages.answers = {c.answer};
            QCOMPARE(d.window->OpenFromOutside(c.path), c.opens);
            QCOMPARE(d.messages.shown.front().title, std::string("Open File"));
            if (*c.message) QCOMPARE(d.messages.shown.back().title, std::string(c.message));
        }
        QCOMPARE(d.doc().FileName, std::string("one"));
        QCOMPARE(d.doc().Slot(1).ComponentName, std::string("label_1"));
        QVERIFY(!d.form().Modified());

        // Dropped on the main window, with the document window closed.
        d.window->DocumentSubWindow()->close();
        QVERIFY(!d.form().Loaded());
        Drop(d.window.get(), QString::fromStdString(d.Path("one.dat")));
        QVERIFY(d.form().Loaded());
        QCOMPARE(d.doc().LiveCount(), 1);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::EditingRoadTest)
#include "EditingRoadTest.moc"
