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

using parts::Row;
using planning::Option;

constexpr int inputCaptionWidth = 77;
constexpr int captionWidth = 97;

void addTable(QGridLayout *grid, LongTermPage &page) {
    QWidget *parent = grid->parentWidget();
    page.w1 = parts::addInputRow(grid, 0, {"Panel32", "최고가", "W1"}, inputCaptionWidth);
    page.speedButton18 = parts::keypadButton(parent, "SpeedButton18");
    grid->addWidget(page.speedButton18, 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(
        parts::label(parent, "Label3", QStringLiteral("목표주기의 최고가를 기록하세요.")), 1, 0, 1,
        3);
    page.edit4 = planning::addRangeRow(grid, 2, "Label19", "Edit4", 99);
    page.w2 = parts::addInputRow(grid, 3, {"Panel17", "최저가", "W2"}, inputCaptionWidth);
    grid->addWidget(
        parts::label(parent, "Label4", QStringLiteral("목표주기의 최저가를 기록하세요.")), 4, 0, 1,
        3);
    page.x1 = parts::addResultRow(
        grid, 5, {"Panel33", "최대 가능 수익", "X1", look::maroon, look::maroon}, captionWidth);
    page.x2 = parts::addResultRow(
        grid, 6, {"Panel34", "최대 가능 손실", "X2", look::navy, look::navy}, captionWidth);

    const QColor price = look::paleYellow;
    const planning::Target targets[] = {
        {{"Panel28", "1차목표가", "W3", {}, {}, price},
         {"Panel29", "1차목표 수익액", "X3", look::maroon},
         {"r5", "Label7", "고가-매수 대비", "Label5"},
         &page.w3,
         &page.x3},
        {{"Panel27", "2차목표가", "W4", {}, {}, price},
         {"Panel26", "2차목표 수익액", "X4", look::maroon},
         {"r6", "Label8", "고가-매수 대비", "Label6"},
         &page.w4,
         &page.x4},
        {{"Panel30", "3차목표가", "W5", {}, {}, price},
         {"Panel31", "3차목표 수익액", "X5", look::maroon},
         {"r7", "Label15", "고가-매수 대비", "Label9"},
         &page.w5,
         &page.x5},
        {{"Panel39", "장기손절가", "W6", {}, {}, price},
         {"Panel40", "장기손절 손실액", "X6", look::navy},
         {"r8", "Label12", "매수가 대비", "Label11"},
         &page.w6,
         &page.x6},
        {{"Panel41", "단기손절가", "W7", {}, {}, price},
         {"Panel42", "단기손절 손실액", "X7", look::navy},
         {"r9", "Label14", "매수가 대비", "Label13"},
         &page.w7,
         &page.x7},
    };
    planning::addTargets(grid, 7, targets, captionWidth);
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

    column->addWidget(planning::gaugePanel(content, {"Panel46",
                                                     "Gauge1",
                                                     "Label30",
                                                     "최고가/저가 대비",
                                                     "Label20",
                                                     "Label28",
                                                     "Label29",
                                                     "Label27",
                                                     {"Bevel3", "Bevel4", "Bevel5"}}));
    column->addWidget(planning::positionBox(content, {"GroupBox1",
                                                      {"x8", "x9", "x10"},
                                                      {"Label48", "Label46", "Label47"},
                                                      {"최고가", "매수가", "최저가"},
                                                      {"x11", "x12"},
                                                      {"Label49", "Label50"},
                                                      {"LMDShapeControl1", "LMDShapeControl2"}}));
    planning::addVerdict(column, {"Label45", "주가로 보는 장기 투자 적격 진단", "Memo3", 160});
    column->addStretch();

    return page;
}

} // namespace forms
