// How the desktop program ends, as a user's session sees it: the korvane executable on a
// virtual display, driven with keys. The preview's Java and its folder never outlive it,
// however it is ended.
#include <QDirIterator>
#include <QtTest>

#include "ProgramRun.h"
#include "qt/PreviewRunner.h"

using namespace korvane;
using korvane::testing::ProcessesWith;
using korvane::testing::ProcessRuns;
using korvane::testing::ProgramRun;
using korvane::testing::VirtualDisplay;

namespace {

// Waits up to `ms` for a condition.
template <class Condition>
bool WaitFor(Condition condition, int ms) {
    for (int waited = 0; waited < ms; waited += 200) {
        if (condition()) return true;
        QTest::qWait(200);
    }
    return condition();
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
            const QString window = display.WaitForWindow("^Korvane - Version");
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
};

QTEST_MAIN(ProgramEndTest)
#include "ProgramEndTest.moc"
