#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

// The window's widgets by name, gathered in one pass over each region once it is built, so
// that binding the controls to their handlers and reaching a field never searches the widget
// tree by name.
class Controls {
public:
    // Takes in `root` and the widgets under it that have a name.
    void add(QWidget *root);

    // The widget of that name, or nullptr.
    QWidget *widget(const QString &name) const { return named_.value(name); }
    QWidget *widget(const char *name) const { return widget(QString::fromLatin1(name)); }
    template <typename T> T *get(const char *name) const { return qobject_cast<T *>(widget(name)); }

private:
    void take(QWidget *widget);

    QHash<QString, QWidget *> named_;
};
