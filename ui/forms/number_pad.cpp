#include "form_parts.h"
#include "forms.h"
#include "widgets/glyphs.h"
#include "widgets/look.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace forms {

NumberPad buildNumberPad(QWidget *parent) {
    auto *pad = new QFrame(parent);
    pad->setObjectName(QStringLiteral("Panel38"));
    pad->setAccessibleName(QStringLiteral("숫자판"));
    pad->setFrameStyle(QFrame::Panel | QFrame::Raised);
    look::setBackground(pad, look::silver);
    pad->setGeometry(266, 143, 34, 154);

    auto *column = new QVBoxLayout(pad);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    auto *icon = new QLabel(pad);
    icon->setObjectName(QStringLiteral("Image2"));
    icon->setPixmap(glyphs::icon(glyphs::Glyph::Product).pixmap(16, 16));
    column->addWidget(icon, 0, Qt::AlignHCenter);

    const struct {
        const char *name;
        const char *caption;
        const char *hint;
    } keys[] = {
        {"SpeedButton14", "+1", "1값 더하기"},    {"SpeedButton15", "-1", "1값 빼기"},
        {"SpeedButton10", "*10", "10값 곱하기"},  {"SpeedButton13", "/10", "10값 나누기"},
        {"SpeedButton20", "0", "0원으로 바꾸기"},
    };
    QToolButton *buttons[std::size(keys)];
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        buttons[i] = parts::flatButton(pad, keys[i].name, QString::fromUtf8(keys[i].caption),
                                       QString::fromUtf8(keys[i].hint));
        buttons[i]->setFixedSize(30, 21);
        column->addWidget(buttons[i], 0, Qt::AlignHCenter);
    }
    auto *close = parts::glyphButton(pad, "SpeedButton16", glyphs::Glyph::Close, {});
    close->setAccessibleName(QStringLiteral("숫자판 닫기"));
    close->setFixedSize(16, 17);
    column->addWidget(close, 0, Qt::AlignHCenter);
    pad->setVisible(false);
    return {pad, buttons[0], buttons[1], buttons[2], buttons[3], buttons[4], close};
}

} // namespace forms
