#include "look.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace look {

QFont windowFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("굴림"), QStringLiteral("Gulim"),
                      QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR")});
    font.setPixelSize(pixelSize);
    // The faces' own hinting keeps every Hangul syllable sharp at 12 pixels; the desktop's light
    // hinting blurs those with three stacked strokes (총, 출, 층) beside their crisp neighbours.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void setBackground(QWidget *widget, const QColor &color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void setPixelSize(QWidget *widget, int pixelSize) {
    // Only the size is set here, so that the family still follows the window.
    QFont font;
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

} // namespace look
