#pragma once

#include "calc/sheet.h"

#include <QString>
#include <functional>
#include <map>
#include <string>

class BarGauge;
class QWidget;

// The calculation core's view of the window: every field of the catalogue, looked up once
// by name among the window's widgets, read and written as text.
class WidgetSheet : public mx::Sheet {
public:
    using MessageSink = std::function<void(const QString &)>;

    // Throws std::logic_error when a field of the catalogue has no widget under `root`.
    WidgetSheet(QWidget *root, MessageSink messages);

    std::string text(std::string_view field) const override;
    void setText(std::string_view field, std::string_view text) override;
    bool isChecked(std::string_view field) const override;
    void showMessage(std::string_view message) override;
    bool setGaugeMaximum(std::string_view gauge, int maximum) override;
    void setGaugeProgress(std::string_view gauge, int progress) override;
    int gaugeProgress(std::string_view gauge) const override;
    void setGaugeColor(std::string_view gauge, mx::GaugeColor color) override;
    void setMemoLines(std::string_view memo, const std::vector<std::string> &lines) override;
    void setPanelVisible(std::string_view panel, bool visible) override;

private:
    QWidget *widget(std::string_view field) const;
    BarGauge *gauge(std::string_view name) const;

    std::map<std::string, QWidget *, std::less<>> widgets_;
    MessageSink messages_;
};
