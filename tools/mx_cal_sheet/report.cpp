#include "report.h"

#include "calc/averaging.h"
#include "calc/fields.h"

#include <algorithm>
#include <utility>

namespace mx::sheet_tool {
namespace {

using Line = std::pair<std::string, std::string>;

std::string escapeCarriageReturns(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\r') {
            escaped += "\\r";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void addFieldLines(std::vector<Line> &lines, const MemorySheet &sheet, const FieldSpec &fieldSpec) {
    const std::string name(fieldSpec.name);
    switch (fieldSpec.kind) {
    case FieldKind::Gauge: {
        const GaugeModel &gauge = sheet.gauge(name);
        lines.emplace_back(name + ".color", gauge.color() == GaugeColor::Red ? "red" : "blue");
        lines.emplace_back(name + ".max", std::to_string(gauge.maximum()));
        lines.emplace_back(name + ".progress", std::to_string(gauge.progress()));
        break;
    }
    case FieldKind::Memo:
        for (const std::string &line : sheet.memo(name)) {
            lines.emplace_back(name, line);
        }
        break;
    case FieldKind::Panel:
        lines.emplace_back(name + ".visible", sheet.panelVisible(name) ? "1" : "0");
        break;
    case FieldKind::CheckBox:
        lines.emplace_back(name, sheet.isChecked(name) ? "1" : "0");
        break;
    default:
        lines.emplace_back(name, sheet.text(name));
        break;
    }
}

} // namespace

void writeReport(std::ostream &out, const MemorySheet &sheet,
                 const std::vector<std::string> &messages) {
    for (const std::string &message : messages) {
        out << "message=" << escapeCarriageReturns(message) << '\n';
    }
    std::vector<Line> lines;
    // The 평단·물타기 panel's fields only where the input used it.
    const bool averaging = averagingEntered(sheet);
    for (const FieldSpec &fieldSpec : fieldCatalogue()) {
        if (averaging || !isAveragingField(fieldSpec.name)) {
            addFieldLines(lines, sheet, fieldSpec);
        }
    }
    // Stable, so that the lines of one memo keep their order.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line &a, const Line &b) { return a.first < b.first; });
    for (const auto &[name, text] : lines) {
        out << name << '=' << text << '\n';
    }
}

} // namespace mx::sheet_tool
