// The usage steps of the menu "사용법(따라하기)" and the support commands of "사용지원".

#include "U_cal.h"
#include "forms/about_box.h"
#include "forms/guidance_texts.h"
#include "forms/support_config.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>

namespace {

// The colour of a field that a usage step points at; it stays while the program runs.
const QColor pointedAt{255, 255, 0};

} // namespace

void Tf_cal::markStep(QAction *item) {
    n17_->menu()->setDefaultAction(item);
}

void Tf_cal::highlight(std::initializer_list<QWidget *> fields) {
    for (QWidget *field : fields) {
        look::setBackground(field, pointedAt);
    }
}

void Tf_cal::pointAtInput(QAction *item, QLineEdit *field, const QString &message) {
    markStep(item);
    showPages();
    field->setVisible(true);
    fee_.scrollBox2->ensureWidgetVisible(field);
    highlight({field});
    showMessage(message);
    field->setFocus(Qt::OtherFocusReason);
}

void Tf_cal::N18Click() {
    markStep(n18_);
    N7Click();
    const forms::OptionsPanel &panel = options_.get();
    highlight({panel.r1, panel.r2, panel.r3, panel.r4});
    showMessage(guidance::optionsStep());
    panel.r1->setFocus(Qt::OtherFocusReason);
}

void Tf_cal::N110Click() {
    pointAtInput(n110_, fee_.s1, guidance::quantityStep());
}

void Tf_cal::N22Click() {
    pointAtInput(n22_, fee_.s2, guidance::buyPriceStep());
}

void Tf_cal::N32Click() {
    pointAtInput(n32_, fee_.s3, guidance::sellPriceStep());
}

void Tf_cal::N25Click() {
    markStep(n25_);
    N6Click();
    showMessage(guidance::calculateStep());
}

void Tf_cal::RxSpeedButton14Click() {
    openPage(QUrl(support::homePage));
}

void Tf_cal::N34Click() {
    openPage(QUrl(support::homePage));
}

void Tf_cal::N23Click() {
    openPage(QUrl(support::consultationPage));
}

void Tf_cal::MX1Click() {
    openPage(QUrl(support::downloadPage));
}

void Tf_cal::N37Click() {
    showMessage(guidance::telephone(support::telephone));
}

void Tf_cal::N38Click() {
    if (confirm(guidance::promotionalNotice(support::telephone))) {
        MX1Click();
    }
}

void Tf_cal::Image1Click() {
    AboutBox box(support::homePage, this);
    connect(&box, &AboutBox::homePageRequested, this, &Tf_cal::RxSpeedButton14Click);
    dialogRunner_(box);
}
