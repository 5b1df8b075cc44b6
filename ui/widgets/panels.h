#pragma once

#include <QColor>
#include <QScrollArea>
#include <QWidget>

// A panel filled with a colour gradient, from its top to its bottom or from its left to its
// right.
class GradientPanel : public QWidget {
    Q_OBJECT
public:
    GradientPanel(const QString &name, const QColor &from, const QColor &to, QWidget *parent,
                  Qt::Orientation direction = Qt::Vertical);

    QColor from() const { return from_; }
    QColor to() const { return to_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor from_;
    QColor to_;
    Qt::Orientation direction_;
};

// A vertically scrolled box, with a scroll bar while its content is longer than the box. When it
// follows its content it asks for the content's size, so that the window opens showing all of it;
// otherwise it asks for little, so that a long page never widens or lengthens the window.
class ScrollBox : public QScrollArea {
    Q_OBJECT
public:
    ScrollBox(const QString &name, QWidget *content, bool followContent, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    bool followContent_;
};

// A framed group of controls, named for assistive technology by the caption above it.
class GroupFrame : public QFrame {
    Q_OBJECT
public:
    GroupFrame(const QString &name, const QString &caption, QWidget *parent);
};

// A rounded rectangle drawn between the values of a position box, filled or not.
class RoundShape : public QWidget {
    Q_OBJECT
public:
    RoundShape(const QString &name, bool filled, QWidget *parent);

    QSize sizeHint() const override { return {24, 20}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool filled_;
};
