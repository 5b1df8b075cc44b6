// The price entry aids: price steps, copying the buy price, the number pad and the comma
// handling of result fields.

#include "U_cal.h"
#include "widget_sheet.h"
#include "widgets/integer_spin_field.h"
#include "widgets/qtext.h"
#include "widgets/result_field.h"

#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

void Tf_cal::setPriceStep(IntegerSpinField *field) {
    // A price field of a page not built yet takes its step when it is.
    if (field != nullptr) {
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
    setPriceStep(fee_.s2);
    fee_.edit5->setText(qtext(mx::formatStep(fee_.s2->step())));
}

void Tf_cal::s3Change() {
    setPriceStep(fee_.s3);
}

void Tf_cal::W1Change() {
    setPriceStep(longTerm_.w1);
}

void Tf_cal::W2Change() {
    setPriceStep(longTerm_.w2);
}

void Tf_cal::Y1Change() {
    setPriceStep(dayTrading_.y1);
}

void Tf_cal::Y2Change() {
    setPriceStep(dayTrading_.y2);
}

void Tf_cal::Y3Change() {
    setPriceStep(dayTrading_.y3);
}

void Tf_cal::Y4Change() {
    setPriceStep(dayTrading_.y4);
}

void Tf_cal::Y5Change() {
    setPriceStep(dayTrading_.y5);
}

void Tf_cal::s2Exit() {
    if (fee_.s3->value() == 0) {
        fee_.s3->setValue(fee_.s2->value());
    }
}

forms::NumberPad Tf_cal::makeNumberPad() {
    return forms::buildNumberPad(centralWidget());
}

void Tf_cal::SpeedButton17Click() {
    QWidget *pad = pad_.get().panel38;
    pad->setVisible(true);
    pad->raise();
}

void Tf_cal::showNumberPadUnder(QToolButton *button) {
    QWidget *pad = pad_.get().panel38;
    pad->setVisible(true);
    pad->raise();
    // The button's place within its scrolled page panel, taken as a place in the client area
    // below the toolbar.
    const QPoint place = button->pos();
    pad->move(place.x(), toolbar_.panel3->height() + place.y());
}

void Tf_cal::SpeedButton18Click() {
    showNumberPadUnder(longTerm_.speedButton18);
}

void Tf_cal::SpeedButton19Click() {
    showNumberPadUnder(dayTrading_.speedButton19);
}

void Tf_cal::SpeedButton16Click() {
    if (const forms::NumberPad *pad = pad_.ifBuilt()) {
        pad->panel38->setVisible(false);
    }
}

std::array<IntegerSpinField *, 10> Tf_cal::padFields() const {
    return {fee_.s1,        fee_.s2,        fee_.s3,        longTerm_.w1,   longTerm_.w2,
            dayTrading_.y1, dayTrading_.y2, dayTrading_.y3, dayTrading_.y4, dayTrading_.y5};
}

void Tf_cal::pressPadKey(mx::PadKey key) {
    for (IntegerSpinField *field : padFields()) {
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
