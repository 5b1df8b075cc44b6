#include "program_folder.h"

#include "file_io.h"
#include "own_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mx::settings {
namespace {

bool readableFolder(const QFileInfo &folder) {
    return folder.isDir() && folder.isReadable() && folder.isExecutable();
}

bool present(const QString &path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// Copies the regular file `from` to `to` unless something stands there by the time the copy is
// whole: the copy is made under a temporary name and linked into place, so that an interrupted
// copy never leaves a half file under the real name.
bool copyIntoPlace(const QString &from, const QString &to) {
    const QByteArray target = QFile::encodeName(to);
    const QByteArray temporary = temporaryName(target);
    if (!copyRegularFile(from, QFile::decodeName(temporary))) {
        return false;
    }
    const bool linked = ::link(temporary.constData(), target.constData()) == 0 || errno == EEXIST;
    ::unlink(temporary.constData());
    return linked;
}

// A symbolic link of the user's own made again at `to`, pointing where the old one pointed.
bool copyLink(const QFileInfo &link, const QString &to) {
    const QByteArray from = QFile::encodeName(link.filePath());
    if (followOwnLinks(from).error == untrustedLink) {
        return true; // another user's link is not carried over
    }
    const QString target = link.symLinkTarget();
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(to).constData()) ==
               0 ||
           errno == EEXIST;
}

// Carries what `from` holds and `to` lacks into the existing folder `to`; what `to` already has
// is kept. The settings file of the top folder comes last, and only when everything else came
// across, so that its presence tells that the folder is complete.
bool mergeContent(const QString &from, const QString &to, bool top) {
    if (!readableFolder(QFileInfo(from))) {
        return false;
    }
    bool complete = true;
    std::optional<QFileInfo> settingsFile;
    const QFileInfoList entries = QDir(from).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (top && entry.fileName() == QLatin1String("cal.ini")) {
            settingsFile = entry;
        } else if (entry.isSymLink()) {
            complete = (present(target) || copyLink(entry, target)) && complete;
        } else if (entry.isDir()) {
            const bool made = QFileInfo(target).isDir() || QDir().mkdir(target);
            complete = made && mergeContent(entry.filePath(), target, false) && complete;
        } else if (entry.isFile() && !present(target)) {
            complete = copyIntoPlace(entry.filePath(), target) && complete;
        }
    }
    const QString settingsTarget = settingsFilePath(to);
    if (settingsFile && complete && !present(settingsTarget)) {
        complete = settingsFile->isSymLink()
                       ? copyLink(*settingsFile, settingsTarget)
                       : copyIntoPlace(settingsFile->filePath(), settingsTarget);
    }
    return complete;
}

bool isUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

// The names shown for folders reached through a descriptor (see folderFromBytes).
QHash<QString, QString> &shownNames() {
    static QHash<QString, QString> names;
    return names;
}

// Creates the folder `path` and those above it, each given to its folder's owner when made by
// root in another user's folder.
void makeFolders(const QByteArray &path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(path.constData(), &info) == 0) {
        return;
    }
    const qsizetype slash = path.lastIndexOf('/');
    if (slash > 0) {
        makeFolders(path.left(slash));
    }
    if (::mkdir(path.constData(), 0777) == 0) {
        giveToFolderOwner(path);
    }
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

ProgramFolderChoice chooseProgramFolder(const ProgramFolderInputs &inputs) {
    if (!inputs.overrideDir.isEmpty()) {
        return {inputs.overrideDir, {}};
    }
    const QString portable = settingsFilePath(inputs.executableDir);
    if (inputs.fileExists(portable) && inputs.writable(portable) &&
        inputs.writable(inputs.executableDir)) {
        return {inputs.executableDir, {}};
    }
    // Until the folder has its own settings file, the earlier versions' folder still has
    // something to give it.
    if (!inputs.earlierUserConfigDir.isEmpty() &&
        inputs.folderExists(inputs.earlierUserConfigDir) &&
        !inputs.fileExists(settingsFilePath(inputs.userConfigDir))) {
        return {inputs.userConfigDir, inputs.earlierUserConfigDir};
    }
    return {inputs.userConfigDir, {}};
}

