// The whole design edited through the widgets: the Events and Popup pages, the Options
// dialogs, the menu-bar editor and View > Show Text.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "DesktopFixture.h"
#include "qt/DesignSurfaceWidget.h"
#include "qt/InspectorPanel.h"
#include "qt/MenuBarDialog.h"
#include "qt/OptionsDialogs.h"

using namespace korvane;
using korvane::testing::Desktop;

namespace {

InspectorPanel* PanelOf(Desktop& d) {
    return d.window->RightSide()->Properties();
}

template <typename T>
T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    if (!child) qFatal("no widget %s", name);
    return child;
}

// Runs `drive` on the modal dialog the menu item opens, once it is shown.
template <typename Dialog>
void WithDialog(Desktop& d, const char* item, const std::function<void(Dialog*)>& drive) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        drive(dialog);
        driven = true;
        if (dialog->isVisible()) dialog->reject();
    });
    d.Click(item);
    QVERIFY(driven);
}

void SetText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ClickOk(QDialog* dialog) {
    auto* box = dialog->findChild<QDialogButtonBox*>("Buttons");
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Chooses an entry of a drop-down list as the keyboard does, which is a user's choice.
void Choose(QComboBox* combo, const QString& text) {
    combo->setFocus();
    const int row = combo->findText(text);
    QVERIFY(row >= 0);
    while (combo->currentIndex() != row)
        QTest::keyClick(combo, combo->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
}

}  // namespace

class DesignPagesWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    void theEventsPageWritesTheCheckedEvents() {
        Desktop d;
        d.Click("opt_Button_Click");
        InspectorPanel* ins = PanelOf(d);
        QLabel* eventsTab = ins->TabLabel(2);
        QVERIFY(eventsTab->isVisible());
        QCOMPARE(eventsTab->text(), QString("  Events"));
        QTest::mouseClick(eventsTab, Qt::LeftButton);
        QVERIFY(ins->EventsList()->isVisible());
        QVERIFY(!ins->PropertiesPage()->isVisible());
        d.form().History().MarkSaved();
        QListWidget* events = ins->EventsList();
        const QList<QListWidgetItem*> found = events->findItems("mouseClicked()", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        found[0]->setCheckState(Qt::Checked);
        events->findItems("actionPerformed()", Qt::MatchExactly)[0]->setCheckState(Qt::Checked);
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string("actionPerformed()|mouseClicked()"));
        QVERIFY(d.form().Modified());
        found[0]->setCheckState(Qt::Unchecked);
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string("actionPerformed()"));

        // Each check is a step of the Edit menu's undo; the page follows the undo.
        QCOMPARE(d.Item("OptionEditUndo")->text(), QString("&Undo Events of button_1"));
        d.Click("OptionEditUndo");
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string("actionPerformed()|mouseClicked()"));
        QCOMPARE(ins->EventsList()->findItems("mouseClicked()", Qt::MatchExactly)[0]->checkState(),
                 Qt::Checked);
        d.Click("OptionEditUndo");
        d.Click("OptionEditUndo");
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string(""));
        d.Click("OptionEditRedo");
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string("mouseClicked()"));
    }

    void thePopupPageWritesTheBindingAndRefusesBadNames() {
        Desktop d;
        d.Click("opt_Button_Click");
        InspectorPanel* ins = PanelOf(d);
        QTest::mouseClick(ins->TabLabel(3), Qt::LeftButton);
        QWidget* page = ins->PopupPage();
        QVERIFY(page->isVisible());
        auto* kind = Child<QComboBox>(page, "PopupKindList");
        auto* name = Child<QLineEdit>(page, "PopupClassBox");
        auto* trigger = Child<QComboBox>(page, "PopupTriggerList");
        Choose(kind, "Dialog");
        Choose(trigger, "mouseClicked()");
        // Kept though incomplete, and said to be.
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string("Dialog,,mouseClicked()"));
        QVERIFY(Child<QLabel>(page, "PopupNotice")
                    ->text()
                    .startsWith("Incomplete: it needs its class"));
        SetText(name, "AboutBox");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string("Dialog,AboutBox,mouseClicked()"));

        SetText(name, "About Box");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QCOMPARE(d.messages.shown[0].text,
                 std::string("The window class \"About Box\" is not a valid Java class name."));
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string("Dialog,AboutBox,mouseClicked()"));
        QTRY_COMPARE(name->text(), QString("AboutBox"));

        QVERIFY(Child<QLabel>(page, "PopupNotice")->text().isEmpty());
        Choose(trigger, "(None)");
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string("Dialog,AboutBox,(None)"));
        Choose(trigger, "keyTyped()");
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string("Dialog,AboutBox,keyTyped()"));
        QTest::mouseClick(Child<QPushButton>(page, "CmdClearPopup"), Qt::LeftButton);
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string());
        QTRY_COMPARE(name->text(), QString());
        QCOMPARE(kind->currentIndex(), -1);
    }

    // A kind change keeps the events and the binding in sight: what the new kind does not offer
    // is shown as not offered, can be unchecked, and the change is undone in one step.
    void theEventsPageAfterAKindChange() {
        Desktop d;
        d.Click("opt_Button_Click");
        d.doc().MutableSlot(1).ComponentEvents = "actionPerformed()|mouseClicked()";
        d.doc().MutableSlot(1).ComponentPopup = "Frame,Settings,actionPerformed()";
        d.form().selection.SelectSlot(1);
        InspectorPanel* ins = PanelOf(d);
        QTest::mouseClick(ins->TabLabel(1), Qt::LeftButton);
        Choose(Child<QComboBox>(ins->PropertiesPage(), "TypeList"), "Label");
        QCOMPARE(d.doc().Slot(1).ComponentType, std::string("Label"));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QVERIFY(d.messages.shown[0].text.find("does not offer actionPerformed()") !=
                std::string::npos);
        QTest::mouseClick(ins->TabLabel(2), Qt::LeftButton);
        QListWidget* events = ins->EventsList();
        const auto row = [&](const QString& text) {
            const QList<QListWidgetItem*> found = events->findItems(text, Qt::MatchExactly);
            return found.size() == 1 ? found[0] : nullptr;
        };
        QListWidgetItem* trigger = row("actionPerformed()  (opens the popup window)");
        QVERIFY(trigger);
        QCOMPARE(trigger->checkState(), Qt::Checked);
        QVERIFY(!(trigger->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(row("mouseClicked()"));  // a Label offers it
        QCOMPARE(row("mouseClicked()")->checkState(), Qt::Checked);
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string("actionPerformed()|mouseClicked()"));
        QCOMPARE(d.doc().Slot(1).ComponentPopup, std::string("Frame,Settings,actionPerformed()"));
        d.Click("OptionEditUndo");
        QCOMPARE(d.doc().Slot(1).ComponentType, std::string("CommandButton"));
        QVERIFY(row("actionPerformed()  (opens the popup window)"));

        // On a JTextField a stored textValueChanged() is not offered: unchecking removes it.
        d.Click("opt_TextField_Click");
        d.doc().MutableSlot(2).ComponentEvents = "textValueChanged()";
        d.form().selection.SelectSlot(1);
        d.form().selection.SelectSlot(2);
        QTest::mouseClick(ins->TabLabel(1), Qt::LeftButton);
        Choose(Child<QComboBox>(ins->PropertiesPage(), "TypeList"), "JTextField");
        QTest::mouseClick(ins->TabLabel(2), Qt::LeftButton);
        QListWidgetItem* stale = row("textValueChanged()  (not offered)");
        QVERIFY(stale);
        stale->setCheckState(Qt::Unchecked);
        QCOMPARE(d.doc().Slot(2).ComponentEvents, std::string());
    }

    // With several selected, the Events page says its checks go to all of them, and the Popup
    // page which one it edits.
    void theEventsAndPopupPagesNameTheComponentTheyEdit() {
        Desktop d;
        d.Click("opt_Button_Click");
        d.Click("opt_Label_Click");
        InspectorPanel* ins = PanelOf(d);
        QTest::mouseClick(ins->TabLabel(2), Qt::LeftButton);
        auto* notice = ins->findChild<QLabel*>("SelectionNotice");
        QVERIFY2(notice->isHidden(), qPrintable(notice->text()));
        d.form().selection.SelectSlots({1, 2}, 2);
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QString("2 selected: Type, Value and Events change all of them; "
                                         "Name and Tab Order change label_1 alone."));
        ins->EventsList()->findItems("mouseClicked()", Qt::MatchExactly)[0]->setCheckState(
            Qt::Checked);
        QCOMPARE(d.doc().Slot(2).ComponentEvents, std::string("mouseClicked()"));
        QCOMPARE(d.doc().Slot(1).ComponentEvents, std::string("mouseClicked()"));
        QTest::mouseClick(ins->TabLabel(3), Qt::LeftButton);
        QVERIFY(Child<QLabel>(ins->PopupPage(), "PopupNotice")
                    ->text()
                    .startsWith("Editing label_1 of 2 selected."));
        d.form().selection.SelectSlots({1}, 1);
        QTest::mouseClick(ins->TabLabel(2), Qt::LeftButton);
        QTRY_VERIFY(notice->isHidden());
    }

    void windowSizeAndFontResizeTheDocumentWindow() {
        Desktop d;
        QWidget* surface = d.window->DocumentSubWindow()->Surface();
        WithDialog<WindowFontDialog>(d, "opt_WindowSize", [&](WindowFontDialog* dialog) {
            QCOMPARE(dialog->WidthEdit()->text(), QString("320"));
            QCOMPARE(dialog->FontNameCombo()->currentText(), QString("Helvetica"));
            SetText(dialog->WidthEdit(), "0");
            ClickOk(dialog);
            QVERIFY(dialog->isVisible());  // refused, still open
            QCOMPARE(d.messages.shown.back().title, std::string("Window Size and Font"));
            SetText(dialog->WidthEdit(), "400");
            SetText(dialog->HeightEdit(), "300");
            dialog->FontNameCombo()->setEditText("Monospaced");
            dialog->FontStyleCombo()->setCurrentIndex(
                dialog->FontStyleCombo()->findText("BOLD ITALIC"));
            SetText(dialog->FontSizeEdit(), "9");
            ClickOk(dialog);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(d.doc().WindowWidth, 400.f);
        QCOMPARE(d.doc().FontName, std::string("Monospaced"));
        QCOMPARE(d.doc().FontStyle, std::string("BOLD ITALIC"));
        QCOMPARE(d.doc().FontSize, 9);
        QVERIFY(d.form().Modified());
        // The surface is the design plus 75 twips (5 pixels) each way.
        QTRY_COMPARE(surface->size(), QSize(405, 305));
        // Undone, the window and the surface go back to the design's earlier size.
        d.Click("OptionEditUndo");
        QCOMPARE(d.doc().WindowWidth, 320.f);
        QCOMPARE(d.doc().FontName, std::string("Helvetica"));
        QTRY_COMPARE(surface->size(), QSize(325, 245));
        QVERIFY(!d.form().Modified());
    }

    void gridAndUnitsApplyToTheOpenDesign() {
        Desktop d;
        WithDialog<GridDialog>(d, "opt_Grid", [&](GridDialog* dialog) {
            QCOMPARE(dialog->SizeEdit()->text(), QString("8"));
            dialog->UnitsCombo()->setCurrentText("twips");
            QCOMPARE(dialog->SizeEdit()->text(), QString("120"));
            SetText(dialog->SizeEdit(), "300");
            dialog->ShowCheck()->setChecked(false);
            ClickOk(dialog);
        });
        QCOMPARE(d.main().Grid().GridSize, 300);
        QCOMPARE(d.main().Grid().GridUnits, std::string("twips"));
        QCOMPARE(d.doc().GridSize, 300.);
        QVERIFY(!d.doc().GridShow);
        QVERIFY(!d.form().Modified());  // the grid is not part of the design
    }

    // The grid, Show Text and the window's size outlive the program; a kept grid the Grid
    // dialog would refuse is not used.
    void gridShowTextAndLayoutAreKeptBetweenRuns() {
        QTemporaryDir folder;
        const QString file = QDir(folder.path()).filePath("korvane.conf");
        {
            Desktop d;
            d.window->KeepSettingsIn(ProgramSettings(file));
            WithDialog<GridDialog>(d, "opt_Grid", [&](GridDialog* dialog) {
                SetText(dialog->SizeEdit(), "12");
                ClickOk(dialog);
            });
            d.Click("opt_ShowText");
            d.window->resize(900, 700);
            QVERIFY(d.window->close());
        }
        {
            Desktop d;
            d.window->KeepSettingsIn(ProgramSettings(file));
            QCOMPARE(d.main().Grid().GridSize, 12);
            QVERIFY(d.Item("opt_ShowText")->isChecked());
            QCOMPARE(d.window->size(), QSize(900, 700));
        }
        QSettings(file, QSettings::IniFormat).setValue("Grid/Size", "-5");
        Desktop d;
        d.window->KeepSettingsIn(ProgramSettings(file));
        QCOMPARE(d.main().Grid().GridSize, 8);
    }

    void theMenuEditorBuildsAMenuBar() {
        Desktop d;
        WithDialog<MenuBarDialog>(d, "opt_Menu", [&](MenuBarDialog* dialog) {
            QTest::mouseClick(dialog->Button("Add"), Qt::LeftButton);
            SetText(Child<QLineEdit>(dialog, "MenuLabel"), "File");
            QTest::mouseClick(dialog->Button("Add"), Qt::LeftButton);
            SetText(Child<QLineEdit>(dialog, "MenuName"), "optOpen");
            SetText(Child<QLineEdit>(dialog, "MenuLabel"), "Open");
            SetText(Child<QLineEdit>(dialog, "MenuShortcut"), "Ctrl+O");
            auto* events = Child<QListWidget>(dialog, "MenuEvents");
            events->findItems("actionPerformed()", Qt::MatchExactly)[0]->setCheckState(Qt::Checked);
            QCOMPARE(dialog->ElementList()->item(1)->text(), QString("    Open  (Item)"));
            QTest::mouseClick(dialog->Button("Outdent"), Qt::LeftButton);
            QTest::mouseClick(dialog->Button("Indent"), Qt::LeftButton);
            ClickOk(dialog);
            QVERIFY(!dialog->isVisible());
        });
        const std::vector<MenuElement>& menu = d.doc().MenuElements;
        QCOMPARE(menu.size(), size_t(2));
        QCOMPARE(menu[0].Label, std::string("File"));
        QCOMPARE(menu[0].Type, std::string("Menu"));
        QCOMPARE(menu[1].Name, std::string("optOpen"));
        QCOMPARE(menu[1].Level, std::string("1"));
        QCOMPARE(menu[1].Events, std::string("actionPerformed()"));
        QCOMPARE(menu[1].Shortcut, std::string("Ctrl+O"));
        QVERIFY(d.form().Modified());

        // A clash is refused and nothing is kept.
        d.Click("opt_Label_Click");
        WithDialog<MenuBarDialog>(d, "OptionMenu", [&](MenuBarDialog* dialog) {
            QCOMPARE(dialog->ElementList()->count(), 2);
            dialog->ElementList()->setCurrentRow(1);
            SetText(Child<QLineEdit>(dialog, "MenuName"), "label_1");
            ClickOk(dialog);
            QVERIFY(dialog->isVisible());
        });
        QCOMPARE(d.messages.shown.back().text,
                 std::string("The menu element name \"label_1\" is also the name of a component."));
        QCOMPARE(d.doc().MenuElements[1].Name, std::string("optOpen"));

        // The label went in after the menu bar: two undos leave a design without one.
        d.Click("OptionEditUndo");
        QCOMPARE(d.Item("OptionEditUndo")->text(), QString("&Undo Menu Bar"));
        d.Click("OptionEditUndo");
        QCOMPARE(d.doc().MenuElements.size(), size_t(1));
        QVERIFY(d.doc().MenuElements[0].Name.empty());
    }

    void showTextDrawsTheCaptionsOverTheLooks() {
        Desktop d;
        d.Click("opt_Button_Click");
        auto* surface =
            qobject_cast<DesignSurfaceWidget*>(d.window->DocumentSubWindow()->Surface());
        QVERIFY(surface);
        // The button's box, 9 x 3 grid steps from (8, 8), inside its edges.
        const QRect inside(12, 12, 64, 16);
        auto darkPixels = [&] {
            const QImage image = surface->grab().toImage();
            int dark = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    dark += qGray(image.pixel(x, y)) < 100;
            return dark;
        };
        QCOMPARE(darkPixels(), 0);  // the described look: a plain face
        d.Click("opt_ShowText");
        QVERIFY(surface->ShowsText());
        QVERIFY(darkPixels() > 10);
        d.Click("opt_ShowText");
        QCOMPARE(darkPixels(), 0);
    }
};

QTEST_MAIN(DesignPagesWidgetTest)
#include "DesignPagesWidgetTest.moc"
