// Values read from the sheet: integer fields and the options panel.
#include "calculate.h"

namespace mx {

std::int32_t readInteger(const Sheet &sheet, std::string_view name) {
    return readInteger(field(name), sheet.text(name));
}

CommissionOptions readCommissionOptions(const Sheet &sheet, const LocalDateTime &now) {
    return {.feeRate = readRate(sheet.text(fields::feeRate)),
            .taxRate = readRate(sheet.text(fields::taxRate)),
            .minimumFeeRule = sheet.isChecked(fields::minimumFeeRule),
            .minimumFeeThreshold = readInteger(sheet, fields::minimumFeeThreshold),
            .minimumFee = readInteger(sheet, fields::minimumFee),
            .marketRules = sheet.isChecked(fields::marketRules),
            .market = parseMarket(sheet.text(fields::market)).value_or(Market::Kospi),
            .tradeDate = parseTradeDate(sheet.text(fields::tradeDate))
                             .value_or(TradeDate{now.year, now.month, now.day}),
            .rounding = parseStatementRounding(sheet.text(fields::statementRounding))
                            .value_or(StatementRounding::Display)};
}

PriceGrid priceGridOf(const Sheet &sheet, const LocalDateTime &now) {
    const CommissionOptions options = readCommissionOptions(sheet, now);
    return priceGrid(options, options.market, options.tradeDate);
}

std::string taxRateLineOf(const Sheet &sheet, const LocalDateTime &now) {
    const CommissionOptions options = readCommissionOptions(sheet, now);
    return taxRateLine(options.market, options.tradeDate, options.marketRules);
}

} // namespace mx
