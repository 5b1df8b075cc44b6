#include "about_box.h"

#include "forms/support_config.h"
#include "guidance_texts.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "window_texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *aboutLabel(QWidget *parent, const char *name, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget *caption(QWidget *parent) {
    auto *panel =
        new GradientPanel(QStringLiteral("AboutCaption"), look::toolbarStart, look::white, parent);
    auto *title = aboutLabel(panel, "AboutTitle", guidance::aboutTitle());
    look::setPixelSize(title, 15);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(10, 6, 10, 6);
    row->addWidget(title);
    return panel;
}

} // namespace

AboutBox::AboutBox(const QString &homePage, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LMDAboutDlg1"));
    setWindowTitle(guidance::aboutTitle());
    setModal(true);

    auto *name = aboutLabel(this, "AboutName", window_texts::applicationTitle);
    look::setPixelSize(name, 16);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto *versionCaption = aboutLabel(this, "AboutVersionCaption", QStringLiteral("버전"));
    auto *version = aboutLabel(this, "AboutVersion", guidance::aboutVersion());
    auto *versionRow = new QHBoxLayout;
    versionRow->setSpacing(6);
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(version);
    versionRow->addStretch();

    // The description keeps its line breaks (carriage return and line feed) as lines.
    QString lines = guidance::aboutDescription();
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto *description = aboutLabel(this, "AboutDescription", lines);
    auto *credit = aboutLabel(this, "AboutCredit", support::creditLine());

    auto *link = new QToolButton(this);
    link->setObjectName(QStringLiteral("AboutLink"));
    link->setText(homePage);
    link->setToolTip(homePage);
    link->setAutoRaise(true);
    link->setCursor(Qt::PointingHandCursor);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    look::setTextColor(link, look::navy);
    connect(link, &QToolButton::clicked, link, [this] { emit homePageRequested(); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("AboutButtons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("AboutOk"));
    connect(buttons, &QDialogButtonBox::accepted, buttons, [this] { accept(); });
    buttons->button(QDialogButtonBox::Ok)->setFocus(Qt::OtherFocusReason);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 10, 16, 10);
    body->addWidget(name);
    body->addLayout(versionRow);
    body->addSpacing(6);
    body->addWidget(description);
    body->addWidget(credit);
    body->addWidget(link, 0, Qt::AlignLeft);
    body->addWidget(buttons);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(caption(this));
    column->addLayout(body);
    setFixedSize(sizeHint());
}
