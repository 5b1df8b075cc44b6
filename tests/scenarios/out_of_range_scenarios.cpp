// Amounts beyond 2,147,483,647 won: the three sheets price them in 64 bits, while the gauges
// and the position boxes, which hold 32-bit values, leave a step out silently.
#include "scenario.h"

namespace mx::testing_support {
namespace {

const std::vector<std::string> staleSheet{
    "s4=old",    "s5=old", "e1=old",  "e2=old",  "e3=old",  "e4=old",  "e5=old",        "e6=old",
    "e7=old",    "X1=old", "X2=old",  "W3=old",  "X3=old",  "W4=old",  "W6=old",        "X6=old",
    "Y6=old",    "Z1=old", "Z3=old",  "Y8=old",  "Z5=old",  "Y9=old",  "Z6=old",        "Edit1=old",
    "Edit2=old", "x8=old", "z13=old", "z14=old", "z15=old", "z16=old", "Memo3=old line"};

std::vector<std::string> stale(std::vector<std::string> script) {
    script.insert(script.begin(), staleSheet.begin(), staleSheet.end());
    return script;
}

// s4, s5, e1 .. e7 in that order.
std::vector<std::pair<std::string, std::string>> feeFields(const std::vector<std::string> &texts) {
    static const char *const names[] = {"s4", "s5", "e1", "e2", "e3", "e4", "e5", "e6", "e7"};
    std::vector<std::pair<std::string, std::string>> fields;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fields.emplace_back(names[i], texts[i]);
    }
    return fields;
}

std::vector<std::pair<std::string, std::string>>
join(std::vector<std::pair<std::string, std::string>> a,
     const std::vector<std::pair<std::string, std::string>> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<Scenario> rows{
    {.name = "fee_sheet_amounts_beyond_32_bits",
     .script = stale({"s1=100000", "s2=30000", "s3=30500"}),
     .expect = join(feeFields({"3,000,000,000", "3,050,000,000", "870,000", "884,500", "9,150,000",
                               "10,904,500", "0", "39,095,500", "50,000,000"}),
                    {{"e8", "30,150"}})},
    {.name = "fee_sheet_without_sell_price_beyond_32_bits",
     .script = stale({"s1=100000", "s2=30000"}),
     .expect = feeFields(
         {"3,000,000,000", "0", "870,000", "0", "0", "870,000", "3,000,870,000", "0", "0"})},
    {.name = "fee_sheet_gross_difference_beyond_32_bits",
     .script = stale({"s1=1", "s2=-2000000000", "s3=2000000000"}),
     .expect = feeFields({"-2,000,000,000", "2,000,000,000", "-580,000", "580,000", "6,000,000",
                          "6,000,000", "0", "3,994,000,000", "4,000,000,000"})},
    {.name = "fee_sheet_negative_gross_difference_beyond_32_bits",
     .script = stale({"s1=1", "s2=2000000000", "s3=-2000000000", "r12=1", "r13=1"}),
     .expect = {{"e5", "3,994,000,000"}, {"e6", "0"}, {"e7", "0"}}},
    {.name = "largest_trade",
     .script = {"s1=2147483647", "s2=2147483647", "s3=2147483647", "r1=0"},
     .expect = feeFields({"4,611,686,014,132,420,609", "4,611,686,014,132,420,609", "0", "0"})},
    {.name = "long_term_amounts_beyond_32_bits",
     .script = stale({"s1=100000", "s2=30000", "W1=40000", "W2=20000"}),
     .expect = {{"X1", "985,970,000"},
                {"W3", "32,500"},
                {"X3", "238,437,500"},
                {"W6", "29,000"},
                {"X6", "110,411,000"},
                {"Edit4", "20,000"}}},
    {.name = "long_term_target_product_beyond_32_bits",
     .script = stale({"s1=1", "s2=10000", "W1=100000000"}),
     .expect = {{"X1", "99,660,997"}, {"W3", "25,007,500"}, {"X3", "24,915,222"}}},
    {.name = "long_term_stop_loss_product_beyond_32_bits",
     .script = stale({"s1=1", "s2=2000000000", "W2=1"}),
     .expect = {{"X2", "2,000,579,999"}, {"W6", "1,800,000,000"}, {"X6", "206,502,000"}}},
    {.name = "day_amounts_beyond_32_bits",
     .script = stale({"s1=100000", "s2=30000", "Y1=39000", "Y2=21000", "Y4=33000", "Y5=28000"}),
     .expect = {{"Z1", "886,299,000"},
                {"Z2", "907,779,000"},
                {"Y6", "30,750"},
                {"Z3", "64,013,250"},
                {"Y8", "29,400"},
                {"Z5", "70,542,600"},
                {"Y9", "29,100"},
                {"Z6", "100,443,900"}},
     .memos = {{"Memo3", {}}}},
    {.name = "day_target_product_beyond_32_bits",
     .script = stale({"s1=1", "s2=10000", "Y1=11500", "Y4=100000000"}),
     .expect = {{"Z1", "1,459"}, {"Y6", "25,007,500"}, {"Z3", "24,915,222"}}},
    {.name = "day_stop_loss_product_beyond_32_bits",
     .script = stale({"s1=1", "s2=30000000", "r12=100"}),
     .expect = {{"Y8", "0"}, {"Z5", "30,008,700"}, {"Y9", "29,100,000"}, {"Z6", "1,004,439"}}},
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
