// The long-term page: period high and low, five-won target and stop-loss prices and the
// net result of selling at each.
#include "scenario.h"

namespace mx::testing_support {
namespace {

const std::vector<std::string> staleLongTerm{"X1=old", "X2=old", "Edit4=old", "W3=old", "W4=old",
                                             "W5=old", "W6=old", "W7=old",    "X3=old", "X4=old",
                                             "X5=old", "X6=old", "X7=old"};

std::vector<std::string> stale(std::vector<std::string> script) {
    script.insert(script.begin(), staleLongTerm.begin(), staleLongTerm.end());
    return script;
}

const std::vector<Scenario> rows{
    {.name = "worked_period",
     .script = {"s1=10", "s2=10000", "W1=13000", "W2=9000"},
     .expect = {{"X1", "29,543"},
                {"X2", "10,325"},
                {"Edit4", "4,000"},
                {"W3", "10,750"},
                {"X3", "7,117"},
                {"W4", "11,500"},
                {"X4", "14,593"},
                {"W5", "12,250"},
                {"X5", "22,068"},
                {"W6", "9,900"},
                {"X6", "1,355"},
                {"W7", "9,950"},
                {"X7", "856"}}},
    {.name = "minimum_fee_rule_in_every_scenario",
     .script = {"s1=13", "s2=10000", "W1=13000", "W2=9000", "CheckBox1=1"},
     .expect = {{"X1", "37,493"}, {"X2", "14,351"}, {"X3", "8,331"}, {"X6", "2,686"}}},
    {.name = "five_won_steps_and_a_net_loss_at_first_target",
     .script = {"s1=17", "s2=10010", "W1=10123", "W2=9987"},
     .expect = {{"W3", "10,035"},
                {"W4", "10,065"},
                {"W5", "10,095"},
                {"W6", "10,005"},
                {"W7", "10,005"},
                {"X3", "-186"}}},
    {.name = "raw_price_exactly_halfway_rounds_up_first",
     .script = {"s1=1", "s2=10002", "W1=10012"},
     .expect = {{"W3", "10,005"}}},
    {.name = "high_not_entered_keeps_its_outputs",
     .script = stale({"s1=10", "s2=10000", "W2=9000"}),
     .expect = {{"X1", "old"},
                {"Edit4", "old"},
                {"W3", "old"},
                {"W4", "old"},
                {"W5", "old"},
                {"X3", "old"},
                {"X4", "old"},
                {"X5", "old"},
                {"X2", "10,325"},
                {"W6", "9,900"},
                {"X6", "1,355"},
                {"W7", "9,950"},
                {"X7", "856"}}},
    {.name = "low_not_entered_keeps_its_outputs",
     .script = stale({"s1=10", "s2=10000", "W1=13000"}),
     .expect = {{"X2", "old"},
                {"Edit4", "old"},
                {"W6", "old"},
                {"W7", "old"},
                {"X6", "old"},
                {"X7", "old"},
                {"X1", "29,543"},
                {"W3", "10,750"},
                {"X5", "22,068"}}},
    {.name = "negative_high_and_low_count_as_not_entered",
     .script = stale({"s1=10", "s2=10000", "W1=-13000", "W2=-9000"}),
     .expect = {{"X1", "old"}, {"X2", "old"}, {"Edit4", "old"}, {"W3", "old"}, {"W6", "old"}}},
    {.name = "high_below_buy_and_low_above_it",
     .script = {"s1=10", "s2=10000", "W1=9800", "W2=12000"},
     .expect = {{"W3", "9,950"},
                {"X3", "-856"},
                {"W4", "9,900"},
                {"X4", "-1,355"},
                {"W5", "9,850"},
                {"X5", "-1,853"},
                {"W6", "10,200"},
                {"X6", "-1,635"},
                {"W7", "10,100"},
                {"X7", "-639"},
                {"X1", "-2,351"},
                {"X2", "-19,576"},
                {"Edit4", "-2,200"}}},
    {.name = "percentages_read_from_their_fields",
     .script = {"s1=10", "s2=10000", "W1=13000", "W2=9000", "r5=100", "r6=1", "r7=0", "r8=200",
                "r9=x"},
     .expect = {{"W3", "13,000"},
                {"X3", "29,543"},
                {"W4", "10,030"},
                {"W5", "10,030"},
                {"W6", "9,000"},
                {"W7", "9,990"}}},
    {.name = "rounding_down_to_five_won",
     .script = {"s1=10", "s2=10000", "W1=10176", "W2=9000", "r6=25"},
     .expect = {{"W3", "10,040"}, {"W4", "10,040"}}},
    {.name = "target_ending_in_five_stays",
     .script = {"s1=10", "s2=10000", "W1=10180"},
     .expect = {{"W3", "10,045"}}},
};

} // namespace

MX_SCENARIO_TABLE(LongTerm, rows);

} // namespace mx::testing_support
