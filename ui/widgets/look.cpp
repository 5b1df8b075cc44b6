#include "look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace look {

QFont windowFont(int pixelSize) {
    QFont font;
    // 굴림 as the window was drawn with; where it is missing, the Korean faces of Linux, then the
    // one every Windows has.
    font.setFamilies({QStringLiteral("굴림"), QStringLiteral("Gulim"),
                      QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR"),
                      QStringLiteral("맑은 고딕"), QStringLiteral("Malgun Gothic")});
    font.setPixelSize(pixelSize);
    // The faces' own hinting keeps every Hangul syllable sharp at 12 pixels; the desktop's light
    // hinting blurs those with three stacked strokes (총, 출, 층) beside their crisp neighbours.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont fixedFont(int pixelSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("굴림체"), QStringLiteral("GulimChe"),
                      QStringLiteral("NanumGothicCoding"), QStringLiteral("D2Coding"),
                      QStringLiteral("Noto Sans Mono CJK KR"), font.family()});
    font.setPixelSize(pixelSize);
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
    // Fusion's light colours as Qt draws them on a desktop without a colour scheme of its own.
    // They are written out rather than taken from the style: a desktop's platform theme (GTK's
    // dark Adwaita) hands Fusion its own dark colours as Fusion's standard palette.
    const QColor window(239, 239, 239);
    const QColor shadow = window.darker(150).darker(135);
    QPalette fixed(Qt::black, window, window.lighter(150), window.darker(150), window.darker(130),
                   Qt::black, Qt::white);
    fixed.setColor(QPalette::Midlight, window.darker(130).lighter(110));
    fixed.setColor(QPalette::Button, window);
    fixed.setColor(QPalette::Shadow, shadow);
    fixed.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        fixed.setColor(QPalette::Disabled, role, QColor(190, 190, 190));
    }
    fixed.setColor(QPalette::Disabled, QPalette::Base, window);
    fixed.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    fixed.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    fixed.setColor(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    fixed.setColor(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    fixed.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    fixed.setColor(QPalette::PlaceholderText, placeholder);
    // Every role set, in every group, marks it as the window's own.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            fixed.setColor(g, r, fixed.color(g, r));
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
