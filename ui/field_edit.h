#pragma once

#include <QLineEdit>

// A single-line field of the window. It reports gaining and losing the keyboard focus, the
// events the comma handling of result fields and the copying of the buy price hook into.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget *parent = nullptr);

signals:
    void entered();
    void left();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
