// The desktop program: the main window with its document window.
#include <QApplication>

#include "app/CommandLine.h"
#include "qt/AboutDialog.h"
#include "qt/MainWindow.h"
#include "qt/PreviewRunner.h"
#include "qt/QtFileDialog.h"
#include "qt/QtMessageBox.h"
#include "qt/RecoveryKeeper.h"
#include "qt/TerminationSignals.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = korvane::AnswerWithoutWindow(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");
    QApplication::setDesktopFileName("korvane");
    QApplication::setWindowIcon(korvane::ProgramIcon());
    korvane::QtMessageBox messages;
    korvane::QtFileDialog dialogs;
    korvane::MainWindow window(messages, dialogs);
    messages.SetParent(&window);
    dialogs.SetParent(&window);
    window.KeepSettingsIn(korvane::ProgramSettings());
    window.show();
    korvane::PreviewRunner::RemoveAbandonedFolders();
    korvane::RecoveryKeeper recovery(window);
    korvane::TerminationSignals termination;
    QObject::connect(&termination, &korvane::TerminationSignals::received, [&](int signal) {
        window.Preview()->Stop();
        recovery.WriteNow();
        korvane::TerminationSignals::EndBy(signal);
    });
    recovery.OfferLeftovers();
    // korvane FILE.dat opens the file as Open does.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.OpenFromOutside(arguments.at(1));
    return QApplication::exec();
}
