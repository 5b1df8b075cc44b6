#include "table_reader.h"

#include "script.h"

#include <algorithm>
#include <limits>

namespace mx::sheet_tool {
namespace {

// --- The names of the columns ---------------------------------------------------------------

// Each in its normal form (normalName): without blanks, in lower case.
constexpr std::string_view quantityNames[] = {"수량", "체결수량", "매매수량"};
constexpr std::string_view buyNames[] = {"매수단가", "매입단가", "매수가", "매수평균가"};
constexpr std::string_view sellNames[] = {"매도단가", "매도가", "매도평균가"};
constexpr std::string_view dateNames[] = {"매매일자", "거래일자", "체결일자",
                                          "매매일",   "거래일",   "일자"};
constexpr std::string_view marketColumnNames[] = {"시장", "시장구분"};
// The columns of a ledger of fills.
constexpr std::string_view sideNames[] = {"매매구분", "매도매수구분", "매수매도구분", "거래구분",
                                          "구분"};
constexpr std::string_view priceNames[] = {"단가", "체결단가", "체결가"};
constexpr std::string_view stockNames[] = {"종목코드"};
constexpr std::string_view chargedFeeNames[] = {"수수료"};
constexpr std::string_view chargedTaxNames[] = {"제세금", "거래세"};

// 종목명 is a column of its own: exports often carry it beside 종목코드.
constexpr ColumnNames columnTable[] = {{"quantity", quantityNames},
                                       {"buy", buyNames},
                                       {"sell", sellNames},
                                       {"date", dateNames},
                                       {"market", marketColumnNames},
                                       {"side", sideNames},
                                       {"price", priceNames},
                                       {"stock", stockNames},
                                       {"종목명", {}},
                                       {"charged_fee", chargedFeeNames},
                                       {"charged_tax", chargedTaxNames}};

constexpr char separators[] = {',', '\t', ';'};

// Blanks a name may hold anywhere: space, tab, U+00A0, U+3000 and a stray byte-order mark.
std::size_t blankAt(std::string_view text, std::size_t at) {
    if (text[at] == ' ' || text[at] == '\t') {
        return 1;
    }
    for (const std::string_view blank : {"\xC2\xA0", "\xE3\x80\x80", "\xEF\xBB\xBF"}) {
        if (text.substr(at).starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `field` reads as the name `normal`, without forming its normal name.
bool hasNormalName(std::string_view field, std::string_view normal) {
    std::size_t at = 0;
    for (const char c : normal) {
        while (at < field.size() && blankAt(field, at) > 0) {
            at += blankAt(field, at);
        }
        if (at == field.size() || lowerCase(field[at]) != c) {
            return false;
        }
        ++at;
    }
    while (at < field.size() && blankAt(field, at) > 0) {
        at += blankAt(field, at);
    }
    return at == field.size();
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool blank(std::string_view field) {
    return trimmed(field).empty();
}

const ColumnNames &namesOf(std::string_view key) {
    return *std::find_if(std::begin(columnTable), std::end(columnTable),
                         [key](const ColumnNames &names) { return names.key == key; });
}

bool names(const ColumnNames &column, std::string_view normal) {
    return normal == column.key ||
           std::find(column.aliases.begin(), column.aliases.end(), normal) != column.aliases.end();
}

// "sell (매도단가, 매도가, 매도평균가)".
std::string accepted(const ColumnNames &column) {
    std::string text(column.key);
    for (std::size_t i = 0; i < column.aliases.size(); ++i) {
        text += (i == 0 ? " (" : ", ") + std::string(column.aliases[i]);
    }
    return text + (column.aliases.empty() ? "" : ")");
}

std::string joined(std::span<const std::string> names) {
    std::string text;
    for (const std::string &name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string atLine(long line, const std::string &reason) {
    return "line " + std::to_string(line) + ": " + reason;
}

// A line of blanks, separators and quotes only.
bool blankLine(std::string_view line) {
    return line.find_first_not_of(" \t,;\"") == std::string_view::npos;
}

// The fields of a line under the separator that names the most required columns, and then the
// most columns of the table; no fields where it names no required column.
std::vector<std::string> headerFields(std::string_view line, std::span<const WantedColumn> columns,
                                      char &separator, bool &unterminated) {
    std::vector<std::string> best;
    std::pair<int, int> bestCount{0, 0};
    for (const char candidate : separators) {
        bool open = false;
        std::vector<std::string> fields = CsvReader::split(line, candidate, open);
        std::pair<int, int> count{0, 0};
        for (const std::string &field : fields) {
            const std::string normal = normalName(field);
            for (const WantedColumn &column : columns) {
                if (names(namesOf(column.key), normal)) {
                    count.first += column.required ? 1 : 0;
                    count.second += 1;
                }
            }
        }
        if (count > bestCount && count.first > 0) {
            best = std::move(fields);
            bestCount = count;
            separator = candidate;
            unterminated = open;
        }
    }
    return best;
}

} // namespace

std::span<const ColumnNames> knownColumns() {
    return columnTable;
}

std::string normalName(std::string_view name) {
    std::string normal;
    for (std::size_t at = 0; at < name.size();) {
        if (const std::size_t skip = blankAt(name, at); skip > 0) {
            at += skip;
        } else {
            normal.push_back(lowerCase(name[at++]));
        }
    }
    return normal;
}

TableReader::TableReader(CsvReader &in, std::span<const WantedColumn> columns,
                         std::span<const std::string_view> addedColumns)
    : in_(in), columnOf_(columns.size(), absent), namesOf_(columns.size()) {
    int titles = 0;
    bool anyLine = false;
    char separator = ',';
    bool unterminated = false;
    for (;;) {
        if (!in.nextLine()) {
            std::string required;
            for (const WantedColumn &column : columns) {
                if (column.required) {
                    required += (required.empty() ? "" : "; ") + accepted(namesOf(column.key));
                }
            }
            throw HeaderError(anyLine ? "no header row: none of the first " +
                                            std::to_string(titles) + " lines names " + required
                                      : "the input has no header row");
        }
        if (in.tooLong()) {
            throw HeaderError(atLine(in.line(), "the line is longer than a header row may be"));
        }
        if (blankLine(in.lineText())) {
            continue;
        }
        anyLine = true;
        header_ = headerFields(in.lineText(), columns, separator, unterminated);
        if (!header_.empty()) {
            break;
        }
        if (++titles > titleLines) {
            throw HeaderError(atLine(in.line(), "no header row in the first " +
                                                    std::to_string(titleLines + 1) +
                                                    " lines that are not blank"));
        }
    }
    const long line = in.line();
    if (unterminated) {
        throw HeaderError(atLine(line, "a quoted name runs to the end of the line"));
    }
    in.setSeparator(separator);
    for (std::size_t i = 0; i < header_.size(); ++i) {
        const std::string normal = normalName(header_[i]);
        normalHeader_.push_back(normal);
        if (std::find(addedColumns.begin(), addedColumns.end(), normal) != addedColumns.end()) {
            throw HeaderError(
                atLine(line, "column " + header_[i] + " is one the output adds: rename it"));
        }
        for (std::size_t wanted = 0; wanted < columns.size(); ++wanted) {
            if (normal.empty() || !names(namesOf(columns[wanted].key), normal)) {
                continue;
            }
            if (columnOf_[wanted] != absent) {
                const std::string &first = header_[columnOf_[wanted]];
                throw HeaderError(atLine(
                    line, normalName(first) == normal
                              ? "column " + header_[i] + " named twice"
                              : "columns " + first + " and " + header_[i] + " both name " +
                                    std::string(columns[wanted].key) + ": rename one of them"));
            }
            columnOf_[wanted] = i;
            namesOf_[wanted] = header_[i];
        }
    }
    for (std::size_t wanted = 0; wanted < columns.size(); ++wanted) {
        if (columns[wanted].required && columnOf_[wanted] == absent) {
            throw HeaderError(atLine(line, "no column named " +
                                               accepted(namesOf(columns[wanted].key)) +
                                               "; the header names " + joined(header_)));
        }
    }
}

std::string_view TableReader::nameOf(std::size_t wanted) const {
    return namesOf_[wanted];
}

bool TableReader::repeatsHeader(std::span<const std::string_view> fields) const {
    // Most rows start with a character that the header's first name does not.
    if (fields.size() < header_.size() ||
        (!fields[0].empty() && !normalHeader_[0].empty() && blankAt(fields[0], 0) == 0 &&
         lowerCase(fields[0][0]) != normalHeader_[0][0])) {
        return false;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i < header_.size() ? !hasNormalName(fields[i], normalHeader_[i]) : !blank(fields[i])) {
            return false;
        }
    }
    return true;
}

bool TableReader::next() {
    for (;;) {
        if (!in_.next()) {
            return false;
        }
        fault_.clear();
        fields_ = in_.fields();
        plainRecord_ = in_.plainRecord();
        if (in_.tooLong()) {
            fault_ = "the row is longer than " + std::to_string(in_.limits().recordSize) + " bytes";
        } else if (in_.unterminated()) {
            fault_ = "a quoted field runs to the end of the input";
        } else if (std::all_of(fields_.begin(), fields_.end(), blank) || repeatsHeader(fields_)) {
            continue;
        }
        std::size_t kept = fields_.size();
        while (kept > header_.size() && blank(fields_[kept - 1])) {
            --kept;
        }
        if (kept != header_.size() && fault_.empty()) {
            fault_ = "the row has " + std::to_string(fields_.size()) + " fields, the header " +
                     std::to_string(header_.size());
        }
        if (fields_.size() != header_.size()) {
            fitted_.assign(fields_.begin(), fields_.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                  fields_.size(), header_.size())));
            fitted_.resize(header_.size());
            fields_ = fitted_;
            plainRecord_.reset();
        }
        return true;
    }
}

// --- Values -------------------------------------------------------------------------------

std::string amountFaultReason(std::string_view name, NumberFault fault, std::string_view text) {
    const std::string what(name);
    switch (fault) {
    case NumberFault::Missing:
        return what + " is missing";
    case NumberFault::Negative:
        return what + " is below 0: " + excerpt(text);
    case NumberFault::Beyond:
        return what + " is beyond 2,147,483,647: " + excerpt(text);
    default:
        return what + " is not a whole number: " + excerpt(text);
    }
}

NumberFault readAmount(std::string_view text, std::int32_t &value) {
    // Most amounts are plain digits, short enough for 32 bits.
    if (!text.empty() && text.size() < 10) {
        std::int32_t plain = 0;
        std::size_t at = 0;
        for (; at < text.size(); ++at) {
            const unsigned digit = static_cast<unsigned char>(text[at]) - unsigned{'0'};
            if (digit > 9) {
                break;
            }
            plain = plain * 10 + static_cast<std::int32_t>(digit);
        }
        if (at == text.size()) {
            value = plain;
            return NumberFault::None;
        }
    }
    text = trimmed(text);
    if (text.empty()) {
        return NumberFault::Missing;
    }
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+') {
        text.remove_prefix(1);
    }
    constexpr std::int64_t beyond = std::int64_t{1} << 40;
    std::int64_t number = 0;
    std::size_t group = 0; // digits since the last comma
    bool grouped = false;
    for (const char c : text) {
        if (c == ',') {
            if (group == 0 || group > 3 || (grouped && group != 3)) {
                return NumberFault::NotWhole;
            }
            grouped = true;
            group = 0;
        } else if (c >= '0' && c <= '9') {
            number = std::min(number * 10 + (c - '0'), beyond);
            ++group;
        } else {
            return NumberFault::NotWhole;
        }
    }
    if (group == 0 || (grouped && group != 3)) {
        return NumberFault::NotWhole;
    }
    if (negative && number != 0) {
        return NumberFault::Negative;
    }
    if (number > std::numeric_limits<std::int32_t>::max()) {
        return NumberFault::Beyond;
    }
    value = static_cast<std::int32_t>(number);
    return NumberFault::None;
}

namespace {

// The digits of `text` from `at` on, at least `least` and at most `most` of them, as a number;
// -1 where there are fewer.
int digitsAt(std::string_view text, std::size_t &at, std::size_t least, std::size_t most) {
    int value = 0;
    std::size_t count = 0;
    while (at < text.size() && count < most && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at++] - '0');
        ++count;
    }
    return count >= least ? value : -1;
}

// A time of day: H:MM, with :SS and a fraction of a second, and a zone Z or +HH:MM.
bool isTime(std::string_view text) {
    std::size_t at = 0;
    const int hour = digitsAt(text, at, 1, 2);
    if (hour < 0 || hour > 23 || at == text.size() || text[at++] != ':') {
        return false;
    }
    const int minute = digitsAt(text, at, 2, 2);
    if (minute < 0 || minute > 59) {
        return false;
    }
    if (at < text.size() && text[at] == ':') {
        ++at;
        const int second = digitsAt(text, at, 2, 2);
        if (second < 0 || second > 59) {
            return false;
        }
        if (at < text.size() && text[at] == '.') {
            ++at;
            if (digitsAt(text, at, 1, 9) < 0) {
                return false;
            }
        }
    }
    const std::string_view zone = text.substr(at);
    if (zone.empty() || zone == "Z") {
        return true;
    }
    std::size_t zoneAt = 1;
    return (zone.front() == '+' || zone.front() == '-') && digitsAt(zone, zoneAt, 2, 2) >= 0 &&
           zoneAt < zone.size() && zone[zoneAt++] == ':' && digitsAt(zone, zoneAt, 2, 2) >= 0 &&
           zoneAt == zone.size();
}

} // namespace

std::optional<TradeDate> readDate(std::string_view text) {
    text = trimmed(text);
    if (const auto plain = parseTradeDate(text)) {
        return plain;
    }
    std::size_t at = 0;
    const int year = digitsAt(text, at, 4, 4);
    int month = -1;
    int day = -1;
    if (at == 4 && at < text.size() && text[at] >= '0' && text[at] <= '9') {
        month = digitsAt(text, at, 2, 2);
        day = digitsAt(text, at, 2, 2);
    } else if (at == 4 && at < text.size() &&
               std::string_view("-/.").find(text[at]) != std::string_view::npos) {
        // After a dot, blanks may follow, and a dot may close the date: "2025. 3. 6.".
        const char separator = text[at];
        const auto skip = [&text, &at, separator] {
            ++at;
            while (separator == '.' && at < text.size() && text[at] == ' ') {
                ++at;
            }
        };
        skip();
        month = digitsAt(text, at, 1, 2);
        if (at < text.size() && text[at] == separator) {
            skip();
            day = digitsAt(text, at, 1, 2);
            at += separator == '.' && at < text.size() && text[at] == '.' ? 1 : 0;
        }
    }
    if (year < 0 || month < 0 || day < 0) {
        return std::nullopt;
    }
    // What follows is nothing, or a time after a blank or "T".
    const std::string_view rest = text.substr(at);
    if (!rest.empty() &&
        ((rest.front() != ' ' && rest.front() != 'T') || !isTime(trimmed(rest.substr(1))))) {
        return std::nullopt;
    }
    // The calendar's own check, on the date written out in full.
    return parseTradeDate(formatTradeDate({year, month, day}));
}

} // namespace mx::sheet_tool
