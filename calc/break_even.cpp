// The break-even search. Within a stretch of prices where the minimum-fee rule does not switch
// sides, the net result is an affine function of the sell amount, g, plus a bounded error e
// from rounding and truncation: |e| < E. While g rises, every price more than 2E of g below a
// losing price also loses, so a binary search on the real net result followed by a scan of
// that width finds the lowest break-even price exactly. Where g does not rise, the only
// candidates lie within 2E of g above the first losing price. The search starts from the
// estimated crossing of g with 0, and narrows from the whole stretch only where the prices
// around it do not bear the estimate out.
#include "break_even.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace mx {
namespace {

constexpr std::int64_t highestPrice = 2147483647;
// The widest scan, in won of price.
constexpr std::int64_t scanLimit = std::int64_t{1} << 18;
// Bounds, relative to the size of the rates, the rounding of slopes formed in double precision,
// generously.
constexpr double slopeTolerance = 0x1p-44;
// Bounds, relative to the size of the amounts, the rounding of fees, tax and net in extended
// and double precision, generously.
constexpr double relativeError = 0x1p-44;
// Widens what double arithmetic gives for a number of prices beyond its rounding.
constexpr double widening = 1 + 0x1p-40;

// Prices from `lo` to `hi` (valid prices of the grid) where the sell fee is either always the
// minimum fee or always the percentage.
struct Stretch {
    std::int64_t lo, hi;
    bool minimumSellFee;
};

// `BreaksEven` says whether selling the sale's shares at a price nets 0 or more.
template <typename BreaksEven> class Search {
public:
    Search(const SaleToCover &sale, const Commission &commission, const PriceGrid &grid,
           BreaksEven breaksEven)
        : quantity_(sale.quantity), buyAmount_(sale.buyAmount), slack_(sale.slack),
          commission_(commission), grid_(grid), breaksEven_(breaksEven),
          buyFeeEstimate_(static_cast<double>(sale.buyFee)),
          feeShare_(static_cast<double>(commission.options.feeRate.percent) * 0.01),
          taxShare_(static_cast<double>(commission.tax.percent) * 0.01),
          tolerance_(slopeTolerance * (1 + std::fabs(feeShare_) + std::fabs(taxShare_))) {}

    std::optional<std::int64_t> lowest(const Stretch &stretch) const {
        if (stretch.lo > stretch.hi) {
            return std::nullopt;
        }
        const double slope = slopeOf(stretch);
        const double span = 2 * errorBound(stretch); // of g between a loss and a gain
        if (slope - tolerance_ > 0) {
            // Prices per won of g, at the slowest rise the slope allows.
            const double pricesPerWon = 1 / ((slope - tolerance_) * quantity_);
            return lowestWhileRising(stretch, pricesPerWon, width(span, pricesPerWon));
        }
        if (breaksEven(stretch.lo)) {
            return stretch.lo;
        }
        // g does not rise: a gain lies within `span` of g above the losing first price.
        const std::int64_t reach = slope + tolerance_ < 0
                                       ? width(span, -1 / ((slope + tolerance_) * quantity_))
                                       : stretch.hi - stretch.lo;
        const std::int64_t end =
            std::min({stretch.hi, stretch.lo + reach, stretch.lo + scanLimit - 1});
        return firstBetween(stretch.lo, end + 1);
    }

private:
    bool breaksEven(std::int64_t price) const {
        return breaksEven_(static_cast<std::int32_t>(price));
    }

    // The rise of g per won of sell amount. The search's estimates are formed in double
    // precision, within the tolerances above: only breaksEven decides.
    double slopeOf(const Stretch &stretch) const {
        return 1 - taxShare_ - (stretch.minimumSellFee ? 0 : feeShare_);
    }

    // E: truncation cuts less than one unit from each truncated figure; the rest is rounding,
    // bounded relative to the largest amounts of the stretch.
    double errorBound(const Stretch &stretch) const {
        double truncation = slack_;
        const CommissionOptions &options = commission_.options;
        if (options.rounding != StatementRounding::Display) {
            // A won from each tax, the two of KOSPI truncated apart, and a unit from the fee.
            const bool tenWon = options.rounding == StatementRounding::TenWonFees;
            const int taxes = commission_.ruralTax.exact.units != 0 ? 2 : 1;
            truncation += taxes + (stretch.minimumSellFee ? 0 : (tenWon ? 10 : 1));
        }
        const double rates = 1 + std::fabs(feeShare_) + std::fabs(taxShare_);
        const double size =
            static_cast<double>(quantity_) * static_cast<double>(stretch.hi) * rates +
            static_cast<double>(buyAmount_) + std::fabs(buyFeeEstimate_) +
            std::fabs(static_cast<double>(options.minimumFee));
        return truncation + relativeError * size;
    }

    // The prices across which g changes by `span`, at `pricesPerWon` prices for each won of g,
    // rounded up, and one more (a cut toward zero, plus 2, rounds up without a call to ceil).
    std::int64_t width(double span, double pricesPerWon) const {
        const double prices = span * widening * pricesPerWon;
        return prices < static_cast<double>(highestPrice) ? static_cast<std::int64_t>(prices) + 2
                                                          : highestPrice;
    }

    // The price at which g crosses 0, rising at that rate.
    double crossingOf(const Stretch &stretch, double pricesPerWon) const {
        const double cost = static_cast<double>(buyAmount_) + buyFeeEstimate_ +
                            (stretch.minimumSellFee ? commission_.options.minimumFee : 0);
        return cost * pricesPerWon;
    }

    // Every price more than `reach` below the crossing loses and every price more than `reach`
    // above it gains: the grid prices just beyond those two marks, when they bear that out. The
    // losing one lies more than `reach` above the stretch's first price, so that no price below
    // it breaks even. Empty where the estimate is not borne out or leaves the stretch.
    std::optional<std::pair<std::int64_t, std::int64_t>>
    bracketAround(double crossing, const Stretch &stretch, std::int64_t reach) const {
        if (!(crossing > static_cast<double>(stretch.lo + 2 * reach) &&
              crossing < static_cast<double>(stretch.hi - reach))) {
            return std::nullopt;
        }
        const auto mark = static_cast<std::int64_t>(crossing);
        const std::int64_t losing = grid_.below(mark - reach + 1);
        const std::int64_t gaining = grid_.above(mark + reach);
        if (losing - reach <= stretch.lo || gaining > stretch.hi || breaksEven(losing) ||
            !breaksEven(gaining)) {
            return std::nullopt;
        }
        return std::pair{losing, gaining};
    }

    std::optional<std::int64_t> lowestWhileRising(const Stretch &stretch, double pricesPerWon,
                                                  std::int64_t reach) const {
        // Where the reach is no wider than a scan may look, the crossing tells the answer's
        // neighbourhood, or that none of the stretch's prices gains.
        if (reach < scanLimit) {
            const double crossing = crossingOf(stretch, pricesPerWon);
            if (crossing > static_cast<double>(stretch.hi + 2 * reach)) {
                return std::nullopt;
            }
            if (const auto bracket = bracketAround(crossing, stretch, reach)) {
                return lowestBetween(stretch, bracket->first, bracket->second, reach);
            }
        }
        if (breaksEven(stretch.lo)) {
            return stretch.lo;
        }
        if (!breaksEven(stretch.hi)) {
            return firstBetween(std::max(stretch.lo, stretch.hi - reach), stretch.hi);
        }
        return lowestBetween(stretch, stretch.lo, stretch.hi, reach);
    }

    // The lowest price of the stretch that breaks even, from a losing price `lo` and a gaining
    // price `hi` of it.
    std::int64_t lowestBetween(const Stretch &stretch, std::int64_t lo, std::int64_t hi,
                               std::int64_t reach) const {
        while (grid_.above(lo) < hi) {
            std::int64_t middle = grid_.below(lo + (hi - lo) / 2 + 1);
            if (middle <= lo) {
                middle = grid_.above(lo);
            }
            (breaksEven(middle) ? hi : lo) = middle;
        }
        // lo loses and hi, the next price, gains; a lower gain lies within `reach` below lo.
        if (const auto earlier = firstBetween(std::max(stretch.lo, lo - reach), lo)) {
            return *earlier;
        }
        return hi;
    }

    // The first price strictly between `from` and `to` that breaks even, looking at no more
    // than scanLimit won of prices below `to`.
    std::optional<std::int64_t> firstBetween(std::int64_t from, std::int64_t to) const {
        for (std::int64_t price = grid_.above(std::max(from, to - scanLimit)); price < to;
             price = grid_.above(price)) {
            if (breaksEven(price)) {
                return price;
            }
        }
        return std::nullopt;
    }

    std::int32_t quantity_;
    std::int64_t buyAmount_;
    long double slack_;
    const Commission &commission_;
    const PriceGrid &grid_;
    BreaksEven breaksEven_;
    // The buy fee in double precision, taken once: each conversion from extended precision goes
    // through memory.
    double buyFeeEstimate_;
    // The two rates as shares of an amount, and the tolerance of slopes formed from them.
    double feeShare_;
    double taxShare_;
    double tolerance_;
};

// In 32 bits, the operands' own width, which divides several times faster than 64.
std::int32_t ceilDiv(std::int32_t a, std::int32_t b) {
    return a / b + (a % b != 0 && (a < 0) == (b < 0) ? 1 : 0);
}

template <typename BreaksEven>
std::optional<std::int32_t> lowestOnGrid(const SaleToCover &sale, const Commission &commission,
                                         const PriceGrid &grid, BreaksEven breaksEven) {
    if (sale.quantity <= 0) {
        return std::nullopt;
    }
    const std::int32_t quantity = sale.quantity;
    const Search search(sale, commission, grid, breaksEven);
    const std::int64_t first = grid.above(0);
    const std::int64_t last = grid.below(highestPrice + 1);
    std::optional<std::int64_t> price;
    const CommissionOptions &options = commission.options;
    if (!options.minimumFeeRule) {
        price = search.lowest({first, last, false});
    } else {
        // The first price whose sell amount reaches the threshold: below it the sell fee is the
        // minimum fee, from it on the percentage, and the net result may drop there.
        const std::int64_t crossing = ceilDiv(options.minimumFeeThreshold, quantity);
        price = search.lowest({first, std::min(last, grid.below(crossing)), true});
        if (!price) {
            price = search.lowest({std::max(first, grid.above(crossing - 1)), last, false});
        }
    }
    if (!price) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*price);
}

} // namespace

std::optional<std::int32_t> breakEvenPrice(std::int32_t quantity, std::int32_t buyPrice,
                                           const Commission &commission, const PriceGrid &grid) {
    if (quantity <= 0 || buyPrice <= 0) {
        return std::nullopt;
    }
    const std::int64_t buyAmount = std::int64_t{quantity} * buyPrice;
    const long double fee = buyFee(buyAmount, commission.options);
    return lowestOnGrid({.quantity = quantity, .buyAmount = buyAmount, .buyFee = fee},
                        commission, grid, [&](std::int32_t price) {
                            return netResultOf({quantity, buyPrice, price}, fee, commission,
                                               SellAmount::Integer, TaxOrder::RateOverHundred) >= 0;
                        });
}

std::optional<std::int32_t> breakEvenPrice(const SaleToCover &sale, const Commission &commission,
                                           const PriceGrid &grid,
                                           const std::function<bool(std::int32_t)> &breaksEven) {
    return lowestOnGrid(sale, commission, grid, std::cref(breaksEven));
}

} // namespace mx
