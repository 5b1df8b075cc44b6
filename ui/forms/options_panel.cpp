#include "form_parts.h"
#include "forms.h"
#include "widgets/caption_panel.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "window_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace forms {
namespace {

constexpr int captionWidth = 80;
constexpr int fieldWidth = 90;

QFrame *group(QWidget *parent, const char *name, const QString &caption) {
    return new GroupFrame(QString::fromLatin1(name), caption, parent);
}

// The rows of a group, set close so that the three groups fit the window together.
QGridLayout *groupGrid(QFrame *frame) {
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 3, 8, 3);
    grid->setVerticalSpacing(3);
    return grid;
}

// One option: its caption panel, its field and, where it has one, the label of its unit; made in
// this order, the order of reading.
template <typename Field>
Field *addOption(QGridLayout *grid, int row, const char *panel, const QString &caption,
                 Field *(*make)(QWidget *, const char *, const QString &), const char *name,
                 const char *unit = nullptr) {
    parts::addCaption(grid, row, panel, caption, captionWidth);
    Field *field = make(grid->parentWidget(), name, caption);
    field->setFixedWidth(fieldWidth);
    parts::addField(grid, row, field);
    if (unit != nullptr) {
        QLabel *label = parts::label(grid->parentWidget(), unit, QStringLiteral("%"));
        label->setBuddy(field);
        grid->addWidget(label, row, 2);
    }
    return field;
}

// A check box of the catalogue, checked when its field starts as "1".
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(parts::initialText(name) == QStringLiteral("1"));
    return box;
}

QWidget *ratesGroup(QWidget *parent, OptionsPanel &panel) {
    auto *frame = group(parent, "Bevel2", QStringLiteral("수수료 비율 설정"));
    auto *grid = groupGrid(frame);
    const QString feeRate = QStringLiteral("수수료율");
    const QString taxRate = QStringLiteral("제세금율");
    panel.r1 = addOption(grid, 0, "Panel8", feeRate, parts::decimalField, "r1", "Label1");
    panel.r2 = addOption(grid, 1, "Panel9", taxRate, parts::decimalField, "r2", "Label2");
    grid->setColumnStretch(3, 1);

    auto *note = new QPlainTextEdit(window_texts::ratesNote, frame);
    note->setObjectName(QStringLiteral("Memo1"));
    note->setAccessibleName(QStringLiteral("수수료율 안내"));
    note->setReadOnly(true);
    note->setFrameShape(QFrame::NoFrame);
    note->setFocusPolicy(Qt::NoFocus);
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->viewport()->setAutoFillBackground(false);
    parts::setTextColor(note, look::maroon);
    note->setFixedHeight(note->fontMetrics().lineSpacing() * 5 + 12);
    grid->addWidget(note, 2, 0, 1, 4);
    return frame;
}

QWidget *minimumFeeGroup(QWidget *parent, OptionsPanel &panel) {
    auto *frame = group(parent, "Bevel1", QStringLiteral("최저수수료제"));
    auto *grid = groupGrid(frame);
    panel.checkBox1 = checkBox(frame, "CheckBox1", QStringLiteral("최저수수료 계산 적용"));
    grid->addWidget(panel.checkBox1, 0, 0, 1, 3);

    const QString threshold = QStringLiteral("최저제한액");
    const QString fee = QStringLiteral("적용수수료");
    panel.r3 = addOption(grid, 1, "Panel22", threshold, parts::spinField, "r3");
    panel.r4 = addOption(grid, 2, "Panel23", fee, parts::spinField, "r4");
    grid->setColumnStretch(2, 1);

    auto *note = parts::captionPanel(frame, "Panel25", QStringLiteral("증권사마다 적용유무다름 "),
                                     0, look::maroon);
    note->setFont(look::fixedFont());
    // As tall as the window's face needs, should the fixed face borrow its Hangul from another.
    note->setMinimumHeight(QFontMetrics(look::windowFont()).height() + 2 * note->frameWidth() + 2);
    grid->addWidget(note, 3, 0, 1, 3);
    return frame;
}

// A combo box whose items carry the keys the sheet reads, after the label that names it.
QComboBox *choice(QGridLayout *grid, int row, int column, const char *label, const QString &caption,
                  const char *name,
                  std::initializer_list<std::pair<const char *, const char *>> items) {
    QWidget *parent = grid->parentWidget();
    QLabel *named = parts::label(parent, label, caption);
    grid->addWidget(named, row, column);
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(caption);
    for (const auto &[text, key] : items) {
        box->addItem(QString::fromUtf8(text), QString::fromLatin1(key));
    }
    box->setCurrentIndex(box->findData(parts::initialText(name)));
    named->setBuddy(box);
    return box;
}

