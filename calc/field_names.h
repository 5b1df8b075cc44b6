#pragma once

#include <string_view>

// The fields that the core reads and writes, by what they hold. The names themselves are the
// window's controls; the field catalogue (field_catalogue.cpp) gives each its caption and
// meaning.
namespace mx::fields {

// Page 1: the trade and its round trip.
inline constexpr std::string_view quantity = "s1";
inline constexpr std::string_view buyPrice = "s2";
inline constexpr std::string_view sellPrice = "s3";
inline constexpr std::string_view buyAmount = "s4";
inline constexpr std::string_view sellAmount = "s5";
inline constexpr std::string_view buyFee = "e1";
inline constexpr std::string_view sellFee = "e2";
inline constexpr std::string_view tax = "e3";
inline constexpr std::string_view totalCost = "e4";
inline constexpr std::string_view netLoss = "e5";
inline constexpr std::string_view netProfit = "e6";
inline constexpr std::string_view grossProfit = "e7";
inline constexpr std::string_view breakEvenPrice = "e8";
inline constexpr std::string_view timeStamp = "Edit6";

// The options panel.
inline constexpr std::string_view feeRate = "r1";
inline constexpr std::string_view taxRate = "r2";
inline constexpr std::string_view minimumFeeThreshold = "r3";
inline constexpr std::string_view minimumFee = "r4";
inline constexpr std::string_view minimumFeeRule = "CheckBox1";
inline constexpr std::string_view marketRules = "CheckBox2";
inline constexpr std::string_view market = "ComboBox1";
inline constexpr std::string_view statementRounding = "ComboBox2";
inline constexpr std::string_view tradeDate = "DateEdit1";

// A target or stop-loss of a planning page: the percentage that places its price, the price,
// and the net result of selling there.
struct Target {
    std::string_view percent, price, result;
};

// Page 2, the long-term plan over a period's high and low.
inline constexpr std::string_view periodHigh = "W1";
inline constexpr std::string_view periodLow = "W2";
inline constexpr std::string_view periodRange = "Edit4";
inline constexpr std::string_view periodHighResult = "X1";
inline constexpr std::string_view periodLowLoss = "X2";
inline constexpr Target firstTarget = {"r5", "W3", "X3"};
inline constexpr Target secondTarget = {"r6", "W4", "X4"};
inline constexpr Target thirdTarget = {"r7", "W5", "X5"};
inline constexpr Target longTermStop = {"r8", "W6", "X6"};
inline constexpr Target shortTermStop = {"r9", "W7", "X7"};

// Page 3, the day-trading plan over the day's limits, high and low.
inline constexpr std::string_view upperLimit = "Y1";
inline constexpr std::string_view lowerLimit = "Y2";
inline constexpr std::string_view dayHigh = "Y4";
inline constexpr std::string_view dayLow = "Y5";
inline constexpr std::string_view limitRange = "Edit1";
inline constexpr std::string_view dayRange = "Edit2";
inline constexpr std::string_view upperLimitResult = "Z1";
inline constexpr std::string_view lowerLimitLoss = "Z2";
inline constexpr Target dayFirstTarget = {"r10", "Y6", "Z3"};
inline constexpr Target daySecondTarget = {"r11", "Y7", "Z4"};
inline constexpr Target dayFirstStop = {"r12", "Y8", "Z5"};
inline constexpr Target daySecondStop = {"r13", "Y9", "Z6"};
inline constexpr std::string_view dayTradingBar = "Panel24";

// Where the buy price lies: a gauge with the labels at the top and the foot of its axis, and a
// position box with its top, buy price and bottom and the distances between them.
struct Gauge {
    std::string_view gauge, top, foot;
};
struct PositionBox {
    std::string_view top, buyPrice, bottom, above, below;
};
inline constexpr Gauge periodGauge = {"Gauge1", "Label29", "Label27"};
inline constexpr Gauge limitGauge = {"Gauge2", "Label34", "Label32"};
inline constexpr Gauge dayGauge = {"Gauge3", "Label39", "Label37"};
inline constexpr PositionBox periodBox = {"x8", "x9", "x10", "x11", "x12"};
inline constexpr PositionBox limitBox = {"z7", "z8", "z9", "z13", "z14"};
inline constexpr PositionBox dayBox = {"z10", "z11", "z12", "z15", "z16"};
inline constexpr std::string_view longTermVerdict = "Memo3";
inline constexpr std::string_view dayTradingVerdict = "Memo4";

} // namespace mx::fields
