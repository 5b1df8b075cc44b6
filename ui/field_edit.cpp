#include "field_edit.h"

FieldEdit::FieldEdit(QWidget *parent) : QLineEdit(parent) {}

void FieldEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    emit entered();
}

void FieldEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    emit left();
}
