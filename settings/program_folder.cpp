#include "program_folder.h"

#include "file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace mx::settings {
namespace {

bool readableFolder(const QFileInfo &folder) {
    return folder.isDir() && folder.isReadable() && folder.isExecutable();
}

// Copies what `from` holds into the existing folder `to`.
bool copyContent(const QString &from, const QString &to) {
    if (!readableFolder(QFileInfo(from))) {
        return false;
    }
    const QFileInfoList entries = QDir(from).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            if (!QDir().mkdir(target) || !copyContent(entry.filePath(), target)) {
                return false;
            }
        } else if (entry.isFile() && !copyRegularFile(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
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
    if (!inputs.earlierUserConfigDir.isEmpty() &&
        inputs.folderExists(inputs.earlierUserConfigDir) &&
        !inputs.folderExists(inputs.userConfigDir)) {
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

QString setUpProgramFolder(const ProgramFolderInputs &inputs) {
    const ProgramFolderChoice choice = chooseProgramFolder(inputs);
    QString folder = QDir::cleanPath(QFileInfo(choice.folder).absoluteFilePath());
    // Another start may have made the folder in the meantime; then that one is used.
    if (!choice.migrateFrom.isEmpty() && !copyFolder(choice.migrateFrom, folder) &&
        !inputs.folderExists(folder)) {
        return QDir::cleanPath(choice.migrateFrom);
    }
    ensureFolder(folder);
    return folder;
}

QString programFolder() {
    static const QString folder = [] {
        const QString configRoot =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        ProgramFolderInputs inputs;
        inputs.overrideDir = qEnvironmentVariable("MX_CAL_DIR");
        inputs.executableDir = QCoreApplication::applicationDirPath();
        inputs.userConfigDir = configRoot + QLatin1Char('/') + QLatin1String(userFolderName);
        inputs.earlierUserConfigDir =
            configRoot + QLatin1Char('/') + QString::fromUtf16(earlierUserFolderName);
        return setUpProgramFolder(withDiskProbes(std::move(inputs)));
    }();
    return folder;
}

bool copyFolder(const QString &from, const QString &to) {
    const QFileInfo target(to);
    const QString parent = target.absolutePath();
    QDir().mkpath(parent);
    QTemporaryDir staging(parent + QStringLiteral("/.") + target.fileName() +
                          QStringLiteral("-XXXXXX"));
    if (!staging.isValid() || !copyContent(from, staging.path())) {
        return false;
    }
    QFile::setPermissions(staging.path(), QFileInfo(from).permissions());
    if (std::rename(QFile::encodeName(staging.path()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return false;
    }
    staging.setAutoRemove(false);
    return true;
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
    QDir().mkpath(folder);
}

} // namespace mx::settings
