#include "fields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace mx {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits at the start of `text`.
std::size_t digitRun(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) {
        ++n;
    }
    return n;
}

// The value of a decimal text of the shape parseDecimal takes, without its sign, as the
// quotient of two whole numbers that extended precision holds exactly (at most 19 significant
// digits, at most 27 places after the point): a single division then gives the nearest value
// to the decimal, as a correctly rounding reader of text does. Not every library's from_chars
// reads into extended precision (MinGW's stops at double precision); this gives the same value
// on every system. Empty for a text beyond those bounds.
std::optional<long double> exactDecimal(std::string_view text) {
    std::uint64_t units = 0;
    int digits = 0;
    int scale = 0;
    bool point = false;
    std::size_t at = 0;
    for (; at < text.size() && (isDigit(text[at]) || text[at] == '.'); ++at) {
        if (text[at] == '.') {
            point = true;
            continue;
        }
        if (digits == 19) {
            return std::nullopt;
        }
        units = units * 10 + static_cast<std::uint64_t>(text[at] - '0');
        digits += units != 0 ? 1 : 0;
        scale += point ? 1 : 0;
    }
    if (at < text.size()) { // an exponent
        const std::optional<std::int32_t> exponent = parseWholeNumber(text.substr(at + 1));
        if (!exponent || *exponent < -27 || *exponent > 27) {
            return std::nullopt;
        }
        scale -= *exponent;
    }
    for (; scale < 0 && units <= std::numeric_limits<std::uint64_t>::max() / 10; ++scale) {
        units *= 10;
    }
    if (scale < 0 || scale > 27) {
        return std::nullopt;
    }
    long double power = 1;
    for (int i = 0; i < scale; ++i) {
        power *= 10;
    }
    return static_cast<long double>(units) / power;
}

} // namespace

std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || digitRun(text) != text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<long double> parseDecimal(std::string_view text) {
    // Check the shape first: from_chars alone would accept "inf", "nan" and hex floats.
    std::string_view rest = text;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        rest.remove_prefix(1);
    }
    std::size_t digits = digitRun(rest);
    rest.remove_prefix(digits);
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        const std::size_t fraction = digitRun(rest);
        digits += fraction;
        rest.remove_prefix(fraction);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            rest.remove_prefix(1);
        }
        const std::size_t exponent = digitRun(rest);
        if (exponent == 0) {
            return std::nullopt;
        }
        rest.remove_prefix(exponent);
    }
    if (!rest.empty()) {
        return std::nullopt;
    }
    // from_chars takes no leading '+'.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    const bool negative = text.front() == '-';
    if (const std::optional<long double> exact = exactDecimal(text.substr(negative ? 1 : 0))) {
        return negative ? -*exact : *exact;
    }
    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::int32_t clampToField(const FieldSpec &fieldSpec, std::int64_t value) {
    std::int64_t low = std::numeric_limits<std::int32_t>::min();
    std::int64_t high = std::numeric_limits<std::int32_t>::max();
    if (fieldSpec.bounded()) {
        low = fieldSpec.minimum;
        high = fieldSpec.maximum;
    }
    return static_cast<std::int32_t>(value < low ? low : (value > high ? high : value));
}

std::int32_t readInteger(const FieldSpec &fieldSpec, std::string_view text) {
    const std::optional<std::int32_t> value = parseWholeNumber(text);
    return value ? clampToField(fieldSpec, *value) : fieldSpec.minimum;
}

long double readDecimal(std::string_view text) {
    return parseDecimal(text).value_or(0.0L);
}

long double roundHalfAway(long double value) {
    return std::roundl(value);
}

std::string formatPlain(std::int64_t value) {
    return std::to_string(value);
}

