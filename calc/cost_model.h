#pragma once

#include <cstdint>
#include <optional>

namespace mx {

// Brokerage settings of the options panel.
struct Commission {
    long double feeRate = 0.029L; // percent of a trade amount, both sides
    long double taxRate = 0.3L;   // percent of the sell amount
    std::int32_t minimumFeeThreshold = 200000;
    std::int32_t minimumFee = 500;
    bool minimumFeeRule = false;
};

// How the sell side of one evaluation is formed.
enum class SellAmount {
    Integer,  // quantity × sell price in 32-bit arithmetic (fee/profit sheet)
    Floating, // quantity × sell price in floating point (scenario prices)
};

// How the tax is formed: (rate ÷ 100) × amount, or rate × amount × 0.01.
enum class TaxOrder { RateOverHundred, RateTimesHundredth };

struct RoundTrip {
    std::int32_t buyAmount = 0;
    long double sellAmount = 0; // a whole number of won
    double buyFee = 0;
    double sellFee = 0;
    double tax = 0;
    double totalCost = 0;
    long double grossDifference = 0;
    double netResult = 0;
    double netProfit = 0;
    double netLoss = 0;
};

struct Trade {
    std::int32_t quantity = 0;
    std::int32_t buyPrice = 0;
    double sellPrice = 0; // a whole number of won
};

// Prices one round trip. Empty when an amount the sheet keeps in 32 bits (the buy amount,
// and for SellAmount::Integer the sell amount and the gross difference) would not fit.
std::optional<RoundTrip> evaluateRoundTrip(const Trade &trade, const Commission &commission,
                                           SellAmount sellAmount, TaxOrder taxOrder);

// A price p percent of the way from `buyPrice` towards `basePrice`, rounded to whole won
// and then down to a last digit of 0 or 5. Empty when (base − buy) × p leaves 32 bits.
std::optional<std::int32_t> fiveWonPrice(std::int32_t buyPrice, std::int32_t basePrice,
                                         std::int32_t percent);

// The buy price lowered by p percent of itself, with the same rounding. Empty when
// buy × p leaves 32 bits.
std::optional<std::int32_t> dayStopLossPrice(std::int32_t buyPrice, std::int32_t percent);

// Checked 32-bit arithmetic: empty when the exact result leaves the signed 32-bit range.
std::optional<std::int32_t> checkedMultiply(std::int32_t a, std::int32_t b);
std::optional<std::int32_t> checkedSubtract(std::int32_t a, std::int32_t b);

} // namespace mx
