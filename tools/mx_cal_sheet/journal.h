#pragma once

#include "calc/calculate.h"
#include "csv.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mx {
class Sheet;
}

namespace mx::sheet_tool {

// A header row the journal cannot work with: a required column missing, a column named twice.
class HeaderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options panel that prices every row of a journal, and the form of its output.
struct JournalOptions {
    std::string feeRate;                  // r1
    std::string taxRate;                  // r2
    std::int32_t minimumFeeThreshold = 0; // r3
    std::int32_t minimumFee = 0;          // r4
    bool minimumFeeRule = false;          // CheckBox1
    bool marketRules = false;             // CheckBox2
    Market market = Market::Kospi;        // ComboBox1: the market of rows without one
    StatementRounding rounding = StatementRounding::Display; // ComboBox2
    TradeDate today;                                         // the trade date of rows without one
    bool byteOrderMark = false; // the output starts with a UTF-8 byte-order mark
};

// The options as `sheet`'s options panel holds them.
JournalOptions optionsOf(const Sheet &sheet, const TradeDate &today);

// A market as a journal or an option names it: kospi, kosdaq, konex, etf or the names the window
// shows (코스피, 코스닥, 코넥스, ETF·ETN), whatever the case of their Latin letters.
std::optional<Market> parseMarketName(std::string_view text);

// Prices every row of `in` as the fee/profit sheet prices one trade and writes the rows with
// their results to `out`, the header first. A row that cannot be priced is left out and its
// line and reason are written to `refusals`. Returns the number of rows left out. Throws
// HeaderError before anything is written, and StreamError when reading or writing fails.
long runJournal(const JournalOptions &options, CsvReader &in, CsvWriter &out,
                std::ostream &refusals);

} // namespace mx::sheet_tool
