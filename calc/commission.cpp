#include "commission.h"

#include "fields.h"

namespace mx {
namespace {

// The rate of the tax table's exact decimal. Its units and the power of ten are both exact in
// extended precision, so their quotient is the nearest value to the decimal, as reading its
// text gives it.
Rate rateOf(const DecimalRate &exact) {
    if (exact.scale < 0 || exact.scale >= std::ssize(detail::powersOfTen)) {
        return readRate(formatRate(exact));
    }
    return {
        static_cast<long double>(exact.units) /
            static_cast<long double>(detail::powersOfTen[static_cast<std::size_t>(exact.scale)]),
        exact};
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

Rate readRate(std::string_view text) {
    return {readDecimal(text), readDecimalRate(text)};
}

long double buyFee(std::int64_t amount, const CommissionOptions &options) {
    return sideFee(amount, options);
}

long double sellFee(std::int64_t amount, const CommissionOptions &options) {
    return sideFee(amount, options);
}

Commission commissionFor(const CommissionOptions &options, Market market, const TradeDate &date) {
    if (!options.marketRules) {
        return {options, options.taxRate, Rate{}, options.taxRate};
    }
    const TaxRate inForce = taxRateInForce(market, date);
    return {options, rateOf(inForce.transaction), rateOf(inForce.rural), rateOf(inForce.total())};
}

Commission commissionFor(const CommissionOptions &options) {
    return commissionFor(options, options.market, options.tradeDate);
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

SellTax sellTax(std::int64_t amount, const CommissionOptions &options, Market market,
                const TradeDate &date) {
    return sellTax(amount, commissionFor(options, market, date));
}

PriceGrid priceGrid(const CommissionOptions &options, Market market, const TradeDate &date) {
    return options.marketRules ? PriceGrid::ticks(market, date) : PriceGrid::bands();
}

} // namespace mx
