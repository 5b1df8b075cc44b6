// Values read from the sheet: integer fields and the options panel.
#include "calculate.h"

namespace mx {

std::int32_t readInteger(const Sheet &sheet, std::string_view name) {
    return readInteger(field(name), sheet.text(name));
}

Market readMarket(const Sheet &sheet) {
    return parseMarket(sheet.text("ComboBox1")).value_or(Market::Kospi);
}

TradeDate readTradeDate(const Sheet &sheet, const LocalDateTime &now) {
    return parseTradeDate(sheet.text("DateEdit1"))
        .value_or(TradeDate{now.year, now.month, now.day});
}

StatementRounding readStatementRounding(const Sheet &sheet) {
    return parseStatementRounding(sheet.text("ComboBox2")).value_or(StatementRounding::Display);
}

Commission readCommission(const Sheet &sheet, const LocalDateTime &now) {
    Commission c;
    const std::string feeRate = sheet.text("r1");
    std::string taxRate = sheet.text("r2");
    if (sheet.isChecked("CheckBox2")) {
        taxRate = formatRate(taxRateInForce(readMarket(sheet), readTradeDate(sheet, now)).rate);
    }
    // Both forms of a rate come from one text, so that they always agree.
    c.feeRate = readDecimal(feeRate);
    c.exactFeeRate = readDecimalRate(feeRate);
    c.taxRate = readDecimal(taxRate);
    c.exactTaxRate = readDecimalRate(taxRate);
    c.minimumFeeThreshold = readInteger(sheet, "r3");
    c.minimumFee = readInteger(sheet, "r4");
    c.minimumFeeRule = sheet.isChecked("CheckBox1");
    c.rounding = readStatementRounding(sheet);
    return c;
}

PriceGrid priceGridOf(const Sheet &sheet, const LocalDateTime &now) {
    if (!sheet.isChecked("CheckBox2")) {
        return PriceGrid::bands();
    }
    return PriceGrid::ticks(readMarket(sheet), readTradeDate(sheet, now));
}

std::string taxRateLineOf(const Sheet &sheet, const LocalDateTime &now) {
    return taxRateLine(readMarket(sheet), readTradeDate(sheet, now));
}

} // namespace mx
