#pragma once

#include "file_io.h"

#include <QByteArray>
#include <QString>

namespace mx::settings {

// Paths that the settings read and write on POSIX, held to what belongs to the user running the
// program; with file_io_posix.cpp the POSIX side of file_io.h, and used by nothing else. This
// is the settings' only contact with the POSIX file system's paths and owners:
// a path is walked one name at a time, each folder opened below the one before without
// following a link, and a symbolic link is followed only where the user (or root) made it.
// What is done at the end of a walk is done through the folder descriptor the walk ended in,
// so that a link or folder renamed into the path meanwhile leads nowhere else.

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor &&other) noexcept : fd_(other.release()) {}
    Descriptor &operator=(Descriptor &&other) noexcept;
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Gives the descriptor up without closing it.
    int release();

private:
    int fd_ = -1;
};

// Why a path may not be followed: a symbolic link of another user on the way.
inline constexpr int untrustedLink = -2;

// Whether a symbolic link at the last name of a path is followed (when it is the user's own or
// root's) or taken as it stands.
enum class LastLink { Followed, AsItIs };

// Where the last name of `path` stands: the folder that holds it, opened by the walk, and the
// name itself, which need not exist. A link of the user's own there is followed unless `last`
// says otherwise, a dangling one to the name it points at. `error` is 0, untrustedLink (another
// user's link on the way), ELOOP (more than 40 links) or the errno of the folder that could not be
// opened (ENOENT or ENOTDIR when a folder on the way is missing or is no folder).
struct PlacedName {
    Descriptor folder; // an O_PATH descriptor, for the *at() calls
    QByteArray name;
    int error = 0;
};
PlacedName placeOwnPath(const QByteArray &path, LastLink last = LastLink::Followed);

// The folder `path` itself, walked the same way to its last name; with `create`, each folder
// missing on the way is made (and given to its folder's owner, see giveToFolderOwner). An
// O_PATH descriptor, invalid when the folder cannot be reached.
Descriptor openOwnFolder(const QByteArray &path, bool create);

// The same folder opened for reading (listing, syncing, naming through /proc/self/fd), or -1.
int openOwnFolderForReading(const QByteArray &path, bool create);

// Whether the folder open at `fd` has been removed since it was opened.
bool folderRemoved(int fd);

// Makes the folder `path` again and points the descriptor `fd` at it, keeping its number.
void reopenFolder(int fd, const QByteArray &path);

// A name beside `name` for a file being written: `name`, ".~mx", this process's id, "-" and
// six random letters or digits.
QByteArray temporaryName(const QByteArray &name);

// Run as root on a folder of another user (sudo -E keeps the user's environment), a file or
// folder this program makes there belongs to that folder's owner, so that the user can still
// save. Does nothing for any other user.
void giveToFolderOwner(int folder, const QByteArray &name);

// A folder named by bytes (see folderFromEnvironment): bytes that are UTF-8 as they are, others
// through a descriptor of this process.
QString folderFromBytes(const QByteArray &bytes, MissingFolders missing = MissingFolders::Create);

// The user's configuration folder by the XDG rules (see userConfigRoot) for the given values of
// XDG_CONFIG_HOME and HOME.
QString xdgConfigRoot(const QByteArray &xdgConfigHome, const QByteArray &home,
                      MissingFolders missing = MissingFolders::Create);

} // namespace mx::settings
