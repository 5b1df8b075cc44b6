#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Rules of the price entry aids: price steps, number pad keys and the comma handling of
// result fields. The window applies them to its widgets.
namespace mx {

// The spin step of a price field holding `value`: the step of PriceGrid::bands().
std::int32_t priceStep(std::int32_t value);

// A step as the window shows it beside the buy price ("#,###,##0": 5, 10, ..., 1,000).
std::string formatStep(std::int32_t step);

enum class PadKey { PlusOne, MinusOne, TimesTen, DivideByTen, Zero };

// The value a number pad key makes of `value`; empty when the result would leave the
// 32-bit range (the field then keeps its value and the window beeps).
std::optional<std::int32_t> applyPadKey(PadKey key, std::int32_t value);

// A result field's text without its thousands separators (on entering the field).
std::string withoutSeparators(std::string_view text);

// A result field's text formatted again by the display rule (on leaving the field), or
// empty when the text is not a number and must stay as it is.
std::optional<std::string> reformatResult(std::string_view text);

} // namespace mx
