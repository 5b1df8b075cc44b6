#include "decimal_spin_field.h"

#include <QKeyEvent>

DecimalSpinField::DecimalSpinField(const mx::FieldSpec &fieldSpec, QWidget *parent)
    : SpinField(fieldSpec, parent), step_(fieldSpec.step) {}

long double DecimalSpinField::value() const {
    return mx::readDecimal(text().toStdString());
}

void DecimalSpinField::setValue(long double value) {
    setText(QString::fromStdString(mx::formatDecimal(value, fieldSpec().decimals)));
}

void DecimalSpinField::stepBy(int direction) {
    setValue(value() + static_cast<long double>(direction) * step_);
}

void DecimalSpinField::keyPressEvent(QKeyEvent *event) {
    if (event->text() == QLatin1String(",")) {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        SpinField::keyPressEvent(&point);
        event->setAccepted(point.isAccepted());
        return;
    }
    SpinField::keyPressEvent(event);
}
