// The usage steps of the menu "사용법(따라하기)" and the support commands of "사용지원".

#include "U_cal.h"
#include "forms/about_box.h"
#include "forms/guidance_texts.h"
#include "forms/support_config.h"
#include "widgets/look.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>

namespace {

// The colour of a field that a usage step points at; it stays while the program runs.
const QColor pointedAt{255, 255, 0};

} // namespace

void Tf_cal::markStep(const char *item) {
    QMenu *menu = findChild<QAction *>(QStringLiteral("N17"))->menu();
    menu->setDefaultAction(findChild<QAction *>(QString::fromLatin1(item)));
}

void Tf_cal::highlight(std::initializer_list<const char *> names) {
    for (const char *name : names) {
        look::setBackground(controls_.widget(name), pointedAt);
    }
}

void Tf_cal::pointAtInput(const char *item, const char *field, const QString &message) {
    markStep(item);
    showPages();
    auto *input = controls_.get<QLineEdit>(field);
    input->setVisible(true);
    if (auto *box = controls_.get<QScrollArea>("ScrollBox2")) {
        box->ensureWidgetVisible(input);
    }
    highlight({field});
    showMessage(message);
    input->setFocus(Qt::OtherFocusReason);
}

void Tf_cal::N18Click() {
    try {
        markStep("N18");
        N7Click();
        highlight({"r1", "r2", "r3", "r4"});
        showMessage(mx::guidance::optionsStep());
        controls_.widget("r1")->setFocus(Qt::OtherFocusReason);
    } catch (const std::exception &) {
        // The options step ignores every error.
    }
}

void Tf_cal::N110Click() {
    pointAtInput("N110", "s1", mx::guidance::quantityStep());
}

void Tf_cal::N22Click() {
    pointAtInput("N22", "s2", mx::guidance::buyPriceStep());
}

void Tf_cal::N32Click() {
    pointAtInput("N32", "s3", mx::guidance::sellPriceStep());
}

void Tf_cal::N25Click() {
    markStep("N25");
    N6Click();
    showMessage(mx::guidance::calculateStep());
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
    showMessage(mx::guidance::telephone(support::telephone));
}

void Tf_cal::N38Click() {
    if (confirm(mx::guidance::promotionalNotice(support::telephone))) {
        MX1Click();
    }
}

void Tf_cal::Image1Click() {
    AboutBox box(support::homePage, this);
    connect(&box, &AboutBox::homePageRequested, this, &Tf_cal::RxSpeedButton14Click);
    dialogRunner_(box);
}
