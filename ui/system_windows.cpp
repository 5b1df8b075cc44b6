#include "system.h"

#include <QApplication>
#include <QSessionManager>
#include <QStyleFactory>

namespace application::system {

QStyle *baseStyle() {
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

void closeOnTermination(QApplication &app, std::function<void()> close) {
    // Windows asks every program to save its data before the session ends; the program has
    // no console of its own, so Ctrl+C never reaches it.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &app,
        [close = std::move(close)](QSessionManager &) { close(); }, Qt::DirectConnection);
}

} // namespace application::system
