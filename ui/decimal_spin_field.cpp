#include "decimal_spin_field.h"

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
