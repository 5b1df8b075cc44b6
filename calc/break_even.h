#pragma once

#include "cost_model.h"
#include "market_rules.h"

#include <cstdint>
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

} // namespace mx
