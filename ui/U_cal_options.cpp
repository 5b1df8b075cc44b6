#include "U_cal.h"
#include "forms/window_texts.h"

#include <QTabWidget>

void Tf_cal::showOptionsPanel() {
    buildHiddenRegions();
    pageControl_->setVisible(false);
    optionsPanel_->setVisible(true);
}

void Tf_cal::showPages() {
    if (optionsPanel_ != nullptr) {
        optionsPanel_->setVisible(false);
    }
    pageControl_->setVisible(true);
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
