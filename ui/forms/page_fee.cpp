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

// The bar at the foot of page 1, its hidden Clear button and credit line into `page`.
QWidget *buildBottomBar(QWidget *parent, FeePage &page) {
    auto *bar = new GradientPanel(QStringLiteral("Panel43"), look::white, look::magenta, parent,
                                  Qt::Horizontal);
    bar->setFixedHeight(33);
    page.label43 = new ClickableLabel(QStringLiteral("Label43"), bar);
    page.label43->setText(support::creditLine());
    parts::setTextColor(page.label43, look::silver);
    page.label43->setEnabled(false);
    page.speedButton7 =
        parts::flatButton(bar, "SpeedButton7", QStringLiteral("Clear"), QStringLiteral("새 파일"));
    page.speedButton7->setVisible(false);
    auto *stamp = parts::resultField(bar, "Edit6", QStringLiteral("최종 평가 일시"));
    stamp->setText(parts::initialText("Edit6"));
    stamp->setToolTip(QStringLiteral("최종 평가 일시"));
    stamp->setVisible(false);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 8, 0);
    row->addWidget(page.speedButton7);
    row->addWidget(page.label43);
    row->addStretch();
    row->addWidget(stamp);
    return bar;
}

} // namespace

FeePage buildFeePage(QWidget *parent) {
    FeePage page;
    page.tabSheet1 = new QWidget(parent);
    page.tabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *content =
        new GradientPanel(QStringLiteral("Panel1"), look::silver, look::white, page.tabSheet1);
    page.panel1 = content;
    page.scrollBox2 = parts::stackPage(page.tabSheet1, "ScrollBox2", content, true,
                                       [&page](QWidget *tab) { return buildBottomBar(tab, page); });
    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);

    page.s1 = parts::addInputRow(grid, 0, {"Panel18", "수     량", "s1"}, captionWidth);
    page.s2 = parts::addInputRow(grid, 1, {"Panel4", "매수단가", "s2"}, captionWidth);
    page.s3 = parts::addInputRow(grid, 2, {"Panel5", "매도단가", "s3"}, captionWidth);
    for (IntegerSpinField *price : {page.s1, page.s2, page.s3}) {
        look::setPixelSize(price, look::pricePixelSize);
        price->setMinimumWidth(fieldWidth);
    }

    auto *stepLabel = parts::label(content, "Label44", QStringLiteral("증감값"));
    // Clear of the field below it and of the arrows beside it.
    stepLabel->setContentsMargins(2, 0, 0, 4);
    page.edit5 = parts::resultField(content, "Edit5", QStringLiteral("증감값"));
    page.edit5->setFixedWidth(58);
    grid->addWidget(stepLabel, 0, 2, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(page.edit5, 1, 2);
    page.speedButton17 = parts::keypadButton(content, "SpeedButton17");
    grid->addWidget(page.speedButton17, 0, 3, Qt::AlignRight | Qt::AlignTop);

    const struct {
        parts::Row row;
        ResultField **field;
    } results[] = {
        {{"Panel19", "매수총가", "s4"}, &page.s4},
        {{"Panel20", "매도총가", "s5"}, &page.s5},
        {{"Panel13", "매수수수료", "e1"}, &page.e1},
        {{"Panel14", "매도수수료", "e2"}, &page.e2},
        {{"Panel12", "제세금", "e3"}, &page.e3},
        {{"Panel11", "총수수료", "e4"}, &page.e4},
        {{"Panel15", "순손실", "e5", look::navy, look::navy}, &page.e5},
        {{"Panel16", "순수익", "e6", look::maroon, look::maroon}, &page.e6},
        {{"Panel37", "총수익", "e7", look::maroon, look::maroon}, &page.e7},
        {{"Panel47", "손익분기가", "e8"}, &page.e8},
    };
    int row = 3;
    for (const auto &result : results) {
        *result.field = parts::addResultRow(grid, row++, result.row, captionWidth);
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(4, 1);

    QWidget *order[] = {page.s1, page.s2, page.s3, page.e4, page.e1, page.e2, page.e3,
                        page.e5, page.e6, page.s4, page.s5, page.e7, page.e8, page.edit5};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    return page;
}

} // namespace forms
