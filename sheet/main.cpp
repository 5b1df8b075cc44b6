// mx_cal_sheet: runs the Calculate command of MX 주식계산기 without a window. Directives on
// standard input, every field of the sheet on standard output; or, with --csv, a journal of
// trades in, each trade's fees, tax, net result and break-even price out; or, with --ledger,
// fills in, each one's figures and the position after it out.

#include "command_line.h"
#include "journal.h"
#include "ledger.h"
#include "report.h"
#include "saved_options.h"
#include "script.h"
#include "system.h"
#include "usage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using namespace mx::sheet_tool;

// The longest directive line taken: 1 MiB, far beyond the text of any field.
constexpr std::size_t longestLine = std::size_t{1} << 20;

// The lines of a file descriptor, each without its LF, read into a buffer that holds at most
// one line.
class LineReader {
public:
    LineReader(int fd, std::string name) : fd_(fd), name_(std::move(name)), buffer_(1 << 16) {}

    // The next line, valid until the next call; nothing at the end of the input. Throws
    // ScriptError for a line longer than longestLine and StreamError when reading fails.
    std::optional<std::string_view> next() {
        std::size_t scanned = begin_;
        for (;;) {
            const char *from = buffer_.data();
            const char *newline = std::find(from + scanned, from + end_, '\n');
            if (newline != from + end_ || (atEnd_ && begin_ < end_)) {
                const std::size_t stop = static_cast<std::size_t>(newline - from);
                const std::string_view line(from + begin_, stop - begin_);
                begin_ = std::min(stop + 1, end_);
                if (line.size() > longestLine) {
                    throw ScriptError("the line is longer than 1 MiB");
                }
                return line;
            }
            if (end_ - begin_ > longestLine) {
                throw ScriptError("the line is longer than 1 MiB");
            }
            if (atEnd_) {
                return std::nullopt;
            }
            scanned = end_ - begin_;
            readOn();
        }
    }

private:
    // Moves what is left of the buffer to its front, grows it when full, and reads on.
    void readOn() {
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
        end_ -= begin_;
        begin_ = 0;
        if (end_ == buffer_.size()) {
            buffer_.resize(std::min(buffer_.size() * 2, longestLine + 2));
        }
        for (;;) {
            const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
            if (got >= 0) {
                end_ += static_cast<std::size_t>(got);
                atEnd_ = got == 0;
                return;
            }
            if (errno != EINTR) {
                throw StreamError(name_ + ": cannot read: " + std::strerror(errno));
            }
        }
    }

    int fd_;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

// Writes all of `text` to standard output; throws StreamError when it cannot.
void writeOut(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(standardOutput, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw StreamError(std::string("standard output: cannot write: ") +
                              std::strerror(written == 0 ? ENOSPC : errno));
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

int oneSheet() {
    SheetScript script;
    LineReader in(standardInput, "standard input");
    long number = 1;
    try {
        for (std::optional<std::string_view> line; (line = in.next()); ++number) {
            script.apply(*line);
        }
        script.finish();
    } catch (const ScriptError &error) {
        std::cerr << "mx_cal_sheet: line " << number << ": " << error.what() << '\n';
        return 2;
    }
    std::ostringstream report;
    writeReport(report, script.sheet(), script.messages());
    writeOut(report.str());
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

// The journal, or with `ledger` the ledger, of the file the command line names.
int journal(const CommandLine &commandLine, bool ledger) {
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
        const long refused =
            ledger ? runLedger({options, commandLine.sort, commandLine.summary}, in, out, std::cerr)
                   : runJournal(options, in, out, std::cerr);
        return refused > 0 ? 1 : 0;
    } catch (const std::runtime_error &error) { // HeaderError, OrderError, StreamError
        std::cerr << "mx_cal_sheet: " << error.what() << '\n';
        return 2;
    }
}

int run(const CommandLine &commandLine) {
    switch (commandLine.action) {
    case CommandLine::Action::Help: {
        std::ostringstream help;
        help << usage;
        writeOut(help.str());
        return 0;
    }
    case CommandLine::Action::Version:
        writeOut("mx_cal_sheet " MX_CAL_VERSION "\n");
        return 0;
    case CommandLine::Action::Journal:
        return journal(commandLine, false);
    case CommandLine::Action::Ledger:
        return journal(commandLine, true);
    case CommandLine::Action::OneSheet:
        break;
    }
    return oneSheet();
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
    try {
        return run(commandLine);
    } catch (const StreamError &error) {
        std::cerr << "mx_cal_sheet: " << error.what() << '\n';
    } catch (const std::bad_alloc &) {
        std::cerr << "mx_cal_sheet: out of memory\n";
    }
    return 2;
}
