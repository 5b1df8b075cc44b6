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
    auto *stamp = parts::resultField(bar, "Edit6", parts::caption("Edit6"));
    stamp->setText(parts::initialText("Edit6"));
    stamp->setToolTip(stamp->accessibleName());
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

    page.s1 = parts::addInputRow(grid, 0, {.panel = "Panel18", .field = "s1"}, captionWidth);
    page.s2 = parts::addInputRow(grid, 1, {.panel = "Panel4", .field = "s2"}, captionWidth);
    page.s3 = parts::addInputRow(grid, 2, {.panel = "Panel5", .field = "s3"}, captionWidth);
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
        ResultField **member;
    } results[] = {
        // clang-format off
        {.row = {.panel = "Panel19", .field = "s4"}, .member = &page.s4},
        {.row = {.panel = "Panel20", .field = "s5"}, .member = &page.s5},
        {.row = {.panel = "Panel13", .field = "e1"}, .member = &page.e1},
        {.row = {.panel = "Panel14", .field = "e2"}, .member = &page.e2},
        {.row = {.panel = "Panel12", .field = "e3"}, .member = &page.e3},
        {.row = {.panel = "Panel11", .field = "e4"}, .member = &page.e4},
        {.row = {.panel = "Panel15", .field = "e5", .captionColor = look::navy, .fieldColor = look::navy}, .member = &page.e5},
        {.row = {.panel = "Panel16", .field = "e6", .captionColor = look::maroon, .fieldColor = look::maroon}, .member = &page.e6},
        {.row = {.panel = "Panel37", .field = "e7", .captionColor = look::maroon, .fieldColor = look::maroon}, .member = &page.e7},
        {.row = {.panel = "Panel47", .field = "e8"}, .member = &page.e8},
        // clang-format on
    };
    int row = 3;
    for (const auto &result : results) {
        *result.member = parts::addResultRow(grid, row++, result.row, captionWidth);
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
