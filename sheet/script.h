#pragma once

#include "calc/calculate.h"
#include "calc/memory_sheet.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mx::sheet_tool {

// A line the tool cannot act on: an unknown field name or a malformed directive.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How much of a refused line its reason quotes, in characters.
inline constexpr std::size_t excerptLength = 200;

// `text` as a reason quotes it: its first excerptLength characters (UTF-8), followed by "…"
// when it is longer.
std::string excerpt(std::string_view text);

// The local time of the system clock, to the minute.
LocalDateTime localClock();

// "YYYY-MM-DD HH:MM" as a valid local date and time, or nothing.
std::optional<LocalDateTime> parseDateTime(std::string_view text);

// Runs the directives of one input, line by line, on an in-memory sheet that starts as the
// window starts. The sheet keeps every message Calculate showed, in order.
class SheetScript {
public:
    // Acts on one line (without its line break; a carriage return left at its end by CR LF
    // input is dropped); throws ScriptError for a line it refuses.
    void apply(std::string_view line);

    // Ends the input: runs Calculate once when no line asked for it.
    void finish();

    const MemorySheet &sheet() const { return sheet_; }
    const std::vector<std::string> &messages() const { return sheet_.messages(); }

private:
    void runCalculate();
    void setField(std::string_view name, std::string_view value);
    bool setGaugeProperty(std::string_view name, std::string_view value);

    MemorySheet sheet_;
    std::optional<LocalDateTime> now_;
    bool calculated_ = false;
};

} // namespace mx::sheet_tool
