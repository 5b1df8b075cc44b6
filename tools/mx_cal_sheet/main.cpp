// mx_cal_sheet: runs the Calculate command of MX 주식계산기 without a window. Directives on
// standard input, every field of the sheet on standard output; or, with --csv, a journal of
// trades in, each trade's fees, tax, net result and break-even price out.

#include "command_line.h"
#include "journal.h"
#include "report.h"
#include "saved_options.h"
#include "script.h"
#include "system.h"
#include "usage.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace mx::sheet_tool;

int oneSheet() {
    SheetScript script;
    std::string line;
    long number = 0;
    try {
        while (std::getline(std::cin, line)) {
            ++number;
            script.apply(line);
        }
        script.finish();
    } catch (const ScriptError &error) {
        std::cerr << "mx_cal_sheet: line " << number << ": " << error.what() << '\n';
        return 2;
    }
    writeReport(std::cout, script.sheet(), script.messages());
    return 0;
}

// The file descriptor of the journal to read.
int openJournal(const std::string &file) {
    if (file.empty() || file == "-") {
        return standardInput;
    }
    const int fd = openForReading(file);
    if (fd < 0) {
        throw StreamError(file + ": cannot open: " + std::strerror(errno));
    }
    return fd;
}

int journal(const CommandLine &commandLine) {
    try {
        mx::MemorySheet panel;
        if (commandLine.savedOptions) {
            loadSavedOptions(panel);
        }
        const mx::LocalDateTime now = localClock();
        JournalOptions options = optionsOf(panel, {now.year, now.month, now.day});
        applyCommandLine(commandLine, options);
        const bool standardInput = commandLine.file.empty() || commandLine.file == "-";
        CsvReader in(openJournal(commandLine.file),
                     standardInput ? "standard input" : commandLine.file);
        CsvWriter out(standardOutput, "standard output");
        return runJournal(options, in, out, std::cerr) > 0 ? 1 : 0;
    } catch (const std::runtime_error &error) { // HeaderError, StreamError
        std::cerr << "mx_cal_sheet: " << error.what() << '\n';
        return 2;
    }
}

} // namespace

int main(int argc, char *argv[]) {
    setUpStandardStreams();
    std::vector<std::string> arguments = commandArguments(argc, argv);
    std::vector<char *> argumentPointers;
    for (std::string &argument : arguments) {
        argumentPointers.push_back(argument.data());
    }
    CommandLine commandLine;
    try {
        commandLine = parseCommandLine(argumentPointers);
    } catch (const UsageError &error) {
        std::cerr << "mx_cal_sheet: " << error.what() << '\n' << "Try 'mx_cal_sheet --help'.\n";
        return 2;
    }
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::cout << usage;
        return 0;
    case CommandLine::Action::Version:
        std::cout << "mx_cal_sheet " MX_CAL_VERSION "\n";
        return 0;
    case CommandLine::Action::Journal:
        return journal(commandLine);
    case CommandLine::Action::OneSheet:
        break;
    }
    return oneSheet();
}
