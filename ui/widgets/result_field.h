#pragma once

#include "field_edit.h"

// A read-only single-line field that shows a result, silver unless the layout gives it
// another colour.
class ResultField : public FieldEdit {
    Q_OBJECT
public:
    ResultField(const QString &name, QWidget *parent);
};
