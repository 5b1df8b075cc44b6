#pragma once

#include "spin_field.h"

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

protected:
    void stepBy(int direction) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    double step_;
};
