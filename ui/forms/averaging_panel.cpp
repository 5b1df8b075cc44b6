#include "form_parts.h"
#include "forms.h"
#include "widgets/caption_panel.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "widgets/result_field.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace forms {
namespace {

constexpr int captionWidth = 64;
constexpr int quantityWidth = 86;
constexpr int priceWidth = 104;
constexpr int resultWidth = 84;

const QString shares = QStringLiteral("주");
const QString won = QStringLiteral("원");

QFrame *group(QWidget *parent, const char *name, const QString &caption) {
    return new GroupFrame(QString::fromLatin1(name), caption, parent);
}

QGridLayout *groupGrid(QFrame *frame) {
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

IntegerSpinField *input(QGridLayout *grid, int row, int column, const char *name,
                        const QString &spoken, bool price) {
    auto *field = parts::spinField(grid->parentWidget(), name, spoken);
    field->setAccessibleDescription(price ? won : shares);
    field->setMinimumWidth(price ? priceWidth : quantityWidth);
    grid->addWidget(field, row, column);
    return field;
}

// The holding and the five further buys, a row each with its quantity and price, then the
// current price and the target average under the prices.
QWidget *inputsGroup(QWidget *parent, AveragingPanel &panel) {
    auto *frame = group(parent, "Bevel20", QStringLiteral("매수 내역"));
    auto *grid = groupGrid(frame);
    grid->addWidget(parts::label(frame, "Label80", QStringLiteral("수량")), 0, 1, Qt::AlignCenter);
    grid->addWidget(parts::label(frame, "Label81", QStringLiteral("단가")), 0, 2, Qt::AlignCenter);

    const struct {
        const char *panel;
        const char *caption;
        const char *quantity;
        const char *price;
    } buys[] = {
        {"Panel82", "보유", "P1", "P2"},      {"Panel83", "1차 매수", "P3", "P4"},
        {"Panel84", "2차 매수", "P5", "P6"},  {"Panel85", "3차 매수", "P7", "P8"},
        {"Panel86", "4차 매수", "P9", "P10"}, {"Panel87", "5차 매수", "P11", "P12"},
    };
    std::size_t next = 0;
    int row = 1;
    for (const auto &buy : buys) {
        const QString caption = QString::fromUtf8(buy.caption);
        parts::addCaption(grid, row, buy.panel, caption, captionWidth);
        // The holding's fields are named as a trader names them; a buy's by its row.
        const bool holding = row == 1;
        const QString quantity = holding ? QStringLiteral("보유수량") : caption + " 수량";
        const QString price = holding ? QStringLiteral("평균단가") : caption + " 단가";
        panel.inputs[next] = input(grid, row, 1, buy.quantity, quantity, false);
        static_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget())->setBuddy(panel.inputs[next]);
        panel.inputs[next + 1] = input(grid, row, 2, buy.price, price, true);
        next += 2;
        ++row;
    }
    for (const auto &[name, caption, field] :
         {std::tuple{"Panel88", "현재가", "P13"}, {"Panel89", "목표 평단", "P14"}}) {
        const QString text = QString::fromUtf8(caption);
        auto *captionPanel = parts::captionPanel(frame, name, text, captionWidth);
        grid->addWidget(captionPanel, row, 0);
        panel.inputs[next++] = input(grid, row, 2, field, text, true);
        captionPanel->setBuddy(panel.inputs[next - 1]);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return frame;
}

struct Result {
    const char *panel;
    const char *caption;
    std::size_t index; // of the field Q1.. counted from 0
    const QString &unit;
};

// Results two to a row, in the order of reading; each result field goes to its place in
// `panel`, and to the end of `reading`.
void addResults(QGridLayout *grid, std::initializer_list<Result> results, AveragingPanel &panel,
                QList<QWidget *> &reading) {
    int at = 0;
    for (const Result &result : results) {
        const int row = at / 2;
        const int column = 2 * (at % 2);
        const QString caption = QString::fromUtf8(result.caption);
        auto *captionPanel =
            parts::captionPanel(grid->parentWidget(), result.panel, caption, captionWidth);
        grid->addWidget(captionPanel, row, column);
        const QByteArray name = "Q" + QByteArray::number(result.index + 1);
        auto *field = parts::resultField(grid->parentWidget(), name.constData(), caption);
        field->setAccessibleDescription(result.unit);
        field->setMinimumWidth(resultWidth);
        grid->addWidget(field, row, column + 1);
        captionPanel->setBuddy(field);
        panel.results[result.index] = field;
        reading.append(field);
        ++at;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QWidget *resultsGroup(QWidget *parent, AveragingPanel &panel, QList<QWidget *> &reading) {
    auto *frame = group(parent, "Bevel21", QStringLiteral("평단·평가"));
    const QString percent = QStringLiteral("%");
    addResults(groupGrid(frame),
               {{"Panel90", "총수량", 0, shares},
                {"Panel91", "총매수금액", 3, won},
                {"Panel92", "평균단가", 1, won},
                {"Panel93", "수수료 포함 평단", 2, won},
                {"Panel94", "평가금액", 4, won},
                {"Panel95", "평가손익", 5, won},
                {"Panel96", "수익률", 6, percent},
                {"Panel97", "손익분기가", 7, won}},
               panel, reading);
    return frame;
}

QWidget *targetGroup(QWidget *parent, AveragingPanel &panel, QList<QWidget *> &reading) {
    auto *frame = group(parent, "Bevel22", QStringLiteral("목표 평단까지 현재가 매수"));
    auto *grid = groupGrid(frame);
    addResults(grid,
               {{"Panel98", "필요 수량", 8, shares},
                {"Panel99", "필요 금액", 9, won},
                {"Panel100", "매수 후 평단", 10, won}},
               panel, reading);
    panel.q12 = parts::label(frame, "Q12", QString(), look::maroon);
    panel.q12->setWordWrap(true);
    // Shown only with a sentence, so that a screen reader meets no empty line.
    panel.q12->setVisible(false);
    grid->addWidget(panel.q12, 2, 0, 1, 4);
    return frame;
}

} // namespace

AveragingPanel buildAveragingPanel(QWidget *parent) {
    AveragingPanel averaging;
    const parts::SidePanel side =
        parts::sidePanel(parent,
                         {.frame = "Panel80",
                          .scrollBox = "ScrollBox5",
                          .content = "Panel79",
                          .caption = "Panel81",
                          .button = "SpeedButton31"},
                         QStringLiteral("평단·물타기"), QStringLiteral("평단·물타기"), 8, 4);
    averaging.panel80 = side.frame;
    averaging.scrollBox5 = side.scrollBox;
    averaging.speedButton31 = side.ok;
    QWidget *content = side.content;
    QVBoxLayout *column = side.column;
    // Made in the order of reading, the order of a screen reader.
    column->addWidget(inputsGroup(content, averaging));
    QList<QWidget *> reading = QList<QWidget *>(averaging.inputs.begin(), averaging.inputs.end());
    column->addWidget(resultsGroup(content, averaging, reading));
    column->addWidget(targetGroup(content, averaging, reading));
    column->addStretch();

    // The Tab key goes through the inputs, the results and the button in the order of reading.
    reading.append(averaging.speedButton31);
    for (qsizetype i = 1; i < reading.size(); ++i) {
        QWidget::setTabOrder(reading[i - 1], reading[i]);
    }
    side.frame->setVisible(false);
    return averaging;
}

} // namespace forms
