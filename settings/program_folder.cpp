#include "program_folder.h"

#include "file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace mx::settings {
namespace {

bool readableFolder(const QFileInfo &folder) {
    return folder.isDir() && folder.isReadable() && folder.isExecutable();
}

// Copies the regular file `from` to `to` unless something stands there by the time the copy is
// whole; true when `to` holds a file afterwards.
bool copyIntoPlace(const QString &from, const QString &to) {
    return copyRegularFile(from, to) || somethingAt(to);
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
            complete = (somethingAt(target) || copyOwnLink(entry.filePath(), target)) && complete;
        } else if (entry.isDir()) {
            complete =
                makeFolder(target) && mergeContent(entry.filePath(), target, false) && complete;
        } else if (entry.isFile() && !somethingAt(target)) {
            complete = copyIntoPlace(entry.filePath(), target) && complete;
        }
    }
    const QString settingsTarget = settingsFilePath(to);
    if (settingsFile && complete && !somethingAt(settingsTarget)) {
        complete = settingsFile->isSymLink()
                       ? copyOwnLink(settingsFile->filePath(), settingsTarget)
                       : copyIntoPlace(settingsFile->filePath(), settingsTarget);
    }
    return complete;
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
    inputs.writable = [](const QString &path) { return mayWrite(path); };
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
    for (const QString &place : {folder, optionFolderPath(folder), analysisFolderPath(folder)}) {
        removeLeftovers(place);
    }
    return folder;
}

ProgramFolderInputs programFolderInputs(const QString &executableDir, MissingFolders missing) {
    const QString configRoot = userConfigRoot(missing);
    ProgramFolderInputs inputs;
    inputs.overrideDir = folderFromEnvironment("MX_CAL_DIR", missing);
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

QString settingsFilePath(const QString &folder) {
    return folder + QStringLiteral("/cal.ini");
}

QString optionFolderPath(const QString &folder) {
    return folder + QStringLiteral("/목표손절옵션");
}

QString analysisFolderPath(const QString &folder) {
    return folder + QStringLiteral("/종목분석");
}

} // namespace mx::settings
