// mx_cal_sheet --csv: a journal of trades priced row by row as the one-sheet mode prices one.
#include "support/table_rows.h"
#include "tool_runner.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace mx::testing_support {
namespace {

using table_rows::PrintTo;

// The columns a journal adds to a priced row, as the sheet shows them, and the tax's parts.
std::string resultsOf(const std::string &line) {
    const JournalRow row = journalRow(line);
    return row.shown + "|" + row.taxParts + "|" + row.error;
}

// Trades as "date,market,quantity,buy,sell", priced under the command line's options and
// under the same options typed into the sheet, and the two parts of each one's tax.
struct TradeRow {
    const char *name;
    std::vector<std::string> options;
    std::vector<std::string> trades;
    const char *panel; // the options as directives of the one-sheet mode
    std::vector<std::string> taxParts;
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
        const JournalRow written = journalRow(lines[i + 1]);
        EXPECT_EQ(written.input, row.trades[i]);
        EXPECT_EQ(written.shown, sheetResults(sheet)) << row.trades[i];
        EXPECT_EQ(written.taxParts, row.taxParts[i]) << row.trades[i];
        EXPECT_EQ(written.error, "");
    }
}

const std::vector<std::string> workedOptions{"--fee-rate", "0.015", "--rules", "--rounding", "ten"};
constexpr const char *workedPanel = "r1=0.015\nCheckBox2=1\nComboBox2=ten\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalTradeTest,
    testing::Values(
        TradeRow{"worked_example",
                 workedOptions,
                 {"2026-03-06,kospi,100,71300,73000"},
                 workedPanel,
                 {"3650,10950"}},
        TradeRow{"window_defaults", {}, {"2026-03-06,kospi,10,10000,11000"}, "", {"330,0"}},
        TradeRow{"dates_straddling_a_tax_change",
                 workedOptions,
                 {"2025-12-26,kospi,100,71300,73000", "2025-12-29,kospi,100,71300,73000",
                  "2025-12-26,kosdaq,7,4995,5120", "2025-12-29,etf,7,4995,5120"},
                 workedPanel,
                 {"0,10950", "3650,10950", "53,0", "0,0"}},
        TradeRow{"old_ticks_and_taxes",
                 {"--rules", "--rounding", "won"},
                 {"2019-05-29,konex,3,1001,1090", "2022-06-15,kosdaq,13,10050,9900",
                  "2023-06-01,etf,1,1999,2001", "2019-05-29,kospi,13,10050,9900"},
                 "CheckBox2=1\nComboBox2=won\n",
                 {"9,0", "296,0", "0,0", "193,193"}},
        // A KOSPI statement of 2023: 0.05 % and 0.15 % of 81,000 truncated apart, fees of 2.
        TradeRow{"statement_of_2023",
                 {"--fee-rate", "0.0036396", "--rules", "--rounding", "won"},
                 {"2023-06-01,kospi,1,80000,81000"},
                 "r1=0.0036396\nCheckBox2=1\nComboBox2=won\n",
                 {"40,121"}},
        TradeRow{"parts_rounded_on_display_add_up",
                 {"--rules"},
                 {"2023-06-01,kospi,1,80000,81000"},
                 "CheckBox2=1\n",
                 {"40,122"}},
        TradeRow{"above_32_bits_of_won",
                 {},
                 {"2026-03-06,kospi,100000,30000,30500", "2026-03-06,kospi,2147483647,1,2"},
                 "",
                 {"9150000,0", "12884902,0"}},
        TradeRow{"minimum_fee_in_play",
                 {"--min-fee", "200000:500", "--tax-rate", "0.23"},
                 {"2026-03-06,kospi,10,10000,10100", "2026-03-06,kospi,10,19990,20010",
                  "2026-03-06,kospi,100,10000,9900"},
                 "CheckBox1=1\nr3=200000\nr4=500\nr2=0.23\n",
                 {"232,0", "460,0", "2277,0"}},
        TradeRow{"sold_for_nothing_and_at_a_loss",
                 {"--fee-rate", "0.0140527"},
                 {"2026-03-06,kospi,10,10000,0", "2026-03-06,kospi,3,10000,9990"},
                 "r1=0.0140527\n",
                 {"0,0", "90,0"}},
        TradeRow{"no_break_even",
                 {"--fee-rate", "60", "--tax-rate", "50"},
                 {"2026-03-06,kospi,10,10000,11000"},
                 "r1=60\nr2=50\n",
                 {"55000,0"}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(JournalTest, WorkedExample) {
    std::vector<std::string> arguments{"--csv"};
    arguments.insert(arguments.end(), workedOptions.begin(), workedOptions.end());
    const ToolRun run =
        runSheetTool("quantity,buy,sell,date\n100,71300,73000,2026-03-06\n", arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "quantity,buy,sell,date,buy_amount,sell_amount,buy_fee,sell_fee,tax,"
                       "transaction_tax,rural_tax,total_cost,net,break_even,error\n"
                       "100,71300,73000,2026-03-06,7130000,7300000,1060,1090,14600,3650,10950,"
                       "16750,153250,71500,\n");
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
            results = resultsOf(lines[1]);
        }
        EXPECT_EQ(resultsOf(lines[1]), results) << header;
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
    EXPECT_EQ(resultsOf(lines[1]), resultsOf(outputLines(plain.out)[1]));
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
                                          "100,71300,73000,2025-12-26\n\"\",,,\n , ,\t,\n"},
        // Every Korean name of each column, dates as exports write them, and a date of the same
        // tax and ticks where the month and day have one digit.
        SpellingRow{"korean_names_slashed_date", "수량,매수단가,매도단가,매매일자,시장\n"
                                                 "100,71300,73000,2025/12/26,코스닥\n"},
        SpellingRow{"korean_names_dotted_date", "체결수량,매입단가,매도가,거래일자,시장구분\n"
                                                "100,71300,73000,2025.12.26,코스닥시장\n"},
        SpellingRow{"korean_names_compact_date", "매매수량,매수가,매도평균가,체결일자\n"
                                                 "100,71300,73000,20251226\n"},
        SpellingRow{"names_with_blanks_one_digit_date", "수 량,매수평균가,매도단가,매매일\n"
                                                        "100,71300,73000,2025-3-6\n"},
        SpellingRow{"date_and_time", "수량,매수단가,매도단가,거래일\n"
                                     "100,71300,73000,2025-12-26 09:30:15\n"},
        SpellingRow{"date_and_time_after_t", "수량,매수단가,매도단가,일자\n"
                                             "100,71300,73000,2025/3/6T9:30\n"},
        SpellingRow{"tab_separated", "quantity\tbuy\tsell\tdate\n100\t71,300\t73000\t2025-12-26\n"},
        SpellingRow{"semicolon_separated",
                    "quantity;buy;sell;date\n100;\"71,300\";73000;2025-12-26\n"},
        SpellingRow{"title_lines",
                    "거래내역\n계좌: 123-45, 기간: 2025\n\n수량,매수단가,매도단가,일자\n"
                    "100,71300,73000,2025-12-26\n"},
        SpellingRow{"header_repeated",
                    "수량,매수단가,매도단가,일자\n수량,매수단가,매도단가,일자\n"
                    "100,71300,73000,2025-12-26\n 수량 ,매수단가,매도단가,일자,\n"},
        SpellingRow{"trailing_separators",
                    "quantity,buy,sell,date\n100,71300,73000,2025-12-26,,\n"},
        SpellingRow{"a_note_named_twice",
                    "note,quantity,buy,sell,date,Note\nx,100,71300,73000,2025-12-26,y\n"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(JournalTest, OtherColumnsCarriedThroughAndQuotedWhereNeeded) {
    const ToolRun run = runSheetTool("메모,quantity,buy,sell\r\n"
                                     "\"a, \"\"b\"\"\r\nc\",10,10000,11000\r\n"
                                     "plain,10,10000,bad\r\n",
                                     {"--csv", "--bom"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "\xEF\xBB\xBF메모,quantity,buy,sell,buy_amount,sell_amount,buy_fee,"
                       "sell_fee,tax,transaction_tax,rural_tax,total_cost,net,break_even,error\n"
                       "\"a, \"\"b\"\"\r\nc\",10,10000,11000,100000,110000,29,32,330,330,0,391,"
                       "9609,10050,\n"
                       "plain,10,10000,bad,,,,,,,,,,,the sell price is not a whole number: bad\n");
    // The quoted line break counts: the refused row starts on the fourth line.
    EXPECT_EQ(run.err, "mx_cal_sheet: line 4: the sell price is not a whole number: bad\n");
}

// A broker's export as it comes: CP949, tabs, title lines, Korean names, slashed dates with a
// time, the header repeated at a page break, a refused row in its place.
TEST(JournalTest, BrokersExportPricesWithoutEditing) {
    const std::string export_ =
        toCp949("주식 거래내역\n계좌번호\t123-45-67890\n\n"
                "매매일자\t시장구분\t종목명\t체결수량\t매수단가\t매도단가\n"
                "2023/06/01 09:30:00\t유가증권시장\t삼성전자\t1\t80,000\t81,000\n"
                "매매일자\t시장구분\t종목명\t체결수량\t매수단가\t매도단가\n"
                "2023/06/02\t코스닥\t에코프로\t3\t1000\t\n");
    const ToolRun run =
        runSheetTool(export_, {"--csv", "--fee-rate", "0.0036396", "--rules", "--rounding", "won"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              "매매일자,시장구분,종목명,체결수량,매수단가,매도단가,buy_amount,sell_amount,"
              "buy_fee,sell_fee,tax,transaction_tax,rural_tax,total_cost,net,break_even,"
              "error\n"
              "2023/06/01 09:30:00,유가증권시장,삼성전자,1,\"80,000\",\"81,000\",80000,81000,2,"
              "2,161,40,121,165,835,80200,\n"
              "2023/06/02,코스닥,에코프로,3,1000,,,,,,,,,,,,the sell price is missing\n");
    EXPECT_EQ(run.err, "mx_cal_sheet: line 7: the sell price is missing\n");
}

// Without --rules the rows' dates and markets decide nothing, and a note says so.
TEST(JournalTest, DatesNotUsedWithoutTheRules) {
    const std::string trade = "100,71300,73000,2025-12-26,kosdaq\n";
    const char *note = " not used: --rules prices each row by the tax and the ticks in force for "
                       "its market on its date\n";
    ToolRun run =
        runSheetTool("quantity,buy,sell,매매일자\n100,71300,73000,2025-12-26\n", {"--csv"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "mx_cal_sheet: the column 매매일자 was" + std::string(note));
    run = runSheetTool("quantity,buy,sell,date,market\n" + trade, {"--csv"});
    EXPECT_EQ(run.err, "mx_cal_sheet: the columns date and market were" + std::string(note));
    run = runSheetTool("quantity,buy,sell,date,market\n" + trade, {"--csv", "--rules"});
    EXPECT_EQ(run.err, "");
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
    ASSERT_EQ(lines.size(), rows.size() + 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_TRUE(lines[i + 1].starts_with(rows[i] + ",")) << "row " << i;
    }
}

// A row beyond what a row may hold (1 MiB) is refused at its line, in its place, without its
// fields; the rows before and after it are priced.
TEST(JournalTest, RowBeyondTheLimitRefusedAtItsLine) {
    const std::string good = "10,10000,11000\n";
    std::string journal = "note,quantity,buy,sell\nn," + good;
    journal.append("long,").append(std::size_t{2} << 20, '9').append(",1,2\n");
    journal.append("\"").append(std::size_t{3} << 20, 'x').append("\n\",1,2\n");
    journal.append("n," + good);
    const ToolRun run = runSheetTool(journal, {"--csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "mx_cal_sheet: line 3: the row is longer than 1048576 bytes\n"
                       "mx_cal_sheet: line 4: the row is longer than 1048576 bytes\n");
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], ",,,,,,,,,,,,,,the row is longer than 1048576 bytes");
    EXPECT_EQ(lines[3], lines[2]);
    EXPECT_EQ(lines[4], lines[1]);
}

// A row that cannot be priced, between two that can, in a journal of the columns
// quantity,buy,sell,date,market: kept in its place with empty results and the reason, its line
// and reason on standard error, exit status 1.
struct RefusedRow {
    const char *name;
    const char *row;
    const char *reason;
    const char *written = nullptr; // the fields written, where they are not those of the row
};

class JournalRefusedRowTest : public testing::TestWithParam<RefusedRow> {};

TEST_P(JournalRefusedRowTest, KeptInItsPlaceWithItsReason) {
    const RefusedRow &row = GetParam();
    const std::string good = "10,10000,11000,2026-03-06,kospi\n";
    const ToolRun run = runSheetTool(
        "quantity,buy,sell,date,market\n" + good + row.row + "\n" + good, {"--csv", "--rules"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "mx_cal_sheet: line 3: " + std::string(row.reason) + "\n");
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    const JournalRow refused = journalRow(lines[2]);
    EXPECT_EQ(refused.input, row.written != nullptr ? row.written : row.row);
    EXPECT_EQ(refused.shown + refused.taxParts, ",,,,,,,,");
    EXPECT_EQ(refused.error, row.reason);
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
        RefusedRow{"impossible_date", "10,10000,11000,2026/02/29,",
                   "the date is not a date such as 2025-03-06, 2025/03/06, 2025.03.06 or "
                   "20250306: 2026/02/29"},
        RefusedRow{"date_day_first", "10,10000,11000,06.03.2026,",
                   "the date is not a date such as 2025-03-06, 2025/03/06, 2025.03.06 or "
                   "20250306: 06.03.2026"},
        RefusedRow{"unknown_market", "10,10000,11000,,nyse",
                   "the market is none of kospi, kosdaq, konex, etf, 코스피, 코스닥, 코넥스, "
                   "ETF·ETN: nyse"},
        RefusedRow{"too_few_fields", "10,10000,11000,", "the row has 4 fields, the header 5",
                   "10,10000,11000,,"},
        RefusedRow{"too_many_fields", "10,10000,11000,,,x", "the row has 6 fields, the header 5",
                   "10,10000,11000,,"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(JournalTest, UnterminatedQuoteIsRefusedAtItsLine) {
    const ToolRun run =
        runSheetTool("quantity,buy,sell\n10,10000,11000\n10,10000,\"11000\n", {"--csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "mx_cal_sheet: line 3: a quoted field runs to the end of the input\n");
    EXPECT_TRUE(run.out.ends_with("\n10,10000,\"11000\n\",,,,,,,,,,,a quoted field runs to the end "
                                  "of the input\n"))
        << run.out;
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
        HeaderRow{"sell_missing", "quantity,매수단가,메모\n10,10000\n",
                  "line 1: no column named sell (매도단가, 매도가, 매도평균가); the header "
                  "names quantity, 매수단가, 메모"},
        HeaderRow{"named_twice", "quantity,buy,sell,BUY\n", "line 1: column BUY named twice"},
        HeaderRow{"named_twice_in_korean", "수량,매수단가,매수가,매도가\n",
                  "line 1: columns 매수단가 and 매수가 both name buy: rename one of them"},
        HeaderRow{"a_result_column", "quantity,buy,sell,net\n",
                  "line 1: column net is one the output adds: rename it"},
        HeaderRow{"the_error_column", "quantity,buy,sell, Error\n",
                  "line 1: column  Error is one the output adds: rename it"},
        HeaderRow{
            "after_blank_lines", "\n\nquantity,sell\n",
            "line 3: no column named buy (매수단가, 매입단가, 매수가, 매수평균가); the header "
            "names quantity, sell"},
        HeaderRow{"unterminated_name", "quantity,buy,\"sell\n",
                  "line 1: a quoted name runs to the end of the line"},
        HeaderRow{
            "no_header_among_titles", "title\nsub-title\n\n10,10000,11000\n",
            "no header row: none of the first 3 lines names quantity (수량, 체결수량, "
            "매매수량); buy (매수단가, 매입단가, 매수가, 매수평균가); sell (매도단가, 매도가, "
            "매도평균가)"},
        HeaderRow{"twenty_one_title_lines",
                  "t\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\nt\n"
                  "quantity,buy,sell\n",
                  "line 21: no header row in the first 21 lines that are not blank"}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx::testing_support
