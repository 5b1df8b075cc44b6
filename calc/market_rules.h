#pragma once

#include "decimal_rate.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The rules of the Korean exchanges that change with the trade date: the sell-side tax of
// each market and the exchange's price ticks. Each change is one row of data in
// market_rules.cpp.
namespace mx {

enum class Market { Kospi, Kosdaq, Konex, EtfEtn };

struct TradeDate {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const TradeDate &) const = default;
};

// "YYYY-MM-DD" naming a real calendar date (years 0001..9999), else nothing.
std::optional<TradeDate> parseTradeDate(std::string_view text);

// "2026-03-06".
std::string formatTradeDate(const TradeDate &date);

// The market of an exact ASCII key: "kospi", "kosdaq", "konex" or "etf".
std::optional<Market> parseMarket(std::string_view key);
std::string_view marketKey(Market market);

// The keys in the order of the enumeration, as the market's choice field offers them.
inline constexpr std::array<std::string_view, 4> marketKeys{"kospi", "kosdaq", "konex", "etf"};

// A market as a journal, a broker's export or an option names it: its key, the name the window
// shows (코스피, 코스닥, 코넥스, ETF·ETN) or an exchange's own (유가증권시장, 코스닥시장, ETN ...),
// with blanks around it and whatever the case of its Latin letters.
std::optional<Market> parseMarketName(std::string_view text);

// The sell-side tax on trades of `market` on `date`, in percent of the sell amount: the
// securities transaction tax (증권거래세) and, on KOSPI, the special tax for rural development
// (농어촌특별세), each charged on the whole sell amount; and the first trade date from which the
// two have been in force, no date for the rates in force before the first recorded change.
// ETFs and ETNs pay neither.
struct TaxRate {
    DecimalRate transaction;
    DecimalRate rural;
    std::optional<TradeDate> from;
    DecimalRate total() const; // what a sell pays in all
};
TaxRate taxRateInForce(Market market, const TradeDate &date);

// The read-only line of the options panel. Where the rates apply, the rate with its parts and
// its first trade date: "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2025-12-29
// 매매분부터)", "적용 세율 0.20% (2025-12-29 매매분부터)" on a market of one tax. Where they do
// not, that r2 applies: "제세금율 적용 중 (거래일 기준 세율 0.20% 미적용)".
std::string taxRateLine(Market market, const TradeDate &date, bool applied);

// A step that holds from a price on, up to the next band's price.
struct PriceBand {
    std::int64_t from;
    std::int32_t step;
};

// The prices a price field steps through: in each band the multiples of its step. Prices
// below the first band belong to it.
class PriceGrid {
public:
    // The program's own steps: 5 below 5,000; 10; 50 from 10,000; 100 from 50,000; 500 from
    // 100,000; 1,000 from 500,000.
    static PriceGrid bands();
    // The exchange's ticks in force for `market` on `date`.
    static PriceGrid ticks(Market market, const TradeDate &date);

    // The step at `price`.
    std::int32_t step(std::int64_t price) const;
    // The smallest valid price above `price`, and the largest below it.
    std::int64_t above(std::int64_t price) const;
    std::int64_t below(std::int64_t price) const;
    // Whether `price` is a multiple of its band's step.
    bool contains(std::int64_t price) const;

private:
    explicit PriceGrid(std::span<const PriceBand> bands) : bands_(bands) {}
    const PriceBand &bandOf(std::int64_t price) const;

    std::span<const PriceBand> bands_;
};

} // namespace mx
