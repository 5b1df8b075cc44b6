#include "U_cal.h"
#include "widget_sheet.h"
#include "widgets/integer_spin_field.h"
#include "widgets/result_field.h"

void Tf_cal::N6Click() {
    // Enter pressed in the buy price prices the trade the user sees once the field is left.
    if (fee_.s2->hasFocus()) {
        s2Exit();
    }
    mx::calculate(*sheet_, now());
}

void Tf_cal::N11Click() {
    mx::diagnosis(*sheet_);
}

void Tf_cal::clearFields(std::initializer_list<QLineEdit *> fields) {
    for (QLineEdit *field : fields) {
        const bool wasEmpty = field->text().isEmpty();
        field->clear();
        // Emptying is a change even of an empty field, so that a price field's step is reset.
        if (wasEmpty && qobject_cast<IntegerSpinField *>(field) != nullptr) {
            emit field->textChanged(field->text());
        }
    }
}

void Tf_cal::clearGauges(std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        sheet_->setGaugeProgress(name, 0);
    }
}

void Tf_cal::SpeedButton7Click() {
    const forms::FeePage &p = fee_;
    clearFields({p.s1, p.s2, p.s3, p.s4, p.s5, p.e1, p.e2, p.e3, p.e4, p.e5, p.e6, p.e7, p.e8});
}

// The planning pages are cleared as they stand on the screen: built first if they are not yet.
void Tf_cal::SpeedButton11Click() {
    buildPlanningPages();
    const forms::LongTermPage &p = longTerm_;
    clearFields(
        {p.w1, p.w2, p.w3, p.w4, p.w5, p.w6, p.w7, p.x1, p.x2, p.x3, p.x4, p.x5, p.x6, p.x7});
    clearGauges({"Gauge1"});
}

void Tf_cal::SpeedButton12Click() {
    buildPlanningPages();
    const forms::DayTradingPage &p = dayTrading_;
    clearFields(
        {p.y1, p.y2, p.y3, p.y4, p.y5, p.y6, p.y7, p.y8, p.y9, p.z1, p.z2, p.z3, p.z4, p.z5, p.z6});
    clearGauges({"Gauge2", "Gauge3"});
}

void Tf_cal::SpeedButton9Click() {
    SpeedButton7Click();
    SpeedButton11Click();
    SpeedButton12Click();
}
