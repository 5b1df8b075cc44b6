#pragma once

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace mx::testing_support {

// One row of the Calculate tables. The script is written in the directives of the
// headless tool, so that the same row runs on the core directly and through the tool.
// Every script starts at "@now=2026-03-07 09:05"; without "@calc" it ends with one.
struct Scenario {
    std::string name;
    std::vector<std::string> script{};
    // Field lines that must read exactly so ("s4", "Gauge1.max", "Panel24.visible" ...).
    std::vector<std::pair<std::string, std::string>> expect{};
    // Every message shown, in order.
    std::vector<std::string> messages{};
    // Memos whose lines must be exactly these.
    std::map<std::string, std::vector<std::string>> memos{};
};

inline void PrintTo(const Scenario &scenario, std::ostream *out) {
    *out << scenario.name;
}

// What a run left on the sheet, in the terms of the tool's output.
struct Snapshot {
    std::vector<std::string> messages;
    std::map<std::string, std::string> values;
    std::map<std::string, std::vector<std::string>> memos;
};

enum class Runner { Core, Tool };

inline void PrintTo(Runner runner, std::ostream *out) {
    *out << (runner == Runner::Core ? "core" : "tool");
}

Snapshot runOnCore(const std::vector<std::string> &script);
Snapshot runOnTool(const std::vector<std::string> &script);

using ScenarioParam = std::tuple<Scenario, Runner>;

class ScenarioTest : public ::testing::TestWithParam<ScenarioParam> {};

std::string scenarioName(const ::testing::TestParamInfo<ScenarioParam> &info);

// Runs every row of `rows` once on the core and once through the tool.
#define MX_SCENARIO_TABLE(group, rows)                                                             \
    INSTANTIATE_TEST_SUITE_P(group, ScenarioTest,                                                  \
                             ::testing::Combine(::testing::ValuesIn(rows),                         \
                                                ::testing::Values(Runner::Core, Runner::Tool)),    \
                             scenarioName)

} // namespace mx::testing_support
