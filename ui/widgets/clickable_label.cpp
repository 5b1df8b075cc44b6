#include "clickable_label.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString &name, QWidget *parent) : QLabel(parent) {
    setObjectName(name);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}
