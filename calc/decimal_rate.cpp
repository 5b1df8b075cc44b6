#include "decimal_rate.h"

#include "fields.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mx {
namespace {

__extension__ typedef __int128 Int128;

constexpr int keptDigits = 18;
// Beyond this the exponent only says "vanishingly small" or "beyond any amount".
constexpr std::int64_t scaleLimit = 1000000;

// 10^n for n in 0..38, the largest power of ten a signed 128-bit integer holds.
Int128 powerOfTen(int n) {
    Int128 power = 1;
    for (int i = 0; i < n; ++i) {
        power *= 10;
    }
    return power;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<DecimalRate> parseDecimalRate(std::string_view text) {
    if (!parseDecimal(text)) {
        return std::nullopt;
    }
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t units = 0;
    std::int64_t scale = 0;
    int significant = 0;
    bool fraction = false;
    std::size_t at = 0;
    for (; at < text.size() && (isDigit(text[at]) || text[at] == '.'); ++at) {
        if (text[at] == '.') {
            fraction = true;
            continue;
        }
        const int digit = text[at] - '0';
        if (significant == 0 && digit == 0) {
            scale += fraction ? 1 : 0;
        } else if (significant < keptDigits) {
            units = units * 10 + digit;
            ++significant;
            scale += fraction ? 1 : 0;
        } else if (!fraction) {
            --scale; // a whole digit cut off still counts as a power of ten
        }
    }
    if (at < text.size()) { // the exponent, after 'e' or 'E'
        std::string_view exponent = text.substr(at + 1);
        const bool below = exponent.front() == '-';
        if (exponent.front() == '+' || exponent.front() == '-') {
            exponent.remove_prefix(1);
        }
        std::int64_t shift = 0;
        for (const char c : exponent) {
            shift = std::min(shift * 10 + (c - '0'), scaleLimit);
        }
        scale += below ? shift : -shift;
    }
    if (units == 0) {
        return DecimalRate{};
    }
    scale = std::clamp(scale, -scaleLimit, scaleLimit);
    return DecimalRate{negative ? -units : units, static_cast<int>(scale)};
}

DecimalRate readDecimalRate(std::string_view text) {
    return parseDecimalRate(text).value_or(DecimalRate{});
}

std::string formatRate(const DecimalRate &rate) {
    std::string digits = std::to_string(rate.units < 0 ? -rate.units : rate.units);
    if (rate.scale < 0) {
        digits.append(static_cast<std::size_t>(-rate.scale), '0');
    } else if (rate.scale > 0) {
        const auto decimals = static_cast<std::size_t>(rate.scale);
        if (digits.size() <= decimals) {
            digits.insert(0, decimals + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - decimals, 1, '.');
    }
    return rate.units < 0 ? "-" + digits : digits;
}

long double truncatedShare(std::int64_t amount, const DecimalRate &rate, std::int64_t unit) {
    // Most shares are of amounts and rates whose product fits in 64 bits, where the same
    // division is much cheaper.
    if (const std::optional<std::int64_t> share = wholeShare(amount, rate, unit)) {
        return static_cast<long double>(*share);
    }
    const std::int64_t exponent = std::int64_t{rate.scale} + 2;
    // |amount × units| < 2^63 × 10^18 < 2^123. The share is that product ÷ 10^exponent, the
    // rate being in percent.
    const Int128 product = static_cast<Int128>(amount) * rate.units;
    if (exponent > 38) {
        return 0; // 10^39 exceeds every product
    }
    Int128 share = 0;
    if (exponent >= 0) {
        share = product / powerOfTen(static_cast<int>(exponent));
    } else if (exponent < -38 ||
               __builtin_mul_overflow(product, powerOfTen(static_cast<int>(-exponent)), &share)) {
        const long double large = static_cast<long double>(amount) * rate.units *
                                  std::pow(10.0L, static_cast<long double>(-exponent));
        return std::trunc(large / unit) * unit;
    }
    return static_cast<long double>(share / unit * unit);
}

} // namespace mx
