#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

// Once the watched window has been painted in full (its first paint and the rest of that
// round of painting), prints "shown" and ends the process at once, without tearing the window
// down, so that an instruction count of the process covers the start and nothing after it.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget &window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::puts("shown");
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};
