#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mx {

// A rate in percent held exactly as the decimal units ÷ 10^scale ("0.0140527" is 140527 and
// 7). Up to 18 significant digits are kept; further digits are cut off.
struct DecimalRate {
    std::int64_t units = 0;
    int scale = 0;
    bool operator==(const DecimalRate &) const = default;
};

// A text of the shape parseDecimal accepts (optional sign, digits, optional '.' fraction,
// optional exponent) as an exact decimal, else nothing.
std::optional<DecimalRate> parseDecimalRate(std::string_view text);

// A rate field's exact decimal, or 0 when the text is not a number.
DecimalRate readDecimalRate(std::string_view text);

// The rate with exactly max(scale, 0) decimals: {20, 2} is "0.20", {3, 0} is "3".
std::string formatRate(const DecimalRate &rate);

// `rate` percent of `amount`, truncated toward zero to a multiple of `unit` won (1 or 10).
// Exact in decimal: 0.20 % of 1,000,000 is 2,000. A rate so large that the share leaves
// 128-bit integers is taken in extended precision.
long double truncatedShare(std::int64_t amount, const DecimalRate &rate, std::int64_t unit);

} // namespace mx
