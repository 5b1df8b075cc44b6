// Values read from the sheet: integer fields and the options panel.
#include "calculate.h"

namespace mx {

std::int32_t readInteger(const Sheet &sheet, std::string_view name) {
    return readInteger(field(name), sheet.text(name));
}

Market readMarket(const Sheet &sheet) {
    return parseMarket(sheet.text(fields::market)).value_or(Market::Kospi);
}

TradeDate readTradeDate(const Sheet &sheet, const LocalDateTime &now) {
    return parseTradeDate(sheet.text(fields::tradeDate))
        .value_or(TradeDate{now.year, now.month, now.day});
}

StatementRounding readStatementRounding(const Sheet &sheet) {
    return parseStatementRounding(sheet.text(fields::statementRounding))
        .value_or(StatementRounding::Display);
}

Commission readCommission(const Sheet &sheet, const LocalDateTime &now) {
    const std::string feeRate = sheet.text(fields::feeRate);
    const std::string taxRate =
        sheet.isChecked(fields::marketRules)
            ? taxRateInForceText(readMarket(sheet), readTradeDate(sheet, now))
            : sheet.text(fields::taxRate);
    return commissionOf({.feeRate = feeRate,
                         .taxRate = taxRate,
                         .minimumFeeThreshold = readInteger(sheet, fields::minimumFeeThreshold),
                         .minimumFee = readInteger(sheet, fields::minimumFee),
                         .minimumFeeRule = sheet.isChecked(fields::minimumFeeRule),
                         .rounding = readStatementRounding(sheet)});
}

Commission commissionOf(const CommissionOptions &options) {
    Commission c;
    c.feeRate = readDecimal(options.feeRate);
    c.exactFeeRate = readDecimalRate(options.feeRate);
    c.taxRate = readDecimal(options.taxRate);
    c.exactTaxRate = readDecimalRate(options.taxRate);
    c.minimumFeeThreshold = options.minimumFeeThreshold;
    c.minimumFee = options.minimumFee;
    c.minimumFeeRule = options.minimumFeeRule;
    c.rounding = options.rounding;
    return c;
}

std::string taxRateInForceText(Market market, const TradeDate &date) {
    return formatRate(taxRateInForce(market, date).rate);
}

PriceGrid priceGridOf(const Sheet &sheet, const LocalDateTime &now) {
    return priceGridOf(sheet.isChecked(fields::marketRules), readMarket(sheet),
                       readTradeDate(sheet, now));
}

PriceGrid priceGridOf(bool marketRules, Market market, const TradeDate &date) {
    return marketRules ? PriceGrid::ticks(market, date) : PriceGrid::bands();
}

std::string taxRateLineOf(const Sheet &sheet, const LocalDateTime &now) {
    return taxRateLine(readMarket(sheet), readTradeDate(sheet, now));
}

} // namespace mx
