#include "cost_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mx {

// Under the display rounding, fees, tax, total and net are formed in the x87 extended format
// and then held as double.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the cost model needs an extended long double with at least a 64-bit mantissa");

namespace {

constexpr long double hundredth = 0.01L;

// Replaces the last decimal digit of n: 5..9 become 5, 0..4 become 0 (the sign is kept).
std::int64_t lastDigitToFive(std::int64_t n) {
    const std::int64_t magnitude = n < 0 ? -n : n;
    const std::int64_t last = magnitude % 10;
    const std::int64_t replaced = magnitude - last + (last >= 5 ? 5 : 0);
    return n < 0 ? -replaced : replaced;
}

// d × 0.01 is rounded to double before it is added to the buy price. With d = distance × p
// and p within 0..100 the sum lies between the buy price and the far end, so it rounds to a
// 32-bit price, and replacing its last digit moves it towards zero.
std::int32_t fiveWonRounding(std::int32_t buyPrice, std::int64_t d, int sign) {
    const auto offset = static_cast<double>(static_cast<long double>(d) * hundredth);
    const long double raw =
        static_cast<long double>(buyPrice) + sign * static_cast<long double>(offset);
    return static_cast<std::int32_t>(lastDigitToFive(static_cast<std::int64_t>(std::roundl(raw))));
}

std::int64_t percentWithinBounds(std::int32_t percent) {
    return std::clamp(percent, 0, 100);
}

// The fee of one side: the minimum fee, when the rule is on and the amount is below its
// threshold, or else `percentage`.
long double sideFee(const Commission &commission, std::int64_t amount, long double percentage) {
    if (commission.minimumFeeRule && amount < commission.minimumFeeThreshold) {
        return commission.minimumFee;
    }
    return percentage;
}

void priceForDisplay(RoundTrip &r, const Commission &commission, SellAmount sellAmount,
                     TaxOrder taxOrder) {
    // Extended precision holds every 64-bit amount exactly.
    const auto buy = static_cast<long double>(r.buyAmount);
    const auto sell = static_cast<long double>(r.sellAmount);
    const long double feeShare = commission.feeRate / 100.0L;
    r.buyFee = static_cast<double>(sideFee(commission, r.buyAmount, feeShare * buy));
    r.sellFee = static_cast<double>(sideFee(commission, r.sellAmount, feeShare * sell));
    r.tax = static_cast<double>(taxOrder == TaxOrder::RateOverHundred
                                    ? commission.taxRate / 100.0L * sell
                                    : commission.taxRate * sell * hundredth);
    const auto gross = static_cast<long double>(r.grossDifference);
    if (sellAmount == SellAmount::Integer) {
        // The fee/profit sheet holds the total cost and takes the net result from it.
        r.totalCost = static_cast<double>(r.buyFee + r.sellFee + r.tax);
        r.netResult = static_cast<double>(gross - r.totalCost);
    } else {
        // A scenario forms its net result in one extended expression.
        const long double costs = r.tax + r.buyFee + r.sellFee;
        r.totalCost = static_cast<double>(costs);
        r.netResult = static_cast<double>(gross - costs);
    }
}

void priceTruncated(RoundTrip &r, const Commission &commission) {
    const std::int64_t feeUnit = commission.rounding == StatementRounding::TenWonFees ? 10 : 1;
    r.buyFee = sideFee(commission, r.buyAmount,
                       truncatedShare(r.buyAmount, commission.exactFeeRate, feeUnit));
    r.sellFee = sideFee(commission, r.sellAmount,
                        truncatedShare(r.sellAmount, commission.exactFeeRate, feeUnit));
    r.tax = truncatedShare(r.sellAmount, commission.exactTaxRate, 1);
    r.totalCost = r.buyFee + r.sellFee + r.tax;
    r.netResult = static_cast<long double>(r.grossDifference) - r.totalCost;
}

} // namespace

std::optional<StatementRounding> parseStatementRounding(std::string_view key) {
    for (std::size_t i = 0; i < statementRoundingKeys.size(); ++i) {
        if (statementRoundingKeys[i] == key) {
            return static_cast<StatementRounding>(i);
        }
    }
    return std::nullopt;
}

std::string_view statementRoundingKey(StatementRounding rounding) {
    return statementRoundingKeys[static_cast<std::size_t>(rounding)];
}

std::optional<std::int32_t> checkedSubtract(std::int32_t a, std::int32_t b) {
    std::int32_t result = 0;
    if (__builtin_sub_overflow(a, b, &result)) {
        return std::nullopt;
    }
    return result;
}

RoundTrip evaluateRoundTrip(const Trade &trade, const Commission &commission, SellAmount sellAmount,
                            TaxOrder taxOrder) {
    RoundTrip r;
    r.buyAmount = std::int64_t{trade.quantity} * trade.buyPrice;
    r.sellAmount = std::int64_t{trade.quantity} * trade.sellPrice;
    r.grossDifference = r.sellAmount - r.buyAmount;
    if (commission.rounding == StatementRounding::Display) {
        priceForDisplay(r, commission, sellAmount, taxOrder);
    } else {
        priceTruncated(r, commission);
    }
    if (r.netResult > 0) {
        r.netProfit = r.netResult;
    } else {
        r.netLoss = 0.0 - r.netResult; // a break-even trade is a loss of 0, not -0
    }
    return r;
}

std::int32_t fiveWonPrice(std::int32_t buyPrice, std::int32_t basePrice, std::int32_t percent) {
    const std::int64_t distance = std::int64_t{basePrice} - buyPrice;
    return fiveWonRounding(buyPrice, distance * percentWithinBounds(percent), +1);
}

std::int32_t dayStopLossPrice(std::int32_t buyPrice, std::int32_t percent) {
    return fiveWonRounding(buyPrice, buyPrice * percentWithinBounds(percent), -1);
}

} // namespace mx
