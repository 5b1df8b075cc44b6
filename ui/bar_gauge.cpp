#include "bar_gauge.h"

#include <QPainter>

BarGauge::BarGauge(const QString &name, QWidget *parent) : QWidget(parent) {
    setObjectName(name);
    model_.setProgress(0);
}

bool BarGauge::setMaximum(int maximum) {
    if (!model_.setMaximum(maximum)) {
        return false;
    }
    update();
    return true;
}

void BarGauge::setProgress(int progress) {
    model_.setProgress(progress);
    update();
}

void BarGauge::setColor(mx::GaugeColor color) {
    model_.setColor(color);
    update();
}

QColor BarGauge::fillColor() const {
    return model_.color() == mx::GaugeColor::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

QString BarGauge::percentText() const {
    return QStringLiteral("%1%").arg(model_.percent());
}

QSize BarGauge::sizeHint() const {
    return {28, 150};
}

void BarGauge::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    int filled = 0;
    if (model_.maximum() > 0) {
        filled = static_cast<int>(qint64{frame.height()} * model_.progress() / model_.maximum());
    }
    const QRect fill(frame.left(), frame.bottom() - filled + 1, frame.width(), filled);
    painter.fillRect(frame, Qt::white);
    painter.fillRect(fill, fillColor());
    painter.setPen(Qt::black);
    painter.drawRect(frame);
    // The percentage reads black above the fill and white on it.
    painter.setClipRect(QRect(frame.left(), frame.top(), frame.width(), frame.height() - filled));
    painter.drawText(rect(), Qt::AlignCenter, percentText());
    painter.setClipRect(fill);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, percentText());
}
