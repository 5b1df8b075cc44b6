// The cost model and the price rules on their own, without a sheet.
#include "calc/cost_model.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace mx {
namespace {

struct RoundTripRow {
    const char *name;
    Trade trade;
    CommissionOptions options;
    SellAmount sellAmount;
    double buyFee;
    double sellFee;
    double tax;
    double netResult;
    double netProfit;
    double netLoss;
};

void PrintTo(const RoundTripRow &row, std::ostream *out) {
    *out << row.name;
}

constexpr CommissionOptions ruleOff{};
constexpr CommissionOptions ruleOn{.minimumFeeRule = true};
// 0.015 % fees and 0.20 % tax, truncated.
constexpr CommissionOptions truncating(StatementRounding rounding, bool rule = false) {
    return {.feeRate = {0.015L, {15, 3}},
            .taxRate = {0.2L, {20, 2}},
            .minimumFeeRule = rule,
            .minimumFee = 505,
            .rounding = rounding};
}

constexpr CommissionOptions onePercentRuleOn{.feeRate = {1.0L, {1, 0}}, .minimumFeeRule = true};
constexpr CommissionOptions ruleOffOddMinimum{.minimumFeeThreshold = INT_MAX, .minimumFee = 77777};
// A statement of 2023: a KOSPI sell, its taxes and fees truncated to the won.
constexpr CommissionOptions statementOf2023{.feeRate = {0.0036396L, {36396, 7}},
                                            .marketRules = true,
                                            .tradeDate = {2023, 6, 1},
                                            .rounding = StatementRounding::Won};

class RoundTripTest : public testing::TestWithParam<RoundTripRow> {};

TEST_P(RoundTripTest, PricesBothSides) {
    const RoundTripRow &row = GetParam();
    const RoundTrip result = evaluateRoundTrip(row.trade, commissionFor(row.options),
                                               row.sellAmount, TaxOrder::RateOverHundred);
    EXPECT_NEAR(result.buyFee, row.buyFee, 1e-9);
    EXPECT_NEAR(result.sellFee, row.sellFee, 1e-9);
    EXPECT_NEAR(result.tax, row.tax, 1e-9);
    EXPECT_NEAR(result.totalCost, row.buyFee + row.sellFee + row.tax, 1e-9);
    EXPECT_NEAR(result.netResult, row.netResult, 1e-9);
    EXPECT_NEAR(result.netProfit, row.netProfit, 1e-9);
    EXPECT_NEAR(result.netLoss, row.netLoss, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundTripTest,
    testing::Values(RoundTripRow{"worked_rule_off",
                                 {10, 10000, 11000},
                                 ruleOff,
                                 SellAmount::Integer,
                                 29,
                                 31.9,
                                 330,
                                 9609.1,
                                 9609.1,
                                 0},
                    RoundTripRow{"worked_rule_on",
                                 {10, 10000, 11000},
                                 ruleOn,
                                 SellAmount::Integer,
                                 500,
                                 500,
                                 330,
                                 8670,
                                 8670,
                                 0},
                    RoundTripRow{"worked_floating_sell",
                                 {10, 10000, 11000},
                                 ruleOff,
                                 SellAmount::Floating,
                                 29,
                                 31.9,
                                 330,
                                 9609.1,
                                 9609.1,
                                 0},
                    RoundTripRow{"threshold_is_not_below",
                                 {20, 10000, 10000},
                                 ruleOn,
                                 SellAmount::Integer,
                                 58,
                                 58,
                                 600,
                                 -716,
                                 0,
                                 716},
                    RoundTripRow{"half_won_fee",
                                 {5, 10000, 300},
                                 ruleOff,
                                 SellAmount::Integer,
                                 14.5,
                                 0.435,
                                 4.5,
                                 -48519.435,
                                 0,
                                 48519.435},
                    RoundTripRow{"sell_price_zero_rule_on",
                                 {10, 10000, 0},
                                 ruleOn,
                                 SellAmount::Integer,
                                 500,
                                 500,
                                 0,
                                 -101000,
                                 0,
                                 101000},
                    RoundTripRow{"minimum_fee_below_percentage",
                                 {15, 10000, 10000},
                                 onePercentRuleOn,
                                 SellAmount::Integer,
                                 500,
                                 500,
                                 450,
                                 -1450,
                                 0,
                                 1450},
                    RoundTripRow{"break_even_is_a_loss_of_zero",
                                 {10, 10000, 10000},
                                 CommissionOptions{.feeRate = {}, .taxRate = {}},
                                 SellAmount::Integer,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0},
                    RoundTripRow{"ten_won_fees",
                                 {100, 71300, 73000},
                                 truncating(StatementRounding::TenWonFees),
                                 SellAmount::Integer,
                                 1060,
                                 1090,
                                 14600,
                                 153250,
                                 153250,
                                 0},
                    RoundTripRow{"ten_won_fees_scenario_alike",
                                 {100, 71300, 73000},
                                 truncating(StatementRounding::TenWonFees),
                                 SellAmount::Floating,
                                 1060,
                                 1090,
                                 14600,
                                 153250,
                                 153250,
                                 0},
                    RoundTripRow{"whole_won",
                                 {100, 71300, 73000},
                                 truncating(StatementRounding::Won),
                                 SellAmount::Integer,
                                 1069,
                                 1095,
                                 14600,
                                 153236,
                                 153236,
                                 0},
                    // The amount times the fee rate's digits leaves 64 bits:
                    // the share is taken in 128 bits.
                    RoundTripRow{"ten_won_fees_of_a_product_beyond_64_bits",
                                 {INT_MAX, 300000000, 300000000},
                                 truncating(StatementRounding::TenWonFees),
                                 SellAmount::Integer,
                                 96636764115000,
                                 96636764115000,
                                 1288490188200000,
                                 -1481763716430000,
                                 0,
                                 1481763716430000},
                    RoundTripRow{"minimum_fee_charged_as_is_under_truncation",
                                 {10, 10000, 11000},
                                 truncating(StatementRounding::TenWonFees, true),
                                 SellAmount::Integer,
                                 505,
                                 505,
                                 220,
                                 8770,
                                 8770,
                                 0},
                    RoundTripRow{"negative_quantity_truncates_toward_zero",
                                 {-10, 10003, 11007},
                                 truncating(StatementRounding::Won),
                                 SellAmount::Integer,
                                 -15,
                                 -16,
                                 -220,
                                 -9789,
                                 0,
                                 9789},
                    // 0.05 % and 0.15 % of 81,000 truncated apart: 40 + 121.
                    RoundTripRow{"kospi_taxes_truncated_apart",
                                 {1, 80000, 81000},
                                 statementOf2023,
                                 SellAmount::Integer,
                                 2,
                                 2,
                                 161,
                                 835,
                                 835,
                                 0},
                    RoundTripRow{"rule_off_ignores_threshold",
                                 {10, 10000, 11000},
                                 ruleOffOddMinimum,
                                 SellAmount::Integer,
                                 29,
                                 31.9,
                                 330,
                                 9609.1,
                                 9609.1,
                                 0}),
    [](const auto &row) { return std::string(row.param.name); });

// The sell-side tax of 81,000 won on KOSPI on the last day of each rate and on the first day of
// the next, the day before under one truncating rounding and the day under the other.
struct SellTaxRow {
    const char *name;
    TradeDate date;
    StatementRounding rounding;
    double total, rural;
};

void PrintTo(const SellTaxRow &row, std::ostream *out) {
    *out << row.name;
}

class SellTaxTest : public testing::TestWithParam<SellTaxRow> {};

TEST_P(SellTaxTest, KospisTwoTaxesApart) {
    const SellTaxRow &row = GetParam();
    const CommissionOptions options{.marketRules = true, .rounding = row.rounding};
    const SellTax tax = sellTax(81000, options, Market::Kospi, row.date);
    EXPECT_NEAR(tax.total, row.total, 1e-9);
    EXPECT_NEAR(tax.rural, row.rural, 1e-9);
    // Without the market rules, r2 is one tax whatever the market.
    const SellTax typed = sellTax(81000, {.rounding = row.rounding}, Market::Kospi, row.date);
    EXPECT_NEAR(typed.total, 243, 1e-9);
    EXPECT_EQ(typed.rural, 0);
}

constexpr auto won = StatementRounding::Won;
constexpr auto tenWon = StatementRounding::TenWonFees;

INSTANTIATE_TEST_SUITE_P(
    Dates, SellTaxTest,
    testing::Values(
        SellTaxRow{"until_2019_05_29", {2019, 5, 29}, won, 242, 121},
        SellTaxRow{"from_2019_05_30", {2019, 5, 30}, tenWon, 202, 121},
        SellTaxRow{"until_2020_12_28", {2020, 12, 28}, tenWon, 202, 121},
        SellTaxRow{"from_2020_12_29", {2020, 12, 29}, won, 185, 121},
        SellTaxRow{"until_2022_12_27", {2022, 12, 27}, won, 185, 121},
        SellTaxRow{"from_2022_12_28", {2022, 12, 28}, tenWon, 161, 121},
        SellTaxRow{"until_2023_12_26", {2023, 12, 26}, tenWon, 161, 121},
        SellTaxRow{"from_2023_12_27", {2023, 12, 27}, won, 145, 121},
        SellTaxRow{"until_2024_12_26", {2024, 12, 26}, won, 145, 121},
        SellTaxRow{"from_2024_12_27", {2024, 12, 27}, tenWon, 121, 121},
        SellTaxRow{"until_2025_12_28", {2025, 12, 28}, tenWon, 121, 121},
        SellTaxRow{"from_2025_12_29", {2025, 12, 29}, won, 161, 121},
        // Shown rounded, the whole rate's share: 162, of which 121.5 rural.
        SellTaxRow{"rounded_on_display", {2025, 12, 29}, StatementRounding::Display, 162, 121.5}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(RoundTripTest, BothTaxOrdersAgreeUpToRounding) {
    const Trade trade{17, 10030, 9825};
    const RoundTrip over = evaluateRoundTrip(trade, commissionFor(ruleOff), SellAmount::Floating,
                                             TaxOrder::RateOverHundred);
    const RoundTrip times = evaluateRoundTrip(trade, commissionFor(ruleOff), SellAmount::Floating,
                                              TaxOrder::RateTimesHundredth);
    EXPECT_NEAR(over.tax, 501.075, 1e-9);
    EXPECT_NEAR(times.tax, 501.075, 1e-9);
}

TEST(StatementRoundingTest, KeysReadBackExactly) {
    for (const std::string_view key : statementRoundingKeys) {
        const std::optional<StatementRounding> rounding = parseStatementRounding(key);
        ASSERT_TRUE(rounding) << key;
        EXPECT_EQ(statementRoundingKey(*rounding), key);
    }
    EXPECT_EQ(parseStatementRounding("round"), StatementRounding::Display);
    EXPECT_EQ(parseStatementRounding("ten"), StatementRounding::TenWonFees);
    for (const char *other : {"Round", "10", "won ", ""}) {
        EXPECT_EQ(parseStatementRounding(other), std::nullopt) << other;
    }
}

struct AmountRow {
    const char *name;
    Trade trade;
    std::int64_t buyAmount;
    std::int64_t sellAmount;
    std::int64_t grossDifference;
};

void PrintTo(const AmountRow &row, std::ostream *out) {
    *out << row.name;
}

class RoundTripAmountTest : public testing::TestWithParam<AmountRow> {};

TEST_P(RoundTripAmountTest, AmountsIn64Bits) {
    const AmountRow &row = GetParam();
    for (const SellAmount sellAmount : {SellAmount::Integer, SellAmount::Floating}) {
        const RoundTrip result = evaluateRoundTrip(row.trade, commissionFor(ruleOff), sellAmount,
                                                   TaxOrder::RateOverHundred);
        EXPECT_EQ(result.buyAmount, row.buyAmount);
        EXPECT_EQ(result.sellAmount, row.sellAmount);
        EXPECT_EQ(result.grossDifference, row.grossDifference);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RoundTripAmountTest,
    testing::Values(
        AmountRow{"worked", {10, 10000, 11000}, 100000, 110000, 10000},
        AmountRow{"buy_amount_at_32_bit_limit", {1, INT_MAX, 0}, INT_MAX, 0, -INT_MAX},
        AmountRow{"buy_amount_beyond_32_bits", {100000, 30000, 0}, 3000000000, 0, -3000000000},
        AmountRow{"sell_amount_beyond_32_bits",
                  {100000, 10000, 30000},
                  1000000000,
                  3000000000,
                  2000000000},
        AmountRow{"gross_difference_beyond_32_bits",
                  {1, -2000000000, 2000000000},
                  -2000000000,
                  2000000000,
                  4000000000},
        AmountRow{"largest_amounts",
                  {INT_MIN, INT_MIN, INT_MAX},
                  std::int64_t{1} << 62,
                  -(std::int64_t{1} << 62) + (std::int64_t{1} << 31),
                  std::numeric_limits<std::int64_t>::min() + (std::int64_t{1} << 31)}),
    [](const auto &row) { return std::string(row.param.name); });

struct PriceRow {
    const char *name;
    std::int32_t buyPrice;
    std::int32_t base; // unused for the day stop-loss price
    std::int32_t percent;
    std::int32_t price;
};

void PrintTo(const PriceRow &row, std::ostream *out) {
    *out << row.name;
}

class FiveWonPriceTest : public testing::TestWithParam<PriceRow> {};

TEST_P(FiveWonPriceTest, RoundsTowardsBase) {
    const PriceRow &row = GetParam();
    EXPECT_EQ(fiveWonPrice(row.buyPrice, row.base, row.percent), row.price);
}

INSTANTIATE_TEST_SUITE_P(
    Prices, FiveWonPriceTest,
    testing::Values(PriceRow{"first_target", 10000, 13000, 25, 10750},
                    PriceRow{"raw_10038_25_to_10035", 10010, 10123, 25, 10035},
                    PriceRow{"raw_10066_5_to_10065", 10010, 10123, 50, 10065},
                    PriceRow{"raw_10094_75_to_10095", 10010, 10123, 75, 10095},
                    PriceRow{"stop_loss_raw_10007_7", 10010, 9987, 10, 10005},
                    PriceRow{"stop_loss_raw_10008_85", 10010, 9987, 5, 10005},
                    PriceRow{"halfway_rounds_away_first", 10002, 10012, 25, 10005},
                    PriceRow{"n_10044_to_10040", 10000, 10176, 25, 10040},
                    PriceRow{"n_10045_stays", 10000, 10180, 25, 10045},
                    PriceRow{"base_below_buy", 10000, 9800, 25, 9950},
                    PriceRow{"full_way_is_base", 10000, 13000, 100, 13000},
                    PriceRow{"negative_n_last_digit_replaced", -100, 1, 3, -95},
                    PriceRow{"negative_halfway_away_from_zero", -100, 2, 25, -75},
                    PriceRow{"product_at_limit", 0, INT_MAX, 1, 21474835},
                    PriceRow{"product_beyond_32_bits", 10000, 100000000, 25, 25007500},
                    PriceRow{"negative_product_beyond_32_bits", 2000000000, 1, 10, 1800000000},
                    PriceRow{"difference_beyond_32_bits", 2000000000, -2000000000, 1, 1960000000},
                    PriceRow{"full_way_across_the_range", INT_MIN, INT_MAX, 100, 2147483645},
                    PriceRow{"percent_above_hundred_taken_as_hundred", 10000, 13000, 250, 13000},
                    PriceRow{"negative_percent_taken_as_zero", 10000, 13000, -5, 10000}),
    [](const auto &row) { return std::string(row.param.name); });

class DayStopLossPriceTest : public testing::TestWithParam<PriceRow> {};

TEST_P(DayStopLossPriceTest, LowersBuyPrice) {
    const PriceRow &row = GetParam();
    EXPECT_EQ(dayStopLossPrice(row.buyPrice, row.percent), row.price);
}

INSTANTIATE_TEST_SUITE_P(Prices, DayStopLossPriceTest,
                         testing::Values(PriceRow{"two_percent", 10000, 0, 2, 9800},
                                         PriceRow{"three_percent", 10000, 0, 3, 9700},
                                         PriceRow{"raw_9829_4_to_9825", 10030, 0, 2, 9825},
                                         PriceRow{"raw_9729_1_to_9725", 10030, 0, 3, 9725},
                                         PriceRow{"full_percent_is_zero", 10000, 0, 100, 0},
                                         PriceRow{"product_at_limit", INT_MAX, 0, 1, 2126008810},
                                         PriceRow{"product_beyond_32_bits", 30000000, 0, 100, 0},
                                         PriceRow{"largest_price_lowered", INT_MAX, 0, 2,
                                                  2104533970}),
                         [](const auto &row) { return std::string(row.param.name); });

struct CheckedRow {
    const char *name;
    std::int32_t a;
    std::int32_t b;
    std::optional<std::int32_t> difference;
};

void PrintTo(const CheckedRow &row, std::ostream *out) {
    *out << row.name;
}

class CheckedArithmeticTest : public testing::TestWithParam<CheckedRow> {};

TEST_P(CheckedArithmeticTest, StaysIn32Bits) {
    const CheckedRow &row = GetParam();
    EXPECT_EQ(checkedSubtract(row.a, row.b), row.difference);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckedArithmeticTest,
    testing::Values(CheckedRow{"small", 10, 10000, -9990},
                    CheckedRow{"max_minus_one", INT_MAX, 1, INT_MAX - 1},
                    CheckedRow{"min_minus_one", INT_MIN, 1, std::nullopt},
                    CheckedRow{"min_minus_minus_one", INT_MIN, -1, INT_MIN + 1},
                    CheckedRow{"equal", 46341, 46341, 0},
                    CheckedRow{"difference_beyond", 2000000000, -2000000000, std::nullopt},
                    CheckedRow{"difference_below", -2000000000, 2000000000, std::nullopt}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx
