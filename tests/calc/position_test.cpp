// A position of one stock: its fills, its averages and its solvers.
#include "calc/break_even.h"
#include "calc/fields.h"
#include "calc/position.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <vector>

namespace mx {
namespace {

Pricing pricing(const char *fee, const char *tax, StatementRounding rounding,
                bool marketRules = false) {
    return {.feeRate = readRate(fee),
            .taxRate = readRate(tax),
            .marketRules = marketRules,
            .rounding = rounding};
}

Pricing withMinimumFee(Pricing p) {
    p.minimumFeeRule = true;
    return p;
}

const Pricing noCosts = pricing("0", "0", StatementRounding::Display);
const Pricing truncated = pricing("0.015", "0.20", StatementRounding::Won);
const Pricing shown = pricing("0.029", "0.3", StatementRounding::Display);
// A broker's rates on the market's rules, as a real statement shows them.
const Pricing statement = pricing("0.0036396", "0.3", StatementRounding::Won, true);
constexpr TradeDate in2026{2026, 3, 6};
constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();

enum Side { Buy, Sell };

struct Step {
    Side side;
    Fill fill;
    FillError error;
    FillFigures figures;
};

// A position's figures and its average price as shown.
struct Held {
    std::int64_t quantity, buyAmount, buyFees;
    const char *averagePrice;
};

struct FillsRow {
    const char *name;
    Pricing pricing;
    std::vector<Step> steps;
    Held after;
};

void PrintTo(const FillsRow &row, std::ostream *out) {
    *out << row.name;
}

Step buy(std::int32_t quantity, std::int32_t price, std::int64_t fee) {
    return {Buy, {quantity, price}, FillError::None, {quantity * std::int64_t{price}, fee}};
}

Step sell(Fill fill, FillFigures figures) {
    return {Sell, fill, FillError::None, figures};
}

Step refused(Side side, std::int32_t quantity, std::int32_t price, FillError error) {
    return {side, {quantity, price}, error, {}};
}

std::vector<std::int64_t> all(const FillFigures &f) {
    return {f.amount, f.fee, f.tax, f.cost, f.carriedFees, f.realized, f.realizedNet};
}

class PositionFillsTest : public testing::TestWithParam<FillsRow> {};

TEST_P(PositionFillsTest, MovesTheHolding) {
    const FillsRow &row = GetParam();
    Position position;
    std::int64_t bought = 0;
    std::int64_t costs = 0;
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
        const Step &step = row.steps[i];
        const FillResult result = step.side == Buy ? position.buy(step.fill, row.pricing)
                                                   : position.sell(step.fill, row.pricing);
        ASSERT_EQ(result.error, step.error) << "step " << i;
        EXPECT_EQ(all(result.figures), all(step.figures)) << "step " << i;
        (step.side == Buy ? bought : costs) +=
            step.side == Buy ? result.figures.amount : result.figures.cost;
    }
    const std::optional<Fraction> average = position.averagePrice();
    EXPECT_EQ(std::tuple(position.quantity(), position.buyAmount(), position.buyFees(),
                         average ? formatFraction(*average) : ""),
              std::tuple(row.after.quantity, row.after.buyAmount, row.after.buyFees,
                         row.after.averagePrice));
    // What stays and what left add up to what was bought.
    EXPECT_EQ(position.buyAmount() + costs, bought);
}

constexpr Held none{0, 0, 0, ""};

INSTANTIATE_TEST_SUITE_P(
    Rows, PositionFillsTest,
    testing::Values(
        FillsRow{"worked_average_up",
                 noCosts,
                 {buy(146, 22493, 0), buy(1, 26805, 0)},
                 {147, 3310783, 0, "22,522.33"}},
        FillsRow{"worked_statement_sell",
                 statement,
                 {buy(1, 50693, 1), sell({1, 104900, Market::Kospi, in2026},
                                         {104900, 3, 209, 50693, 1, 53995, 53994})},
                 none},
        FillsRow{"tax_of_the_fill_market_and_date",
                 statement,
                 {buy(2, 50693, 3), sell({1, 104900, Market::Kosdaq, {2024, 6, 3}},
                                         {104900, 3, 188, 50693, 2, 54016, 54014})},
                 {1, 50693, 1, "50,693"}},
        FillsRow{"buy_sell_buy_sell_no_fees",
                 noCosts,
                 {buy(1, 1000, 0), buy(1, 1001, 0), sell({1, 1100}, {1100, 0, 0, 1001, 0, 99, 99}),
                  buy(2, 1003, 0), sell({3, 990}, {2970, 0, 0, 3006, 0, -36, -36})},
                 none},
        FillsRow{"buy_sell_buy_sell_with_fees",
                 truncated,
                 {buy(10, 50000, 75), buy(5, 48750, 36),
                  sell({4, 52100}, {208400, 31, 416, 198333, 30, 9620, 9590}), buy(3, 47000, 21),
                  sell({14, 51000}, {714000, 107, 1428, 686417, 102, 26048, 25946})},
                 none},
        FillsRow{"display_rounding_rounds_each_fee_half_away",
                 shown,
                 {buy(5, 10000, 15), sell({5, 10000}, {50000, 15, 150, 50000, 15, -165, -180})},
                 none},
        FillsRow{"minimum_fee_rule",
                 withMinimumFee(shown),
                 {buy(1, 10000, 500)},
                 {1, 10000, 500, "10,000"}},
        FillsRow{"sell_beyond_the_holding_leaves_it",
                 noCosts,
                 {buy(2, 1001, 0), refused(Sell, 3, 1000, FillError::BeyondHolding)},
                 {2, 2002, 0, "1,001"}},
        FillsRow{"zero_quantity_or_price",
                 noCosts,
                 {refused(Buy, 0, 1000, FillError::NotPositive),
                  refused(Sell, 1, 0, FillError::NotPositive)},
                 none},
        FillsRow{"beyond_64_bits",
                 noCosts,
                 {buy(most, most, 0), buy(most, most, 0),
                  refused(Buy, most, most, FillError::OutOfRange)},
                 {2 * std::int64_t{most}, 2 * std::int64_t{most} * most, 0, "2,147,483,647"}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(PositionTest, FormatsFractions) {
    EXPECT_EQ(formatFraction({3283978, 146}), "22,493");
    EXPECT_EQ(formatFraction({2, 3}), "0.67");
    EXPECT_EQ(formatFraction({1, 200}), "0.01");
    EXPECT_EQ(formatFraction({-1, 3}), "-0.33");
    EXPECT_EQ(formatFraction({-1, 1000}), "0.00");
    EXPECT_EQ(formatFraction({std::numeric_limits<std::int64_t>::min(), 1}),
              "-9,223,372,036,854,775,808");
    EXPECT_EQ(formatFraction({1, 0}), "");
    EXPECT_EQ(formatPercent({1, 8}), "12.50");
    EXPECT_EQ(formatPercent({-1, 4}), "-25");
    EXPECT_EQ(formatPercent(*returnOf({.cost = 50693, .realized = 53995})), "106.51");
}

struct TargetRow {
    const char *name;
    std::int32_t held, average, price, target;
    std::optional<std::int32_t> quantity{};
    std::int64_t cash = 0;
    const char *averagePrice = "";
};

void PrintTo(const TargetRow &row, std::ostream *out) {
    *out << row.name;
}

class BuyToReachAverageTest : public testing::TestWithParam<TargetRow> {};

TEST_P(BuyToReachAverageTest, LeastSharesThatReachTheTarget) {
    const TargetRow &row = GetParam();
    Position position;
    position.buy({row.held, row.average}, truncated);
    const std::optional<TargetBuy> answer =
        buyToReachAverage(position, row.price, row.target, truncated);
    ASSERT_EQ(answer ? std::optional(answer->quantity) : std::nullopt, row.quantity);
    if (!answer) {
        return;
    }
    EXPECT_EQ(answer->cash, row.cash);
    EXPECT_EQ(formatFraction(answer->averagePrice), row.averagePrice);
    // One share fewer falls short of the target.
    const auto reaches = [&](std::int64_t shares) {
        const std::int64_t gap = position.buyAmount() + shares * row.price -
                                 (position.quantity() + shares) * std::int64_t{row.target};
        return row.price < row.target ? gap <= 0 : gap >= 0;
    };
    EXPECT_TRUE(reaches(answer->quantity));
    EXPECT_FALSE(reaches(answer->quantity - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BuyToReachAverageTest,
    testing::Values(TargetRow{"average_down", 100, 72000, 65000, 68000, 134, 8711306, "67,991.45"},
                    TargetRow{"average_up_exactly", 10, 10000, 12000, 11000, 10, 120018, "11,000"},
                    TargetRow{"one_share_position", 1, 1000, 500, 501, 499, 249537, "501"},
                    TargetRow{"target_equal_to_the_price", 100, 72000, 65000, 65000},
                    TargetRow{"target_equal_to_the_average", 100, 72000, 65000, 72000},
                    TargetRow{"target_beyond_the_average", 100, 72000, 65000, 73000},
                    TargetRow{"target_beyond_the_price", 100, 72000, 65000, 60000},
                    TargetRow{"nothing_held", 0, 0, 65000, 68000},
                    TargetRow{"more_than_one_fill", 1000000, 100000, 1, 2}),
    [](const auto &row) { return std::string(row.param.name); });

struct BreakEvenRow {
    const char *name;
    std::vector<Fill> buys;
    Pricing pricing;
    std::optional<std::int32_t> price;
};

void PrintTo(const BreakEvenRow &row, std::ostream *out) {
    *out << row.name;
}

const PriceGrid ticks = PriceGrid::ticks(Market::Kospi, in2026);
const Pricing ruledTenWon = pricing("0.015", "0.20", StatementRounding::TenWonFees, true);

class HoldingBreakEvenTest : public testing::TestWithParam<BreakEvenRow> {};

TEST_P(HoldingBreakEvenTest, LowestPriceThatCoversTheHolding) {
    const BreakEvenRow &row = GetParam();
    Position position;
    for (const Fill &fill : row.buys) {
        position.buy(fill, row.pricing);
    }
    const auto price = breakEvenPrice(position, row.pricing, Market::Kospi, in2026);
    EXPECT_EQ(price, row.price);
    if (!row.price) {
        return;
    }
    // A scan of every price up to it finds it the first that covers the holding.
    const PriceGrid grid = row.pricing.marketRules ? ticks : PriceGrid::bands();
    const auto net = [&](std::int64_t p) {
        const Fill all{static_cast<std::int32_t>(position.quantity()), static_cast<std::int32_t>(p),
                       Market::Kospi, in2026};
        return position.sale(all, row.pricing).figures.realizedNet;
    };
    for (std::int64_t p = grid.above(0); p < *row.price; p = grid.above(p)) {
        ASSERT_LT(net(p), 0) << p;
    }
    EXPECT_GE(net(*row.price), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HoldingBreakEvenTest,
    testing::Values(
        // One buy is one trade: the same price as the fee/profit sheet's e8.
        BreakEvenRow{"one_buy_is_one_trade",
                     {{100, 71300}},
                     ruledTenWon,
                     breakEvenPrice(100, 71300, commissionFor(ruledTenWon, Market::Kospi, in2026), ticks)},
        BreakEvenRow{"two_buys_on_the_ticks", {{146, 22493}, {1, 26805}}, statement, 22600},
        BreakEvenRow{"display_rounding", {{5, 10000}, {2, 10003}}, shown, 10050},
        BreakEvenRow{"minimum_fee_rule", {{1, 10000}, {1, 10005}}, withMinimumFee(shown), 10800},
        BreakEvenRow{"nothing_held", {}, shown, std::nullopt}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx
