// The break-even sell price against a scan of every price on the grid.
#include "calc/break_even.h"
#include "calc/fields.h"

#include <gtest/gtest.h>

namespace mx {
namespace {

// Every price of the grid from its first positive one up to `highest`, in order.
std::optional<std::int32_t> scanned(std::int32_t quantity, std::int32_t buyPrice,
                                    const Commission &commission, const PriceGrid &grid,
                                    std::int64_t highest) {
    for (std::int64_t price = grid.above(0); price <= highest; price = grid.above(price)) {
        const Trade trade{quantity, buyPrice, static_cast<std::int32_t>(price)};
        if (evaluateRoundTrip(trade, commission, SellAmount::Integer, TaxOrder::RateOverHundred)
                .netResult >= 0) {
            return static_cast<std::int32_t>(price);
        }
    }
    return std::nullopt;
}

Commission rates(const char *fee, const char *tax, StatementRounding rounding) {
    return commissionFor(
        {.feeRate = readRate(fee), .taxRate = readRate(tax), .rounding = rounding});
}

Commission withMinimumFee(Commission commission, std::int32_t threshold, std::int32_t fee) {
    commission.options.minimumFeeRule = true;
    commission.options.minimumFeeThreshold = threshold;
    commission.options.minimumFee = fee;
    return commission;
}

const PriceGrid bands = PriceGrid::bands();
const PriceGrid ticks = PriceGrid::ticks(Market::Kospi, TradeDate{2026, 3, 6});
const PriceGrid etfBefore2023 = PriceGrid::ticks(Market::EtfEtn, TradeDate{2022, 6, 15});
constexpr auto display = StatementRounding::Display;
constexpr auto won = StatementRounding::Won;
constexpr auto tenWon = StatementRounding::TenWonFees;

struct BreakEvenRow {
    const char *name;
    std::int32_t quantity, buyPrice;
    Commission commission;
    PriceGrid grid;
    std::optional<std::int32_t> price;
};

void PrintTo(const BreakEvenRow &row, std::ostream *out) {
    *out << row.name;
}

class BreakEvenTest : public testing::TestWithParam<BreakEvenRow> {};

TEST_P(BreakEvenTest, LowestPriceThatBreaksEven) {
    const BreakEvenRow &row = GetParam();
    EXPECT_EQ(breakEvenPrice(row.quantity, row.buyPrice, row.commission, row.grid), row.price);
    if (row.price && row.quantity > 0 && row.buyPrice > 0) {
        EXPECT_EQ(scanned(row.quantity, row.buyPrice, row.commission, row.grid, *row.price),
                  row.price);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BreakEvenTest,
    testing::Values(
        BreakEvenRow{"worked_trade_own_steps", 100, 71300, rates("0.015", "0.3", display), bands,
                     71600},
        BreakEvenRow{"worked_trade_ticks_ten_won", 100, 71300, rates("0.015", "0.20", tenWon),
                     ticks, 71500},
        BreakEvenRow{"one_share_ticks_whole_won", 1, 1000, rates("0.015", "0.20", won), ticks,
                     1002},
        BreakEvenRow{"no_costs_is_the_buy_price", 7, 4995, rates("0", "0", display), bands, 4995},
        BreakEvenRow{"minimum_fee_below_threshold", 10, 10000,
                     withMinimumFee(rates("0.029", "0.3", display), 200000, 500), ticks, 10140},
        BreakEvenRow{"net_drops_at_threshold_answer_below", 10, 10000,
                     withMinimumFee(rates("1", "0", display), 101000, 50), ticks, 10010},
        BreakEvenRow{"net_drops_at_threshold_own_steps", 10, 10000,
                     withMinimumFee(rates("1", "0", tenWon), 101000, 50), bands, 10050},
        BreakEvenRow{"answer_above_threshold", 10, 10000,
                     withMinimumFee(rates("1", "0", won), 100050, 50), ticks, 10110},
        BreakEvenRow{"kospi_taxes_truncated_apart", 1, 81000,
                     commissionFor({.feeRate = readRate("0.0036396"),
                                    .marketRules = true,
                                    .tradeDate = {2023, 6, 1},
                                    .rounding = won}),
                     ticks, 81200},
        BreakEvenRow{"etf_ticks_of_five", 3, 1001, rates("0.015", "0", won), etfBefore2023, 1005},
        BreakEvenRow{"combined_rates_over_100_percent", 10, 10000, rates("60", "50", display),
                     bands, std::nullopt},
        BreakEvenRow{"combined_rates_of_100_percent", 10, 10000, rates("50", "50", won), ticks,
                     std::nullopt},
        BreakEvenRow{"negative_rates_pay_the_seller", 10, 10000, rates("-1", "0", won), ticks,
                     9810},
        BreakEvenRow{"beyond_the_highest_price", 1, 2000000000, rates("10", "0.3", display), bands,
                     std::nullopt},
        BreakEvenRow{"no_quantity", 0, 10000, rates("0.015", "0.3", display), bands, std::nullopt},
        BreakEvenRow{"negative_quantity", -10, 10000, rates("0.015", "0.3", display), bands,
                     std::nullopt},
        BreakEvenRow{"negative_buy_price", 10, -10000, rates("0.015", "0.3", display), bands,
                     std::nullopt}),
    [](const auto &row) { return std::string(row.param.name); });

// Small trades under every rounding, with and without the minimum-fee rule, on three grids:
// the search must find what a scan of every price finds.
TEST(BreakEvenTest, AgreesWithAScanOfEveryPrice) {
    const std::pair<const char *, const char *> rateSets[] = {
        {"0.015", "0.20"}, {"0.029", "0.3"}, {"1", "0.3"}, {"0", "0"}, {"4.5", "3"}};
    const std::pair<std::int32_t, std::int32_t> minimumFees[] = {{200000, 500}, {30000, 0}};
    for (const PriceGrid &grid : {bands, ticks, etfBefore2023}) {
        for (const StatementRounding rounding : {display, won, tenWon}) {
            for (const auto &[fee, tax] : rateSets) {
                // 1 and 2: the minimum-fee rule; 3: KOSPI's two taxes of 2023 instead of r2.
                for (int rule = 0; rule <= 3; ++rule) {
                    Commission commission = rates(fee, tax, rounding);
                    if (rule == 3) {
                        commission.options.marketRules = true;
                        commission = commissionFor(commission.options, Market::Kospi, {2023, 6, 1});
                    } else if (rule > 0) {
                        const auto [threshold, minimum] = minimumFees[rule - 1];
                        commission = withMinimumFee(commission, threshold, minimum);
                    }
                    for (const std::int32_t quantity : {1, 3, 10, 100}) {
                        for (const std::int32_t buyPrice : {1, 999, 2000, 4995, 10000, 51200}) {
                            const std::int64_t highest = 2 * std::int64_t{buyPrice} + 2000;
                            const auto price = breakEvenPrice(quantity, buyPrice, commission, grid);
                            const auto expected =
                                scanned(quantity, buyPrice, commission, grid, highest);
                            ASSERT_EQ(price, expected)
                                << fee << "/" << tax << " rounding "
                                << statementRoundingKey(rounding) << " rule " << rule << " "
                                << quantity << " × " << buyPrice;
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace mx
