#include "tool_runner.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iconv.h>
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

ToolRun runProgram(const std::string &program, std::string_view input,
                   const std::vector<std::string> &arguments,
                   const std::vector<std::string> &environment, const Streams &streams) {
    TempFile in;
    TempFile out;
    TempFile err;
    writeAll(in.fd(), input);
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &argument : arguments) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("cannot start " + program);
    }
    if (child == 0) {
        dup2(streams.input.empty() ? in.fd() : open(streams.input.c_str(), O_RDONLY), STDIN_FILENO);
        dup2(streams.output.empty() ? out.fd() : open(streams.output.c_str(), O_WRONLY),
             STDOUT_FILENO);
        dup2(err.fd(), STDERR_FILENO);
        for (const std::string &entry : environment) {
            putenv(const_cast<char *>(entry.c_str()));
        }
        execv(program.c_str(), argv.data());
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

std::string toCp949(const std::string &utf8) {
    const iconv_t convert = iconv_open("CP949", "UTF-8");
    std::string out(2 * utf8.size(), '\0');
    char *in = const_cast<char *>(utf8.data());
    std::size_t inLeft = utf8.size();
    char *to = out.data();
    std::size_t outLeft = out.size();
    iconv(convert, &in, &inLeft, &to, &outLeft);
    iconv_close(convert);
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace mx::testing_support
