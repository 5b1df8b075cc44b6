#include "look.h"

#include <QPalette>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>

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

namespace {

// One colour for the roles of every kind of widget: fields, panels and labels, buttons.
void setRoleColor(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles,
                  const QColor &color) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, color);
    }
    widget->setPalette(palette);
}

} // namespace

void setBackground(QWidget *widget, const QColor &color) {
    setRoleColor(widget, {QPalette::Base, QPalette::Window, QPalette::Button}, color);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color) {
    setRoleColor(widget, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, color);
}

QPalette windowPalette() {
    // Fusion's colours, light under every desktop: the desktop's style may be a dark one.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = fusion->standardPalette();
    QPalette fixed;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            // Setting every role marks it as the window's own.
            fixed.setColor(g, r, standard.color(g, r));
        }
    }
    return fixed;
}

void setPixelSize(QWidget *widget, int pixelSize) {
    // Only the size is set here, so that the family still follows the window.
    QFont font;
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

} // namespace look
