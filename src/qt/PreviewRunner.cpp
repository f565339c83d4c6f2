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

QString PreviewRunner::OutputText() const {
    return QString::fromLocal8Bit(output_.Text());
}

bool PreviewRunner::Compiling() const {
    return javac_ && javac_->state() != QProcess::NotRunning;
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
        emit outputChanged();
    });
    return process;
}

namespace {

bool WriteFile(const QString& path, const std::string& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const QByteArray bytes = QByteArray::fromStdString(text);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

bool PreviewRunner::Start(const PreviewSource& source, QPoint place) {
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
    const QDir folder(folder_->path());
    std::vector<PreviewFile> files = source.files;
    files.insert(files.begin(), {source.className + ".java", source.fileText});
    QStringList paths;
    bool written = folder_->isValid();
    std::string lockError;
    written = written && folderLock_.Take(folder.filePath(kFolderLock).toStdString(), lockError);
    for (const PreviewFile& f : files) {
        paths << folder.filePath(QString::fromStdString(f.path));
        written = written && WriteFile(paths.back(), f.text);
    }
    if (!written) {
        problem_ = "The preview's temporary folder could not be written.";
        DropFolder();
        return false;
    }
    // The window classes of the design's folder are compiled and run from there.
    classPath_ = folder.path();
    QStringList javacArguments = {"-encoding",   "UTF-8", "-nowarn",
                                  "-Xlint:none", "-d",    folder.path()};
    const QString designFolder = QString::fromStdString(source.designFolder);
    if (!designFolder.isEmpty() && QFileInfo(designFolder).isDir()) {
        javacArguments << "-sourcepath" << designFolder << "-classpath" << designFolder;
        classPath_ += QDir::listSeparator() + designFolder;
    }
    mainClass_ =
        QString::fromStdString(source.mainClass.empty() ? source.className : source.mainClass);
    arguments_ = {QString::number(place.x()), QString::number(place.y())};
    javac_ = NewProcess();
    connect(javac_.get(), &QProcess::finished, this, &PreviewRunner::Compiled);
    javac_->start(javac, javacArguments + paths);
    emit compiling();
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
    process->start(javaTool_, QStringList{"-cp", classPath_, mainClass_} + arguments_);
}

}  // namespace korvane
