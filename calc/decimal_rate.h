#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
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

namespace detail {

// 10^n for n in 0..18, the powers of ten a signed 64-bit integer holds.
inline constexpr auto powersOfTen = [] {
    std::array<std::int64_t, 19> powers{1};
    for (std::size_t n = 1; n < powers.size(); ++n) {
        powers[n] = powers[n - 1] * 10;
    }
    return powers;
}();

} // namespace detail

// truncatedShare where the product of the amount and the rate's digits fits in 64 bits and the
// rate has no more than 16 decimals, as every statement's rates have: formed in integers only,
// and inline, for the many evaluations of a journal and of the break-even search. Empty
// otherwise.
inline std::optional<std::int64_t> wholeShare(std::int64_t amount, const DecimalRate &rate,
                                              std::int64_t unit) {
    const std::int64_t exponent = std::int64_t{rate.scale} + 2;
    std::int64_t product = 0;
    if (exponent < 0 || exponent >= std::ssize(detail::powersOfTen) ||
        __builtin_mul_overflow(amount, rate.units, &product)) {
        return std::nullopt;
    }
    const std::int64_t share = product / detail::powersOfTen[static_cast<std::size_t>(exponent)];
    // The units of statements, 1 and 10, are constants too.
    return unit == 1 ? share : (unit == 10 ? share / 10 * 10 : share / unit * unit);
}

} // namespace mx
