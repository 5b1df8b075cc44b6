// The 평단·물타기 panel: built when it is first shown, its results recomputed by the core as the
// user types.

#include "U_cal.h"
#include "calc/averaging.h"
#include "widget_sheet.h"
#include "widgets/integer_spin_field.h"

#include <QLabel>
#include <QVBoxLayout>

forms::AveragingPanel Tf_cal::makeAveragingPanel() {
    forms::AveragingPanel panel = forms::buildAveragingPanel(centralWidget());
    clientLayout_->addWidget(panel.panel80, 1);
    return panel;
}

// The fields take the values they held in memory (those of cal.ini) before they are bound, so
// that the results are computed once, when the panel shows.
void Tf_cal::settleAveragingPanel(const forms::AveragingPanel &panel) {
    adoptRegion(panel.panel80);
    bindAveragingPanel(panel);
    stepAveragingPrices();
    mx::seedAveragingHolding(*sheet_);
}

void Tf_cal::stepAveragingPrices() {
    if (const forms::AveragingPanel *panel = averaging_.ifBuilt()) {
        for (IntegerSpinField *field : panel->inputs) {
            if (mx::isAveragingPriceField(field->objectName().toStdString())) {
                setPriceStep(field);
            }
        }
    }
}

void Tf_cal::computeAveraging() {
    mx::averagingSection(*sheet_, now());
    if (const forms::AveragingPanel *panel = averaging_.ifBuilt()) {
        panel->q12->setVisible(!panel->q12->text().isEmpty());
    }
}

void Tf_cal::SpeedButton30Click() {
    const forms::AveragingPanel &panel = averaging_.get();
    showClientPanel(panel.panel80, panel.inputs.front());
    // The options may have changed since the results were last computed.
    computeAveraging();
}

void Tf_cal::SpeedButton31Click() {
    showPages();
}

void Tf_cal::P1Change(QObject *sender) {
    auto *field = qobject_cast<IntegerSpinField *>(sender);
    if (field != nullptr && mx::isAveragingPriceField(field->objectName().toStdString())) {
        setPriceStep(field);
    }
    computeAveraging();
}

void Tf_cal::Q1Enter(QObject *sender) {
    removeSeparators(sender);
}

// The averages carry decimals, which the display rule of page 1 would round away: the field
// takes its text from the core again.
void Tf_cal::Q1Exit(QObject *) {
    computeAveraging();
}
