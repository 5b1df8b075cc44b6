#include "calculate.h"

#include "texts.h"

namespace mx {

std::string formatTimeStamp(const LocalDateTime &now) {
    std::string year = std::to_string(now.year);
    if (year.size() < 4) {
        year.insert(0, 4 - year.size(), '0');
    }
    return year + "년 " + std::to_string(now.month) + "월 " + std::to_string(now.day) + "일  " +
           std::to_string(now.hour) + "시 " + std::to_string(now.minute) + "분 ";
}

void calculate(Sheet &sheet, const LocalDateTime &now) {
    sheet.setPanelVisible("Panel24", false);
    if (readInteger(sheet, "s1") == 0) {
        sheet.showMessage(texts::quantityMissing);
        return;
    }
    if (readInteger(sheet, "s2") == 0) {
        sheet.showMessage(texts::buyPriceMissing);
        return;
    }
    const CommissionOptions options = readCommissionOptions(sheet, now);
    const Commission commission = commissionFor(options);
    feeSheet(sheet, now, commission);
    breakEvenSection(sheet, commission, priceGrid(options, options.market, options.tradeDate));
    longTermSection(sheet, commission);
    dayTradingSection(sheet, commission);
    gaugeSteps(sheet);
    diagnosis(sheet);
}

} // namespace mx
