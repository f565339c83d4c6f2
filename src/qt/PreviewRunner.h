// Build > Preview: the design's Java compiled in a temporary folder with the javac of
// JAVA_HOME or the path, then run with java as a separate process, while the designer stays
// usable. Closing the preview window ends the process; a new preview, or the runner going
// away, ends the one before. Nothing is written beside the design.
//
// Nothing of a preview outlives the program: javac and java run in process groups of their
// own, ended whole, and the system kills them when the program ends however it ends (the
// parent-death signal). A folder that a killed program could not remove is removed by the next
// program that starts, which tells it from a running program's by the lock file inside. Of
// their output only the last lines are kept.
#pragma once

#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "mainwindow/Preview.h"
#include "mainwindow/PreviewOutput.h"
#include "platform/OwnerLock.h"

namespace korvane {

class PreviewRunner : public QObject {
    Q_OBJECT
  public:
    explicit PreviewRunner(QObject* parent = nullptr);
    ~PreviewRunner() override;

    // The JDK tool (javac, java) of JAVA_HOME's bin folder, else of the path; "" if none.
    static QString FindTool(const QString& tool, const QProcessEnvironment& env);

    // Writes the sources into a fresh temporary folder and starts compiling them; the window
    // the preview shows first is placed at `place` (screen pixels). False, with the reason in
    // Problem(), when no JDK is found or the folder cannot be written.
    bool Start(const PreviewSource& source, QPoint place = {});
    // Ends a running compile or preview.
    void Stop();
    bool Running() const;
    QString Problem() const { return problem_; }
    // The temporary folder of the current preview ("" when none).
    QString Folder() const;
    // The environment the compiler and the preview run in (the program's own by default).
    void SetEnvironment(const QProcessEnvironment& env) { env_ = env; }
    // What the compiler, then the preview, wrote so far: its last lines.
    QString OutputText() const;
    bool Compiling() const;

    // Removes the temporary folders that previews of programs no longer running left behind.
    static void RemoveAbandonedFolders();

  signals:
    // javac has started.
    void compiling();
    // The compiler or the preview wrote something.
    void outputChanged();
    // javac refused the source: its messages, with the lines they name.
    void compileFailed(const QString& messages);
    // The preview window's process has started.
    void started();
    // The preview's process ended by itself (its window was closed, or it failed).
    void finished(int exitCode, const QString& errorOutput);

  private:
    void Compiled(int exitCode, QProcess::ExitStatus status);
    void RunClass();
    std::unique_ptr<QProcess> NewProcess();
    void DropFolder();

    QProcessEnvironment env_;
    std::unique_ptr<QTemporaryDir> folder_;
    OwnerLock folderLock_;
    PreviewOutput output_;
    std::unique_ptr<QProcess> javac_;
    std::unique_ptr<QProcess> java_;
    QString mainClass_;
    QString classPath_;
    QStringList arguments_;
    QString javaTool_;
    QString problem_;
};

}  // namespace korvane
