#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// What the settings need of the system they run on: whole files read and written safely, and
// the folders that hold them. This is the one place where Linux and Windows differ; each has
// its own source file (file_io_posix.cpp with the walk of own_paths.h, file_io_windows.cpp),
// and nothing above this header asks which system it runs on.
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
// without blocking, and what was opened is checked, so that a named pipe or a device never
// stops the caller, even one put in place a moment before.
FileContent readWholeFile(const QString &path, qint64 limit = defaultReadLimit);

// Writes `bytes` to a temporary file beside `path` and renames it over `path` in one step
// (rename; on Windows MoveFileExW, written through), so that a failure at any point leaves the
// old file whole. Every write, the sync to the disk and the closing are checked: a full disk
// cancels the save instead of cutting the file. A symbolic link of the user's own at `path`
// stays and its target is replaced; a file there that may not be written (on Windows: marked
// read-only), and anything but a regular file, is not replaced. On POSIX the existing file is
// opened once, without blocking, and checked on its descriptor; where it is written in place
// (in a folder that may not be written), it is written through that descriptor. Returns false,
// with the reason in `error`, when the file could not be written. `beforeCommit` runs after the
// temporary file holds every byte and before the rename; when it returns false the write is
// abandoned, as if the program had stopped there.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                    const std::function<bool()> &beforeCommit = {});

// Copies the regular file `from` to `to`, which must not exist yet, with its permissions,
// checking every step like writeWholeFile. The copy is made under a temporary name beside
// `to` and linked into place when whole, so that `to` never holds half a file.
bool copyRegularFile(const QString &from, const QString &to, QString *error = nullptr);

// The steps of writing a file that can fail on their own.
enum class WriteStep { Create, Write, Sync, Close, Rename };

// For each step about to run, 0 to let it run or an errno value to fail it with (its text, as
// the C library gives it, is the reason reported).
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

// The errno value with which the installed fault fails `step`, 0 when it lets it run.
int writeFaultFor(WriteStep step);

// Whether a folder that is missing may be created where a folder is looked up.
enum class MissingFolders { Create, Leave };

// Creates `folder` with its parents when missing, through no link of another user; a failure
// is ignored. A folder named by bytes that are not UTF-8 (see folderFromEnvironment) that was
// removed since it was opened is made again and reached anew.
void ensureFolder(const QString &folder);

// Creates the folder `path` with its parents when missing, as ensureFolder does; whether it
// can be reached afterwards.
bool makeFolder(const QString &path);

// Whether anything, even a dangling link, stands at `path`.
bool somethingAt(const QString &path);

// Makes at `to` (which must not exist) a symbolic link with the target of the link `from`,
// when `from` is the user's own or root's; another user's link is left out (true). Windows'
// links and shortcuts are not carried over (true).
bool copyOwnLink(const QString &from, const QString &to);

// Whether the file or folder `path` may be written: on Windows found out by making (and
// dropping at once) a file in the folder, since permissions are not marked on the folder.
bool mayWrite(const QString &path);

// Removes from `folder` the files of writes that a run of this program began and did not end:
// regular files of the user's own, named `name`, ".~mx", a process id, "-" and six random
// letters or digits, of a process that no longer runs. Nothing else is touched: no folder, no
// link, nothing of another user, and nothing at all when the folder cannot be reached without
// another user's link.
void removeLeftovers(const QString &folder);

// The folder named by the environment variable `name`, empty when it is unset. On POSIX a
// name in bytes that are not UTF-8 cannot be held in a QString without changing them: such a
// folder is created (unless `missing` says to leave a missing one alone), opened once and
// reached for the rest of the run through this process's descriptor of it
// ("/proc/self/fd/N"). On Windows the variable is read in UTF-16.
QString folderFromEnvironment(const char *name, MissingFolders missing);

// The user's folder for the settings of programs: on POSIX XDG_CONFIG_HOME when it is an
// absolute path, else ".config" in the home folder (HOME, or the system's record of the user);
// on Windows %APPDATA% (the roaming application data folder).
QString userConfigRoot(MissingFolders missing);

// `path` as messages show it: a folder reached through a descriptor by its own name, with
// the characters that are not UTF-8 replaced.
QString shownPath(const QString &path);

} // namespace mx::settings
