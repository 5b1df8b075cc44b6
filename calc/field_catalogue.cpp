#include "cost_model.h"
#include "fields.h"
#include "market_rules.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace mx {
namespace {

using K = FieldKind;
constexpr std::int32_t noCeiling = std::numeric_limits<std::int32_t>::max();

// Sorted by name in byte order, one field a row: its kind, the text it starts with, its bounds,
// decimals and step, whether the user may type into it, the caption the window shows with it,
// and what it holds. The percentages of the planning pages take 1 to 100; the quantities and
// prices of the 평단·물타기 panel are never below 0.
// clang-format off
constexpr std::array catalogue{
    FieldSpec{.name = "CheckBox1", .kind = K::CheckBox, .initial = "0", .caption = "최저수수료 계산 적용", .meaning = "the minimum-fee rule (r3, r4): 1 on, 0 off"},
    FieldSpec{.name = "CheckBox2", .kind = K::CheckBox, .initial = "0", .caption = "거래일 기준 세율·호가단위 적용", .meaning = "the tax and price ticks of the market and trade date: 1 on, 0 off (r2)"},
    FieldSpec{.name = "ComboBox1", .kind = K::Choice, .initial = marketKeys.front(), .choices = marketKeys, .caption = "시장", .meaning = "the market whose rules apply: kospi, kosdaq, konex or etf"},
    FieldSpec{.name = "ComboBox2", .kind = K::Choice, .initial = statementRoundingKeys.front(), .choices = statementRoundingKeys, .caption = "정산 방식", .meaning = "fees and tax rounded on display (round), to the won (won), fees to 10 won (ten)"},
    FieldSpec{.name = "DateEdit1", .kind = K::Date, .caption = "매매일", .meaning = "the trade date, YYYY-MM-DD; today's at each start"},
    FieldSpec{.name = "Edit1", .kind = K::Result, .readOnly = true, .caption = "변동폭", .meaning = "the range between the day's limits, Y1 - Y2"},
    FieldSpec{.name = "Edit2", .kind = K::Result, .readOnly = true, .caption = "변동폭", .meaning = "the day's range, Y4 - Y5"},
    FieldSpec{.name = "Edit4", .kind = K::Result, .readOnly = true, .caption = "변동폭", .meaning = "the period's range, W1 - W2"},
    FieldSpec{.name = "Edit6", .kind = K::Text, .initial = "XXXX년 X월 X 일 X시X분", .readOnly = true, .caption = "최종 평가 일시", .meaning = "when Calculate last ran (hidden)"},
    FieldSpec{.name = "Gauge1", .kind = K::Gauge, .caption = "최고가/저가 대비", .meaning = "where the buy price s2 lies between W2 and W1"},
    FieldSpec{.name = "Gauge2", .kind = K::Gauge, .caption = "상한가/하한가 대비", .meaning = "where the buy price s2 lies between Y2 and Y1"},
    FieldSpec{.name = "Gauge3", .kind = K::Gauge, .caption = "고가/저가 대비", .meaning = "where the buy price s2 lies between Y5 and Y4"},
    FieldSpec{.name = "Label27", .kind = K::Label, .initial = "최저가", .meaning = "the foot of gauge 1: the period's low W2"},
    FieldSpec{.name = "Label29", .kind = K::Label, .initial = "최저가", .meaning = "the top of gauge 1: the period's high W1"},
    FieldSpec{.name = "Label32", .kind = K::Label, .initial = "최저가", .meaning = "the foot of gauge 2: the lower limit Y2"},
    FieldSpec{.name = "Label34", .kind = K::Label, .initial = "최저가", .meaning = "the top of gauge 2: the upper limit Y1"},
    FieldSpec{.name = "Label37", .kind = K::Label, .initial = "최저가", .meaning = "the foot of gauge 3: the day's low Y5"},
    FieldSpec{.name = "Label39", .kind = K::Label, .initial = "최저가", .meaning = "the top of gauge 3: the day's high Y4"},
    FieldSpec{.name = "Memo3", .kind = K::Memo, .caption = "주가로 보는 장기 투자 적격 진단", .meaning = "the verdict on the long-term plan"},
    FieldSpec{.name = "Memo4", .kind = K::Memo, .caption = "주가로 보는 데이트레이딩 적격 진단", .meaning = "the verdict on the day-trading plan"},
    FieldSpec{.name = "P1", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 1, .caption = "보유수량", .meaning = "the 평단·물타기 panel: the shares held"},
    FieldSpec{.name = "P10", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "4차 매수 단가", .meaning = "the 평단·물타기 panel: the price of buy 4"},
    FieldSpec{.name = "P11", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 1, .caption = "5차 매수 수량", .meaning = "the 평단·물타기 panel: the shares of buy 5"},
    FieldSpec{.name = "P12", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "5차 매수 단가", .meaning = "the 평단·물타기 panel: the price of buy 5"},
    FieldSpec{.name = "P13", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "현재가", .meaning = "the 평단·물타기 panel: the current price, at which it is valued"},
    FieldSpec{.name = "P14", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "목표 평단", .meaning = "the 평단·물타기 panel: the average price to reach by a buy at P13"},
    FieldSpec{.name = "P2", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "평균단가", .meaning = "the 평단·물타기 panel: the average price of the shares held"},
    FieldSpec{.name = "P3", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 1, .caption = "1차 매수 수량", .meaning = "the 평단·물타기 panel: the shares of buy 1"},
    FieldSpec{.name = "P4", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "1차 매수 단가", .meaning = "the 평단·물타기 panel: the price of buy 1"},
    FieldSpec{.name = "P5", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 1, .caption = "2차 매수 수량", .meaning = "the 평단·물타기 panel: the shares of buy 2"},
    FieldSpec{.name = "P6", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "2차 매수 단가", .meaning = "the 평단·물타기 panel: the price of buy 2"},
    FieldSpec{.name = "P7", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 1, .caption = "3차 매수 수량", .meaning = "the 평단·물타기 panel: the shares of buy 3"},
    FieldSpec{.name = "P8", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 5, .caption = "3차 매수 단가", .meaning = "the 평단·물타기 panel: the price of buy 3"},
    FieldSpec{.name = "P9", .kind = K::IntegerSpin, .maximum = noCeiling, .step = 1, .caption = "4차 매수 수량", .meaning = "the 평단·물타기 panel: the shares of buy 4"},
    FieldSpec{.name = "Panel24", .kind = K::Panel, .meaning = "the bar at the foot of page 3, which Calculate hides"},
    FieldSpec{.name = "Q1", .kind = K::Result, .readOnly = true, .caption = "총수량", .meaning = "all shares, P1 and the buys"},
    FieldSpec{.name = "Q10", .kind = K::Result, .readOnly = true, .caption = "필요 금액", .meaning = "the cash of that buy, fee included"},
    FieldSpec{.name = "Q11", .kind = K::Result, .readOnly = true, .caption = "매수 후 평단", .meaning = "the average price after that buy"},
    FieldSpec{.name = "Q12", .kind = K::Label, .meaning = "why P14 cannot be reached by a buy at P13 (hidden otherwise)"},
    FieldSpec{.name = "Q2", .kind = K::Result, .readOnly = true, .caption = "평균단가", .meaning = "the average price of all shares"},
    FieldSpec{.name = "Q3", .kind = K::Result, .readOnly = true, .caption = "수수료 포함 평단", .meaning = "the average price with the buy fees"},
    FieldSpec{.name = "Q4", .kind = K::Result, .readOnly = true, .caption = "총매수금액", .meaning = "the amount of all buys"},
    FieldSpec{.name = "Q5", .kind = K::Result, .readOnly = true, .caption = "평가금액", .meaning = "every share at the current price P13"},
    FieldSpec{.name = "Q6", .kind = K::Result, .readOnly = true, .caption = "평가손익", .meaning = "the net result of selling all at P13"},
    FieldSpec{.name = "Q7", .kind = K::Result, .readOnly = true, .caption = "수익률", .meaning = "Q6 in percent of Q4"},
    FieldSpec{.name = "Q8", .kind = K::Result, .readOnly = true, .caption = "손익분기가", .meaning = "the lowest sell price on the price grid that breaks even, counting the buy fees"},
    FieldSpec{.name = "Q9", .kind = K::Result, .readOnly = true, .caption = "필요 수량", .meaning = "the shares to buy at P13 to reach the average P14"},
    FieldSpec{.name = "W1", .kind = K::IntegerSpin, .step = 1, .caption = "최고가", .meaning = "the highest price of the target period"},
    FieldSpec{.name = "W2", .kind = K::IntegerSpin, .step = 5, .caption = "최저가", .meaning = "the lowest price of the target period"},
    FieldSpec{.name = "W3", .kind = K::Result, .readOnly = true, .caption = "1차목표가", .meaning = "the first target: r5 % of the way from s2 towards W1"},
    FieldSpec{.name = "W4", .kind = K::Result, .readOnly = true, .caption = "2차목표가", .meaning = "the second target: r6 % of the way from s2 towards W1"},
    FieldSpec{.name = "W5", .kind = K::Result, .readOnly = true, .caption = "3차목표가", .meaning = "the third target: r7 % of the way from s2 towards W1"},
    FieldSpec{.name = "W6", .kind = K::Result, .readOnly = true, .caption = "장기손절가", .meaning = "the long-term stop: r8 % of the way from s2 towards W2"},
    FieldSpec{.name = "W7", .kind = K::Result, .readOnly = true, .caption = "단기손절가", .meaning = "the short-term stop: r9 % of the way from s2 towards W2"},
    FieldSpec{.name = "X1", .kind = K::Result, .readOnly = true, .caption = "최대 가능 수익", .meaning = "the net result of selling at W1"},
    FieldSpec{.name = "X2", .kind = K::Result, .readOnly = true, .caption = "최대 가능 손실", .meaning = "the loss of selling at W2, shown positive"},
    FieldSpec{.name = "X3", .kind = K::Result, .readOnly = true, .caption = "1차목표 수익액", .meaning = "the net result of selling at W3"},
    FieldSpec{.name = "X4", .kind = K::Result, .readOnly = true, .caption = "2차목표 수익액", .meaning = "the net result of selling at W4"},
    FieldSpec{.name = "X5", .kind = K::Result, .readOnly = true, .caption = "3차목표 수익액", .meaning = "the net result of selling at W5"},
    FieldSpec{.name = "X6", .kind = K::Result, .readOnly = true, .caption = "장기손절 손실액", .meaning = "the loss of selling at W6, shown positive"},
    FieldSpec{.name = "X7", .kind = K::Result, .readOnly = true, .caption = "단기손절 손실액", .meaning = "the loss of selling at W7, shown positive"},
    FieldSpec{.name = "Y1", .kind = K::IntegerSpin, .step = 5, .caption = "상한가", .meaning = "the day's upper price limit"},
    FieldSpec{.name = "Y2", .kind = K::IntegerSpin, .step = 5, .caption = "하한가", .meaning = "the day's lower price limit"},
    FieldSpec{.name = "Y3", .kind = K::IntegerSpin, .step = 5, .caption = "시가", .meaning = "the day's opening price (Calculate does not use it)"},
    FieldSpec{.name = "Y4", .kind = K::IntegerSpin, .step = 5, .caption = "고가", .meaning = "the day's high"},
    FieldSpec{.name = "Y5", .kind = K::IntegerSpin, .step = 5, .caption = "저가", .meaning = "the day's low"},
    FieldSpec{.name = "Y6", .kind = K::Result, .readOnly = true, .caption = "1차목표가", .meaning = "the first day target: r10 % of the way from s2 towards Y4"},
    FieldSpec{.name = "Y7", .kind = K::Result, .readOnly = true, .caption = "2차목표가", .meaning = "the second day target: r11 % of the way from s2 towards Y4"},
    FieldSpec{.name = "Y8", .kind = K::Result, .readOnly = true, .caption = "1차 손절가", .meaning = "the first day stop: s2 lowered by r12 %"},
    FieldSpec{.name = "Y9", .kind = K::Result, .readOnly = true, .caption = "2차 손절가", .meaning = "the second day stop: s2 lowered by r13 %"},
    FieldSpec{.name = "Z1", .kind = K::Result, .readOnly = true, .caption = "최대 가능 수익", .meaning = "the net result of selling at Y1"},
    FieldSpec{.name = "Z2", .kind = K::Result, .readOnly = true, .caption = "최대 가능 손실", .meaning = "the loss of selling at Y2, shown positive"},
    FieldSpec{.name = "Z3", .kind = K::Result, .readOnly = true, .caption = "1차목표 수익액", .meaning = "the net result of selling at Y6"},
    FieldSpec{.name = "Z4", .kind = K::Result, .readOnly = true, .caption = "2차목표 수익액", .meaning = "the net result of selling at Y7"},
    FieldSpec{.name = "Z5", .kind = K::Result, .readOnly = true, .caption = "1차손절 손실액", .meaning = "the loss of selling at Y8, shown positive"},
    FieldSpec{.name = "Z6", .kind = K::Result, .readOnly = true, .caption = "2차손절 손실액", .meaning = "the loss of selling at Y9, shown positive"},
    FieldSpec{.name = "e1", .kind = K::Result, .readOnly = true, .caption = "매수수수료", .meaning = "the buy fee"},
    FieldSpec{.name = "e2", .kind = K::Result, .readOnly = true, .caption = "매도수수료", .meaning = "the sell fee"},
    FieldSpec{.name = "e3", .kind = K::Result, .readOnly = true, .caption = "제세금", .meaning = "the tax on the sale"},
    FieldSpec{.name = "e4", .kind = K::Result, .readOnly = true, .caption = "총수수료", .meaning = "the total cost: both fees and the tax"},
    FieldSpec{.name = "e5", .kind = K::Result, .readOnly = true, .caption = "순손실", .meaning = "the net loss, 0 when the trade gains"},
    FieldSpec{.name = "e6", .kind = K::Result, .readOnly = true, .caption = "순수익", .meaning = "the net profit, 0 when the trade loses"},
    FieldSpec{.name = "e7", .kind = K::Result, .readOnly = true, .caption = "총수익", .meaning = "s5 - s4 when there is a net profit, else 0"},
    FieldSpec{.name = "e8", .kind = K::Result, .readOnly = true, .caption = "손익분기가", .meaning = "the lowest sell price on the price grid that breaks even"},
    FieldSpec{.name = "r1", .kind = K::DecimalSpin, .initial = "0.029", .decimals = 3, .step = 0.001, .mostDecimals = 7, .caption = "수수료율", .meaning = "the fee in percent of each side's amount"},
    FieldSpec{.name = "r10", .kind = K::IntegerSpin, .initial = "25", .minimum = 1, .maximum = 100, .step = 5, .caption = "고가-매수 대비", .meaning = "the percentage of Y6"},
    FieldSpec{.name = "r11", .kind = K::IntegerSpin, .initial = "50", .minimum = 1, .maximum = 100, .step = 5, .caption = "고가-매수 대비", .meaning = "the percentage of Y7"},
    FieldSpec{.name = "r12", .kind = K::IntegerSpin, .initial = "2", .minimum = 1, .maximum = 100, .step = 1, .caption = "매수가 대비", .meaning = "the percentage of Y8"},
    FieldSpec{.name = "r13", .kind = K::IntegerSpin, .initial = "3", .minimum = 1, .maximum = 100, .step = 1, .caption = "매수가 대비", .meaning = "the percentage of Y9"},
    FieldSpec{.name = "r2", .kind = K::DecimalSpin, .initial = "0.3", .decimals = 1, .step = 0.1, .mostDecimals = 4, .caption = "제세금율", .meaning = "the tax in percent of the sell amount"},
    FieldSpec{.name = "r3", .kind = K::IntegerSpin, .initial = "200000", .step = 1, .caption = "최저제한액", .meaning = "the minimum-fee rule: a side below this amount pays r4"},
    FieldSpec{.name = "r4", .kind = K::IntegerSpin, .initial = "500", .step = 1, .caption = "적용수수료", .meaning = "the minimum-fee rule: the fee of a side below r3"},
    FieldSpec{.name = "r5", .kind = K::IntegerSpin, .initial = "25", .minimum = 1, .maximum = 100, .step = 5, .caption = "고가-매수 대비", .meaning = "the percentage of W3"},
    FieldSpec{.name = "r6", .kind = K::IntegerSpin, .initial = "50", .minimum = 1, .maximum = 100, .step = 5, .caption = "고가-매수 대비", .meaning = "the percentage of W4"},
    FieldSpec{.name = "r7", .kind = K::IntegerSpin, .initial = "75", .minimum = 1, .maximum = 100, .step = 5, .caption = "고가-매수 대비", .meaning = "the percentage of W5"},
    FieldSpec{.name = "r8", .kind = K::IntegerSpin, .initial = "10", .minimum = 1, .maximum = 100, .step = 1, .caption = "매수가 대비", .meaning = "the percentage of W6"},
    FieldSpec{.name = "r9", .kind = K::IntegerSpin, .initial = "5", .minimum = 1, .maximum = 100, .step = 1, .caption = "매수가 대비", .meaning = "the percentage of W7"},
    FieldSpec{.name = "s1", .kind = K::IntegerSpin, .step = 1, .caption = "수     량", .meaning = "the number of shares"},
    FieldSpec{.name = "s2", .kind = K::IntegerSpin, .step = 5, .caption = "매수단가", .meaning = "the buy price of a share"},
    FieldSpec{.name = "s3", .kind = K::IntegerSpin, .step = 5, .caption = "매도단가", .meaning = "the sell price of a share"},
    FieldSpec{.name = "s4", .kind = K::Result, .readOnly = true, .caption = "매수총가", .meaning = "the buy amount, s1 shares at s2"},
    FieldSpec{.name = "s5", .kind = K::Result, .readOnly = true, .caption = "매도총가", .meaning = "the sell amount, s1 shares at s3"},
    FieldSpec{.name = "x10", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "최저가", .meaning = "the long-term box: the period's low W2"},
    FieldSpec{.name = "x11", .kind = K::Text, .readOnly = true, .caption = "오차", .meaning = "the long-term box: x8 - x9"},
    FieldSpec{.name = "x12", .kind = K::Text, .readOnly = true, .caption = "오차", .meaning = "the long-term box: x9 - x10"},
    FieldSpec{.name = "x8", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "최고가", .meaning = "the long-term box: the period's high W1"},
    FieldSpec{.name = "x9", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "매수가", .meaning = "the long-term box: the buy price s2"},
    FieldSpec{.name = "z10", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "고가", .meaning = "the day's box: the day's high Y4"},
    FieldSpec{.name = "z11", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "매수가", .meaning = "the day's box: the buy price s2"},
    FieldSpec{.name = "z12", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "저가", .meaning = "the day's box: the day's low Y5"},
    FieldSpec{.name = "z13", .kind = K::Text, .readOnly = true, .caption = "오차", .meaning = "the limits box: z7 - z8"},
    FieldSpec{.name = "z14", .kind = K::Text, .readOnly = true, .caption = "오차", .meaning = "the limits box: z8 - z9"},
    FieldSpec{.name = "z15", .kind = K::Text, .readOnly = true, .caption = "오차", .meaning = "the day's box: z10 - z11"},
    FieldSpec{.name = "z16", .kind = K::Text, .readOnly = true, .caption = "오차", .meaning = "the day's box: z11 - z12"},
    FieldSpec{.name = "z7", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "상한가", .meaning = "the limits box: the upper limit Y1"},
    FieldSpec{.name = "z8", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "매수가", .meaning = "the limits box: the buy price s2"},
    FieldSpec{.name = "z9", .kind = K::IntegerSpin, .step = 1, .readOnly = true, .caption = "하한가", .meaning = "the limits box: the lower limit Y2"},
};
// clang-format on

constexpr bool sortedByName() {
    for (std::size_t i = 1; i < catalogue.size(); ++i) {
        if (!(catalogue[i - 1].name < catalogue[i].name)) {
            return false;
        }
    }
    return true;
}
static_assert(sortedByName(), "the field catalogue must stay sorted by name");

} // namespace

std::span<const FieldSpec> fieldCatalogue() {
    return catalogue;
}

const FieldSpec *findField(std::string_view name) {
    // Every read and write of a field looks its name up: a hash of the names, made once, costs
    // a fraction of bisecting the sorted table.
    static const std::unordered_map<std::string_view, const FieldSpec *> byName = [] {
        std::unordered_map<std::string_view, const FieldSpec *> names;
        for (const FieldSpec &fieldSpec : catalogue) {
            names.emplace(fieldSpec.name, &fieldSpec);
        }
        return names;
    }();
    const auto it = byName.find(name);
    return it != byName.end() ? it->second : nullptr;
}

const FieldSpec &field(std::string_view name) {
    const FieldSpec *fieldSpec = findField(name);
    if (fieldSpec == nullptr) {
        throw std::invalid_argument("not a field of the sheet: " + std::string(name));
    }
    return *fieldSpec;
}

} // namespace mx
