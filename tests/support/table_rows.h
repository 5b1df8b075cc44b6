#pragma once

// The rows of the table-driven tests name themselves: gtest shows a row by its name wherever it
// prints one, and names the test of each row after it.
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace mx::table_rows {

template <typename Row>
concept Named = requires(const Row &row) {
    std::string(row.name);
};

// gtest finds a printer beside the row's type only: a test file brings this one in with
// `using table_rows::PrintTo;` in the namespace of its rows.
template <Named Row> void PrintTo(const Row &row, std::ostream *out) {
    *out << row.name;
}

// The name generator of INSTANTIATE_TEST_SUITE_P: each test is named after its row.
inline constexpr struct {
    template <Named Row> std::string operator()(const testing::TestParamInfo<Row> &info) const {
        return info.param.name;
    }
} rowName;

} // namespace mx::table_rows
