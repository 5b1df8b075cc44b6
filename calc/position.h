#pragma once

// A position in one stock, priced as a broker's domestic statement prices it.
//
// - Moving average (이동평균법): a buy adds its amount and its fee to what is held and so
//   re-averages the holding; a sell takes out its share of both and leaves the average as it
//   was.
// - Cost rounded to the won: a sell of k shares out of Q held takes out its cost, the buy amount
//   held × k / Q, and its carried fees, the buy fees held × k / Q, each rounded to the won with
//   halves away from zero. What stays and what left always add up to what was held; selling
//   every share takes out all of both.
// - Realized as the statement shows it: realized = sell amount − cost − sell fee − tax.
// - realizedNet with the buy fees: realized − carried fees, what the shares sold really earned.
//
// Every fee and tax is whole won, formed by the commission options as the fee/profit sheet forms
// them: truncated under a statement rounding, and rounded to the won with halves away from zero
// under the display rounding. With the market's rules on, a sell's tax is that of its market and
// trade date. The average price (buy amount held ÷ quantity held) and the average cost (buy
// amount and buy fees held ÷ quantity held) are exact fractions.

#include "commission.h"
#include "cost_model.h"
#include "market_rules.h"

#include <cstdint>
#include <optional>
#include <string>

namespace mx {

// The options every fill is priced by: the commission options (rates, minimum-fee rule,
// statement rounding) and whether the market's rules set a sell's tax by the fill's market and
// trade date (the options' own market and date are not used).
using Pricing = CommissionOptions;

// One fill: shares at a price per share, and where and when they traded (used by the market's
// rules only).
struct Fill {
    std::int32_t quantity = 0;
    std::int32_t price = 0;
    Market market = Market::Kospi;
    TradeDate date{};
};

// An exact fraction; the position's are formed with a denominator above 0.
struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

// Thousands grouped with commas, and two decimals with halves away from zero where the fraction
// is not whole: {3310783, 147} is "22,522.33", {3283978, 146} is "22,493".
std::string formatFraction(const Fraction &value);

// The same for the fraction in percent: {1, 8} is "12.50", {-1, 4} is "-25".
// Both give an empty text for a denominator of 0.
std::string formatPercent(const Fraction &share);

enum class FillError {
    None,
    NotPositive,   // a quantity or a price of 0 or less
    BeyondHolding, // a sell of more shares than are held
    OutOfRange,    // a figure of the position would leave 64-bit integers
};

// What one fill moved, in won. A buy has only its amount and fee.
struct FillFigures {
    std::int64_t amount = 0; // quantity × price
    std::int64_t fee = 0;
    std::int64_t tax = 0;
    std::int64_t cost = 0;        // the buy amount the sell took out
    std::int64_t carriedFees = 0; // the buy fees the sell took out
    std::int64_t realized = 0;    // amount − cost − fee − tax
    std::int64_t realizedNet = 0; // realized − carried fees
};

// The return of a sell: realized ÷ cost; empty for a buy, which has no cost.
std::optional<Fraction> returnOf(const FillFigures &sell);

// A fill's figures, or why it was refused (then the position is unchanged and the figures 0).
struct FillResult {
    FillError error = FillError::None;
    FillFigures figures{};
};

class Position {
public:
    std::int64_t quantity() const { return quantity_; }
    std::int64_t buyAmount() const { return buyAmount_; }
    std::int64_t buyFees() const { return buyFees_; }

    // Buy amount held ÷ quantity held; empty when nothing is held.
    std::optional<Fraction> averagePrice() const;
    // (Buy amount held + buy fees held) ÷ quantity held; empty when nothing is held.
    std::optional<Fraction> averageCost() const;

    FillResult buy(const Fill &fill, const Pricing &pricing);
    FillResult sell(const Fill &fill, const Pricing &pricing);

    // What `sell` would give, without taking the shares out: selling every share held at a price
    // values the holding.
    FillResult sale(const Fill &fill, const Pricing &pricing) const;

private:
    std::int64_t quantity_ = 0;
    std::int64_t buyAmount_ = 0;
    std::int64_t buyFees_ = 0;
};

// The least number of shares bought at `price` that brings the average price to `target` or past
// it (down when averaging down, up when averaging up): n = Q(A − T)/(T − P) rounded up.
struct TargetBuy {
    std::int32_t quantity = 0;
    std::int64_t amount = 0;
    std::int64_t fee = 0;
    std::int64_t cash = 0;   // amount + fee
    Fraction averagePrice{}; // the averages after the buy
    Fraction averageCost{};
};

// Empty where the target does not lie strictly between the average price and `price`, where
// nothing is held, or where the shares needed exceed one fill.
std::optional<TargetBuy> buyToReachAverage(const Position &position, std::int32_t price,
                                           std::int32_t target, const Pricing &pricing);

// The lowest price at which selling every share held on `market` and `date` breaks even
// counting the buy fees held (realizedNet 0 or more), on the grid of prices a price field steps
// through: the exchange's ticks there with the market's rules on, else the program's own steps.
// Empty when nothing is held, when more than 2,147,483,647 shares are held, or when no price up
// to 2,147,483,647 breaks even.
std::optional<std::int32_t> breakEvenPrice(const Position &position, const Pricing &pricing,
                                           Market market, const TradeDate &date);

} // namespace mx
