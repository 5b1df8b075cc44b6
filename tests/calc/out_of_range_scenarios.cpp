// Amounts beyond the 32-bit range: every checked product and difference fails its block
// as the failure handling of Calculate prescribes, and no wrapped figure is ever shown.
#include "calc/texts.h"
#include "scenario.h"

namespace mx::testing_support {
namespace {

const std::string feeSheetFailed{texts::feeSheetFailed};
const std::string longTermOutOfRange{texts::longTermOutOfRange};
const std::string dayTradingOutOfRange{texts::dayTradingOutOfRange};

const std::vector<std::string> staleSheet{
    "s4=old",    "s5=old", "e1=old",  "e2=old",  "e3=old",  "e4=old",  "e5=old",        "e6=old",
    "e7=old",    "X1=old", "X2=old",  "W3=old",  "X3=old",  "W4=old",  "W6=old",        "X6=old",
    "Y6=old",    "Z1=old", "Z3=old",  "Y8=old",  "Z5=old",  "Y9=old",  "Z6=old",        "Edit1=old",
    "Edit2=old", "x8=old", "z13=old", "z14=old", "z15=old", "z16=old", "Memo3=old line"};

std::vector<std::string> stale(std::vector<std::string> script) {
    script.insert(script.begin(), staleSheet.begin(), staleSheet.end());
    return script;
}

// The fields a fee sheet failure must leave alone (the buy amount may be written first).
const std::vector<std::pair<std::string, std::string>> feeFieldsKept{
    {"s5", "old"}, {"e1", "old"}, {"e2", "old"}, {"e3", "old"},
    {"e4", "old"}, {"e5", "old"}, {"e6", "old"}, {"e7", "old"}};

std::vector<std::pair<std::string, std::string>>
join(std::vector<std::pair<std::string, std::string>> a,
     const std::vector<std::pair<std::string, std::string>> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Calculate ended inside a planning section: gauges and diagnosis did not run.
const std::vector<std::pair<std::string, std::string>> endedBeforeGauges{
    {"Gauge1.max", "100"},   {"Gauge1.progress", "0"},
    {"Gauge1.color", "red"}, {"Label29", "최저가"},
    {"x8", "old"},           {"z13", "old"}};

const std::vector<Scenario> rows{
    {.name = "fee_sheet_buy_amount_then_day_section",
     .script = stale({"s1=100000", "s2=30000"}),
     .expect = join(join(feeFieldsKept, endedBeforeGauges), {{"s4", "old"},
                                                             {"Edit6", "2026년 3월 7일  9시 5분 "},
                                                             {"X1", "old"},
                                                             {"Z5", "old"},
                                                             {"Y9", "old"},
                                                             {"Z6", "old"},
                                                             {"Edit1", "old"}}),
     .messages = {feeSheetFailed, dayTradingOutOfRange},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "fee_sheet_sell_amount_command_goes_on",
     .script = stale({"s1=100000", "s2=10000", "s3=30000"}),
     .expect = join(feeFieldsKept, {{"Edit6", "2026년 3월 7일  9시 5분 "},
                                    {"Y8", "9,800"},
                                    {"Z5", "23,514,200"},
                                    {"Gauge1.color", "blue"},
                                    {"x8", "0"}}),
     .messages = {feeSheetFailed},
     .memos = {{"Memo3", {}}}},
    {.name = "fee_sheet_gross_difference_command_goes_on",
     .script = stale({"s1=1", "s2=-2000000000", "s3=2000000000"}),
     .expect = join(feeFieldsKept, {{"Gauge1.color", "blue"}, {"x9", "-2000000000"}}),
     .messages = {feeSheetFailed}},
    {.name = "fee_sheet_negative_gross_difference",
     .script = stale({"s1=1", "s2=2000000000", "s3=-2000000000", "r12=1", "r13=1"}),
     .expect = feeFieldsKept,
     .messages = {feeSheetFailed}},
    {.name = "long_term_buy_amount",
     .script = stale({"s1=100000", "s2=30000", "W1=40000"}),
     .expect = join(endedBeforeGauges, {{"X1", "old"}, {"W3", "old"}, {"Z5", "old"}}),
     .messages = {feeSheetFailed, longTermOutOfRange},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "long_term_target_product",
     .script = stale({"s1=1", "s2=10000", "W1=100000000"}),
     .expect = join(endedBeforeGauges, {{"X1", "99,660,997"},
                                        {"W3", "old"},
                                        {"X3", "old"},
                                        {"W4", "old"},
                                        {"Y8", "old"},
                                        {"Z5", "old"},
                                        {"e5", "10,003"}}),
     .messages = {longTermOutOfRange},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "long_term_stop_loss_product",
     .script = stale({"s1=1", "s2=2000000000", "W2=1"}),
     .expect = join(endedBeforeGauges,
                    {{"X2", "2,000,579,999"}, {"W6", "old"}, {"X6", "old"}, {"Y8", "old"}}),
     .messages = {longTermOutOfRange}},
    {.name = "day_target_product",
     .script = stale({"s1=1", "s2=10000", "Y1=11500", "Y4=100000000"}),
     .expect = join(endedBeforeGauges, {{"Z1", "1,459"},
                                        {"Y6", "old"},
                                        {"Z3", "old"},
                                        {"Y8", "old"},
                                        {"Z5", "old"},
                                        {"Edit1", "old"}}),
     .messages = {dayTradingOutOfRange},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "day_stop_loss_product",
     .script = stale({"s1=1", "s2=30000000", "r12=100"}),
     .expect =
         join(endedBeforeGauges, {{"Y8", "old"}, {"Z5", "old"}, {"Y9", "old"}, {"Z6", "old"}}),
     .messages = {dayTradingOutOfRange}},
    {.name = "gauge_range_overflow_is_silent",
     .script = {"s1=1", "s2=10000", "Y1=2000000000", "Y2=-2000000000", "Y4=10800", "Y5=9700",
                "Gauge2.progress=37"},
     .expect = {{"Gauge2.max", "100"},
                {"Gauge2.progress", "37"},
                {"Gauge2.color", "red"},
                {"Label34", "2000000000"},
                {"Label32", "-2000000000"},
                {"Gauge3.max", "1100"},
                {"Gauge3.progress", "300"},
                {"Gauge3.color", "blue"},
                {"Gauge1.color", "blue"}}},
    {.name = "gauge_progress_overflow_is_silent",
     .script = stale({"s1=1", "s2=2000000000", "Y1=-1000000000", "Y2=-2000000000", "r12=1", "r13=1",
                      "Gauge2.progress=37"}),
     .expect = {{"Gauge2.max", "1000000000"},
                {"Gauge2.progress", "37"},
                {"Gauge2.color", "red"},
                {"Gauge3.max", "0"},
                {"Gauge3.color", "blue"},
                {"Y8", "1,980,000,000"}}},
    {.name = "position_distance_overflow_ends_only_that_step",
     .script =
         stale({"s1=1", "s2=2000000000", "Y1=-1000000000", "Y2=-2000000000", "r12=1", "r13=1"}),
     .expect = {{"x11", "-2000000000"},
                {"x12", "2000000000"},
                {"z7", "-1000000000"},
                {"z9", "-2000000000"},
                {"z13", "old"},
                {"z14", "old"},
                {"z15", "old"},
                {"z16", "old"}},
     .memos = {{"Memo3", {}}, {"Memo4", {}}}},
};

} // namespace

MX_SCENARIO_TABLE(OutOfRange, rows);

} // namespace mx::testing_support
