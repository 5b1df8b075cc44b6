#include "field_accessibility.h"

#include "clickable_label.h"
#include "panels.h"
#include "spin_field.h"

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// A spin field: its text to read and edit, like any single-line field, and its number with the
// range and the step of its arrows.
class AccessibleSpinField : public QAccessibleWidget,
                            public QAccessibleValueInterface,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit AccessibleSpinField(SpinField *field)
        : QAccessibleWidget(field, QAccessible::SpinBox) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) {
            return field()->text();
        }
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !field()->isReadOnly();
        state.readOnly = field()->isReadOnly();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface *>(this);
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface *>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface *>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
        }
    }

    // The value.
    QVariant currentValue() const override { return field()->numericValue(); }
    void setCurrentValue(const QVariant &value) override {
        if (!field()->isReadOnly()) {
            field()->setText(value.toString());
        }
    }
    QVariant maximumValue() const override { return field()->largestValue(); }
    QVariant minimumValue() const override { return field()->smallestValue(); }
    QVariant minimumStepSize() const override { return field()->stepSize(); }

    // The text.
    void selection(int index, int *start, int *end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + field()->selectionLength();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            field()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            field()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(field()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString shown = field()->text();
        const QFontMetrics metrics = field()->fontMetrics();
        QStyleOptionFrame option;
        option.initFrom(field());
        const QRect area =
            field()->style()->subElementRect(QStyle::SE_LineEditContents, &option, field());
        const int left = area.left() + field()->textMargins().left() + 2 +
                         metrics.horizontalAdvance(shown.left(offset));
        const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
        const QRect local(left, area.top(), width, area.height());
        return {field()->mapToGlobal(local.topLeft()), local.size()};
    }
    int offsetAtPoint(const QPoint &point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }
    QString attributes(int offset, int *start, int *end) const override {
        *start = *end = offset;
        return {};
    }

    // Editing, by the same rules as typing.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override {
        if (field()->isReadOnly()) {
            return;
        }
        QString changed = field()->text();
        changed.replace(start, end - start, text);
        field()->setText(changed);
    }

private:
    SpinField *field() const { return static_cast<SpinField *>(widget()); }
};

// A picture or caption that runs a command when clicked: a button while it reacts to clicks.
class AccessibleClickable : public QAccessibleWidget {
public:
    explicit AccessibleClickable(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QAccessible::Role role() const override {
        return widget()->isEnabled() ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text type) const override {
        const QString own = QAccessibleWidget::text(type);
        if (type == QAccessible::Name && own.isEmpty()) {
            return static_cast<QLabel *>(widget())->text();
        }
        return own;
    }
    QStringList actionNames() const override {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    // Pressed after the call returns, as Qt presses its buttons: what the click opens may be a
    // modal dialog, which must not hold the caller until it closes.
    void doAction(const QString &action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            QMetaObject::invokeMethod(static_cast<ClickableLabel *>(widget()),
                                      &ClickableLabel::clicked, Qt::QueuedConnection);
        }
    }
};

QAccessibleInterface *fieldAccessibility(const QString &className, QObject *object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    if (auto *field = qobject_cast<SpinField *>(object);
        field != nullptr && className == QLatin1String(object->metaObject()->className())) {
        return new AccessibleSpinField(field);
    }
    if (className == QLatin1String("ClickableLabel")) {
        return new AccessibleClickable(static_cast<ClickableLabel *>(object));
    }
    if (className == QLatin1String("GroupFrame")) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

void installFieldAccessibility() {
    QAccessible::installFactory(fieldAccessibility);
}
