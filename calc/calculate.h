#pragma once

// The calculation core of MX 주식계산기.
//
// Input fields -> Sheet -> calculate() -> Sheet -> result fields.
// The core reads every value from a Sheet (the field-access interface in sheet.h) by the
// reading rules of the field catalogue (fields.h), prices each round trip with the cost
// model (cost_model.h) under the commission options (commission.h) and the market rules of the
// trade date (market_rules.h), and
// writes every result back through the same Sheet as display text. It owns no data and knows
// nothing of windows, files or the clock: the window and the headless sheet tool implement Sheet
// and supply the time.

#include "commission.h"
#include "cost_model.h"
#include "fields.h"
#include "market_rules.h"
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
// ends the command), stamps Edit6 with `now`, fills the fee/profit sheet and its break-even
// price, the long-term and day-trading sections, the three gauges and the diagnosis.
void calculate(Sheet &sheet, const LocalDateTime &now);

// The time stamp written into Edit6: "2026년 3월 7일  9시 5분 ".
std::string formatTimeStamp(const LocalDateTime &now);

// The sections Calculate runs, in its order, under the commission it read once for them all.
void feeSheet(Sheet &sheet, const LocalDateTime &now, const Commission &commission);
// e8: the lowest price on `grid` at which selling s1 shares bought at s2 breaks even, or
// empty when there is none (or s1 or s2 is not above 0).
void breakEvenSection(Sheet &sheet, const Commission &commission, const PriceGrid &grid);
void longTermSection(Sheet &sheet, const Commission &commission);
void dayTradingSection(Sheet &sheet, const Commission &commission);
void gaugeSteps(Sheet &sheet);
void diagnosis(Sheet &sheet); // N11Click

// Values read from the sheet by the catalogue's rules.
std::int32_t readInteger(const Sheet &sheet, std::string_view name);

// The commission options of the options panel: r1 .. r4, CheckBox1, CheckBox2, the market of
// ComboBox1 (KOSPI for a text that is not a market key), the trade date of DateEdit1 (the date
// of `now` when it is empty or not a date) and the rounding of ComboBox2 (the display rounding
// for an unknown text). Calculate prices every evaluation with commissionFor of them.
CommissionOptions readCommissionOptions(const Sheet &sheet, const LocalDateTime &now);

// The prices a price field steps through under the options panel (priceGrid).
PriceGrid priceGridOf(const Sheet &sheet, const LocalDateTime &now);

// The options panel's tax line for the market and trade date chosen, saying whether CheckBox2
// applies them (taxRateLine).
std::string taxRateLineOf(const Sheet &sheet, const LocalDateTime &now);

} // namespace mx
