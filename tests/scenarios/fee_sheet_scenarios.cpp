// The fee/profit sheet: the round trip of s1, s2 and s3 under the commission options, and
// the display rule on its fields.
#include "scenario.h"

namespace mx::testing_support {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

// s4, s5, e1 .. e7 in that order.
Fields feeFields(const std::vector<std::string> &texts) {
    static const char *const names[] = {"s4", "s5", "e1", "e2", "e3", "e4", "e5", "e6", "e7"};
    Fields fields;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fields.emplace_back(names[i], texts[i]);
    }
    return fields;
}

const std::vector<Scenario> rows{
    {.name = "worked_trade_rule_off",
     .script = {"s1=10", "s2=10000", "s3=11000"},
     .expect = feeFields({"100,000", "110,000", "29", "32", "330", "391", "0", "9,609", "10,000"})},
    {.name = "worked_trade_rule_on",
     .script = {"s1=10", "s2=10000", "s3=11000", "CheckBox1=1"},
     .expect =
         feeFields({"100,000", "110,000", "500", "500", "330", "1,330", "0", "8,670", "10,000"})},
    {.name = "rule_off_ignores_threshold_and_minimum",
     .script = {"s1=10", "s2=10000", "s3=11000", "r3=999999999", "r4=77777"},
     .expect = feeFields({"100,000", "110,000", "29", "32", "330", "391", "0", "9,609", "10,000"})},
    {.name = "amount_equal_to_threshold_keeps_percentage_fee",
     .script = {"s1=20", "s2=10000", "s3=10000", "CheckBox1=1"},
     .expect = feeFields({"200,000", "200,000", "58", "58", "600", "716", "716", "0", "0"})},
    {.name = "minimum_fee_replaces_larger_percentage_fee",
     .script = {"s1=15", "s2=10000", "s3=10000", "CheckBox1=1", "r1=1.000"},
     .expect = feeFields({"150,000", "150,000", "500", "500", "450", "1,450", "1,450", "0", "0"})},
    {.name = "half_won_fee_and_tax_round_up",
     .script = {"s1=5", "s2=10000", "s3=300"},
     .expect = feeFields({"50,000", "1,500", "15", "0", "5", "19", "48,519", "0", "0"})},
    {.name = "total_cost_rounded_once",
     .script = {"s1=5", "s2=10000", "s3=10000", "r2=0"},
     .expect = feeFields({"50,000", "50,000", "15", "15", "0", "29", "29", "0", "0"})},
    {.name = "sell_price_not_entered_rule_off",
     .script = {"s1=10", "s2=10000"},
     .expect = feeFields({"100,000", "0", "29", "0", "0", "29", "100,029", "0", "0"})},
    {.name = "sell_price_not_entered_rule_on",
     .script = {"s1=10", "s2=10000", "CheckBox1=1"},
     .expect = feeFields({"100,000", "0", "500", "500", "0", "1,000", "101,000", "0", "0"})},
    {.name = "sell_at_buy_price",
     .script = {"s1=10", "s2=10000", "s3=10000"},
     .expect = feeFields({"100,000", "100,000", "29", "29", "300", "358", "358", "0", "0"})},
    {.name = "break_even_shows_zero_everywhere",
     .script = {"s1=10", "s2=10000", "s3=10000", "r1=0", "r2=0"},
     .expect = feeFields({"100,000", "100,000", "0", "0", "0", "0", "0", "0", "0"})},
    {.name = "costs_eat_positive_gross_difference",
     .script = {"s1=10", "s2=10000", "s3=10010"},
     .expect = feeFields({"100,000", "100,100", "29", "29", "300", "358", "258", "0", "0"})},
    {.name = "negative_quantity_used_unchanged",
     .script = {"s1=-10", "s2=10000", "s3=11000"},
     .expect =
         feeFields({"-100,000", "-110,000", "-29", "-32", "-330", "-391", "9,609", "0", "0"})},
    {.name = "rates_not_numbers_read_as_zero",
     .script = {"s1=10", "s2=10000", "s3=11000", "r1=abc", "r2="},
     .expect = feeFields({"100,000", "110,000", "0", "0", "0", "0", "0", "10,000", "10,000"})},
    {.name = "display_half_won_away_from_zero",
     .script = {"s1=1", "s2=1", "s3=29", "r1=50", "r2=0"},
     .expect = feeFields({"1", "29", "1", "15", "0", "15", "0", "13", "28"})},
    {.name = "display_negative_half_won_away_from_zero",
     .script = {"s1=-1", "s2=1", "s3=29", "r1=50", "r2=0"},
     .expect = feeFields({"-1", "-29", "-1", "-15", "0", "-15", "13", "0", "0"})},
    {.name = "display_small_negative_shows_zero_without_sign",
     .script = {"s1=-1", "s2=1", "s3=1", "r1=0", "r2=40"},
     .expect = {{"e3", "0"}, {"e4", "0"}, {"e6", "0"}}},
    {.name = "display_groups_thousands",
     .script = {"s1=1000", "s2=1234567", "s3=999"},
     .expect = {{"s4", "1,234,567,000"}, {"s5", "999,000"}}},
    {.name = "display_no_separator_below_thousand",
     .script = {"s1=1", "s2=999", "s3=1000", "r1=0", "r2=0"},
     .expect = {{"s4", "999"}, {"s5", "1,000"}, {"e6", "1"}, {"e7", "1"}}},
    {.name = "fee_fields_keep_own_trade_whatever_other_pages_price",
     .script = {"s1=13", "s2=10000", "s3=20000", "CheckBox1=1", "W1=13000", "W2=9000", "Y1=11500",
                "Y2=8500", "Y4=10800"},
     .expect =
         feeFields({"130,000", "260,000", "500", "75", "780", "1,355", "0", "128,645", "130,000"})},
};

} // namespace

MX_SCENARIO_TABLE(FeeSheet, rows);

} // namespace mx::testing_support
