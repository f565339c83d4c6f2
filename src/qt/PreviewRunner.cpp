#include "qt/PreviewRunner.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvane {
namespace {

constexpr int kStopWaitMs = 3000;
constexpr const char* kFolderPrefix = "korvane-preview-";
constexpr const char* kFolderLock = ".owner";

void End(std::unique_ptr<QProcess>& process) {
    if (!process) return;
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
        // The group the process leads: whatever it started goes with it.
        if (const qint64 pid = process->processId(); pid > 0)
            ::kill(-static_cast<pid_t>(pid), SIGKILL);
        process->kill();
        process->waitForFinished(kStopWaitMs);
    }
    process.reset();
}

}  // namespace

PreviewRunner::PreviewRunner(QObject* parent)
    : QObject(parent), env_(QProcessEnvironment::systemEnvironment()) {}

PreviewRunner::~PreviewRunner() {
    Stop();
}

QString PreviewRunner::FindTool(const QString& tool, const QProcessEnvironment& env) {
    const QString home = env.value("JAVA_HOME");
    if (!home.isEmpty()) {
        const QFileInfo inHome(QDir(home).filePath("bin/" + tool));
        if (inHome.isFile() && inHome.isExecutable()) return inHome.absoluteFilePath();
    }
    const QStringList path = env.value("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    return path.isEmpty() ? QString() : QStandardPaths::findExecutable(tool, path);
}

bool PreviewRunner::Running() const {
    return (javac_ && javac_->state() != QProcess::NotRunning) ||
           (java_ && java_->state() != QProcess::NotRunning);
}

QString PreviewRunner::Folder() const {
    return folder_ ? folder_->path() : QString();
}

void PreviewRunner::Stop() {
    End(javac_);
    End(java_);
    DropFolder();
}

void PreviewRunner::DropFolder() {
    folder_.reset();
    folderLock_.Release();
}

void PreviewRunner::RemoveAbandonedFolders() {
    korvane::RemoveAbandonedFolders(QDir::tempPath().toStdString(), kFolderPrefix, kFolderLock);
}

std::unique_ptr<QProcess> PreviewRunner::NewProcess() {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env_);
    process->setWorkingDirectory(folder_->path());
    process->setProcessChannelMode(QProcess::MergedChannels);
    const pid_t program = ::getpid();
    // Runs in the new process before java or javac starts.
    process->setChildProcessModifier([program] {
        // What the program ignores for its own saves is the preview's to decide.
        ::signal(SIGPIPE, SIG_DFL);
        ::signal(SIGXFSZ, SIG_DFL);
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program ended before the signal was asked for: nobody would send it.
        if (::getppid() != program) ::_exit(127);
    });
    output_.Clear();
    QProcess* raw = process.get();
    connect(raw, &QProcess::readyRead, this, [this, raw] {
        const QByteArray bytes = raw->readAll();
        output_.Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    });
    return process;
}

bool PreviewRunner::Start(const PreviewSource& source) {
    Stop();
    problem_.clear();
    const QString javac = FindTool("javac", env_);
    javaTool_ = FindTool("java", env_);
    if (javac.isEmpty() || javaTool_.isEmpty()) {
        problem_ =
            "No Java Development Kit was found: the preview needs javac and java. Install a "
            "JDK, or set JAVA_HOME to the folder of one.";
        return false;
    }
    folder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath(
        kFolderPrefix + QString::number(QCoreApplication::applicationPid()) + "-XXXXXX"));
    className_ = QString::fromStdString(source.className);
    QFile file(QDir(folder_->path()).filePath(className_ + ".java"));
    const QByteArray bytes = QByteArray::fromStdString(source.fileText);
    std::string lockError;
    if (!folder_->isValid() ||
        !folderLock_.Take(QDir(folder_->path()).filePath(kFolderLock).toStdString(), lockError) ||
        !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        problem_ = "The preview's temporary folder could not be written.";
        DropFolder();
        return false;
    }
    file.close();
    javac_ = NewProcess();
    connect(javac_.get(), &QProcess::finished, this, &PreviewRunner::Compiled);
    javac_->start(javac, {"-encoding", "UTF-8", "-nowarn", "-Xlint:none", file.fileName()});
    return true;
}

void PreviewRunner::Compiled(int exitCode, QProcess::ExitStatus status) {
    output_.Append(javac_->readAll().toStdString());
    const QString output = QString::fromLocal8Bit(output_.Text());
    javac_.release()->deleteLater();
    if (status != QProcess::NormalExit || exitCode != 0) {
        emit compileFailed(output.isEmpty() ? QString("javac failed.") : output);
        DropFolder();
        return;
    }
    RunClass();
}

void PreviewRunner::RunClass() {
    java_ = NewProcess();
    QProcess* process = java_.get();
    connect(process, &QProcess::started, this, &PreviewRunner::started);
    connect(process, &QProcess::finished, this, [this, process](int exitCode) {
        output_.Append(process->readAll().toStdString());
        const QString output = QString::fromLocal8Bit(output_.Text());
        java_.release()->deleteLater();
        DropFolder();
        emit finished(exitCode, output);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        java_.release()->deleteLater();
        DropFolder();
        emit finished(-1, process->errorString());
    });
    process->start(javaTool_, {"-cp", folder_->path(), className_});
}

}  // namespace korvane
