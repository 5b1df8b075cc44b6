#pragma once

// The calculation core of MX 주식계산기.
//
// Input fields -> Sheet -> calculate() -> Sheet -> result fields.
// The core reads every value from a Sheet (the field-access interface in sheet.h) by the
// reading rules of the field catalogue (fields.h), prices each round trip with the cost
// model (cost_model.h), and writes every result back through the same Sheet as display
// text. It owns no data and knows nothing of windows, files or the clock: the window and
// the headless sheet tool implement Sheet and supply the time.

#include "cost_model.h"
#include "fields.h"
#include "sheet.h"

#include <optional>
#include <string>

namespace mx {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// What a Calculate run left unfinished. `failure` holds the message of a failure of the
// long-term or day-trading section, which ends the command and belongs in an error box.
struct CalculateOutcome {
    std::optional<std::string> failure;
};

// The Calculate command: hides Panel24, checks s1 and s2, stamps Edit6 with `now`, fills
// the fee/profit sheet, the long-term and day-trading sections, the three gauges and the
// diagnosis, with the failure handling of each block.
CalculateOutcome calculate(Sheet &sheet, const LocalDateTime &now);

// The time stamp written into Edit6: "2026년 3월 7일  9시 5분 ".
std::string formatTimeStamp(const LocalDateTime &now);

// The sections Calculate runs, in its order. The planning sections return the message of
// a failure that ends the command, or nothing when they finished.
bool feeSheet(Sheet &sheet, const LocalDateTime &now); // false: the fee sheet failed
std::optional<std::string> longTermSection(Sheet &sheet);
std::optional<std::string> dayTradingSection(Sheet &sheet);
void gaugeSteps(Sheet &sheet);
void diagnosis(Sheet &sheet); // N11Click

// Values read from the sheet by the catalogue's rules.
std::int32_t readInteger(const Sheet &sheet, std::string_view name);
Commission readCommission(const Sheet &sheet);

} // namespace mx
