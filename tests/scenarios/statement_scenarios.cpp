// The market rules of the trade date and the statement rounding on the three sheets.
#include "scenario.h"

namespace mx::testing_support {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

// 100 shares bought at 71,300 and sold at 73,000 with fees of 0.015 %.
std::vector<std::string> workedTrade(const std::vector<std::string> &more) {
    std::vector<std::string> script{"s1=100", "s2=71300", "s3=73000", "r1=0.015"};
    script.insert(script.end(), more.begin(), more.end());
    return script;
}

const std::vector<std::string> kospiRules{"CheckBox2=1", "ComboBox1=kospi", "DateEdit1=2026-03-06"};
const std::vector<std::string> kospiRulesTenWon{"CheckBox2=1", "ComboBox1=kospi",
                                                "DateEdit1=2026-03-06", "ComboBox2=ten"};

template <typename Line>
std::vector<Line> with(std::vector<Line> lines, const std::vector<Line> &more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// e1 .. e7 in that order.
Fields feeFields(const std::vector<std::string> &texts) {
    static const char *const names[] = {"e1", "e2", "e3", "e4", "e5", "e6", "e7"};
    Fields fields;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fields.emplace_back(names[i], texts[i]);
    }
    return fields;
}

const Fields displayedWorkedTrade =
    feeFields({"1,070", "1,095", "14,600", "16,765", "0", "153,236", "170,000"});

// The planning pages of the worked trade.
const std::vector<std::string> planned{"W1=80000", "W2=65000", "Y1=92600",
                                       "Y2=49910", "Y4=74000", "Y5=70000"};

const std::vector<Scenario> rows{
    {.name = "worked_trade_rules_and_ten_won_fees",
     .script = workedTrade(kospiRulesTenWon),
     .expect =
         with(feeFields({"1,060", "1,090", "14,600", "16,750", "0", "153,250", "170,000"}),
              Fields{{"e8", "71,500"}, {"r2", "0.3"}, {"CheckBox2", "1"}, {"ComboBox2", "ten"}})},
    {.name = "worked_trade_tax_typed_and_rounded_on_display",
     .script = workedTrade({"r2=0.20"}),
     .expect = displayedWorkedTrade},
    {.name = "worked_trade_rules_rounded_on_display",
     .script = workedTrade(kospiRules),
     .expect = with(displayedWorkedTrade, Fields{{"r2", "0.3"}})},
    {.name = "worked_trade_rules_off_by_default",
     .script = workedTrade({"ComboBox1=etf", "DateEdit1=2024-01-02"}),
     .expect = with(feeFields({"1,070", "1,095", "21,900"}), Fields{{"e8", "71,600"}})},
    {.name = "worked_trade_whole_won",
     .script = workedTrade({"r2=0.20", "ComboBox2=won"}),
     .expect = feeFields({"1,069", "1,095", "14,600", "16,764", "0", "153,236", "170,000"})},
    {.name = "rules_date_empty_is_the_date_of_now",
     .script = workedTrade({"CheckBox2=1", "DateEdit1="}),
     .expect = {{"e3", "14,600"}, {"DateEdit1", ""}}},
    {.name = "rules_before_the_last_change",
     .script = workedTrade({"CheckBox2=1", "DateEdit1=2025-12-26"}),
     .expect = {{"e3", "10,950"}, {"e6", "156,886"}}},
    // A KOSPI statement of 2023: 0.05 % and 0.15 % of 81,000 truncated apart, 40 + 121.
    {.name = "kospi_taxes_truncated_apart",
     .script = {"s1=1", "s2=80000", "s3=81000", "r1=0.0036396", "CheckBox2=1",
                "DateEdit1=2023-06-01", "ComboBox2=won"},
     .expect = {{"e1", "2"}, {"e2", "2"}, {"e3", "161"}, {"e6", "835"}}},
    {.name = "kospi_taxes_rounded_on_display",
     .script = {"s1=1", "s2=80000", "s3=81000", "r1=0.0036396", "CheckBox2=1",
                "DateEdit1=2023-06-01"},
     .expect = {{"e3", "162"}}},
    {.name = "rules_konex",
     .script = workedTrade({"CheckBox2=1", "ComboBox1=konex"}),
     .expect = {{"e3", "7,300"}}},
    {.name = "rules_etf_pays_no_tax",
     .script = workedTrade({"CheckBox2=1", "ComboBox1=etf", "ComboBox2=won"}),
     .expect = {{"e1", "1,069"}, {"e3", "0"}, {"e6", "167,836"}}},
    {.name = "break_even_on_exchange_ticks",
     .script = {"s1=10", "s2=1000", "r1=0.015", "CheckBox2=1"},
     .expect = {{"e8", "1,003"}}},
    {.name = "break_even_on_own_steps",
     .script = {"s1=10", "s2=1000", "r1=0.015"},
     .expect = {{"e8", "1,005"}}},
    {.name = "break_even_on_old_kosdaq_ticks",
     .script = workedTrade({"CheckBox2=1", "ComboBox1=kosdaq", "DateEdit1=2022-06-15"}),
     .expect = {{"e3", "16,790"}, {"e8", "71,500"}}},
    {.name = "break_even_below_where_the_net_drops",
     .script = {"s1=10", "s2=10000", "CheckBox1=1", "r1=1", "r3=101000", "r4=50", "CheckBox2=1",
                "ComboBox1=etf"},
     .expect = {{"e8", "10,010"}}},
    {.name = "no_break_even_leaves_e8_empty",
     .script = {"e8=old", "s1=10", "s2=10000", "r1=60", "r2=50"},
     .expect = {{"e8", ""}}},
    {.name = "negative_quantity_leaves_e8_empty",
     .script = {"e8=old", "s1=-10", "s2=10000"},
     .expect = {{"e8", ""}, {"s4", "-100,000"}}},
    // KOSPI's two taxes truncated apart at every scenario price: X1 and Z1 happen to lose nothing.
    {.name = "planning_pages_ten_won_fees",
     .script = workedTrade(with(kospiRulesTenWon, planned)),
     .expect = {{"X1", "851,740"},   {"X2", "645,030"},   {"W3", "73,475"}, {"X3", "200,646"},
                {"W4", "75,650"},    {"X4", "417,681"},   {"W5", "77,825"}, {"X5", "634,716"},
                {"W6", "70,670"},    {"X6", "79,253"},    {"W7", "70,985"}, {"X7", "47,816"},
                {"Z1", "2,109,040"}, {"Z2", "2,150,781"}, {"Y6", "71,975"}, {"Z3", "50,976"},
                {"Y7", "72,650"},    {"Z4", "118,331"},   {"Y8", "69,870"}, {"Z5", "159,073"},
                {"Y9", "69,160"},    {"Z6", "229,922"}}},
};

} // namespace

MX_SCENARIO_TABLE(Statement, rows);

} // namespace mx::testing_support
