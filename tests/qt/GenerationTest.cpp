// Generation from the Build menu, the design's pop-up menu and the command bar, the code
// window, and a design taken from insertion to a .java file that javac compiles.
#include <QClipboard>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "DesktopFixture.h"
#include "qt/CodeWindow.h"
#include "qt/CommandBar.h"

namespace korvane::testing {
namespace {

// A saved design named Login with a label and a button.
void SavedDesign(Desktop& d, const char* name = "Login.dat") {
    d.Click("opt_Label_Click");
    d.Click("opt_JButton_Click");
    d.dialogs.paths = {d.Path(name)};
    d.Click("opt_Save");
    QVERIFY(!d.form().Modified());
}

QStringList CodeLines(const Desktop& d) {
    return d.window->Code()->Text()->toPlainText().split('\n');
}

bool Extends(const Desktop& d, const QString& base) {
    return !CodeLines(d).filter("public class Login extends " + base).isEmpty();
}

}  // namespace

class GenerationTest : public QObject {
    Q_OBJECT
  private slots:
    void eachGenerateCommandProducesItsTarget_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("base");
        QTest::newRow("Build > As Applet") << "opt_GenerateApplet"
                                           << "Applet";
        QTest::newRow("Build > As JFrame") << "opt_GenerateJFrame"
                                           << "JFrame";
        QTest::newRow("menuForm > As Frame") << "OptionGenerateFrame"
                                             << "Frame";
        QTest::newRow("menuForm > As JApplet") << "OptionGenerateJApplet"
                                               << "JApplet";
    }
    void eachGenerateCommandProducesItsTarget() {
        QFETCH(QString, item);
        QFETCH(QString, base);
        Desktop d;
        SavedDesign(d);
        d.Click(item.toUtf8().constData());
        QVERIFY(d.window->Code()->isVisible());
        QVERIFY(Extends(d, base));
        // The success message, then for applets the warning about current JDKs.
        const bool applet = base.endsWith("Applet");
        const auto& shown = d.messages.shown;
        QVERIFY(shown.size() >= (applet ? 2u : 1u));
        QCOMPARE(shown[shown.size() - (applet ? 2 : 1)].text,
                 std::string("Java File Generated Succesfully!"));
        if (applet) QVERIFY(shown.back().text.find("JDK 8 to 25") != std::string::npos);
        QCOMPARE(d.doc().Target, base.toStdString());
        // The selector's caption is not changed by the document's own commands.
        QCOMPARE(d.window->Commands()->TargetButton()->text(), QString("Applet"));
    }

    void theCommandBarGeneratesTheSelectorsKindWhateverTheDocumentHeld() {
        Desktop d;
        SavedDesign(d);
        QCOMPARE(VisibleTexts(d.window->GenerateTypeMenu()->actions()),
                 QStringList({"Applet", "Frame", "-", "JApplet", "JFrame"}));
        d.Click("OptionAsJFrame");
        QCOMPARE(d.window->Commands()->TargetButton()->text(), QString("JFrame"));
        d.Click("opt_GenerateApplet");
        QVERIFY(Extends(d, "Applet"));
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Code"), Qt::LeftButton);
        QVERIFY(Extends(d, "JFrame"));
        // A project opened with the document holding another kind: the caption wins again.
        d.doc().Target = "Frame";
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Code"), Qt::LeftButton);
        QCOMPARE(d.doc().Target, std::string("JFrame"));
    }

