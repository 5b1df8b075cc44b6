#include "U_cal.h"
#include "widget_sheet.h"
#include "widgets/integer_spin_field.h"

void Tf_cal::N6Click() {
    // Enter pressed in the buy price prices the trade the user sees once the field is left.
    if (controls_.widget("s2")->hasFocus()) {
        s2Exit();
    }
    mx::calculate(*sheet_, now());
}

void Tf_cal::N11Click() {
    mx::diagnosis(*sheet_);
}

void Tf_cal::clearFields(std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        const bool wasEmpty = sheet_->text(name).empty();
        sheet_->setText(name, "");
        // Emptying is a change even of an empty field, so that a price field's step is reset.
        auto *spin = qobject_cast<IntegerSpinField *>(
            controls_.widget(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
        if (wasEmpty && spin != nullptr) {
            emit spin->textChanged(spin->text());
        }
    }
}

void Tf_cal::clearGauges(std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        sheet_->setGaugeProgress(name, 0);
    }
}

void Tf_cal::SpeedButton7Click() {
    clearFields({"s1", "s2", "s3", "s4", "s5", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8"});
}

void Tf_cal::SpeedButton11Click() {
    clearFields(
        {"W1", "W2", "W3", "W4", "W5", "W6", "W7", "X1", "X2", "X3", "X4", "X5", "X6", "X7"});
    clearGauges({"Gauge1"});
}

void Tf_cal::SpeedButton12Click() {
    clearFields(
        {"Y1", "Y2", "Y3", "Y4", "Y5", "Y6", "Y7", "Y8", "Y9", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6"});
    clearGauges({"Gauge2", "Gauge3"});
}

void Tf_cal::SpeedButton9Click() {
    try {
        SpeedButton7Click();
        SpeedButton11Click();
        SpeedButton12Click();
    } catch (const std::exception &) {
        // New stops silently where a page fails to clear.
    }
}
