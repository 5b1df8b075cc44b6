#include "position.h"

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

std::optional<std::int64_t> buyFeeOf(std::int64_t amount, const CommissionOptions &options) {
    return wholeWon(buyFee(amount, options));
}

struct SellCosts {
    std::int64_t fee, tax;
};

// The sell fee and tax of `quantity` shares at `price`.
std::optional<SellCosts> sellCostsOf(const Fill &fill, const CommissionOptions &options) {
    const std::int64_t amount = std::int64_t{fill.quantity} * fill.price;
    const std::optional<std::int64_t> fee = wholeWon(sellFee(amount, options));
    const std::optional<std::int64_t> tax =
        wholeWon(sellTax(amount, options, fill.market, fill.date).total);
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

FillResult Position::buy(const Fill &fill, const CommissionOptions &options) {
    if (fill.quantity <= 0 || fill.price <= 0) {
        return refused(FillError::NotPositive);
    }
    const std::int64_t amount = std::int64_t{fill.quantity} * fill.price;
    const std::optional<std::int64_t> fee = buyFeeOf(amount, options);
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

FillResult Position::sale(const Fill &fill, const CommissionOptions &options) const {
    if (fill.quantity <= 0 || fill.price <= 0) {
        return refused(FillError::NotPositive);
    }
    if (fill.quantity > quantity_) {
        return refused(FillError::BeyondHolding);
    }
    const std::optional<SellCosts> costs = sellCostsOf(fill, options);
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

FillResult Position::sell(const Fill &fill, const CommissionOptions &options) {
    const FillResult result = sale(fill, options);
    if (result.error == FillError::None) {
        quantity_ -= fill.quantity;
        buyAmount_ -= result.figures.cost;
        buyFees_ -= result.figures.carriedFees;
    }
    return result;
}

} // namespace mx
