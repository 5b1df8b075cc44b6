#include "integer_spin_field.h"

IntegerSpinField::IntegerSpinField(const mx::FieldSpec &spec, QWidget *parent)
    : SpinField(spec, parent), step_(static_cast<int>(spec.step)) {}

std::int32_t IntegerSpinField::value() const {
    return mx::readInteger(spec(), text().toStdString());
}

void IntegerSpinField::setValue(std::int64_t value) {
    setText(QString::fromStdString(mx::formatPlain(mx::clampToField(spec(), value))));
}

void IntegerSpinField::stepBy(int direction) {
    setValue(std::int64_t{value()} + std::int64_t{direction} * step_);
}

void IntegerSpinField::focusOutEvent(QFocusEvent *event) {
    if (spec().bounded()) {
        const auto typed = mx::parseWholeNumber(text().toStdString());
        if (typed && mx::clampToField(spec(), *typed) != *typed) {
            setValue(*typed);
        }
    }
    SpinField::focusOutEvent(event);
}
