// Reading and writing whole files, and the folders that hold them, on Windows: paths in UTF-16
// (long ones too), a file replaced by MoveFileExW after it was flushed to the disk, and nothing
// opened that is not a file on a disk.
#include "file_io.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <shlobj.h>
#include <utility>
#include <windows.h>

namespace mx::settings {
namespace {

constexpr DWORD chunkSize = 4096;

// A failure: the errno value of a fault the tests installed, or a Windows error code.
struct Failure {
    int errnoValue = 0;
    DWORD windowsError = 0;
};

// False, with the failure in `failure`, when the installed fault fails `step`.
bool stepAllowed(WriteStep step, Failure *failure) {
    const int error = writeFaultFor(step);
    if (error != 0) {
        *failure = {error, 0};
        return false;
    }
    return true;
}

Failure lastError() {
    return {0, GetLastError()};
}

QString describe(const Failure &failure) {
    if (failure.errnoValue != 0) {
        return QString::fromLocal8Bit(std::strerror(failure.errnoValue));
    }
    wchar_t *text = nullptr;
    const DWORD size = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, failure.windowsError, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString message = size > 0 ? QString::fromWCharArray(text, static_cast<int>(size)).trimmed()
                               : QStringLiteral("error %1").arg(failure.windowsError);
    LocalFree(text);
    return message;
}

bool failed(QString *error, const Failure &failure) {
    if (error != nullptr) {
        *error = describe(failure);
    }
    return false;
}

bool failed(QString *error, const QString &reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

// `path` as the wide-character functions take it: absolute, with backslashes, and with the
// prefix that lifts the limit of 260 characters and takes every name as a name (a file named
// NUL is no device then). A path into the device namespace stays as it is.
std::wstring native(const QString &path) {
    const QString given = QDir::toNativeSeparators(path);
    if (given.startsWith(QLatin1String("\\\\.\\")) || given.startsWith(QLatin1String("\\\\?\\"))) {
        return given.toStdWString();
    }
    const QString full =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (full.startsWith(QLatin1String("\\\\"))) {
        return (QLatin1String("\\\\?\\UNC\\") + full.mid(2)).toStdWString();
    }
    return (QLatin1String("\\\\?\\") + full).toStdWString();
}

constexpr char temporaryMark[] = ".~mx";

// A name beside `target` for a file being written: `target`, ".~mx", this process's id, "-"
// and six random letters or digits.
QString temporaryName(const QString &target) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + QLatin1String(temporaryMark) + QString::number(GetCurrentProcessId()) +
                   QLatin1Char('-');
    for (int i = 0; i < 6; ++i) {
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    }
    return name;
}

// Closes a handle when it goes out of scope, unless it was closed and checked before.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes without a check: what was written is being thrown away.
    void discard() {
        if (valid()) {
            CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
        }
    }
    bool close(Failure *failure) {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        if (!stepAllowed(WriteStep::Close, failure)) {
            CloseHandle(handle);
            return false;
        }
        if (!CloseHandle(handle)) {
            *failure = lastError();
            return false;
        }
        return true;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, const char *data, qint64 size, Failure *failure) {
    while (size > 0) {
        if (!stepAllowed(WriteStep::Write, failure)) {
            return false;
        }
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<qint64>(size, chunkSize));
        if (!WriteFile(file, data, chunk, &written, nullptr)) {
            *failure = lastError();
            return false;
        }
        if (written == 0) {
            *failure = {0, ERROR_DISK_FULL};
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool flushAndClose(Handle &file, Failure *failure) {
    if (!stepAllowed(WriteStep::Sync, failure)) {
        return false;
    }
    if (!FlushFileBuffers(file.get())) {
        *failure = lastError();
        return false;
    }
    return file.close(failure);
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Opens `path` for reading and checks that it is a file on a disk: not a folder, a pipe or a
// device.
HANDLE openRegularFile(const std::wstring &path, Failure *failure, QString *notRegular) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *failure = lastError();
        return file;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(file);
        *notRegular = QStringLiteral("not a regular file");
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

// Moves the written file `from` over `to` in one step, on the disk before it returns. A
// scanner or indexer that holds the old file for a moment delays the move a little.
bool replace(const std::wstring &from, const std::wstring &to, Failure *failure) {
    if (!stepAllowed(WriteStep::Rename, failure)) {
        return false;
    }
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        if (attempt == 10 || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
                              error != ERROR_LOCK_VIOLATION)) {
            *failure = {0, error};
            return false;
        }
        QThread::msleep(20);
    }
}

// The marks of a replaced file that its replacement takes over.
constexpr DWORD keptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A new file beside `target`, named by temporaryName.
HANDLE createTemporary(const QString &target, std::wstring *name, Failure *failure) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring candidate = native(temporaryName(target));
        if (!stepAllowed(WriteStep::Create, failure)) {
            return INVALID_HANDLE_VALUE;
        }
        const HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            *name = candidate;
            return file;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            *failure = lastError();
            return INVALID_HANDLE_VALUE;
        }
    }
    *failure = {0, ERROR_FILE_EXISTS};
    return INVALID_HANDLE_VALUE;
}

