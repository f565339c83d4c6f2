// Build > Preview: the design compiled in a temporary folder and run as its own process. The
// run is checked on a virtual display of its own: the window appears, and ends when it goes.
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include "DesktopFixture.h"
#include "ProgramRun.h"
#include "qt/PreviewPane.h"
#include "qt/PreviewRunner.h"

using namespace korvane;
using korvane::testing::Desktop;
using korvane::testing::VirtualDisplay;

namespace {

QString Tool(const char* name) {
    return PreviewRunner::FindTool(name, QProcessEnvironment::systemEnvironment());
}

// The desktop's preview, showing its windows on the display.
PreviewRunner* PreviewOn(Desktop& d, const VirtualDisplay& display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display.name);
    PreviewRunner* preview = d.window->Preview();
    preview->SetEnvironment(env);
    return preview;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutAJdkTheUserIsToldSo() {
        Desktop d;
        d.Click("opt_Label_Click");
        QProcessEnvironment none;
        none.insert("PATH", QDir::temp().filePath("no-such-folder"));
        d.window->Preview()->SetEnvironment(none);
        d.Click("opt_Preview");
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QVERIFY(d.messages.shown[0].text.find("No Java Development Kit was found") == 0);
        QCOMPARE(d.messages.shown[0].title, std::string("Preview"));
    }

    void anEmptyDesignHasNothingToPreview() {
        Desktop d;
        d.Click("opt_Preview");
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QCOMPARE(d.messages.shown[0].text,
                 std::string("You must add at least one AWT or Swing component."));
    }

