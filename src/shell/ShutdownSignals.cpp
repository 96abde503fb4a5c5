#include "shell/ShutdownSignals.h"

#include "shell/frmMain.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[0], &byte, 1);
}

// A modal dialog runs an event loop inside the code that opened it, often on
// its own stack: it goes first, and the main window closes once that code
// has finished with it.
void closeMainWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
        QTimer::singleShot(0, closeMainWindow);
        return;
    }
    if (frmMain* main = MainWindow())
        main->close();
}

}

void CloseMainWindowOnSignals() {
    if (gSignalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, MainWindow());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(gSignalPipe[1], &byte, 1);
        closeMainWindow();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
