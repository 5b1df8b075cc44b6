#pragma once

// The trade the tests, the benchmarks and the README's picture come back to: 10 shares bought at
// 10,000 won and sold at 11,000, planned between a period's high of 13,000 and low of 9,000,
// on a day with limits of 13,000 and 7,000 that opened at 9,500 and went from 9,000 to 11,000.
// With the window's default options page 1 shows a net profit of 9,609 won.
#include <utility>

namespace mx::worked_trade {

// The inputs of the three pages, field and text, in the order a user types them.
inline constexpr std::pair<const char *, const char *> inputs[] = {
    {"s1", "10"},    {"s2", "10000"}, {"s3", "11000"}, {"W1", "13000"}, {"W2", "9000"},
    {"Y1", "13000"}, {"Y2", "7000"},  {"Y3", "9500"},  {"Y4", "11000"}, {"Y5", "9000"},
};

} // namespace mx::worked_trade
