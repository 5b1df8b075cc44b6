// The gauges, the position boxes and the two verdict memos that end Calculate.
#include "calc/texts.h"
#include "scenario.h"

namespace mx::testing_support {
namespace {

std::string t(std::string_view text) {
    return std::string(text);
}

const std::string positive = t(texts::positiveVerdict);
const std::string longPositiveCaution = t(texts::longTermPositiveCaution);
const std::string even = t(texts::evenVerdict);
const std::string evenCaution = t(texts::evenCaution);
const std::string longNegative = t(texts::longTermNegativeVerdict);
const std::string longNegativeCaution = t(texts::longTermNegativeCaution);
const std::string atHigh = t(texts::atHighNote);
const std::string dayPositiveCaution = t(texts::dayPositiveCaution);
const std::string upperNote = t(texts::upperLimitNote);
const std::string upperAdvice = t(texts::upperLimitLongTermAdvice);
const std::string upperCaution = t(texts::upperLimitLongTermCaution);
const std::string lowerNote = t(texts::lowerLimitNote);
const std::string dayNegative = t(texts::dayNegativeVerdict);
const std::string dayProviso = t(texts::dayNegativeProviso);

using Fields = std::vector<std::pair<std::string, std::string>>;

Fields gauge(const std::string &name, const std::string &max, const std::string &progress,
             const std::string &color) {
    return {{name + ".max", max}, {name + ".progress", progress}, {name + ".color", color}};
}

Fields join(Fields a, const Fields &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<Scenario> rows{
    {.name = "buy_in_lower_quarter_of_period",
     .script = {"s1=10", "s2=10000", "W1=13000", "W2=9000"},
     .expect = join(gauge("Gauge1", "4000", "1000", "blue"), {{"Label29", "13000"},
                                                              {"Label27", "9000"},
                                                              {"x8", "13000"},
                                                              {"x9", "10000"},
                                                              {"x10", "9000"},
                                                              {"x11", "3000"},
                                                              {"x12", "1000"}}),
     .memos = {{"Memo3", {positive, "성공대 실패 비율은 3:1 입니다.", longPositiveCaution}},
               {"Memo4", {}}}},
    {.name = "favourable_ratio_truncated",
     .script = {"s1=10", "s2=10000", "W1=13500", "W2=9000"},
     .expect = gauge("Gauge1", "4500", "1000", "blue"),
     .memos = {{"Memo3", {positive, "성공대 실패 비율은 3:1 입니다.", longPositiveCaution}}}},
    {.name = "buy_in_upper_quarter_of_period",
     .script = {"s1=10", "s2=12000", "W1=13000", "W2=9000"},
     .expect = gauge("Gauge1", "4000", "3000", "red"),
     .memos = {{"Memo3", {longNegative, "성공대 실패 비율은 1:3 입니다.", longNegativeCaution}}}},
    {.name = "buy_exactly_in_the_middle_is_blue",
     .script = {"s1=10", "s2=11000", "W1=13000", "W2=9000"},
     .expect = gauge("Gauge1", "4000", "2000", "blue"),
     .memos = {{"Memo3", {even, evenCaution}}}},
    {.name = "bought_at_period_high",
     .script = {"s1=10", "s2=13000", "W1=13000", "W2=9000"},
     .expect = join(gauge("Gauge1", "4000", "4000", "red"), {{"x11", "0"}, {"x12", "4000"}}),
     .memos = {{"Memo3", {longNegative, longNegativeCaution, atHigh, evenCaution}}}},
    {.name = "bought_at_period_low",
     .script = {"s1=10", "s2=9000", "W1=13000", "W2=9000"},
     .expect = gauge("Gauge1", "4000", "0", "blue"),
     .memos = {{"Memo3", {positive, longPositiveCaution}}}},
    {.name = "bought_at_upper_limit",
     .script = {"s1=10", "s2=13000", "Y1=13000", "Y2=7000"},
     .expect = join(gauge("Gauge2", "6000", "6000", "red"), {{"Label34", "13000"},
                                                             {"Label32", "7000"},
                                                             {"z7", "13000"},
                                                             {"z8", "13000"},
                                                             {"z9", "7000"},
                                                             {"z13", "0"},
                                                             {"z14", "6000"}}),
     .memos = {{"Memo4", {upperNote, dayNegative, dayProviso}},
               {"Memo3", {upperAdvice, upperCaution}}}},
    {.name = "upper_limit_lines_stand_before_long_term_verdict",
     .script = {"s1=10", "s2=13000", "Y1=13000", "Y2=7000", "W1=14000", "W2=10000"},
     .memos = {{"Memo3",
                {upperAdvice, upperCaution, longNegative, "성공대 실패 비율은 1:3 입니다.",
                 longNegativeCaution}}}},
    {.name = "bought_at_lower_limit",
     .script = {"s1=10", "s2=7000", "Y1=13000", "Y2=7000"},
     .expect = gauge("Gauge2", "6000", "0", "blue"),
     .memos = {{"Memo4", {positive, dayPositiveCaution, lowerNote}}, {"Memo3", {}}}},
    {.name = "day_verdict_with_favourable_ratio",
     .script = {"s1=10", "s2=8000", "Y1=13000", "Y2=7000"},
     .memos = {{"Memo4", {positive, "성공대 실패 비율은 5:1 입니다.", dayPositiveCaution}},
               {"Memo3", {}}}},
    {.name = "day_verdict_with_unfavourable_ratio",
     .script = {"s1=10", "s2=12000", "Y1=13000", "Y2=7000"},
     .memos = {{"Memo4", {dayNegative, dayProviso, "성공대 실패 비율은 1:5 입니다."}}}},
    {.name = "equal_room_on_day_page_gives_no_verdict",
     .script = {"s1=10", "s2=10000", "Y1=12000", "Y2=8000"},
     .expect = gauge("Gauge2", "4000", "2000", "blue"),
     .memos = {{"Memo4", {}}, {"Memo3", {}}}},
    {.name = "day_high_and_low_gauge",
     .script = {"s1=10", "s2=10000", "Y4=10800", "Y5=9700"},
     .expect = join(gauge("Gauge3", "1100", "300", "blue"), {{"Label39", "10800"},
                                                             {"Label37", "9700"},
                                                             {"z10", "10800"},
                                                             {"z11", "10000"},
                                                             {"z12", "9700"},
                                                             {"z15", "800"},
                                                             {"z16", "300"}})},
    {.name = "low_above_high_keeps_gauge_state_but_shows_labels",
     .script = {"s1=10", "s2=12000", "W1=13000", "W2=9000", "@calc", "W1=9000", "W2=13000",
                "@calc"},
     .expect =
         join(gauge("Gauge1", "4000", "3000", "red"), {{"Label29", "9000"}, {"Label27", "13000"}}),
     .memos = {{"Memo3", {longNegative, "성공대 실패 비율은 1:0 입니다.", longNegativeCaution}}}},
    {.name = "empty_period_gives_empty_blue_gauge",
     .script = {"s1=10", "s2=10000", "Memo3=stale line", "Memo4=stale line"},
     .expect = join(
         gauge("Gauge1", "0", "0", "blue"),
         {{"Label29", "0"}, {"Label27", "0"}, {"x8", "0"}, {"x11", "-10000"}, {"x12", "10000"}}),
     .memos = {{"Memo3", {}}, {"Memo4", {}}}},
    {.name = "buy_below_period_low",
     .script = {"s1=10", "s2=9000", "W1=11000", "W2=10000"},
     .expect = gauge("Gauge1", "1000", "0", "blue"),
     .memos = {{"Memo3", {positive, "성공대 실패 비율은 -2:1 입니다.", longPositiveCaution}}}},
    {.name = "buy_above_period_high_clamps_progress",
     .script = {"s1=10", "s2=15000", "W1=13000", "W2=9000"},
     .expect = gauge("Gauge1", "4000", "4000", "red")},
};

} // namespace

MX_SCENARIO_TABLE(Position, rows);

} // namespace mx::testing_support