    void aPreviewThatWritesWithoutEndKeepsOnlyItsLastLines() {
        // A stand-in JDK: its javac compiles nothing, its java writes 60 MB and fails.
        QTemporaryDir jdk;
        QDir(jdk.path()).mkpath("bin");
        const auto tool = [&](const QString& name, const QByteArray& script) {
            QFile file(jdk.filePath("bin/" + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + script + "\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        tool("javac", "exit 0");
        tool("java",
             "yes 'a line the program writes' | head -c 60000000\n"
             "echo 'Exception in thread main: the last words'\nexit 1");
        Desktop d;
        d.Click("opt_Label_Click");
        d.main().ChooseTarget("Frame");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("JAVA_HOME", jdk.path());
        PreviewRunner* preview = d.window->Preview();
        preview->SetEnvironment(env);
        QSignalSpy finished(preview, &PreviewRunner::finished);
        d.Click("opt_Preview");
        QVERIFY(finished.wait(60000));
        const QString output = finished[0][1].toString();
        QVERIFY2(output.size() < 3000000, qPrintable(QString::number(output.size())));
        QVERIFY(output.startsWith("["));  // says how many lines are not shown
        QVERIFY(output.endsWith("Exception in thread main: the last words\n"));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QVERIFY(d.messages.shown[0].text.find("the last words") != std::string::npos);
    }

    void compilerMessagesAreShownInThePane() {
        // A stand-in JDK whose javac refuses the source with a message naming a line.
        QTemporaryDir jdk;
        QDir(jdk.path()).mkpath("bin");
        for (const char* name : {"javac", "java"}) {
            QFile file(jdk.filePath(QString("bin/") + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\necho 'Preview.java:12: error: the compiler says no'\nexit 1\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        Desktop d;
        d.Click("opt_Button_Click");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("JAVA_HOME", jdk.path());
        d.window->Preview()->SetEnvironment(env);
        QSignalSpy failed(d.window->Preview(), &PreviewRunner::compileFailed);
        d.Click("opt_Preview");
        QVERIFY(d.window->PreviewOutput()->Busy()->isVisible());  // while javac runs
        QVERIFY(failed.wait(60000));
        QVERIFY(d.window->PreviewDock()->isVisible());
        QVERIFY(!d.window->PreviewOutput()->Busy()->isVisible());
        QVERIFY(d.window->PreviewOutput()->Output()->toPlainText().contains(
            "Preview.java:12: error: the compiler says no"));
        QVERIFY(d.window->PreviewOutput()->Status()->text().startsWith("javac refused"));
        QVERIFY(d.window->Preview()->Folder().isEmpty());  // gone with the failed compile
    }

    // Each target runs, with stand-ins for the window classes the design's folder lacks: the
    // design's JButton opens an unknown JFrame class, which opens as a window of its name.
    void everyTargetRunsWithStandInsForUnknownWindowClasses_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("window");  // the title of the window the preview shows
        QTest::newRow("JFrame") << "JFrame"
                                << "shown";
        QTest::newRow("JPanel in a host frame") << "JPanel"
                                                << "shown";
        QTest::newRow("Dialog over its owner") << "Dialog"
                                               << "shown";
    }
    void everyTargetRunsWithStandInsForUnknownWindowClasses() {
        QFETCH(QString, target);
        QFETCH(QString, window);
        if (Tool("javac").isEmpty() || Tool("java").isEmpty())
            QSKIP("javac or java was not found: the preview is not run");
        if (!VirtualDisplay::Available())
            QSKIP("Xvfb or xdotool was not found: the preview window cannot be watched");
        VirtualDisplay display;
        QVERIFY2(display.Start(), "Xvfb did not start");

        Desktop d;
        d.Click("opt_JButton_Click");
        d.doc().MutableSlot(1).ComponentPopup = "JFrame,NoSuchWindow,mouseClicked()";
        d.dialogs.paths = {d.Path("shown.dat")};
        d.Click("opt_Save");
        d.main().ChooseTarget(target.toStdString());
        PreviewRunner* preview = PreviewOn(d, display);
        QSignalSpy started(preview, &PreviewRunner::started);
        QSignalSpy failed(preview, &PreviewRunner::compileFailed);
        d.Click("opt_Preview");
        QVERIFY2(started.wait(60000),
                 qPrintable(d.window->PreviewOutput()->Output()->toPlainText()));
        QVERIFY(failed.isEmpty());
        QVERIFY(QFileInfo::exists(QDir(preview->Folder()).filePath("NoSuchWindow.class")));
        QVERIFY(d.window->PreviewOutput()->Output()->toPlainText().contains(
            "The window class NoSuchWindow is not in the design's folder"));

        const QString shown = display.WaitForWindow("^" + window + "$");
        QVERIFY2(!shown.isEmpty(), "the preview window did not appear");
        // A click on the button opens the stand-in, titled with the class name.
        display.XDoTool({"mousemove", "--window", shown, "20", "20", "click", "1"});
        QVERIFY2(!display.WaitForWindow("^NoSuchWindow$", 20000).isEmpty(),
                 "the stand-in did not open");
        preview->Stop();
        QVERIFY(!preview->Running());
    }

    void thePreviewWindowAppearsAndEndsWhenClosed() {
        if (Tool("javac").isEmpty() || Tool("java").isEmpty())
            QSKIP("javac or java was not found: the preview is not run");
        if (!VirtualDisplay::Available())
            QSKIP("Xvfb or xdotool was not found: the preview window cannot be watched");
        VirtualDisplay display;
        QVERIFY2(display.Start(), "Xvfb did not start");

        Desktop d;
        d.Click("opt_Label_Click");
        d.Click("opt_Button_Click");
        d.dialogs.paths = {d.Path("shown.dat")};
        d.Click("opt_Save");
        d.main().ChooseTarget("Frame");
        PreviewRunner* preview = PreviewOn(d, display);
        QSignalSpy started(preview, &PreviewRunner::started);
        QSignalSpy finished(preview, &PreviewRunner::finished);
        d.Click("opt_Preview");
        QVERIFY(started.wait(60000));
        const QString folder = preview->Folder();
        QVERIFY(QFileInfo::exists(QDir(folder).filePath("shown.class")));

        // The designer stays usable while the preview runs.
        d.Click("opt_Label_Click");
        QCOMPARE(d.doc().LiveCount(), 3);

        QString window;
        for (int k = 0; k < 60 && window.isEmpty(); ++k) {
            window = display.XDoTool({"search", "--onlyvisible", "--name", "^shown$"});
            if (window.isEmpty()) QTest::qWait(500);
        }
        QVERIFY2(!window.isEmpty(), "the preview window did not appear");
        QVERIFY(preview->Running());

        display.XDoTool({"windowkill", window.split('\n').first()});
        QVERIFY(finished.wait(30000) || finished.size() == 1);
        QVERIFY(!preview->Running());
        QVERIFY(!QFileInfo::exists(folder));
        // Nothing was written beside the design.
        QCOMPARE(QDir(d.folder.path()).entryList(QDir::Files), QStringList({"shown.dat"}));
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
