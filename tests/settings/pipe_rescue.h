#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace mx::testing_support {

// Guards a test that must not block on a named pipe: unless it is dismissed within `after`,
// it opens the pipe as a writer and closes it again, over and over, which releases a reader
// blocked in open() or read(). The test then fails on rescued() instead of hanging.
class PipeRescue {
public:
    explicit PipeRescue(const QString &pipe,
                        std::chrono::milliseconds after = std::chrono::seconds(5))
        : pipe_(QFile::encodeName(pipe)), thread_([this, after] { watch(after); }) {}
    ~PipeRescue() { dismiss(); }
    PipeRescue(const PipeRescue &) = delete;
    PipeRescue &operator=(const PipeRescue &) = delete;

    // Ends the watch; whether a rescue was needed stays readable.
    void dismiss() {
        {
            const std::lock_guard lock(mutex_);
            dismissed_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    bool rescued() const { return rescued_; }

private:
    void watch(std::chrono::milliseconds after) {
        std::unique_lock lock(mutex_);
        std::chrono::milliseconds wait = after;
        while (!wake_.wait_for(lock, wait, [this] { return dismissed_; })) {
            // Opening a pipe for reading and writing never blocks on Linux.
            const int fd = ::open(pipe_.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                rescued_ = true;
                ::close(fd);
            }
            wait = std::chrono::milliseconds(100);
        }
    }

    QByteArray pipe_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool dismissed_ = false;
    std::atomic<bool> rescued_ = false;
    std::thread thread_;
};

} // namespace mx::testing_support
