#include "script.h"

#include "calc/averaging.h"
#include "calc/fields.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace mx::sheet_tool {
namespace {

constexpr std::string_view calcDirective = "@calc";
constexpr std::string_view nowDirective = "@now=";

std::optional<int> digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<bool> flag(std::string_view value) {
    if (value == "1") {
        return true;
    }
    if (value == "0") {
        return false;
    }
    return std::nullopt;
}

// "a, b or c".
std::string alternatives(std::span<const std::string_view> keys) {
    std::string text;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        text += i == 0 ? "" : (i + 1 == keys.size() ? " or " : ", ");
        text += keys[i];
    }
    return text;
}

} // namespace

LocalDateTime localClock() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    // The tool runs on one thread: localtime's shared result is not overwritten meanwhile.
    const std::tm local = *std::localtime(&now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

std::string excerpt(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        // Each character starts with a byte that is not a UTF-8 continuation byte.
        const auto byte = static_cast<unsigned char>(text[at]);
        if ((byte & 0xC0) != 0x80 && characters++ == excerptLength) {
            return std::string(text.substr(0, at)) + "…";
        }
    }
    return std::string(text);
}

std::optional<LocalDateTime> parseDateTime(std::string_view text) {
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':') {
        return std::nullopt;
    }
    const auto year = digits(text.substr(0, 4));
    const auto month = digits(text.substr(5, 2));
    const auto day = digits(text.substr(8, 2));
    const auto hour = digits(text.substr(11, 2));
    const auto minute = digits(text.substr(14, 2));
    if (!year || !month || !day || !hour || !minute || *month < 1 || *month > 12 || *day < 1 ||
        *day > daysInMonth(*year, *month) || *hour > 23 || *minute > 59) {
        return std::nullopt;
    }
    return LocalDateTime{*year, *month, *day, *hour, *minute};
}

void SheetScript::apply(std::string_view line) {
    // A script edited on Windows ends its lines with CR LF.
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return;
    }
    if (line == calcDirective) {
        runCalculate();
        return;
    }
    if (line.starts_with(nowDirective)) {
        now_ = parseDateTime(line.substr(nowDirective.size()));
        if (!now_) {
            throw ScriptError("malformed @now (expected YYYY-MM-DD HH:MM): " + excerpt(line));
        }
        return;
    }
    const auto equals = line.find('=');
    if (line.front() == '@' || equals == std::string_view::npos || equals == 0) {
        throw ScriptError("not a directive: " + excerpt(line));
    }
    setField(line.substr(0, equals), line.substr(equals + 1));
}

void SheetScript::finish() {
    if (!calculated_) {
        runCalculate();
    }
    // The 평단·물타기 panel follows its fields and the options as they stand at the end.
    averagingSection(sheet_, now_ ? *now_ : localClock());
}

void SheetScript::runCalculate() {
    calculate(sheet_, now_ ? *now_ : localClock());
    calculated_ = true;
}

void SheetScript::setField(std::string_view name, std::string_view value) {
    if (setGaugeProperty(name, value)) {
        return;
    }
    if (name == "Panel24.visible") {
        const auto visible = flag(value);
        if (!visible) {
            throw ScriptError("Panel24.visible takes 1 or 0, not: " + excerpt(value));
        }
        sheet_.setPanelVisible("Panel24", *visible);
        return;
    }
    const FieldSpec *fieldSpec = findField(name);
    if (fieldSpec == nullptr || fieldSpec->kind == FieldKind::Gauge ||
        fieldSpec->kind == FieldKind::Panel) {
        throw ScriptError("unknown field: " + excerpt(name));
    }
    if (fieldSpec->kind == FieldKind::Memo) {
        sheet_.addMemoLine(name, value);
        return;
    }
    if (fieldSpec->kind == FieldKind::CheckBox && !flag(value)) {
        throw ScriptError(excerpt(name) + " takes 1 or 0, not: " + excerpt(value));
    }
    if (fieldSpec->kind == FieldKind::Choice &&
        std::find(fieldSpec->choices.begin(), fieldSpec->choices.end(), value) ==
            fieldSpec->choices.end()) {
        throw ScriptError(excerpt(name) + " takes " + alternatives(fieldSpec->choices) +
                          ", not: " + excerpt(value));
    }
    if (fieldSpec->kind == FieldKind::Date && !value.empty() && !parseTradeDate(value)) {
        throw ScriptError(excerpt(name) +
                          " takes a date YYYY-MM-DD or nothing, not: " + excerpt(value));
    }
    sheet_.setText(name, value);
}

bool SheetScript::setGaugeProperty(std::string_view name, std::string_view value) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    const std::string_view gauge = name.substr(0, dot);
    const std::string_view property = name.substr(dot + 1);
    const FieldSpec *fieldSpec = findField(gauge);
    if (fieldSpec == nullptr || fieldSpec->kind != FieldKind::Gauge) {
        return false;
    }
    const std::string where = excerpt(std::string(name) + "=" + std::string(value));
    if (property == "color") {
        if (value != "red" && value != "blue") {
            throw ScriptError("a gauge colour is red or blue: " + where);
        }
        sheet_.setGaugeColor(gauge, value == "red" ? GaugeColor::Red : GaugeColor::Blue);
        return true;
    }
    if (property != "max" && property != "progress") {
        throw ScriptError("unknown field: " + excerpt(name));
    }
    const auto number = parseWholeNumber(value);
    if (!number) {
        throw ScriptError("a gauge value is a whole number: " + where);
    }
    if (property == "progress") {
        sheet_.setGaugeProgress(gauge, *number);
    } else if (!sheet_.setGaugeMaximum(gauge, *number)) {
        throw ScriptError("a gauge maximum cannot be negative: " + where);
    }
    return true;
}

} // namespace mx::sheet_tool
