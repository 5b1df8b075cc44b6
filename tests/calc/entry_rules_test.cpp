#include "calc/entry_rules.h"

#include <climits>
#include <gtest/gtest.h>

namespace mx {
namespace {

struct StepRow {
    const char *name;
    std::int32_t value;
    std::int32_t step;
    const char *shown;
};

class PriceStepTest : public testing::TestWithParam<StepRow> {};

TEST_P(PriceStepTest, BandGivesStep) {
    EXPECT_EQ(priceStep(GetParam().value), GetParam().step);
    EXPECT_EQ(formatStep(priceStep(GetParam().value)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, PriceStepTest,
    testing::Values(StepRow{"negative", -100, 5, "5"}, StepRow{"zero", 0, 5, "5"},
                    StepRow{"below5000", 4999, 5, "5"}, StepRow{"at5000", 5000, 10, "10"},
                    StepRow{"below10000", 9999, 10, "10"}, StepRow{"at10000", 10000, 50, "50"},
                    StepRow{"at50000", 50000, 100, "100"}, StepRow{"at100000", 100000, 500, "500"},
                    StepRow{"below500000", 499999, 500, "500"},
                    StepRow{"at500000", 500000, 1000, "1,000"},
                    StepRow{"two_million", 2000000, 1000, "1,000"},
                    StepRow{"int_max", INT32_MAX, 1000, "1,000"}),
    [](const auto &row) { return std::string(row.param.name); });

struct PadRow {
    const char *name;
    PadKey key;
    std::int32_t value;
    std::optional<std::int32_t> result;
};

class PadKeyTest : public testing::TestWithParam<PadRow> {};

TEST_P(PadKeyTest, KeyGivesValue) {
    EXPECT_EQ(applyPadKey(GetParam().key, GetParam().value), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PadKeyTest,
    testing::Values(PadRow{"plus", PadKey::PlusOne, 41, 42},
                    PadRow{"minus_to_negative", PadKey::MinusOne, 0, -1},
                    PadRow{"times_ten", PadKey::TimesTen, 1234, 12340},
                    PadRow{"divide_back", PadKey::DivideByTen, 12340, 1234},
                    PadRow{"divide_truncates", PadKey::DivideByTen, 47, 4},
                    PadRow{"divide_negative_toward_zero", PadKey::DivideByTen, -15, -1},
                    PadRow{"divide_nine", PadKey::DivideByTen, 9, 0},
                    PadRow{"zero", PadKey::Zero, 987, 0},
                    PadRow{"plus_at_max_refused", PadKey::PlusOne, INT32_MAX, std::nullopt},
                    PadRow{"minus_at_min_refused", PadKey::MinusOne, INT32_MIN, std::nullopt},
                    PadRow{"times_ten_above_range", PadKey::TimesTen, 214748365, std::nullopt},
                    PadRow{"times_ten_at_edge", PadKey::TimesTen, 214748364, 2147483640},
                    PadRow{"times_ten_below_range", PadKey::TimesTen, -214748365, std::nullopt},
                    PadRow{"divide_min", PadKey::DivideByTen, INT32_MIN, -214748364}),
    [](const auto &row) { return std::string(row.param.name); });

struct CommaRow {
    const char *name;
    const char *shown;
    const char *bare;
    std::optional<std::string> reformatted;
};

class CommaTest : public testing::TestWithParam<CommaRow> {};

TEST_P(CommaTest, EnterStripsExitRestores) {
    EXPECT_EQ(withoutSeparators(GetParam().shown), GetParam().bare);
    EXPECT_EQ(reformatResult(GetParam().bare), GetParam().reformatted);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CommaTest,
    testing::Values(CommaRow{"millions", "1,234,567", "1234567", "1,234,567"},
                    CommaRow{"negative", "-1,355", "-1355", "-1,355"},
                    CommaRow{"zero", "0", "0", "0"}, CommaRow{"empty_stays", "", "", std::nullopt},
                    CommaRow{"not_a_number_stays", "abc", "abc", std::nullopt},
                    CommaRow{"decimals_round_half_away", "14.5", "14.5", "15"},
                    CommaRow{"date_text_stays", "2026년 3월", "2026년 3월", std::nullopt}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx
