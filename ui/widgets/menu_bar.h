#pragma once

#include <QMenuBar>

// The window's menu bar. An item that carries a shortcut shows it beside its caption, as the
// items of a menu do (the caption itself, and so its accessible name, stays as it is). While the
// menu bar has the keyboard (Alt, then the arrows), Enter opens or runs the item there and is
// nobody's shortcut.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuBar(QWidget *parent);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;
    bool event(QEvent *event) override;
};
