#pragma once

#include "calc/fields.h"
#include "field_edit.h"

class QToolButton;

// A field for a number with up and down arrows at its right end. Its text may be empty and
// keeps whatever the user typed; typing accepts only digits, "+", "-", the decimal point
// and control keys. The Up and Down keys act like the arrows. On a read-only field the
// arrows only beep.
class SpinField : public FieldEdit {
    Q_OBJECT
public:
    SpinField(const mx::FieldSpec &fieldSpec, QWidget *parent);

    const mx::FieldSpec &fieldSpec() const { return spec_; }

    void stepUp();
    void stepDown();

    // The number the text reads as, the range the field keeps and what its arrows add, as
    // assistive technology reports them.
    virtual double numericValue() const = 0;
    virtual double smallestValue() const = 0;
    virtual double largestValue() const = 0;
    virtual double stepSize() const = 0;

    // Whether typing `text` is accepted; refused text beeps.
    static bool acceptsTyped(const QString &text);

    // Whether the text is changing by the user's hand (a key, a paste, a drop, an input
    // method) rather than by the program.
    bool userEditing() const { return userEdits_ > 0; }

protected:
    // Adds (+1) or subtracts (-1) the current step.
    virtual void stepBy(int direction) = 0;

    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Marks the user's hand on the field while it lives.
    class UserEdit {
    public:
        explicit UserEdit(SpinField &field) : field_(field) { ++field_.userEdits_; }
        ~UserEdit() { --field_.userEdits_; }
        UserEdit(const UserEdit &) = delete;
        UserEdit &operator=(const UserEdit &) = delete;

    private:
        SpinField &field_;
    };

    void step(int direction);

    int userEdits_ = 0;

    const mx::FieldSpec &spec_;
    QToolButton *up_;
    QToolButton *down_;
};
