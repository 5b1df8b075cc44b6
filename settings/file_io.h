#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace mx::settings {

// The whole content of a file that exists and can be read.
struct FileContent {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    QByteArray bytes;
    QString error; // why an existing file could not be read
};

// The most that reading a file takes unless told otherwise: 1 MiB, far more than any settings
// file holds.
inline constexpr qint64 defaultReadLimit = 1024 * 1024;

// Reads `path`; anything but a regular file of at most `limit` bytes counts as unreadable, as
// does a path that leads through another user's symbolic link. The file is opened once,
// without blocking, and the opened descriptor is checked, so that a named pipe or a device
// never stops the caller, even one put in place a moment before.
FileContent readWholeFile(const QString &path, qint64 limit = defaultReadLimit);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so that a
// failure at any point leaves the old file whole. Every write, the sync to the disk and the
// closing are checked: a full disk cancels the save instead of cutting the file. A symbolic
// link of the user's own at `path` stays and its target is replaced; a file there that may
// not be written, and anything but a regular file, is not replaced. The existing file is
// opened once, without blocking, and checked on its descriptor; where it is written in place
// (see below), it is written through that descriptor. Returns false, with the reason in `error`,
// when the file could not be written. `beforeCommit` runs after the temporary file holds every byte
// and before the rename; when it returns false the write is abandoned, as if the program had
// stopped there.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                    const std::function<bool()> &beforeCommit = {});

// Copies the regular file `from` to `to`, which must not exist yet, with its permissions,
// checking every step like writeWholeFile. The copy is made under a temporary name beside
// `to` and linked into place when whole, so that `to` never holds half a file.
bool copyRegularFile(const QString &from, const QString &to, QString *error = nullptr);

// The steps of writing a file that can fail on their own.
enum class WriteStep { Create, Write, Sync, Close, Rename };

// For each step about to run, 0 to let it run or an errno value to fail it with.
using WriteFault = std::function<int(WriteStep)>;

// While it lives, every file written by this process fails where `fault` says: the seam
// through which tests reach the failure paths of a full or broken disk.
class ScopedWriteFault {
public:
    explicit ScopedWriteFault(WriteFault fault);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault &) = delete;
    ScopedWriteFault &operator=(const ScopedWriteFault &) = delete;

private:
    WriteFault previous_;
};

} // namespace mx::settings
