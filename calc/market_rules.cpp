#include "market_rules.h"

#include "enum_keys.h"
#include "texts.h"

#include <algorithm>
#include <utility>

namespace mx {
namespace {

// --- Sell-side tax --------------------------------------------------------

// Rates in hundredths of a percent, by the first trade date whose sells carry them: the
// securities transaction tax of each market and, on KOSPI alone, the special tax for rural
// development. ETFs and ETNs pay neither.
struct TaxRow {
    std::optional<TradeDate> from;
    std::int64_t kospi, kospiRural, kosdaq, konex;
};

constexpr TaxRow taxRows[] = {
    {std::nullopt, 15, 15, 30, 30},           {TradeDate{2019, 5, 30}, 10, 15, 25, 10},
    {TradeDate{2020, 12, 29}, 8, 15, 23, 10}, {TradeDate{2022, 12, 28}, 5, 15, 20, 10},
    {TradeDate{2023, 12, 27}, 3, 15, 18, 10}, {TradeDate{2024, 12, 27}, 0, 15, 15, 10},
    {TradeDate{2025, 12, 29}, 5, 15, 20, 10},
};

// The two parts a row charges on `market`, in hundredths of a percent.
std::pair<std::int64_t, std::int64_t> ratesOf(const TaxRow &row, Market market) {
    switch (market) {
    case Market::Kospi:
        return {row.kospi, row.kospiRural};
    case Market::Kosdaq:
        return {row.kosdaq, 0};
    case Market::Konex:
        return {row.konex, 0};
    case Market::EtfEtn:
        break;
    }
    return {0, 0};
}

// --- Names of the markets ------------------------------------------------

// In lower case: the keys, the window's names and the names the exchanges and brokers use.
constexpr std::pair<std::string_view, Market> marketNames[] = {
    {"kospi", Market::Kospi},     {"kosdaq", Market::Kosdaq},      {"konex", Market::Konex},
    {"etf", Market::EtfEtn},      {"코스피", Market::Kospi},       {"코스닥", Market::Kosdaq},
    {"코넥스", Market::Konex},    {"etf·etn", Market::EtfEtn},     {"etn", Market::EtfEtn},
    {"유가증권", Market::Kospi},  {"유가증권시장", Market::Kospi}, {"코스닥시장", Market::Kosdaq},
    {"코넥스시장", Market::Konex}};

// --- Exchange ticks -------------------------------------------------------

constexpr PriceBand stockTicksSince2023[] = {
    {0, 1}, {2000, 5}, {5000, 10}, {20000, 50}, {50000, 100}, {200000, 500}, {500000, 1000}};
constexpr PriceBand kospiTicksBefore2023[] = {
    {0, 1}, {1000, 5}, {5000, 10}, {10000, 50}, {50000, 100}, {100000, 500}, {500000, 1000}};
constexpr PriceBand kosdaqTicksBefore2023[] = {
    {0, 1}, {1000, 5}, {5000, 10}, {10000, 50}, {50000, 100}};
constexpr PriceBand etfTicksBeforeDecember2023[] = {{0, 5}};
constexpr PriceBand etfTicksSinceDecember2023[] = {{0, 1}, {2000, 5}};

// The program's own steps of a price field.
constexpr PriceBand programBands[] = {{0, 5},       {5000, 10},    {10000, 50},
                                      {50000, 100}, {100000, 500}, {500000, 1000}};

// The ticks of a market from the first trade date they apply to.
struct TickRow {
    Market market;
    std::optional<TradeDate> from;
    std::span<const PriceBand> bands;
};

constexpr TickRow tickRows[] = {
    {Market::Kospi, std::nullopt, kospiTicksBefore2023},
    {Market::Kospi, TradeDate{2023, 1, 25}, stockTicksSince2023},
    {Market::Kosdaq, std::nullopt, kosdaqTicksBefore2023},
    {Market::Kosdaq, TradeDate{2023, 1, 25}, stockTicksSince2023},
    {Market::Konex, std::nullopt, kosdaqTicksBefore2023},
    {Market::Konex, TradeDate{2023, 1, 25}, stockTicksSince2023},
    {Market::EtfEtn, std::nullopt, etfTicksBeforeDecember2023},
    {Market::EtfEtn, TradeDate{2023, 12, 18}, etfTicksSinceDecember2023},
};

// A band's lower price must itself be a valid price, and the bands must rise.
constexpr bool wellFormed(std::span<const PriceBand> bands) {
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].step <= 0 || bands[i].from % bands[i].step != 0 ||
            (i > 0 && bands[i].from <= bands[i - 1].from)) {
            return false;
        }
    }
    return !bands.empty();
}
static_assert(wellFormed(programBands));
static_assert(wellFormed(stockTicksSince2023) && wellFormed(kospiTicksBefore2023) &&
              wellFormed(kosdaqTicksBefore2023) && wellFormed(etfTicksBeforeDecember2023) &&
              wellFormed(etfTicksSinceDecember2023));

