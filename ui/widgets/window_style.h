#pragma once

#include <QProxyStyle>

// The application's style: the desktop's own (or the one given), except for the one standard
// picture the window shows from its start, the chevron of the menu bar's overflow button, which is
// painted in code like the window's other glyphs instead of being decoded from an image file (which
// also loads every image-format plugin).
class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Over `base`, or over the desktop's own style when it is null.
    explicit WindowStyle(QStyle *base = nullptr) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap picture, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