// Writes `bytes` over the existing file `target` itself. Room for the new length is claimed
// before the first byte is written, so that a full disk leaves the old content as it was.
bool writeInPlace(const std::wstring &target, const QByteArray &bytes, QString *error) {
    Failure failure;
    if (!stepAllowed(WriteStep::Create, &failure)) {
        return failed(error, failure);
    }
    Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return failed(error, lastError());
    }
    // Claiming less than the file holds would cut it: only ever more.
    LARGE_INTEGER size{};
    GetFileSizeEx(file.get(), &size);
    FILE_ALLOCATION_INFO room{};
    room.AllocationSize.QuadPart = std::max<qint64>({bytes.size(), size.QuadPart, 1});
    if (!SetFileInformationByHandle(file.get(), FileAllocationInfo, &room, sizeof room) &&
        GetLastError() == ERROR_DISK_FULL) {
        return failed(error, lastError());
    }
    LARGE_INTEGER end{};
    end.QuadPart = bytes.size();
    if (!writeAll(file.get(), bytes.constData(), bytes.size(), &failure)) {
        return failed(error, failure);
    }
    if (!SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get())) {
        return failed(error, lastError());
    }
    return flushAndClose(file, &failure) || failed(error, failure);
}

bool processRuns(DWORD pid) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        // A process that runs under another account cannot be opened, but runs.
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

} // namespace

FileContent readWholeFile(const QString &path, qint64 limit) {
    FileContent content;
    Failure failure;
    QString notRegular;
    const Handle file(openRegularFile(native(path), &failure, &notRegular));
    if (!file.valid()) {
        if (notRegular.isEmpty() && isMissing(failure.windowsError)) {
            return content;
        }
        content.state = FileContent::State::Unreadable;
        content.error = notRegular.isEmpty() ? describe(failure) : notRegular;
        return content;
    }
    content.state = FileContent::State::Unreadable;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > limit) {
        content.error = QStringLiteral("file too large");
        return content;
    }
    // Read beyond the limit so that a file that grows while it is read is caught.
    QByteArray bytes;
    char buffer[65536];
    DWORD got = 0;
    while (bytes.size() <= limit) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            content.error = describe(lastError());
            return content;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, got);
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
    const std::wstring target = native(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && !isMissing(GetLastError())) {
        return failed(error, lastError());
    }
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return failed(error, Failure{EISDIR, 0});
    }
    // A file marked read-only keeps its content.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return failed(error, Failure{EACCES, 0});
    }
    Failure failure;
    std::wstring temporary;
    Handle file(createTemporary(path, &temporary, &failure));
    if (!file.valid()) {
        // A folder that may not be written around a file that may: the file is written where
        // it stands.
        const bool denied =
            failure.windowsError == ERROR_ACCESS_DENIED || failure.errnoValue == EACCES;
        return exists && denied ? writeInPlace(target, bytes, error) : failed(error, failure);
    }
    const auto cancel = [&](const Failure &reason) {
        file.discard();
        DeleteFileW(temporary.c_str());
        return failed(error, reason);
    };
    if (!writeAll(file.get(), bytes.constData(), bytes.size(), &failure)) {
        return cancel(failure);
    }
    if (beforeCommit && !beforeCommit()) {
        return cancel(Failure{EINTR, 0});
    }
    if (!flushAndClose(file, &failure)) {
        return cancel(failure);
    }
    if (exists) {
        // The new file keeps the marks of the one it replaces (hidden, not indexed).
        SetFileAttributesW(temporary.c_str(), attributes & keptAttributes);
    }
    if (!replace(temporary, target, &failure)) {
        return cancel(failure);
    }
    return true;
}

