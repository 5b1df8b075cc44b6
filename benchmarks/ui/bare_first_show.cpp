// The floor of the start-up benchmark: a QApplication with one QMainWindow in the window's font
// list, showing one line of Korean text in it (so that it loads the fonts as any window of
// this program must), ended as soon as it is first painted ("shown").

#include "first_frame.h"
#include "widgets/look.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(look::windowFont());
    QMainWindow window;
    const QString caption = QStringLiteral("MX 주식계산기(무료버전) ");
    window.setWindowTitle(caption);
    window.setCentralWidget(new QLabel(caption));
    window.resize(400, 515);
    FirstFrame watcher(window);
    window.show();
    return QApplication::exec();
}
