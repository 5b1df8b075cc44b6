// The trade journal: every row of a CSV priced as the fee/profit sheet prices one trade.
#include "journal.h"

#include "calc/break_even.h"
#include "calc/fields.h"
#include "calc/sheet.h"
#include "calc/texts.h"
#include "script.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <utility>
#include <vector>

namespace mx::sheet_tool {
namespace {

// The columns the journal reads, the first three required.
enum Column : std::size_t { Quantity, Buy, Sell, Date, MarketName, columnCount };
constexpr std::array<std::string_view, columnCount> columnNames{"quantity", "buy", "sell", "date",
                                                                "market"};
constexpr std::size_t requiredColumns = 3;
constexpr std::size_t absent = static_cast<std::size_t>(-1);

// What the sheet names each amount in a reason.
constexpr std::array<std::string_view, requiredColumns> amountNames{"the quantity", "the buy price",
                                                                    "the sell price"};

// The columns the journal adds, in their order.
constexpr std::string_view resultColumns[] = {"buy_amount", "sell_amount", "buy_fee", "sell_fee",
                                              "tax",        "total_cost",  "net",     "break_even"};

constexpr std::pair<std::string_view, Market> marketNames[] = {
    {"kospi", Market::Kospi},  {"kosdaq", Market::Kosdaq}, {"konex", Market::Konex},
    {"etf", Market::EtfEtn},   {"코스피", Market::Kospi},  {"코스닥", Market::Kosdaq},
    {"코넥스", Market::Konex}, {"etf·etn", Market::EtfEtn}};

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

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char &c : lower) {
        c = lowerCase(c);
    }
    return lower;
}

bool blankRow(std::span<const std::string_view> fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](std::string_view field) { return field.empty(); });
}

struct Columns {
    std::array<std::size_t, columnCount> at;
    std::size_t count = 0;
};

std::string headerReason(long line, const std::string &reason) {
    return "line " + std::to_string(line) + ": " + reason;
}

// The header row: the first row that is not blank.
Columns readHeader(CsvReader &in) {
    do {
        if (!in.next()) {
            throw HeaderError("the input has no header row");
        }
    } while (blankRow(in.fields()));
    if (in.unterminated()) {
        throw HeaderError(headerReason(in.line(), "a quoted name runs to the end of the input"));
    }
    Columns columns;
    columns.at.fill(absent);
    columns.count = in.fields().size();
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < columns.count; ++i) {
        const std::string name = lowerCase(trimmed(in.fields()[i]));
        if (name.empty()) {
            continue;
        }
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
            throw HeaderError(headerReason(in.line(), "column " + excerpt(name) + " named twice"));
        }
        if (std::find(std::begin(resultColumns), std::end(resultColumns), name) !=
            std::end(resultColumns)) {
            throw HeaderError(
                headerReason(in.line(), "column " + name + " is one the journal adds"));
        }
        seen.push_back(name);
        const auto known = std::find(columnNames.begin(), columnNames.end(), name);
        if (known != columnNames.end()) {
            columns.at[static_cast<std::size_t>(known - columnNames.begin())] = i;
        }
    }
    for (std::size_t column = 0; column < requiredColumns; ++column) {
        if (columns.at[column] == absent) {
            throw HeaderError(
                headerReason(in.line(), "no column named " + std::string(columnNames[column])));
        }
    }
    return columns;
}

enum class NumberFault { None, Missing, NotWhole, Negative, Beyond };

// A whole number as spreadsheets write one: blanks around it, an optional sign, and commas
// between groups of three digits ("71,300").
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

std::string amountReason(std::size_t column, NumberFault fault, std::string_view text) {
    const std::string name(amountNames[column]);
    switch (fault) {
    case NumberFault::Missing:
        return name + " is missing";
    case NumberFault::Negative:
        return name + " is below 0: " + excerpt(text);
    case NumberFault::Beyond:
        return name + " is beyond 2,147,483,647: " + excerpt(text);
    default:
        return name + " is not a whole number: " + excerpt(text);
    }
}

struct PricedRow {
    RoundTrip trip;
    std::optional<std::int32_t> breakEven;
};

// Prices rows under one set of options. The commission of a row differs from the next only by
// the tax in force for its market and date; the few there are are made once each.
class RowPricer {
public:
    explicit RowPricer(const JournalOptions &options)
        : options_(options), plain_(commissionOf(panel(options.taxRate))) {}

    // Prices the row `fields` or says in `reason` why it cannot be priced.
    bool price(std::span<const std::string_view> fields, const Columns &columns, PricedRow &row,
               std::string &reason) {
        std::array<std::int32_t, requiredColumns> amounts{};
        for (std::size_t column = 0; column < requiredColumns; ++column) {
            const std::string_view text = fields[columns.at[column]];
            const NumberFault fault = readAmount(text, amounts[column]);
            if (fault != NumberFault::None) {
                reason = amountReason(column, fault, text);
                return false;
            }
        }
        // The window refuses to calculate without them, with these messages.
        if (amounts[Quantity] == 0 || amounts[Buy] == 0) {
            const bool quantity = amounts[Quantity] == 0;
            reason = std::string(amountNames[quantity ? Quantity : Buy]) + " is 0 (" +
                     std::string(quantity ? texts::quantityMissing : texts::buyPriceMissing) + ")";
            return false;
        }
        TradeDate date = options_.today;
        if (const std::string_view text = optionalField(fields, columns.at[Date]); !text.empty()) {
            const std::optional<TradeDate> parsed = parseTradeDate(text);
            if (!parsed) {
                reason = "the date is not a date YYYY-MM-DD: " + excerpt(text);
                return false;
            }
            date = *parsed;
        }
        Market market = options_.market;
        if (const std::string_view text = optionalField(fields, columns.at[MarketName]);
            !text.empty()) {
            const std::optional<Market> parsed = parseMarketName(text);
            if (!parsed) {
                reason = "the market is none of kospi, kosdaq, konex, etf, 코스피, 코스닥, "
                         "코넥스, ETF·ETN: " +
                         excerpt(text);
                return false;
            }
            market = *parsed;
        }
        const Commission &commission = commissionFor(market, date);
        const Trade trade{amounts[Quantity], amounts[Buy], amounts[Sell]};
        row.trip =
            evaluateRoundTrip(trade, commission, SellAmount::Integer, TaxOrder::RateOverHundred);
        row.breakEven = breakEvenPrice(trade.quantity, trade.buyPrice, commission,
                                       priceGridOf(options_.marketRules, market, date));
        return true;
    }

private:
    static std::string_view optionalField(std::span<const std::string_view> fields,
                                          std::size_t at) {
        return at == absent ? std::string_view() : trimmed(fields[at]);
    }

