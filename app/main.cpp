#include "U_cal.h"
#include "application.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    application::setUp(app);
    Tf_cal window;
    if (application::terminationRequested()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
