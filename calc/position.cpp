#include "position.h"

#include "break_even.h"
#include "calculate.h"
#include "fields.h"

#include <limits>

namespace mx {
namespace {

__extension__ typedef __int128 Int128;

// --- Pricing a fill -------------------------------------------------------
// The one place the position asks the cost model for a fee or a tax.

// A fee or tax in whole won: a truncating rounding has already made it whole, the display
// rounding rounds it as it is shown. Empty beyond 64 bits.
std::optional<std::int64_t> wholeWon(long double figure) {
    const long double won = roundHalfAway(figure);
    constexpr long double limit = 0x1p63L;
    if (!(won > -limit && won < limit)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(won);
}

std::optional<std::int64_t> buyFeeOf(std::int64_t amount, const Pricing &pricing) {
    return wholeWon(buyFee(amount, pricing));
}

struct SellCosts {
    std::int64_t fee, tax;
};

// The sell fee and tax of `quantity` shares at `price`, as the fee/profit sheet forms them.
std::optional<SellCosts> sellCostsOf(std::int32_t quantity, std::int32_t price,
                                     const Commission &commission) {
    const RoundTrip trip = evaluateRoundTrip({quantity, price, price}, commission,
                                             SellAmount::Integer, TaxOrder::RateOverHundred);
    const std::optional<std::int64_t> fee = wholeWon(trip.sellFee);
    const std::optional<std::int64_t> tax = wholeWon(trip.tax);
    if (!fee || !tax) {
        return std::nullopt;
    }
    return SellCosts{*fee, *tax};
}

FillResult refused(FillError error) {
    return {error, {}};
}

// --- Arithmetic -----------------------------------------------------------

// total × part ÷ whole (0 < part <= whole), rounded to the won with halves away from zero.
std::int64_t proportion(std::int64_t total, std::int64_t part, std::int64_t whole) {
    const Int128 product = Int128{total} * part;
    const Int128 magnitude = product < 0 ? -product : product;
    const Int128 rounded = (2 * magnitude + whole) / (2 * Int128{whole});
    return static_cast<std::int64_t>(product < 0 ? -rounded : rounded);
}

bool fits(Int128 value) {
    return value >= std::numeric_limits<std::int64_t>::min() &&
           value <= std::numeric_limits<std::int64_t>::max();
}

std::string grouped(Int128 magnitude) {
    std::string digits;
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0) {
            digits.insert(digits.begin(), ',');
        }
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
        ++count;
    } while (magnitude > 0);
    return digits;
}

// numerator ÷ denominator, whole or with two decimals.
std::string formatQuotient(Int128 numerator, Int128 denominator) {
    if (denominator == 0) {
        return {};
    }
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Int128 magnitude = numerator < 0 ? -numerator : numerator;
    const std::string sign = numerator < 0 ? "-" : "";
    if (magnitude % denominator == 0) {
        return (magnitude == 0 ? "" : sign) + grouped(magnitude / denominator);
    }
    const Int128 hundredths = (200 * magnitude + denominator) / (2 * denominator);
    const auto cents = static_cast<int>(hundredths % 100);
    return (hundredths == 0 ? "" : sign) + grouped(hundredths / 100) + "." +
           static_cast<char>('0' + cents / 10) + static_cast<char>('0' + cents % 10);
}

} // namespace

std::string formatFraction(const Fraction &value) {
    return formatQuotient(value.numerator, value.denominator);
}

std::string formatPercent(const Fraction &share) {
    return formatQuotient(Int128{share.numerator} * 100, share.denominator);
}

std::optional<Fraction> returnOf(const FillFigures &sell) {
    if (sell.cost == 0) {
        return std::nullopt;
    }
    return Fraction{sell.realized, sell.cost};
}

std::optional<Fraction> Position::averagePrice() const {
    if (quantity_ == 0) {
        return std::nullopt;
    }
    return Fraction{buyAmount_, quantity_};
}

std::optional<Fraction> Position::averageCost() const {
    if (quantity_ == 0) {
        return std::nullopt;
    }
    // A buy keeps the sum within 64 bits, and a sell only brings both parts nearer to 0.
    return Fraction{buyAmount_ + buyFees_, quantity_};
}

