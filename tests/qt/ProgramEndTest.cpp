// How the desktop program ends, as a user's session sees it: the korvane executable on a
// virtual display, driven with keys. The preview's Java and its folder never outlive it,
// however it is ended, and changes it had not saved when it was killed come back at the next
// start.
#include <QDirIterator>
#include <QtTest>

#include "ProgramRun.h"
#include "document/DocumentController.h"
#include "document/ProjectFile.h"
#include "qt/PreviewRunner.h"
#include "support/ScriptedServices.h"
#include "surface/Arrange.h"

using namespace korvane;
using korvane::testing::ProcessesWith;
using korvane::testing::ProcessRuns;
using korvane::testing::ProgramRun;
using korvane::testing::VirtualDisplay;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits up to `ms` for a condition.
template <class Condition>
bool WaitFor(Condition condition, int ms) {
    for (int waited = 0; waited < ms; waited += 200) {
        if (condition()) return true;
        QTest::qWait(200);
    }
    return condition();
}

// The files of a folder.
QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A recovery file's design: the file without its [Recovery] section.
QByteArray DesignOf(const QByteArray& recovery) {
    const int section = recovery.indexOf("[Recovery]\r\n");
    return section < 0 ? recovery : recovery.left(section);
}

}  // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT
  private slots:
    void thePreviewNeverOutlivesTheProgram() {
        const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (PreviewRunner::FindTool("javac", env).isEmpty() ||
            PreviewRunner::FindTool("java", env).isEmpty())
            QSKIP("javac or java was not found: there is no preview to end");
        if (!VirtualDisplay::Available()) QSKIP("Xvfb or xdotool was not found");
        VirtualDisplay display;
        QVERIFY2(display.Start(), "Xvfb did not start");
        QTemporaryDir root;
        QVERIFY(QFile::copy(KORVANE_TEST_DATA "/codegen/Login.dat", root.filePath("shown.dat")));

        struct Case {
            const char* name;
            int signal;
            bool folderGoesWithIt;  // a killed program leaves it to the next one
        };
        const Case cases[] = {
            {"SIGKILL", SIGKILL, false}, {"SIGTERM", SIGTERM, true}, {"SIGHUP", SIGHUP, true}};
        for (const Case& c : cases) {
            qInfo() << "ended by" << c.name;
            ProgramRun run(display.name, root.path(), {"shown.dat"});
            const QString window = display.WaitForWindow(" - Korvane - Version");
            QVERIFY(!window.isEmpty());
            display.Keys(window, {"ctrl+r"});
            // The running window's java names the preview folder, which names the program.
            const QByteArray folderName = "korvane-preview-" + QByteArray::number(run.Pid()) + "-";
            QList<pid_t> java;
            QVERIFY2(WaitFor(
                         [&] {
                             java = ProcessesWith(folderName);
                             return java.size() == 1 && ProcessesWith("-cp").contains(java[0]);
                         },
                         90000),
                     "the preview did not start");
            QDirIterator folders(root.filePath("tmp"), {folderName + "*"}, QDir::Dirs);
            QVERIFY(folders.hasNext());
            const QString folder = folders.next();

            run.Signal(c.signal);
            QVERIFY(run.WaitForEnd());
            QVERIFY2(WaitFor([&] { return !ProcessRuns(java[0]); }, 15000),
                     "the preview's java outlived the program");
            if (c.folderGoesWithIt) {
                QVERIFY(!QFileInfo::exists(folder));
                continue;
            }
            QVERIFY(QFileInfo::exists(folder));
            ProgramRun next(display.name, root.path(), {});
            QVERIFY2(WaitFor([&] { return !QFileInfo::exists(folder); }, 30000),
                     "the next program left the folder of the killed one");
            next.Signal(SIGTERM);
            QVERIFY(next.WaitForEnd());
        }
    }

    void theChangesOfAKilledProgramAreRestored() {
        if (!VirtualDisplay::Available()) QSKIP("Xvfb or xdotool was not found");
        VirtualDisplay display;
        QVERIFY2(display.Start(), "Xvfb did not start");
        QTemporaryDir root;
        const QString design = root.filePath("work.dat");
        QVERIFY(QFile::copy(KORVANE_TEST_DATA "/codegen/Login.dat", design));
        const QByteArray original = Read(design);
        const QString recovery = root.filePath("state/korvane/recovery");

        // The same edits made here: every component three grid steps right, two pixels down.
        korvane::testing::ScriptedMessageBox messages;
        korvane::testing::ScriptedFileDialog dialogs;
        DocumentController form(messages, dialogs);
        form.Load();
        QVERIFY(form.OpenPath(design.toStdString()));
        form.selection.SelectAll();
        for (int k = 0; k < 3; ++k) Nudge(form, kKeyRight, 0);
        for (int k = 0; k < 2; ++k) Nudge(form, kKeyDown, 2);
        const QByteArray edited = QByteArray::fromStdString(ProjectFileText(form.doc));
        QVERIFY(edited != original);

        {
            ProgramRun first(display.name, root.path(), {"work.dat"});
            const QString window = display.WaitForWindow(" - Korvane - Version");
            QVERIFY(!window.isEmpty());
            display.Keys(window, {"ctrl+a", "Right", "Right", "Right", "ctrl+Down", "ctrl+Down"});
            // Kept for recovery a few seconds after the last change.
            QVERIFY2(WaitFor(
                         [&] {
                             const QStringList files = QDir(recovery).entryList({"*.dat"});
                             return files.size() == 1 &&
                                    DesignOf(Read(recovery + "/" + files[0])) == edited;
                         },
                         30000),
                     "the edited design was not kept for recovery");
            first.Signal(SIGKILL);
            QVERIFY(first.WaitForEnd());
        }
        QCOMPARE(Read(design), original);

        ProgramRun second(display.name, root.path(), {});
        const QString offer = display.WaitForWindow("^Recover Design$");
        QVERIFY2(!offer.isEmpty(), "the changes were not offered back");
        display.Keys(offer, {"Return"});  // Restore
        const QString window = display.WaitForWindow(" - Korvane - Version");
        // Restored under its own file: Save writes it there.
        display.Keys(window, {"ctrl+s"});
        QVERIFY2(WaitFor([&] { return Read(design) == edited; }, 20000),
                 "the restored design was not saved to its own file as it was before the kill");
        QVERIFY(QDir(recovery).entryList({"*.dat"}).isEmpty());
        display.Keys(window, {"ctrl+q"});
        QVERIFY(second.WaitForEnd());
        QCOMPARE(second.process.exitCode(), 0);
        QCOMPARE(FilesIn(recovery), QStringList());  // a clean exit leaves nothing
    }
};

QTEST_MAIN(ProgramEndTest)
#include "ProgramEndTest.moc"
