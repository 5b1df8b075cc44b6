#include "cost_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

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

long double sideFee(std::int64_t amount, const CommissionOptions &options) {
    const bool minimum = options.minimumFeeRule && amount < options.minimumFeeThreshold;
    if (options.rounding == StatementRounding::Display) {
        // Extended precision holds every 64-bit amount exactly.
        const long double feeShare = options.feeRate.percent / 100.0L;
        return static_cast<double>(minimum ? options.minimumFee
                                           : feeShare * static_cast<long double>(amount));
    }
    if (const std::optional<std::int64_t> fee = wholeFee(amount, options)) {
        return static_cast<long double>(*fee);
    }
    const std::int64_t unit = options.rounding == StatementRounding::TenWonFees ? 10 : 1;
    return minimum ? options.minimumFee : truncatedShare(amount, options.feeRate.exact, unit);
}

// The amounts of one round trip with the fee of its buy side, and what they cost. Each member is
// set where it is formed, so that no round trip is first cleared and then filled.
struct Amounts {
    std::int64_t buy, sell, gross;
    long double buyFee;
};
struct Costs {
    long double buyFee, sellFee, tax, ruralTax, totalCost, netResult;
};

Costs priceForDisplay(const Amounts &a, const Commission &commission, SellAmount sellAmount,
                      TaxOrder taxOrder) {
    const auto sell = static_cast<long double>(a.sell);
    Costs c;
    c.buyFee = a.buyFee;
    c.sellFee = sellFee(a.sell, commission.options);
    const long double taxRate = commission.tax.percent;
    c.tax = static_cast<double>(taxOrder == TaxOrder::RateOverHundred ? taxRate / 100.0L * sell
                                                                      : taxRate * sell * hundredth);
    c.ruralTax = commission.ruralTax.exact.units == 0 ? 0 : sellTax(a.sell, commission).rural;
    const auto gross = static_cast<long double>(a.gross);
    if (sellAmount == SellAmount::Integer) {
        // The fee/profit sheet holds the total cost and takes the net result from it.
        c.totalCost = static_cast<double>(c.buyFee + c.sellFee + c.tax);
        c.netResult = static_cast<double>(gross - c.totalCost);
    } else {
        // A scenario forms its net result in one extended expression.
        const long double costs = c.tax + c.buyFee + c.sellFee;
        c.totalCost = static_cast<double>(costs);
        c.netResult = static_cast<double>(gross - costs);
    }
    return c;
}

Costs priceTruncated(const Amounts &a, const Commission &commission) {
    const SellTax tax = sellTax(a.sell, commission);
    Costs c;
    c.buyFee = a.buyFee;
    c.sellFee = sellFee(a.sell, commission.options);
    c.tax = tax.total;
    c.ruralTax = tax.rural;
    c.totalCost = c.buyFee + c.sellFee + c.tax;
    c.netResult = static_cast<long double>(a.gross) - c.totalCost;
    return c;
}

// The figures of a round trip under a truncating rounding, in 64-bit integers: where the shares
// are whole 64-bit numbers and their sums stay within 64 bits, as for every statement's rates,
// they are the whole won that priceTruncated forms in extended precision, many times faster,
// which a journal of a million trades and the break-even search feel. Empty where that does
// not hold.
struct WholeCosts {
    std::int64_t buyFee, sellFee, tax, totalCost, netResult;
};

std::optional<WholeCosts> wholeCostsOf(std::int64_t buy, std::int64_t sell,
                                       const Commission &commission) {
    if (commission.options.rounding == StatementRounding::Display) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> buyFee = wholeFee(buy, commission.options);
    const std::optional<std::int64_t> sellFee = wholeFee(sell, commission.options);
    const std::optional<std::int64_t> tax = wholeTax(sell, commission);
    WholeCosts c{};
    if (!buyFee || !sellFee || !tax || __builtin_add_overflow(*buyFee, *sellFee, &c.totalCost) ||
        __builtin_add_overflow(c.totalCost, *tax, &c.totalCost) ||
        __builtin_sub_overflow(sell - buy, c.totalCost, &c.netResult)) {
        return std::nullopt;
    }
    c.buyFee = *buyFee;
    c.sellFee = *sellFee;
    c.tax = *tax;
    return c;
}

