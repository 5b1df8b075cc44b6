#include "U_cal.h"
#include "window_texts.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(window_texts::applicationTitle);
    QApplication::setApplicationDisplayName(window_texts::applicationTitle);
    QGuiApplication::setDesktopFileName(QStringLiteral(MX_CAL_APP_ID));
    Tf_cal window;
    window.show();
    return QApplication::exec();
}
