// Help > Contents..., the About window, and the Qt message boxes and file dialogs.
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <functional>

#include "DesktopFixture.h"
#include "codegen/CodeListing.h"
#include "qt/HelpViewer.h"
#include "qt/QtFileDialog.h"
#include "qt/QtMessageBox.h"

namespace korvane::testing {
namespace {

// Runs check on the modal window that the next call opens.
void WhenModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        check(modal);
        // A failed check leaves the window open: close it so that the test goes on.
        if (QApplication::activeModalWidget() == modal) modal->close();
    });
}

}  // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT
  private slots:
    void helpContentsOpensTheHelpFileOrReportsItMissing() {
        Desktop d;
        QTemporaryDir program;
        d.window->SetProgramFolder(program.path());
        d.Click("opt_HelpContents");
        HelpViewer* help = d.window->Help();
        QVERIFY(help->isVisible());
        QVERIFY(help->Browser()->toPlainText().contains("could not be found"));
        QVERIFY(
            help->Browser()->toPlainText().contains(QDir(program.path()).filePath("korvane.hlp")));
        QVERIFY(d.messages.shown.empty());  // the viewer says it, not the program

        QVERIFY(QFile::copy(KORVANE_SOURCE_DATA "/korvane.hlp",
                            QDir(program.path()).filePath("korvane.hlp")));
        help->close();
        d.Click("OptionsHelpContents");  // the frame's Help menu opens the same
        QVERIFY(help->isVisible());
        const QString text = help->Browser()->toPlainText();
        QVERIFY(text.startsWith("Korvane Help"));
        QVERIFY(text.contains("The project file"));
        QVERIFY(!text.contains("could not be found"));
    }

    // The help names every menu item the program shows, in every menu, and every dialog.
    void theHelpNamesEveryMenuItemAndDialog() {
        Desktop d;
        QFile file(KORVANE_SOURCE_DATA "/korvane.hlp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument help;
        help.setHtml(QString::fromUtf8(file.readAll()));
        const QString text = help.toPlainText();
        QStringList missing;
        const auto need = [&](const QString& name) {
            if (!name.isEmpty() && !text.contains(name)) missing << name;
        };
        // The design window's own system menu (Restore, Maximize, ...) is Qt's.
        const QMenu* system = d.window->DocumentSubWindow()->systemMenu();
        for (const QMenu* menu : d.window->findChildren<QMenu*>()) {
            if (menu == system) continue;
            if (menu->menuAction()->isVisible()) need(Caption(menu->menuAction()).trimmed());
            for (const QAction* a : menu->actions())
                if (a->isVisible() && !a->isSeparator()) need(Caption(a).trimmed());
        }
        for (const QAction* a : d.window->menuBar()->actions())
            if (a->isVisible()) need(Caption(a));
        for (const char* opener : {"opt_WindowSize", "opt_Grid", "opt_Menu", "opt_About"}) {
            WhenModal([&](QWidget* dialog) {
                need(dialog->windowTitle());
                dialog->close();
            });
            d.Click(opener);
        }
        need(QString::fromUtf8(kCodeWindowCaption.data(), kCodeWindowCaption.size()));
        need(d.window->PreviewDock()->windowTitle());
        QVERIFY2(missing.isEmpty(), qPrintable("not in the help: " + missing.join(", ")));
    }

    void aboutShowsNameAndVersionModallyUntilOk() {
        Desktop d;
        QStringList seen;
        WhenModal([&seen](QWidget* about) {
            seen << about->objectName() << about->windowTitle();
            for (const char* name : {"Title", "Version", "DateLine", "ContactLine"})
                seen << about->findChild<QLabel*>(name)->text();
            QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
            QPushButton* ok = about->findChild<QPushButton*>("cmdOK");
            seen << QString::number(ok->geometry().x()) + "," + QString::number(ok->geometry().y());
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        d.Click("opt_About");
        QCOMPARE(seen, QStringList({"AboutBox", "About Korvane", "Korvane", "Version 1.3",
                                    "August 2002", "Comments or Suggestions to:", "193,143"}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void messageBoxesShowTextTitleIconButtonsAndDefault_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("press");  // a QMessageBox::StandardButton, or 0 for Escape
        QTest::addColumn<int>("expected");
        QTest::newRow("OK") << int(MessageButtons::Ok) << 1 << int(QMessageBox::Ok)
                            << int(MessageResult::Ok);
        QTest::newRow("Yes/No default No, Return")
            << int(MessageButtons::YesNo) << 2 << -1 << int(MessageResult::No);
        QTest::newRow("Yes/No/Cancel, Escape")
            << int(MessageButtons::YesNoCancel) << 1 << 0 << int(MessageResult::Cancel);
        QTest::newRow("Yes/No/Cancel, Yes") << int(MessageButtons::YesNoCancel) << 1
                                            << int(QMessageBox::Yes) << int(MessageResult::Yes);
    }
    void messageBoxesShowTextTitleIconButtonsAndDefault() {
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, press);
        QFETCH(int, expected);
        QtMessageBox service;
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            if (press > 0) {
                QTest::mouseClick(box->button(QMessageBox::StandardButton(press)), Qt::LeftButton);
            } else {
                QTest::keyClick(box, press == 0 ? Qt::Key_Escape : Qt::Key_Return);
            }
        });
        MessageRequest request{"This action will discard your changes.\n\nDo you want to continue?",
                               "New File", MessageIcon::Warning, MessageButtons(buttons),
                               defaultButton};
        QCOMPARE(int(service.Show(request)), expected);
        QCOMPARE(text, QString::fromStdString(request.text));
        QCOMPARE(title, QString("New File"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void fileDialogsOpenInTheFolderWithTheFilterAndProposedName() {
        QTemporaryDir folder;
        QtFileDialog service;
        FileDialogRequest request;
        request.save = true;
        request.initialFolder = folder.path().toStdString() + "/";
        request.proposedName = "Login";
        request.defaultExt = "*.java";
        request.filters = {{"All files (*.java)", "*.java"}};
        request.flags = 6;
        QStringList seen;
        WhenModal([&seen, &folder](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            seen << QDir(dialog->directory()).absolutePath() << dialog->selectedNameFilter()
                 << dialog->defaultSuffix()
                 << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "no question"
                                                                           : "asks");
            dialog->selectFile(QDir(folder.path()).filePath("Login.java"));
            static_cast<QDialog*>(dialog)->accept();
        });
        const FileDialogAnswer chosen = service.Show(request);
        QCOMPARE(seen, QStringList({QDir(folder.path()).absolutePath(), "All files (*.java)",
                                    "java", "asks"}));
        QCOMPARE(QString::fromStdString(chosen.path), QDir(folder.path()).filePath("Login.java"));

        WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        request.save = false;
        QCOMPARE(service.Show(request).path, std::string());
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::HelpAboutTest)
#include "HelpAboutTest.moc"
