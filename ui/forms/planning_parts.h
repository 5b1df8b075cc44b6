#pragma once

#include "form_parts.h"

#include <span>

class QGridLayout;
class QToolButton;
class ResultField;
class QGroupBox;
class QVBoxLayout;
class QWidget;

// Building blocks shared by the long-term and the day-trading page.
namespace planning {

// The percentage option at the right of a target or stop price, under a label that shows the
// option's caption.
struct Option {
    const char *field;
    const char *label;
    const char *percentLabel;
};

// A target or stop-loss price and the net result of selling there, each beside its caption
// panel, with the percentage option that sets the price, and the members of the page that keep
// the two fields.
struct Target {
    const char *pricePanel;
    const char *price;
    const char *amountPanel;
    const char *amount;
    bool gain; // the amount's caption maroon for a gain, navy for a loss
    Option option;
    ResultField **priceField;
    ResultField **amountField;
};

// Each target from `row` on: its price result on `priceBackground`, the result under it, and its
// percentage option in the column at the right spanning both rows.
void addTargets(QGridLayout *grid, int row, std::span<const Target> targets,
                const QColor &priceBackground, int captionWidth);

// A range result beside its small caption ("변동폭") in column 1 of `row`.
ResultField *addRangeRow(QGridLayout *grid, int row, const char *label, const char *field,
                         int width);

struct GaugeNames {
    const char *panel;
    const char *gauge;
    const char *caption;     // e.g. Label30, the gauge's caption "최고가/저가 대비"
    const char *position;    // e.g. Label20 "매수주가의 위치"
    const char *axisCaption; // e.g. Label28 "주가"
    const char *top;         // maroon
    const char *foot;        // navy
    const char *bevels[3];
};

// A position gauge beside its axis with its end labels.
QWidget *gaugePanel(QWidget *parent, const GaugeNames &names);

// The labels beside the values and over the distances show the fields' captions.
struct PositionNames {
    const char *box;
    const char *values[3]; // top, buy price, bottom
    const char *labels[3];
    const char *distances[2]; // upper, lower
    const char *distanceLabels[2];
    const char *shapes[2]; // unfilled, filled
};

// A position box "매수가의 위치 분석".
QGroupBox *positionBox(QWidget *parent, const PositionNames &names);

struct VerdictNames {
    const char *label; // shows the memo's caption
    const char *memo;
    int minimumHeight;
};

// The verdict at the end of `column`: its caption above the memo that the diagnosis writes.
void addVerdict(QVBoxLayout *column, const VerdictNames &names);

struct BarNames {
    const char *bar;
    int height;
    const char *clearButton;
    const char *label;
    const char *text; // what the page's figures are for
};

// The bar at the foot of a planning page: its Clear button, into `clear`, and the line that
// says what the page is for.
QWidget *bottomBar(QWidget *parent, const BarNames &names, QToolButton **clear);

} // namespace planning
