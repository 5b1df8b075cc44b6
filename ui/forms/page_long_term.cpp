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

void addTable(QGridLayout *grid) {
    QWidget *parent = grid->parentWidget();
    parts::addInputRow(grid, 0, {"Panel32", "최고가", "W1"}, inputCaptionWidth);
    grid->addWidget(parts::keypadButton(parent, "SpeedButton18"), 0, 2,
                    Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(
        parts::label(parent, "Label3", QStringLiteral("목표주기의 최고가를 기록하세요.")), 1, 0, 1,
        3);
    planning::addRangeRow(grid, 2, "Label19", "Edit4", 99);
    parts::addInputRow(grid, 3, {"Panel17", "최저가", "W2"}, inputCaptionWidth);
    grid->addWidget(
        parts::label(parent, "Label4", QStringLiteral("목표주기의 최저가를 기록하세요.")), 4, 0, 1,
        3);
    parts::addResultRow(grid, 5, {"Panel33", "최대 가능 수익", "X1", look::maroon, look::maroon},
                        captionWidth);
    parts::addResultRow(grid, 6, {"Panel34", "최대 가능 손실", "X2", look::navy, look::navy},
                        captionWidth);

    const QColor price = look::paleYellow;
    planning::addTargetRows(grid, 7, {"Panel28", "1차목표가", "W3", {}, {}, price},
                            {"Panel29", "1차목표 수익액", "X3", look::maroon},
                            Option{"r5", "Label7", "고가-매수 대비", "Label5"}, captionWidth);
    planning::addTargetRows(grid, 9, {"Panel27", "2차목표가", "W4", {}, {}, price},
                            {"Panel26", "2차목표 수익액", "X4", look::maroon},
                            Option{"r6", "Label8", "고가-매수 대비", "Label6"}, captionWidth);
    planning::addTargetRows(grid, 11, {"Panel30", "3차목표가", "W5", {}, {}, price},
                            {"Panel31", "3차목표 수익액", "X5", look::maroon},
                            Option{"r7", "Label15", "고가-매수 대비", "Label9"}, captionWidth);
    planning::addTargetRows(grid, 13, {"Panel39", "장기손절가", "W6", {}, {}, price},
                            {"Panel40", "장기손절 손실액", "X6", look::navy},
                            Option{"r8", "Label12", "매수가 대비", "Label11"}, captionWidth);
    planning::addTargetRows(grid, 15, {"Panel41", "단기손절가", "W7", {}, {}, price},
                            {"Panel42", "단기손절 손실액", "X7", look::navy},
                            Option{"r9", "Label14", "매수가 대비", "Label13"}, captionWidth);
}

QWidget *buildBottomBar(QWidget *page) {
    return planning::bottomBar(
        page, {"Panel44", 28, "SpeedButton11", "Label42", "장기 주식거래를 목표로한 수치값"});
}

} // namespace

QWidget *buildLongTermPage(QWidget *parent) {
    auto *page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet2"));
    // The caption of the page's tab, which the window never shows.
    page->setAccessibleName(QStringLiteral("장기 목표가.손절가"));
    auto *content = new QWidget(page);
    content->setObjectName(QStringLiteral("Panel45"));
    content->setMinimumWidth(319);
    auto *column = new QVBoxLayout(content);
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    column->addLayout(grid);
    addTable(grid);

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

    parts::stackPage(page, "ScrollBox1", content, false, buildBottomBar);
    return page;
}

} // namespace forms
