// Where the buy price lies between a high and a low: the three gauges, the position boxes
// and the written verdicts. Nothing here shows a message; every failure is silent.
#include "calculate.h"
#include "texts.h"

namespace mx {
namespace {

namespace f = fields;

// A gauge with the high and the low it shows.
struct GaugeStep {
    fields::Gauge names;
    std::string_view high, low;
};

void gaugeStep(Sheet &sheet, const GaugeStep &step) {
    const std::int32_t high = readInteger(sheet, step.high);
    const std::int32_t low = readInteger(sheet, step.low);
    const std::string_view gauge = step.names.gauge;
    sheet.setText(step.names.top, formatPlain(high));
    sheet.setText(step.names.foot, formatPlain(low));
    const std::optional<std::int32_t> range = checkedSubtract(high, low);
    if (!range || !sheet.setGaugeMaximum(gauge, *range)) {
        return;
    }
    const std::optional<std::int32_t> position =
        checkedSubtract(readInteger(sheet, f::buyPrice), low);
    if (!position) {
        return;
    }
    sheet.setGaugeProgress(gauge, *position);
    const bool aboveMiddle = sheet.gaugeProgress(gauge) > *range / 2;
    sheet.setGaugeColor(gauge, aboveMiddle ? GaugeColor::Red : GaugeColor::Blue);
}

// One position box: the high, the buy price and the low, and the two distances, with the
// fields its high and low come from.
struct PositionBox {
    fields::PositionBox names;
    std::string_view topSource, bottomSource;
};

constexpr PositionBox positionBoxes[] = {
    {f::periodBox, f::periodHigh, f::periodLow},
    {f::limitBox, f::upperLimit, f::lowerLimit},
    {f::dayBox, f::dayHigh, f::dayLow},
};

// Step 1 of the diagnosis; false when a distance leaves the 32-bit range.
bool fillPositionBoxes(Sheet &sheet) {
    const std::string buyPrice = formatPlain(readInteger(sheet, f::buyPrice));
    for (const auto &[box, topSource, bottomSource] : positionBoxes) {
        sheet.setText(box.top, formatPlain(readInteger(sheet, topSource)));
        sheet.setText(box.buyPrice, buyPrice);
        sheet.setText(box.bottom, formatPlain(readInteger(sheet, bottomSource)));
    }
    for (const auto &[box, topSource, bottomSource] : positionBoxes) {
        const std::int32_t top = readInteger(sheet, box.top);
        const std::int32_t middle = readInteger(sheet, box.buyPrice);
        const std::int32_t bottom = readInteger(sheet, box.bottom);
        const std::optional<std::int32_t> up = checkedSubtract(top, middle);
        if (!up) {
            return false;
        }
        sheet.setText(box.above, formatPlain(*up));
        const std::optional<std::int32_t> down = checkedSubtract(middle, bottom);
        if (!down) {
            return false;
        }
        sheet.setText(box.below, formatPlain(*down));
    }
    return true;
}

// The lines of the two verdict memos, collected while the diagnosis runs and shown at its end,
// each memo at once.
struct Verdicts {
    std::vector<std::string> longTerm;   // Memo3
    std::vector<std::string> dayTrading; // Memo4
};

// The ratio lines; left out when the divisor is 0.
void addFavourableRatio(std::vector<std::string> &memo, std::int32_t up, std::int32_t down) {
    if (down != 0) {
        memo.push_back(std::string(texts::ratioPrefix) + formatPlain(up / down) +
                       std::string(texts::favourableRatioSuffix));
    }
}

void addUnfavourableRatio(std::vector<std::string> &memo, std::int32_t up, std::int32_t down) {
    if (up != 0) {
        memo.push_back(std::string(texts::unfavourableRatioPrefix) + formatPlain(down / up) +
                       std::string(texts::unfavourableRatioSuffix));
    }
}

// Prices read from a position box, given only when all three are above 0.
struct Position {
    std::int32_t top, middle, bottom;
    std::int32_t up() const { return top - middle; }
    std::int32_t down() const { return middle - bottom; }
};

std::optional<Position> readPosition(const Sheet &sheet, const fields::PositionBox &box) {
    const Position p{readInteger(sheet, box.top), readInteger(sheet, box.buyPrice),
                     readInteger(sheet, box.bottom)};
    if (p.top <= 0 || p.middle <= 0 || p.bottom <= 0) {
        return std::nullopt;
    }
    return p;
}

void dayTradingVerdict(Verdicts &verdicts, const Position &p) {
    std::vector<std::string> &day = verdicts.dayTrading;
    const std::int32_t up = p.up();
    const std::int32_t down = p.down();
    if (up > down && up > 0) {
        day.emplace_back(texts::positiveVerdict);
        addFavourableRatio(day, up, down);
        day.emplace_back(texts::dayPositiveCaution);
    }
    if (p.middle == p.top) {
        day.emplace_back(texts::upperLimitNote);
        verdicts.longTerm.emplace_back(texts::upperLimitLongTermAdvice);
        verdicts.longTerm.emplace_back(texts::upperLimitLongTermCaution);
    }
    if (p.middle == p.bottom) {
        day.emplace_back(texts::lowerLimitNote);
    }
    if (up < down) {
        day.emplace_back(texts::dayNegativeVerdict);
        day.emplace_back(texts::dayNegativeProviso);
        addUnfavourableRatio(day, up, down);
    }
}

void longTermVerdict(Verdicts &verdicts, const Position &p) {
    std::vector<std::string> &memo = verdicts.longTerm;
    const std::int32_t up = p.up();
    const std::int32_t down = p.down();
    if (up > down && up > 0) {
        memo.emplace_back(texts::positiveVerdict);
        addFavourableRatio(memo, up, down);
        memo.emplace_back(texts::longTermPositiveCaution);
    }
    if (up == down) {
        memo.emplace_back(texts::evenVerdict);
        memo.emplace_back(texts::evenCaution);
    }
    if (up < down) {
        memo.emplace_back(texts::longTermNegativeVerdict);
        addUnfavourableRatio(memo, up, down);
        memo.emplace_back(texts::longTermNegativeCaution);
    }
    if (p.top == p.middle) {
        memo.emplace_back(texts::atHighNote);
        memo.emplace_back(texts::evenCaution);
    }
}

} // namespace

void gaugeSteps(Sheet &sheet) {
    constexpr GaugeStep steps[] = {
        {f::periodGauge, f::periodHigh, f::periodLow},
        {f::limitGauge, f::upperLimit, f::lowerLimit},
        {f::dayGauge, f::dayHigh, f::dayLow},
    };
    for (const GaugeStep &step : steps) {
        gaugeStep(sheet, step);
    }
}

void diagnosis(Sheet &sheet) {
    fillPositionBoxes(sheet);
    Verdicts verdicts;
    if (const std::optional<Position> day = readPosition(sheet, f::limitBox)) {
        dayTradingVerdict(verdicts, *day);
    }
    if (const std::optional<Position> longTerm = readPosition(sheet, f::periodBox)) {
        longTermVerdict(verdicts, *longTerm);
    }
    sheet.setMemoLines(f::longTermVerdict, verdicts.longTerm);
    sheet.setMemoLines(f::dayTradingVerdict, verdicts.dayTrading);
}

} // namespace mx