// The market's rules of the trade date (tax rate and ticks) and the rounding of the statement.
QWidget *marketRulesGroup(QWidget *parent, OptionsPanel &panel) {
    auto *frame = group(parent, "Bevel12", QStringLiteral("시장 규칙"));
    auto *grid = groupGrid(frame);
    panel.checkBox2 =
        checkBox(frame, "CheckBox2", QStringLiteral("거래일 기준 세율·호가단위 적용"));
    grid->addWidget(panel.checkBox2, 0, 0, 1, 4);

    panel.comboBox1 = choice(
        grid, 1, 0, "Label63", QStringLiteral("시장"), "ComboBox1",
        {{"코스피", "kospi"}, {"코스닥", "kosdaq"}, {"코넥스", "konex"}, {"ETF·ETN", "etf"}});
    grid->addWidget(panel.comboBox1, 1, 1);
    const QString tradeDate = QStringLiteral("매매일");
    QLabel *dateLabel = parts::label(frame, "Label64", tradeDate);
    grid->addWidget(dateLabel, 1, 2, Qt::AlignRight);
    panel.dateEdit1 = new QDateEdit(frame);
    panel.dateEdit1->setObjectName(QStringLiteral("DateEdit1"));
    panel.dateEdit1->setAccessibleName(tradeDate);
    panel.dateEdit1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    panel.dateEdit1->setCalendarPopup(true);
    dateLabel->setBuddy(panel.dateEdit1);
    grid->addWidget(panel.dateEdit1, 1, 3);

    // Two lines, the tax's parts and its first trade date taking the second where they do not
    // fit on the first; room for both whether they are used or not, so that nothing moves.
    panel.label65 = parts::label(frame, "Label65", QString(), look::maroon, look::smallPixelSize);
    panel.label65->setAccessibleName(QStringLiteral("적용 세율"));
    panel.label65->setWordWrap(true);
    panel.label65->setMinimumHeight(2 * panel.label65->fontMetrics().lineSpacing());
    grid->addWidget(panel.label65, 2, 0, 1, 4);

    panel.comboBox2 = choice(
        grid, 3, 0, "Label62", QStringLiteral("정산 방식"), "ComboBox2",
        {{"표시할 때 반올림", "round"}, {"원 미만 절사", "won"}, {"수수료 10원 미만 절사", "ten"}});
    grid->addWidget(panel.comboBox2, 3, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    return frame;
}

} // namespace

OptionsPanel buildOptionsPanel(QWidget *parent) {
    OptionsPanel options;
    const parts::SidePanel side = parts::sidePanel(parent,
                                                   {.frame = "Panel7",
                                                    .scrollBox = "ScrollBox4",
                                                    .content = "Panel6",
                                                    .caption = "Panel10",
                                                    .button = "SpeedButton1"},
                                                   QStringLiteral("수수료율 설정"),
                                                   QStringLiteral("수수료 비율 설정"), 10, 6);
    options.panel7 = side.frame;
    options.speedButton1 = side.ok;
    QWidget *content = side.content;
    QVBoxLayout *column = side.column;
    // Made in the order of reading, top to bottom and left to right: the order of the Tab key
    // and of a screen reader. The "?" button too takes the keyboard by Tab only.
    column->addWidget(ratesGroup(content, options));
    column->addSpacing(2);

    auto *ruleCaption = new QHBoxLayout;
    ruleCaption->addWidget(
        parts::captionPanel(content, "Panel21", QStringLiteral("최저수수료제"), 140));
    options.speedButton6 = parts::flatButton(content, "SpeedButton6", QStringLiteral("?"),
                                             QStringLiteral("최저수수료제 안내"));
    options.speedButton6->setAccessibleName(options.speedButton6->toolTip());
    options.speedButton6->setFocusPolicy(Qt::TabFocus);
    ruleCaption->addWidget(options.speedButton6);
    ruleCaption->addStretch();
    column->addLayout(ruleCaption);
    column->addWidget(minimumFeeGroup(content, options));
    column->addSpacing(2);
    column->addWidget(parts::captionPanel(content, "Panel48", QStringLiteral("시장 규칙"), 140), 0,
                      Qt::AlignLeft);
    column->addWidget(marketRulesGroup(content, options));
    column->addStretch();
    side.frame->setVisible(false);
    return options;
}

} // namespace forms
