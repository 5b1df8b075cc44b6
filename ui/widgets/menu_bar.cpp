#include "menu_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// Draws a menu-bar item whose text is "caption<tab>shortcut" as a menu draws its items: the
// caption as always, the shortcut after it in the colour of secondary text.
class ShortcutItemStyle : public QProxyStyle {
public:
    explicit ShortcutItemStyle(const QString &key) : QProxyStyle(key) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
            type == CT_MenuBarItem && item != nullptr && item->text.contains(u'\t')) {
            result.rwidth() += shortcutWidth(*item);
        }
        return result;
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element != CE_MenuBarItem || item == nullptr || !item->text.contains(u'\t')) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const qsizetype tab = item->text.indexOf(u'\t');
        const int shortcut = shortcutWidth(*item);
        // The highlight covers the whole item; the caption sits in its left part.
        QStyleOptionMenuItem part = *item;
        part.text.clear();
        QProxyStyle::drawControl(element, &part, painter, widget);
        part.text = item->text.left(tab);
        part.rect.setRight(item->rect.right() - shortcut);
        QProxyStyle::drawControl(element, &part, painter, widget);
        painter->save();
        painter->setPen(item->palette.color(QPalette::Disabled, QPalette::WindowText));
        const QRect right(item->rect.right() - shortcut, item->rect.top(), shortcut,
                          item->rect.height());
        painter->drawText(right, Qt::AlignLeft | Qt::AlignVCenter, item->text.mid(tab + 1));
        painter->restore();
    }

private:
    static int shortcutWidth(const QStyleOptionMenuItem &item) {
        const QString shortcut = item.text.mid(item.text.indexOf(u'\t') + 1);
        return item.fontMetrics.horizontalAdvance(shortcut) + item.fontMetrics.averageCharWidth();
    }
};

} // namespace

MenuBar::MenuBar(QWidget *parent) : QMenuBar(parent) {
    auto *style = new ShortcutItemStyle(QApplication::style()->name());
    style->setParent(this);
    setStyle(style);
}

void MenuBar::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const {
    QMenuBar::initStyleOption(option, action);
    const QKeySequence shortcut = action->shortcut();
    if (!shortcut.isEmpty()) {
        // As a menu does: the caption, a tab, the shortcut; the style draws them apart. The
        // Return key is the one every keyboard calls Enter.
        const bool enter = shortcut == QKeySequence(Qt::Key_Return);
        option->text += QLatin1Char('\t') + (enter ? QStringLiteral("Enter")
                                                   : shortcut.toString(QKeySequence::NativeText));
    }
}

bool MenuBar::event(QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride && activeAction() != nullptr) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QMenuBar::event(event);
}
