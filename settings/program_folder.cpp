#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mx::settings {

QString chooseProgramFolder(const ProgramFolderInputs &inputs) {
    if (!inputs.overrideDir.isEmpty()) {
        return inputs.overrideDir;
    }
    if (inputs.fileExists(settingsFilePath(inputs.executableDir)) ||
        inputs.folderWritable(inputs.executableDir)) {
        return inputs.executableDir;
    }
    return inputs.userConfigDir;
}

QString programFolder() {
    static const QString folder = [] {
        ProgramFolderInputs inputs;
        inputs.overrideDir = qEnvironmentVariable("MX_CAL_DIR");
        inputs.executableDir = QCoreApplication::applicationDirPath();
        inputs.userConfigDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        inputs.fileExists = [](const QString &path) { return QFileInfo(path).isFile(); };
        inputs.folderWritable = [](const QString &path) {
            const QFileInfo info(path);
            return info.isDir() && info.isWritable();
        };
        const QString chosen = QDir::cleanPath(chooseProgramFolder(inputs));
        ensureFolder(chosen);
        return chosen;
    }();
    return folder;
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
