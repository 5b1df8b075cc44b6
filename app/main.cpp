#include "U_cal.h"
#include "application.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    application::setUp(app);
    Tf_cal window;
    window.show();
    return QApplication::exec();
}
