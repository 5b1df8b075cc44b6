#pragma once

#include "settings/settings_file.h"

class Tf_cal;

// What loading and saving cal.ini need of the main window beyond its fields: its placement
// on the primary screen, its state, its scroll boxes and the promotional notice.
class WindowSettingsHost : public mx::settings::SettingsHost {
public:
    explicit WindowSettingsHost(Tf_cal &window) : window_(window) {}

    QRect placement() const override;
    void setLeft(int left) override;
    void setTop(int top) override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    QSize screenSize() const override;
    QSize availableSize() const override;
    bool isNormalState() const override;
    // False under Wayland, where a client cannot learn where its window stands.
    bool reportsPosition() const override;
    void scrollPagesToTop() override;
    void showPromotionalNotice() override;

    // Whether a Qt platform plugin of this name reports window positions.
    static bool platformReportsPosition(const QString &platformName);

private:
    Tf_cal &window_;
};
