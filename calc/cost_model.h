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

// How the net result of one evaluation is formed.
enum class SellAmount {
    Integer,  // the fee/profit sheet: the total cost is held, the net result taken from it
    Floating, // scenario prices: the net result formed in one extended expression
};

// How the tax is formed: (rate ÷ 100) × amount, or rate × amount × 0.01.
enum class TaxOrder { RateOverHundred, RateTimesHundredth };

// One round trip. Amounts are whole won in 64 bits: a quantity and a price of 32 bits each
// always fit. Fees, tax, total and net are formed in extended precision and held as double.
struct RoundTrip {
    std::int64_t buyAmount = 0;
    std::int64_t sellAmount = 0;
    double buyFee = 0;
    double sellFee = 0;
    double tax = 0;
    double totalCost = 0;
    std::int64_t grossDifference = 0;
    double netResult = 0;
    double netProfit = 0;
    double netLoss = 0;
};

struct Trade {
    std::int32_t quantity = 0;
    std::int32_t buyPrice = 0;
    std::int32_t sellPrice = 0;
};

RoundTrip evaluateRoundTrip(const Trade &trade, const Commission &commission, SellAmount sellAmount,
                            TaxOrder taxOrder);

// A price p percent of the way from `buyPrice` towards `basePrice`, rounded to whole won
// and then down to a last digit of 0 or 5. The percentage is taken within 0..100, as the
// percentage fields hold it, so the price lies between the two and stays a 32-bit price.
std::int32_t fiveWonPrice(std::int32_t buyPrice, std::int32_t basePrice, std::int32_t percent);

// The buy price lowered by p percent of itself (p within 0..100), with the same rounding.
std::int32_t dayStopLossPrice(std::int32_t buyPrice, std::int32_t percent);

// Checked 32-bit subtraction: empty when the exact result leaves the signed 32-bit range.
std::optional<std::int32_t> checkedSubtract(std::int32_t a, std::int32_t b);

} // namespace mx
