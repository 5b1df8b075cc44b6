#include "U_cal.h"
#include "forms/window_texts.h"
#include "widget_sheet.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/look.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

// The keyboard follows what the client area shows: a panel in place of the pages (the options,
// the 평단·물타기 panel) takes the focus into its first field, and the pages take it back to the
// field that had it, so that no key ever types into a field that is not on the screen.
void Tf_cal::showClientPanel(QWidget *panel, QWidget *firstField) {
    if (shownPanel_ == panel) {
        return;
    }
    if (shownPanel_ == nullptr) {
        QWidget *focused = QApplication::focusWidget();
        focusOnPages_ = pageControl_->isAncestorOf(focused) ? focused : nullptr;
        pageControl_->setVisible(false);
    } else {
        shownPanel_->setVisible(false);
    }
    // One region after the other, so that neither is squeezed beside the other on the way.
    shownPanel_ = panel;
    panel->setVisible(true);
    firstField->setFocus(Qt::OtherFocusReason);
}

forms::OptionsPanel Tf_cal::makeOptionsPanel() {
    forms::OptionsPanel panel = forms::buildOptionsPanel(centralWidget());
    clientLayout_->addWidget(panel.panel7, 1);
    return panel;
}

// Bound before its fields take the values they held in memory (those of cal.ini), so that the
// market's rules step the prices as when the user sets them; the tax line then follows them.
void Tf_cal::settleOptionsPanel(const forms::OptionsPanel &panel) {
    bindOptionsPanel(panel);
    adoptRegion(panel.panel7);
    applyMarketRules();
}

void Tf_cal::showOptionsPanel() {
    const forms::OptionsPanel &panel = options_.get();
    showClientPanel(panel.panel7, panel.r1);
}

void Tf_cal::showPages() {
    if (shownPanel_ == nullptr) {
        pageControl_->setVisible(true);
        return;
    }
    shownPanel_->setVisible(false);
    shownPanel_ = nullptr;
    pageControl_->setVisible(true);
    QWidget *field = focusOnPages_ ? focusOnPages_.data() : fee_.s1;
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
    // Until the panel is built there is nothing to show; building it shows the line.
    const forms::OptionsPanel *panel = options_.ifBuilt();
    if (panel == nullptr) {
        return;
    }
    const bool rules = sheet_->isChecked("CheckBox2");
    panel->r2->setEnabled(!rules);
    // In force, the line is the tax; otherwise a note in gray that r2 applies.
    look::setTextColor(panel->label65, rules ? look::maroon : look::gray);
    panel->label65->setText(QString::fromStdString(mx::taxRateLineOf(*sheet_, now())));
}

void Tf_cal::stepPricesAgain() {
    s2Change();
    for (IntegerSpinField *price : padFields()) {
        if (price != fee_.s1 && price != fee_.s2) {
            setPriceStep(price);
        }
    }
    stepAveragingPrices();
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
