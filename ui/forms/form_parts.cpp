#include "form_parts.h"

#include "widgets/caption_panel.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/integer_spin_field.h"
#include "widgets/look.h"
#include "widgets/panels.h"
#include "widgets/qtext.h"
#include "widgets/result_field.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace parts {
namespace {

// A caption as a screen reader says it: blanks that only space its letters out ("수     량") go.
// Walked by hand: a regular expression would load its compiler at start for this alone.
QString spokenCaption(const QString &caption) {
    QString spoken;
    qsizetype blanks = 0; // the blanks before the letter at hand
    for (const QChar letter : caption) {
        if (letter == u' ') {
            ++blanks;
            continue;
        }
        if (blanks == 1) {
            spoken += u' ';
        }
        blanks = 0;
        spoken += letter;
    }
    if (blanks == 1) {
        spoken += u' ';
    }
    return spoken;
}

// What a field counts in, as assistive technology tells it after the field's name: shares for
// the quantity, percent for the rates and percentages, won for every price and amount.
QString unitOf(std::string_view name) {
    if (name == "s1") {
        return QStringLiteral("주");
    }
    if (name == "Edit6") {
        return {};
    }
    const bool percentage = name.starts_with('r') && name != "r3" && name != "r4";
    return percentage ? QStringLiteral("%") : QStringLiteral("원");
}

} // namespace

IntegerSpinField *spinField(QWidget *parent, const char *name, const QString &caption) {
    auto *field = new IntegerSpinField(mx::field(name), parent);
    field->setAccessibleName(spokenCaption(caption));
    field->setAccessibleDescription(unitOf(name));
    look::setBackground(field, look::white);
    return field;
}

DecimalSpinField *decimalField(QWidget *parent, const char *name, const QString &caption) {
    auto *field = new DecimalSpinField(mx::field(name), parent);
    field->setAccessibleName(caption);
    field->setAccessibleDescription(unitOf(name));
    look::setBackground(field, look::white);
    return field;
}

ResultField *resultField(QWidget *parent, const char *name, const QString &caption,
                         const QColor &background) {
    auto *field = new ResultField(QString::fromLatin1(name), parent);
    field->setAccessibleName(caption);
    field->setAccessibleDescription(unitOf(name));
    if (background.isValid()) {
        look::setBackground(field, background);
    }
    return field;
}

CaptionPanel *captionPanel(QWidget *parent, const char *name, const QString &caption, int width,
                           const QColor &textColor) {
    auto *panel = new CaptionPanel(QString::fromLatin1(name), caption, width, parent);
    setTextColor(panel, textColor);
    return panel;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QColor &textColor,
              int pixelSize) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    setTextColor(label, textColor);
    if (pixelSize > 0) {
        look::setPixelSize(label, pixelSize);
    }
    return label;
}

QToolButton *flatButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &hint) {
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    if (caption.isEmpty()) {
        button->setAccessibleName(hint);
    }
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton *glyphButton(QWidget *parent, const char *name, glyphs::Glyph glyph,
                         const QString &caption, const QString &hint) {
    auto *button = flatButton(parent, name, caption, hint);
    button->setIcon(glyphs::icon(glyph));
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextBesideIcon);
    return button;
}

QToolButton *keypadButton(QWidget *parent, const char *name) {
    auto *button = glyphButton(parent, name, glyphs::Glyph::Keypad, {}, QStringLiteral("숫자판"));
    button->setIconSize({16, 16});
    return button;
}

QPlainTextEdit *memo(QWidget *parent, const char *name) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}

void addCaption(QGridLayout *grid, int row, const char *panel, const QString &caption,
                int captionWidth, const QColor &captionColor) {
    grid->addWidget(captionPanel(grid->parentWidget(), panel, caption, captionWidth, captionColor),
                    row, 0);
}

void addField(QGridLayout *grid, int row, QWidget *field) {
    grid->addWidget(field, row, 1);
    static_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget())->setBuddy(field);
}

IntegerSpinField *addInputRow(QGridLayout *grid, int row, const Row &input, int captionWidth) {
    const QString shown = caption(input.field);
    addCaption(grid, row, input.panel, shown, captionWidth, input.captionColor);
    auto *field = spinField(grid->parentWidget(), input.field, shown);
    setTextColor(field, input.fieldColor);
    addField(grid, row, field);
    return field;
}

ResultField *addResultRow(QGridLayout *grid, int row, const Row &result, int captionWidth) {
    const QString shown = caption(result.field);
    addCaption(grid, row, result.panel, shown, captionWidth, result.captionColor);
    auto *field = resultField(grid->parentWidget(), result.field, shown, result.fieldBackground);
    setTextColor(field, result.fieldColor);
    addField(grid, row, field);
    return field;
}

void setTextColor(QWidget *widget, const QColor &color) {
    if (color.isValid()) {
        look::setTextColor(widget, color);
    }
}

QString initialText(const char *name) {
    return qtext(mx::field(name).initial);
}

QString caption(const char *name) {
    return qtext(mx::field(name).caption);
}

QScrollArea *stackPage(QWidget *page, const char *scrollBox, QWidget *content, bool followContent,
                       const std::function<QWidget *(QWidget *page)> &buildBar) {
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *box = new ScrollBox(QString::fromLatin1(scrollBox), content, followContent, page);
    layout->addWidget(box, 1);
    layout->addWidget(buildBar(page));
    return box;
}

QWidget *bevel(QWidget *parent, const char *name, Qt::Orientation orientation) {
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

SidePanel sidePanel(QWidget *parent, const SidePanelNames &names, const QString &groupName,
                    const QString &caption, int margin, int topMargin) {
    SidePanel side{};
    side.frame = new GroupFrame(QString::fromLatin1(names.frame), groupName, parent);
    side.frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    side.frame->setLineWidth(4);
    side.content = new QWidget;
    side.content->setObjectName(QString::fromLatin1(names.content));
    auto *frame = new QVBoxLayout(side.frame);
    frame->setContentsMargins(0, 0, 0, 0);
    side.scrollBox =
        new ScrollBox(QString::fromLatin1(names.scrollBox), side.content, false, side.frame);
    frame->addWidget(side.scrollBox);
    side.column = new QVBoxLayout(side.content);
    side.column->setContentsMargins(margin, topMargin, margin, topMargin);
    side.column->setSpacing(3);

    auto *top = new QHBoxLayout;
    top->addWidget(captionPanel(side.content, names.caption, caption, 140));
    top->addStretch();
    side.ok = flatButton(side.content, names.button, QStringLiteral("확인"));
    side.ok->setMinimumWidth(60);
    side.ok->setAutoRaise(false);
    side.ok->setFocusPolicy(Qt::TabFocus);
    top->addWidget(side.ok);
    side.column->addLayout(top);
    return side;
}

} // namespace parts
