#pragma once

#include <QLineEdit>

// A single-line field of the window. It reports the user's moving into it and out of it, the
// events the comma handling of result fields and the copying of the buy price hook into.
// The window losing the activation (to a message box, a menu or another program) and winning
// it back is neither: the field stays the one the user is in.
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
    void changeEvent(QEvent *event) override;

private:
    bool inside_ = false;
};
