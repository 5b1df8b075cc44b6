// Reading and writing rules of the sheet's fields, the catalogue and the time stamp.
#include "calc/calculate.h"
#include "calc/fields.h"
#include "calc/memory_sheet.h"
#include "support/table_rows.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace mx {
namespace {

using table_rows::PrintTo;
using table_rows::rowName;

struct MoneyRow {
    const char *name;
    long double value;
    const char *shown;
};

class DisplayRuleTest : public testing::TestWithParam<MoneyRow> {};

TEST_P(DisplayRuleTest, Formats) {
    EXPECT_EQ(formatMoney(GetParam().value), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Money, DisplayRuleTest,
    testing::Values(MoneyRow{"zero", 0, "0"}, MoneyRow{"negative_zero", -0.0L, "0"},
                    MoneyRow{"half_up", 14.5L, "15"}, MoneyRow{"negative_half", -14.5L, "-15"},
                    MoneyRow{"small_negative", -0.4L, "0"},
                    MoneyRow{"negative_half_won", -0.5L, "-1"},
                    MoneyRow{"just_below_half_in_extended", 0.5L - 0x1p-60L, "0"},
                    MoneyRow{"just_above_half_in_extended", -2.5L - 0x1p-60L, "-3"},
                    MoneyRow{"below_half", 9609.1L, "9,609"}, MoneyRow{"three_digits", 999, "999"},
                    MoneyRow{"rounds_into_next_group", 999.5L, "1,000"},
                    MoneyRow{"grouping", 1234567, "1,234,567"},
                    MoneyRow{"negative_grouping", -1234567.4L, "-1,234,567"},
                    MoneyRow{"int_max", 2147483647.0L, "2,147,483,647"},
                    MoneyRow{"int_min", -2147483648.0L, "-2,147,483,648"},
                    MoneyRow{"largest_scenario_amount", 4611686018427387904.0L,
                             "4,611,686,018,427,387,904"},
                    MoneyRow{"largest_negative_scenario_amount", -4611686018427387904.0L,
                             "-4,611,686,018,427,387,904"}),
    rowName);

struct WholeRow {
    const char *name;
    const char *text;
    std::optional<std::int32_t> value;
};

class WholeNumberTest : public testing::TestWithParam<WholeRow> {};

TEST_P(WholeNumberTest, Parses) {
    EXPECT_EQ(parseWholeNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumberTest,
    testing::Values(
        WholeRow{"digits", "10000", 10000}, WholeRow{"plus", "+5", 5}, WholeRow{"minus", "-5", -5},
        WholeRow{"zero", "0", 0}, WholeRow{"empty", "", std::nullopt},
        WholeRow{"sign_only", "-", std::nullopt}, WholeRow{"decimal_point", "1.5", std::nullopt},
        WholeRow{"separator", "1,000", std::nullopt}, WholeRow{"letters", "abc", std::nullopt},
        WholeRow{"trailing", "12a", std::nullopt}, WholeRow{"int_max", "2147483647", INT_MAX},
        WholeRow{"int_min", "-2147483648", INT_MIN},
        WholeRow{"beyond_max", "2147483648", std::nullopt},
        WholeRow{"beyond_min", "-2147483649", std::nullopt},
        WholeRow{"far_beyond", "99999999999999999999", std::nullopt}),
    rowName);

struct SpinRow {
    const char *name;
    const char *field;
    const char *text;
    std::int32_t value;
};

class SpinReadingTest : public testing::TestWithParam<SpinRow> {};

TEST_P(SpinReadingTest, ReadsWithinBounds) {
    EXPECT_EQ(readInteger(field(GetParam().field), GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Fields, SpinReadingTest,
                         testing::Values(SpinRow{"unbounded_negative", "s1", "-10", -10},
                                         SpinRow{"unbounded_empty", "s2", "", 0},
                                         SpinRow{"unbounded_letters", "W1", "x", 0},
                                         SpinRow{"percentage_inside", "r5", "25", 25},
                                         SpinRow{"percentage_zero_clamped", "r5", "0", 1},
                                         SpinRow{"percentage_above_clamped", "r13", "101", 100},
                                         SpinRow{"percentage_negative_clamped", "r8", "-5", 1},
                                         SpinRow{"percentage_empty_is_minimum", "r12", "", 1},
                                         SpinRow{"percentage_text_is_minimum", "r9", "abc", 1}),
                         rowName);

struct DecimalRow {
    const char *name;
    const char *text;
    long double value;
};

class DecimalReadingTest : public testing::TestWithParam<DecimalRow> {};

// To the last bit of extended precision, as the compiler reads the same literal, on every
// system.
TEST_P(DecimalReadingTest, Reads) {
    EXPECT_EQ(readDecimal(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalReadingTest,
    testing::Values(DecimalRow{"fee_rate", "0.029", 0.029L}, DecimalRow{"tax_rate", "0.3", 0.3L},
                    DecimalRow{"tax_of_2026", "0.2", 0.2L},
                    DecimalRow{"small_rate", "0.00015", 0.00015L},
                    DecimalRow{"negative", "-0.015", -0.015L},
                    DecimalRow{"exponent", "15e-3", 0.015L},
                    DecimalRow{"nineteen_digits", "0.1234567890123456789", 0.1234567890123456789L},
                    DecimalRow{"whole", "1", 1}, DecimalRow{"empty", "", 0},
                    DecimalRow{"comma_separator", "0,3", 0}, DecimalRow{"letters", "abc", 0},
                    DecimalRow{"trailing", "0.3%", 0}),
    rowName);

TEST(FieldWritingTest, PlainAndDecimalTexts) {
    EXPECT_EQ(formatPlain(3000), "3000");
    EXPECT_EQ(formatPlain(-10000), "-10000");
    EXPECT_EQ(formatPlain(0), "0");
    EXPECT_EQ(formatDecimal(0.029L, 3), "0.029");
    EXPECT_EQ(formatDecimal(0.3L, 1), "0.3");
    EXPECT_EQ(formatDecimal(1, 3), "1.000");
}

TEST(FieldWritingTest, SettingClampsToBounds) {
    EXPECT_EQ(clampToField(field("r5"), 0), 1);
    EXPECT_EQ(clampToField(field("r5"), 1000), 100);
    EXPECT_EQ(clampToField(field("s1"), -7), -7);
}

TEST(FieldWritingTest, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(roundHalfAway(14.5L), 15);
    EXPECT_EQ(roundHalfAway(-14.5L), -15);
    EXPECT_EQ(roundHalfAway(10004.5L), 10005);
    EXPECT_EQ(roundHalfAway(-0.4L), 0);
}

struct StampRow {
    const char *name;
    LocalDateTime now;
    const char *text;
};

class TimeStampTest : public testing::TestWithParam<StampRow> {};

TEST_P(TimeStampTest, Formats) {
    EXPECT_EQ(formatTimeStamp(GetParam().now), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Stamps, TimeStampTest,
    testing::Values(StampRow{"morning", {2026, 3, 7, 9, 5}, "2026년 3월 7일  9시 5분 "},
                    StampRow{"two_digits", {2025, 12, 31, 23, 59}, "2025년 12월 31일  23시 59분 "},
                    StampRow{"midnight", {2024, 2, 29, 0, 0}, "2024년 2월 29일  0시 0분 "}),
    rowName);

struct OptionRow {
    const char *name;
    std::vector<std::pair<const char *, const char *>> texts;
    Market market;
    StatementRounding rounding;
    TradeDate date;
    const char *taxRate; // the rate every evaluation uses
    const char *line;
    std::int32_t stepAt1500;
};

class SheetOptionTest : public testing::TestWithParam<OptionRow> {};

TEST_P(SheetOptionTest, ReadsTheOptionsPanel) {
    const OptionRow &row = GetParam();
    MemorySheet sheet;
    for (const auto &[name, text] : row.texts) {
        sheet.setText(name, text);
    }
    const LocalDateTime now{2026, 3, 7, 9, 5};
    const CommissionOptions options = readCommissionOptions(sheet, now);
    EXPECT_EQ(options.market, row.market);
    EXPECT_EQ(options.rounding, row.rounding);
    EXPECT_EQ(options.tradeDate, row.date);
    const Commission commission = commissionFor(options);
    EXPECT_EQ(formatRate(commission.tax.exact), row.taxRate);
    EXPECT_EQ(commission.tax.percent, readDecimal(row.taxRate)); // as if typed into r2
    EXPECT_EQ(taxRateLineOf(sheet, now), row.line);
    EXPECT_EQ(priceGridOf(sheet, now).step(1500), row.stepAt1500);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, SheetOptionTest,
    testing::Values(
        OptionRow{"at_start",
                  {},
                  Market::Kospi,
                  StatementRounding::Display,
                  {2026, 3, 7},
                  "0.3",
                  "제세금율 적용 중 (거래일 기준 세율 0.20% 미적용)",
                  5},
        OptionRow{"rules_on",
                  {{"CheckBox2", "1"}},
                  Market::Kospi,
                  StatementRounding::Display,
                  {2026, 3, 7},
                  "0.20",
                  "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2025-12-29 매매분부터)",
                  1},
        OptionRow{"unknown_texts_read_as_defaults",
                  {{"CheckBox2", "1"},
                   {"ComboBox1", "nyse"},
                   {"ComboBox2", "floor"},
                   {"DateEdit1", "2026-02-30"}},
                  Market::Kospi,
                  StatementRounding::Display,
                  {2026, 3, 7},
                  "0.20",
                  "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2025-12-29 매매분부터)",
                  1},
        OptionRow{"kosdaq_before_tick_change",
                  {{"CheckBox2", "1"},
                   {"ComboBox1", "kosdaq"},
                   {"ComboBox2", "ten"},
                   {"DateEdit1", "2022-06-15"}},
                  Market::Kosdaq,
                  StatementRounding::TenWonFees,
                  {2022, 6, 15},
                  "0.23",
                  "적용 세율 0.23% (2020-12-29 매매분부터)",
                  5},
        OptionRow{"rules_off_keep_r2_and_own_steps",
                  {{"ComboBox1", "etf"},
                   {"ComboBox2", "won"},
                   {"DateEdit1", "2024-01-02"},
                   {"r2", "0.25"}},
                  Market::EtfEtn,
                  StatementRounding::Won,
                  {2024, 1, 2},
                  "0.25",
                  "제세금율 적용 중 (거래일 기준 세율 0.00% 미적용)",
                  5},
        OptionRow{"etf_rules_on",
                  {{"CheckBox2", "1"}, {"ComboBox1", "etf"}, {"DateEdit1", "2024-01-02"}},
                  Market::EtfEtn,
                  StatementRounding::Display,
                  {2024, 1, 2},
                  "0.00",
                  "적용 세율 0.00% (ETF·ETN 비과세)",
                  1}),
    rowName);

TEST(CatalogueTest, SortedUniqueAndFindable) {
    std::string previous;
    for (const FieldSpec &fieldSpec : fieldCatalogue()) {
        EXPECT_LT(previous, fieldSpec.name);
        previous = fieldSpec.name;
        EXPECT_EQ(findField(fieldSpec.name), &fieldSpec);
    }
    EXPECT_EQ(findField("s6"), nullptr);
    EXPECT_EQ(findField(""), nullptr);
    EXPECT_THROW(field("Memo2x"), std::invalid_argument);
}

// The fields whose text the headless tool prints: exactly those of the sheet's pages and of the
// 평단·물타기 panel.
TEST(CatalogueTest, TextFieldsAreThoseOfThePages) {
    std::set<std::string> expected{"CheckBox1", "CheckBox2", "ComboBox1", "ComboBox2", "DateEdit1",
                                   "Edit1",     "Edit2",     "Edit4",     "Edit6"};
    const auto range = [&](const std::string &prefix, int first, int last) {
        for (int i = first; i <= last; ++i) {
            expected.insert(prefix + std::to_string(i));
        }
    };
    range("s", 1, 5);
    range("e", 1, 8);
    range("W", 1, 7);
    range("X", 1, 7);
    range("Y", 1, 9);
    range("Z", 1, 6);
    range("r", 1, 13);
    range("x", 8, 12);
    range("z", 7, 16);
    range("P", 1, 14);
    range("Q", 1, 12);
    for (const int label : {27, 29, 32, 34, 37, 39}) {
        expected.insert("Label" + std::to_string(label));
    }
    std::set<std::string> texts;
    std::set<std::string> others;
    for (const FieldSpec &fieldSpec : fieldCatalogue()) {
        const bool text = fieldSpec.kind != FieldKind::Gauge && fieldSpec.kind != FieldKind::Memo &&
                          fieldSpec.kind != FieldKind::Panel;
        (text ? texts : others).insert(std::string(fieldSpec.name));
    }
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(others,
              (std::set<std::string>{"Gauge1", "Gauge2", "Gauge3", "Memo3", "Memo4", "Panel24"}));
}

} // namespace
} // namespace mx
