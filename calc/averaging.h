#pragma once

// The 평단·물타기 panel: a holding of one stock and up to five further buys, priced as a position
// (position.h) by the options panel's choices; the holding valued at the current price, where it
// breaks even, and the buy at the current price that brings its average to a target.
//
// Its fields: P1 보유수량 and P2 평균단가 (the holding, bought as one fill), P3/P4 .. P11/P12 the
// quantity and price of the further buys, P13 현재가, P14 목표 평단; and its results Q1 총수량,
// Q2 평균단가, Q3 수수료 포함 평단, Q4 총매수금액, Q5 평가금액, Q6 평가손익, Q7 수익률, Q8
// 손익분기가, then for the target Q9 필요 수량, Q10 필요 금액, Q11 매수 후 평단, or Q12, the
// sentence that says why the target cannot be reached at the current price.

#include "calculate.h"
#include "position.h"
#include "sheet.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace mx {

// A quantity and a price per share. A row of the panel is a buy only when both are above 0.
struct AveragingBuy {
    std::int32_t quantity = 0;
    std::int32_t price = 0;
};

inline constexpr std::size_t averagingBuyRows = 5;

struct AveragingInputs {
    AveragingBuy holding; // 보유수량 at 평균단가
    std::array<AveragingBuy, averagingBuyRows> buys{};
    std::int32_t currentPrice = 0;  // 현재가; 0: not entered
    std::int32_t targetAverage = 0; // 목표 평단; 0: not entered
};

// Where and when the holding would be sold: the market's rules choose its tax by them.
struct AveragingSale {
    Market market = Market::Kospi;
    TradeDate date{};
};

// The text of each result field; empty where there is nothing to show.
struct AveragingResults {
    std::string quantity;       // Q1
    std::string averagePrice;   // Q2
    std::string averageCost;    // Q3
    std::string buyAmount;      // Q4
    std::string value;          // Q5: every share at the current price
    std::string profit;         // Q6: realized as a statement shows it, the sell fee and tax off
    std::string returnRate;     // Q7: the profit in percent of the buy amount, "-9.72%"
    std::string breakEven;      // Q8: on the price grid, counting the buy fees
    std::string targetQuantity; // Q9
    std::string targetCash;     // Q10: amount and fee
    std::string targetAverage;  // Q11: the average price after that buy
    std::string note;           // Q12
};

AveragingResults averagingResults(const AveragingInputs &inputs, const Pricing &pricing,
                                  const AveragingSale &sale);

// The panel's fields in the order of reading.
inline constexpr std::array<std::string_view, 14> averagingInputFields{
    "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9", "P10", "P11", "P12", "P13", "P14"};
inline constexpr std::array<std::string_view, 12> averagingResultFields{
    "Q1", "Q2", "Q3", "Q4", "Q5", "Q6", "Q7", "Q8", "Q9", "Q10", "Q11", "Q12"};

bool isAveragingField(std::string_view name);
// Whether a price is typed into the field (P2, P4 .. P12, P13, P14) rather than a quantity.
bool isAveragingPriceField(std::string_view name);

// Whether any input of the panel holds a text.
bool averagingEntered(const Sheet &sheet);

// The inputs of P1..P14 by the catalogue's reading rules.
AveragingInputs readAveragingInputs(const Sheet &sheet);

// Reads the panel's inputs and the options panel's choices (the commission, the market's rules,
// the market and the trade date) and writes Q1..Q12.
void averagingSection(Sheet &sheet, const LocalDateTime &now);

// An empty holding (P1 and P2 both empty) takes the quantity and buy price of page 1, s1 and s2,
// when both are above 0.
void seedAveragingHolding(Sheet &sheet);

} // namespace mx
