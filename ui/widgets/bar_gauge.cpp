#include "bar_gauge.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

// What a screen reader asks of a gauge: a read-only value between 0 and the maximum.
class AccessibleGauge : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleGauge(BarGauge *gauge)
        : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) {
            return gauge()->percentText();
        }
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return gauge()->maximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    BarGauge *gauge() const { return static_cast<BarGauge *>(widget()); }
};

QAccessibleInterface *accessibleGauge(const QString &className, QObject *object) {
    if (className == QLatin1String("BarGauge") && object->isWidgetType()) {
        return new AccessibleGauge(static_cast<BarGauge *>(object));
    }
    return nullptr;
}

} // namespace

BarGauge::BarGauge(const QString &name, QWidget *parent) : QWidget(parent) {
    QAccessible::installFactory(accessibleGauge); // once; a factory installed before is kept
    setObjectName(name);
    model_.setProgress(0);
}

bool BarGauge::setMaximum(int maximum) {
    if (!model_.setMaximum(maximum)) {
        return false;
    }
    changed();
    return true;
}

void BarGauge::setProgress(int progress) {
    model_.setProgress(progress);
    changed();
}

void BarGauge::changed() {
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, model_.progress());
        QAccessible::updateAccessibility(&event);
    }
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