ProgramFolderInputs withDiskProbes(ProgramFolderInputs inputs) {
    inputs.fileExists = [](const QString &path) { return QFileInfo(path).isFile(); };
    inputs.folderExists = [](const QString &path) { return QFileInfo(path).isDir(); };
    inputs.writable = [](const QString &path) { return QFileInfo(path).isWritable(); };
    return inputs;
}

QString settingsFolderToRead(const ProgramFolderInputs &inputs) {
    const ProgramFolderChoice choice = chooseProgramFolder(inputs);
    const QString &folder = choice.migrateFrom.isEmpty() ? choice.folder : choice.migrateFrom;
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString setUpProgramFolder(const ProgramFolderInputs &inputs) {
    const ProgramFolderChoice choice = chooseProgramFolder(inputs);
    const QString folder = QDir::cleanPath(QFileInfo(choice.folder).absoluteFilePath());
    ensureFolder(folder);
    // A copy that did not bring the settings file is tried again at the next start; this run
    // uses the earlier folder, so that no setting is left behind.
    if (!choice.migrateFrom.isEmpty() && !mergeFolder(choice.migrateFrom, folder) &&
        !inputs.fileExists(settingsFilePath(folder))) {
        return QDir::cleanPath(choice.migrateFrom);
    }
    for (const QString &place : {folder, optionFolderPath(folder), analysisFolderPath(folder),
                                 QFileInfo(inputs.userConfigDir).absolutePath()}) {
        removeLeftovers(place);
    }
    return folder;
}

QString userConfigRoot(const QByteArray &xdgConfigHome, const QByteArray &home,
                       MissingFolders missing) {
    // A relative XDG_CONFIG_HOME is to be ignored.
    if (xdgConfigHome.startsWith('/')) {
        return folderFromBytes(xdgConfigHome, missing);
    }
    return homeFolder(home, missing) + QStringLiteral("/.config");
}

ProgramFolderInputs programFolderInputs(const QString &executableDir, MissingFolders missing) {
    const QString configRoot = userConfigRoot(qgetenv("XDG_CONFIG_HOME"), qgetenv("HOME"), missing);
    ProgramFolderInputs inputs;
    inputs.overrideDir = folderFromBytes(qgetenv("MX_CAL_DIR"), missing);
    inputs.executableDir = executableDir;
    inputs.userConfigDir = configRoot + QLatin1Char('/') + QLatin1String(userFolderName);
    inputs.earlierUserConfigDir =
        configRoot + QLatin1Char('/') + QString::fromUtf16(earlierUserFolderName);
    return withDiskProbes(std::move(inputs));
}

QString programFolder() {
    static const QString folder = setUpProgramFolder(
        programFolderInputs(QCoreApplication::applicationDirPath(), MissingFolders::Create));
    return folder;
}

bool mergeFolder(const QString &from, const QString &to) {
    ensureFolder(to);
    return QFileInfo(to).isDir() && mergeContent(from, to, true);
}

QString folderFromBytes(const QByteArray &bytes, MissingFolders missing) {
    if (isUtf8(bytes)) {
        return QFile::decodeName(bytes);
    }
    if (missing == MissingFolders::Create) {
        makeFolders(bytes);
    }
    const int fd = ::open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return QFile::decodeName(bytes);
    }
    const QString handle = QStringLiteral("/proc/self/fd/") + QString::number(fd);
    shownNames().insert(handle, QString::fromUtf8(bytes));
    return handle;
}

QString shownPath(const QString &path) {
    for (auto it = shownNames().cbegin(); it != shownNames().cend(); ++it) {
        if (path == it.key() || path.startsWith(it.key() + QLatin1Char('/'))) {
            return it.value() + path.mid(it.key().size());
        }
    }
    return path;
}

QString settingsFilePath(const QString &folder) {
    return folder + QStringLiteral("/cal.ini");
}

QString optionFolderPath(const QString &folder) {
    return folder + QStringLiteral("/목표손절옵션");
}

QString analysisFolderPath(const QString &folder) {
    return folder + QStringLiteral("/종목분석");
}

void ensureFolder(const QString &folder) {
    makeFolders(QFile::encodeName(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())));
}

} // namespace mx::settings
