// The main window and the document window: start-up, menus, insertion, the file commands with
// every answer of their prompts, resizing and the Delete key.
#include <QDockWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "DesktopFixture.h"
#include "qt/CodeWindow.h"
#include "qt/CommandBar.h"

namespace korvane::testing {

class DocumentWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpShowsTheFrameWithTheNewDocumentInside() {
        Desktop d;
        QCOMPARE(d.window->windowTitle(), QString("Untitled - Korvane - Version 1.3"));
        QCOMPARE(d.window->size(), QSize(643, 447));  // 9650 x 6700 twips
        QCOMPARE(d.window->findChild<QWidget*>("Picture2")->height(), 32);
        QCOMPARE(d.window->findChild<QWidget*>("Picture4")->height(), 0);
        QCOMPARE(d.window->findChild<QWidget*>("Picture_Toolbar")->width(), 63);
        QCOMPARE(d.window->findChild<QWidget*>("Picture_Toolbar2")->width(), 217);

        DocumentWindow* doc = d.window->DocumentSubWindow();
        QVERIFY(doc->isVisible());
        QCOMPARE(d.window->ClientArea()->activeSubWindow(), doc);
        QCOMPARE(doc->pos(), QPoint(8, 8));  // 120 twips inside the frame
        QCOMPARE(doc->Surface()->size(), QSize(325, 245));
        QCOMPARE(doc->OuterSizeTwips(), QSize(4995, 4035));
        QCOMPARE(doc->windowTitle(), QString("Untitled"));
        QCOMPARE(d.doc().WindowWidth, 320.f);
        QCOMPARE(d.doc().WindowHeight, 240.f);
        QCOMPARE(d.main().Grid().GridSize, 8);
        QVERIFY(d.main().Grid().GridAlign && d.main().Grid().GridShow);
        QCOMPARE(d.doc().GridSize, 120.);
        QCOMPARE(d.main().PressedTargetButton, std::string("Applet"));
        QCOMPARE(d.window->Commands()->TargetButton()->text(), QString("Applet"));
    }

    void theActiveDocumentsMenusReplaceTheFramesWithTheirHiddenItems() {
        Desktop d;
        QCOMPARE(VisibleTexts(d.window->menuBar()->actions()),
                 QStringList({"File", "Edit", "View", "Insert", "Build", "Help"}));
        QCOMPARE(VisibleTexts(d.Item("mnuFile")->menu()->actions()),
                 QStringList({"New", "Open...", "Import Java...", "Open Recent", "Close", "-",
                              "Save", "Save As...", "Revert", "Options", "-", "Exit"}));
        QCOMPARE(VisibleTexts(d.Item("opt_Options")->menu()->actions()),
                 QStringList({"Window Size & Font...", "Grid and Units..."}));
        QCOMPARE(VisibleTexts(d.Item("mnuView")->menu()->actions()),
                 QStringList({"Show Text", "Preview Output"}));
        QVERIFY(!d.Item("opt_ShowText")->isChecked());
        QCOMPARE(VisibleTexts(d.Item("mnuInsert")->menu()->actions()),
                 QStringList({"AWT Components", "Swing Components", "Menu..."}));
        QCOMPARE(d.Item("opt_AWTComponents")->menu()->actions().size(), 13);
        QCOMPARE(d.Item("opt_SwingComponents")->menu()->actions().size(), 12);
        QCOMPARE(VisibleTexts(d.Item("mnuBuild")->menu()->actions()),
                 QStringList({"As Applet", "As Frame", "As Dialog", "As Panel", "-", "As JApplet",
                              "As JFrame", "As JDialog", "As JPanel", "-", "Generate into File",
                              "Preview"}));
        QCOMPARE(d.Item("opt_Preview")->shortcut(), QKeySequence("Ctrl+R"));
        QCOMPARE(VisibleTexts(d.Item("mnuHelp")->menu()->actions()),
                 QStringList({"Contents...", "-", "About..."}));
        QMenu* form = d.window->DocumentSubWindow()->PopupMenu("menuForm");
        QCOMPARE(VisibleTexts(form->actions()),
                 QStringList({"AWT", "Swing", "Paste", "Menu...", "Options", "-", "Generate AWT",
                              "Generate Swing"}));
        QCOMPARE(VisibleTexts(d.Item("OptionGenerateAWT")->menu()->actions()),
                 QStringList({"As Applet", "As Frame", "As Dialog", "As Panel"}));
        QCOMPARE(
            VisibleTexts(d.window->DocumentSubWindow()->PopupMenu("menuControl")->actions()),
            QStringList({"Delete", "-", "Bring to Front", "Send to Back", "-", "Align Left Edges",
                         "Align Right Edges", "Align Top Edges", "Align Bottom Edges",
                         "Align Horizontal Centres", "Align Vertical Centres", "-", "Same Width",
                         "Same Height", "Same Size", "-", "Distribute Across", "Distribute Down"}));
        QCOMPARE(VisibleTexts(d.window->DocumentSubWindow()->PopupMenu("menuToolbar")->actions()),
                 QStringList({"AWT ", "Swing"}));
        QCOMPARE(SharedMnemonics(d.window->menuBar()->actions()), QStringList());
        for (const char* popup : {"menuForm", "menuControl", "menuToolbar"})
            QCOMPARE(SharedMnemonics(d.window->DocumentSubWindow()->PopupMenu(popup)->actions()),
                     QStringList());

        // With the document closed the frame's own menus come back.
        d.window->DocumentSubWindow()->close();
        QVERIFY(!d.form().Loaded());
        QCOMPARE(VisibleTexts(d.window->menuBar()->actions()),
                 QStringList({"File", "Edit", "Help"}));
        QCOMPARE(VisibleTexts(d.Item("MenuFile")->menu()->actions()),
                 QStringList({"New", "Open...", "Open Recent", "-", "Exit"}));
        QCOMPARE(SharedMnemonics(d.window->menuBar()->actions()), QStringList());
        QVERIFY(!d.main().palettes.ButtonsEnabled);
        d.Click("OptionNew");
        QVERIFY(d.form().Loaded());
        QVERIFY(d.window->DocumentSubWindow()->isVisible());
        QVERIFY(d.main().palettes.ButtonsEnabled);
        QCOMPARE(VisibleTexts(d.window->menuBar()->actions()),
                 QStringList({"File", "Edit", "View", "Insert", "Build", "Help"}));
    }

