#include "printers.h"
#include "settings/value_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace mx::settings {
namespace {

struct IntegerRow {
    const char *name;
    const char *text;
    std::optional<std::int32_t> expected;
};

class IntegerText : public testing::TestWithParam<IntegerRow> {};

TEST_P(IntegerText, Reads) {
    EXPECT_EQ(ValueText::readInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IntegerText,
    testing::Values(IntegerRow{"Decimal", "51", 51}, IntegerRow{"Negative", "-5", -5},
                    IntegerRow{"PlusSign", "+7", 7}, IntegerRow{"HexLower", "0x10", 16},
                    IntegerRow{"HexUpperPrefix", "0XfF", 255}, IntegerRow{"HexOneDigit", "0x1", 1},
                    IntegerRow{"HexLargest", "0x7FFFFFFF",
                               std::numeric_limits<std::int32_t>::max()},
                    IntegerRow{"HexBeyond32Bits", "0x80000000", std::nullopt},
                    IntegerRow{"BarePrefix", "0x", std::nullopt},
                    IntegerRow{"HexWithSign", "0x-1", std::nullopt},
                    IntegerRow{"HexNotDigits", "0xG1", std::nullopt},
                    IntegerRow{"Letters", "abc", std::nullopt},
                    IntegerRow{"Empty", "", std::nullopt},
                    IntegerRow{"Fraction", "7.5", std::nullopt},
                    IntegerRow{"Lowest", "-2147483648", std::numeric_limits<std::int32_t>::min()},
                    IntegerRow{"Beyond32Bits", "2147483648", std::nullopt}),
    [](const auto &row) { return row.param.name; });

TEST(BooleanText, AnyNonZeroIntegerIsChecked) {
    EXPECT_EQ(ValueText::readBoolean("2"), true);
    EXPECT_EQ(ValueText::readBoolean("-1"), true);
    EXPECT_EQ(ValueText::readBoolean("0x0"), false);
    EXPECT_EQ(ValueText::readBoolean("0"), false);
    EXPECT_EQ(ValueText::readBoolean("yes"), std::nullopt);
    EXPECT_EQ(ValueText::writeBoolean(true), "1");
    EXPECT_EQ(ValueText::writeBoolean(false), "0");
}

struct DecimalRow {
    const char *name;
    QLocale::Language language;
    const char *text;
    std::optional<double> expected;
};

class DecimalRead : public testing::TestWithParam<DecimalRow> {};

TEST_P(DecimalRead, TakesEitherSeparator) {
    const DecimalRow &row = GetParam();
    EXPECT_EQ(ValueText(QLocale(row.language)).readDecimal(row.text), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecimalRead,
    testing::Values(DecimalRow{"Point", QLocale::C, "0.029", 0.029},
                    DecimalRow{"Whole", QLocale::C, "3", 3.0},
                    DecimalRow{"Exponent", QLocale::C, "1e-7", 1e-7},
                    DecimalRow{"CommaInCLocale", QLocale::C, "0,029", 0.029},
                    DecimalRow{"CommaInKorean", QLocale::Korean, "0,25", 0.25},
                    DecimalRow{"PointInKorean", QLocale::Korean, "0.25", 0.25},
                    DecimalRow{"CommaInGerman", QLocale::German, "0,029", 0.029},
                    DecimalRow{"PointInGerman", QLocale::German, "0.029", 0.029},
                    DecimalRow{"CommaWithExponent", QLocale::C, "2,5e-1", 0.25},
                    DecimalRow{"PersianSeparatorInCLocale", QLocale::C, "0\u066B05", 0.05},
                    DecimalRow{"NegativeComma", QLocale::German, "-1,5", -1.5},
                    DecimalRow{"BothSeparators", QLocale::German, "1,000.5", std::nullopt},
                    DecimalRow{"TwoCommas", QLocale::C, "1,000,5", std::nullopt},
                    DecimalRow{"CommaAlone", QLocale::German, ",", std::nullopt},
                    DecimalRow{"NotANumber", QLocale::C, "abc", std::nullopt},
                    DecimalRow{"Empty", QLocale::C, "", std::nullopt},
                    DecimalRow{"Infinity", QLocale::C, "inf", std::nullopt},
                    DecimalRow{"BeyondDouble", QLocale::C, "1e400", std::nullopt}),
    [](const auto &row) { return row.param.name; });

struct WriteRow {
    const char *name;
    double value;
    const char *expected;
};

class DecimalWrite : public testing::TestWithParam<WriteRow> {};

TEST_P(DecimalWrite, ShortestPlainTextOf15Digits) {
    const WriteRow &row = GetParam();
    const ValueText texts(QLocale::c());
    EXPECT_EQ(texts.writeDecimal(row.value), row.expected);
    const std::optional<double> back = texts.readDecimal(row.expected);
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(*back, row.value, std::abs(row.value) * 1e-14);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecimalWrite,
    testing::Values(WriteRow{"FeeRate", 0.029, "0.029"}, WriteRow{"TaxRate", 0.3, "0.3"},
                    WriteRow{"SumNoise", 0.1 + 0.2, "0.3"}, WriteRow{"Whole", 15, "15"},
                    WriteRow{"Tiny", 1e-7, "0.0000001"},
                    WriteRow{"Huge", 1e20, "100000000000000000000"},
                    WriteRow{"FifteenDigits", 123456789.012345, "123456789.012345"},
                    WriteRow{"SixteenthDigitRounded", 0.12345678901234567, "0.123456789012346"},
                    WriteRow{"Negative", -0.5, "-0.5"}, WriteRow{"Zero", 0, "0"},
                    WriteRow{"NegativeZero", -0.0, "0"}),
    [](const auto &row) { return row.param.name; });

TEST(DecimalWrite, GermanSeparatorAndNoExponentForNonFinite) {
    const ValueText german(QLocale::German);
    EXPECT_EQ(german.writeDecimal(0.029), "0,029");
    EXPECT_EQ(german.writeDecimal(12345.5), "12345,5"); // no grouping
    EXPECT_EQ(german.writeDecimal(std::numeric_limits<double>::infinity()), "0");
}

TEST(DecimalWrite, WrittenUnderOneLocaleReadUnderAnother) {
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::Korean),
                               QLocale(QLocale::French)};
    for (const QLocale &writer : locales) {
        for (const QLocale &reader : locales) {
            for (const double value : {0.015, 0.25, 1234.5, -0.001}) {
                const QString text = ValueText(writer).writeDecimal(value);
                EXPECT_EQ(ValueText(reader).readDecimal(text), value)
                    << text.toStdString() << " from " << writer.name().toStdString() << " in "
                    << reader.name().toStdString();
            }
        }
    }
}

TEST(DecimalWrite, LocaleOfAnotherSeparatorReadsItsOwn) {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const ValueText texts(arabic);
    const QString written = texts.writeDecimal(0.25);
    EXPECT_TRUE(written.contains(arabic.decimalPoint())) << written.toStdString();
    EXPECT_EQ(texts.readDecimal(written), 0.25);
    EXPECT_EQ(texts.readDecimal("0.25"), 0.25);
}

TEST(DecimalWrite, LargestDoubleStillReadsBack) {
    const ValueText texts(QLocale::c());
    const double largest = std::numeric_limits<double>::max();
    const QString written = texts.writeDecimal(-largest);
    EXPECT_TRUE(written.startsWith("-17976931348623157000")) << written.toStdString();
    EXPECT_EQ(texts.readDecimal(written), -largest);
}

} // namespace
} // namespace mx::settings
