#pragma once

#include <QString>
#include <functional>

namespace mx::settings {

// The per-user configuration folder's name inside the user's configuration folder
// (~/.config): plain ASCII, lower case, no blanks.
inline constexpr char userFolderName[] = "mx_cal";
// The name that earlier versions gave that folder.
inline constexpr char16_t earlierUserFolderName[] = u"MX 주식계산기";

// What the choice of the program folder looks at; the probes let tests decide for the disk.
struct ProgramFolderInputs {
    QString overrideDir;          // the environment variable MX_CAL_DIR; empty when unset
    QString executableDir;        // the folder of the program's own executable
    QString userConfigDir;        // the per-user configuration folder
    QString earlierUserConfigDir; // the per-user folder of earlier versions
    std::function<bool(const QString &)> fileExists;   // a regular file stands there
    std::function<bool(const QString &)> folderExists; // a folder stands there
    std::function<bool(const QString &)> writable;     // the file or folder may be written
};

struct ProgramFolderChoice {
    QString folder;
    // The earlier versions' folder whose content is to be copied into `folder` before it is
    // used; empty when there is nothing to carry over.
    QString migrateFrom;

    bool operator==(const ProgramFolderChoice &) const = default;
};

// The folder that holds cal.ini, the option folder and the analysis folder:
// 1. MX_CAL_DIR when set;
// 2. the executable's folder when a cal.ini that may be written already stands there (a
//    portable copy set up on purpose);
// 3. the per-user configuration folder, first filled from the earlier versions' folder
//    when that exists and the new one does not.
ProgramFolderChoice chooseProgramFolder(const ProgramFolderInputs &inputs);

// `inputs` with probes that look at the real disk.
ProgramFolderInputs withDiskProbes(ProgramFolderInputs inputs);

// Chooses, carries the earlier folder over and creates the chosen folder when missing.
// When the copy fails, the earlier folder itself is used for this run and the copy is
// tried again at the next start, so that no setting is left behind. An absolute path.
QString setUpProgramFolder(const ProgramFolderInputs &inputs);

// The program folder of this process, set up once on first use. Needs the application
// object.
QString programFolder();

// Copies the files and subfolders of `from` into the folder `to`, which must not exist:
// first into a hidden folder beside `to`, renamed to `to` only when every file is across,
// so that a failed or interrupted copy never leaves a half-filled `to`. Whatever is
// neither a file nor a folder (pipes, sockets, links to folders) is left out. Returns
// false when `to` could not be made.
bool copyFolder(const QString &from, const QString &to);

// The settings file, the option folder and the analysis folder inside `folder`.
QString settingsFilePath(const QString &folder);
QString optionFolderPath(const QString &folder);
QString analysisFolderPath(const QString &folder);

// Creates `folder` with its parents when missing; a failure is ignored.
void ensureFolder(const QString &folder);

} // namespace mx::settings
