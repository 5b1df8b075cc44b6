#include "tool_runner.h"

#include <map>
#include <sstream>

namespace mx::testing_support {

ToolRun runSheetTool(std::string_view input, const std::vector<std::string> &arguments,
                     const std::vector<std::string> &environment, const Streams &streams) {
    return runProgram(MX_CAL_SHEET_PATH, input, arguments, environment, streams);
}

std::vector<std::string> outputLines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string sheetResults(const std::string &directives) {
    std::map<std::string, std::string> shown;
    for (const std::string &line : outputLines(runSheetTool(directives).out)) {
        const auto equals = line.find('=');
        std::string value = line.substr(equals + 1);
        std::erase(value, ',');
        shown[line.substr(0, equals)] = value;
    }
    const std::string loss = shown["e5"] == "0" ? "0" : "-" + shown["e5"];
    const std::string net = shown["e6"] != "0" ? shown["e6"] : loss;
    return shown["s4"] + "," + shown["s5"] + "," + shown["e1"] + "," + shown["e2"] + "," +
           shown["e3"] + "," + shown["e4"] + "," + net + "," + shown["e8"];
}

} // namespace mx::testing_support
