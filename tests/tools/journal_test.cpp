// mx_cal_sheet --csv: a journal of trades priced row by row as the one-sheet mode prices one.
#include "support/table_rows.h"
#include "tool_runner.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace mx::testing_support {
namespace {

using table_rows::PrintTo;

// The last `count` fields of an output line whose results need no quotes.
std::string lastFields(const std::string &line, int count) {
    std::size_t at = line.size();
    for (int i = 0; i < count && at != std::string::npos; ++i) {
        at = at == 0 ? std::string::npos : line.rfind(',', at - 1);
    }
    return at == std::string::npos ? line : line.substr(at + 1);
}

// Trades as "date,market,quantity,buy,sell", priced under the command line's options and
// under the same options typed into the sheet.
struct TradeRow {
    const char *name;
    std::vector<std::string> options;
    std::vector<std::string> trades;
    const char *panel; // the options as directives of the one-sheet mode
};

class JournalTradeTest : public testing::TestWithParam<TradeRow> {};

TEST_P(JournalTradeTest, EachRowShowsWhatTheSheetShows) {
    const TradeRow &row = GetParam();
    std::string journal = "date,market,quantity,buy,sell\n";
    for (const std::string &trade : row.trades) {
        journal += trade + "\n";
    }
    std::vector<std::string> arguments{"--csv"};
    arguments.insert(arguments.end(), row.options.begin(), row.options.end());
    const ToolRun run = runSheetTool(journal, arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), row.trades.size() + 1);
    for (std::size_t i = 0; i < row.trades.size(); ++i) {
        std::vector<std::string> value;
        std::istringstream fields(row.trades[i]);
        for (std::string field; std::getline(fields, field, ',');) {
            value.push_back(field);
        }
        const std::string sheet = std::string(row.panel) + "DateEdit1=" + value[0] +
                                  "\nComboBox1=" + value[1] + "\ns1=" + value[2] +
                                  "\ns2=" + value[3] + "\ns3=" + value[4] + "\n";
        EXPECT_EQ(lines[i + 1], row.trades[i] + "," + sheetResults(sheet)) << row.trades[i];
    }
}

