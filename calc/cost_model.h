#pragma once

#include "decimal_rate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mx {

// How a statement rounds its fees and tax.
enum class StatementRounding {
    Display,    // "round": figures kept in full and rounded only where they are shown
    Won,        // "won": each fee and the tax truncated to whole won
    TenWonFees, // "ten": each fee truncated to 10 won, the tax to whole won
};

// The rounding of an exact ASCII key: "round", "won" or "ten".
std::optional<StatementRounding> parseStatementRounding(std::string_view key);
std::string_view statementRoundingKey(StatementRounding rounding);

// The keys in the order of the enumeration, as the rounding's choice field offers them.
inline constexpr std::array<std::string_view, 3> statementRoundingKeys{"round", "won", "ten"};

// Brokerage settings of the options panel.
struct Commission {
    long double feeRate = 0.029L; // percent of a trade amount, both sides
    long double taxRate = 0.3L;   // percent of the sell amount
    std::int32_t minimumFeeThreshold = 200000;
    std::int32_t minimumFee = 500;
    bool minimumFeeRule = false;
    StatementRounding rounding = StatementRounding::Display;
    // The same two rates as exact decimals, read from the same texts; the truncating
    // roundings take fees and tax from these.
    DecimalRate exactFeeRate{29, 3};
    DecimalRate exactTaxRate{3, 1};
};

// How the net result of one evaluation is formed under the display rounding.
enum class SellAmount {
    Integer,  // the fee/profit sheet: the total cost is held, the net result taken from it
    Floating, // scenario prices: the net result formed in one extended expression
};

// How the tax is formed under the display rounding: (rate ÷ 100) × amount, or
// rate × amount × 0.01.
enum class TaxOrder { RateOverHundred, RateTimesHundredth };

// One round trip. Amounts are whole won in 64 bits: a quantity and a price of 32 bits each
// always fit. Under the display rounding, fees, tax, total and net are formed in extended
// precision and held as double values; under a truncating rounding they are whole won, the
// total and the net the sums of the truncated figures.
struct RoundTrip {
    std::int64_t buyAmount = 0;
    std::int64_t sellAmount = 0;
    long double buyFee = 0;
    long double sellFee = 0;
    long double tax = 0;
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

// The fee of one side of a round trip on `amount`, as evaluateRoundTrip forms either side's.
long double sideFeeOf(std::int64_t amount, const Commission &commission);

// Prices one round trip under the commission's rounding.
RoundTrip evaluateRoundTrip(const Trade &trade, const Commission &commission, SellAmount sellAmount,
                            TaxOrder taxOrder);

// The net result evaluateRoundTrip gives for `trade`, where `buyFee` is sideFeeOf its buy amount:
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