    CommissionOptions panel(std::string_view taxRate) const {
        return {.feeRate = options_.feeRate,
                .taxRate = taxRate,
                .minimumFeeThreshold = options_.minimumFeeThreshold,
                .minimumFee = options_.minimumFee,
                .minimumFeeRule = options_.minimumFeeRule,
                .rounding = options_.rounding};
    }

    // The commission readCommission gives the window with this market and trade date.
    const Commission &commissionFor(Market market, const TradeDate &date) {
        if (!options_.marketRules) {
            return plain_;
        }
        const DecimalRate rate = taxRateInForce(market, date).rate;
        for (const auto &[known, commission] : ruled_) {
            if (known == rate) {
                return commission;
            }
        }
        ruled_.emplace_back(rate, commissionOf(panel(taxRateInForceText(market, date))));
        return ruled_.back().second;
    }

    const JournalOptions &options_;
    Commission plain_;
    std::vector<std::pair<DecimalRate, Commission>> ruled_;
};

void writeMoney(CsvWriter &out, const long double &value) {
    out.rawField(moneyDigitsCapacity, [&value](char *to) { return writeMoneyDigits(value, to); });
}

// Whole won, as the window shows them, need no rounding.
void writeWholeWon(CsvWriter &out, std::int64_t value) {
    out.rawField(20, [value](char *to) { return writeWholeDigits(value, to); });
}

// The figures as the window shows them in s4, s5, e1..e4, e6 or e5 (a loss negative) and e8.
void writeResults(CsvWriter &out, const PricedRow &row) {
    const RoundTrip &r = row.trip;
    writeWholeWon(out, r.buyAmount);
    writeWholeWon(out, r.sellAmount);
    writeMoney(out, r.buyFee);
    writeMoney(out, r.sellFee);
    writeMoney(out, r.tax);
    writeMoney(out, r.totalCost);
    // The net result rounds as e6 shows a profit and as e5, negated, shows a loss.
    writeMoney(out, r.netResult);
    if (row.breakEven) {
        writeWholeWon(out, *row.breakEven);
    } else {
        out.field({});
    }
}

} // namespace

JournalOptions optionsOf(const Sheet &sheet, const TradeDate &today) {
    JournalOptions options;
    options.feeRate = sheet.text("r1");
    options.taxRate = sheet.text("r2");
    options.minimumFeeThreshold = readInteger(sheet, "r3");
    options.minimumFee = readInteger(sheet, "r4");
    options.minimumFeeRule = sheet.isChecked("CheckBox1");
    options.marketRules = sheet.isChecked("CheckBox2");
    options.market = readMarket(sheet);
    options.rounding = readStatementRounding(sheet);
    options.today = today;
    return options;
}

std::optional<Market> parseMarketName(std::string_view text) {
    const std::string_view name = trimmed(text);
    for (const auto &[known, market] : marketNames) {
        if (std::equal(name.begin(), name.end(), known.begin(), known.end(),
                       [](char a, char b) { return lowerCase(a) == b; })) {
            return market;
        }
    }
    return std::nullopt;
}

long runJournal(const JournalOptions &options, CsvReader &in, CsvWriter &out,
                std::ostream &refusals) {
    const Columns columns = readHeader(in);
    if (options.byteOrderMark) {
        out.raw("\xEF\xBB\xBF");
    }
    for (const std::string_view name : in.fields()) {
        out.field(name);
    }
    for (const std::string_view name : resultColumns) {
        out.field(name);
    }
    out.endRecord();

    RowPricer pricer(options);
    PricedRow row;
    std::string reason;
    long refused = 0;
    while (in.next()) {
        const std::span<const std::string_view> fields = in.fields();
        if (in.unterminated()) {
            reason = "a quoted field runs to the end of the input";
        } else if (blankRow(fields)) {
            continue;
        } else if (fields.size() != columns.count) {
            reason = "the row has " + std::to_string(fields.size()) + " fields, the header " +
                     std::to_string(columns.count);
        } else if (pricer.price(fields, columns, row, reason)) {
            if (const std::optional<std::string_view> plain = in.plainRecord()) {
                out.plainFields(*plain);
            } else {
                for (const std::string_view field : fields) {
                    out.field(field);
                }
            }
            writeResults(out, row);
            out.endRecord();
            continue;
        }
        ++refused;
        refusals << "mx_cal_sheet: line " + std::to_string(in.line()) + ": " + reason + "\n";
    }
    out.flush();
    return refused;
}

} // namespace mx::sheet_tool
