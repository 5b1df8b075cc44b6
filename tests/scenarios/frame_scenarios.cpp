// The Calculate frame: input checks, the time stamp, Panel24 and the sheet a run starts
// from.
#include "calc/texts.h"
#include "scenario.h"

namespace mx::testing_support {
namespace {

const std::string quantityMissing{texts::quantityMissing};
const std::string buyPriceMissing{texts::buyPriceMissing};

// Fields that keep their text when a check refuses the input.
const std::vector<std::string> staleOutputs{"s4=old",  "e1=old",      "e7=old",        "X1=old",
                                            "W3=old",  "Z5=old",      "Y8=old",        "x8=old",
                                            "z13=old", "Label29=old", "Memo3=old line"};

std::vector<std::string> with(std::vector<std::string> script,
                              const std::vector<std::string> &more) {
    script.insert(script.end(), more.begin(), more.end());
    return script;
}

const std::vector<std::pair<std::string, std::string>> staleKept{
    {"s4", "old"},
    {"e1", "old"},
    {"e7", "old"},
    {"X1", "old"},
    {"W3", "old"},
    {"Z5", "old"},
    {"Y8", "old"},
    {"x8", "old"},
    {"z13", "old"},
    {"Label29", "old"},
    {"Edit6", "XXXX년 X월 X 일 X시X분"},
    {"Gauge1.max", "100"},
    {"Gauge1.progress", "0"},
    {"Gauge1.color", "red"},
    {"Panel24.visible", "0"},
};

const std::vector<Scenario> rows{
    {.name = "untouched_sheet_only_asks_for_quantity",
     .script = {},
     .expect = {{"r1", "0.029"},
                {"r2", "0.3"},
                {"r3", "200000"},
                {"r4", "500"},
                {"r5", "25"},
                {"r6", "50"},
                {"r7", "75"},
                {"r8", "10"},
                {"r9", "5"},
                {"r10", "25"},
                {"r11", "50"},
                {"r12", "2"},
                {"r13", "3"},
                {"CheckBox1", "0"},
                {"CheckBox2", "0"},
                {"ComboBox1", "kospi"},
                {"ComboBox2", "round"},
                {"DateEdit1", ""},
                {"Label27", "최저가"},
                {"Label29", "최저가"},
                {"Label32", "최저가"},
                {"Label34", "최저가"},
                {"Label37", "최저가"},
                {"Label39", "최저가"},
                {"Edit6", "XXXX년 X월 X 일 X시X분"},
                {"Gauge1.max", "100"},
                {"Gauge2.progress", "0"},
                {"Gauge3.color", "red"},
                {"Panel24.visible", "0"},
                {"s1", ""},
                {"s4", ""},
                {"e7", ""},
                {"e8", ""},
                {"W3", ""},
                {"Z6", ""},
                {"x8", ""},
                {"z16", ""},
                {"Edit1", ""}},
     .messages = {quantityMissing},
     .memos = {{"Memo3", {}}, {"Memo4", {}}}},
    {.name = "both_empty_only_quantity_message",
     .script = with(staleOutputs, {"s1=", "s2="}),
     .expect = staleKept,
     .messages = {quantityMissing},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "quantity_with_decimal_point_refused",
     .script = with(staleOutputs, {"s1=1.5", "s2=10000", "s3=11000"}),
     .expect = staleKept,
     .messages = {quantityMissing},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "quantity_with_separator_refused",
     .script = {"s1=1,000", "s2=10000"},
     .expect = {{"s4", ""}},
     .messages = {quantityMissing}},
    {.name = "quantity_with_trailing_letters_refused",
     .script = {"s1=10주", "s2=10000"},
     .messages = {quantityMissing}},
    {.name = "quantity_zero_refused",
     .script = {"s1=0", "s2=10000"},
     .messages = {quantityMissing}},
    {.name = "buy_price_missing",
     .script = with(staleOutputs, {"s1=10", "s3=11000"}),
     .expect = staleKept,
     .messages = {buyPriceMissing},
     .memos = {{"Memo3", {"old line"}}}},
    {.name = "buy_price_not_a_number",
     .script = {"s1=10", "s2=abc"},
     .messages = {buyPriceMissing}},
    {.name = "signed_quantity_accepted",
     .script = {"s1=+10", "s2=10000", "s3=11000"},
     .expect = {{"s4", "100,000"}, {"e6", "9,609"}}},
    {.name = "time_stamp_morning",
     .script = {"s1=10", "s2=10000"},
     .expect = {{"Edit6", "2026년 3월 7일  9시 5분 "}, {"Panel24.visible", "0"}}},
    {.name = "time_stamp_two_digit_fields",
     .script = {"@now=2025-12-31 23:59", "s1=10", "s2=10000"},
     .expect = {{"Edit6", "2025년 12월 31일  23시 59분 "}}},
    {.name = "time_stamp_midnight",
     .script = {"@now=2024-02-29 00:00", "s1=10", "s2=10000"},
     .expect = {{"Edit6", "2024년 2월 29일  0시 0분 "}}},
    {.name = "panel_hidden_even_when_shown_before",
     .script = {"Panel24.visible=1", "s1=10", "s2=10000", "s3=11000"},
     .expect = {{"Panel24.visible", "0"}, {"e6", "9,609"}}},
    {.name = "second_calculate_sees_new_inputs",
     .script = {"s1=10", "s2=10000", "s3=11000", "@calc", "s3=10000", "@calc"},
     .expect = {{"e5", "358"}, {"e6", "0"}, {"e7", "0"}}},
    {.name = "messages_of_every_run_in_order",
     .script = {"@calc", "s1=10", "@calc", "s2=10000", "@calc"},
     .expect = {{"s4", "100,000"}},
     .messages = {quantityMissing, buyPriceMissing}},
};

} // namespace

MX_SCENARIO_TABLE(Frame, rows);

} // namespace mx::testing_support
