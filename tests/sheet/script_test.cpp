// The tool's directive parsing and report writing, in process.
#include "sheet/report.h"
#include "sheet/script.h"
#include "support/table_rows.h"

#include <gtest/gtest.h>
#include <sstream>

namespace mx::sheet_tool {
namespace {

using table_rows::PrintTo;

struct DateRow {
    const char *name;
    const char *text;
    bool valid;
};

class DateTimeTest : public testing::TestWithParam<DateRow> {};

TEST_P(DateTimeTest, ParsesOnlyRealTimes) {
    EXPECT_EQ(parseDateTime(GetParam().text).has_value(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, DateTimeTest,
                         testing::Values(DateRow{"morning", "2026-03-07 09:05", true},
                                         DateRow{"leap_day", "2024-02-29 23:59", true},
                                         DateRow{"century_leap_day", "2000-02-29 00:00", true},
                                         DateRow{"century_not_leap", "1900-02-29 00:00", false},
                                         DateRow{"month_13", "2026-13-01 00:00", false},
                                         DateRow{"month_0", "2026-00-10 00:00", false},
                                         DateRow{"day_0", "2026-01-00 00:00", false},
                                         DateRow{"april_31", "2026-04-31 00:00", false},
                                         DateRow{"seconds", "2026-03-07 09:05:00", false},
                                         DateRow{"slashes", "2026/03/07 09:05", false},
                                         DateRow{"sign", "2026-03-07 +9:05", false}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(DateTimeTest, FieldsInOrder) {
    const auto now = parseDateTime("2026-03-07 09:05");
    ASSERT_TRUE(now);
    EXPECT_EQ(now->year, 2026);
    EXPECT_EQ(now->month, 3);
    EXPECT_EQ(now->day, 7);
    EXPECT_EQ(now->hour, 9);
    EXPECT_EQ(now->minute, 5);
}

TEST(ReportTest, CarriageReturnWrittenAsBackslashR) {
    MemorySheet sheet;
    std::ostringstream out;
    writeReport(out, sheet, {"첫 줄\r둘째 줄", "plain"});
    EXPECT_TRUE(out.str().starts_with("message=첫 줄\\r둘째 줄\nmessage=plain\nCheckBox1=0\n"))
        << out.str();
}

TEST(ReportTest, MemoLinesKeepTheirOrder) {
    MemorySheet sheet;
    sheet.addMemoLine("Memo3", "b");
    sheet.addMemoLine("Memo3", "a");
    sheet.addMemoLine("Memo3", "c");
    std::ostringstream out;
    writeReport(out, sheet, {});
    EXPECT_NE(out.str().find("Label39=최저가\nMemo3=b\nMemo3=a\nMemo3=c\nPanel24.visible=1\n"),
              std::string::npos)
        << out.str();
}

TEST(ReportTest, GaugeLinesBetweenEdit6AndLabels) {
    MemorySheet sheet;
    std::ostringstream out;
    writeReport(out, sheet, {});
    EXPECT_NE(out.str().find("Edit6=XXXX년 X월 X 일 X시X분\n"
                             "Gauge1.color=red\nGauge1.max=100\nGauge1.progress=0\n"
                             "Gauge2.color=red\n"),
              std::string::npos);
    EXPECT_NE(out.str().find("Gauge3.progress=0\nLabel27=최저가\n"), std::string::npos);
}

// The 평단·물타기 panel's lines once one of its fields holds a text: a sheet without it prints
// what it always printed.
TEST(ReportTest, AveragingLinesOnlyOnceEntered) {
    MemorySheet sheet;
    std::ostringstream without;
    writeReport(without, sheet, {});
    EXPECT_NE(without.str().find("Label39=최저가\nPanel24.visible=1\nW1=\n"), std::string::npos);
    sheet.setText("P13", "65000");
    std::ostringstream with;
    writeReport(with, sheet, {});
    for (const char *lines : {"Label39=최저가\nP1=\nP10=\n", "P13=65000\nP14=\nP2=\n",
                              "P9=\nPanel24.visible=1\nQ1=\n", "Q9=\nW1=\n"}) {
        EXPECT_NE(with.str().find(lines), std::string::npos) << lines;
    }
}

TEST(SheetScriptTest, FinishCalculatesOnlyWithoutCalcLine) {
    SheetScript once;
    once.apply("@calc");
    once.finish();
    EXPECT_EQ(once.messages().size(), 1u);

    SheetScript implicit;
    implicit.apply("s1=1");
    implicit.finish();
    EXPECT_EQ(implicit.messages(), std::vector<std::string>{"매수가가 기록되지 않았습니다."});
}

struct ExcerptRow {
    const char *name;
    std::string text;
    std::string expected;
};

class ExcerptTest : public testing::TestWithParam<ExcerptRow> {};

TEST_P(ExcerptTest, QuotesAtMost200Characters) {
    EXPECT_EQ(excerpt(GetParam().text), GetParam().expected);
}

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExcerptTest,
    testing::Values(
        ExcerptRow{"short", "s1", "s1"}, ExcerptRow{"empty", "", ""},
        ExcerptRow{"exactly_200", std::string(200, 'x'), std::string(200, 'x')},
        ExcerptRow{"201_cut", std::string(201, 'x'), std::string(200, 'x') + "…"},
        ExcerptRow{"korean_200", repeated("가", 200), repeated("가", 200)},
        ExcerptRow{"korean_cut_between_characters", repeated("가", 300), repeated("가", 200) + "…"},
        ExcerptRow{"mixed_cut", "a" + repeated("수", 250), "a" + repeated("수", 199) + "…"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(SheetScriptTest, CrLfLinesReadLikeLf) {
    SheetScript crlf;
    SheetScript lf;
    for (const std::string line : {"@now=2026-03-07 09:05", "s1=10", "s2=10000", "# note", "",
                                   "CheckBox1=1", "Y3=a=b ", "@calc"}) {
        crlf.apply(line + "\r");
        lf.apply(line);
    }
    EXPECT_EQ(crlf.sheet().text("s1"), "10");
    EXPECT_EQ(crlf.sheet().text("Y3"), "a=b ");
    EXPECT_TRUE(crlf.sheet().isChecked("CheckBox1"));
    EXPECT_EQ(crlf.messages(), lf.messages());
    EXPECT_EQ(crlf.sheet().text("Edit6"), lf.sheet().text("Edit6"));
}

TEST(SheetScriptTest, OnlyOneCarriageReturnIsALineEnd) {
    SheetScript script;
    script.apply("Y3=x\r\r");
    EXPECT_EQ(script.sheet().text("Y3"), "x\r");
    EXPECT_THROW(script.apply("\r@calc"), ScriptError);
}

TEST(SheetScriptTest, RefusesWithScriptError) {
    SheetScript script;
    EXPECT_THROW(script.apply("Nope=1"), ScriptError);
    EXPECT_THROW(script.apply("CheckBox1=true"), ScriptError);
    EXPECT_THROW(script.apply("@now=tomorrow"), ScriptError);
    EXPECT_NO_THROW(script.apply("# anything"));
    EXPECT_NO_THROW(script.apply(""));
}

} // namespace
} // namespace mx::sheet_tool
