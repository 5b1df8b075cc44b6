#include "memory_sheet.h"

#include "fields.h"

#include <stdexcept>

namespace mx {
namespace {

template <typename Map> auto &entry(Map &map, std::string_view name) {
    const auto it = map.find(name);
    if (it == map.end()) {
        throw std::invalid_argument("not a field of the sheet: " + std::string(name));
    }
    return it->second;
}

} // namespace

MemorySheet::MemorySheet() {
    for (const FieldSpec &fieldSpec : fieldCatalogue()) {
        switch (fieldSpec.kind) {
        case FieldKind::Gauge:
            gauges_.emplace(fieldSpec.name, GaugeModel{});
            break;
        case FieldKind::Memo:
            memos_.emplace(fieldSpec.name, std::vector<std::string>{});
            break;
        case FieldKind::Panel:
            panels_.emplace(fieldSpec.name, true);
            break;
        default:
            texts_.emplace(fieldSpec.name, fieldSpec.initial);
            break;
        }
    }
}

std::string MemorySheet::text(std::string_view field) const {
    return entry(texts_, field);
}

void MemorySheet::setText(std::string_view field, std::string_view text) {
    entry(texts_, field) = text;
}

bool MemorySheet::isChecked(std::string_view field) const {
    return entry(texts_, field) == "1";
}

void MemorySheet::showMessage(std::string_view message) {
    messages_.emplace_back(message);
}

bool MemorySheet::setGaugeMaximum(std::string_view gauge, int maximum) {
    return entry(gauges_, gauge).setMaximum(maximum);
}

void MemorySheet::setGaugeProgress(std::string_view gauge, int progress) {
    entry(gauges_, gauge).setProgress(progress);
}

int MemorySheet::gaugeProgress(std::string_view gauge) const {
    return entry(gauges_, gauge).progress();
}

void MemorySheet::setGaugeColor(std::string_view gauge, GaugeColor color) {
    entry(gauges_, gauge).setColor(color);
}

void MemorySheet::setMemoLines(std::string_view memo, const std::vector<std::string> &lines) {
    entry(memos_, memo) = lines;
}

void MemorySheet::addMemoLine(std::string_view memo, std::string_view line) {
    entry(memos_, memo).emplace_back(line);
}

void MemorySheet::setPanelVisible(std::string_view panel, bool visible) {
    entry(panels_, panel) = visible;
}

const GaugeModel &MemorySheet::gauge(std::string_view name) const {
    return entry(gauges_, name);
}

GaugeModel &MemorySheet::gauge(std::string_view name) {
    return entry(gauges_, name);
}

const std::vector<std::string> &MemorySheet::memo(std::string_view name) const {
    return entry(memos_, name);
}

bool MemorySheet::panelVisible(std::string_view name) const {
    return entry(panels_, name);
}

} // namespace mx
