#pragma once

#include "calc/memory_sheet.h"

#include <ostream>
#include <string>
#include <vector>

namespace mx::sheet_tool {

// Writes the tool's output: a "message=" line per message (a carriage return written as
// the two characters \r), then a line per field value in ascending byte order of its name.
void writeReport(std::ostream &out, const MemorySheet &sheet,
                 const std::vector<std::string> &messages);

} // namespace mx::sheet_tool