namespace {

// `value` rounded to whole won, halves away from zero, as a sign and a magnitude read from the
// bits of the x87 extended format (a 64-bit mantissa with its leading bit, a 15-bit exponent and
// the sign): money is written for every figure of a journal's million rows, and this takes no
// floating-point instruction. Empty for magnitudes from 2^63 on, infinities and NaN.
struct RoundedMoney {
    bool negative;
    std::uint64_t magnitude;
};

std::optional<RoundedMoney> roundedFromBits(const long double &value) {
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &value, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char *>(&value) + sizeof mantissa,
                sizeof signAndExponent);
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = (signAndExponent & 0x7fff) - 16383;
    if (exponent < -1) {
        return RoundedMoney{negative, 0}; // below one half, zero and subnormals included
    }
    if (exponent == -1) {
        return RoundedMoney{negative, 1}; // from one half to one
    }
    if (exponent >= 63) {
        return std::nullopt;
    }
    const int fractionBits = 63 - exponent;
    const std::uint64_t half = std::uint64_t{1} << (fractionBits - 1);
    const std::uint64_t fraction = mantissa & ((half << 1) - 1);
    return RoundedMoney{negative, (mantissa >> fractionBits) + (fraction >= half ? 1 : 0)};
}

// The digits of `magnitude`, in 32-bit arithmetic, which is faster, where it fits.
char *writeDigits(std::uint64_t magnitude, char *out) {
    if (magnitude <= std::numeric_limits<std::uint32_t>::max()) {
        return std::to_chars(out, out + 10, static_cast<std::uint32_t>(magnitude)).ptr;
    }
    return std::to_chars(out, out + 20, magnitude).ptr;
}

constexpr bool x87Extended =
    std::numeric_limits<long double>::digits == 64 && std::numeric_limits<long double>::is_iec559;

} // namespace

char *writeMoneyDigits(const long double &value, char *out) {
    if constexpr (x87Extended) {
        if (const std::optional<RoundedMoney> rounded = roundedFromBits(value)) {
            if (rounded->magnitude == 0) {
                *out = '0'; // also for -0.4, which must not show "-0"
                return out + 1;
            }
            if (rounded->negative) {
                *out++ = '-';
            }
            return writeDigits(rounded->magnitude, out);
        }
    }
    const long double rounded = roundHalfAway(value);
    if (rounded == 0) {
        *out = '0';
        return out + 1;
    }
    if (rounded < 0) {
        *out++ = '-';
    }
    const long double magnitude = std::fabs(rounded);
    // Money fits in 64 bits by far; beyond that fall back to the plain digits of the value.
    if (magnitude < 9.0e18L) {
        return std::to_chars(out, out + 20, static_cast<std::uint64_t>(magnitude)).ptr;
    }
    const auto [end, error] =
        std::to_chars(out, out + moneyDigitsCapacity - 1, magnitude, std::chars_format::fixed, 0);
    return error == std::errc{} ? end : out;
}

char *writeWholeDigits(std::int64_t value, char *out) {
    if (value < 0) {
        *out++ = '-';
    }
    const auto magnitude = static_cast<std::uint64_t>(value);
    return writeDigits(value < 0 ? 0 - magnitude : magnitude, out);
}

std::string formatMoney(long double value) {
    char buffer[moneyDigitsCapacity];
    std::string_view digits(buffer, writeMoneyDigits(value, buffer));
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3 + 1);
    if (digits.starts_with('-')) {
        grouped.push_back('-');
        digits.remove_prefix(1);
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string formatDecimal(long double value, int decimals) {
    char buffer[128];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc{}) {
        return "0";
    }
    std::string text(buffer, end);
    // "-0.000" would read as a negative rate; show it as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string formatSetDecimal(double value, const FieldSpec &fieldSpec) {
    for (int decimals = fieldSpec.decimals;; ++decimals) {
        std::string text = formatDecimal(value, decimals);
        if (static_cast<double>(readDecimal(text)) == value || decimals >= fieldSpec.mostDecimals) {
            return text;
        }
    }
}

} // namespace mx
