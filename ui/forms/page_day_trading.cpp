#include "form_parts.h"
#include "forms.h"
#include "planning_parts.h"
#include "widgets/look.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace forms {
namespace {

constexpr int inputCaptionWidth = 84;
constexpr int captionWidth = 97;

void addTable(QGridLayout *grid, DayTradingPage &page) {
    QWidget *parent = grid->parentWidget();
    // clang-format off
    const parts::Row upperLimit{.panel = "Panel55", .field = "Y1", .captionColor = look::maroon, .fieldColor = look::maroon};
    const parts::Row lowerLimit{.panel = "Panel56", .field = "Y2", .captionColor = look::navy, .fieldColor = look::navy};
    const parts::Row opening{.panel = "Panel57", .field = "Y3"};
    const parts::Row high{.panel = "Panel58", .field = "Y4", .captionColor = look::maroon, .fieldColor = look::maroon};
    const parts::Row low{.panel = "Panel59", .field = "Y5", .captionColor = look::navy, .fieldColor = look::navy};
    const parts::Row upperResult{.panel = "Panel62", .field = "Z1", .captionColor = look::maroon};
    const parts::Row lowerLoss{.panel = "Panel63", .field = "Z2", .captionColor = look::navy};
    const planning::Target targets[] = {
        {.pricePanel = "Panel60", .price = "Y6", .amountPanel = "Panel61", .amount = "Z3", .gain = true, .option = {.field = "r10", .label = "Label22", .percentLabel = "Label21"}, .priceField = &page.y6, .amountField = &page.z3},
        {.pricePanel = "Panel64", .price = "Y7", .amountPanel = "Panel65", .amount = "Z4", .gain = true, .option = {.field = "r11", .label = "Label23", .percentLabel = "Label24"}, .priceField = &page.y7, .amountField = &page.z4},
        {.pricePanel = "Panel66", .price = "Y8", .amountPanel = "Panel67", .amount = "Z5", .gain = false, .option = {.field = "r12", .label = "Label26", .percentLabel = "Label25"}, .priceField = &page.y8, .amountField = &page.z5},
        {.pricePanel = "Panel35", .price = "Y9", .amountPanel = "Panel36", .amount = "Z6", .gain = false, .option = {.field = "r13", .label = "Label16", .percentLabel = "Label10"}, .priceField = &page.y9, .amountField = &page.z6},
    };
    // clang-format on
    page.y1 = parts::addInputRow(grid, 0, upperLimit, inputCaptionWidth);
    page.speedButton19 = parts::keypadButton(parent, "SpeedButton19");
    grid->addWidget(page.speedButton19, 0, 2, Qt::AlignRight | Qt::AlignTop);
    page.edit1 = planning::addRangeRow(grid, 1, "Label17", "Edit1", 72);
    page.y2 = parts::addInputRow(grid, 2, lowerLimit, inputCaptionWidth);
    page.y3 = parts::addInputRow(grid, 3, opening, inputCaptionWidth);
    page.y4 = parts::addInputRow(grid, 4, high, inputCaptionWidth);
    page.edit2 = planning::addRangeRow(grid, 5, "Label18", "Edit2", 72);
    page.y5 = parts::addInputRow(grid, 6, low, inputCaptionWidth);
    page.z1 = parts::addResultRow(grid, 7, upperResult, captionWidth);
    page.z2 = parts::addResultRow(grid, 8, lowerLoss, captionWidth);
    planning::addTargets(grid, 9, targets, look::lightYellow, captionWidth);
}

} // namespace

DayTradingPage buildDayTradingPage(QWidget *parent) {
    DayTradingPage page;
    page.tabSheet3 = new QWidget(parent);
    page.tabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    // The caption of the page's tab, which the window never shows.
    page.tabSheet3->setAccessibleName(QStringLiteral("Day 목표가.손절가"));
    auto *content = new QWidget(page.tabSheet3);
    content->setObjectName(QStringLiteral("Panel54"));
    content->setMinimumWidth(318);
    page.scrollBox3 =
        parts::stackPage(page.tabSheet3, "ScrollBox3", content, false, [&page](QWidget *tab) {
            return planning::bottomBar(tab,
                                       {"Panel24", 30, "SpeedButton12", "Label41",
                                        "데이트레이딩 즉 일 매매를 목표로한 수치값"},
                                       &page.speedButton12);
        });
    auto *column = new QVBoxLayout(content);
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    column->addLayout(grid);
    addTable(grid, page);

    column->addWidget(planning::gaugePanel(content, {.panel = "Gauge2Panel",
                                                     .gauge = "Gauge2",
                                                     .caption = "Label35",
                                                     .position = "Label31",
                                                     .axisCaption = "Label33",
                                                     .top = "Label34",
                                                     .foot = "Label32",
                                                     .bevels = {"Bevel6", "Bevel7", "Bevel8"}}));
    column->addWidget(planning::gaugePanel(content, {.panel = "Gauge3Panel",
                                                     .gauge = "Gauge3",
                                                     .caption = "Label40",
                                                     .position = "Label36",
                                                     .axisCaption = "Label38",
                                                     .top = "Label39",
                                                     .foot = "Label37",
                                                     .bevels = {"Bevel9", "Bevel10", "Bevel11"}}));
    column->addWidget(
        planning::positionBox(content, {.box = "GroupBox2",
                                        .values = {"z7", "z8", "z9"},
                                        .labels = {"Label53", "Label51", "Label52"},
                                        .distances = {"z13", "z14"},
                                        .distanceLabels = {"Label54", "Label55"},
                                        .shapes = {"LMDShapeControl3", "LMDShapeControl4"}}));
    column->addWidget(
        planning::positionBox(content, {.box = "GroupBox3",
                                        .values = {"z10", "z11", "z12"},
                                        .labels = {"Label58", "Label56", "Label57"},
                                        .distances = {"z15", "z16"},
                                        .distanceLabels = {"Label59", "Label60"},
                                        .shapes = {"LMDShapeControl5", "LMDShapeControl6"}}));
    planning::addVerdict(column, {.label = "Label61", .memo = "Memo4", .minimumHeight = 200});
    column->addStretch();

    return page;
}

} // namespace forms
