#include "own_paths.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace mx::settings {
namespace {

constexpr char temporaryMark[] = ".~mx";

QByteArray folderOf(const QByteArray &path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : slash == 0 ? QByteArray("/") : QByteArray(".");
}

bool ownedByUser(const struct stat &info) {
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// 0 when `path` is no link or a link of the user's own, else why it may not be followed.
int linkAllowed(const QByteArray &path, bool *isLink) {
    struct stat info {};
    *isLink = false;
    if (::lstat(path.constData(), &info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    *isLink = S_ISLNK(info.st_mode);
    return *isLink && !ownedByUser(info) ? untrustedLink : 0;
}

bool processRuns(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH);
}

bool ownEntry(const QString &path, bool folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid == ::geteuid() &&
           (folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode));
}

} // namespace

ResolvedPath followOwnLinks(const QByteArray &path) {
    QByteArray current = path;
    for (int hop = 0; hop <= 40; ++hop) {
        bool isLink = false;
        if (const int error = linkAllowed(folderOf(current), &isLink); error == untrustedLink) {
            return {current, error};
        }
        if (const int error = linkAllowed(current, &isLink); error != 0 || !isLink) {
            return {current, error};
        }
        char target[4096];
        const ssize_t size = ::readlink(current.constData(), target, sizeof target);
        if (size < 0 || size == sizeof target) {
            return {current, size < 0 ? errno : ENAMETOOLONG};
        }
        const QByteArray next(target, size);
        current = next.startsWith('/') ? next : folderOf(current) + '/' + next;
    }
    return {current, ELOOP};
}

QByteArray temporaryName(const QByteArray &target) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = target + temporaryMark + QByteArray::number(::getpid()) + '-';
    for (int i = 0; i < 6; ++i) {
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    }
    return name;
}

void removeLeftovers(const QString &folder) {
    static const QRegularExpression written(QStringLiteral("^.+\\.~mx([0-9]+)-[a-z0-9]{6}$"));
    static const QRegularExpression staging(QStringLiteral("^\\.mx_cal-[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        const QRegularExpressionMatch match = written.match(name);
        if (match.hasMatch() && !processRuns(match.captured(1).toLongLong()) &&
            ownEntry(path, false)) {
            QFile::remove(path);
        } else if (staging.match(name).hasMatch() && ownEntry(path, true)) {
            QDir(path).removeRecursively();
        }
    }
}

void giveToFolderOwner(const QByteArray &path) {
    struct stat folder {};
    if (::geteuid() != 0 || ::stat(folderOf(path).constData(), &folder) != 0 ||
        folder.st_uid == 0) {
        return;
    }
    // Best effort: the file or folder serves all the same when it stays root's.
    [[maybe_unused]] const int ignored = ::lchown(path.constData(), folder.st_uid, folder.st_gid);
}

} // namespace mx::settings
