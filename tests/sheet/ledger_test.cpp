// mx_cal_sheet --ledger: fills applied to a position by moving average, in date order.
#include "tool_runner.h"

#include <gtest/gtest.h>
#include <sstream>

namespace mx::testing_support {
namespace {

struct LedgerRow {
    const char *name;
    std::vector<std::string> options;
    std::string input;
    std::string output;
    int exitCode = 0;
    std::string error; // what standard error holds
};

void PrintTo(const LedgerRow &row, std::ostream *out) {
    *out << row.name;
}

class LedgerTest : public testing::TestWithParam<LedgerRow> {};

TEST_P(LedgerTest, WritesTheFiguresOfEachFill) {
    const LedgerRow &row = GetParam();
    std::vector<std::string> arguments{"--ledger"};
    arguments.insert(arguments.end(), row.options.begin(), row.options.end());
    const ToolRun run = runSheetTool(row.input, arguments);
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
    EXPECT_EQ(run.out, row.output);
    EXPECT_NE(run.err.find(row.error), std::string::npos) << run.err;
}

const std::string header = "amount,fee,tax,held,average_price,average_cost,realized,realized_net";
const std::vector<std::string> noCosts{"--fee-rate", "0", "--tax-rate", "0"};

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerTest,
    testing::Values(
        // 146 held at 22,493 and 1 bought at 26,805: 147 at 22,522.33.
        LedgerRow{"worked_example_averages", noCosts,
                  "side,quantity,price\n매수,146,22493\n장내매수,1,26805\n",
                  "side,quantity,price," + header +
                      ",error\n"
                      "매수,146,22493,3283978,0,0,146,22493,22493,,,\n"
                      "장내매수,1,26805,26805,0,0,147,22522.33,22522.33,,,\n",
                  0, ""},
        // 104,900 − 50,693 − 3 − 209 = 53,995 as the statement shows it; the broker's fee and
        // tax agree, and a fee it did not charge shows as its difference.
        LedgerRow{"worked_example_realized_with_charges",
                  {"--fee-rate", "0.003", "--tax-rate", "0.2", "--rounding", "won"},
                  "side,quantity,price,수수료,제세금\n매수,1,50693,0,\n현금매도,1,104900,3,209\n",
                  "side,quantity,price,수수료,제세금," + header +
                      ",fee_difference,tax_difference,error\n"
                      "매수,1,50693,0,,50693,1,0,1,50693,50694,,,-1,,\n"
                      "현금매도,1,104900,3,209,104900,3,209,0,,,53995,53994,0,0,\n",
                  0,
                  ""},
        // The cost of 47 of 147 is 3,310,783 × 47 / 147 = 1,058,549.67, taken out as 1,058,550;
        // the carried fees 959 × 47 / 147 = 306.6 as 307. The last sell takes out the rest.
        LedgerRow{"buy_partial_sell_buy_full_sell",
                  {"--rounding", "won"},
                  "side,quantity,price\nbuy,146,22493\nbuy,1,26805\nsell,47,30000\n"
                  "buy,10,20000\nsell,110,25000\n",
                  "side,quantity,price," + header +
                      ",error\n"
                      "buy,146,22493,3283978,952,0,146,22493,22499.52,,,\n"
                      "buy,1,26805,26805,7,0,147,22522.33,22528.86,,,\n"
                      "sell,47,30000,1410000,408,4230,100,22522.33,22528.85,346812,346505,\n"
                      "buy,10,20000,200000,58,0,110,22293.03,22299.48,,,\n"
                      "sell,110,25000,2750000,797,8250,0,,,288720,288010,\n",
                  0,
                  ""},
        LedgerRow{"buy_partial_sell_buy_full_sell_without_costs", noCosts,
                  "side,quantity,price\nbuy,3,1000\nsell,1,1300\nbuy,1,1600\nsell,3,1100\n",
                  "side,quantity,price," + header +
                      ",error\n"
                      "buy,3,1000,3000,0,0,3,1000,1000,,,\n"
                      "sell,1,1300,1300,0,0,2,1000,1000,300,300,\n"
                      "buy,1,1600,1600,0,0,3,1200,1200,,,\n"
                      "sell,3,1100,3300,0,0,0,,,-300,-300,\n",
                  0, ""},
        // Applied from the end, written in the file's own order.
        LedgerRow{"descending_dates", noCosts,
                  "date,side,quantity,price\n2025-01-03,sell,1,11000\n"
                  "2025-01-02,buy,2,10000\n2025-01-02,buy,1,13000\n",
                  "date,side,quantity,price," + header +
                      ",error\n"
                      "2025-01-03,sell,1,11000,11000,0,0,2,11000,11000,0,0,\n"
                      "2025-01-02,buy,2,10000,20000,0,0,3,11000,11000,,,\n"
                      "2025-01-02,buy,1,13000,13000,0,0,1,13000,13000,,,\n",
                  0, ""},
        LedgerRow{
            "unordered_dates_refused", noCosts,
            "date,side,quantity,price\n2025-01-02,buy,1,10\n2025-01-04,buy,1,10\n"
            "2025-01-03,buy,1,10\n",
            "date,side,quantity,price," + header +
                ",error\n"
                "2025-01-02,buy,1,10,10,0,0,1,10,10,,,\n2025-01-04,buy,1,10,10,0,0,2,10,10,,,\n",
            2, "line 4: 2025-01-03 follows 2025-01-04 of line 3"},
        LedgerRow{
            "unordered_dates_sorted",
            {"--sort", "--fee-rate", "0", "--tax-rate", "0"},
            "date,side,quantity,price\n2025-01-04,sell,2,30\n2025-01-02,buy,1,10\n"
            "2025-01-03,buy,1,20\n",
            "date,side,quantity,price," + header +
                ",error\n"
                "2025-01-02,buy,1,10,10,0,0,1,10,10,,,\n2025-01-03,buy,1,20,20,0,0,2,15,15,,,\n"
                "2025-01-04,sell,2,30,60,0,0,0,,,30,30,\n",
            0,
            ""},
        LedgerRow{"sell_beyond_the_holding", noCosts,
                  "side,quantity,price\nbuy,2,100\nsell,3,100\nsell,2,150\n",
                  "side,quantity,price," + header +
                      ",error\n"
                      "buy,2,100,200,0,0,2,100,100,,,\n"
                      "sell,3,100,,,,,,,,,\"a sell of 3 shares, but 2 are held\"\n"
                      "sell,2,150,300,0,0,0,,,100,100,\n",
                  1, "line 3: a sell of 3 shares, but 2 are held"},
        LedgerRow{"stocks_apart", noCosts,
                  "종목명,side,quantity,price\nA,buy,1,100\nB,buy,1,300\nA,sell,1,150\n",
                  "종목명,side,quantity,price," + header +
                      ",error\n"
                      "A,buy,1,100,100,0,0,1,100,100,,,\nB,buy,1,300,300,0,0,1,300,300,,,\n"
                      "A,sell,1,150,150,0,0,0,,,50,50,\n",
                  0, ""},
        // Fees rounded on display: 2.9 is 3 and 1.74 is 2; carried 3 × 5 / 10 = 1.5 is 2.
        LedgerRow{"summary_across_a_year_end",
                  {"--summary"},
                  "date,종목코드,side,quantity,price\n2024-12-30,A,buy,10,1000\n"
                  "2025-01-02,A,sell,5,1200\n2025-01-02,B,buy,3,500\n",
                  "stock,year,bought,sold,fees,taxes,realized,realized_net,held,average_price\n"
                  "A,2024,10000,0,3,0,0,0,10,1000\nA,2025,0,6000,2,18,980,978,5,1000\n"
                  "B,2025,1500,0,0,0,0,0,3,500\ntotal,,11500,6000,5,18,980,978,,\n",
                  0,
                  ""},
        LedgerRow{"column_named_like_an_output_column",
                  {},
                  "side,quantity,price,fee\n",
                  "",
                  2,
                  "column fee is one the output adds: rename it"},
        LedgerRow{"rules_need_dates",
                  {"--rules"},
                  "side,quantity,price\n",
                  "",
                  2,
                  "no column named date"}));

std::vector<std::string> fieldsOf(const std::string &line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    return fields;
}

// One buy and one sell of the same shares are the round trip the journal prices: the same fees
// and tax, and realized_net its net result.
TEST(LedgerTest, RoundTripAsTheJournalPricesIt) {
    for (const char *rounding : {"won", "ten"}) {
        const std::vector<std::string> options{"--rounding", rounding, "--rules"};
        std::vector<std::string> journalArguments{"--csv"};
        journalArguments.insert(journalArguments.end(), options.begin(), options.end());
        const ToolRun journal =
            runSheetTool("date,quantity,buy,sell\n2024-05-02,137,71300,73900\n", journalArguments);
        std::vector<std::string> ledgerArguments{"--ledger"};
        ledgerArguments.insert(ledgerArguments.end(), options.begin(), options.end());
        const ToolRun ledger = runSheetTool(
            "date,side,quantity,price\n2024-05-02,buy,137,71300\n2024-05-02,sell,137,73900\n",
            ledgerArguments);
        ASSERT_EQ(journal.exitCode, 0) << journal.err;
        ASSERT_EQ(ledger.exitCode, 0) << ledger.err;
        // date,quantity,buy,sell,buy_amount,sell_amount,buy_fee,sell_fee,tax,...,net
        const std::vector<std::string> trip = fieldsOf(outputLines(journal.out)[1]);
        // date,side,quantity,price,amount,fee,tax,held,average_price,average_cost,realized,...
        const std::vector<std::string> bought = fieldsOf(outputLines(ledger.out)[1]);
        const std::vector<std::string> sold = fieldsOf(outputLines(ledger.out)[2]);
        EXPECT_EQ(bought[5], trip[6]) << rounding;
        EXPECT_EQ(sold[5], trip[7]) << rounding;
        EXPECT_EQ(sold[6], trip[8]) << rounding;
        EXPECT_EQ(sold[11], trip[12]) << rounding;
    }
}

} // namespace
} // namespace mx::testing_support
