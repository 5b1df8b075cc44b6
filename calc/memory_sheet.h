#pragma once

#include "gauge.h"
#include "sheet.h"

#include <map>
#include <string>
#include <vector>

namespace mx {

// A sheet held in memory, starting as the window starts its fields. The headless tool and
// the tests run the core on it; it records every message shown.
class MemorySheet : public Sheet {
public:
    MemorySheet();

    std::string text(std::string_view field) const override;
    void setText(std::string_view field, std::string_view text) override;
    bool isChecked(std::string_view field) const override;
    void showMessage(std::string_view message) override;
    bool setGaugeMaximum(std::string_view gauge, int maximum) override;
    void setGaugeProgress(std::string_view gauge, int progress) override;
    int gaugeProgress(std::string_view gauge) const override;
    void setGaugeColor(std::string_view gauge, GaugeColor color) override;
    void setMemoLines(std::string_view memo, const std::vector<std::string> &lines) override;
    // Adds one line to a memo, as the tool's and the tests' directives fill it.
    void addMemoLine(std::string_view memo, std::string_view line);
    void setPanelVisible(std::string_view panel, bool visible) override;

    const std::vector<std::string> &messages() const { return messages_; }
    const GaugeModel &gauge(std::string_view name) const;
    GaugeModel &gauge(std::string_view name);
    const std::vector<std::string> &memo(std::string_view name) const;
    bool panelVisible(std::string_view name) const;

private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, GaugeModel, std::less<>> gauges_;
    std::map<std::string, std::vector<std::string>, std::less<>> memos_;
    std::map<std::string, bool, std::less<>> panels_;
    std::vector<std::string> messages_;
};

} // namespace mx
