#include "averaging.h"

#include "texts.h"

#include <algorithm>
#include <limits>

namespace mx {
namespace {

__extension__ typedef __int128 Int128;

std::string money(std::int64_t won) {
    return formatMoney(static_cast<long double>(won));
}

// The holding and every buy whose quantity and price are both above 0; empty when a figure would
// leave 64 bits.
std::optional<Position> positionOf(const AveragingInputs &inputs, const Pricing &pricing) {
    Position position;
    const auto add = [&](const AveragingBuy &buy) {
        if (buy.quantity <= 0 || buy.price <= 0) {
            return true;
        }
        return position.buy({.quantity = buy.quantity, .price = buy.price}, pricing).error ==
               FillError::None;
    };
    if (!add(inputs.holding) || !std::all_of(inputs.buys.begin(), inputs.buys.end(), add)) {
        return std::nullopt;
    }
    return position;
}

// Selling every share at the current price.
void writeValuation(AveragingResults &out, const Position &position, const Pricing &pricing,
                    std::int32_t price, const AveragingSale &sale) {
    if (price <= 0 || position.quantity() > std::numeric_limits<std::int32_t>::max()) {
        return;
    }
    const Fill all{.quantity = static_cast<std::int32_t>(position.quantity()),
                   .price = price,
                   .market = sale.market,
                   .date = sale.date};
    const FillResult result = position.sale(all, pricing);
    if (result.error != FillError::None) {
        return;
    }
    out.value = money(result.figures.amount);
    out.profit = money(result.figures.realized);
    if (const std::optional<Fraction> rate = returnOf(result.figures)) {
        out.returnRate = formatPercent(*rate) + "%";
    }
}

// Why no buy at `price` brings the average price to `target`.
std::string unreachableTarget(const Position &position, std::int32_t price, std::int32_t target) {
    const Int128 amount = position.buyAmount();
    const Int128 quantity = position.quantity();
    if (amount == quantity * price) {
        return std::string(texts::priceAtAverage);
    }
    if (amount == quantity * target) {
        return std::string(texts::averageAtTarget);
    }
    const bool between = (amount > quantity * target) == (target > price) && target != price;
    if (between) {
        return std::string(texts::targetNeedsTooMany);
    }
    return std::string(texts::targetBeyondPricePrefix) + money(price) +
           std::string(texts::targetBeyondPriceMiddle) + money(target) +
           std::string(texts::targetBeyondPriceSuffix);
}

void writeTarget(AveragingResults &out, const Position &position, const Pricing &pricing,
                 std::int32_t price, std::int32_t target) {
    if (price <= 0 || target <= 0) {
        return;
    }
    const std::optional<TargetBuy> buy = buyToReachAverage(position, price, target, pricing);
    if (!buy) {
        out.note = unreachableTarget(position, price, target);
        return;
    }
    out.targetQuantity = money(buy->quantity);
    out.targetCash = money(buy->cash);
    out.targetAverage = formatFraction(buy->averagePrice);
}

std::int32_t read(const Sheet &sheet, std::string_view name) {
    return readInteger(sheet, name);
}

} // namespace

AveragingResults averagingResults(const AveragingInputs &inputs, const Pricing &pricing,
                                  const AveragingSale &sale) {
    AveragingResults out;
    const std::optional<Position> position = positionOf(inputs, pricing);
    if (!position) {
        out.note = texts::averagingOutOfRange;
        return out;
    }
    if (position->quantity() == 0) {
        return out;
    }
    out.quantity = money(position->quantity());
    out.averagePrice = formatFraction(*position->averagePrice());
    out.averageCost = formatFraction(*position->averageCost());
    out.buyAmount = money(position->buyAmount());
    writeValuation(out, *position, pricing, inputs.currentPrice, sale);
    if (const auto price = breakEvenPrice(*position, pricing, sale.market, sale.date)) {
        out.breakEven = money(*price);
    }
    writeTarget(out, *position, pricing, inputs.currentPrice, inputs.targetAverage);
    return out;
}

bool isAveragingField(std::string_view name) {
    const auto in = [name](const auto &names) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    return in(averagingInputFields) || in(averagingResultFields);
}

bool isAveragingPriceField(std::string_view name) {
    const auto at = std::find(averagingInputFields.begin(), averagingInputFields.end(), name);
    // P1 is a quantity, P2 a price, and so on in pairs; P13 and P14 are prices.
    const auto index = at - averagingInputFields.begin();
    return at != averagingInputFields.end() && (index % 2 == 1 || index >= 12);
}

bool averagingEntered(const Sheet &sheet) {
    return std::any_of(averagingInputFields.begin(), averagingInputFields.end(),
                       [&sheet](std::string_view name) { return !sheet.text(name).empty(); });
}

AveragingInputs readAveragingInputs(const Sheet &sheet) {
    AveragingInputs inputs{.holding = {read(sheet, "P1"), read(sheet, "P2")},
                           .currentPrice = read(sheet, "P13"),
                           .targetAverage = read(sheet, "P14")};
    for (std::size_t row = 0; row < averagingBuyRows; ++row) {
        inputs.buys[row] = {read(sheet, averagingInputFields[2 + 2 * row]),
                            read(sheet, averagingInputFields[3 + 2 * row])};
    }
    return inputs;
}

void averagingSection(Sheet &sheet, const LocalDateTime &now) {
    const Pricing pricing = readCommissionOptions(sheet, now);
    const AveragingSale sale{pricing.market, pricing.tradeDate};
    const AveragingResults out = averagingResults(readAveragingInputs(sheet), pricing, sale);
    const std::string *texts[] = {&out.quantity,   &out.averagePrice,  &out.averageCost,
                                  &out.buyAmount,  &out.value,         &out.profit,
                                  &out.returnRate, &out.breakEven,     &out.targetQuantity,
                                  &out.targetCash, &out.targetAverage, &out.note};
    static_assert(std::size(texts) == averagingResultFields.size());
    for (std::size_t i = 0; i < averagingResultFields.size(); ++i) {
        sheet.setText(averagingResultFields[i], *texts[i]);
    }
}

void seedAveragingHolding(Sheet &sheet) {
    const std::int32_t quantity = read(sheet, "s1");
    const std::int32_t price = read(sheet, "s2");
    if (sheet.text("P1").empty() && sheet.text("P2").empty() && quantity > 0 && price > 0) {
        sheet.setText("P1", formatPlain(quantity));
        sheet.setText("P2", formatPlain(price));
    }
}

} // namespace mx
