// The market rules of the trade date: tax rates, tick tables, price grids, dates and keys.
#include "calc/market_rules.h"

#include <gtest/gtest.h>

namespace mx {
namespace {

template <typename Row> std::string rowName(const testing::TestParamInfo<Row> &info) {
    return info.param.name;
}

TradeDate on(const char *text) {
    return parseTradeDate(text).value();
}

struct TaxRow {
    const char *name;
    const char *date;
    const char *kospi, *kosdaq, *konex;
    Market lineMarket;
    const char *line;
};

void PrintTo(const TaxRow &row, std::ostream *out) {
    *out << row.name;
}

class TaxRateTest : public testing::TestWithParam<TaxRow> {};

TEST_P(TaxRateTest, RateOfTheTradeDate) {
    const TaxRow &row = GetParam();
    const TradeDate date = on(row.date);
    const auto parts = [&date](Market market) {
        const TaxRate tax = taxRateInForce(market, date);
        return formatRate(tax.transaction) + " + " + formatRate(tax.rural);
    };
    EXPECT_EQ(parts(Market::Kospi), row.kospi);
    EXPECT_EQ(parts(Market::Kosdaq), std::string(row.kosdaq) + " + 0.00");
    EXPECT_EQ(parts(Market::Konex), std::string(row.konex) + " + 0.00");
    EXPECT_EQ(parts(Market::EtfEtn), "0.00 + 0.00");
    EXPECT_EQ(taxRateLine(row.lineMarket, date, true), row.line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TaxRateTest,
    testing::Values(
        TaxRow{"long_before", "2001-01-02", "0.15 + 0.15", "0.30", "0.30", Market::Kospi,
               "적용 세율 0.30% (증권거래세 0.15% + 농어촌특별세 0.15%, 2019-05-29 매매분까지)"},
        TaxRow{"before_2019", "2019-05-29", "0.15 + 0.15", "0.30", "0.30", Market::Konex,
               "적용 세율 0.30% (2019-05-29 매매분까지)"},
        TaxRow{"from_2019", "2019-05-30", "0.10 + 0.15", "0.25", "0.10", Market::Konex,
               "적용 세율 0.10% (2019-05-30 매매분부터)"},
        TaxRow{"before_2020", "2020-12-28", "0.10 + 0.15", "0.25", "0.10", Market::Kosdaq,
               "적용 세율 0.25% (2019-05-30 매매분부터)"},
        TaxRow{"from_2020", "2020-12-29", "0.08 + 0.15", "0.23", "0.10", Market::Kosdaq,
               "적용 세율 0.23% (2020-12-29 매매분부터)"},
        TaxRow{"before_2022", "2022-12-27", "0.08 + 0.15", "0.23", "0.10", Market::Kospi,
               "적용 세율 0.23% (증권거래세 0.08% + 농어촌특별세 0.15%, 2020-12-29 매매분부터)"},
        TaxRow{"from_2022", "2022-12-28", "0.05 + 0.15", "0.20", "0.10", Market::Kospi,
               "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2022-12-28 매매분부터)"},
        TaxRow{"before_2023", "2023-12-26", "0.05 + 0.15", "0.20", "0.10", Market::Kospi,
               "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2022-12-28 매매분부터)"},
        TaxRow{"from_2023", "2023-12-27", "0.03 + 0.15", "0.18", "0.10", Market::Kospi,
               "적용 세율 0.18% (증권거래세 0.03% + 농어촌특별세 0.15%, 2023-12-27 매매분부터)"},
        TaxRow{"before_2024", "2024-12-26", "0.03 + 0.15", "0.18", "0.10", Market::Kospi,
               "적용 세율 0.18% (증권거래세 0.03% + 농어촌특별세 0.15%, 2023-12-27 매매분부터)"},
        TaxRow{"from_2024", "2024-12-27", "0.00 + 0.15", "0.15", "0.10", Market::Kospi,
               "적용 세율 0.15% (증권거래세 0.00% + 농어촌특별세 0.15%, 2024-12-27 매매분부터)"},
        TaxRow{"before_2025", "2025-12-28", "0.00 + 0.15", "0.15", "0.10", Market::Kospi,
               "적용 세율 0.15% (증권거래세 0.00% + 농어촌특별세 0.15%, 2024-12-27 매매분부터)"},
        TaxRow{"from_2025", "2025-12-29", "0.05 + 0.15", "0.20", "0.10", Market::Kospi,
               "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2025-12-29 매매분부터)"},
        TaxRow{"years_later", "2031-06-30", "0.05 + 0.15", "0.20", "0.10", Market::Kosdaq,
               "적용 세율 0.20% (2025-12-29 매매분부터)"},
        // KONEX has paid 0.10 % since 2019, whatever the other markets paid.
        TaxRow{"konex_unchanged_since_2019", "2026-03-06", "0.05 + 0.15", "0.20", "0.10",
               Market::Konex, "적용 세율 0.10% (2019-05-30 매매분부터)"},
        TaxRow{"etf_exempt", "2026-03-06", "0.05 + 0.15", "0.20", "0.10", Market::EtfEtn,
               "적용 세율 0.00% (ETF·ETN 비과세)"},
        TaxRow{"etf_exempt_long_before", "2001-01-02", "0.15 + 0.15", "0.30", "0.30",
               Market::EtfEtn, "적용 세율 0.00% (ETF·ETN 비과세)"}),
    rowName<TaxRow>);

// The step just below a band's lower price and at it.
struct TickRow {
    const char *name;
    Market market;
    const char *date;
    std::int64_t edge;
    std::int32_t below, at;
};

void PrintTo(const TickRow &row, std::ostream *out) {
    *out << row.name;
}

class TickTest : public testing::TestWithParam<TickRow> {};

TEST_P(TickTest, BandEdge) {
    const TickRow &row = GetParam();
    const PriceGrid grid = PriceGrid::ticks(row.market, on(row.date));
    EXPECT_EQ(grid.step(row.edge - 1), row.below);
    EXPECT_EQ(grid.step(row.edge), row.at);
}

constexpr Market kospi = Market::Kospi;
constexpr Market kosdaq = Market::Kosdaq;
constexpr Market konex = Market::Konex;
constexpr Market etf = Market::EtfEtn;

INSTANTIATE_TEST_SUITE_P(
    Rows, TickTest,
    testing::Values(TickRow{"kospi_since_2023_first", kospi, "2023-01-25", 1, 1, 1},
                    TickRow{"kospi_since_2023_2000", kospi, "2023-01-25", 2000, 1, 5},
                    TickRow{"kospi_since_2023_5000", kospi, "2023-01-25", 5000, 5, 10},
                    TickRow{"kospi_since_2023_20000", kospi, "2023-01-25", 20000, 10, 50},
                    TickRow{"kospi_since_2023_50000", kospi, "2026-03-06", 50000, 50, 100},
                    TickRow{"kospi_since_2023_200000", kospi, "2026-03-06", 200000, 100, 500},
                    TickRow{"kospi_since_2023_500000", kospi, "2026-03-06", 500000, 500, 1000},
                    TickRow{"kosdaq_since_2023_2000", kosdaq, "2023-01-25", 2000, 1, 5},
                    TickRow{"kosdaq_since_2023_200000", kosdaq, "2023-01-25", 200000, 100, 500},
                    TickRow{"konex_since_2023_20000", konex, "2023-01-25", 20000, 10, 50},
                    TickRow{"konex_since_2023_500000", konex, "2026-03-06", 500000, 500, 1000},
                    TickRow{"kospi_before_2023_1000", kospi, "2023-01-24", 1000, 1, 5},
                    TickRow{"kospi_before_2023_5000", kospi, "2023-01-24", 5000, 5, 10},
                    TickRow{"kospi_before_2023_10000", kospi, "2023-01-24", 10000, 10, 50},
                    TickRow{"kospi_before_2023_50000", kospi, "2023-01-24", 50000, 50, 100},
                    TickRow{"kospi_before_2023_100000", kospi, "2023-01-24", 100000, 100, 500},
                    TickRow{"kospi_before_2023_500000", kospi, "2010-07-01", 500000, 500, 1000},
                    TickRow{"kosdaq_before_2023_1000", kosdaq, "2023-01-24", 1000, 1, 5},
                    TickRow{"kosdaq_before_2023_5000", kosdaq, "2023-01-24", 5000, 5, 10},
                    TickRow{"kosdaq_before_2023_10000", kosdaq, "2023-01-24", 10000, 10, 50},
                    TickRow{"kosdaq_before_2023_50000", kosdaq, "2023-01-24", 50000, 50, 100},
                    TickRow{"kosdaq_before_2023_100000", kosdaq, "2023-01-24", 100000, 100, 100},
                    TickRow{"kosdaq_before_2023_500000", kosdaq, "2010-07-01", 500000, 100, 100},
                    TickRow{"konex_before_2023_1000", konex, "2023-01-24", 1000, 1, 5},
                    TickRow{"konex_before_2023_500000", konex, "2023-01-24", 500000, 100, 100},
                    TickRow{"etf_before_december_2023", etf, "2023-12-17", 2000, 5, 5},
                    TickRow{"etf_before_december_2023_first", etf, "2023-12-17", 1, 5, 5},
                    TickRow{"etf_since_december_2023_2000", etf, "2023-12-18", 2000, 1, 5},
                    TickRow{"etf_since_december_2023_large", etf, "2026-03-06", 500000, 5, 5}),
    rowName<TickRow>);

struct NeighbourRow {
    const char *name;
    PriceGrid grid;
    std::int64_t price;
    std::int64_t above, below;
    bool contains;
};

void PrintTo(const NeighbourRow &row, std::ostream *out) {
    *out << row.name;
}

class PriceGridTest : public testing::TestWithParam<NeighbourRow> {};

TEST_P(PriceGridTest, NeighboursAreValidPrices) {
    const NeighbourRow &row = GetParam();
    EXPECT_EQ(row.grid.above(row.price), row.above);
    EXPECT_EQ(row.grid.below(row.price), row.below);
    EXPECT_EQ(row.grid.contains(row.price), row.contains);
    EXPECT_TRUE(row.grid.contains(row.above));
    EXPECT_TRUE(row.grid.contains(row.below));
}

const PriceGrid bands = PriceGrid::bands();
const PriceGrid ticks = PriceGrid::ticks(Market::Kospi, TradeDate{2026, 3, 6});
const PriceGrid oldKosdaq = PriceGrid::ticks(Market::Kosdaq, TradeDate{2022, 1, 3});
const PriceGrid etf2026 = PriceGrid::ticks(Market::EtfEtn, TradeDate{2026, 3, 6});
const PriceGrid oldEtf = PriceGrid::ticks(Market::EtfEtn, TradeDate{2023, 12, 17});

INSTANTIATE_TEST_SUITE_P(
    Rows, PriceGridTest,
    testing::Values(NeighbourRow{"ticks_1999", ticks, 1999, 2000, 1998, true},
                    NeighbourRow{"ticks_2000", ticks, 2000, 2005, 1999, true},
                    NeighbourRow{"ticks_2001", ticks, 2001, 2005, 2000, false},
                    NeighbourRow{"ticks_2004", ticks, 2004, 2005, 2000, false},
                    NeighbourRow{"ticks_2005", ticks, 2005, 2010, 2000, true},
                    NeighbourRow{"ticks_4999", ticks, 4999, 5000, 4995, false},
                    NeighbourRow{"ticks_5000", ticks, 5000, 5010, 4995, true},
                    NeighbourRow{"ticks_19999", ticks, 19999, 20000, 19990, false},
                    NeighbourRow{"ticks_20000", ticks, 20000, 20050, 19990, true},
                    NeighbourRow{"ticks_49999", ticks, 49999, 50000, 49950, false},
                    NeighbourRow{"ticks_50000", ticks, 50000, 50100, 49950, true},
                    NeighbourRow{"ticks_199999", ticks, 199999, 200000, 199900, false},
                    NeighbourRow{"ticks_200000", ticks, 200000, 200500, 199900, true},
                    NeighbourRow{"ticks_499999", ticks, 499999, 500000, 499500, false},
                    NeighbourRow{"ticks_500000", ticks, 500000, 501000, 499500, true},
                    NeighbourRow{"ticks_int_max", ticks, 2147483647, 2147484000, 2147483000, false},
                    NeighbourRow{"ticks_zero", ticks, 0, 1, -1, true},
                    NeighbourRow{"ticks_negative", ticks, -7, -6, -8, true},
                    NeighbourRow{"bands_zero", bands, 0, 5, -5, true},
                    NeighbourRow{"bands_negative", bands, -3, 0, -5, false},
                    NeighbourRow{"bands_negative_valid", bands, -10, -5, -15, true},
                    NeighbourRow{"bands_first", bands, 1, 5, 0, false},
                    NeighbourRow{"bands_4999", bands, 4999, 5000, 4995, false},
                    NeighbourRow{"bands_5000", bands, 5000, 5010, 4995, true},
                    NeighbourRow{"bands_9995", bands, 9995, 10000, 9990, false},
                    NeighbourRow{"bands_10000", bands, 10000, 10050, 9990, true},
                    NeighbourRow{"bands_50000", bands, 50000, 50100, 49950, true},
                    NeighbourRow{"bands_100000", bands, 100000, 100500, 99900, true},
                    NeighbourRow{"bands_500000", bands, 500000, 501000, 499500, true},
                    NeighbourRow{"old_kosdaq_999", oldKosdaq, 999, 1000, 998, true},
                    NeighbourRow{"old_kosdaq_1000", oldKosdaq, 1000, 1005, 999, true},
                    NeighbourRow{"old_kosdaq_500000", oldKosdaq, 500000, 500100, 499900, true},
                    NeighbourRow{"etf_1999", etf2026, 1999, 2000, 1998, true},
                    NeighbourRow{"etf_2000", etf2026, 2000, 2005, 1999, true},
                    NeighbourRow{"old_etf_first", oldEtf, 0, 5, -5, true},
                    NeighbourRow{"old_etf_1001", oldEtf, 1001, 1005, 1000, false}),
    rowName<NeighbourRow>);

struct DateRow {
    const char *name;
    const char *text;
    bool valid;
};

void PrintTo(const DateRow &row, std::ostream *out) {
    *out << row.name;
}

class TradeDateTest : public testing::TestWithParam<DateRow> {};

TEST_P(TradeDateTest, ParsesRealDatesAndWritesThemBack) {
    const std::optional<TradeDate> date = parseTradeDate(GetParam().text);
    ASSERT_EQ(date.has_value(), GetParam().valid);
    if (date) {
        EXPECT_EQ(formatTradeDate(*date), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TradeDateTest,
    testing::Values(
        DateRow{"plain", "2026-03-06", true}, DateRow{"leap_day", "2024-02-29", true},
        DateRow{"century_leap_day", "2000-02-29", true}, DateRow{"first_year", "0001-01-01", true},
        DateRow{"not_leap", "2023-02-29", false}, DateRow{"century_not_leap", "1900-02-29", false},
        DateRow{"year_zero", "0000-01-01", false}, DateRow{"month_13", "2026-13-01", false},
        DateRow{"month_0", "2026-00-01", false}, DateRow{"april_31", "2026-04-31", false},
        DateRow{"unpadded", "2026-3-6", false}, DateRow{"slashes", "2026/03/06", false},
        DateRow{"signed_day", "2026-03-+6", false}, DateRow{"trailing_blank", "2026-03-06 ", false},
        DateRow{"with_time", "2026-03-06 09:05", false}, DateRow{"empty", "", false}),
    rowName<DateRow>);

TEST(MarketKeyTest, KeysReadBackExactly) {
    for (const std::string_view key : marketKeys) {
        const std::optional<Market> market = parseMarket(key);
        ASSERT_TRUE(market) << key;
        EXPECT_EQ(marketKey(*market), key);
    }
    EXPECT_EQ(parseMarket("kospi"), Market::Kospi);
    EXPECT_EQ(parseMarket("etf"), Market::EtfEtn);
    for (const char *other : {"KOSPI", "etn", "kospi ", "", "kosdaq\r"}) {
        EXPECT_EQ(parseMarket(other), std::nullopt) << other;
    }
}

struct MarketNameRow {
    const char *name;
    const char *text;
    std::optional<Market> market;
};

class MarketNameTest : public testing::TestWithParam<MarketNameRow> {};

TEST_P(MarketNameTest, ReadsKeysAndTheWindowsNames) {
    EXPECT_EQ(parseMarketName(GetParam().text), GetParam().market);
}

INSTANTIATE_TEST_SUITE_P(Names, MarketNameTest,
                         testing::Values(MarketNameRow{"key", "kosdaq", Market::Kosdaq},
                                         MarketNameRow{"capitals", "KOSDAQ", Market::Kosdaq},
                                         MarketNameRow{"mixed_case", "Konex", Market::Konex},
                                         MarketNameRow{"blanks_around", " \tkospi ", Market::Kospi},
                                         MarketNameRow{"window_name", "코스닥", Market::Kosdaq},
                                         MarketNameRow{"window_name_of_etfs", "ETF·ETN",
                                                       Market::EtfEtn},
                                         MarketNameRow{"etn_alone", "etn", Market::EtfEtn},
                                         MarketNameRow{"line_break", "kospi\r", std::nullopt},
                                         MarketNameRow{"empty", "", std::nullopt}),
                         rowName<MarketNameRow>);

} // namespace
} // namespace mx
