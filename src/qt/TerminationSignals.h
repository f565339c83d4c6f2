// SIGTERM, SIGHUP and SIGINT (the session ending, the terminal closing, Ctrl+C) delivered on
// the user-interface thread as a Qt signal, so that the program can put away what it must
// before it ends: it is not a clean exit, so no question is asked and unsaved work stays for
// recovery. A second such signal ends the program at once, should the first one not be
// handled (the user-interface thread being stuck).
#pragma once

#include <QObject>

class QSocketNotifier;

namespace korvane {

class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Ends the process by `signal`, as if it had not been caught: its parent sees the signal.
    [[noreturn]] static void EndBy(int signal);

  signals:
    void received(int signal);

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace korvane
