#pragma once

#include "commission.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mx {

// How the net result of one evaluation is formed under the display rounding.
enum class SellAmount {
    Integer,  // the fee/profit sheet: the total cost is held, the net result taken from it
    Floating, // scenario prices: the net result formed in one extended expression
};

// How the tax is formed under the display rounding: (rate ÷ 100) × amount, or
// rate × amount × 0.01.
enum class TaxOrder { RateOverHundred, RateTimesHundredth };

// One round trip. Amounts are whole won in 64 bits: a quantity and a price of 32 bits each
// always fit. The fees and the tax are those of buyFee, sellFee and sellTax (commission.h).
// Under the display rounding, fees, tax, total and net are formed in extended precision and
// held as double values; under a truncating rounding they are whole won, the total and the net
// the sums of the truncated figures.
struct RoundTrip {
    std::int64_t buyAmount = 0;
    std::int64_t sellAmount = 0;
    long double buyFee = 0;
    long double sellFee = 0;
    long double tax = 0;
    long double ruralTax = 0; // the part of the tax that is the rural special tax
    long double totalCost = 0;
    std::int64_t grossDifference = 0;
    long double netResult = 0;
    long double netProfit = 0;
    long double netLoss = 0;
};

struct Trade {
    std::int32_t quantity = 0;
    std::int32_t buyPrice = 0;
    std::int32_t sellPrice = 0;
};

// Prices one round trip under the commission's rounding.
RoundTrip evaluateRoundTrip(const Trade &trade, const Commission &commission, SellAmount sellAmount,
                            TaxOrder taxOrder);

// The net result evaluateRoundTrip gives for `trade`, where `buyFee` is the fee of its buy amount:
// one position priced at many sell prices without forming its buy fee and the whole round trip
// each time.
long double netResultOf(const Trade &trade, long double buyFee, const Commission &commission,
                        SellAmount sellAmount, TaxOrder taxOrder);

// A price p percent of the way from `buyPrice` towards `basePrice`, rounded to whole won
// and then down to a last digit of 0 or 5. The percentage is taken within 0..100, as the
// percentage fields hold it, so the price lies between the two and stays a 32-bit price.
std::int32_t fiveWonPrice(std::int32_t buyPrice, std::int32_t basePrice, std::int32_t percent);

// The buy price lowered by p percent of itself (p within 0..100), with the same rounding.
std::int32_t dayStopLossPrice(std::int32_t buyPrice, std::int32_t percent);

// Checked 32-bit subtraction: empty when the exact result leaves the signed 32-bit range.
std::optional<std::int32_t> checkedSubtract(std::int32_t a, std::int32_t b);

} // namespace mx
