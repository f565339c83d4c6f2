#include "qt/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace korvane {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler only writes the signal's number into a pipe that the event loop watches.
int signalPipe[2] = {-1, -1};

void OnSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    (void)!::write(signalPipe[1], &number, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        while (::read(signalPipe[0], &number, 1) == 1) emit received(number);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    for (int signal : kSignals) std::signal(signal, SIG_DFL);
}

void TerminationSignals::EndBy(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    ::_exit(128 + signal);
}

}  // namespace korvane
