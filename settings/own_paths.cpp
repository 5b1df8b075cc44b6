#include "own_paths.h"

#include "file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace mx::settings {
namespace {

constexpr char temporaryMark[] = ".~mx";
constexpr int mostLinks = 40;

// The names of `path` in the order they are walked, the first one last (a stack).
void pushNames(std::vector<QByteArray> &pending, const QByteArray &path) {
    const QList<QByteArray> names = path.split('/');
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        if (!name->isEmpty() && *name != ".") {
            pending.push_back(*name);
        }
    }
}

Descriptor openStart(const QByteArray &path) {
    return Descriptor(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// Whether a link of `owner` may steer what the program reads and writes: the user's own, or
// root's.
bool trustedOwner(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

struct Walk {
    Descriptor folder;
    QByteArray name; // the last name, when the walk stops before it
    int error = 0;
};

// The target of the link open at `link` (O_PATH | O_NOFOLLOW), read through that descriptor so
// that it is the link whose owner was checked.
int readLinkAt(int link, QByteArray *target) {
    char text[4096];
    const ssize_t size = ::readlinkat(link, "", text, sizeof text);
    if (size < 0) {
        return errno;
    }
    if (size == sizeof text) {
        return ENAMETOOLONG;
    }
    *target = QByteArray(text, size);
    return 0;
}

// How a walk treats the last name of its path.
enum class Last {
    Folder,   // opened as a folder like the names before it
    Followed, // handed back, a link of the user's own followed to the name it points at
    AsItIs,   // handed back as it stands, link or not
};

// Walks `path` from "/" (or the working folder) one name at a time, each folder opened below
// the one before. With `create`, missing folders are made on the way.
Walk walk(const QByteArray &path, Last mode, bool create) {
    const bool stopBeforeLast = mode != Last::Folder;
    Walk result;
    const auto fail = [&result](int error) {
        result.folder = Descriptor();
        result.error = error;
        return std::move(result);
    };
    result.folder = openStart(path);
    if (!result.folder.valid()) {
        return fail(errno);
    }
    std::vector<QByteArray> pending;
    pushNames(pending, path);
    int links = 0;
    bool made = false; // the folder of the name on top was just made
    while (!pending.empty()) {
        const QByteArray name = pending.back();
        const bool last = pending.size() == 1;
        Descriptor next(
            ::openat(result.folder.get(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid()) {
            const int error = errno;
            if (error == ENOENT && last && stopBeforeLast) {
                result.name = name;
                return result;
            }
            if (error != ENOENT || !create || made) {
                return fail(error);
            }
            if (::mkdirat(result.folder.get(), name.constData(), 0777) == 0) {
                giveToFolderOwner(result.folder.get(), name);
            } else if (errno != EEXIST) {
                return fail(errno);
            }
            made = true;
            continue;
        }
        made = false;
        struct stat info {};
        if (::fstat(next.get(), &info) != 0) {
            return fail(errno);
        }
        pending.pop_back();
        if (last && mode == Last::AsItIs) {
            result.name = name;
            return result;
        }
        if (S_ISLNK(info.st_mode)) {
            if (!trustedOwner(info.st_uid)) {
                return fail(untrustedLink);
            }
            QByteArray target;
            if (++links > mostLinks) {
                return fail(ELOOP);
            }
            if (const int error = readLinkAt(next.get(), &target); error != 0) {
                return fail(error);
            }
            if (target.startsWith('/')) {
                result.folder = openStart(target);
                if (!result.folder.valid()) {
                    return fail(errno);
                }
            }
            pushNames(pending, target);
            if (pending.empty() && stopBeforeLast) {
                return fail(EISDIR); // the link leads to "/" itself
            }
            continue;
        }
        if (last && stopBeforeLast) {
            result.name = name;
            return result;
        }
        if (!S_ISDIR(info.st_mode)) {
            return fail(ENOTDIR);
        }
        result.folder = std::move(next);
    }
    if (stopBeforeLast) {
        return fail(EISDIR); // a path of no name at all, such as "/" or "."
    }
    return result;
}

bool processRuns(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH);
}

// The id of the process whose unfinished write `name` is (see temporaryName), or 0.
qint64 writerOf(const QByteArray &name) {
    const qsizetype mark = name.lastIndexOf(temporaryMark);
    if (mark <= 0) {
        return 0;
    }
    const QByteArray tail = name.mid(mark + qsizetype(sizeof temporaryMark) - 1);
    const qsizetype dash = tail.indexOf('-');
    const QByteArray digits = tail.left(dash);
    const QByteArray random = tail.mid(dash + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isLetterOrDigit = [&](char c) { return isDigit(c) || (c >= 'a' && c <= 'z'); };
    if (dash <= 0 || random.size() != 6 || !std::all_of(digits.begin(), digits.end(), isDigit) ||
        !std::all_of(random.begin(), random.end(), isLetterOrDigit)) {
        return 0;
    }
    bool ok = false;
    const qint64 pid = digits.toLongLong(&ok);
    return ok ? pid : 0;
}

bool isUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

// A folder named by bytes that are not UTF-8, reached through a descriptor of this process.
struct FolderByBytes {
    QByteArray bytes;
    int descriptor = -1;
};

// The folders reached through a descriptor (see folderFromBytes), by the name that stands for
// them.
QHash<QString, FolderByBytes> &foldersByBytes() {
    static QHash<QString, FolderByBytes> folders;
    return folders;
}

QString homeFolder(const QByteArray &home, MissingFolders missing) {
    if (!home.isEmpty()) {
        return folderFromBytes(home, missing);
    }
    // Without HOME, the home folder the system keeps for the user.
    const struct passwd *entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? QFile::decodeName(entry->pw_dir)
                                                        : QString();
}

} // namespace

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.release();
    }
    return *this;
}

int Descriptor::release() {
    return std::exchange(fd_, -1);
}

PlacedName placeOwnPath(const QByteArray &path, LastLink last) {
    Walk walked = walk(path, last == LastLink::Followed ? Last::Followed : Last::AsItIs, false);
    return {std::move(walked.folder), walked.name, walked.error};
}

Descriptor openOwnFolder(const QByteArray &path, bool create) {
    return std::move(walk(path, Last::Folder, create).folder);
}

int openOwnFolderForReading(const QByteArray &path, bool create) {
    const Descriptor folder = openOwnFolder(path, create);
    return folder.valid() ? ::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
}

bool folderRemoved(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && info.st_nlink == 0;
}

void reopenFolder(int fd, const QByteArray &path) {
    const int fresh = openOwnFolderForReading(path, true);
    if (fresh >= 0) {
        ::dup3(fresh, fd, O_CLOEXEC);
        ::close(fresh);
    }
}

QByteArray temporaryName(const QByteArray &name) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary = name + temporaryMark + QByteArray::number(::getpid()) + '-';
    for (int i = 0; i < 6; ++i) {
        temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    }
    return temporary;
}

void removeLeftovers(const QString &folder) {
    const int listing = openOwnFolderForReading(QFile::encodeName(folder), false);
    if (listing < 0) {
        return;
    }
    const Descriptor place(::dup(listing));
    DIR *entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    std::vector<QByteArray> names;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (writerOf(name) != 0) {
            names.push_back(name);
        }
    }
    ::closedir(entries);
    for (const QByteArray &name : names) {
        struct stat info {};
        if (place.valid() &&
            ::fstatat(place.get(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && !processRuns(writerOf(name))) {
            ::unlinkat(place.get(), name.constData(), 0);
        }
    }
}

void giveToFolderOwner(int folder, const QByteArray &name) {
    struct stat owner {};
    if (::geteuid() != 0 || ::fstat(folder, &owner) != 0 || owner.st_uid == 0) {
        return;
    }
    // Best effort: the file or folder serves all the same when it stays root's.
    [[maybe_unused]] const int ignored =
        ::fchownat(folder, name.constData(), owner.st_uid, owner.st_gid, AT_SYMLINK_NOFOLLOW);
}

bool somethingAt(const QString &path) {
    const PlacedName placed = placeOwnPath(QFile::encodeName(path), LastLink::AsItIs);
    struct stat info {};
    return placed.error == 0 &&
           ::fstatat(placed.folder.get(), placed.name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool copyOwnLink(const QString &from, const QString &to) {
    const PlacedName source = placeOwnPath(QFile::encodeName(from), LastLink::AsItIs);
    const Descriptor link(source.error == 0 ? ::openat(source.folder.get(), source.name.constData(),
                                                       O_PATH | O_NOFOLLOW | O_CLOEXEC)
                                            : -1);
    struct stat info {};
    if (!link.valid() || ::fstat(link.get(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return false;
    }
    if (!trustedOwner(info.st_uid)) {
        return true; // another user's link is not carried over
    }
    QByteArray target;
    const PlacedName place = placeOwnPath(QFile::encodeName(to), LastLink::AsItIs);
    return readLinkAt(link.get(), &target) == 0 && place.error == 0 &&
           (::symlinkat(target.constData(), place.folder.get(), place.name.constData()) == 0 ||
            errno == EEXIST);
}

bool makeFolder(const QString &path) {
    return openOwnFolder(QFile::encodeName(path), true).valid();
}

void ensureFolder(const QString &folder) {
    // A folder reached through a descriptor is made again under its own name when it was
    // removed, and the descriptor pointed at the new one.
    for (auto it = foldersByBytes().cbegin(); it != foldersByBytes().cend(); ++it) {
        if ((folder == it.key() || folder.startsWith(it.key() + QLatin1Char('/'))) &&
            folderRemoved(it.value().descriptor)) {
            reopenFolder(it.value().descriptor, it.value().bytes);
        }
    }
    makeFolder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

bool mayWrite(const QString &path) {
    return QFileInfo(path).isWritable();
}

QString folderFromBytes(const QByteArray &bytes, MissingFolders missing) {
    if (isUtf8(bytes)) {
        return QFile::decodeName(bytes);
    }
    const int fd = openOwnFolderForReading(bytes, missing == MissingFolders::Create);
    if (fd < 0) {
        return QFile::decodeName(bytes);
    }
    const QString handle = QStringLiteral("/proc/self/fd/") + QString::number(fd);
    foldersByBytes().insert(handle, {bytes, fd});
    return handle;
}

QString folderFromEnvironment(const char *name, MissingFolders missing) {
    return folderFromBytes(qgetenv(name), missing);
}

QString xdgConfigRoot(const QByteArray &xdgConfigHome, const QByteArray &home,
                      MissingFolders missing) {
    // A relative XDG_CONFIG_HOME is to be ignored.
    if (xdgConfigHome.startsWith('/')) {
        return folderFromBytes(xdgConfigHome, missing);
    }
    return homeFolder(home, missing) + QStringLiteral("/.config");
}

QString userConfigRoot(MissingFolders missing) {
    return xdgConfigRoot(qgetenv("XDG_CONFIG_HOME"), qgetenv("HOME"), missing);
}

QString shownPath(const QString &path) {
    for (auto it = foldersByBytes().cbegin(); it != foldersByBytes().cend(); ++it) {
        if (path == it.key() || path.startsWith(it.key() + QLatin1Char('/'))) {
            return QString::fromUtf8(it.value().bytes) + path.mid(it.key().size());
        }
    }
    return path;
}

} // namespace mx::settings
