#pragma once

#include "calc/fields.h"
#include "calc/memory_sheet.h"

#include <ostream>
#include <string>
#include <vector>

namespace mx::sheet_tool {

// Writes the tool's output: a "message=" line per message (a carriage return written as
// the two characters \r), then a line per field value in ascending byte order of its name.
void writeReport(std::ostream &out, const MemorySheet &sheet,
                 const std::vector<std::string> &messages);

// The legend of the fields that --help prints: a line per field of the catalogue, in the order
// of the output, "NAME caption: meaning" ("NAME: meaning" where the window shows no caption),
// wrapped within 80 columns.
void writeFieldLegend(std::ostream &out);

// A field's caption as the legend and the README show it, without the runs of blanks that only
// space its letters out in the window ("수     량": "수량").
std::string legendCaption(const FieldSpec &fieldSpec);

} // namespace mx::sheet_tool
