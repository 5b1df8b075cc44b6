#pragma once

#include <chrono>
#include <functional>
#include <grp.h>
#include <optional>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace mx::testing_support {

// Runs `body` in a child process as the user and group `id`, for the attacks of one local user
// on another. The child's exit status, or nothing when it could not become that user or did not
// end within `limit`: it is killed then, so that a test of something that must not block fails
// instead of hanging. Needs root.
inline std::optional<int> runAsUser(uid_t id, const std::function<int()> &body,
                                    std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const pid_t child = ::fork();
    if (child < 0) {
        return std::nullopt;
    }
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(id, id, id) != 0 ||
            ::setresuid(id, id, id) != 0) {
            ::_exit(125);
        }
        ::_exit(body());
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 125) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

} // namespace mx::testing_support
