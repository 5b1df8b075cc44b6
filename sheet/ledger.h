#pragma once

#include "csv.h"
#include "journal.h"

#include <ostream>
#include <stdexcept>

namespace mx::sheet_tool {

// Fills whose dates are in no order the ledger can apply them in.
class OrderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct LedgerOptions {
    JournalOptions journal; // the commission options and the form of the output
    bool sort = false;      // sorts the fills by date, the file's order kept within a day
    bool summary = false;   // writes totals per stock and calendar year instead of the fills
};

// Applies every fill of `in` (a table, as TableReader reads it) to the position of its stock in
// date order, by moving average, and writes each fill with its figures and the position after
// it, or with `summary` the totals per stock and year. A fill that cannot be applied keeps its
// row with the reason in the column `error`, leaves the position as it was, and its line and
// reason go to `refusals`. Returns the number of fills refused. Throws HeaderError before
// anything is written, OrderError where the dates are neither ascending nor descending (and
// `sort` is off), and StreamError when reading or writing fails; rows applied before are
// written.
long runLedger(const LedgerOptions &options, CsvReader &in, CsvWriter &out, std::ostream &refusals);

} // namespace mx::sheet_tool
