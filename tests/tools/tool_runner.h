#pragma once

#include <string>
#include <string_view>

namespace mx::testing_support {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built mx_cal_sheet with `input` on its standard input.
ToolRun runSheetTool(std::string_view input);

} // namespace mx::testing_support
