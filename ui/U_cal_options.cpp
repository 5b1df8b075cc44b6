#include "U_cal.h"
#include "forms/window_texts.h"
#include "widget_sheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

// The keyboard follows what the client area shows: the options panel takes the focus into its
// first field, and the pages take it back to the field that had it, so that no key ever types
// into a field that is not on the screen.
void Tf_cal::showOptionsPanel() {
    buildHiddenRegions();
    if (optionsPanel_->isVisible()) {
        return;
    }
    QWidget *focused = QApplication::focusWidget();
    focusOnPages_ = pageControl_->isAncestorOf(focused) ? focused : nullptr;
    // One region after the other, so that neither is squeezed beside the other on the way.
    pageControl_->setVisible(false);
    optionsPanel_->setVisible(true);
    controls_.widget("r1")->setFocus(Qt::OtherFocusReason);
}

void Tf_cal::showPages() {
    if (optionsPanel_ == nullptr || !optionsPanel_->isVisible()) {
        pageControl_->setVisible(true);
        return;
    }
    optionsPanel_->setVisible(false);
    pageControl_->setVisible(true);
    QWidget *field = focusOnPages_ ? focusOnPages_.data() : controls_.widget("s1");
    field->setFocus(Qt::OtherFocusReason);
}

void Tf_cal::N7Click() {
    showOptionsPanel();
}

void Tf_cal::N16Click() {
    showOptionsPanel();
}

void Tf_cal::SpeedButton1Click() {
    showPages();
}

void Tf_cal::SpeedButton6Click() {
    showMessage(window_texts::minimumFeeExplanation);
}

void Tf_cal::applyMarketRules() {
    // r2 keeps its rate, unused while the tax of the trade date stands in for it.
    if (QWidget *taxRate = controls_.widget("r2")) {
        taxRate->setEnabled(!sheet_->isChecked("CheckBox2"));
    }
    if (auto *taxLine = controls_.get<QLineEdit>("Edit7")) {
        taxLine->setText(QString::fromStdString(mx::taxRateLineOf(*sheet_, now())));
    }
}

void Tf_cal::stepPricesAgain() {
    s2Change();
    for (const char *price : {"s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"}) {
        setPriceStep(price);
    }
}

void Tf_cal::CheckBox2Click() {
    applyMarketRules();
    stepPricesAgain();
}

// The market and the trade date choose the ticks only while the rules apply.
void Tf_cal::ComboBox1Change() {
    applyMarketRules();
    if (sheet_->isChecked("CheckBox2")) {
        stepPricesAgain();
    }
}

void Tf_cal::DateEdit1Change() {
    ComboBox1Change();
}
