#include "application.h"

#include "system.h"
#include "widgets/look.h"
#include "widgets/window_style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace application {
namespace {

bool terminating = false;

// Qt's own Korean texts: those installed with Qt, else the copy built into the program (where
// Qt is linked in statically and has no installed folder of its own).
void loadQtTexts(QApplication &app) {
    const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
    auto *qtTexts = new QTranslator(&app);
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QStringLiteral(":/qt/translations")}) {
        if (qtTexts->load(korean, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(qtTexts);
            return;
        }
    }
    delete qtTexts;
}

} // namespace

void setUp(QApplication &app) {
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QGuiApplication::setDesktopFileName(QStringLiteral(MX_CAL_APP_ID));
    QApplication::setStyle(new WindowStyle(system::baseStyle()));
    QApplication::setFont(look::windowFont());
    system::closeOnTermination(app, [] {
        terminating = true;
        QApplication::closeAllWindows();
    });
    // The window speaks Korean whatever the desktop's language; so do the texts Qt supplies.
    loadQtTexts(app);
}

bool terminationRequested() {
    return terminating;
}

} // namespace application
