#include "command_line.h"

#include "calc/fields.h"
#include "script.h"

namespace mx::sheet_tool {
namespace {

// A rate option: a decimal number of percent, as the rate fields of cal.ini hold it.
std::string rateOption(std::string_view option, std::string_view value) {
    const std::optional<long double> rate = parseDecimal(value);
    if (!rate || *rate < 0 || *rate > 100) {
        throw UsageError(std::string(option) +
                         " takes a percentage from 0 to 100, not: " + excerpt(value));
    }
    return std::string(value);
}

// --min-fee THRESHOLD:FEE, both whole won.
void minimumFeeOption(std::string_view value, CommandLine &commandLine) {
    const auto colon = value.find(':');
    const auto threshold = parseWholeNumber(value.substr(0, colon));
    const auto fee =
        colon == std::string_view::npos ? std::nullopt : parseWholeNumber(value.substr(colon + 1));
    if (!threshold || !fee || *threshold < 0 || *fee < 0) {
        throw UsageError("--min-fee takes THRESHOLD:FEE in whole won, such as 200000:500, not: " +
                         excerpt(value));
    }
    commandLine.minimumFeeRule = true;
    commandLine.minimumFeeThreshold = *threshold;
    commandLine.minimumFee = *fee;
}

class Arguments {
public:
    explicit Arguments(std::span<char *const> arguments) : arguments_(arguments) {}

    // Moves to the next argument; false past the last one. An option written "--name=value"
    // holds its value.
    bool next() {
        if (at_ >= arguments_.size()) {
            return false;
        }
        whole_ = arguments_[at_++];
        name_ = whole_;
        attached_.reset();
        if (const auto equals = whole_.find('=');
            whole_.starts_with("--") && equals != whole_.npos) {
            name_ = whole_.substr(0, equals);
            attached_ = whole_.substr(equals + 1);
        }
        return true;
    }

    std::string_view name() const { return name_; }
    std::string_view whole() const { return whole_; }
    bool hasValue() const { return attached_.has_value(); }

    // The option's value: after its '=' or the next argument.
    std::string_view value() {
        if (attached_) {
            return *attached_;
        }
        if (at_ >= arguments_.size()) {
            throw UsageError(std::string(name_) + " needs a value");
        }
        return arguments_[at_++];
    }

    // The value an option may go without: after its '=', or the next argument when that is
    // "-" or does not start with '-'.
    std::optional<std::string_view> optionalValue() {
        if (attached_) {
            return attached_;
        }
        if (at_ < arguments_.size()) {
            const std::string_view following = arguments_[at_];
            if (following == "-" || !following.starts_with('-')) {
                ++at_;
                return following;
            }
        }
        return std::nullopt;
    }

private:
    std::span<char *const> arguments_;
    std::size_t at_ = 0;
    std::string_view whole_;
    std::string_view name_;
    std::optional<std::string_view> attached_;
};

// Reads the journal's option at `arguments`, or returns false for a name that is none.
bool journalOption(Arguments &arguments, CommandLine &commandLine) {
    const std::string_view name = arguments.name();
    if (name == "--fee-rate") {
        commandLine.feeRate = rateOption(name, arguments.value());
    } else if (name == "--tax-rate") {
        commandLine.taxRate = rateOption(name, arguments.value());
    } else if (name == "--min-fee") {
        minimumFeeOption(arguments.value(), commandLine);
    } else if (name == "--market") {
        const std::string_view value = arguments.value();
        commandLine.market = mx::parseMarketName(value);
        if (!commandLine.market) {
            throw UsageError("--market takes kospi, kosdaq, konex or etf, not: " + excerpt(value));
        }
    } else if (name == "--rounding") {
        const std::string_view value = arguments.value();
        commandLine.rounding = parseStatementRounding(value);
        if (!commandLine.rounding) {
            throw UsageError("--rounding takes round, won or ten, not: " + excerpt(value));
        }
    } else if (name == "--no-min-fee" || name == "--rules" || name == "--no-rules" ||
               name == "--settings" || name == "--bom") {
        if (arguments.hasValue()) {
            throw UsageError(std::string(name) + " takes no value");
        }
        if (name == "--no-min-fee") {
            commandLine.minimumFeeRule = false;
        } else if (name == "--settings") {
            commandLine.savedOptions = true;
        } else if (name == "--bom") {
            commandLine.byteOrderMark = true;
        } else {
            commandLine.marketRules = name == "--rules";
        }
    } else {
        return false;
    }
    return true;
}

} // namespace

CommandLine parseCommandLine(std::span<char *const> arguments) {
    CommandLine commandLine;
    Arguments reader(arguments);
    std::string firstJournalOption;
    std::string firstLedgerOption;
    while (reader.next()) {
        const std::string_view name = reader.name();
        if (reader.whole() == "--help" || reader.whole() == "-h") {
            commandLine.action = CommandLine::Action::Help;
            return commandLine;
        }
        if (reader.whole() == "--version") {
            commandLine.action = CommandLine::Action::Version;
            return commandLine;
        }
        if (name == "--csv" || name == "--ledger") {
            const auto action =
                name == "--csv" ? CommandLine::Action::Journal : CommandLine::Action::Ledger;
            if (commandLine.action != CommandLine::Action::OneSheet &&
                commandLine.action != action) {
                throw UsageError("--csv and --ledger cannot be used together");
            }
            commandLine.action = action;
            commandLine.file = std::string(reader.optionalValue().value_or(""));
        } else if (name == "--sort" || name == "--summary") {
            if (reader.hasValue()) {
                throw UsageError(std::string(name) + " takes no value");
            }
            (name == "--sort" ? commandLine.sort : commandLine.summary) = true;
            if (firstLedgerOption.empty()) {
                firstLedgerOption = name;
            }
        } else if (journalOption(reader, commandLine)) {
            if (firstJournalOption.empty()) {
                firstJournalOption = name;
            }
        } else {
            throw UsageError("unknown argument: " + excerpt(reader.whole()));
        }
    }
    if (commandLine.action == CommandLine::Action::OneSheet && !firstJournalOption.empty()) {
        throw UsageError(firstJournalOption + " is an option of the journal, which needs --csv");
    }
    if (commandLine.action != CommandLine::Action::Ledger && !firstLedgerOption.empty()) {
        throw UsageError(firstLedgerOption + " is an option of the ledger, which needs --ledger");
    }
    return commandLine;
}

void applyCommandLine(const CommandLine &commandLine, JournalOptions &options) {
    CommissionOptions &commission = options.commission;
    if (commandLine.feeRate) {
        commission.feeRate = readRate(*commandLine.feeRate);
    }
    if (commandLine.taxRate) {
        commission.taxRate = readRate(*commandLine.taxRate);
    }
    if (commandLine.minimumFeeRule) {
        commission.minimumFeeRule = *commandLine.minimumFeeRule;
        if (commission.minimumFeeRule) {
            commission.minimumFeeThreshold = commandLine.minimumFeeThreshold;
            commission.minimumFee = commandLine.minimumFee;
        }
    }
    commission.marketRules = commandLine.marketRules.value_or(commission.marketRules);
    commission.market = commandLine.market.value_or(commission.market);
    commission.rounding = commandLine.rounding.value_or(commission.rounding);
    options.byteOrderMark = commandLine.byteOrderMark;
}

} // namespace mx::sheet_tool
