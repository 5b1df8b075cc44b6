// Starts the program's window as mx_cal does and ends as soon as the window is first painted,
// printing "shown"; the start-up benchmark times this process from its start.

#include "U_cal.h"
#include "application.h"
#include "first_frame.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    application::setUp(app);
    Tf_cal window;
    FirstFrame watcher(window);
    window.show();
    return QApplication::exec();
}
