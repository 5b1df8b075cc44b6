// The day-trading page: price limits, day high and low, targets towards the high and
// stop-losses below the buy price.
#include "scenario.h"

namespace mx::testing_support {
namespace {

const std::vector<std::string> staleDay{"Z1=old", "Z2=old", "Z3=old",    "Z4=old",
                                        "Z5=old", "Z6=old", "Y6=old",    "Y7=old",
                                        "Y8=old", "Y9=old", "Edit1=old", "Edit2=old"};

std::vector<std::string> stale(std::vector<std::string> script) {
    script.insert(script.begin(), staleDay.begin(), staleDay.end());
    return script;
}

const std::vector<std::string> firstExample{"s1=10",   "s2=10000", "Y1=11500",
                                            "Y2=8500", "Y4=10800", "Y5=9700"};

std::vector<std::string> firstExampleWith(const std::vector<std::string> &more) {
    std::vector<std::string> script = firstExample;
    script.insert(script.end(), more.begin(), more.end());
    return script;
}

const std::vector<Scenario> rows{
    {.name = "worked_day",
     .script = firstExample,
     .expect = {{"Z1", "14,593"},
                {"Z2", "15,309"},
                {"Y6", "10,200"},
                {"Z3", "1,635"},
                {"Y7", "10,400"},
                {"Z4", "3,629"},
                {"Y8", "9,800"},
                {"Z5", "2,351"},
                {"Y9", "9,700"},
                {"Z6", "3,348"},
                {"Edit1", "3,000"},
                {"Edit2", "1,100"}}},
    {.name = "five_won_targets_and_stop_losses",
     .script = {"s1=17", "s2=10030", "Y1=11530", "Y2=8530", "Y4=10123", "Y5=9900"},
     .expect = {{"Y6", "10,050"},
                {"Y7", "10,075"},
                {"Y8", "9,825"},
                {"Y9", "9,725"},
                {"Z3", "-272"},
                {"Z4", "152"},
                {"Z5", "4,084"},
                {"Z6", "5,778"},
                {"Z1", "24,806"},
                {"Z2", "26,027"},
                {"Edit2", "223"}}},
    {.name = "minimum_fee_rule_leaves_fee_fields_alone",
     .script = firstExampleWith({"s1=12", "CheckBox1=1", "s3=20000"}),
     .expect = {{"Z1", "16,586"},
                {"Z2", "19,306"},
                {"Z3", "1,033"},
                {"Z4", "3,426"},
                {"Z5", "3,753"},
                {"Z6", "4,949"},
                {"e1", "500"},
                {"e2", "70"}}},
    {.name = "high_below_buy_price",
     .script = {"s1=10", "s2=10000", "Y4=9800"},
     .expect = {{"Y6", "9,950"}, {"Z3", "-856"}, {"Y7", "9,900"}, {"Z4", "-1,355"}}},
    {.name = "stop_losses_filled_without_day_prices",
     .script = stale({"s1=10", "s2=10000"}),
     .expect = {{"Y8", "9,800"},
                {"Z5", "2,351"},
                {"Y9", "9,700"},
                {"Z6", "3,348"},
                {"Z1", "old"},
                {"Z2", "old"},
                {"Y6", "old"},
                {"Y7", "old"},
                {"Z3", "old"},
                {"Z4", "old"},
                {"Edit1", "old"},
                {"Edit2", "old"}}},
    {.name = "negative_buy_price_skips_stop_losses",
     .script = stale({"s1=10", "s2=-10000"}),
     .expect = {{"Y8", "old"}, {"Y9", "old"}, {"Z5", "old"}, {"Z6", "old"}}},
    {.name = "full_stop_loss_sells_at_zero",
     .script = {"s1=10", "s2=10000", "r12=100"},
     .expect = {{"Y8", "0"}, {"Z5", "100,029"}}},
    {.name = "full_stop_loss_sells_at_zero_rule_on",
     .script = {"s1=10", "s2=10000", "r12=100", "CheckBox1=1"},
     .expect = {{"Y8", "0"}, {"Z5", "101,000"}}},
    {.name = "upper_limit_not_entered",
     .script = stale(firstExampleWith({"Y1=0"})),
     .expect = {{"Z1", "old"}, {"Edit1", "old"}, {"Z2", "15,309"}, {"Edit2", "1,100"}}},
    {.name = "high_not_entered",
     .script = stale(firstExampleWith({"Y4="})),
     .expect = {{"Y6", "old"},
                {"Y7", "old"},
                {"Z3", "old"},
                {"Z4", "old"},
                {"Edit2", "old"},
                {"Z1", "14,593"},
                {"Edit1", "3,000"}}},
    {.name = "low_not_entered_leaves_only_range",
     .script = stale(firstExampleWith({"Y5=0"})),
     .expect = {{"Edit2", "old"},
                {"Z1", "14,593"},
                {"Z2", "15,309"},
                {"Y6", "10,200"},
                {"Z4", "3,629"},
                {"Z6", "3,348"},
                {"Edit1", "3,000"}}},
    {.name = "lower_limit_above_upper_gives_negative_band",
     .script = {"s1=10", "s2=10000", "Y1=8500", "Y2=11500"},
     .expect = {{"Edit1", "-3,000"}}},
    {.name = "limits_sold_as_entered_without_rounding",
     .script = {"s1=10", "s2=10000", "Y1=11503", "Y2=8497"},
     .expect = {{"Z1", "14,623"}, {"Z2", "15,339"}}},
    {.name = "stop_loss_percentages_clamped",
     .script = {"s1=10", "s2=10000", "r12=0", "r13=250"},
     .expect = {{"Y8", "9,900"}, {"Y9", "0"}}},
};

} // namespace

MX_SCENARIO_TABLE(DayTrading, rows);

} // namespace mx::testing_support
