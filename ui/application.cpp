#include "application.h"

#include "widgets/look.h"
#include "widgets/window_style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTranslator>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace application {
namespace {

// Signals reach the event loop through a pipe: a handler may do nothing but write to it.
int signalPipe[2] = {-1, -1};
bool terminating = false;

void onTermination(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// The end of a session (SIGTERM, SIGHUP) or Ctrl+C in a terminal closes the window as its close
// box does, so that the settings are saved, instead of ending the program on the spot.
void closeOnTermination(QApplication &app) {
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        terminating = true;
        QApplication::closeAllWindows();
    });
    struct sigaction action {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

void setUp(QApplication &app) {
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QGuiApplication::setDesktopFileName(QStringLiteral(MX_CAL_APP_ID));
    QApplication::setStyle(new WindowStyle);
    QApplication::setFont(look::windowFont());
    closeOnTermination(app);
    // The window speaks Korean whatever the desktop's language; so do the texts Qt supplies.
    auto *qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
}

bool terminationRequested() {
    return terminating;
}

} // namespace application