bool copyRegularFile(const QString &from, const QString &to, QString *error) {
    Failure failure;
    QString notRegular;
    const Handle source(openRegularFile(native(from), &failure, &notRegular));
    if (!source.valid()) {
        return notRegular.isEmpty() ? failed(error, failure) : failed(error, notRegular);
    }
    const std::wstring target = native(to);
    std::wstring temporary;
    Handle copy(createTemporary(to, &temporary, &failure));
    if (!copy.valid()) {
        return failed(error, failure);
    }
    const auto cancel = [&](const Failure &reason) {
        copy.discard();
        DeleteFileW(temporary.c_str());
        return failed(error, reason);
    };
    char buffer[65536];
    for (DWORD got = 0;;) {
        if (!ReadFile(source.get(), buffer, sizeof buffer, &got, nullptr)) {
            return cancel(lastError());
        }
        if (got == 0) {
            break;
        }
        if (!writeAll(copy.get(), buffer, got, &failure)) {
            return cancel(failure);
        }
    }
    if (!flushAndClose(copy, &failure)) {
        return cancel(failure);
    }
    // Into place only while nothing stands there, so that `to` never holds half a file.
    if (!stepAllowed(WriteStep::Rename, &failure)) {
        return cancel(failure);
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return cancel(lastError());
    }
    return true;
}

bool makeFolder(const QString &path) {
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

void ensureFolder(const QString &folder) {
    makeFolder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

bool somethingAt(const QString &path) {
    return GetFileAttributesW(native(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool copyOwnLink(const QString &, const QString &) {
    return true;
}

bool mayWrite(const QString &path) {
    const std::wstring name = native(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        // Opened for writing and closed again at once: the file stays as it was.
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        CloseHandle(file);
        return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    }
    // A folder tells nothing of who may write in it: a file of the leftover kind, made and
    // dropped at once, does.
    const HANDLE probe = CreateFileW(native(temporaryName(path + QLatin1String("/.probe"))).c_str(),
                                     GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(probe);
    return true;
}

void removeLeftovers(const QString &folder) {
    static const QRegularExpression written(QStringLiteral("^.+\\.~mx([0-9]+)-[a-z0-9]{6}$"));
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = written.match(name);
        if (!match.hasMatch()) {
            continue;
        }
        const std::wstring path = native(dir.filePath(name));
        const DWORD attributes = GetFileAttributesW(path.c_str());
        const auto pid = static_cast<DWORD>(match.captured(1).toULong());
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
            !processRuns(pid)) {
            DeleteFileW(path.c_str());
        }
    }
}

QString folderFromEnvironment(const char *name, MissingFolders) {
    return QDir::fromNativeSeparators(qEnvironmentVariable(name));
}

QString userConfigRoot(MissingFolders) {
    QString root = qEnvironmentVariable("APPDATA");
    if (root.isEmpty()) {
        wchar_t *known = nullptr;
        if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK) {
            root = QString::fromWCharArray(known);
        }
        CoTaskMemFree(known);
    }
    return QDir::fromNativeSeparators(root);
}

QString shownPath(const QString &path) {
    return path;
}

} // namespace mx::settings
