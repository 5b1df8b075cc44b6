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

constexpr int inputCaptionWidth = 77;
constexpr int captionWidth = 97;

void addTable(QGridLayout *grid, LongTermPage &page) {
    QWidget *parent = grid->parentWidget();
    // clang-format off
    const parts::Row high{.panel = "Panel32", .field = "W1"};
    const parts::Row low{.panel = "Panel17", .field = "W2"};
    const parts::Row highResult{.panel = "Panel33", .field = "X1", .captionColor = look::maroon, .fieldColor = look::maroon};
    const parts::Row lowLoss{.panel = "Panel34", .field = "X2", .captionColor = look::navy, .fieldColor = look::navy};
    const planning::Target targets[] = {
        {.pricePanel = "Panel28", .price = "W3", .amountPanel = "Panel29", .amount = "X3", .gain = true, .option = {.field = "r5", .label = "Label7", .percentLabel = "Label5"}, .priceField = &page.w3, .amountField = &page.x3},
        {.pricePanel = "Panel27", .price = "W4", .amountPanel = "Panel26", .amount = "X4", .gain = true, .option = {.field = "r6", .label = "Label8", .percentLabel = "Label6"}, .priceField = &page.w4, .amountField = &page.x4},
        {.pricePanel = "Panel30", .price = "W5", .amountPanel = "Panel31", .amount = "X5", .gain = true, .option = {.field = "r7", .label = "Label15", .percentLabel = "Label9"}, .priceField = &page.w5, .amountField = &page.x5},
        {.pricePanel = "Panel39", .price = "W6", .amountPanel = "Panel40", .amount = "X6", .gain = false, .option = {.field = "r8", .label = "Label12", .percentLabel = "Label11"}, .priceField = &page.w6, .amountField = &page.x6},
        {.pricePanel = "Panel41", .price = "W7", .amountPanel = "Panel42", .amount = "X7", .gain = false, .option = {.field = "r9", .label = "Label14", .percentLabel = "Label13"}, .priceField = &page.w7, .amountField = &page.x7},
    };
    // clang-format on
    page.w1 = parts::addInputRow(grid, 0, high, inputCaptionWidth);
    page.speedButton18 = parts::keypadButton(parent, "SpeedButton18");
    grid->addWidget(page.speedButton18, 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(
        parts::label(parent, "Label3", QStringLiteral("목표주기의 최고가를 기록하세요.")), 1, 0, 1,
        3);
    page.edit4 = planning::addRangeRow(grid, 2, "Label19", "Edit4", 99);
    page.w2 = parts::addInputRow(grid, 3, low, inputCaptionWidth);
    grid->addWidget(
        parts::label(parent, "Label4", QStringLiteral("목표주기의 최저가를 기록하세요.")), 4, 0, 1,
        3);
    page.x1 = parts::addResultRow(grid, 5, highResult, captionWidth);
    page.x2 = parts::addResultRow(grid, 6, lowLoss, captionWidth);
    planning::addTargets(grid, 7, targets, look::paleYellow, captionWidth);
}

} // namespace

LongTermPage buildLongTermPage(QWidget *parent) {
    LongTermPage page;
    page.tabSheet2 = new QWidget(parent);
    page.tabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    // The caption of the page's tab, which the window never shows.
    page.tabSheet2->setAccessibleName(QStringLiteral("장기 목표가.손절가"));
    auto *content = new QWidget(page.tabSheet2);
    content->setObjectName(QStringLiteral("Panel45"));
    content->setMinimumWidth(319);
    page.scrollBox1 =
        parts::stackPage(page.tabSheet2, "ScrollBox1", content, false, [&page](QWidget *tab) {
            return planning::bottomBar(
                tab, {"Panel44", 28, "SpeedButton11", "Label42", "장기 주식거래를 목표로한 수치값"},
                &page.speedButton11);
        });
    auto *column = new QVBoxLayout(content);
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    column->addLayout(grid);
    addTable(grid, page);

    column->addWidget(planning::gaugePanel(content, {.panel = "Panel46",
                                                     .gauge = "Gauge1",
                                                     .caption = "Label30",
                                                     .position = "Label20",
                                                     .axisCaption = "Label28",
                                                     .top = "Label29",
                                                     .foot = "Label27",
                                                     .bevels = {"Bevel3", "Bevel4", "Bevel5"}}));
    column->addWidget(
        planning::positionBox(content, {.box = "GroupBox1",
                                        .values = {"x8", "x9", "x10"},
                                        .labels = {"Label48", "Label46", "Label47"},
                                        .distances = {"x11", "x12"},
                                        .distanceLabels = {"Label49", "Label50"},
                                        .shapes = {"LMDShapeControl1", "LMDShapeControl2"}}));
    planning::addVerdict(column, {.label = "Label45", .memo = "Memo3", .minimumHeight = 160});
    column->addStretch();

    return page;
}

} // namespace forms
