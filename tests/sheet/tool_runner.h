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

// Files that stand in for the runner's own as the tool's standard input and output (a folder,
// "/dev/full"); empty for the runner's own.
struct Streams {
    std::string input;
    std::string output;
};

// Runs `program` with `input` on its standard input and the given arguments, its environment
// this process's with the "NAME=VALUE" entries of `environment` set (text in UTF-8), and
// collects what it wrote. One source file per system: tool_runner_posix.cpp,
// tool_runner_windows.cpp.
ToolRun runProgram(const std::string &program, std::string_view input,
                   const std::vector<std::string> &arguments,
                   const std::vector<std::string> &environment, const Streams &streams);

// Runs the built mx_cal_sheet with `input` on its standard input and the given arguments, its
// environment this process's with the "NAME=VALUE" entries of `environment` set.
ToolRun runSheetTool(std::string_view input, const std::vector<std::string> &arguments = {},
                     const std::vector<std::string> &environment = {}, const Streams &streams = {});

// `utf8` in the Windows Korean code page CP949, as brokers' exports are written.
std::string toCp949(const std::string &utf8);

// The lines of the tool's output, without their line breaks.
std::vector<std::string> outputLines(const std::string &text);

// What the one-sheet mode shows after `directives` in the columns a journal adds: s4, s5, e1 ..
// e4, the net result (e6, or e5 negated) and e8, without thousands separators.
std::string sheetResults(const std::string &directives);

// A line of the journal's output taken apart where its added columns start: the input's fields as
// written, the figures the sheet shows (as sheetResults lists them), the tax's two parts
// ("transaction_tax,rural_tax") and the error, unquoted.
struct JournalRow {
    std::string input;
    std::string shown;
    std::string taxParts;
    std::string error;
};
JournalRow journalRow(const std::string &line);

} // namespace mx::testing_support
