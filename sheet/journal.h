#pragma once

#include "calc/calculate.h"
#include "csv.h"
#include "table_reader.h"

#include <ostream>

namespace mx {
class Sheet;
}

namespace mx::sheet_tool {

// The options that price every row of a journal, and the form of its output.
struct JournalOptions {
    // The options panel; its market and trade date are those of rows that name none.
    CommissionOptions commission;
    bool byteOrderMark = false; // the output starts with a UTF-8 byte-order mark
};

// The options as `sheet`'s options panel holds them, with `today` as the trade date of rows
// without one.
JournalOptions optionsOf(const Sheet &sheet, const TradeDate &today);

// Prices every row of `in` (a table, as TableReader reads it) as the fee/profit sheet prices one
// trade and writes the rows with their results to `out`, the header first. A row that cannot be
// priced is written in its place with empty results and the reason in the column `error`, and
// its line and reason go to `refusals`, as does a note where the rows' dates and markets were
// read but not used. Returns the number of rows refused. Throws HeaderError before anything is
// written, and StreamError when reading or writing fails, after writing out the rows priced
// before.
long runJournal(const JournalOptions &options, CsvReader &in, CsvWriter &out,
                std::ostream &refusals);

} // namespace mx::sheet_tool
