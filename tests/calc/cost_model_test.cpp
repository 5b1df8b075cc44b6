// The cost model and the price rules on their own, without a sheet.
#include "calc/cost_model.h"

#include <climits>
#include <gtest/gtest.h>

namespace mx {
namespace {

struct RoundTripRow {
    const char *name;
    Trade trade;
    Commission commission;
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

constexpr Commission ruleOff{};
constexpr Commission ruleOn{.minimumFeeRule = true};

class RoundTripTest : public testing::TestWithParam<RoundTripRow> {};

TEST_P(RoundTripTest, PricesBothSides) {
    const RoundTripRow &row = GetParam();
    const auto result =
        evaluateRoundTrip(row.trade, row.commission, row.sellAmount, TaxOrder::RateOverHundred);
    ASSERT_TRUE(result.has_value());
    EXPECT_NEAR(result->buyFee, row.buyFee, 1e-9);
    EXPECT_NEAR(result->sellFee, row.sellFee, 1e-9);
    EXPECT_NEAR(result->tax, row.tax, 1e-9);
    EXPECT_NEAR(result->totalCost, row.buyFee + row.sellFee + row.tax, 1e-9);
    EXPECT_NEAR(result->netResult, row.netResult, 1e-9);
    EXPECT_NEAR(result->netProfit, row.netProfit, 1e-9);
    EXPECT_NEAR(result->netLoss, row.netLoss, 1e-9);
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
                                 Commission{.feeRate = 1.0L, .minimumFeeRule = true},
                                 SellAmount::Integer,
                                 500,
                                 500,
                                 450,
                                 -1450,
                                 0,
                                 1450},
                    RoundTripRow{"break_even_is_a_loss_of_zero",
                                 {10, 10000, 10000},
                                 Commission{.feeRate = 0, .taxRate = 0},
                                 SellAmount::Integer,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0},
                    RoundTripRow{"rule_off_ignores_threshold",
                                 {10, 10000, 11000},
                                 Commission{.minimumFeeThreshold = INT_MAX, .minimumFee = 77777},
                                 SellAmount::Integer,
                                 29,
                                 31.9,
                                 330,
                                 9609.1,
                                 9609.1,
                                 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RoundTripTest, AmountsAndGrossDifference) {
    const auto result = evaluateRoundTrip({10, 10000, 11000}, ruleOff, SellAmount::Integer,
                                          TaxOrder::RateOverHundred);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->buyAmount, 100000);
    EXPECT_EQ(result->sellAmount, 110000);
    EXPECT_EQ(result->grossDifference, 10000);
}

TEST(RoundTripTest, BothTaxOrdersAgreeUpToRounding) {
    const Trade trade{17, 10030, 9825};
    const auto over =
        evaluateRoundTrip(trade, ruleOff, SellAmount::Floating, TaxOrder::RateOverHundred);
    const auto times =
        evaluateRoundTrip(trade, ruleOff, SellAmount::Floating, TaxOrder::RateTimesHundredth);
    ASSERT_TRUE(over && times);
    EXPECT_NEAR(over->tax, 501.075, 1e-9);
    EXPECT_NEAR(times->tax, 501.075, 1e-9);
}

struct RangeRow {
    const char *name;
    Trade trade;
    SellAmount sellAmount;
    bool fits;
};

void PrintTo(const RangeRow &row, std::ostream *out) {
    *out << row.name;
}

class RoundTripRangeTest : public testing::TestWithParam<RangeRow> {};

TEST_P(RoundTripRangeTest, RefusesAmountsBeyond32Bits) {
    const RangeRow &row = GetParam();
    EXPECT_EQ(evaluateRoundTrip(row.trade, ruleOff, row.sellAmount, TaxOrder::RateOverHundred)
                  .has_value(),
              row.fits);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RoundTripRangeTest,
    testing::Values(
        RangeRow{"buy_amount_at_limit", {1, INT_MAX, 0}, SellAmount::Integer, true},
        RangeRow{"buy_amount_beyond", {100000, 30000, 0}, SellAmount::Integer, false},
        RangeRow{"buy_amount_beyond_floating", {100000, 30000, 0}, SellAmount::Floating, false},
        RangeRow{"negative_buy_amount_beyond", {-100000, 30000, 0}, SellAmount::Integer, false},
        RangeRow{"sell_amount_beyond", {100000, 10000, 30000}, SellAmount::Integer, false},
        RangeRow{"sell_amount_large_floating", {100000, 10000, 30000}, SellAmount::Floating, true},
        RangeRow{
            "gross_difference_beyond", {1, -2000000000, 2000000000}, SellAmount::Integer, false},
        RangeRow{"gross_difference_at_limit", {1, -1, INT_MAX - 1}, SellAmount::Integer, true}),
    [](const auto &info) { return std::string(info.param.name); });

struct PriceRow {
    const char *name;
    std::int32_t buyPrice;
    std::int32_t base; // unused for the day stop-loss price
    std::int32_t percent;
    std::optional<std::int32_t> price;
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
                    PriceRow{"product_beyond", 10000, 100000000, 25, std::nullopt},
                    PriceRow{"negative_product_beyond", 2000000000, 1, 10, std::nullopt},
                    PriceRow{"difference_beyond", 2000000000, -2000000000, 1, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

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
                                         PriceRow{"product_beyond", 30000000, 0, 100,
                                                  std::nullopt}),
                         [](const auto &info) { return std::string(info.param.name); });

struct CheckedRow {
    const char *name;
    std::int32_t a;
    std::int32_t b;
    std::optional<std::int32_t> product;
    std::optional<std::int32_t> difference;
};

void PrintTo(const CheckedRow &row, std::ostream *out) {
    *out << row.name;
}

class CheckedArithmeticTest : public testing::TestWithParam<CheckedRow> {};

TEST_P(CheckedArithmeticTest, StaysIn32Bits) {
    const CheckedRow &row = GetParam();
    EXPECT_EQ(checkedMultiply(row.a, row.b), row.product);
    EXPECT_EQ(checkedSubtract(row.a, row.b), row.difference);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckedArithmeticTest,
    testing::Values(
        CheckedRow{"small", 10, 10000, 100000, -9990},
        CheckedRow{"max_times_one", INT_MAX, 1, INT_MAX, INT_MAX - 1},
        CheckedRow{"min_times_one", INT_MIN, 1, INT_MIN, std::nullopt},
        CheckedRow{"min_times_minus_one", INT_MIN, -1, std::nullopt, INT_MIN + 1},
        CheckedRow{"product_just_beyond", 46341, 46341, std::nullopt, 0},
        CheckedRow{"product_just_inside", 46340, 46341, 2147441940, -1},
        CheckedRow{"difference_beyond", 2000000000, -2000000000, std::nullopt, std::nullopt},
        CheckedRow{"difference_below", -2000000000, 2000000000, std::nullopt, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace mx