const std::vector<std::string> workedOptions{"--fee-rate", "0.015", "--rules", "--rounding", "ten"};
constexpr const char *workedPanel = "r1=0.015\nCheckBox2=1\nComboBox2=ten\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalTradeTest,
    testing::Values(
        TradeRow{
            "worked_example", workedOptions, {"2026-03-06,kospi,100,71300,73000"}, workedPanel},
        TradeRow{"window_defaults", {}, {"2026-03-06,kospi,10,10000,11000"}, ""},
        TradeRow{"dates_straddling_a_tax_change",
                 workedOptions,
                 {"2025-12-26,kospi,100,71300,73000", "2025-12-29,kospi,100,71300,73000",
                  "2025-12-26,kosdaq,7,4995,5120", "2025-12-29,etf,7,4995,5120"},
                 workedPanel},
        TradeRow{"old_ticks_and_taxes",
                 {"--rules", "--rounding", "won"},
                 {"2019-05-29,konex,3,1001,1090", "2022-06-15,kosdaq,13,10050,9900",
                  "2023-06-01,etf,1,1999,2001"},
                 "CheckBox2=1\nComboBox2=won\n"},
        TradeRow{"above_32_bits_of_won",
                 {},
                 {"2026-03-06,kospi,100000,30000,30500", "2026-03-06,kospi,2147483647,1,2"},
                 ""},
        TradeRow{"minimum_fee_in_play",
                 {"--min-fee", "200000:500", "--tax-rate", "0.23"},
                 {"2026-03-06,kospi,10,10000,10100", "2026-03-06,kospi,10,19990,20010",
                  "2026-03-06,kospi,100,10000,9900"},
                 "CheckBox1=1\nr3=200000\nr4=500\nr2=0.23\n"},
        TradeRow{"sold_for_nothing_and_at_a_loss",
                 {"--fee-rate", "0.0140527"},
                 {"2026-03-06,kospi,10,10000,0", "2026-03-06,kospi,3,10000,9990"},
                 "r1=0.0140527\n"},
        TradeRow{"no_break_even",
                 {"--fee-rate", "60", "--tax-rate", "50"},
                 {"2026-03-06,kospi,10,10000,11000"},
                 "r1=60\nr2=50\n"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(JournalTest, WorkedExample) {
    std::vector<std::string> arguments{"--csv"};
    arguments.insert(arguments.end(), workedOptions.begin(), workedOptions.end());
    const ToolRun run =
        runSheetTool("quantity,buy,sell,date\n100,71300,73000,2026-03-06\n", arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "quantity,buy,sell,date,buy_amount,sell_amount,buy_fee,sell_fee,tax,"
                       "total_cost,net,break_even\n"
                       "100,71300,73000,2026-03-06,7130000,7300000,1060,1090,14600,16750,153250,"
                       "71500\n");
}

// The same trade in every order of the columns: its fields stay where they were and its results
// do not change.
TEST(JournalTest, EveryColumnOrder) {
    std::vector<std::pair<std::string, std::string>> columns{{"buy", "71300"},
                                                             {"date", "2025-12-29"},
                                                             {"market", "kosdaq"},
                                                             {"quantity", "100"},
                                                             {"sell", "73000"}};
    std::string results;
    do {
        std::string header;
        std::string row;
        for (const auto &[name, value] : columns) {
            header += (header.empty() ? "" : ",") + name;
            row += (row.empty() ? "" : ",") + value;
        }
        const ToolRun run = runSheetTool(header + "\n" + row + "\n", {"--csv", "--rules"});
        ASSERT_EQ(run.exitCode, 0) << header << "\n" << run.err;
        const std::vector<std::string> lines = outputLines(run.out);
        ASSERT_EQ(lines.size(), 2u) << header;
        EXPECT_TRUE(lines[1].starts_with(row + ",")) << lines[1];
        if (results.empty()) {
            results = lastFields(lines[1], 8);
        }
        EXPECT_EQ(lastFields(lines[1], 8), results) << header;
    } while (std::next_permutation(columns.begin(), columns.end()));
}

// Inputs that spreadsheet programs write, each holding the one trade of `plain`.
struct SpellingRow {
    const char *name;
    const char *journal;
};

class JournalSpellingTest : public testing::TestWithParam<SpellingRow> {};

TEST_P(JournalSpellingTest, ReadsAsThePlainJournal) {
    const std::vector<std::string> options{"--csv", "--rules", "--market", "kosdaq"};
    const ToolRun plain =
        runSheetTool("quantity,buy,sell,date\n100,71300,73000,2025-12-26\n", options);
    const ToolRun run = runSheetTool(GetParam().journal, options);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(lastFields(lines[1], 8), lastFields(outputLines(plain.out)[1], 8));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalSpellingTest,
    testing::Values(
        SpellingRow{"byte_order_mark", "\xEF\xBB\xBFquantity,buy,sell,date\n"
                                       "100,71300,73000,2025-12-26\n"},
        SpellingRow{"crlf", "quantity,buy,sell,date\r\n100,71300,73000,2025-12-26\r\n"},
        SpellingRow{"no_final_line_break", "quantity,buy,sell,date\n100,71300,73000,2025-12-26"},
        SpellingRow{"grouped_in_quotes",
                    "quantity,buy,sell,date\n\"100\",\"71,300\",\"73,000\",\"2025-12-26\"\n"},
        SpellingRow{"names_in_any_case_with_blanks",
                    " Quantity ,BUY,Sell,Date\n 100 ,71300 ,73000,2025-12-26\n"},
        SpellingRow{"market_key_in_capitals",
                    "quantity,buy,sell,date,market\n100,71300,73000,2025-12-26,KOSDAQ\n"},
        SpellingRow{"market_as_the_window_names_it",
                    "quantity,buy,sell,date,market\n100,71300,73000,2025-12-26,코스닥\n"},
        SpellingRow{"market_left_empty",
                    "quantity,buy,sell,date,market\n100,71300,73000,2025-12-26,\n"},
        SpellingRow{"blank_rows_skipped", "\nquantity,buy,sell,date\n\n,,,\n"
                                          "100,71300,73000,2025-12-26\n\"\",,,\n"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(JournalTest, OtherColumnsCarriedThroughAndQuotedWhereNeeded) {
    const ToolRun run = runSheetTool("메모,quantity,buy,sell\r\n"
                                     "\"a, \"\"b\"\"\r\nc\",10,10000,11000\r\n"
                                     "plain,10,10000,bad\r\n",
                                     {"--csv", "--bom"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "\xEF\xBB\xBF메모,quantity,buy,sell,buy_amount,sell_amount,buy_fee,"
                       "sell_fee,tax,total_cost,net,break_even\n"
                       "\"a, \"\"b\"\"\r\nc\",10,10000,11000," +
                           sheetResults("s1=10\ns2=10000\ns3=11000\n") + "\n");
    // The quoted line break counts: the refused row starts on the fourth line.
    EXPECT_EQ(run.err, "mx_cal_sheet: line 4: the sell price is not a whole number: bad\n");
}

// A journal many times the size of the reader's buffer, with rows that cross its end, quoted
// rows and a note longer than the buffer: every row comes out in order, as it came in.
TEST(JournalTest, RowsAcrossTheReadersBuffer) {
    std::string journal = "note,quantity,buy,sell\n";
    std::vector<std::string> rows;
    for (int i = 0; i < 6000; ++i) {
        const std::string note = i == 3000    ? std::string(100000, 'n')
                                 : i % 7 == 0 ? "\"a, " + std::to_string(i) + "\""
                                              : "row " + std::to_string(i);
        rows.push_back(note + "," + std::to_string(1 + i % 50) + ",10000,11000");
        journal += rows.back() + (i % 5 == 0 ? "\r\n" : "\n");
    }
    journal += "last,1,10000,x\n";
    const ToolRun run = runSheetTool(journal, {"--csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "mx_cal_sheet: line 6002: the sell price is not a whole number: x\n");
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), rows.size() + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_TRUE(lines[i + 1].starts_with(rows[i] + ",")) << "row " << i;
    }
}

// A row that cannot be priced, between two that can, in a journal of the columns
// quantity,buy,sell,date,market: left out with its line and reason, exit status 1.
struct RefusedRow {
    const char *name;
    const char *row;
    const char *reason;
};

class JournalRefusedRowTest : public testing::TestWithParam<RefusedRow> {};

TEST_P(JournalRefusedRowTest, LeftOutWithItsLineAndReason) {
    const std::string good = "10,10000,11000,2026-03-06,kospi\n";
    const ToolRun run = runSheetTool(
        "quantity,buy,sell,date,market\n" + good + GetParam().row + "\n" + good, {"--csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "mx_cal_sheet: line 3: " + std::string(GetParam().reason) + "\n");
    EXPECT_EQ(outputLines(run.out).size(), 3u) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalRefusedRowTest,
    testing::Values(
        RefusedRow{"quantity_missing", ",10000,11000,,", "the quantity is missing"},
        RefusedRow{"quantity_zero", "0,10000,11000,,",
                   "the quantity is 0 (수량이 기록되지 않았습니다.)"},
        RefusedRow{"buy_price_zero", "10,0,11000,,",
                   "the buy price is 0 (매수가가 기록되지 않았습니다.)"},
        RefusedRow{"sell_price_blank", "10,10000, ,,", "the sell price is missing"},
        RefusedRow{"quantity_in_words", "ten,10000,11000,,",
                   "the quantity is not a whole number: ten"},
        RefusedRow{"quantity_with_fraction", "10.5,10000,11000,,",
                   "the quantity is not a whole number: 10.5"},
        RefusedRow{"misgrouped_price", "10,\"1,0000\",11000,,",
                   "the buy price is not a whole number: 1,0000"},
        RefusedRow{"negative_sell_price", "10,10000,-11000,,", "the sell price is below 0: -11000"},
        RefusedRow{"buy_price_beyond_32_bits", "10,2147483648,11000,,",
                   "the buy price is beyond 2,147,483,647: 2147483648"},
        RefusedRow{"impossible_date", "10,10000,11000,2026-02-29,",
                   "the date is not a date YYYY-MM-DD: 2026-02-29"},
        RefusedRow{"date_with_slashes", "10,10000,11000,2026/03/06,",
                   "the date is not a date YYYY-MM-DD: 2026/03/06"},
        RefusedRow{"unknown_market", "10,10000,11000,,nyse",
                   "the market is none of kospi, kosdaq, konex, etf, 코스피, 코스닥, 코넥스, "
                   "ETF·ETN: nyse"},
        RefusedRow{"too_few_fields", "10,10000,11000,", "the row has 4 fields, the header 5"},
        RefusedRow{"too_many_fields", "10,10000,11000,,,x", "the row has 6 fields, the header 5"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(JournalTest, UnterminatedQuoteIsRefusedAtItsLine) {
    const ToolRun run =
        runSheetTool("quantity,buy,sell\n10,10000,11000\n10,10000,\"11000\n", {"--csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "mx_cal_sheet: line 3: a quoted field runs to the end of the input\n");
    EXPECT_EQ(outputLines(run.out).size(), 2u);
}

// A header the journal cannot work with: nothing is written, exit status 2.
struct HeaderRow {
    const char *name;
    const char *journal;
    const char *reason;
};

class JournalHeaderTest : public testing::TestWithParam<HeaderRow> {};

TEST_P(JournalHeaderTest, RefusedBeforeAnythingIsWritten) {
    const ToolRun run = runSheetTool(GetParam().journal, {"--csv", "--bom"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "mx_cal_sheet: " + std::string(GetParam().reason) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalHeaderTest,
    testing::Values(
        HeaderRow{"empty_input", "", "the input has no header row"},
        HeaderRow{"sell_missing", "quantity,buy\n10,10000\n", "line 1: no column named sell"},
        HeaderRow{"named_twice", "quantity,buy,sell,BUY\n", "line 1: column buy named twice"},
        HeaderRow{"note_named_twice", "note,quantity,buy,sell,Note\n",
                  "line 1: column note named twice"},
        HeaderRow{"a_result_column", "quantity,buy,sell,net\n",
                  "line 1: column net is one the journal adds"},
        HeaderRow{"after_blank_lines", "\n\nquantity,sell\n", "line 3: no column named buy"},
        HeaderRow{"unterminated_name", "quantity,buy,\"sell\n",
                  "line 1: a quoted name runs to the end of the input"}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx::testing_support
