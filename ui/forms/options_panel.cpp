#include "form_parts.h"
#include "forms.h"
#include "widgets/caption_panel.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "window_texts.h"

#include <QCheckBox>
#include <QFontDatabase>
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

QWidget *ratesGroup(QWidget *parent) {
    auto *frame = group(parent, "Bevel2", QStringLiteral("수수료 비율 설정"));
    auto *grid = new QGridLayout(frame);
    const QString feeRate = QStringLiteral("수수료율");
    const QString taxRate = QStringLiteral("제세금율");
    addOption(grid, 0, "Panel8", feeRate, parts::decimalField, "r1", "Label1");
    addOption(grid, 1, "Panel9", taxRate, parts::decimalField, "r2", "Label2");
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

QWidget *minimumFeeGroup(QWidget *parent) {
    auto *frame = group(parent, "Bevel1", QStringLiteral("최저수수료제"));
    auto *grid = new QGridLayout(frame);
    auto *apply = new QCheckBox(QStringLiteral("최저수수료 계산 적용"), frame);
    apply->setObjectName(QStringLiteral("CheckBox1"));
    apply->setChecked(parts::initialText("CheckBox1") == QStringLiteral("1"));
    grid->addWidget(apply, 0, 0, 1, 3);

    const QString threshold = QStringLiteral("최저제한액");
    const QString fee = QStringLiteral("적용수수료");
    addOption(grid, 1, "Panel22", threshold, parts::spinField, "r3");
    addOption(grid, 2, "Panel23", fee, parts::spinField, "r4");
    grid->setColumnStretch(2, 1);

    auto *note = parts::captionPanel(frame, "Panel25", QStringLiteral("증권사마다 적용유무다름 "),
                                     0, look::maroon);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(look::windowPixelSize);
    note->setFont(fixed);
    grid->addWidget(note, 3, 0, 1, 3);
    return frame;
}

} // namespace

QWidget *buildOptionsPanel(QWidget *parent) {
    // A group of the window to assistive technology, not a window of its own.
    auto *panel = new GroupFrame(QStringLiteral("Panel7"), QStringLiteral("수수료율 설정"), parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(4);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(10, 10, 10, 10);

    // Made in the order of reading, top to bottom and left to right: the order of the Tab key
    // and of a screen reader. Both buttons take the keyboard by Tab only, so that a click
    // leaves it in the field that had it.
    auto *top = new QHBoxLayout;
    top->addWidget(parts::captionPanel(panel, "Panel10", QStringLiteral("수수료 비율 설정"), 140));
    top->addStretch();
    auto *close = parts::flatButton(panel, "SpeedButton1", QStringLiteral("확인"));
    close->setMinimumWidth(60);
    close->setAutoRaise(false);
    close->setFocusPolicy(Qt::TabFocus);
    top->addWidget(close);
    column->addLayout(top);
    column->addWidget(ratesGroup(panel));
    column->addSpacing(8);

    auto *ruleCaption = new QHBoxLayout;
    ruleCaption->addWidget(
        parts::captionPanel(panel, "Panel21", QStringLiteral("최저수수료제"), 140));
    auto *explain = parts::flatButton(panel, "SpeedButton6", QStringLiteral("?"),
                                      QStringLiteral("최저수수료제 안내"));
    explain->setAccessibleName(explain->toolTip());
    explain->setFocusPolicy(Qt::TabFocus);
    ruleCaption->addWidget(explain);
    ruleCaption->addStretch();
    column->addLayout(ruleCaption);
    column->addWidget(minimumFeeGroup(panel));
    column->addStretch();
    panel->setVisible(false);
    return panel;
}

} // namespace forms
