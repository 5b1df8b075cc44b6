// Not QSaveFile: it follows other users' links, drops the owner, truncates when writing in place.
// Reading and writing whole files on POSIX: every file is reached through the folder
// descriptor that the walk of own_paths ends in, opened once without blocking and checked on
// its descriptor.
#include "file_io.h"
#include "own_paths.h"

#include <QFile>
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

// The reasons of this file's own, beside errno values and untrustedLink.
constexpr int notRegularFile = -1;    // a folder, a pipe, a device or a socket
constexpr int replacedMeanwhile = -3; // the name was given to another file while it was written

// False, with errno set, when the installed fault fails `step`.
bool stepAllowed(WriteStep step) {
    const int error = writeFaultFor(step);
    if (error != 0) {
        errno = error;
        return false;
    }
    return true;
}

QString systemError(int error) {
    switch (error) {
    case notRegularFile:
        return QStringLiteral("not a regular file");
    case untrustedLink:
        return QStringLiteral("a symbolic link of another user");
    case replacedMeanwhile:
        return QStringLiteral("the file was replaced while it was written");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

bool failed(QString *error, int code) {
    if (error != nullptr) {
        *error = systemError(code);
    }
    return false;
}

// Closes a written file, checking the close.
bool closeChecked(Descriptor &file) {
    const int fd = file.release();
    if (!stepAllowed(WriteStep::Close)) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    return ::close(fd) == 0;
}

// Flags of every open of an existing name: a pipe with no writer would hold the caller
// forever, a link put there since the walk is not followed, a terminal does not become ours.
constexpr int existingFlags = O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;

// The regular file at `path`, opened for reading, or an invalid descriptor with the reason in
// `error`; ENOENT when there is nothing there.
Descriptor openRegularFile(const QString &path, struct stat *info, int *error) {
    const PlacedName placed = placeOwnPath(QFile::encodeName(path));
    if (placed.error != 0) {
        // A folder on the way that is missing, or is a file: nothing there either.
        *error = placed.error == ENOTDIR ? ENOENT : placed.error;
        return {};
    }
    Descriptor file(
        ::openat(placed.folder.get(), placed.name.constData(), O_RDONLY | existingFlags));
    if (!file.valid()) {
        *error = errno;
    } else if (::fstat(file.get(), info) != 0) {
        *error = errno;
    } else if (!S_ISREG(info->st_mode)) {
        *error = notRegularFile;
    } else {
        return file;
    }
    return {};
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
    return closeChecked(file);
}

// A new file in `folder` named by temporaryName after `target`.
Descriptor createTemporary(int folder, const QByteArray &target, QByteArray *name,
                           mode_t mode = 0666) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = temporaryName(target);
        if (!stepAllowed(WriteStep::Create)) {
            return {};
        }
        Descriptor file(::openat(folder, candidate.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (file.valid()) {
            *name = candidate;
            return file;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

// Makes a renamed file last; there is nothing left to undo when this fails.
void syncFolder(int folder) {
    const Descriptor listing(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listing.valid()) {
        ::fsync(listing.get());
    }
}

// Whether `name` in `folder` is still the file open at `file`.
bool stillNamed(int folder, const QByteArray &name, int file) {
    struct stat named {};
    struct stat opened {};
    return ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(file, &opened) == 0 && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
}

// Writes `bytes` over the existing file open at `file` itself. Room for the new length is
// claimed before the first byte is written, so that a full disk leaves the old content as it
// was; every write, the sync and the close are checked. A file that lost its name meanwhile
// (another file renamed over it) counts as not written.
bool writeInPlace(Descriptor &file, int folder, const QByteArray &name, const QByteArray &bytes,
                  QString *error) {
    const int room = ::posix_fallocate(file.get(), 0, std::max<qint64>(bytes.size(), 1));
    if (room != 0 && room != EOPNOTSUPP && room != EINVAL) {
        return failed(error, room);
    }
    if (!writeAll(file.get(), bytes.constData(), bytes.size()) ||
        ::ftruncate(file.get(), bytes.size()) != 0 || !stepAllowed(WriteStep::Sync) ||
        ::fsync(file.get()) != 0) {
        return failed(error, errno);
    }
    if (!stillNamed(folder, name, file.get())) {
        return failed(error, replacedMeanwhile);
    }
    return closeChecked(file) || failed(error, errno);
}

} // namespace

FileContent readWholeFile(const QString &path, qint64 limit) {
    FileContent content;
    struct stat info {};
    int error = 0;
    const Descriptor file = openRegularFile(path, &info, &error);
    if (!file.valid()) {
        if (error != ENOENT) {
            content.state = FileContent::State::Unreadable;
            content.error = systemError(error);
        }
        return content;
    }
    content.state = FileContent::State::Unreadable;
    if (info.st_size > limit) {
        content.error = QStringLiteral("file too large");
        return content;
    }
    // Read beyond the limit so that a file that grows while it is read is caught.
    QByteArray bytes;
    bytes.reserve(info.st_size);
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
    const PlacedName placed = placeOwnPath(QFile::encodeName(path));
    if (placed.error != 0) {
        return failed(error, placed.error);
    }
    const int folder = placed.folder.get();
    const QByteArray &name = placed.name;
    // Opened for writing, so that a file marked read-only keeps its content.
    Descriptor existing(::openat(folder, name.constData(), O_WRONLY | existingFlags));
    struct stat info {};
    if (!existing.valid()) {
        // A pipe without a reader (ENXIO) is as little a file as one with a reader.
        if (errno != ENOENT) {
            return failed(error, errno == ENXIO ? notRegularFile : errno);
        }
    } else if (::fstat(existing.get(), &info) != 0) {
        return failed(error, errno);
    } else if (!S_ISREG(info.st_mode)) {
        return failed(error, notRegularFile);
    }
    const bool exists = existing.valid();
    QByteArray temporary;
    Descriptor file = createTemporary(folder, name, &temporary);
    if (!file.valid()) {
        // A folder that may not be written around a file that may: the file is written where
        // it stands.
        const int reason = errno;
        return exists && (reason == EACCES || reason == EPERM || reason == EROFS)
                   ? writeInPlace(existing, folder, name, bytes, error)
                   : failed(error, reason);
    }
    const auto cancel = [&](int code) {
        ::unlinkat(folder, temporary.constData(), 0);
        return failed(error, code);
    };
    if (exists) {
        ::fchmod(file.get(), info.st_mode & 07777);
        // The replacement keeps the owner and group of the file it replaces; where it may not
        // (the file is another user's), the file is written where it stands instead.
        if (::fchown(file.get(), info.st_uid, info.st_gid) != 0) {
            ::unlinkat(folder, temporary.constData(), 0);
            return writeInPlace(existing, folder, name, bytes, error);
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
        ::renameat(folder, temporary.constData(), folder, name.constData()) != 0) {
        return cancel(errno);
    }
    if (!exists) {
        giveToFolderOwner(folder, name);
    }
    syncFolder(folder);
    return true;
}

bool copyRegularFile(const QString &from, const QString &to, QString *error) {
    struct stat info {};
    int code = 0;
    const Descriptor source = openRegularFile(from, &info, &code);
    if (!source.valid()) {
        return failed(error, code);
    }
    const PlacedName placed = placeOwnPath(QFile::encodeName(to));
    if (placed.error != 0) {
        return failed(error, placed.error);
    }
    const int folder = placed.folder.get();
    QByteArray temporary;
    Descriptor copy = createTemporary(folder, placed.name, &temporary, info.st_mode & 07777);
    if (!copy.valid()) {
        return failed(error, errno);
    }
    const auto cancel = [&](int reason) {
        ::unlinkat(folder, temporary.constData(), 0);
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
    // Never over a file that is there by now.
    const bool linked =
        ::linkat(folder, temporary.constData(), folder, placed.name.constData(), 0) == 0;
    const int reason = errno;
    ::unlinkat(folder, temporary.constData(), 0);
    return linked || failed(error, reason);
}

} // namespace mx::settings
