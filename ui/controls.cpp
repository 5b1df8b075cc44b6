#include "controls.h"

void Controls::gather(QWidget *root) {
    named_.clear();
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty()) {
            named_.insert(name, widget);
        }
    }
}
