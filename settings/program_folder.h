#pragma once

#include "file_io.h"

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
// 3. the per-user configuration folder, first filled from the earlier versions' folder with
//    what it lacks, as long as it has no cal.ini of its own.
ProgramFolderChoice chooseProgramFolder(const ProgramFolderInputs &inputs);

// `inputs` with probes that look at the real disk.
ProgramFolderInputs withDiskProbes(ProgramFolderInputs inputs);

// The folder whose cal.ini the program would start with, found without creating, copying or
// removing anything: the chosen folder, or the earlier versions' folder while the choice still
// has that folder to carry over (its cal.ini is what the copy would bring). An absolute path.
QString settingsFolderToRead(const ProgramFolderInputs &inputs);

// Chooses, creates the chosen folder when missing, carries the earlier folder over and clears
// away what interrupted writes left in it and in its option and analysis folders (see
// removeLeftovers). When the copy did not bring the settings file, the
// earlier folder itself is used for this run and the copy is tried again at the next start,
// so that no setting is left behind. An absolute path.
QString setUpProgramFolder(const ProgramFolderInputs &inputs);

// What this process chooses its program folder by: MX_CAL_DIR, the user's configuration folder
// (see userConfigRoot) and the folder of the executable, with probes that look at the real
// disk.
ProgramFolderInputs programFolderInputs(const QString &executableDir, MissingFolders missing);

// The program folder of this process, set up once on first use. Needs the application
// object.
QString programFolder();

// Copies into the folder `to` (created when missing) every file, subfolder and symbolic link
// of the user's own that `from` holds and `to` lacks; what `to` has is kept. Files arrive
// whole or not at all, and cal.ini comes last, only when all the rest came across. Whatever
// is neither (pipes, sockets) is left out. False when something could not be copied.
bool mergeFolder(const QString &from, const QString &to);

// The settings file, the option folder and the analysis folder inside `folder`.
QString settingsFilePath(const QString &folder);
QString optionFolderPath(const QString &folder);
QString analysisFolderPath(const QString &folder);

} // namespace mx::settings
