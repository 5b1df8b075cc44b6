#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mx::testing_support {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built mx_cal_sheet with `input` on its standard input and the given arguments.
ToolRun runSheetTool(std::string_view input, const std::vector<std::string> &arguments = {});

} // namespace mx::testing_support
