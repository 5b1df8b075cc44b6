#include "application.h"

#include "widgets/look.h"
#include "widgets/window_style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace application {

void setUp(QApplication &app) {
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QGuiApplication::setDesktopFileName(QStringLiteral(MX_CAL_APP_ID));
    QApplication::setStyle(new WindowStyle);
    QApplication::setFont(look::windowFont());
    // The window speaks Korean whatever the desktop's language; so do the texts Qt supplies.
    auto *qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
}

} // namespace application
