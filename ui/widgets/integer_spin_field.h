#pragma once

#include "spin_field.h"

#include <cstdint>
#include <functional>

// An integer spin field: a 32-bit whole number, unbounded when both bounds are 0. Its text
// reads as the field's minimum when it is not a whole number; setting a value clamps it to
// the bounds, and so does leaving the field.
class IntegerSpinField : public SpinField {
    Q_OBJECT
public:
    IntegerSpinField(const mx::FieldSpec &fieldSpec, QWidget *parent);

    std::int32_t value() const;
    void setValue(std::int64_t value);

    int step() const { return step_; }
    void setStep(int step) { step_ = step; }

    // Where the arrows go from a value, +1 up and -1 down; without one, the value plus or minus
    // the step.
    using Stepper = std::function<std::int64_t(std::int64_t value, int direction)>;
    void setStepper(Stepper stepper) { stepper_ = std::move(stepper); }

    double numericValue() const override { return value(); }
    double smallestValue() const override;
    double largestValue() const override;
    double stepSize() const override { return step_; }

protected:
    void stepBy(int direction) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int step_;
    Stepper stepper_;
};
