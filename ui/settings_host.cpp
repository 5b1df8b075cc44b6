#include "settings_host.h"

#include "U_cal.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

QRect WindowSettingsHost::placement() const {
    return {window_.pos(), window_.frameGeometry().size()};
}

void WindowSettingsHost::setLeft(int left) {
    window_.move(left, window_.y());
}

void WindowSettingsHost::setTop(int top) {
    window_.move(window_.x(), top);
}

// A negative stored extent counts as 0.
void WindowSettingsHost::setWidth(int width) {
    window_.restoreWindowSize({std::max(width, 0), placement().height()});
}

void WindowSettingsHost::setHeight(int height) {
    window_.restoreWindowSize({placement().width(), std::max(height, 0)});
}

QSize WindowSettingsHost::screenSize() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize();
}

QSize WindowSettingsHost::availableSize() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableSize() : QSize();
}

bool WindowSettingsHost::isNormalState() const {
    return !(window_.windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

bool WindowSettingsHost::reportsPosition() const {
    return platformReportsPosition(QGuiApplication::platformName());
}

bool WindowSettingsHost::platformReportsPosition(const QString &platformName) {
    // "wayland", "wayland-egl", "wayland-brcm" and the like.
    return !platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

void WindowSettingsHost::scrollPagesToTop() {
    window_.scrollPagesToTop();
}

void WindowSettingsHost::showPromotionalNotice() {
    window_.N38Click();
}
