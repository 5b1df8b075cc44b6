// The bar gauge's own rules and the in-memory sheet's starting state.
#include "calc/gauge.h"
#include "calc/memory_sheet.h"
#include "support/table_rows.h"

#include <gtest/gtest.h>

namespace mx {
namespace {

using table_rows::PrintTo;

TEST(GaugeModelTest, StartsRedAtZeroOfHundred) {
    const GaugeModel gauge;
    EXPECT_EQ(gauge.maximum(), 100);
    EXPECT_EQ(gauge.progress(), 0);
    EXPECT_EQ(gauge.color(), GaugeColor::Red);
}

TEST(GaugeModelTest, RefusesNegativeMaximumAndKeepsState) {
    GaugeModel gauge;
    gauge.setProgress(40);
    EXPECT_FALSE(gauge.setMaximum(-1));
    EXPECT_EQ(gauge.maximum(), 100);
    EXPECT_EQ(gauge.progress(), 40);
    EXPECT_TRUE(gauge.setMaximum(0));
    EXPECT_EQ(gauge.progress(), 0);
}

struct ProgressRow {
    const char *name;
    int maximum;
    int progress;
    int clamped;
    int percent;
};

class GaugeProgressTest : public testing::TestWithParam<ProgressRow> {};

TEST_P(GaugeProgressTest, ClampsAndShowsTruncatedPercent) {
    GaugeModel gauge;
    ASSERT_TRUE(gauge.setMaximum(GetParam().maximum));
    gauge.setProgress(GetParam().progress);
    EXPECT_EQ(gauge.progress(), GetParam().clamped);
    EXPECT_EQ(gauge.percent(), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeProgressTest,
                         testing::Values(ProgressRow{"quarter", 4000, 1000, 1000, 25},
                                         ProgressRow{"truncated", 3, 2, 2, 66},
                                         ProgressRow{"below_zero", 1000, -1000, 0, 0},
                                         ProgressRow{"above_maximum", 4000, 6000, 4000, 100},
                                         ProgressRow{"zero_maximum", 0, 10000, 0, 0},
                                         ProgressRow{"large_without_overflow", 2000000000,
                                                     1999999999, 1999999999, 99}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(GaugeModelTest, LowerMaximumLowersProgress) {
    GaugeModel gauge;
    gauge.setProgress(90);
    ASSERT_TRUE(gauge.setMaximum(50));
    EXPECT_EQ(gauge.progress(), 50);
}

TEST(MemorySheetTest, StartsAsTheWindowStarts) {
    MemorySheet sheet;
    EXPECT_EQ(sheet.text("r1"), "0.029");
    EXPECT_EQ(sheet.text("r13"), "3");
    EXPECT_EQ(sheet.text("Label39"), "최저가");
    EXPECT_EQ(sheet.text("s1"), "");
    EXPECT_FALSE(sheet.isChecked("CheckBox1"));
    EXPECT_TRUE(sheet.panelVisible("Panel24"));
    EXPECT_TRUE(sheet.memo("Memo3").empty());
    EXPECT_EQ(sheet.gauge("Gauge2").maximum(), 100);
    EXPECT_TRUE(sheet.messages().empty());
    sheet.setText("CheckBox1", "1");
    EXPECT_TRUE(sheet.isChecked("CheckBox1"));
}

} // namespace
} // namespace mx
