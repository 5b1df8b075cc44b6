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

#include <string>

namespace mx {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// The Calculate command: hides Panel24, checks s1 and s2 (a missing one is a message and
// ends the command), stamps Edit6 with `now`, fills the fee/profit sheet, the long-term and
// day-trading sections, the three gauges and the diagnosis.
void calculate(Sheet &sheet, const LocalDateTime &now);

// The time stamp written into Edit6: "2026년 3월 7일  9시 5분 ".
std::string formatTimeStamp(const LocalDateTime &now);

// The sections Calculate runs, in its order.
void feeSheet(Sheet &sheet, const LocalDateTime &now);
void longTermSection(Sheet &sheet);
void dayTradingSection(Sheet &sheet);
void gaugeSteps(Sheet &sheet);
void diagnosis(Sheet &sheet); // N11Click

// Values read from the sheet by the catalogue's rules.
std::int32_t readInteger(const Sheet &sheet, std::string_view name);
Commission readCommission(const Sheet &sheet);

} // namespace mx
