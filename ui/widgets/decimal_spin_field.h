#pragma once

#include "spin_field.h"

#include <limits>

// A decimal spin field: a decimal number that the program and the arrows show with the
// field's fixed count of decimals. Typed text stays as typed and is read as typed; a text
// that is not a number reads as 0. A typed comma enters the decimal point, as the options
// panel's own note tells the user to write rates ("0,029").
class DecimalSpinField : public SpinField {
    Q_OBJECT
public:
    DecimalSpinField(const mx::FieldSpec &fieldSpec, QWidget *parent);

    long double value() const;
    void setValue(long double value);

    double step() const { return step_; }
    void setStep(double step) { step_ = step; }

    // A rate has no range of its own.
    double numericValue() const override { return static_cast<double>(value()); }
    double smallestValue() const override { return std::numeric_limits<double>::lowest(); }
    double largestValue() const override { return std::numeric_limits<double>::max(); }
    double stepSize() const override { return step_; }

protected:
    void stepBy(int direction) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    double step_;
};
