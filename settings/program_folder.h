#pragma once

#include <QString>
#include <functional>

namespace mx::settings {

// What the choice of the program folder looks at; the probes let tests decide for the disk.
struct ProgramFolderInputs {
    QString overrideDir;   // the environment variable MX_CAL_DIR; empty when unset
    QString executableDir; // the folder of the program's own executable
    QString userConfigDir; // the per-user configuration folder
    std::function<bool(const QString &)> fileExists;
    std::function<bool(const QString &)> folderWritable;
};

// The folder that holds cal.ini, the option folder and the analysis folder: MX_CAL_DIR when
// set; else the executable's folder when cal.ini already stands there or the folder is
// writable; else the per-user configuration folder.
QString chooseProgramFolder(const ProgramFolderInputs &inputs);

// The program folder of this process, chosen once on first use and created when missing.
// Needs the application object.
QString programFolder();

// The settings file, the option folder and the analysis folder inside `folder`.
QString settingsFilePath(const QString &folder);
QString optionFolderPath(const QString &folder);
QString analysisFolderPath(const QString &folder);

// Creates `folder` with its parents when missing; a failure is ignored.
void ensureFolder(const QString &folder);

} // namespace mx::settings
