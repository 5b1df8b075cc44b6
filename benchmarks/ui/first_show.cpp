// Starts the program's window as mx_cal does and ends as soon as it is first painted,
// printing "shown"; the start-up benchmark times this process from its start.

#include "U_cal.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            std::puts("shown");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    Tf_cal window;
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}
