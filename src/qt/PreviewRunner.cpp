#include "qt/PreviewRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvane {
namespace {

constexpr int kStopWaitMs = 3000;

void End(std::unique_ptr<QProcess>& process) {
    if (!process) return;
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
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
    folder_.reset();
}

std::unique_ptr<QProcess> PreviewRunner::NewProcess() {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env_);
    process->setWorkingDirectory(folder_->path());
    process->setProcessChannelMode(QProcess::MergedChannels);
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
    folder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("korvane-preview-XXXXXX"));
    className_ = QString::fromStdString(source.className);
    QFile file(QDir(folder_->path()).filePath(className_ + ".java"));
    const QByteArray bytes = QByteArray::fromStdString(source.fileText);
    if (!folder_->isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        problem_ = "The preview's temporary folder could not be written.";
        folder_.reset();
        return false;
    }
    file.close();
    javac_ = NewProcess();
    connect(javac_.get(), &QProcess::finished, this, &PreviewRunner::Compiled);
    javac_->start(javac, {"-encoding", "UTF-8", "-nowarn", "-Xlint:none", file.fileName()});
    return true;
}

void PreviewRunner::Compiled(int exitCode, QProcess::ExitStatus status) {
    const QString output = QString::fromLocal8Bit(javac_->readAll());
    javac_.release()->deleteLater();
    if (status != QProcess::NormalExit || exitCode != 0) {
        emit compileFailed(output.isEmpty() ? QString("javac failed.") : output);
        folder_.reset();
        return;
    }
    RunClass();
}

void PreviewRunner::RunClass() {
    java_ = NewProcess();
    QProcess* process = java_.get();
    connect(process, &QProcess::started, this, &PreviewRunner::started);
    connect(process, &QProcess::finished, this, [this, process](int exitCode) {
        const QString output = QString::fromLocal8Bit(process->readAll());
        java_.release()->deleteLater();
        folder_.reset();
        emit finished(exitCode, output);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        java_.release()->deleteLater();
        folder_.reset();
        emit finished(-1, process->errorString());
    });
    process->start(javaTool_, {"-cp", folder_->path(), className_});
}

}  // namespace korvane
