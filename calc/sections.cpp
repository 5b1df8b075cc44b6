// The fee/profit sheet, its break-even price and the two planning sections of Calculate.
#include "break_even.h"
#include "calculate.h"

#include <span>

namespace mx {
namespace {

namespace f = fields;

// The trade of the fee/profit sheet, priced again at each scenario sell price.
class Scenarios {
public:
    Scenarios(const Sheet &sheet, const Commission &commission)
        : quantity_(readInteger(sheet, f::quantity)), buyPrice_(readInteger(sheet, f::buyPrice)),
          commission_(commission) {}

    std::int32_t buyPrice() const { return buyPrice_; }

    // The net result N of selling at `price`.
    long double net(std::int32_t price, TaxOrder taxOrder) const {
        const Trade trade{quantity_, buyPrice_, price};
        return evaluateRoundTrip(trade, commission_, SellAmount::Floating, taxOrder).netResult;
    }

private:
    std::int32_t quantity_;
    std::int32_t buyPrice_;
    const Commission &commission_;
};

void writeMoney(Sheet &sheet, std::string_view name, long double value) {
    sheet.setText(name, formatMoney(value));
}

// Selling at the top of a range (its net result) and at its bottom (the loss, shown
// positive); each only when its price is above 0.
struct LimitPrices {
    std::string_view upperResult;
    std::int32_t upper;
    std::string_view lowerResult;
    std::int32_t lower;
};

void writeLimitResults(Sheet &sheet, const Scenarios &trade, const LimitPrices &limits,
                       TaxOrder taxOrder) {
    if (limits.upper > 0) {
        writeMoney(sheet, limits.upperResult, trade.net(limits.upper, taxOrder));
    }
    if (limits.lower > 0) {
        writeMoney(sheet, limits.lowerResult, -trade.net(limits.lower, taxOrder));
    }
}

// One target or stop-loss step: when its base price is above 0, the price from the buy
// price and the percentage field, and the net result of selling there. `sign` is -1 where
// the sheet shows a loss as a positive figure.
struct PriceStep {
    fields::Target names;
    std::int32_t base;
    TaxOrder taxOrder;
    int sign;
    bool dayStop = false; // the buy price lowered by the percentage, not five-won rounding
};

void runPriceSteps(Sheet &sheet, const Scenarios &trade, std::span<const PriceStep> steps) {
    for (const PriceStep &step : steps) {
        if (step.base <= 0) {
            continue;
        }
        const std::int32_t percent = readInteger(sheet, step.names.percent);
        const std::int32_t price = step.dayStop
                                       ? dayStopLossPrice(trade.buyPrice(), percent)
                                       : fiveWonPrice(trade.buyPrice(), step.base, percent);
        writeMoney(sheet, step.names.price, price);
        writeMoney(sheet, step.names.result, step.sign * trade.net(price, step.taxOrder));
    }
}

} // namespace

void feeSheet(Sheet &sheet, const LocalDateTime &now, const Commission &commission) {
    sheet.setText(f::timeStamp, formatTimeStamp(now));
    const Trade trade{readInteger(sheet, f::quantity), readInteger(sheet, f::buyPrice),
                      readInteger(sheet, f::sellPrice)};
    const RoundTrip r =
        evaluateRoundTrip(trade, commission, SellAmount::Integer, TaxOrder::RateOverHundred);
    writeMoney(sheet, f::buyAmount, r.buyAmount);
    writeMoney(sheet, f::sellAmount, r.sellAmount);
    writeMoney(sheet, f::buyFee, r.buyFee);
    writeMoney(sheet, f::sellFee, r.sellFee);
    writeMoney(sheet, f::tax, r.tax);
    writeMoney(sheet, f::totalCost, r.totalCost);
    writeMoney(sheet, f::netLoss, r.netLoss);
    writeMoney(sheet, f::netProfit, r.netProfit);
    writeMoney(sheet, f::grossProfit, r.netProfit > 0 ? r.grossDifference : 0);
}

void breakEvenSection(Sheet &sheet, const Commission &commission, const PriceGrid &grid) {
    const std::optional<std::int32_t> price = breakEvenPrice(
        readInteger(sheet, f::quantity), readInteger(sheet, f::buyPrice), commission, grid);
    sheet.setText(f::breakEvenPrice, price ? formatMoney(*price) : "");
}

void longTermSection(Sheet &sheet, const Commission &commission) {
    const Scenarios trade(sheet, commission);
    const std::int32_t high = readInteger(sheet, f::periodHigh);
    const std::int32_t low = readInteger(sheet, f::periodLow);
    const auto plain = TaxOrder::RateOverHundred;
    writeLimitResults(sheet, trade, {f::periodHighResult, high, f::periodLowLoss, low}, plain);
    if (high > 0 && low > 0) {
        writeMoney(sheet, f::periodRange, high - low);
    }
    const auto stop = TaxOrder::RateTimesHundredth;
    const PriceStep steps[] = {{f::firstTarget, high, plain, +1},
                               {f::secondTarget, high, plain, +1},
                               {f::thirdTarget, high, plain, +1},
                               {f::longTermStop, low, stop, -1},
                               {f::shortTermStop, low, stop, -1}};
    runPriceSteps(sheet, trade, steps);
}

void dayTradingSection(Sheet &sheet, const Commission &commission) {
    const Scenarios trade(sheet, commission);
    const std::int32_t upper = readInteger(sheet, f::upperLimit);
    const std::int32_t lower = readInteger(sheet, f::lowerLimit);
    const std::int32_t high = readInteger(sheet, f::dayHigh);
    const std::int32_t low = readInteger(sheet, f::dayLow);
    const auto order = TaxOrder::RateTimesHundredth;
    writeLimitResults(sheet, trade, {f::upperLimitResult, upper, f::lowerLimitLoss, lower}, order);
    const std::int32_t buy = trade.buyPrice();
    const PriceStep steps[] = {{f::dayFirstTarget, high, order, +1},
                               {f::daySecondTarget, high, order, +1},
                               {f::dayFirstStop, buy, order, -1, true},
                               {f::daySecondStop, buy, order, -1, true}};
    runPriceSteps(sheet, trade, steps);
    if (upper > 0 && lower > 0) {
        writeMoney(sheet, f::limitRange, upper - lower);
    }
    if (high > 0 && low > 0) {
        writeMoney(sheet, f::dayRange, high - low);
    }
}

} // namespace mx
