#pragma once

namespace mx {
class Sheet;
}

namespace mx::sheet_tool {

// Sets into `sheet` the options and percentages the user saved in cal.ini, in the program
// folder the window would start with, found as the window finds it: beside this executable (a
// portable copy) or in the user's configuration folder. Nothing is created, copied, counted or
// written. A missing file leaves the sheet as it is; one that cannot be read throws StreamError.
void loadSavedOptions(Sheet &sheet);

} // namespace mx::sheet_tool
