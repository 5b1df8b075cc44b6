#pragma once

#include "cost_model.h"
#include "market_rules.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace mx {

// The lowest price on `grid`, among its positive prices up to 2,147,483,647, at which selling
// `quantity` shares bought at `buyPrice` nets 0 or more exactly as the fee/profit sheet prices
// that trade (rates, minimum-fee rule, tax, rounding). Empty when no such price exists, and
// when the quantity or the buy price is not above 0: then there is no bought position.
//
// Rates that leave the seller less than about a millionth of each won (combined rates within
// a hair of 100 %) make every price near the answer uncertain; there the search looks at no
// more than 2^18 won of prices and may give a higher break-even price than the lowest.
std::optional<std::int32_t> breakEvenPrice(std::int32_t quantity, std::int32_t buyPrice,
                                           const Commission &commission, const PriceGrid &grid);

// A sale of `quantity` shares whose sell amount, less its sell fee and tax, must cover
// `buyAmount` and `buyFee`. `slack` bounds, in won, how far its own sell fee and tax may lie
// from what `commission` forms for the same amount (0 where they are the same figures).
struct SaleToCover {
    std::int32_t quantity = 0;
    std::int64_t buyAmount = 0;
    long double buyFee = 0;
    long double slack = 0;
};

// The same search for any such sale: the lowest price on `grid` at which `breaksEven(price)`
// holds, where selling the sale's shares at a price breaks even as its sell amount, less a
// sell fee and tax that follow `commission` to within the slack, covers the buy side. Empty
// when no price does or the quantity is not above 0.
std::optional<std::int32_t> breakEvenPrice(const SaleToCover &sale, const Commission &commission,
                                           const PriceGrid &grid,
                                           const std::function<bool(std::int32_t)> &breaksEven);

} // namespace mx
