#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

// Prints "shown" as soon as the window's first frame is on the screen (its first exposure
// handled: painted and flushed), then ends the process, without tearing the window down, once
// the work queued at start has run, so that the peak memory covers the whole start. With
// MX_CAL_EXIT_AT_FIRST_FRAME set it ends right after "shown", for counting the instructions of
// the start up to the first frame.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget &window) {
        window.winId(); // creates the platform window, to be watched from its first exposure
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Expose) {
            return false;
        }
        watched->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        if (!static_cast<QWindow *>(watched)->isExposed()) {
            watched->installEventFilter(this);
            return true;
        }
        std::puts("shown");
        std::fflush(stdout);
        if (qEnvironmentVariableIsSet("MX_CAL_EXIT_AT_FIRST_FRAME")) {
            std::_Exit(0);
        }
        QTimer::singleShot(0, [] { std::_Exit(0); });
        return true;
    }
};
