#pragma once

#include "journal.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace mx::sheet_tool {

// An argument the tool refuses.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the arguments ask for.
struct CommandLine {
    enum class Action { OneSheet, Journal, Ledger, Help, Version };
    Action action = Action::OneSheet;
    std::string file;           // the journal or ledger to read; empty or "-" for standard input
    bool sort = false;          // --sort: the ledger's fills sorted by date
    bool summary = false;       // --summary: the ledger's totals per stock and year
    bool savedOptions = false;  // --settings
    bool byteOrderMark = false; // --bom
    // What the options of the journal set; each overrides the saved options and the defaults.
    std::optional<std::string> feeRate;
    std::optional<std::string> taxRate;
    std::optional<bool> minimumFeeRule;
    std::int32_t minimumFeeThreshold = 0; // with minimumFeeRule set to true
    std::int32_t minimumFee = 0;
    std::optional<bool> marketRules;
    std::optional<Market> market;
    std::optional<StatementRounding> rounding;
};

// Reads the arguments that follow the program's name, up to --help or --version. Throws
// UsageError for an argument that is not known or a value that is not valid, for an option of
// the journal without --csv or --ledger, and for --sort or --summary without --ledger.
CommandLine parseCommandLine(std::span<char *const> arguments);

// Sets in `options` what `commandLine` gives.
void applyCommandLine(const CommandLine &commandLine, JournalOptions &options);

} // namespace mx::sheet_tool
