// The commission options and the tax of a market and date. The fees and the sell tax, which the
// cost model evaluates many times over, are defined beside it in cost_model.cpp.
#include "commission.h"

#include "enum_keys.h"
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

} // namespace

std::optional<StatementRounding> parseStatementRounding(std::string_view key) {
    return enum_keys::valueOf<StatementRounding>(statementRoundingKeys, key);
}

std::string_view statementRoundingKey(StatementRounding rounding) {
    return enum_keys::keyOf(statementRoundingKeys, rounding);
}

Rate readRate(std::string_view text) {
    return {readDecimal(text), readDecimalRate(text)};
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

SellTax sellTax(std::int64_t amount, const CommissionOptions &options, Market market,
                const TradeDate &date) {
    return sellTax(amount, commissionFor(options, market, date));
}

PriceGrid priceGrid(const CommissionOptions &options, Market market, const TradeDate &date) {
    return options.marketRules ? PriceGrid::ticks(market, date) : PriceGrid::bands();
}

} // namespace mx
