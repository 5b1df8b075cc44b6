#include "result_field.h"

#include "look.h"

ResultField::ResultField(const QString &name, QWidget *parent) : FieldEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    look::setBackground(this, look::silver);
}
