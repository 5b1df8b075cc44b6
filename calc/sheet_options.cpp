// Values read from the sheet: integer fields and the options panel.
#include "calculate.h"

namespace mx {

std::int32_t readInteger(const Sheet &sheet, std::string_view name) {
    return readInteger(field(name), sheet.text(name));
}

CommissionOptions readCommissionOptions(const Sheet &sheet, const LocalDateTime &now) {
    return {
        .feeRate = readRate(sheet.text("r1")),
        .taxRate = readRate(sheet.text("r2")),
        .minimumFeeRule = sheet.isChecked("CheckBox1"),
        .minimumFeeThreshold = readInteger(sheet, "r3"),
        .minimumFee = readInteger(sheet, "r4"),
        .marketRules = sheet.isChecked("CheckBox2"),
        .market = parseMarket(sheet.text("ComboBox1")).value_or(Market::Kospi),
        .tradeDate = parseTradeDate(sheet.text("DateEdit1"))
                         .value_or(TradeDate{now.year, now.month, now.day}),
        .rounding =
            parseStatementRounding(sheet.text("ComboBox2")).value_or(StatementRounding::Display)};
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