    void insertedComponentsFromBothMenusAreSaved() {
        Desktop d;
        d.Click("opt_Label_Click");  // one grid step from the corner
        QWidget* surface = d.window->DocumentSubWindow()->Surface();
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(40, 60));  // the insertion point
        d.Click("OptionInsertJButton_Click");
        QCOMPARE(d.doc().SlotCount(), 2);
        QVERIFY(d.form().Modified());
        QCOMPARE(d.window->windowTitle(), QString("Untitled* - Korvane - Version 1.3"));
        d.dialogs.paths = {d.Path("form.dat")};
        d.Click("opt_Save");
        QVERIFY(!d.form().Modified());
        QCOMPARE(d.window->DocumentSubWindow()->windowTitle(), QString("form"));
        const QByteArray file = d.Read("form.dat");
        QVERIFY(file.contains(
            "[1]\r\nName=label_1\r\nType=Label\r\nValue=label_1\r\nX= 120\r\nY= 120\r\n"));
        QVERIFY(file.contains(
            "Name=button_1\r\nType=JButton\r\nValue=button_1\r\nX= 600\r\nY= 900\r\n"));
        QVERIFY(d.dialogs.requests.at(0).save);
    }

    void newAsksBeforeDiscardingChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("componentsAfter");
        QTest::newRow("Yes discards") << int(MessageResult::Yes) << 0;
        QTest::newRow("No keeps") << int(MessageResult::No) << 1;
    }
    void newAsksBeforeDiscardingChanges() {
        QFETCH(int, answer);
        QFETCH(int, componentsAfter);
        Desktop d;
        d.Click("opt_Label_Click");
        d.main().ChooseTarget("JFrame");
        d.messages.answers = {MessageResult(answer)};
        d.Click("opt_New");
        QCOMPARE(d.messages.shown.size(), size_t(1));
        const MessageRequest& ask = d.messages.shown[0];
        QCOMPARE(ask.text,
                 std::string("This action will discard your changes.\n\nDo you want to continue?"));
        QCOMPARE(ask.title, std::string("New File"));
        QVERIFY(ask.buttons == MessageButtons::YesNo && ask.defaultButton == 2);
        QCOMPARE(d.doc().LiveCount(), componentsAfter);
        QCOMPARE(d.form().Modified(), componentsAfter == 1);
        QCOMPARE(d.doc().Target, std::string("JFrame"));  // the target stays
        // The command bar's New runs the same command; unmodified it asks nothing.
        d.messages.answers = {MessageResult::Yes};
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_New"), Qt::LeftButton);
        QCOMPARE(d.doc().LiveCount(), 0);
        d.messages.shown.clear();
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_New"), Qt::LeftButton);
        QVERIFY(d.messages.shown.empty());
    }

    void closeAsksToSave_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("dialogPath");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Yes saves and closes")
            << int(MessageResult::Yes) << "closing.dat" << true << true;
        QTest::newRow("Yes, save cancelled, stays")
            << int(MessageResult::Yes) << "" << false << false;
        QTest::newRow("No closes unsaved") << int(MessageResult::No) << "" << true << false;
        QTest::newRow("Cancel stays") << int(MessageResult::Cancel) << "" << false << false;
    }
    void closeAsksToSave() {
        QFETCH(int, answer);
        QFETCH(QString, dialogPath);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        Desktop d;
        d.Click("opt_Button_Click");
        d.messages.answers = {MessageResult(answer)};
        d.dialogs.paths = {dialogPath.isEmpty() ? std::string() : d.Path(dialogPath)};
        d.window->DocumentSubWindow()->close();
        QCOMPARE(d.messages.shown.at(0).title, std::string("Close File"));
        QCOMPARE(d.messages.shown.at(0).text, std::string("Do you want to save the changes?"));
        QVERIFY(d.messages.shown.at(0).buttons == MessageButtons::YesNoCancel);
        QCOMPARE(!d.form().Loaded(), closed);
        QCOMPARE(!d.window->DocumentSubWindow()->isVisible(), closed);
        QCOMPARE(d.main().palettes.ButtonsEnabled, !closed);
        QCOMPARE(!d.Read("closing.dat").isEmpty(), saved);
        if (!closed) QVERIFY(d.form().Modified() && d.doc().LiveCount() == 1);
    }

    void openPromptsAndCancelKeepTheDesign() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.dialogs.paths = {d.Path("first.dat")};
        d.Click("opt_Save");
        d.Click("opt_TextArea_Click");
        // Cancel at the prompt: nothing happens.
        d.messages.answers = {MessageResult::Cancel};
        d.Click("opt_Open");
        QCOMPARE(d.messages.shown.back().title, std::string("Open File"));
        QCOMPARE(d.doc().LiveCount(), 2);
        // No, then the dialog is cancelled: the design and its name stay.
        d.messages.answers = {MessageResult::No};
        d.dialogs.paths = {""};
        d.Click("opt_Open");
        QCOMPARE(d.doc().LiveCount(), 2);
        QCOMPARE(d.window->DocumentSubWindow()->windowTitle(), QString("first*"));
        // No, then the saved file: it replaces the design.
        d.messages.answers = {MessageResult::No};
        d.dialogs.paths = {d.Path("first.dat")};
        d.Click("opt_Open");
        QCOMPARE(d.doc().LiveCount(), 1);
        QVERIFY(!d.form().Modified());
        QCOMPARE(d.dialogs.requests.back().filters.at(0).second, std::string("*.dat"));
        QCOMPARE(d.dialogs.requests.back().initialFolder, d.folder.path().toStdString() + "/");
        // The frame's Open (also the command bar's) shows the document and opens.
        d.window->DocumentSubWindow()->close();
        d.dialogs.paths = {d.Path("first.dat")};
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Open"), Qt::LeftButton);
        QVERIFY(d.window->DocumentSubWindow()->isVisible());
        QCOMPARE(d.doc().LiveCount(), 1);
    }

    void saveAsRefusedOrCancelledKeepsTheDesignAndItsFile() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.dialogs.paths = {d.Path("kept.dat")};
        d.Click("opt_Save");
        d.Click("opt_List_Click");
        // A file that cannot be written: reported, the previous file unchanged.
        const QByteArray before = d.Read("kept.dat");
        d.dialogs.paths = {d.Path("missing/other.dat")};
        d.Click("opt_SaveAs");
        QCOMPARE(d.messages.shown.back().title, std::string("Korvane"));
        QVERIFY(d.form().Modified());
        QCOMPARE(d.Read("kept.dat"), before);
        // The design still has its file: the command bar's Save writes there.
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Save"), Qt::LeftButton);
        QVERIFY(!d.form().Modified());
        QVERIFY(d.Read("kept.dat").contains("Type=List"));
        // A cancelled Save As keeps the design, its name and its changes.
        d.Click("opt_TextArea_Click");
        d.dialogs.paths = {""};
        d.Click("opt_SaveAs");
        QVERIFY(d.form().Modified());
        QCOMPARE(d.doc().FileName, std::string("kept"));
        QCOMPARE(d.doc().LiveCount(), 3);
    }

    void resizingKeepsTheFrameAllowances() {
        Desktop d;
        DocumentWindow* doc = d.window->DocumentSubWindow();
        const QSize frame = doc->size() - doc->Surface()->size();
        doc->resize(QSize(340, 200) + frame);
        QCOMPARE(doc->Surface()->size(), QSize(340, 200));
        QCOMPARE(d.doc().OuterWidth, 340 * 15 + 120.);
        QCOMPARE(d.doc().OuterHeight, 200 * 15 + 360.);
        QCOMPARE(d.doc().WindowWidth, 335.f);   // (5220 - 195) / 15
        QCOMPARE(d.doc().WindowHeight, 195.f);  // (3360 - 435) / 15
        // New puts the default size back (the resize is a change: New asks first).
        d.messages.answers = {MessageResult::Yes};
        d.Click("opt_New");
        QCOMPARE(doc->Surface()->size(), QSize(325, 245));
    }

    void deleteKeyAndEditDeleteRemoveTheSelectedComponent() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        QCOMPARE(d.doc().ActiveSlot, 2);
        QTest::keyClick(d.window->DocumentSubWindow()->Surface(), Qt::Key_Delete);
        QVERIFY(!d.doc().IsLive(2));
        QVERIFY(!d.doc().Handles[1].Visible);
        d.form().selection.SelectSlot(1);
        d.main().EditDelete();
        QCOMPARE(d.doc().LiveCount(), 0);
        QVERIFY(d.form().Modified());
    }

    void rightPressOnTheSurfaceOpensMenuForm() {
        Desktop d;
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                shown = popup->objectName();
                popup->close();
            }
        });
        QTest::mousePress(d.window->DocumentSubWindow()->Surface(), Qt::RightButton, {},
                          QPoint(16, 24));
        QCOMPARE(shown, QString("menuForm"));
        QCOMPARE(d.doc().InsertX, 240.f);
        QCOMPARE(d.doc().InsertY, 360.f);
    }

    void frameCommandsWithAndWithoutTheDocument() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("OptionNew");  // only shows the window: the design stays
        QCOMPARE(d.doc().LiveCount(), 1);
        QVERIFY(d.messages.shown.empty());
        d.messages.answers = {MessageResult::No};
        d.window->DocumentSubWindow()->close();
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Save"), Qt::LeftButton);
        d.Click("OptionEditDelete");
        QCOMPARE(d.messages.shown.size(), size_t(1));  // the close prompt only
        QVERIFY(d.dialogs.requests.empty());
        QVERIFY(!d.window->DocumentSubWindow()->isVisible());
    }

    void menuToolbarSwitchesThePalettes() {
        Desktop d;
        QVERIFY(d.main().palettes.SwingVisible && !d.main().palettes.AwtVisible);
        d.Click("OptionToolbarAWT");
        QVERIFY(d.main().palettes.AwtVisible && !d.main().palettes.SwingVisible);
        QVERIFY(d.Item("OptionToolbarAWT")->isChecked());
        QVERIFY(!d.Item("OptionToolbarSwing1")->isChecked());
        d.Click("OptionToolbarSwing1");
        QVERIFY(d.main().palettes.SwingVisible && !d.main().palettes.AwtVisible);
        QVERIFY(!d.Item("OptionToolbarAWT")->isChecked());
        QVERIFY(d.Item("OptionToolbarSwing1")->isChecked());
    }

    void exitClosesTheCodeWindowEvenWhenTheSavePromptIsCancelled() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.main().codeListing.ShowGenerated({"class A {", "}"});
        d.window->Code()->show();
        d.messages.answers = {MessageResult::Cancel};
        d.Click("opt_Exit");
        QVERIFY(d.window->isVisible());
        QVERIFY(!d.window->Code()->isVisible());
        QVERIFY(d.form().Loaded());
        d.messages.answers = {MessageResult::No};
        d.Click("OptionExit");  // the frame's Exit: same road
        QVERIFY(!d.window->isVisible());
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::DocumentWindowTest)
#include "DocumentWindowTest.moc"
