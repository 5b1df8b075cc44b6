#include "tool_runner.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace mx::testing_support {
namespace {

// A temporary file that is removed again when it goes out of scope.
class TempFile {
public:
    TempFile() {
        const char *dir = std::getenv("TMPDIR");
        path_ = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/mx_sheet_XXXXXX";
        fd_ = mkstemp(path_.data());
        if (fd_ < 0) {
            throw std::runtime_error("cannot create a temporary file");
        }
    }
    ~TempFile() {
        close(fd_);
        unlink(path_.c_str());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    int fd() const { return fd_; }

    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string path_;
    int fd_ = -1;
};

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written <= 0) {
            throw std::runtime_error("cannot write the tool's input");
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    lseek(fd, 0, SEEK_SET);
}

} // namespace

ToolRun runSheetTool(std::string_view input, const std::vector<std::string> &arguments,
                     const std::vector<std::string> &environment, const Streams &streams) {
    TempFile in;
    TempFile out;
    TempFile err;
    writeAll(in.fd(), input);
    std::vector<char *> argv{const_cast<char *>(MX_CAL_SHEET_PATH)};
    for (const std::string &argument : arguments) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("cannot start mx_cal_sheet");
    }
    if (child == 0) {
        dup2(streams.input.empty() ? in.fd() : open(streams.input.c_str(), O_RDONLY), STDIN_FILENO);
        dup2(streams.output.empty() ? out.fd() : open(streams.output.c_str(), O_WRONLY),
             STDOUT_FILENO);
        dup2(err.fd(), STDERR_FILENO);
        for (const std::string &entry : environment) {
            putenv(const_cast<char *>(entry.c_str()));
        }
        execv(MX_CAL_SHEET_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = out.contents();
    run.err = err.contents();
    return run;
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
