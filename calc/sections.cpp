// The fee/profit sheet, its break-even price and the two planning sections of Calculate.
#include "break_even.h"
#include "calculate.h"

#include <span>

namespace mx {
namespace {

// The trade of the fee/profit sheet, priced again at each scenario sell price.
class Scenarios {
public:
    Scenarios(const Sheet &sheet, const Commission &commission)
        : quantity_(readInteger(sheet, "s1")), buyPrice_(readInteger(sheet, "s2")),
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
    std::string_view percent, price, result;
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
        const std::int32_t percent = readInteger(sheet, step.percent);
        const std::int32_t price = step.dayStop
                                       ? dayStopLossPrice(trade.buyPrice(), percent)
                                       : fiveWonPrice(trade.buyPrice(), step.base, percent);
        writeMoney(sheet, step.price, price);
        writeMoney(sheet, step.result, step.sign * trade.net(price, step.taxOrder));
    }
}

} // namespace

void feeSheet(Sheet &sheet, const LocalDateTime &now, const Commission &commission) {
    sheet.setText("Edit6", formatTimeStamp(now));
    const Trade trade{readInteger(sheet, "s1"), readInteger(sheet, "s2"), readInteger(sheet, "s3")};
    const RoundTrip r =
        evaluateRoundTrip(trade, commission, SellAmount::Integer, TaxOrder::RateOverHundred);
    writeMoney(sheet, "s4", r.buyAmount);
    writeMoney(sheet, "s5", r.sellAmount);
    writeMoney(sheet, "e1", r.buyFee);
    writeMoney(sheet, "e2", r.sellFee);
    writeMoney(sheet, "e3", r.tax);
    writeMoney(sheet, "e4", r.totalCost);
    writeMoney(sheet, "e5", r.netLoss);
    writeMoney(sheet, "e6", r.netProfit);
    writeMoney(sheet, "e7", r.netProfit > 0 ? r.grossDifference : 0);
}

void breakEvenSection(Sheet &sheet, const Commission &commission, const PriceGrid &grid) {
    const std::optional<std::int32_t> price =
        breakEvenPrice(readInteger(sheet, "s1"), readInteger(sheet, "s2"), commission, grid);
    sheet.setText("e8", price ? formatMoney(*price) : "");
}

void longTermSection(Sheet &sheet, const Commission &commission) {
    const Scenarios trade(sheet, commission);
    const std::int32_t high = readInteger(sheet, "W1");
    const std::int32_t low = readInteger(sheet, "W2");
    const auto plain = TaxOrder::RateOverHundred;
    writeLimitResults(sheet, trade, {"X1", high, "X2", low}, plain);
    if (high > 0 && low > 0) {
        writeMoney(sheet, "Edit4", high - low);
    }
    const auto stop = TaxOrder::RateTimesHundredth;
    const PriceStep steps[] = {{"r5", "W3", "X3", high, plain, +1},
                               {"r6", "W4", "X4", high, plain, +1},
                               {"r7", "W5", "X5", high, plain, +1},
                               {"r8", "W6", "X6", low, stop, -1},
                               {"r9", "W7", "X7", low, stop, -1}};
    runPriceSteps(sheet, trade, steps);
}

void dayTradingSection(Sheet &sheet, const Commission &commission) {
    const Scenarios trade(sheet, commission);
    const std::int32_t upper = readInteger(sheet, "Y1");
    const std::int32_t lower = readInteger(sheet, "Y2");
    const std::int32_t high = readInteger(sheet, "Y4");
    const std::int32_t low = readInteger(sheet, "Y5");
    const auto order = TaxOrder::RateTimesHundredth;
    writeLimitResults(sheet, trade, {"Z1", upper, "Z2", lower}, order);
    const std::int32_t buy = trade.buyPrice();
    const PriceStep steps[] = {{"r10", "Y6", "Z3", high, order, +1},
                               {"r11", "Y7", "Z4", high, order, +1},
                               {"r12", "Y8", "Z5", buy, order, -1, true},
                               {"r13", "Y9", "Z6", buy, order, -1, true}};
    runPriceSteps(sheet, trade, steps);
    if (upper > 0 && lower > 0) {
        writeMoney(sheet, "Edit1", upper - lower);
    }
    if (high > 0 && low > 0) {
        writeMoney(sheet, "Edit2", high - low);
    }
}

} // namespace mx
