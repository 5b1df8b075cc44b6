// mx_cal_sheet's arguments: --help prints the usage and reads nothing, anything else is refused.
#include "tool_runner.h"

#include <gtest/gtest.h>

namespace mx::testing_support {
namespace {

struct ArgumentRow {
    const char *name;
    std::vector<std::string> arguments;
};

void PrintTo(const ArgumentRow &row, std::ostream *out) {
    *out << row.name;
}

const std::string trade = "s1=10\ns2=10000\ns3=11000\n";

class HelpTest : public testing::TestWithParam<ArgumentRow> {};

TEST_P(HelpTest, PrintsUsageAndIgnoresInput) {
    const ToolRun run = runSheetTool(trade, GetParam().arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Usage: mx_cal_sheet")) << run.out;
    for (const char *topic : {"NAME=TEXT", "CheckBox2=1|0", "ComboBox1=kospi|kosdaq|konex|etf",
                              "DateEdit1=YYYY-MM-DD", "ComboBox2=round|won|ten", "@calc",
                              "@now=YYYY-MM-DD HH:MM", "message=TEXT", "Output:", "Exit status:"}) {
        EXPECT_NE(run.out.find(topic), std::string::npos) << topic;
    }
    // The same text whatever the input: the trade was not read, let alone calculated.
    EXPECT_EQ(run.out, runSheetTool("", GetParam().arguments).out);
}

INSTANTIATE_TEST_SUITE_P(Arguments, HelpTest,
                         testing::Values(ArgumentRow{"long", {"--help"}},
                                         ArgumentRow{"short", {"-h"}},
                                         ArgumentRow{"before_another", {"--help", "--bogus"}}),
                         [](const auto &row) { return std::string(row.param.name); });

class RefusedArgumentTest : public testing::TestWithParam<ArgumentRow> {};

TEST_P(RefusedArgumentTest, ExitsTwoNamingTheArgument) {
    const ToolRun run = runSheetTool(trade, GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("unknown argument: " + GetParam().arguments.front()), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Arguments, RefusedArgumentTest,
                         testing::Values(ArgumentRow{"version", {"--version"}},
                                         ArgumentRow{"single_letter", {"-x"}},
                                         ArgumentRow{"file_name", {"trade.txt"}},
                                         ArgumentRow{"empty", {""}},
                                         ArgumentRow{"before_help", {"--bogus", "--help"}}),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx::testing_support
