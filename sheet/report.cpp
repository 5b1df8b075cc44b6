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

// The columns a terminal gives `text` (UTF-8): two for a Hangul or CJK character, else one.
std::size_t columns(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const bool wide =
            (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF) ||
            (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

constexpr std::size_t legendWidth = 80;
constexpr std::string_view continuation = "      ";

} // namespace

std::string legendCaption(const FieldSpec &fieldSpec) {
    std::string caption;
    for (std::size_t i = 0; i < fieldSpec.caption.size(); ++i) {
        const bool spacing =
            fieldSpec.caption[i] == ' ' &&
            ((i + 1 < fieldSpec.caption.size() && fieldSpec.caption[i + 1] == ' ') ||
             (i > 0 && fieldSpec.caption[i - 1] == ' '));
        if (!spacing) {
            caption += fieldSpec.caption[i];
        }
    }
    return caption;
}

void writeFieldLegend(std::ostream &out) {
    for (const FieldSpec &fieldSpec : fieldCatalogue()) {
        std::string line = "  " + std::string(fieldSpec.name);
        if (!fieldSpec.caption.empty()) {
            line += ' ' + legendCaption(fieldSpec);
        }
        line += ':';
        std::string_view words = fieldSpec.meaning;
        while (!words.empty()) {
            const std::size_t end = words.find(' ');
            const std::string_view word = words.substr(0, end);
            if (columns(line) + 1 + columns(word) > legendWidth) {
                out << line << '\n';
                line = continuation;
            } else {
                line += ' ';
            }
            line += word;
            words = end == std::string_view::npos ? std::string_view() : words.substr(end + 1);
        }
        out << line << '\n';
    }
}

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
