// Time of one round trip of the cost model and of one whole Calculate.
#include "calc/calculate.h"
#include "calc/memory_sheet.h"

#include <benchmark/benchmark.h>
#include <utility>

namespace {

void BM_RoundTrip(benchmark::State &state) {
    const mx::Commission commission = mx::commissionFor({.minimumFeeRule = true});
    mx::Trade trade{10, 10000, 11000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(trade);
        auto result = mx::evaluateRoundTrip(trade, commission, mx::SellAmount::Integer,
                                            mx::TaxOrder::RateOverHundred);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RoundTrip);

// A trade with every page filled: all sections, gauges and both verdicts do their work.
void fillTrade(mx::MemorySheet &sheet) {
    static constexpr std::pair<std::string_view, std::string_view> inputs[] = {
        {"s1", "10"},    {"s2", "10000"}, {"s3", "11000"}, {"W1", "13000"}, {"W2", "9000"},
        {"Y1", "11500"}, {"Y2", "8500"},  {"Y3", "10050"}, {"Y4", "10800"}, {"Y5", "9700"},
    };
    for (const auto &[name, text] : inputs) {
        sheet.setText(name, text);
    }
}

void BM_Calculate(benchmark::State &state) {
    mx::MemorySheet sheet;
    fillTrade(sheet);
    const mx::LocalDateTime now{2026, 3, 7, 9, 5};
    for (auto _ : state) {
        mx::calculate(sheet, now);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Calculate);

} // namespace
