#pragma once

// Settings and persistence of the calculator: the INI layer with profile semantics, the
// texts of its values, the program folder, the settings file cal.ini (run counter, window
// placement, commission options, target and stop-loss percentages), the ".mxi" option
// files with the line buffer, and the trade-record import. The window reaches this library
// through the core's field-access interface and SettingsHost; nothing here shows a widget.

#include "file_io.h"
#include "ini_file.h"
#include "option_files.h"
#include "program_folder.h"
#include "settings_file.h"
#include "value_text.h"
