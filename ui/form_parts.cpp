#include "form_parts.h"

#include "caption_panel.h"
#include "decimal_spin_field.h"
#include "integer_spin_field.h"
#include "look.h"
#include "result_field.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace parts {

IntegerSpinField *spinField(QWidget *parent, const char *name, const QString &caption) {
    auto *field = new IntegerSpinField(mx::field(name), parent);
    field->setAccessibleName(caption);
    look::setBackground(field, look::white);
    return field;
}

DecimalSpinField *decimalField(QWidget *parent, const char *name, const QString &caption) {
    auto *field = new DecimalSpinField(mx::field(name), parent);
    field->setAccessibleName(caption);
    look::setBackground(field, look::white);
    return field;
}

ResultField *resultField(QWidget *parent, const char *name, const QString &caption,
                         const QColor &background) {
    auto *field = new ResultField(QString::fromLatin1(name), parent);
    field->setAccessibleName(caption);
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

void addRow(QGridLayout *grid, int row, QWidget *caption, QWidget *field) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
}

void setTextColor(QWidget *widget, const QColor &color) {
    if (color.isValid()) {
        look::setTextColor(widget, color);
    }
}

QString initialText(const char *name) {
    const std::string_view text = mx::field(name).initial;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget *bevel(QWidget *parent, const char *name, Qt::Orientation orientation) {
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace parts
