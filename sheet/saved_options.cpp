#include "saved_options.h"

#include "csv.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "system.h"

namespace mx::sheet_tool {

void loadSavedOptions(Sheet &sheet) {
    const QString folder = settings::settingsFolderToRead(
        settings::programFolderInputs(executableFolder(), settings::MissingFolders::Leave));
    const settings::SettingsFile file(settings::settingsFilePath(folder));
    if (!file.loadOptions(sheet)) {
        throw StreamError(settings::shownPath(file.path()).toStdString() +
                          ": cannot read the saved settings");
    }
}

} // namespace mx::sheet_tool
