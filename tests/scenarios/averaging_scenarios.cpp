// The 평단·물타기 panel: a holding and further buys averaged, valued at the current price, its
// break-even price and the buy that brings the average to a target.
#include "calc/texts.h"
#include "scenario.h"

namespace mx::testing_support {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

// Q1 .. Q12 in that order.
Fields results(const std::vector<std::string> &texts) {
    Fields fields;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fields.emplace_back(std::string("Q").append(std::to_string(i + 1)), texts[i]);
    }
    return fields;
}

// 100 shares held at 72,000 with the price at 65,000.
const std::vector<std::string> held{"P1=100", "P2=72000", "P13=65000"};

template <typename Line> std::vector<Line> with(std::vector<Line> lines, std::vector<Line> more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::string beyond(const std::string &price, const std::string &target) {
    return std::string(texts::targetBeyondPricePrefix) + price +
           std::string(texts::targetBeyondPriceMiddle) + target +
           std::string(texts::targetBeyondPriceSuffix);
}

// Calculate at the end of a script finds page 1 empty.
const std::vector<std::string> noQuantity{std::string(texts::quantityMissing)};

const std::vector<Scenario> rows{
    // How many to buy at 65,000 to bring 100 shares at 72,000 down to 68,000: 400,000 ÷ 3,000
    // is 133.3, so 134; fees of 0.029 % on each buy and 0.3 % tax on the sale.
    {.name = "worked_question_averaging_down",
     .script = with(held, {"P14=68000"}),
     .expect = results({"100", "72,000", "72,020.88", "7,200,000", "6,500,000", "-721,385",
                        "-10.02%", "72,300", "134", "8,712,526", "67,991.45", ""}),
     .messages = noQuantity},
    // The row with a quantity but no price is no buy.
    {.name = "two_buys_and_a_half_filled_row",
     .script = with(held, {"P3=50", "P4=66000", "P5=30", "P6=64000", "P7=10"}),
     .expect = results({"180", "69,000", "69,020.01", "12,420,000", "11,700,000", "-758,493",
                        "-6.11%", "69,300", "", "", "", ""}),
     .messages = noQuantity},
    {.name = "averaging_up",
     .script = {"P1=100", "P2=50000", "P13=60000", "P14=52000"},
     .expect = results({"100", "50,000", "50,014.50", "5,000,000", "6,000,000", "980,260", "19.61%",
                        "50,200", "25", "1,500,435", "52,000", ""}),
     .messages = noQuantity},
    {.name = "target_beyond_the_price_is_a_sentence",
     .script = with(held, {"P14=60000"}),
     .expect = {{"Q9", ""}, {"Q10", ""}, {"Q11", ""}, {"Q12", beyond("65,000", "60,000")}},
     .messages = noQuantity},
    {.name = "target_on_the_far_side_of_the_average",
     .script = with(held, {"P14=75000"}),
     .expect = {{"Q9", ""}, {"Q12", beyond("65,000", "75,000")}},
     .messages = noQuantity},
    {.name = "target_is_the_average",
     .script = with(held, {"P14=72000"}),
     .expect = {{"Q9", ""}, {"Q12", std::string(texts::averageAtTarget)}},
     .messages = noQuantity},
    {.name = "price_at_the_average",
     .script = {"P1=100", "P2=72000", "P13=72000", "P14=70000"},
     .expect = {{"Q9", ""}, {"Q12", std::string(texts::priceAtAverage)}},
     .messages = noQuantity},
    {.name = "target_without_a_holding",
     .script = {"P13=65000", "P14=68000"},
     .expect = results({"", "", "", "", "", "", "", "", "", "", "", ""}),
     .messages = noQuantity},
    // One buy held breaks even where page 1 puts the same trade's break-even price, under the
    // statement of 2026; the panel's profit leaves the buy fee to the average with fees.
    {.name = "statement_of_2026_breaks_even_as_page_1",
     .script = {"s1=100", "s2=71300", "s3=73000", "r1=0.015", "CheckBox2=1", "DateEdit1=2026-03-06",
                "ComboBox2=ten", "P1=100", "P2=71300", "P13=73000"},
     .expect = {{"e8", "71,500"},
                {"Q8", "71,500"},
                {"Q3", "71,310.60"},
                {"Q6", "154,310"},
                {"Q7", "2.16%"}}},
    {.name = "holding_beyond_64_bits_is_a_sentence",
     .script = {"P1=2147483647", "P2=2147483647", "P3=2147483647", "P4=2147483647"},
     .expect = {{"Q1", ""}, {"Q12", std::string(texts::averagingOutOfRange)}},
     .messages = noQuantity},
};

} // namespace

MX_SCENARIO_TABLE(Averaging, rows);

} // namespace mx::testing_support
