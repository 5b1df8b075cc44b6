#include "planning_parts.h"

#include "form_parts.h"
#include "widgets/bar_gauge.h"
#include "widgets/caption_panel.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "widgets/result_field.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace planning {
namespace {

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

void addTarget(QGridLayout *grid, int row, const Target &target, const QColor &priceBackground,
               int captionWidth) {
    const parts::Row price{
        .panel = target.pricePanel, .field = target.price, .fieldBackground = priceBackground};
    const parts::Row amount{.panel = target.amountPanel,
                            .field = target.amount,
                            .captionColor = target.gain ? look::maroon : look::navy};
    *target.priceField = parts::addResultRow(grid, row, price, captionWidth);
    *target.amountField = parts::addResultRow(grid, row + 1, amount, captionWidth);
    const Option &option = target.option;
    QWidget *parent = grid->parentWidget();
    auto *cell = new QWidget(parent);
    auto *column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    const QString caption = parts::caption(option.field);
    column->addWidget(parts::label(cell, option.label, caption, {}, look::smallPixelSize));
    auto *line = new QHBoxLayout;
    line->setSpacing(2);
    auto *percent = parts::spinField(cell, option.field, caption);
    percent->setFixedWidth(48);
    line->addWidget(percent);
    auto *unit = parts::label(cell, option.percentLabel, QStringLiteral("%"));
    unit->setBuddy(percent);
    line->addWidget(unit);
    line->addStretch();
    column->addLayout(line);
    grid->addWidget(cell, row, 2, 2, 1);
}

} // namespace

void addTargets(QGridLayout *grid, int row, std::span<const Target> targets,
                const QColor &priceBackground, int captionWidth) {
    for (const Target &target : targets) {
        addTarget(grid, row, target, priceBackground, captionWidth);
        row += 2;
    }
}

ResultField *addRangeRow(QGridLayout *grid, int row, const char *label, const char *field,
                         int width) {
    QWidget *parent = grid->parentWidget();
    const QString caption = parts::caption(field);
    auto *cell = new QWidget(parent);
    auto *line = new QHBoxLayout(cell);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(parts::label(cell, label, caption));
    auto *range = parts::resultField(cell, field, caption);
    range->setFixedWidth(width);
    line->addWidget(range);
    line->addStretch();
    grid->addWidget(cell, row, 1);
    return range;
}

QWidget *gaugePanel(QWidget *parent, const GaugeNames &names) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(names.panel));
    // The captions at the left are read first, then the gauge and its axis.
    auto *captionColumn = new QWidget(panel);
    captionColumn->setMinimumWidth(120);
    auto *captions = new QVBoxLayout(captionColumn);
    captions->addStretch();
    const QString caption = parts::caption(names.gauge);
    captions->addWidget(parts::label(captionColumn, names.caption, caption));
    captions->addWidget(
        parts::label(captionColumn, names.position, QStringLiteral("매수주가의 위치")));
    captions->addStretch();

    auto *gauge = new BarGauge(QString::fromLatin1(names.gauge), panel);
    gauge->setFixedSize(40, 150);
    gauge->setAccessibleName(caption);

    auto *axis = new QGridLayout;
    axis->setSpacing(2);
    axis->addWidget(parts::bevel(panel, names.bevels[0], Qt::Horizontal), 0, 0);
    axis->addWidget(parts::bevel(panel, names.bevels[1], Qt::Vertical), 1, 0, Qt::AlignHCenter);
    axis->addWidget(parts::bevel(panel, names.bevels[2], Qt::Horizontal), 2, 0);
    axis->setColumnMinimumWidth(0, 12);
    axis->addWidget(parts::label(panel, names.top, QStringLiteral("최저가"), look::maroon), 0, 1);
    axis->addWidget(parts::label(panel, names.axisCaption, QStringLiteral("주가")), 1, 1);
    axis->addWidget(parts::label(panel, names.foot, QStringLiteral("최저가"), look::navy), 2, 1);
    axis->setRowStretch(1, 1);

    auto *line = new QHBoxLayout(panel);
    line->setContentsMargins(4, 4, 4, 4);
    line->addWidget(captionColumn);
    line->addSpacing(6);
    line->addWidget(gauge);
    line->addLayout(axis);
    line->addStretch();
    return panel;
}

QGroupBox *positionBox(QWidget *parent, const PositionNames &names) {
    auto *box = new QGroupBox(QStringLiteral("매수가의 위치 분석"), parent);
    box->setObjectName(QString::fromLatin1(names.box));
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 3; ++i) {
        const QString caption = parts::caption(names.values[i]);
        grid->addWidget(parts::label(box, names.labels[i], caption), 2 * i, 0);
        auto *value = parts::spinField(box, names.values[i], caption);
        value->setFixedWidth(90);
        grid->addWidget(value, 2 * i, 1);
    }
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(new RoundShape(QString::fromLatin1(names.shapes[i]), i == 1, box),
                        2 * i + 1, 2);
        const QString caption = parts::caption(names.distances[i]);
        auto *cell = new QHBoxLayout;
        cell->addWidget(parts::label(box, names.distanceLabels[i], caption));
        auto *distance = new ResultField(QString::fromLatin1(names.distances[i]), box);
        distance->setAccessibleName(caption);
        look::setBackground(distance, look::white);
        distance->setFixedWidth(80);
        cell->addWidget(distance);
        grid->addLayout(cell, 2 * i + 1, 3);
    }
    grid->setColumnStretch(4, 1);
    return box;
}

void addVerdict(QVBoxLayout *column, const VerdictNames &names) {
    QWidget *parent = column->parentWidget();
    const QString caption = parts::caption(names.memo);
    column->addWidget(parts::label(parent, names.label, caption));
    auto *verdict = parts::memo(parent, names.memo);
    verdict->setAccessibleName(caption);
    verdict->setMinimumHeight(names.minimumHeight);
    column->addWidget(verdict);
}

QWidget *bottomBar(QWidget *parent, const BarNames &names, QToolButton **clear) {
    auto *bar = new QWidget(parent);
    bar->setObjectName(QString::fromLatin1(names.bar));
    bar->setFixedHeight(names.height);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 0, 6, 0);
    *clear = parts::flatButton(bar, names.clearButton, QStringLiteral("Clear"),
                               QStringLiteral("새 파일"));
    row->addWidget(*clear);
    row->addWidget(parts::label(bar, names.label, text(names.text)));
    row->addStretch();
    return bar;
}

} // namespace planning
