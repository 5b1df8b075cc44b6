// The price entry aids: price steps, copying the buy price, the number pad and the comma
// handling of result fields.

#include "U_cal.h"
#include "widget_sheet.h"
#include "widgets/integer_spin_field.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// The fields the number pad acts on, in the order its keys look for the focus.
constexpr const char *padFields[] = {"s1", "s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"};

constexpr int toolbarHeight = 43;

QString qtext(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

IntegerSpinField *Tf_cal::spinField(const char *name) const {
    return controls_.get<IntegerSpinField>(name);
}

void Tf_cal::setPriceStep(const char *name) {
    // A price field of a page not built yet takes its step when it is.
    if (IntegerSpinField *field = spinField(name)) {
        field->setStep(mx::priceGridOf(*sheet_, now()).step(field->value()));
    }
}

IntegerSpinField::Stepper Tf_cal::priceArrows(const IntegerSpinField *field) {
    return [this, field](std::int64_t value, int direction) {
        if (!sheet_->isChecked("CheckBox2")) {
            return value + std::int64_t{direction} * field->step();
        }
        const mx::PriceGrid grid = mx::priceGridOf(*sheet_, now());
        return direction > 0 ? grid.above(value) : grid.below(value);
    };
}

void Tf_cal::s2Change() {
    setPriceStep("s2");
    try {
        controls_.get<QLineEdit>("Edit5")->setText(qtext(mx::formatStep(spinField("s2")->step())));
    } catch (const std::exception &) {
        // The step display stays as it was.
    }
}

void Tf_cal::s3Change() {
    setPriceStep("s3");
}

void Tf_cal::W1Change() {
    setPriceStep("W1");
}

void Tf_cal::W2Change() {
    setPriceStep("W2");
}

void Tf_cal::Y1Change() {
    setPriceStep("Y1");
}

void Tf_cal::Y2Change() {
    setPriceStep("Y2");
}

void Tf_cal::Y3Change() {
    setPriceStep("Y3");
}

void Tf_cal::Y4Change() {
    setPriceStep("Y4");
}

void Tf_cal::Y5Change() {
    setPriceStep("Y5");
}

void Tf_cal::s2Exit() {
    try {
        IntegerSpinField *sell = spinField("s3");
        if (sell->value() == 0) {
            sell->setValue(spinField("s2")->value());
        }
    } catch (const std::exception &) {
        // A sell price that cannot be set keeps its text.
    }
}

void Tf_cal::SpeedButton17Click() {
    numberPad_->setVisible(true);
    numberPad_->raise();
}

void Tf_cal::showNumberPadUnder(const char *button) {
    numberPad_->setVisible(true);
    numberPad_->raise();
    // The button's place within its scrolled page panel, taken as a place in the client area.
    const QPoint place = controls_.widget(button)->pos();
    numberPad_->move(place.x(), toolbarHeight + place.y());
}

void Tf_cal::SpeedButton18Click() {
    showNumberPadUnder("SpeedButton18");
}

void Tf_cal::SpeedButton19Click() {
    showNumberPadUnder("SpeedButton19");
}

void Tf_cal::SpeedButton16Click() {
    numberPad_->setVisible(false);
}

void Tf_cal::pressPadKey(mx::PadKey key) {
    try {
        for (const char *name : padFields) {
            IntegerSpinField *field = spinField(name);
            if (field == nullptr || !field->hasFocus()) {
                continue;
            }
            if (const auto value = mx::applyPadKey(key, field->value())) {
                field->setValue(*value);
            } else {
                // The result would leave the 32-bit range: the field keeps its value.
                QApplication::beep();
            }
        }
    } catch (const std::exception &) {
        // The key ends its work where it failed.
    }
}

void Tf_cal::SpeedButton14Click() {
    pressPadKey(mx::PadKey::PlusOne);
}

void Tf_cal::SpeedButton15Click() {
    pressPadKey(mx::PadKey::MinusOne);
}

void Tf_cal::SpeedButton10Click() {
    pressPadKey(mx::PadKey::TimesTen);
}

void Tf_cal::SpeedButton13Click() {
    pressPadKey(mx::PadKey::DivideByTen);
}

void Tf_cal::SpeedButton20Click() {
    pressPadKey(mx::PadKey::Zero);
}

void Tf_cal::removeSeparators(QObject *sender) {
    if (!isVisible()) {
        return;
    }
    if (auto *field = qobject_cast<QLineEdit *>(sender)) {
        field->setText(qtext(mx::withoutSeparators(field->text().toStdString())));
    }
}

void Tf_cal::restoreSeparators(QObject *sender) {
    if (auto *field = qobject_cast<QLineEdit *>(sender)) {
        if (const auto formatted = mx::reformatResult(field->text().toStdString())) {
            field->setText(qtext(*formatted));
        }
    }
}

void Tf_cal::s4Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::s5Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::e1Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::e2Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::e3Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::e4Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::e5Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::e6Enter(QObject *sender) {
    removeSeparators(sender);
}

void Tf_cal::s4Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::s5Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::e1Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::e2Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::e3Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::e4Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::e5Exit(QObject *sender) {
    restoreSeparators(sender);
}

void Tf_cal::e6Exit(QObject *sender) {
    restoreSeparators(sender);
}
