#include "controls.h"

void Controls::add(QWidget *root) {
    take(root);
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        take(widget);
    }
}

void Controls::take(QWidget *widget) {
    const QString name = widget->objectName();
    if (!name.isEmpty()) {
        named_.insert(name, widget);
    }
}
