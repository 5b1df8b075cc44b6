#include "tool_runner.h"

#include <algorithm>
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

JournalRow journalRow(const std::string &line) {
    // Where each field starts, and its text without quotes; the lines hold no line break.
    std::vector<std::size_t> starts;
    std::vector<std::string> fields;
    for (std::size_t at = 0; at <= line.size();) {
        starts.push_back(at);
        std::string field;
        if (at < line.size() && line[at] == '"') {
            for (++at; at < line.size(); ++at) {
                if (line[at] == '"' && (at + 1 == line.size() || line[at + 1] != '"')) {
                    ++at;
                    break;
                }
                at += line[at] == '"' ? 1 : 0;
                field += line[at];
            }
        }
        const std::size_t comma = std::min(line.find(',', at), line.size());
        field += line.substr(at, comma - at);
        fields.push_back(field);
        at = comma + 1;
    }
    constexpr std::size_t added = 11;
    if (fields.size() < added) {
        return {line, "", "", ""};
    }
    const std::size_t first = fields.size() - added;
    const auto joined = [&fields](std::initializer_list<std::size_t> which) {
        std::string text;
        for (const std::size_t i : which) {
            text += (i == *which.begin() ? "" : ",") + fields[i];
        }
        return text;
    };
    const std::size_t f = first;
    return {first == 0 ? "" : line.substr(0, starts[first] - 1),
            joined({f, f + 1, f + 2, f + 3, f + 4, f + 7, f + 8, f + 9}), joined({f + 5, f + 6}),
            fields.back()};
}

} // namespace mx::testing_support
