#include "integer_spin_field.h"

#include <limits>

IntegerSpinField::IntegerSpinField(const mx::FieldSpec &fieldSpec, QWidget *parent)
    : SpinField(fieldSpec, parent), step_(static_cast<int>(fieldSpec.step)) {}

std::int32_t IntegerSpinField::value() const {
    return mx::readInteger(fieldSpec(), text().toStdString());
}

void IntegerSpinField::setValue(std::int64_t value) {
    setText(QString::fromStdString(mx::formatPlain(mx::clampToField(fieldSpec(), value))));
}

double IntegerSpinField::smallestValue() const {
    return mx::clampToField(fieldSpec(), std::numeric_limits<std::int64_t>::min());
}

double IntegerSpinField::largestValue() const {
    return mx::clampToField(fieldSpec(), std::numeric_limits<std::int64_t>::max());
}

void IntegerSpinField::stepBy(int direction) {
    setValue(stepper_ ? stepper_(value(), direction)
                      : std::int64_t{value()} + std::int64_t{direction} * step_);
}

void IntegerSpinField::focusOutEvent(QFocusEvent *event) {
    if (fieldSpec().bounded()) {
        const auto typed = mx::parseWholeNumber(text().toStdString());
        if (typed && mx::clampToField(fieldSpec(), *typed) != *typed) {
            setValue(*typed);
        }
    }
    SpinField::focusOutEvent(event);
}