Costs extended(const WholeCosts &c, std::int64_t sell, const Commission &commission) {
    // The rural part only where there is one: most sells pay a single tax.
    const long double rural =
        commission.ruralTax.exact.units == 0 ? 0 : sellTax(sell, commission).rural;
    return {static_cast<long double>(c.buyFee),    static_cast<long double>(c.sellFee),
            static_cast<long double>(c.tax),       rural,
            static_cast<long double>(c.totalCost), static_cast<long double>(c.netResult)};
}

Costs priceAmounts(const Amounts &a, const Commission &commission, SellAmount sellAmount,
                   TaxOrder taxOrder) {
    return commission.options.rounding == StatementRounding::Display
               ? priceForDisplay(a, commission, sellAmount, taxOrder)
               : priceTruncated(a, commission);
}

Amounts amountsOf(const Trade &trade, long double buyFee) {
    const std::int64_t buy = std::int64_t{trade.quantity} * trade.buyPrice;
    const std::int64_t sell = std::int64_t{trade.quantity} * trade.sellPrice;
    return {buy, sell, sell - buy, buyFee};
}

} // namespace

long double buyFee(std::int64_t amount, const CommissionOptions &options) {
    return sideFee(amount, options);
}

long double sellFee(std::int64_t amount, const CommissionOptions &options) {
    return sideFee(amount, options);
}

SellTax sellTax(std::int64_t amount, const Commission &commission) {
    const bool rural = commission.ruralTax.exact.units != 0;
    if (commission.options.rounding == StatementRounding::Display) {
        const auto sell = static_cast<long double>(amount);
        return {static_cast<double>(commission.tax.percent / 100.0L * sell),
                rural ? static_cast<double>(commission.ruralTax.percent / 100.0L * sell) : 0.0};
    }
    const long double transaction = truncatedShare(amount, commission.transactionTax.exact, 1);
    const long double ruralTax = rural ? truncatedShare(amount, commission.ruralTax.exact, 1) : 0;
    return {transaction + ruralTax, ruralTax};
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
    const std::int64_t buy = std::int64_t{trade.quantity} * trade.buyPrice;
    const std::int64_t sell = std::int64_t{trade.quantity} * trade.sellPrice;
    const std::optional<WholeCosts> whole = wholeCostsOf(buy, sell, commission);
    const Costs c = whole ? extended(*whole, sell, commission)
                          : priceAmounts(amountsOf(trade, buyFee(buy, commission.options)),
                                         commission, sellAmount, taxOrder);
    const bool profit = c.netResult > 0;
    return {.buyAmount = buy,
            .sellAmount = sell,
            .buyFee = c.buyFee,
            .sellFee = c.sellFee,
            .tax = c.tax,
            .ruralTax = c.ruralTax,
            .totalCost = c.totalCost,
            .grossDifference = sell - buy,
            .netResult = c.netResult,
            .netProfit = profit ? c.netResult : 0,
            .netLoss = profit ? 0 : 0.0 - c.netResult}; // a break-even trade is a loss of 0, not -0
}

long double netResultOf(const Trade &trade, long double buyFee, const Commission &commission,
                        SellAmount sellAmount, TaxOrder taxOrder) {
    // In integers the buy fee is formed again: as cheap as taking the extended one apart.
    if (const std::optional<WholeCosts> c =
            wholeCostsOf(std::int64_t{trade.quantity} * trade.buyPrice,
                         std::int64_t{trade.quantity} * trade.sellPrice, commission)) {
        return static_cast<long double>(c->netResult);
    }
    return priceAmounts(amountsOf(trade, buyFee), commission, sellAmount, taxOrder).netResult;
}

std::int32_t fiveWonPrice(std::int32_t buyPrice, std::int32_t basePrice, std::int32_t percent) {
    const std::int64_t distance = std::int64_t{basePrice} - buyPrice;
    return fiveWonRounding(buyPrice, distance * percentWithinBounds(percent), +1);
}

std::int32_t dayStopLossPrice(std::int32_t buyPrice, std::int32_t percent) {
    return fiveWonRounding(buyPrice, buyPrice * percentWithinBounds(percent), -1);
}

} // namespace mx
