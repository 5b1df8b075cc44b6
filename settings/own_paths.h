#pragma once

#include <QByteArray>
#include <QString>

namespace mx::settings {

// Paths that the settings read and write, held to what belongs to the user running the
// program: symbolic links are followed only where the user (or root) made them, and what an
// interrupted run of this program left behind is recognised by its name.

// Where `path` really leads: symbolic links at the file and at its folder are followed when
// they belong to the user running the program or to root. A link of anybody else fails the
// path with `untrustedLink`, as does a chain of more than 40 links (ELOOP). What the path
// leads to need not exist: a dangling link of the user's own leads to the file to be made.
struct ResolvedPath {
    QByteArray path;
    int error = 0; // 0, untrustedLink or an errno value
};
inline constexpr int untrustedLink = -2;
ResolvedPath followOwnLinks(const QByteArray &path);

// A name beside `target` for a file being written: `target`, ".~mx", this process's id, "-" and
// six random letters or digits.
QByteArray temporaryName(const QByteArray &target);

// Removes from `folder` the files of writes that a run of this program began and did not end
// (named by temporaryName after a process that no longer runs), and the hidden staging folders
// that earlier versions left beside the configuration folder while they copied it
// (".mx_cal-" and six letters or digits). Nothing else is touched, nothing of another user.
void removeLeftovers(const QString &folder);

// Run as root on a folder of another user (sudo -E keeps the user's environment), a file or
// folder this program makes there belongs to that folder's owner, so that the user can still
// save. Does nothing for any other user.
void giveToFolderOwner(const QByteArray &path);

} // namespace mx::settings