FillResult Position::buy(const Fill &fill, const Pricing &pricing) {
    if (fill.quantity <= 0 || fill.price <= 0) {
        return refused(FillError::NotPositive);
    }
    const std::int64_t amount = std::int64_t{fill.quantity} * fill.price;
    const std::optional<std::int64_t> fee = buyFeeOf(amount, pricing);
    const Int128 quantity = Int128{quantity_} + fill.quantity;
    const Int128 buyAmount = Int128{buyAmount_} + amount;
    const Int128 buyFees = fee ? Int128{buyFees_} + *fee : 0;
    if (!fee || !fits(quantity) || !fits(buyAmount) || !fits(buyFees) ||
        !fits(buyAmount + buyFees)) {
        return refused(FillError::OutOfRange);
    }
    quantity_ = static_cast<std::int64_t>(quantity);
    buyAmount_ = static_cast<std::int64_t>(buyAmount);
    buyFees_ = static_cast<std::int64_t>(buyFees);
    return {.figures = {.amount = amount, .fee = *fee}};
}

FillResult Position::sale(const Fill &fill, const Pricing &pricing) const {
    if (fill.quantity <= 0 || fill.price <= 0) {
        return refused(FillError::NotPositive);
    }
    if (fill.quantity > quantity_) {
        return refused(FillError::BeyondHolding);
    }
    const std::optional<SellCosts> costs =
        sellCostsOf(fill.quantity, fill.price, commissionFor(pricing, fill.market, fill.date));
    if (!costs) {
        return refused(FillError::OutOfRange);
    }
    FillFigures f{.amount = std::int64_t{fill.quantity} * fill.price,
                  .fee = costs->fee,
                  .tax = costs->tax,
                  .cost = proportion(buyAmount_, fill.quantity, quantity_),
                  .carriedFees = proportion(buyFees_, fill.quantity, quantity_)};
    const Int128 realized = Int128{f.amount} - f.cost - f.fee - f.tax;
    const Int128 realizedNet = realized - f.carriedFees;
    if (!fits(realized) || !fits(realizedNet)) {
        return refused(FillError::OutOfRange);
    }
    f.realized = static_cast<std::int64_t>(realized);
    f.realizedNet = static_cast<std::int64_t>(realizedNet);
    return {.figures = f};
}

FillResult Position::sell(const Fill &fill, const Pricing &pricing) {
    const FillResult result = sale(fill, pricing);
    if (result.error == FillError::None) {
        quantity_ -= fill.quantity;
        buyAmount_ -= result.figures.cost;
        buyFees_ -= result.figures.carriedFees;
    }
    return result;
}

std::optional<TargetBuy> buyToReachAverage(const Position &position, std::int32_t price,
                                           std::int32_t target, const Pricing &pricing) {
    // With A = buy amount ÷ Q, Q(A − T) is the buy amount − Q × T, exactly.
    const Int128 gap = Int128{position.buyAmount()} - Int128{position.quantity()} * target;
    const Int128 step = Int128{target} - price;
    if (position.quantity() <= 0 || price <= 0 || gap == 0 || step == 0 ||
        (gap > 0) != (step > 0)) {
        return std::nullopt;
    }
    const Int128 magnitude = gap > 0 ? gap : -gap;
    const Int128 per = step > 0 ? step : -step;
    const Int128 shares = (magnitude + per - 1) / per;
    if (shares > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    Position after = position;
    const auto quantity = static_cast<std::int32_t>(shares);
    const FillResult bought = after.buy({.quantity = quantity, .price = price}, pricing);
    if (bought.error != FillError::None) {
        return std::nullopt;
    }
    const FillFigures &f = bought.figures;
    const Int128 cash = Int128{f.amount} + f.fee;
    if (!fits(cash)) {
        return std::nullopt;
    }
    return TargetBuy{.quantity = quantity,
                     .amount = f.amount,
                     .fee = f.fee,
                     .cash = static_cast<std::int64_t>(cash),
                     .averagePrice = *after.averagePrice(),
                     .averageCost = *after.averageCost()};
}

std::optional<std::int32_t> breakEvenPrice(const Position &position, const Pricing &pricing,
                                           Market market, const TradeDate &date) {
    if (position.quantity() <= 0 ||
        position.quantity() > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    const auto quantity = static_cast<std::int32_t>(position.quantity());
    // Each of the sell fee and the tax may lie half a won from the commission's figure.
    const SaleToCover sale{.quantity = quantity,
                           .buyAmount = position.buyAmount(),
                           .buyFee = static_cast<long double>(position.buyFees()),
                           .slack = 1};
    const auto breaksEven = [&](std::int32_t price) {
        const Fill all{.quantity = quantity, .price = price, .market = market, .date = date};
        const FillResult result = position.sale(all, pricing);
        return result.error == FillError::None && result.figures.realizedNet >= 0;
    };
    return breakEvenPrice(sale, commissionFor(pricing, market, date),
                          priceGrid(pricing, market, date), breaksEven);
}

} // namespace mx