    void theTargetButtonDropsItsMenuAndTheKindRowStaysOutOfSight() {
        Desktop d;
        QPushButton* target = d.window->Commands()->TargetButton();
        QString shown;
        QPoint at;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                shown = popup->objectName();
                at = popup->pos();
                popup->close();
            }
        });
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(shown, QString("menuGenerateType"));
        QCOMPARE(at, target->mapToGlobal(QPoint(0, target->height())));
        QCOMPARE(target->geometry(), QRect(86, 5, 83, 24));

        auto* frame = d.window->findChild<QToolButton*>("Toolbar2_Frame");
        QVERIFY(frame->geometry().top() >= d.window->Commands()->height());
        d.doc().Target = "Frame";
        d.form().Activate();
        QVERIFY(frame->isChecked());
        QVERIFY(!d.window->findChild<QToolButton*>("Toolbar2_Applet")->isChecked());
        QCOMPARE(target->text(), QString("Applet"));
    }

    void generateCodeWithTheDocumentClosedDoesNothing() {
        Desktop d;
        d.window->DocumentSubWindow()->close();
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Code"), Qt::LeftButton);
        QVERIFY(d.messages.shown.empty());
        QVERIFY(!d.window->Code()->isVisible());
    }

    void aRefusedGenerationShowsItsWarningAndLeavesTheCodeWindow_data() {
        QTest::addColumn<int>("spoil");
        QTest::addColumn<QString>("warning");
        QTest::newRow("all deleted") << 0 << "You must add at least one AWT or Swing component.";
        QTest::newRow("keyword name") << 1 << "class";
    }
    void aRefusedGenerationShowsItsWarningAndLeavesTheCodeWindow() {
        QFETCH(int, spoil);
        QFETCH(QString, warning);
        Desktop d;
        SavedDesign(d);
        d.Click("opt_GenerateFrame");
        const QStringList before = CodeLines(d);
        QVERIFY(!before.isEmpty());
        if (spoil == 0) {
            for (int i = 1; i <= d.doc().SlotCount(); ++i) d.doc().SetVisible(i, false);
        } else {
            d.doc().SetName(1, "class");
        }
        d.Click("opt_GenerateJApplet");
        const MessageRequest& shown = d.messages.shown.back();
        QVERIFY(shown.icon == MessageIcon::Warning);
        QVERIFY2(QString::fromStdString(shown.text).contains(warning), shown.text.c_str());
        QCOMPARE(CodeLines(d), before);
        QVERIFY(d.window->Code()->isVisible());
    }

    void aNeverSavedDesignIsSavedFirstAndACancelStops() {
        Desktop d;
        d.Click("opt_Label_Click");
        d.dialogs.paths = {""};
        d.Click("opt_GenerateApplet");
        QCOMPARE(d.messages.shown.at(0).text, std::string("You must save your file first."));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QVERIFY(!d.window->Code()->isVisible());
        d.dialogs.paths = {d.Path("Named.dat")};
        d.Click("opt_GenerateApplet");
        QVERIFY(d.window->Code()->isVisible());
        QVERIFY(!CodeLines(d).filter("public class Named extends Applet").isEmpty());
    }

    void theCodeWindowShowsTheLinesAndSavesThemWithCrLf() {
        Desktop d;
        SavedDesign(d);
        d.Click("opt_GenerateFrame");
        CodeWindow* code = d.window->Code();
        QCOMPARE(code->windowTitle(), QString("Java Generated File"));
        QVERIFY(IsFixedPitch(code->Text()->font()));
        QCOMPARE(code->Text()->blockCount(), int(d.main().codeListing.Lines.size()));
        d.dialogs.paths = {d.Path("Login.java")};
        code->findChild<QAction*>("OptionSaveAs")->trigger();
        const FileDialogRequest& asked = d.dialogs.requests.back();
        QCOMPARE(asked.proposedName, std::string("Login"));
        QCOMPARE(asked.filters.at(0).second, std::string("*.java"));
        const QByteArray file = d.Read("Login.java");
        QVERIFY(file.endsWith("\r\n}\r\n"));
        QCOMPARE(file.count("\r\n"), code->Text()->blockCount());
        QCOMPARE(file.count('\n'), file.count("\r\n"));
        // A failed write is reported and leaves the window and its text.
        d.dialogs.paths = {d.Path("absent/Login.java")};
        const size_t shown = d.messages.shown.size();
        code->findChild<QAction*>("OptionSaveAs")->trigger();
        QCOMPARE(d.messages.shown.size(), shown + 1);
        QVERIFY(code->isVisible());
        QCOMPARE(code->Text()->blockCount(), int(d.main().codeListing.Lines.size()));
        // Close: the window and its text go; the next generation fills it again.
        code->findChild<QAction*>("OptionClose")->trigger();
        QVERIFY(!code->isVisible());
        QVERIFY(d.main().codeListing.Lines.empty());
        d.Click("opt_GenerateFrame");
        QVERIFY(code->isVisible());
        QCOMPARE(d.dialogs.requests.size(), size_t(2 + 1));
        d.dialogs.paths = {""};
        code->findChild<QAction*>("OptionSaveAs")->trigger();
        QCOMPARE(d.dialogs.requests.back().initialFolder, d.folder.path().toStdString() + "/");
    }

    void theCodeWindowOpensOverTheMainWindowAndCopiesAnyPart() {
        Desktop d;
        d.window->move(300, 200);
        SavedDesign(d);
        d.Click("opt_GenerateFrame");
        CodeWindow* code = d.window->Code();
        QVERIFY(d.window->frameGeometry().contains(code->frameGeometry().center()));
        QPlainTextEdit* text = code->Text();
        QVERIFY(text->isReadOnly());
        const QStringList lines = CodeLines(d);
        QCOMPARE(lines.size(), int(d.main().codeListing.Lines.size()));
        QCOMPARE(lines.first().toStdString(), d.main().codeListing.Lines.front());

        // The user works in the code window: it is the active one.
        QApplication::setActiveWindow(code);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), lines.join('\n'));
        // Part of it: two lines from the start, selected with the keyboard.
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), lines.mid(0, 2).join('\n') + '\n');
        // Typing changes nothing.
        QTest::keyClicks(text, "xyz");
        QCOMPARE(CodeLines(d), lines);
    }

    void aDesignGoesFromInsertionToACompilingJavaFile() {
        QVERIFY2(!QString(KORVANE_JAVAC).isEmpty(), "javac is needed to check the generated file");
        Desktop d;
        d.Click("opt_Label_Click");
        QTest::mousePress(d.window->DocumentSubWindow()->Surface(), Qt::LeftButton, {},
                          QPoint(20, 60));
        d.Click("OptionInsertJTextField_Click");
        QTest::mousePress(d.window->DocumentSubWindow()->Surface(), Qt::LeftButton, {},
                          QPoint(20, 100));
        d.Click("OptionInsertChoice_Click");
        d.Click("opt_JList_Click");
        d.dialogs.paths = {d.Path("Login.dat")};
        d.Click("opt_Save");
        d.Click("OptionAsJFrame");
        QTest::mouseClick(d.window->findChild<QWidget*>("Toolbar2_Code"), Qt::LeftButton);
        QVERIFY(Extends(d, "JFrame"));
        d.dialogs.paths = {d.Path("Login.java")};
        d.window->Code()->findChild<QAction*>("OptionSaveAs")->trigger();
        QVERIFY(d.Read("Login.java").endsWith("}\r\n"));
        QProcess javac;
        javac.setWorkingDirectory(d.folder.path());
        javac.start(KORVANE_JAVAC, {"-d", d.folder.path(), "Login.java"});
        QVERIFY(javac.waitForFinished(120000));
        QVERIFY2(javac.exitCode() == 0, javac.readAllStandardError().constData());
        QVERIFY(QFile::exists(d.folder.filePath("Login.class")));
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::GenerationTest)
#include "GenerationTest.moc"
