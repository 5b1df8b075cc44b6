#include "cost_model.h"

#include <cmath>
#include <limits>

namespace mx {

// Fees, tax, total and net are formed in the x87 extended format and then held as double.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the cost model needs an extended long double with at least a 64-bit mantissa");

namespace {

constexpr long double hundredth = 0.01L;

std::optional<std::int32_t> toInt32(long double value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// Replaces the last decimal digit of n: 5..9 become 5, 0..4 become 0 (the sign is kept).
std::int64_t lastDigitToFive(std::int64_t n) {
    const std::int64_t magnitude = n < 0 ? -n : n;
    const std::int64_t last = magnitude % 10;
    const std::int64_t replaced = magnitude - last + (last >= 5 ? 5 : 0);
    return n < 0 ? -replaced : replaced;
}

// d × 0.01 is rounded to double before it is added to the buy price.
std::optional<std::int32_t> fiveWonRounding(std::int32_t buyPrice, std::int32_t d, int sign) {
    const auto offset = static_cast<double>(static_cast<long double>(d) * hundredth);
    const long double raw =
        static_cast<long double>(buyPrice) + sign * static_cast<long double>(offset);
    const std::optional<std::int32_t> n = toInt32(std::roundl(raw));
    if (!n) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(lastDigitToFive(*n));
}

} // namespace

std::optional<std::int32_t> checkedMultiply(std::int32_t a, std::int32_t b) {
    std::int32_t result = 0;
    if (__builtin_mul_overflow(a, b, &result)) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::int32_t> checkedSubtract(std::int32_t a, std::int32_t b) {
    std::int32_t result = 0;
    if (__builtin_sub_overflow(a, b, &result)) {
        return std::nullopt;
    }
    return result;
}

std::optional<RoundTrip> evaluateRoundTrip(const Trade &trade, const Commission &commission,
                                           SellAmount sellAmount, TaxOrder taxOrder) {
    const std::optional<std::int32_t> buyAmount = checkedMultiply(trade.quantity, trade.buyPrice);
    if (!buyAmount) {
        return std::nullopt;
    }
    RoundTrip r;
    r.buyAmount = *buyAmount;
    const long double buy = *buyAmount;
    const long double feeShare = commission.feeRate / 100.0L;

    if (sellAmount == SellAmount::Integer) {
        const auto sellPrice = static_cast<std::int32_t>(trade.sellPrice);
        const std::optional<std::int32_t> sell = checkedMultiply(trade.quantity, sellPrice);
        if (!sell) {
            return std::nullopt;
        }
        const std::optional<std::int32_t> gross = checkedSubtract(*sell, *buyAmount);
        if (!gross) {
            return std::nullopt;
        }
        r.sellAmount = *sell;
        r.grossDifference = *gross;
    } else {
        r.sellAmount =
            static_cast<long double>(trade.quantity) * static_cast<long double>(trade.sellPrice);
        r.grossDifference = r.sellAmount - buy;
    }

    long double buyFee = feeShare * buy;
    long double sellFee = feeShare * r.sellAmount;
    if (commission.minimumFeeRule) {
        if (buy < commission.minimumFeeThreshold) {
            buyFee = commission.minimumFee;
        }
        if (r.sellAmount < commission.minimumFeeThreshold) {
            sellFee = commission.minimumFee;
        }
    }
    r.buyFee = static_cast<double>(buyFee);
    r.sellFee = static_cast<double>(sellFee);
    r.tax = static_cast<double>(taxOrder == TaxOrder::RateOverHundred
                                    ? commission.taxRate / 100.0L * r.sellAmount
                                    : commission.taxRate * r.sellAmount * hundredth);

    const long double buyFeeHeld = r.buyFee;
    const long double sellFeeHeld = r.sellFee;
    const long double taxHeld = r.tax;
    if (sellAmount == SellAmount::Integer) {
        // The fee/profit sheet holds the total cost and takes the net result from it.
        r.totalCost = static_cast<double>(buyFeeHeld + sellFeeHeld + taxHeld);
        r.netResult =
            static_cast<double>(r.grossDifference - static_cast<long double>(r.totalCost));
    } else {
        // A scenario forms its net result in one extended expression.
        const long double costs = taxHeld + buyFeeHeld + sellFeeHeld;
        r.totalCost = static_cast<double>(costs);
        r.netResult = static_cast<double>(r.grossDifference - costs);
    }
    if (r.netResult > 0) {
        r.netProfit = r.netResult;
    } else {
        r.netLoss = 0.0 - r.netResult; // a break-even trade is a loss of 0, not -0
    }
    return r;
}

std::optional<std::int32_t> fiveWonPrice(std::int32_t buyPrice, std::int32_t basePrice,
                                         std::int32_t percent) {
    const std::optional<std::int32_t> distance = checkedSubtract(basePrice, buyPrice);
    if (!distance) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> d = checkedMultiply(*distance, percent);
    if (!d) {
        return std::nullopt;
    }
    return fiveWonRounding(buyPrice, *d, +1);
}

std::optional<std::int32_t> dayStopLossPrice(std::int32_t buyPrice, std::int32_t percent) {
    const std::optional<std::int32_t> d = checkedMultiply(buyPrice, percent);
    if (!d) {
        return std::nullopt;
    }
    return fiveWonRounding(buyPrice, *d, -1);
}

} // namespace mx
