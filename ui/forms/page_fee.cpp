#include "form_parts.h"
#include "forms.h"
#include "forms/support_config.h"
#include "widgets/caption_panel.h"
#include "widgets/clickable_label.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "widgets/result_field.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace forms {
namespace {

constexpr int captionWidth = 78;
constexpr int fieldWidth = 151;

QWidget *buildBottomBar(QWidget *parent) {
    auto *bar = new GradientPanel(QStringLiteral("Panel43"), look::white, look::magenta, parent,
                                  Qt::Horizontal);
    bar->setFixedHeight(33);
    auto *credit = new ClickableLabel(QStringLiteral("Label43"), bar);
    credit->setText(support::creditLine());
    parts::setTextColor(credit, look::silver);
    credit->setEnabled(false);
    auto *clear =
        parts::flatButton(bar, "SpeedButton7", QStringLiteral("Clear"), QStringLiteral("새 파일"));
    clear->setVisible(false);
    auto *stamp = parts::resultField(bar, "Edit6", QStringLiteral("최종 평가 일시"));
    stamp->setText(parts::initialText("Edit6"));
    stamp->setToolTip(QStringLiteral("최종 평가 일시"));
    stamp->setVisible(false);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 8, 0);
    row->addWidget(clear);
    row->addWidget(credit);
    row->addStretch();
    row->addWidget(stamp);
    return bar;
}

} // namespace

QWidget *buildFeePage(QWidget *parent) {
    auto *page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *content = new GradientPanel(QStringLiteral("Panel1"), look::silver, look::white, page);
    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);

    QWidget *s1 = parts::addInputRow(grid, 0, {"Panel18", "수     량", "s1"}, captionWidth);
    QWidget *s2 = parts::addInputRow(grid, 1, {"Panel4", "매수단가", "s2"}, captionWidth);
    QWidget *s3 = parts::addInputRow(grid, 2, {"Panel5", "매도단가", "s3"}, captionWidth);
    for (QWidget *price : {s1, s2, s3}) {
        look::setPixelSize(price, look::pricePixelSize);
        price->setMinimumWidth(fieldWidth);
    }

    auto *stepLabel = parts::label(content, "Label44", QStringLiteral("증감값"));
    auto *step = parts::resultField(content, "Edit5", QStringLiteral("증감값"));
    step->setFixedWidth(58);
    grid->addWidget(stepLabel, 0, 2, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(step, 1, 2);
    grid->addWidget(parts::keypadButton(content, "SpeedButton17"), 0, 3,
                    Qt::AlignRight | Qt::AlignTop);

    const parts::Row results[] = {
        {"Panel19", "매수총가", "s4"},
        {"Panel20", "매도총가", "s5"},
        {"Panel13", "매수수수료", "e1"},
        {"Panel14", "매도수수료", "e2"},
        {"Panel12", "제세금", "e3"},
        {"Panel11", "총수수료", "e4"},
        {"Panel15", "순손실", "e5", look::navy, look::navy},
        {"Panel16", "순수익", "e6", look::maroon, look::maroon},
        {"Panel37", "총수익", "e7", look::maroon, look::maroon},
        {"Panel47", "손익분기가", "e8"},
    };
    int row = 3;
    for (const parts::Row &result : results) {
        parts::addResultRow(grid, row++, result, captionWidth);
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(4, 1);

    QWidget *order[] = {s1,
                        s2,
                        s3,
                        content->findChild<QWidget *>("e4"),
                        content->findChild<QWidget *>("e1"),
                        content->findChild<QWidget *>("e2"),
                        content->findChild<QWidget *>("e3"),
                        content->findChild<QWidget *>("e5"),
                        content->findChild<QWidget *>("e6"),
                        content->findChild<QWidget *>("s4"),
                        content->findChild<QWidget *>("s5"),
                        content->findChild<QWidget *>("e7"),
                        content->findChild<QWidget *>("e8"),
                        step};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    parts::stackPage(page, "ScrollBox2", content, true, buildBottomBar);
    return page;
}

} // namespace forms
