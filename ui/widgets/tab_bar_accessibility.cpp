#include "tab_bar_accessibility.h"

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace {

// "&&" stands for "&"; a single "&" marks the mnemonic.
QString withoutMnemonic(const QString &text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

class AccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleTab(QTabBar *bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text type) const override {
        if (!isValid()) {
            return {};
        }
        if (type == QAccessible::Name) {
            return withoutMnemonic(bar_->tabText(index_));
        }
        if (type == QAccessible::Description) {
            return bar_->tabToolTip(index_);
        }
        return {};
    }

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect tab = bar_->tabRect(index_);
        return {bar_->mapToGlobal(tab.topLeft()), tab.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = index_ == bar_->currentIndex();
        state.focusable = bar_->focusPolicy() != Qt::NoFocus;
        state.focused = state.selected && bar_->hasFocus();
        state.invisible = !bar_->isVisible();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (isValid() && action == pressAction()) {
            bar_->setCurrentIndex(index_);
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int index() const { return index_; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

class AccessibleTabBar : public QAccessibleWidget {
public:
    explicit AccessibleTabBar(QTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}

    ~AccessibleTabBar() override {
        for (const QAccessible::Id id : std::as_const(tabs_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return int(shownTabs().size()); }

    QAccessibleInterface *child(int index) const override {
        const QList<int> shown = shownTabs();
        if (index < 0 || index >= shown.size()) {
            return nullptr;
        }
        const int tab = shown[index];
        if (const QAccessible::Id id = tabs_.value(tab)) {
            return QAccessible::accessibleInterface(id);
        }
        auto *accessible = new AccessibleTab(bar(), tab);
        tabs_.insert(tab, QAccessible::registerAccessibleInterface(accessible));
        return accessible;
    }

    int indexOfChild(const QAccessibleInterface *child) const override {
        if (child == nullptr || child->role() != QAccessible::PageTab || child->parent() != this) {
            return -1;
        }
        return int(shownTabs().indexOf(static_cast<const AccessibleTab *>(child)->index()));
    }

    QAccessibleInterface *focusChild() const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->state().focused) {
                return child(i);
            }
        }
        return nullptr;
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name) {
            return withoutMnemonic(bar()->tabText(bar()->currentIndex()));
        }
        return QAccessibleWidget::text(type);
    }

private:
    QTabBar *bar() const { return static_cast<QTabBar *>(widget()); }

    QList<int> shownTabs() const {
        QList<int> shown;
        for (int tab = 0; tab < bar()->count(); ++tab) {
            if (bar()->isTabVisible(tab)) {
                shown << tab;
            }
        }
        return shown;
    }

    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface *accessibleTabBar(const QString &className, QObject *object) {
    if (className == QLatin1String("QTabBar") && object->isWidgetType()) {
        return new AccessibleTabBar(static_cast<QTabBar *>(object));
    }
    return nullptr;
}

} // namespace

void installTabBarAccessibility() {
    QAccessible::installFactory(accessibleTabBar);
}
