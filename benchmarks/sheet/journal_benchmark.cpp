// mx_cal_sheet --csv over a journal of a million trades, and --ledger over a million fills of a
// thousand stocks, each beside its floor: a program that reads the same file, splits each row
// and writes as many fields back without pricing anything. Each runs as a child process, timed
// from its start to its end and measured for its peak resident memory. The journal mixes the
// four markets, dates on both sides of the tax change of 2025-12-29 and small trades below the
// minimum-fee rule's threshold; the ledger buys and sells in date order and never sells more
// than a stock holds.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr long journalRows = 1000000;
constexpr long ledgerRows = 1000000;
constexpr int ledgerStocks = 1000;
// The columns the journal and the ledger add to each row.
constexpr int journalAddedFields = 11;
constexpr int ledgerAddedFields = 9;

// A generated input file, removed again when the benchmarks end.
class InputFile {
public:
    explicit InputFile(const std::function<void(std::FILE *)> &write) {
        const char *dir = std::getenv("TMPDIR");
        path_ = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/mx_input_XXXXXX";
        const int fd = mkstemp(path_.data());
        std::FILE *out = fdopen(fd, "w");
        write(out);
        std::fclose(out);
    }
    ~InputFile() { unlink(path_.c_str()); }
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    const std::string &path() const { return path_; }

private:
    std::string path_;
};

void writeJournal(std::FILE *out) {
    std::fputs("date,market,quantity,buy,sell,memo\n", out);
    std::mt19937 random(20251229);
    const char *markets[] = {"kospi", "kosdaq", "코넥스", "etf", "KOSPI", ""};
    for (long row = 0; row < journalRows; ++row) {
        const int day = static_cast<int>(random() % 62); // 2025-12-01 .. 2026-01-31
        const int month = day < 31 ? 12 : 1;
        const int year = day < 31 ? 2025 : 2026;
        // One trade in four is small enough for the minimum fee on both sides.
        const bool small = random() % 4 == 0;
        const long quantity = small ? 1 + random() % 20 : 1 + random() % 3000;
        const long buy = small ? 1000 + random() % 9000 : 1000 + random() % 300000;
        const long sell = buy * (900 + static_cast<long>(random() % 200)) / 1000;
        std::fprintf(out, "%d-%02d-%02d,%s,%ld,%ld,%ld,row %ld\n", year, month, day % 31 + 1,
                     markets[random() % 6], quantity, buy, sell, row);
    }
}

// Fills over the 62 days from 2025-12-01, in date order; a stock sells part of what it holds,
// or buys when it holds nothing.
void writeLedger(std::FILE *out) {
    std::fputs("date,stock,side,quantity,price\n", out);
    std::mt19937 random(20260105);
    std::vector<long> held(ledgerStocks, 0);
    for (long row = 0; row < ledgerRows; ++row) {
        const int day = static_cast<int>(row * 62 / ledgerRows);
        const std::size_t stock = random() % ledgerStocks;
        const bool sell = held[stock] > 0 && random() % 3 == 0;
        const long quantity = sell ? 1 + static_cast<long>(random()) % held[stock]
                                   : 1 + static_cast<long>(random() % 500);
        held[stock] += sell ? -quantity : quantity;
        std::fprintf(out, "%d-%02d-%02d,A%06zu,%s,%ld,%ld\n", day < 31 ? 2025 : 2026,
                     day < 31 ? 12 : 1, day % 31 + 1, stock, sell ? "매도" : "매수", quantity,
                     1000 + static_cast<long>(random() % 300000));
    }
}

const InputFile &journal() {
    static const InputFile file(writeJournal);
    return file;
}

const InputFile &ledger() {
    static const InputFile file(writeLedger);
    return file;
}

// Reads a file, splits each line at its commas and writes its fields and `addedFields` more to
// standard output, through buffers of the tool's size.
int floorProgram(const std::string &path, int addedFields) {
    const int in = open(path.c_str(), O_RDONLY);
    std::vector<char> input(1 << 16);
    std::vector<char> output(1 << 16);
    std::size_t used = 0;
    std::string line;
    std::vector<std::string_view> fields;
    const auto put = [&](std::string_view text, char end) {
        if (used + text.size() + 1 > output.size()) {
            if (write(STDOUT_FILENO, output.data(), used) != static_cast<ssize_t>(used)) {
                std::exit(2);
            }
            used = 0;
        }
        std::copy(text.begin(), text.end(), output.data() + used);
        used += text.size();
        output[used++] = end;
    };
    for (ssize_t got; (got = read(in, input.data(), input.size())) > 0;) {
        for (const char c : std::string_view(input.data(), static_cast<std::size_t>(got))) {
            if (c != '\n') {
                line.push_back(c);
                continue;
            }
            fields.clear();
            std::size_t from = 0;
            for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos;
                 from = comma + 1) {
                fields.emplace_back(line.data() + from, comma - from);
            }
            fields.emplace_back(line.data() + from, line.size() - from);
            for (const std::string_view field : fields) {
                put(field, ',');
            }
            for (int i = 0; i < addedFields; ++i) {
                put(fields[static_cast<std::size_t>(i) % fields.size()],
                    i + 1 == addedFields ? '\n' : ',');
            }
            line.clear();
        }
    }
    return write(STDOUT_FILENO, output.data(), used) == static_cast<ssize_t>(used) ? 0 : 2;
}

struct ChildRun {
    double seconds = 0;
    long peakKiB = 0;
    int status = -1;
};

// Runs `child` in a process of its own with standard output to /dev/null.
template <typename Child> ChildRun runChild(Child child) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        _exit(child());
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    ChildRun run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The floors' times, for the tool's ratios to them.
double journalFloorSeconds = 0;
double ledgerFloorSeconds = 0;

// Runs `child` once per iteration and counts its rows per second and peak memory; returns the
// seconds of the last run.
double measure(benchmark::State &state, const InputFile &input, long rows,
               const std::function<int()> &child) {
    input.path(); // made before the first run is timed
    ChildRun run;
    for (auto _ : state) {
        run = runChild(child);
        if (run.status != 0) {
            state.SkipWithError("the child process failed");
            return 0;
        }
        state.SetIterationTime(run.seconds);
    }
    state.counters["rows_per_s"] = static_cast<double>(rows) / run.seconds;
    state.counters["peak_MiB"] = static_cast<double>(run.peakKiB) / 1024;
    return run.seconds;
}

// Runs mx_cal_sheet with `arguments` after the program's name.
int runTool(std::vector<const char *> arguments) {
    arguments.insert(arguments.begin(), MX_CAL_SHEET_PATH);
    arguments.push_back(nullptr);
    execv(MX_CAL_SHEET_PATH, const_cast<char **>(arguments.data()));
    return 127;
}

void BM_Floor(benchmark::State &state) {
    journalFloorSeconds = measure(state, journal(), journalRows, [] {
        return floorProgram(journal().path(), journalAddedFields);
    });
}
BENCHMARK(BM_Floor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Journal(benchmark::State &state) {
    const double seconds = measure(state, journal(), journalRows, [] {
        return runTool({"--csv", journal().path().c_str(), "--fee-rate", "0.015", "--rules",
                        "--rounding", "ten", "--min-fee", "200000:500"});
    });
    if (journalFloorSeconds > 0) {
        state.counters["x_floor"] = seconds / journalFloorSeconds;
    }
}
BENCHMARK(BM_Journal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LedgerFloor(benchmark::State &state) {
    ledgerFloorSeconds = measure(state, ledger(), ledgerRows, [] {
        return floorProgram(ledger().path(), ledgerAddedFields);
    });
}
BENCHMARK(BM_LedgerFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Ledger(benchmark::State &state) {
    const double seconds = measure(state, ledger(), ledgerRows, [] {
        return runTool({"--ledger", ledger().path().c_str(), "--fee-rate", "0.015", "--rules",
                        "--rounding", "won"});
    });
    if (ledgerFloorSeconds > 0) {
        state.counters["x_floor"] = seconds / ledgerFloorSeconds;
    }
}
BENCHMARK(BM_Ledger)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
