#include "product_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    QLinearGradient background(0, 0, 0, 64);
    background.setColorAt(0, QColor(128, 128, 255));
    background.setColorAt(1, QColor(0, 0, 128));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(12, 38, 10, 16));
    painter.drawRect(QRectF(27, 28, 10, 26));
    painter.setBrush(QColor(255, 80, 80));
    painter.drawRect(QRectF(42, 16, 10, 38));
    return pixmap;
}

} // namespace

QIcon productIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(drawIcon(size));
    }
    return icon;
}
