// The desktop program's side of recovery (see document/Recovery.h): it follows the design's
// undo history, writes the recovery file on a thread of its own once the schedule says so,
// removes it as soon as the design matches its file again (saved, closed, discarded, undone
// back to the saved state) and at a clean exit, and offers at start the files that programs
// no longer running left: Restore or Discard.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "document/Recovery.h"

namespace korvane {

class MainWindow;
class RecoveryWriter;

class RecoveryKeeper : public QObject {
    Q_OBJECT
  public:
    // Keeps the recovery files in `folder` (RecoveryFolder of the environment by default).
    explicit RecoveryKeeper(MainWindow& window, const QString& folder = DefaultFolder());
    // A clean exit: the recovery file goes.
    ~RecoveryKeeper() override;

    static QString DefaultFolder();

    // Asks about each recovery file left by a program no longer running, newest first, until
    // one is restored; one neither restored nor discarded (Escape) is asked about next time.
    void OfferLeftovers();
    // Writes what is not written yet and returns once it is on disk: the program is about to
    // end without a clean exit.
    void WriteNow();

  private:
    enum class Answer { Restore, Discard, Later };

    void DesignTouched();
    void WriteDue();
    Answer AskAbout(const LeftRecovery& left);
    bool Restore(const LeftRecovery& left);

    MainWindow& window_;
    RecoveryFiles files_;
    RecoverySchedule schedule_;
    QTimer timer_;
    std::unique_ptr<RecoveryWriter> writer_;
};

}  // namespace korvane
