#include "entry_rules.h"

#include "fields.h"
#include "market_rules.h"

namespace mx {

std::int32_t priceStep(std::int32_t value) {
    return PriceGrid::bands().step(value);
}

std::string formatStep(std::int32_t step) {
    return formatMoney(step);
}

std::optional<std::int32_t> applyPadKey(PadKey key, std::int32_t value) {
    std::int64_t result = value;
    switch (key) {
    case PadKey::PlusOne:
        result += 1;
        break;
    case PadKey::MinusOne:
        result -= 1;
        break;
    case PadKey::TimesTen:
        result *= 10;
        break;
    case PadKey::DivideByTen:
        result /= 10; // truncates toward zero: 47 -> 4, -15 -> -1
        break;
    case PadKey::Zero:
        result = 0;
        break;
    }
    if (result < INT32_MIN || result > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(result);
}

std::string withoutSeparators(std::string_view text) {
    std::string bare;
    bare.reserve(text.size());
    for (char c : text) {
        if (c != ',') {
            bare.push_back(c);
        }
    }
    return bare;
}

std::optional<std::string> reformatResult(std::string_view text) {
    const std::optional<long double> value = parseDecimal(text);
    if (!value) {
        return std::nullopt;
    }
    return formatMoney(*value);
}

} // namespace mx
