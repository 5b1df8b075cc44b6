#pragma once

#include "calc/market_rules.h"
#include "csv.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A table of trades as a spreadsheet or a broker's export writes it: a CSV file, in UTF-8 or
// CP949, whose columns are separated by commas, tabs or semicolons, with title lines above its
// header row and the header row repeated further down, read one row at a time. The journal of
// mx_cal_sheet reads its trades with it.
namespace mx::sheet_tool {

// A header row a table cannot be read by: a required column missing, a column named twice.
class HeaderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The names a column goes by: its key, which is also the name the program writes, and the
// names exports give it.
struct ColumnNames {
    std::string_view key;
    std::span<const std::string_view> aliases;
};

// Every column a table of trades or of fills may have, one row each: quantity, buy, sell, date,
// market, and side, price, stock, 종목명, charged_fee, charged_tax.
std::span<const ColumnNames> knownColumns();

// A column a table is read for: one of knownColumns.
struct WantedColumn {
    std::string_view key;
    bool required = false;
};

// A name as a header row is matched: without blanks (also U+00A0 and U+3000), Latin letters in
// lower case. "수 량" and " Quantity" are "수량" and "quantity".
std::string normalName(std::string_view name);

class TableReader {
public:
    static constexpr std::size_t absent = static_cast<std::size_t>(-1);

    // The most lines above the header row that name no required column.
    static constexpr int titleLines = 20;

    // Reads `in` up to its header row: the first line that names a required column, by its key
    // or an alias, with the separator (',', '\t' or ';') that makes it name the most, after up to
    // titleLines other lines and any number of blank ones. Sets that separator for the rows.
    // Throws HeaderError where no line is such a header, a required column is missing, two
    // columns name the same one, a column has the name of one of `addedColumns`, or the header's
    // line is too long; StreamError where the input cannot be read.
    TableReader(CsvReader &in, std::span<const WantedColumn> columns,
                std::span<const std::string_view> addedColumns);

    // The names of the header row as it writes them.
    std::span<const std::string> header() const { return header_; }
    // The field that holds `columns[wanted]` in each row, or absent.
    std::size_t columnOf(std::size_t wanted) const { return columnOf_[wanted]; }
    // The names read from the header row for `columns[wanted]`: "date" or "매매일자".
    std::string_view nameOf(std::size_t wanted) const;

    // Reads the next row of the table, skipping rows whose fields are all blank and rows that
    // repeat the header; false at the end of the input.
    bool next();
    // The fields of the row, one for each column of the header: a row with fewer is filled with
    // empty fields, blank fields beyond the header's are dropped, and any other beyond it cut
    // off (the row is then faulty). Valid until the next read.
    std::span<const std::string_view> fields() const { return fields_; }
    // The row as CsvWriter writes its fields (CsvReader::plainRecord), where that is its fields.
    std::optional<std::string_view> plainRecord() const { return plainRecord_; }
    // The line the row starts on.
    long line() const { return in_.line(); }
    // Why the row is not a row of the table: a quoted field that runs to the end of the input,
    // a row too long, more or fewer fields than the header. Empty for a sound row.
    const std::string &fault() const { return fault_; }

private:
    bool repeatsHeader(std::span<const std::string_view> fields) const;

    CsvReader &in_;
    std::vector<std::string> header_;
    std::vector<std::string> normalHeader_;
    std::vector<std::size_t> columnOf_;
    std::vector<std::string> namesOf_;
    std::span<const std::string_view> fields_;
    std::vector<std::string_view> fitted_;
    std::optional<std::string_view> plainRecord_;
    std::string fault_;
};

// --- Values as exports write them --------------------------------------------

enum class NumberFault { None, Missing, NotWhole, Negative, Beyond };

// A whole number of 0 or more as spreadsheets write one: blanks around it, an optional sign, and
// commas between groups of three digits ("71,300"), up to 2,147,483,647.
NumberFault readAmount(std::string_view text, std::int32_t &value);
// Why the field `name` holding `text` is no amount: "price is below 0: -5".
std::string amountFaultReason(std::string_view name, NumberFault fault, std::string_view text);

// A date as exports write it: 2025-03-06, 2025/03/06, 2025.03.06 or 20250306, month and day with
// one digit or two (2025-3-6), with blanks after the dots and a closing dot as Korean
// spreadsheets show it ("2025. 3. 6."), and any of these followed by a time (09:30, 09:30:15,
// 9:30:15.250) after a blank or "T"; blanks around it. Nothing for a text that is not a real
// calendar date.
std::optional<TradeDate> readDate(std::string_view text);

// What a reason says of a date that readDate does not read.
inline constexpr std::string_view dateForms = "2025-03-06, 2025/03/06, 2025.03.06 or 20250306";

} // namespace mx::sheet_tool
