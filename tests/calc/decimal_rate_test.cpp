// Exact decimal rates: reading a rate text and truncating a percentage of an amount.
#include "calc/decimal_rate.h"
#include "support/table_rows.h"

#include <gtest/gtest.h>

namespace mx {
namespace {

using table_rows::PrintTo;

struct RateRow {
    const char *name;
    const char *text;
    DecimalRate rate;
    const char *written;
};

class DecimalRateTest : public testing::TestWithParam<RateRow> {};

TEST_P(DecimalRateTest, ReadsTheTextExactly) {
    const RateRow &row = GetParam();
    EXPECT_EQ(readDecimalRate(row.text), row.rate);
    EXPECT_EQ(formatRate(readDecimalRate(row.text)), row.written);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalRateTest,
    testing::Values(
        RateRow{"fee_rate", "0.029", {29, 3}, "0.029"},
        RateRow{"trailing_zero_kept", "0.20", {20, 2}, "0.20"},
        RateRow{"seven_decimals", "0.0140527", {140527, 7}, "0.0140527"},
        RateRow{"leading_zeros", "00.0200", {200, 4}, "0.0200"},
        RateRow{"fraction_only", ".5", {5, 1}, "0.5"},
        RateRow{"signed_exponent", "+1.5e-2", {15, 3}, "0.015"},
        RateRow{"negative", "-0.5", {-5, 1}, "-0.5"},
        RateRow{"exponent_above", "1E2", {1, -2}, "100"}, RateRow{"zero", "0.000", {0, 0}, "0"},
        RateRow{"eighteen_digits_kept",
                "1234567890.123456789012",
                {123456789012345678, 8},
                "1234567890.12345678"},
        RateRow{"whole_digits_cut_keep_magnitude",
                "12345678901234567890123",
                {123456789012345678, -5},
                "12345678901234567800000"},
        RateRow{"comma_not_a_number", "0,3", {0, 0}, "0"}, RateRow{"letters", "abc", {0, 0}, "0"},
        RateRow{"infinity_not_a_number", "inf", {0, 0}, "0"}, RateRow{"empty", "", {0, 0}, "0"}),
    [](const auto &row) { return std::string(row.param.name); });

struct ShareRow {
    const char *name;
    std::int64_t amount;
    const char *rate;
    std::int64_t unit;
    long double share;
};

class TruncatedShareTest : public testing::TestWithParam<ShareRow> {};

TEST_P(TruncatedShareTest, TruncatesTowardZeroInDecimal) {
    const ShareRow &row = GetParam();
    EXPECT_EQ(truncatedShare(row.amount, readDecimalRate(row.rate), row.unit), row.share);
}

INSTANTIATE_TEST_SUITE_P(
    Shares, TruncatedShareTest,
    testing::Values(ShareRow{"exact_product", 1000000, "0.20", 1, 2000},
                    ShareRow{"exact_product_ten_won", 1000000, "0.20", 10, 2000},
                    ShareRow{"seven_decimals", 100000000, "0.0140527", 1, 14052},
                    ShareRow{"half_won_cut", 7130000, "0.015", 1, 1069},
                    ShareRow{"ten_won_cut", 7130000, "0.015", 10, 1060},
                    ShareRow{"ten_won_cut_of_whole_won", 7300000, "0.015", 10, 1090},
                    ShareRow{"negative_amount_toward_zero", -7130000, "0.015", 10, -1060},
                    ShareRow{"negative_rate_toward_zero", 7130000, "-0.015", 1, -1069},
                    ShareRow{"below_one_won", 3000, "0.029", 1, 0},
                    ShareRow{"zero_rate", 1000000, "abc", 1, 0},
                    ShareRow{"largest_amount", 4611686014132420609, "0.015", 1, 691752902119863},
                    ShareRow{"rate_above_whole_percent", 3, "1e20", 1, 3000000000000000000},
                    ShareRow{"vanishing_rate", 4611686014132420609, "1e-30", 1, 0}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx
