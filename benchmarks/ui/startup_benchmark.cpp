// Start-up of mx_cal beside its floor, a bare QMainWindow with the same font list built the
// same way: each program is started in turn, timed from its start to its first painted window,
// and measured for its peak resident memory. Prints the medians and their ratios.
//
//   mx_cal_startup_benchmark [runs]     (default 21)
//
// Run it on the display to be measured, for example an X server (DISPLAY set, or under
// xvfb-run); QT_QPA_PLATFORM and the rest of the environment pass through.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double milliseconds = 0;
    long peakKiB = 0;
};

// Starts `program`, waits for its "shown" line and its end; nothing when it failed.
bool startOnce(const char *program, Run &run) {
    int out[2];
    if (pipe(out) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string said;
    char buffer[64];
    ssize_t got = 0;
    while (said.find("shown") == std::string::npos &&
           (got = read(out[0], buffer, sizeof buffer)) > 0) {
        said.append(buffer, static_cast<std::size_t>(got));
    }
    const auto shown = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
    run.peakKiB = usage.ru_maxrss;
    return said.find("shown") != std::string::npos && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    // mx_cal keeps its settings in a folder of the benchmark's own, not in the user's.
    char folder[] = "/tmp/mx_cal_startup_XXXXXX";
    if (std::getenv("MX_CAL_DIR") == nullptr && mkdtemp(folder) != nullptr) {
        setenv("MX_CAL_DIR", folder, 1);
    }
    const char *programs[] = {MX_CAL_FIRST_SHOW, MX_CAL_BARE_FIRST_SHOW};
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    // One warm-up each, so that both start from the same file cache.
    for (const char *program : programs) {
        Run run;
        if (!startOnce(program, run)) {
            std::fprintf(stderr, "%s did not show its window\n", program);
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            Run run;
            if (!startOnce(programs[p], run)) {
                std::fprintf(stderr, "%s did not show its window\n", programs[p]);
                return 1;
            }
            times[p].push_back(run.milliseconds);
            peaks[p].push_back(run.peakKiB);
        }
    }
    const double time[2] = {median(times[0]), median(times[1])};
    const long peak[2] = {median(peaks[0]), median(peaks[1])};
    std::printf("start to first shown window, median of %d runs each\n", runs);
    std::printf("  mx_cal       %8.1f ms  peak RSS %7ld KiB\n", time[0], peak[0]);
    std::printf("  bare window  %8.1f ms  peak RSS %7ld KiB\n", time[1], peak[1]);
    std::printf("  ratio        %8.2f x   peak RSS %7.2f x\n", time[0] / time[1],
                double(peak[0]) / double(peak[1]));
    return 0;
}
