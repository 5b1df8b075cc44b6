// The contract of mx_cal_sheet as a program: exit status, error lines and output shape, and
// the program printing what its own interpreter of the directives reports.
#include "sheet/report.h"
#include "sheet/script.h"
#include "support/table_rows.h"
#include "tool_runner.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <vector>

namespace mx::testing_support {
namespace {

using table_rows::PrintTo;

const std::string fullTrade = "@now=2026-03-07 09:05\n"
                              "s1=10\ns2=10000\ns3=11000\n"
                              "W1=13000\nW2=9000\n"
                              "Y1=11500\nY2=8500\nY4=10800\nY5=9700\n";

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> linesNamed(const std::string &text, const std::string &name) {
    std::vector<std::string> found;
    for (const std::string &line : linesOf(text)) {
        if (line.starts_with(name + "=")) {
            found.push_back(line.substr(name.size() + 1));
        }
    }
    return found;
}

struct ScriptRow {
    const char *name;
    std::string input;
};

class ToolAsItsScript : public testing::TestWithParam<ScriptRow> {};

// The Calculate tables run on the interpreter in-process; a few rows run through the program
// as well, which must print exactly what the interpreter reports.
TEST_P(ToolAsItsScript, PrintsWhatTheInterpreterReports) {
    sheet_tool::SheetScript script;
    for (const std::string &line : linesOf(GetParam().input)) {
        script.apply(line);
    }
    script.finish();
    std::ostringstream report;
    sheet_tool::writeReport(report, script.sheet(), script.messages());
    const ToolRun run = runSheetTool(GetParam().input);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, report.str());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToolAsItsScript,
    testing::Values(ScriptRow{"AllThreePages", fullTrade},
                    ScriptRow{"MissingQuantity", "@now=2026-03-07 09:05\ns2=10000\n"},
                    ScriptRow{"StatementOf2026", "@now=2026-03-07 09:05\ns1=100\ns2=71300\n"
                                                 "s3=73000\nr1=0.015\nCheckBox2=1\n"
                                                 "DateEdit1=2026-03-06\nComboBox2=ten\n"},
                    ScriptRow{"Averaging", "@now=2026-03-07 09:05\nP1=100\nP2=72000\nP3=50\n"
                                           "P4=66000\nP13=65000\nP14=68000\n"}),
    [](const auto &row) { return std::string(row.param.name); });

struct RefusedRow {
    const char *name;
    std::string line;
};

class RefusedLineTest : public testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedLineTest, ExitsWithOneLineReason) {
    const ToolRun run = runSheetTool("s1=10\n" + GetParam().line + "\n@calc\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n"));
    EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(UnknownFields, RefusedLineTest,
                         testing::Values(RefusedRow{"unknown_name", "Foo=1"},
                                         RefusedRow{"lower_case_edit", "edit1=1"},
                                         RefusedRow{"beyond_last_result", "s6=1"},
                                         RefusedRow{"hidden_line_buffer", "Memo2=x"},
                                         RefusedRow{"gauge_without_property", "Gauge1=3"},
                                         RefusedRow{"unknown_gauge", "Gauge4.max=3"},
                                         RefusedRow{"unknown_gauge_property", "Gauge1.min=0"},
                                         RefusedRow{"panel_without_property", "Panel24=1"},
                                         RefusedRow{"name_with_blank", " s1=10"}),
                         [](const auto &row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    MalformedLines, RefusedLineTest,
    testing::Values(
        RefusedRow{"no_equals", "s1"}, RefusedRow{"empty_name", "=5"},
        RefusedRow{"unknown_command", "@clear"}, RefusedRow{"calc_with_suffix", "@calc "},
        RefusedRow{"now_without_padding", "@now=2026-3-7 9:05"},
        RefusedRow{"now_without_time", "@now=2026-03-07"},
        RefusedRow{"now_impossible_day", "@now=2026-02-29 10:00"},
        RefusedRow{"now_hour_24", "@now=2026-03-07 24:00"},
        RefusedRow{"now_minute_60", "@now=2026-03-07 10:60"},
        RefusedRow{"now_letters", "@now=20a6-03-07 10:00"},
        RefusedRow{"checkbox_word", "CheckBox1=yes"}, RefusedRow{"checkbox_empty", "CheckBox1="},
        RefusedRow{"checkbox_two", "CheckBox1=2"}, RefusedRow{"gauge_colour", "Gauge1.color=green"},
        RefusedRow{"gauge_negative_maximum", "Gauge1.max=-1"},
        RefusedRow{"gauge_progress_text", "Gauge2.progress=x"},
        RefusedRow{"panel_visibility", "Panel24.visible=yes"},
        RefusedRow{"rules_word", "CheckBox2=on"},
        RefusedRow{"market_upper_case", "ComboBox1=KOSPI"},
        RefusedRow{"market_unknown", "ComboBox1=nyse"}, RefusedRow{"market_empty", "ComboBox1="},
        RefusedRow{"rounding_unknown", "ComboBox2=floor"},
        RefusedRow{"date_impossible", "DateEdit1=2026-02-29"},
        RefusedRow{"date_with_time", "DateEdit1=2026-03-06 09:05"},
        RefusedRow{"date_unpadded", "DateEdit1=2026-3-6"},
        RefusedRow{"line_beyond_a_mebibyte", "s2=" + std::string(1 << 20, '1')}),
    [](const auto &row) { return std::string(row.param.name); });

std::string withCrLf(const std::string &text) {
    std::string converted;
    for (const char c : text) {
        converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return converted;
}

TEST(SheetToolTest, CrLfInputReadsLikeLf) {
    const std::string input = fullTrade + "# comment\n\nCheckBox1=1\n@calc\n";
    const ToolRun lf = runSheetTool(input);
    const ToolRun crlf = runSheetTool(withCrLf(input));
    ASSERT_EQ(crlf.exitCode, 0) << crlf.err;
    EXPECT_EQ(crlf.out, lf.out);
    EXPECT_EQ(linesNamed(crlf.out, "s1"), std::vector<std::string>{"10"});
    EXPECT_TRUE(linesNamed(crlf.out, "message").empty());
}

TEST(SheetToolTest, RefusedLongLineQuotesItsStartOnly) {
    const std::string line = "Foo" + std::string(1000000, 'x') + "=1";
    const ToolRun run = runSheetTool("s1=10\n" + line + "\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_LT(run.err.size(), 300u) << run.err.size();
    EXPECT_NE(run.err.find("line 2: unknown field: Foo" + std::string(197, 'x') + "…\n"),
              std::string::npos)
        << run.err.substr(0, 300);
}

TEST(SheetToolTest, ImplicitCalculateAtEnd) {
    const ToolRun implicit = runSheetTool(fullTrade);
    const ToolRun explicitRun = runSheetTool(fullTrade + "@calc\n");
    ASSERT_EQ(implicit.exitCode, 0) << implicit.err;
    EXPECT_EQ(implicit.out, explicitRun.out);
    EXPECT_EQ(linesNamed(implicit.out, "e6"), std::vector<std::string>{"9,609"});
}

TEST(SheetToolTest, CalculateRunsAtItsLine) {
    const ToolRun run = runSheetTool("@now=2026-03-07 09:05\ns1=10\ns2=10000\ns3=11000\n"
                                     "@calc\ns3=10000\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(linesNamed(run.out, "s3"), std::vector<std::string>{"10000"});
    EXPECT_EQ(linesNamed(run.out, "e6"), std::vector<std::string>{"9,609"});
}

TEST(SheetToolTest, EveryCalculateShowsItsMessages) {
    const ToolRun run = runSheetTool("@calc\n@calc\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        linesNamed(run.out, "message"),
        (std::vector<std::string>{"수량이 기록되지 않았습니다.", "수량이 기록되지 않았습니다."}));
}

TEST(SheetToolTest, SkipsBlankAndCommentLines) {
    const ToolRun run = runSheetTool("\n# s1=99\n#Foo=1\n\ns1=10\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(linesNamed(run.out, "s1"), std::vector<std::string>{"10"});
    EXPECT_EQ(linesNamed(run.out, "message"),
              std::vector<std::string>{"매수가가 기록되지 않았습니다."});
}

TEST(SheetToolTest, TextKeptExactlyAfterFirstEquals) {
    const ToolRun run = runSheetTool("Y3=a=b \nW1= 13000\ns1=10\ns2=10000\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(linesNamed(run.out, "Y3"), std::vector<std::string>{"a=b "});
    EXPECT_EQ(linesNamed(run.out, "W1"), std::vector<std::string>{" 13000"});
    // " 13000" is not a whole number, so the high counts as not entered.
    EXPECT_EQ(linesNamed(run.out, "X1"), std::vector<std::string>{""});
}

TEST(SheetToolTest, OutputInByteOrderAfterMessages) {
    const ToolRun run = runSheetTool(fullTrade + "s1=\n@calc\ns1=10\n@calc\n");
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "message=수량이 기록되지 않았습니다.");
    std::string previous;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string name = lines[i].substr(0, lines[i].find('='));
        EXPECT_NE(name, "message");
        EXPECT_LE(previous, name) << lines[i];
        previous = name;
    }
    EXPECT_EQ(lines.size(), 1u + 95u + 3u); // a message, 95 field lines, three memo lines
    EXPECT_EQ(linesNamed(run.out, "Gauge1.max"), std::vector<std::string>{"4000"});
    EXPECT_EQ(linesNamed(run.out, "Memo3").size(), 3u);
    EXPECT_EQ(linesNamed(run.out, "Memo3")[1], "성공대 실패 비율은 3:1 입니다.");
    EXPECT_TRUE(linesNamed(run.out, "Memo4").empty());
}

TEST(SheetToolTest, OwnOutputFedBackGivesSameOutput) {
    const ToolRun first = runSheetTool(fullTrade);
    ASSERT_EQ(first.exitCode, 0);
    const ToolRun second = runSheetTool("@now=2026-03-07 09:05\n" + first.out);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, first.out);
}

TEST(SheetToolTest, StateDirectivesAreKept) {
    const ToolRun run = runSheetTool("Gauge3.max=50\nGauge3.progress=70\nGauge3.color=blue\n"
                                     "Memo4=first\nMemo4=second\nPanel24.visible=1\n"
                                     "CheckBox1=1\n@calc\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(linesNamed(run.out, "Gauge3.max"), std::vector<std::string>{"50"});
    EXPECT_EQ(linesNamed(run.out, "Gauge3.progress"), std::vector<std::string>{"50"});
    EXPECT_EQ(linesNamed(run.out, "Gauge3.color"), std::vector<std::string>{"blue"});
    EXPECT_EQ(linesNamed(run.out, "Memo4"), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(linesNamed(run.out, "CheckBox1"), std::vector<std::string>{"1"});
    // Calculate hides the panel before it finds the quantity missing.
    EXPECT_EQ(linesNamed(run.out, "Panel24.visible"), std::vector<std::string>{"0"});
}

TEST(SheetToolTest, LocalClockWithoutNow) {
    const ToolRun run = runSheetTool("s1=10\ns2=10000\n");
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<std::string> stamp = linesNamed(run.out, "Edit6");
    ASSERT_EQ(stamp.size(), 1u);
    EXPECT_TRUE(std::regex_match(
        stamp[0], std::regex("20[0-9]{2}년 [1-9][0-9]?월 [1-9][0-9]?일  [0-9]{1,2}시 "
                             "[0-9]{1,2}분 ")))
        << stamp[0];
}

} // namespace
} // namespace mx::testing_support
