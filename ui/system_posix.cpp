#include "system.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace application::system {
namespace {

// Signals reach the event loop through a pipe: a handler may do nothing but write to it.
int signalPipe[2] = {-1, -1};

void onTermination(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

QStyle *baseStyle() {
    return nullptr;
}

void closeOnTermination(QApplication &app, std::function<void()> close) {
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [close = std::move(close)] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        close();
    });
    struct sigaction action {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace application::system
