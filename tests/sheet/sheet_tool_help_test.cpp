// mx_cal_sheet's arguments: --help prints the usage and --version the version, reading
// nothing; an argument that is not known, or a journal's option that is not valid, is refused.
#include "sheet/report.h"
#include "support/table_rows.h"
#include "tool_runner.h"

#include <fstream>
#include <gtest/gtest.h>

namespace mx::testing_support {
namespace {

using table_rows::PrintTo;

struct ArgumentRow {
    const char *name;
    std::vector<std::string> arguments;
    std::string reason = {}; // "unknown argument: " and the first argument when empty
};

const std::string trade = "s1=10\ns2=10000\ns3=11000\n";

class HelpTest : public testing::TestWithParam<ArgumentRow> {};

TEST_P(HelpTest, PrintsUsageAndIgnoresInput) {
    const ToolRun run = runSheetTool(trade, GetParam().arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Usage: mx_cal_sheet")) << run.out;
    for (const char *topic : {"NAME=TEXT",
                              "CheckBox2=1|0",
                              "ComboBox1=kospi|kosdaq|konex|etf",
                              "DateEdit1=YYYY-MM-DD",
                              "ComboBox2=round|won|ten",
                              "@calc",
                              "@now=YYYY-MM-DD HH:MM",
                              "message=TEXT",
                              "Output:",
                              "Exit status:",
                              "--csv [FILE]",
                              "--fee-rate RATE",
                              "--tax-rate RATE",
                              "--min-fee THRESHOLD:FEE",
                              "--rules",
                              "--market KEY",
                              "--rounding round|won|ten",
                              "--settings",
                              "--bom",
                              "break_even",
                              "transaction_tax",
                              "rural_tax",
                              "매매일자",
                              "CP949",
                              "default 0.029",
                              "default 0.3",
                              "traded today",
                              "s4 매수총가",
                              "e1 매수수수료",
                              "e7 총수익",
                              "e8 손익분기가",
                              "r13",
                              "P14 목표 평단",
                              "Q11 매수 후 평단",
                              "x11 오차",
                              "Panel24: the bar",
                              "--version"}) {
        EXPECT_NE(run.out.find(topic), std::string::npos) << topic;
    }
    // The same text whatever the input: the trade was not read, let alone calculated.
    EXPECT_EQ(run.out, runSheetTool("", GetParam().arguments).out);
}

INSTANTIATE_TEST_SUITE_P(Arguments, HelpTest,
                         testing::Values(ArgumentRow{"long", {"--help"}},
                                         ArgumentRow{"short", {"-h"}},
                                         ArgumentRow{"before_another", {"--help", "--bogus"}}),
                         table_rows::rowName);

class RefusedArgumentTest : public testing::TestWithParam<ArgumentRow> {};

TEST_P(RefusedArgumentTest, ExitsTwoNamingTheArgument) {
    const ArgumentRow &row = GetParam();
    const ToolRun run = runSheetTool(trade, row.arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    const std::string reason =
        row.reason.empty() ? "unknown argument: " + row.arguments.front() : row.reason;
    EXPECT_EQ(run.err, "mx_cal_sheet: " + reason + "\nTry 'mx_cal_sheet --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedArgumentTest,
    testing::Values(
        ArgumentRow{"single_letter", {"-x"}}, ArgumentRow{"file_name", {"trade.txt"}},
        ArgumentRow{"empty", {""}}, ArgumentRow{"before_help", {"--bogus", "--help"}},
        ArgumentRow{"version_with_value", {"--version=2"}},
        ArgumentRow{"journal_option_without_csv",
                    {"--rules"},
                    "--rules is an option of the journal, which needs --csv"},
        ArgumentRow{"second_file", {"--csv", "a.csv", "b.csv"}, "unknown argument: b.csv"},
        ArgumentRow{"fee_rate_word",
                    {"--csv", "--fee-rate", "low"},
                    "--fee-rate takes a percentage from 0 to 100, not: low"},
        ArgumentRow{"tax_rate_above_100",
                    {"--csv", "--tax-rate=100.5"},
                    "--tax-rate takes a percentage from 0 to 100, not: 100.5"},
        ArgumentRow{"fee_rate_without_value", {"--csv", "--fee-rate"}, "--fee-rate needs a value"},
        ArgumentRow{"minimum_fee_without_fee",
                    {"--csv", "--min-fee", "200000"},
                    "--min-fee takes THRESHOLD:FEE in whole won, such as 200000:500, not: 200000"},
        ArgumentRow{"minimum_fee_negative",
                    {"--csv", "--min-fee", "200000:-1"},
                    "--min-fee takes THRESHOLD:FEE in whole won, such as 200000:500, not: "
                    "200000:-1"},
        ArgumentRow{"market_unknown",
                    {"--csv", "--market", "nyse"},
                    "--market takes kospi, kosdaq, konex or etf, not: nyse"},
        ArgumentRow{"rounding_unknown",
                    {"--csv", "--rounding", "floor"},
                    "--rounding takes round, won or ten, not: floor"},
        ArgumentRow{"flag_with_value", {"--csv", "--rules=1"}, "--rules takes no value"}),
    table_rows::rowName);

TEST(VersionTest, PrintsTheProjectVersionAndReadsNothing) {
    const ToolRun run = runSheetTool(trade, {"--version", "--bogus"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "mx_cal_sheet " MX_CAL_VERSION "\n");
    EXPECT_EQ(run.err, "");
}

// The README's table of the fields is the catalogue's, row by row, as --help lists them.
TEST(FieldLegendTest, ReadmeTableIsTheCatalogue) {
    std::ifstream readme(MX_CAL_README);
    ASSERT_TRUE(readme.is_open());
    std::vector<std::string> rows;
    bool inTable = false;
    for (std::string line; std::getline(readme, line);) {
        if (line == "| field | caption | meaning |") {
            inTable = true;
        } else if (line == "|---|---|---|") {
            continue;
        } else if (inTable && !line.starts_with("| ")) {
            break;
        } else if (inTable) {
            rows.push_back(line);
        }
    }
    std::vector<std::string> expected;
    for (const FieldSpec &fieldSpec : fieldCatalogue()) {
        expected.push_back("| `" + std::string(fieldSpec.name) + "` | " +
                           sheet_tool::legendCaption(fieldSpec) + " | " +
                           std::string(fieldSpec.meaning) + " |");
    }
    EXPECT_EQ(rows, expected);
}

// Input that cannot be read and output that cannot be written end the tool with status 2 and
// the reason of the system, in every mode.
struct StreamRow {
    const char *name;
    std::vector<std::string> arguments;
    Streams streams;
    std::string reason;
};

class RefusedStreamTest : public testing::TestWithParam<StreamRow> {};

TEST_P(RefusedStreamTest, ExitsTwoWithTheReason) {
    const ToolRun run = runSheetTool(trade, GetParam().arguments, {}, GetParam().streams);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "mx_cal_sheet: " + GetParam().reason + "\n");
}

const std::string fullDisk = "standard output: cannot write: No space left on device";

std::vector<StreamRow> refusedStreams() {
    std::vector<StreamRow> rows{
        StreamRow{"missing_journal",
                  {"--csv", "/nonexistent/journal.csv"},
                  {},
                  "/nonexistent/journal.csv: cannot open: No such file or directory"}};
#ifndef _WIN32
    // A full device, and a folder as standard input, are Linux's.
    rows.insert(
        rows.end(),
        {StreamRow{"sheet_onto_a_full_disk", {}, {"", "/dev/full"}, fullDisk},
         StreamRow{"help_onto_a_full_disk", {"--help"}, {"", "/dev/full"}, fullDisk},
         StreamRow{"version_onto_a_full_disk", {"--version"}, {"", "/dev/full"}, fullDisk},
         StreamRow{
             "sheet_from_a_folder", {}, {"/", ""}, "standard input: cannot read: Is a directory"}});
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, RefusedStreamTest, testing::ValuesIn(refusedStreams()),
                         table_rows::rowName);

} // namespace
} // namespace mx::testing_support
