#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

// The window's widgets, gathered in one pass once its regions are built, so that binding the
// controls to their handlers and reaching a field never searches the widget tree by name.
class Controls {
public:
    // The widgets under `root` that have a name.
    void gather(QWidget *root);

    // The widget of that name, or nullptr.
    QWidget *widget(const QString &name) const { return named_.value(name); }
    QWidget *widget(const char *name) const { return widget(QString::fromLatin1(name)); }
    template <typename T> T *get(const char *name) const { return qobject_cast<T *>(widget(name)); }

private:
    QHash<QString, QWidget *> named_;
};