bool inForce(const std::optional<TradeDate> &from, const TradeDate &date) {
    return !from || *from <= date;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

TradeDate dayBefore(const TradeDate &date) {
    if (date.day > 1) {
        return {date.year, date.month, date.day - 1};
    }
    if (date.month > 1) {
        return {date.year, date.month - 1, daysInMonth(date.year, date.month - 1)};
    }
    return {date.year - 1, 12, 31};
}

std::string padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return a / b + (a % b != 0 && (a < 0) == (b < 0) ? 1 : 0);
}

} // namespace

std::optional<TradeDate> parseTradeDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    // The digits at `from` up to `to`, or -1, which no part of a date is, where one is not a
    // digit.
    const auto number = [text](std::size_t from, std::size_t to) {
        int value = 0;
        for (std::size_t i = from; i < to; ++i) {
            const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
            if (digit > 9) {
                return -1;
            }
            value = value * 10 + static_cast<int>(digit);
        }
        return value;
    };
    const int parts[3] = {number(0, 4), number(5, 7), number(8, 10)};
    const TradeDate date{parts[0], parts[1], parts[2]};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

std::string formatTradeDate(const TradeDate &date) {
    return padded(date.year, 4) + "-" + padded(date.month, 2) + "-" + padded(date.day, 2);
}

std::optional<Market> parseMarket(std::string_view key) {
    return enum_keys::valueOf<Market>(marketKeys, key);
}

std::optional<Market> parseMarketName(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (const auto &[known, market] : marketNames) {
        if (std::equal(text.begin(), text.end(), known.begin(), known.end(),
                       [&lower](char a, char b) { return lower(a) == b; })) {
            return market;
        }
    }
    return std::nullopt;
}

std::string_view marketKey(Market market) {
    return enum_keys::keyOf(marketKeys, market);
}

DecimalRate TaxRate::total() const {
    return {transaction.units + rural.units, 2};
}

TaxRate taxRateInForce(Market market, const TradeDate &date) {
    // The rates of the last row in force, from the first row of the run that carries them.
    std::optional<TradeDate> from = taxRows[0].from;
    std::pair<std::int64_t, std::int64_t> hundredths = ratesOf(taxRows[0], market);
    for (const TaxRow &row : taxRows) {
        if (!inForce(row.from, date)) {
            break;
        }
        if (ratesOf(row, market) != hundredths) {
            from = row.from;
            hundredths = ratesOf(row, market);
        }
    }
    return {DecimalRate{hundredths.first, 2}, DecimalRate{hundredths.second, 2}, from};
}

std::string taxRateLine(Market market, const TradeDate &date, bool applied) {
    const TaxRate tax = taxRateInForce(market, date);
    const std::string total = formatRate(tax.total()) + "%";
    if (!applied) {
        return std::string(texts::taxRateUnusedPrefix) + total + std::string(texts::taxRateUnused);
    }
    std::string note;
    if (tax.rural.units != 0) {
        note = std::string(texts::transactionTaxName) + formatRate(tax.transaction) + "% + " +
               std::string(texts::ruralTaxName) + formatRate(tax.rural) + "%, ";
    }
    if (market == Market::EtfEtn) {
        note += texts::taxRateEtfExempt;
    } else if (tax.from) {
        note += formatTradeDate(*tax.from) + std::string(texts::taxRateTradesFrom);
    } else {
        // The rates of the first row hold until the market's first change.
        const TaxRow *change = &taxRows[1];
        while (ratesOf(*change, market) == ratesOf(taxRows[0], market)) {
            ++change;
        }
        note += formatTradeDate(dayBefore(*change->from)) + std::string(texts::taxRateTradesUntil);
    }
    return std::string(texts::taxRateLinePrefix) + total + " (" + note + ")";
}

PriceGrid PriceGrid::bands() {
    return PriceGrid(programBands);
}

PriceGrid PriceGrid::ticks(Market market, const TradeDate &date) {
    std::span<const PriceBand> bands;
    for (const TickRow &row : tickRows) {
        if (row.market == market && (bands.empty() || inForce(row.from, date))) {
            bands = row.bands;
        }
    }
    return PriceGrid(bands);
}

const PriceBand &PriceGrid::bandOf(std::int64_t price) const {
    const PriceBand *band = &bands_.front();
    for (const PriceBand &candidate : bands_.subspan(1)) {
        if (candidate.from > price) {
            break; // the bands rise
        }
        band = &candidate;
    }
    return *band;
}

std::int32_t PriceGrid::step(std::int64_t price) const {
    return bandOf(price).step;
}

std::int64_t PriceGrid::above(std::int64_t price) const {
    const std::int64_t first = price + 1;
    const PriceBand &band = bandOf(first);
    const std::int64_t multiple = ceilDiv(first, band.step) * band.step;
    // Every band starts on a valid price, so a multiple past the band gives way to the next.
    const PriceBand *next = &band + 1;
    if (next != bands_.data() + bands_.size() && multiple >= next->from) {
        return next->from;
    }
    return multiple;
}

std::int64_t PriceGrid::below(std::int64_t price) const {
    const std::int64_t last = price - 1;
    const PriceBand &band = bandOf(last);
    return floorDiv(last, band.step) * band.step;
}

bool PriceGrid::contains(std::int64_t price) const {
    return price % step(price) == 0;
}

} // namespace mx
