#pragma once

#include "calc/sheet.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class BarGauge;
class Controls;
class QWidget;

// The calculation core's view of the window: every field of the catalogue, taken once from the
// window's controls by name, read and written as text.
class WidgetSheet : public mx::Sheet {
public:
    using MessageSink = std::function<void(const QString &)>;

    // Throws std::logic_error when a field of the catalogue has no widget among `controls`.
    WidgetSheet(const Controls &controls, MessageSink messages);

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
    // How a field's widget holds its text.
    enum class Holder { LineEdit, Label, CheckBox, Memo, Gauge, Panel };
    struct Field {
        QWidget *widget;
        Holder holder;
    };

    // The field of that name, in the order of the catalogue.
    const Field &at(std::string_view name) const;
    BarGauge *gauge(std::string_view name) const;

    std::vector<Field> fields_;
    MessageSink messages_;
};
