#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mx {

enum class GaugeColor { Red, Blue };

// The field-access interface of the core. Whatever shows the sheet (the window, or the
// in-memory sheet of the headless tool and the tests) implements it; the core reads and
// writes fields only through it and owns no data. Field names are those of the catalogue.
class Sheet {
public:
    virtual ~Sheet() = default;

    virtual std::string text(std::string_view field) const = 0;
    virtual void setText(std::string_view field, std::string_view text) = 0;
    virtual bool isChecked(std::string_view field) const = 0;

    // A modal message; returns when the user has closed it.
    virtual void showMessage(std::string_view message) = 0;

    // False when the gauge refuses the maximum (below its minimum of 0); the progress is
    // lowered when the new maximum is below it.
    virtual bool setGaugeMaximum(std::string_view gauge, int maximum) = 0;
    // Clamped by the gauge into 0..maximum.
    virtual void setGaugeProgress(std::string_view gauge, int progress) = 0;
    virtual int gaugeProgress(std::string_view gauge) const = 0;
    virtual void setGaugeColor(std::string_view gauge, GaugeColor color) = 0;

    // Replaces the whole text of a memo with these lines.
    virtual void setMemoLines(std::string_view memo, const std::vector<std::string> &lines) = 0;

    virtual void setPanelVisible(std::string_view panel, bool visible) = 0;
};

} // namespace mx
