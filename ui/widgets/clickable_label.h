#pragma once

#include <QLabel>

// A picture or caption that reports a click of the left mouse button while enabled.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString &name, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
