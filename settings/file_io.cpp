// Not QSaveFile: it follows other users' links, drops the owner, truncates when writing in place.
#include "file_io.h"

#include "own_paths.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace mx::settings {
namespace {

// Page-sized writes, each checked on its own.
constexpr qint64 chunkSize = 4096;

WriteFault &installedFault() {
    static WriteFault fault;
    return fault;
}

// False, with errno set, when the installed fault fails `step`.
bool stepAllowed(WriteStep step) {
    const WriteFault &fault = installedFault();
    const int error = fault ? fault(step) : 0;
    if (error != 0) {
        errno = error;
        return false;
    }
    return true;
}

// The reason given when what was opened is a folder, a pipe, a device or a socket.
constexpr int notRegularFile = -1;

QString systemError(int error) {
    if (error == notRegularFile) {
        return QStringLiteral("not a regular file");
    }
    if (error == untrustedLink) {
        return QStringLiteral("a symbolic link of another user");
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor when it goes out of scope, unless it was closed and checked before.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        if (!stepAllowed(WriteStep::Close)) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return false;
        }
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Opens what `resolved` leads to without blocking (a pipe with no writer would hold the caller
// forever) and checks that what was opened is a regular file. A link put in its place since it
// was resolved is not followed.
int openRegularFile(const ResolvedPath &resolved, struct stat *info, int *error) {
    if (resolved.error != 0) {
        *error = resolved.error;
        return -1;
    }
    const int fd =
        ::open(resolved.path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    if (::fstat(fd, info) != 0) {
        *error = errno;
    } else if (!S_ISREG(info->st_mode)) {
        *error = notRegularFile;
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

bool writeAll(int fd, const char *data, qint64 size) {
    while (size > 0) {
        if (!stepAllowed(WriteStep::Write)) {
            return false;
        }
        const ssize_t written =
            ::write(fd, data, static_cast<std::size_t>(std::min(size, chunkSize)));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Reads `fd` to its end, handing each chunk to `take`, and stops early when `take` returns
// false. 0, or the errno of the read that failed.
int readChunks(int fd, const std::function<bool(const char *, qint64)> &take) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno;
        }
        if (got == 0 || !take(buffer, got)) {
            return 0;
        }
    }
}

// Brings a written file to the disk and closes it, checking both.
bool syncAndClose(Descriptor &file) {
    if (!stepAllowed(WriteStep::Sync) || ::fsync(file.get()) != 0) {
        return false;
    }
    return file.close();
}

// A new file beside `target`, named by temporaryName.
int createTemporary(const QByteArray &target, QByteArray *name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = temporaryName(target);
        if (!stepAllowed(WriteStep::Create)) {
            return -1;
        }
        const int fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *name = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Makes a renamed file last; there is nothing left to undo when this fails.
void syncFolderOf(const QByteArray &file) {
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? file.left(slash) : slash == 0 ? "/" : ".";
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool failed(QString *error, int code) {
    if (error != nullptr) {
        *error = systemError(code);
    }
    return false;
}

// Writes `bytes` over the existing file `target` itself. Room for the new length is claimed
// before the first byte is written, so that a full disk leaves the old content as it was; every
// write, the sync and the close are checked.
bool writeInPlace(const QByteArray &target, const QByteArray &bytes, QString *error) {
    if (!stepAllowed(WriteStep::Create)) {
        return failed(error, errno);
    }
    Descriptor file(::open(target.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!file.valid()) {
        return failed(error, errno);
    }
    const int room = ::posix_fallocate(file.get(), 0, std::max<qint64>(bytes.size(), 1));
    if (room != 0 && room != EOPNOTSUPP && room != EINVAL) {
        return failed(error, room);
    }
    if (!writeAll(file.get(), bytes.constData(), bytes.size()) ||
        ::ftruncate(file.get(), bytes.size()) != 0 || !syncAndClose(file)) {
        return failed(error, errno);
    }
    return true;
}

} // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault)
    : previous_(std::exchange(installedFault(), std::move(fault))) {}

ScopedWriteFault::~ScopedWriteFault() {
    installedFault() = std::move(previous_);
}

FileContent readWholeFile(const QString &path, qint64 limit) {
    FileContent content;
    const ResolvedPath resolved = followOwnLinks(QFile::encodeName(path));
    struct stat info {};
    int error = 0;
    const Descriptor file(openRegularFile(resolved, &info, &error));
    if (!file.valid()) {
        struct stat link {};
        // Nothing there, or a link of the user's own to a file not made yet: a missing file.
        if ((error == ENOENT || error == ENOTDIR) &&
            ::lstat(resolved.path.constData(), &link) != 0) {
            return content;
        }
        content.state = FileContent::State::Unreadable;
        content.error = systemError(error);
        return content;
    }
    content.state = FileContent::State::Unreadable;
    if (info.st_size > limit) {
        content.error = QStringLiteral("file too large");
        return content;
    }
    // Read beyond the limit so that a file that grows while it is read is caught.
    QByteArray bytes;
    const int failure = readChunks(file.get(), [&](const char *data, qint64 size) {
        bytes.append(data, size);
        return bytes.size() <= limit;
    });
    if (failure != 0) {
        content.error = systemError(failure);
        return content;
    }
    if (bytes.size() > limit) {
        content.error = QStringLiteral("file too large");
        return content;
    }
    content.state = FileContent::State::Read;
    content.bytes = std::move(bytes);
    return content;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                    const std::function<bool()> &beforeCommit) {
    const ResolvedPath resolved = followOwnLinks(QFile::encodeName(path));
    if (resolved.error != 0) {
        return failed(error, resolved.error);
    }
    const QByteArray &target = resolved.path;
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return failed(error, S_ISDIR(existing.st_mode) ? EISDIR : notRegularFile);
    }
    // A file marked read-only keeps its content, as it would if it were written in place.
    if (exists && ::access(target.constData(), W_OK) != 0) {
        return failed(error, errno);
    }
    QByteArray temporary;
    Descriptor file(createTemporary(target, &temporary));
    if (!file.valid()) {
        // A folder that may not be written around a file that may: the file is written where
        // it stands.
        const int reason = errno;
        return exists && (reason == EACCES || reason == EPERM || reason == EROFS)
                   ? writeInPlace(target, bytes, error)
                   : failed(error, reason);
    }
    const auto cancel = [&](int code) {
        ::unlink(temporary.constData());
        return failed(error, code);
    };
    if (exists) {
        ::fchmod(file.get(), existing.st_mode & 07777);
        // The replacement keeps the owner and group of the file it replaces; where it may not
        // (the file is another user's), the file is written where it stands instead.
        if (::fchown(file.get(), existing.st_uid, existing.st_gid) != 0) {
            ::unlink(temporary.constData());
            return writeInPlace(target, bytes, error);
        }
    }
    if (!writeAll(file.get(), bytes.constData(), bytes.size())) {
        return cancel(errno);
    }
    if (beforeCommit && !beforeCommit()) {
        return cancel(EINTR);
    }
    if (!syncAndClose(file)) {
        return cancel(errno);
    }
    if (!stepAllowed(WriteStep::Rename) ||
        ::rename(temporary.constData(), target.constData()) != 0) {
        return cancel(errno);
    }
    if (!exists) {
        giveToFolderOwner(target);
    }
    syncFolderOf(target);
    return true;
}

bool copyRegularFile(const QString &from, const QString &to, QString *error) {
    struct stat info {};
    int code = 0;
    const Descriptor source(openRegularFile(followOwnLinks(QFile::encodeName(from)), &info, &code));
    if (!source.valid()) {
        return failed(error, code);
    }
    const QByteArray name = QFile::encodeName(to);
    if (!stepAllowed(WriteStep::Create)) {
        return failed(error, errno);
    }
    Descriptor copy(
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 07777));
    if (!copy.valid()) {
        return failed(error, errno);
    }
    const auto cancel = [&](int reason) {
        ::unlink(name.constData());
        return failed(error, reason);
    };
    int writeFailure = 0;
    const int readFailure = readChunks(source.get(), [&](const char *data, qint64 size) {
        if (writeAll(copy.get(), data, size)) {
            return true;
        }
        writeFailure = errno;
        return false;
    });
    if (readFailure != 0 || writeFailure != 0) {
        return cancel(readFailure != 0 ? readFailure : writeFailure);
    }
    if (!syncAndClose(copy)) {
        return cancel(errno);
    }
    return true;
}

} // namespace mx::settings
