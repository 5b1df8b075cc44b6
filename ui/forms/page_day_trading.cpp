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

constexpr int inputCaptionWidth = 84;
constexpr int captionWidth = 97;

void addTable(QGridLayout *grid, DayTradingPage &page) {
    QWidget *parent = grid->parentWidget();
    page.y1 = parts::addInputRow(grid, 0, {"Panel55", "상한가", "Y1", look::maroon, look::maroon},
                                 inputCaptionWidth);
    page.speedButton19 = parts::keypadButton(parent, "SpeedButton19");
    grid->addWidget(page.speedButton19, 0, 2, Qt::AlignRight | Qt::AlignTop);
    page.edit1 = planning::addRangeRow(grid, 1, "Label17", "Edit1", 72);
    page.y2 = parts::addInputRow(grid, 2, {"Panel56", "하한가", "Y2", look::navy, look::navy},
                                 inputCaptionWidth);
    page.y3 = parts::addInputRow(grid, 3, {"Panel57", "시가", "Y3"}, inputCaptionWidth);
    page.y4 = parts::addInputRow(grid, 4, {"Panel58", "고가", "Y4", look::maroon, look::maroon},
                                 inputCaptionWidth);
    page.edit2 = planning::addRangeRow(grid, 5, "Label18", "Edit2", 72);
    page.y5 = parts::addInputRow(grid, 6, {"Panel59", "저가", "Y5", look::navy, look::navy},
                                 inputCaptionWidth);
    page.z1 = parts::addResultRow(grid, 7, {"Panel62", "최대 가능 수익", "Z1", look::maroon},
                                  captionWidth);
    page.z2 =
        parts::addResultRow(grid, 8, {"Panel63", "최대 가능 손실", "Z2", look::navy}, captionWidth);

    const QColor price = look::lightYellow;
    const planning::Target targets[] = {
        {{"Panel60", "1차목표가", "Y6", {}, {}, price},
         {"Panel61", "1차목표 수익액", "Z3", look::maroon},
         {"r10", "Label22", "고가-매수 대비", "Label21"},
         &page.y6,
         &page.z3},
        {{"Panel64", "2차목표가", "Y7", {}, {}, price},
         {"Panel65", "2차목표 수익액", "Z4", look::maroon},
         {"r11", "Label23", "고가-매수 대비", "Label24"},
         &page.y7,
         &page.z4},
        {{"Panel66", "1차 손절가", "Y8", {}, {}, price},
         {"Panel67", "1차손절 손실액", "Z5", look::navy},
         {"r12", "Label26", "매수가 대비", "Label25"},
         &page.y8,
         &page.z5},
        {{"Panel35", "2차 손절가", "Y9", {}, {}, price},
         {"Panel36", "2차손절 손실액", "Z6", look::navy},
         {"r13", "Label16", "매수가 대비", "Label10"},
         &page.y9,
         &page.z6},
    };
    planning::addTargets(grid, 9, targets, captionWidth);
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

    column->addWidget(planning::gaugePanel(content, {"Gauge2Panel",
                                                     "Gauge2",
                                                     "Label35",
                                                     "상한가/하한가 대비",
                                                     "Label31",
                                                     "Label33",
                                                     "Label34",
                                                     "Label32",
                                                     {"Bevel6", "Bevel7", "Bevel8"}}));
    column->addWidget(planning::gaugePanel(content, {"Gauge3Panel",
                                                     "Gauge3",
                                                     "Label40",
                                                     "고가/저가 대비",
                                                     "Label36",
                                                     "Label38",
                                                     "Label39",
                                                     "Label37",
                                                     {"Bevel9", "Bevel10", "Bevel11"}}));
    column->addWidget(planning::positionBox(content, {"GroupBox2",
                                                      {"z7", "z8", "z9"},
                                                      {"Label53", "Label51", "Label52"},
                                                      {"상한가", "매수가", "하한가"},
                                                      {"z13", "z14"},
                                                      {"Label54", "Label55"},
                                                      {"LMDShapeControl3", "LMDShapeControl4"}}));
    column->addWidget(planning::positionBox(content, {"GroupBox3",
                                                      {"z10", "z11", "z12"},
                                                      {"Label58", "Label56", "Label57"},
                                                      {"고가", "매수가", "저가"},
                                                      {"z15", "z16"},
                                                      {"Label59", "Label60"},
                                                      {"LMDShapeControl5", "LMDShapeControl6"}}));
    planning::addVerdict(column, {"Label61", "주가로 보는 데이트레이딩 적격 진단", "Memo4", 200});
    column->addStretch();

    return page;
}

} // namespace forms
