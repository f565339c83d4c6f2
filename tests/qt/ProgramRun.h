// The desktop program run as a user runs it: the korvane executable on a virtual display of
// its own, driven by xdotool, with temporary and state folders of its own.
#pragma once

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace korvane::testing {

// An X server for one test: Xvfb telling its display number on standard output.
struct VirtualDisplay {
    // Whether Xvfb and xdotool are there to be used.
    static bool Available() {
        return !QStandardPaths::findExecutable("Xvfb").isEmpty() &&
               !QStandardPaths::findExecutable("xdotool").isEmpty();
    }
    bool Start() {
        server.start(QStandardPaths::findExecutable("Xvfb"),
                     {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                      // Without it the server resets whenever its last client leaves, and a
                      // program started in that moment cannot connect.
                      "-noreset"});
        if (!server.waitForStarted(10000)) return false;
        QByteArray out;
        for (int k = 0; k < 100 && !out.contains('\n'); ++k) {
            server.waitForReadyRead(100);
            out += server.readAllStandardOutput();
        }
        name = ":" + QString::fromLatin1(out.trimmed());
        return out.contains('\n');
    }
    ~VirtualDisplay() {
        server.kill();
        server.waitForFinished(5000);
    }
    // xdotool on this display; its standard output.
    QString XDoTool(const QStringList& args) {
        QProcess x;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", name);
        x.setProcessEnvironment(env);
        x.start(QStandardPaths::findExecutable("xdotool"), args);
        x.waitForFinished(10000);
        return QString::fromLatin1(x.readAllStandardOutput()).trimmed();
    }
    // The first visible window whose name matches, waiting up to `ms` for it; "" if none.
    QString WaitForWindow(const QString& pattern, int ms = 60000) {
        for (int waited = 0; waited < ms; waited += 250) {
            const QString found = XDoTool({"search", "--onlyvisible", "--name", pattern});
            if (!found.isEmpty()) return found.split('\n').first();
            QTest::qWait(250);
        }
        return {};
    }
    // Focuses a window and types keys into it, as xdotool names them (ctrl+s, Right, Return).
    void Keys(const QString& window, const QStringList& keys) {
        XDoTool(QStringList{"windowfocus", "--sync", window, "key", "--delay", "100"} + keys);
    }
    QProcess server;
    QString name;
};

// One run of korvane. Its temporary folder (previews) and state folder (recovery files) are
// `root`/tmp and `root`/state, kept from run to run as a user's are.
struct ProgramRun {
    ProgramRun(const QString& display, const QString& root, const QStringList& arguments) {
        QDir(root).mkpath("tmp");
        QDir(root).mkpath("state");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("TMPDIR", root + "/tmp");
        env.insert("XDG_STATE_HOME", root + "/state");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(root);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(KORVANE_EXE, arguments);
        process.waitForStarted(10000);
    }
    ~ProgramRun() {
        process.kill();
        process.waitForFinished(10000);
    }
    pid_t Pid() const { return static_cast<pid_t>(process.processId()); }
    void Signal(int signal) { ::kill(Pid(), signal); }
    bool WaitForEnd(int ms = 30000) {
        return process.state() == QProcess::NotRunning || process.waitForFinished(ms);
    }
    QProcess process;
};

// Whether a process runs (a zombie left to be reaped counts as ended).
inline bool ProcessRuns(pid_t pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && close + 2 < text.size() && text[close + 2] != 'Z';
}

// The processes whose command line holds `part`.
inline QList<pid_t> ProcessesWith(const QByteArray& part) {
    QList<pid_t> found;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (!number) continue;
        QFile cmdline("/proc/" + entry + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(part) &&
            ProcessRuns(pid))
            found << pid;
    }
    return found;
}

}  // namespace korvane::testing
