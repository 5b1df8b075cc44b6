#pragma once

#include "settings/settings_file.h"

#include <QStringList>
#include <algorithm>

namespace mx::settings {

// The main window as the settings see it: a frame with a minimum width of 400 on a screen,
// recording the order of what is done to it.
class FakeWindow : public SettingsHost {
public:
    QRect frame{520, 166, 400, 530};
    QSize screen{1280, 1024};
    QSize available{1280, 984};
    bool normal = true;
    bool positionKnown = true;
    QStringList calls;

    QRect placement() const override { return frame; }
    void setLeft(int left) override {
        frame.moveLeft(left);
        calls << "left";
    }
    void setTop(int top) override {
        frame.moveTop(top);
        calls << "top";
    }
    void setWidth(int width) override {
        frame.setWidth(std::max(width, 400));
        calls << "width";
    }
    void setHeight(int height) override {
        frame.setHeight(height);
        calls << "height";
    }
    QSize screenSize() const override { return screen; }
    QSize availableSize() const override { return available; }
    bool isNormalState() const override { return normal; }
    bool reportsPosition() const override { return positionKnown; }
    void scrollPagesToTop() override { calls << "scroll"; }
    void showPromotionalNotice() override { calls << "notice"; }
};

} // namespace mx::settings
