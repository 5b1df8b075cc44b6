#include "field_edit.h"

#include <QFocusEvent>

FieldEdit::FieldEdit(QWidget *parent) : QLineEdit(parent) {}

void FieldEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (!inside_) {
        inside_ = true;
        emit entered();
    }
}

void FieldEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    inside_ = false;
    emit left();
}

void FieldEdit::changeEvent(QEvent *event) {
    QLineEdit::changeEvent(event);
    // The focus may have moved on while the window was inactive.
    if (event->type() == QEvent::ActivationChange && inside_ && isActiveWindow() &&
        window()->focusWidget() != this) {
        inside_ = false;
        emit left();
    }
}
