#pragma once

#include "support/table_rows.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mx::testing_support {

// One row of the Calculate tables, written in the directives of the headless tool. Every
// script starts at "@now=2026-03-07 09:05"; without "@calc" it ends with one.
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

using table_rows::PrintTo;

// What a run left on the sheet, in the terms of the tool's output.
struct Snapshot {
    std::vector<std::string> messages;
    std::map<std::string, std::string> values;
    std::map<std::string, std::vector<std::string>> memos;
};

// Runs a script on the sheet tool's own interpreter (the directives of mx_cal_sheet, in this
// process) from "@now=2026-03-07 09:05", and reads what its report prints.
Snapshot runScript(const std::vector<std::string> &script);

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

#define MX_SCENARIO_TABLE(group, rows)                                                             \
    INSTANTIATE_TEST_SUITE_P(group, ScenarioTest, ::testing::ValuesIn(rows), table_rows::rowName)

} // namespace mx::testing_support
