// The trade journal: every row of a table priced as the fee/profit sheet prices one trade.
#include "journal.h"

#include "calc/break_even.h"
#include "calc/fields.h"
#include "calc/sheet.h"
#include "calc/texts.h"
#include "script.h"

#include <array>
#include <new>
#include <span>
#include <unordered_map>
#include <vector>

namespace mx::sheet_tool {
namespace {

// The columns the journal reads, the first three required.
enum Column : std::size_t { Quantity, Buy, Sell, Date, MarketName, columnCount };
constexpr WantedColumn journalColumns[columnCount] = {
    {"quantity", true}, {"buy", true}, {"sell", true}, {"date"}, {"market"}};
constexpr std::size_t requiredColumns = 3;

// What the sheet names each amount in a reason.
constexpr std::array<std::string_view, requiredColumns> amountNames{"the quantity", "the buy price",
                                                                    "the sell price"};

// The columns the journal adds, in their order; the results, then the reason of a refusal.
constexpr std::string_view resultColumns[] = {
    "buy_amount", "sell_amount", "buy_fee", "sell_fee",   "tax",  "transaction_tax",
    "rural_tax",  "total_cost",  "net",     "break_even", "error"};
constexpr std::size_t resultCount = std::size(resultColumns) - 1;

struct PricedRow {
    RoundTrip trip;
    std::optional<std::int32_t> breakEven;
};

// Prices rows under one set of options. Rows of one market and date share the commission made
// for them.
class RowPricer {
public:
    RowPricer(const CommissionOptions &options, const TableReader &table)
        : options_(options), table_(table), plain_(commissionFor(options)) {}

    // Prices the row `fields` or says in `reason` why it cannot be priced.
    bool price(std::span<const std::string_view> fields, PricedRow &row, std::string &reason) {
        std::array<std::int32_t, requiredColumns> amounts{};
        for (std::size_t column = 0; column < requiredColumns; ++column) {
            const std::string_view text = fields[table_.columnOf(column)];
            const NumberFault fault = readAmount(text, amounts[column]);
            if (fault != NumberFault::None) {
                reason = amountFaultReason(amountNames[column], fault, text);
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
        TradeDate date = options_.tradeDate;
        if (const std::string_view text = optionalField(fields, Date); !text.empty()) {
            const std::optional<TradeDate> read = readDate(text);
            if (!read) {
                reason = "the date is not a date such as " + std::string(dateForms) + ": " +
                         excerpt(text);
                return false;
            }
            date = *read;
        }
        Market market = options_.market;
        if (const std::string_view text = optionalField(fields, MarketName); !text.empty()) {
            const std::optional<Market> read = parseMarketName(text);
            if (!read) {
                reason = "the market is none of kospi, kosdaq, konex, etf, 코스피, 코스닥, "
                         "코넥스, ETF·ETN: " +
                         excerpt(text);
                return false;
            }
            market = *read;
        }
        const Commission &commission = commissionOf(market, date);
        const Trade trade{amounts[Quantity], amounts[Buy], amounts[Sell]};
        row.trip =
            evaluateRoundTrip(trade, commission, SellAmount::Integer, TaxOrder::RateOverHundred);
        row.breakEven = breakEvenPrice(trade.quantity, trade.buyPrice, commission,
                                       priceGrid(options_, market, date));
        return true;
    }

private:
    std::string_view optionalField(std::span<const std::string_view> fields, Column column) const {
        const std::size_t at = table_.columnOf(column);
        return at == TableReader::absent ? std::string_view() : fields[at];
    }

    // The commission of the market and date, made once for the first row of them: a journal
    // spans a few hundred trading days at most.
    const Commission &commissionOf(Market market, const TradeDate &date) {
        if (!options_.marketRules) {
            return plain_;
        }
        const auto key = static_cast<std::uint64_t>(static_cast<unsigned>(date.year)) << 24 |
                         static_cast<std::uint64_t>(date.month) << 16 |
                         static_cast<std::uint64_t>(date.day) << 8 |
                         static_cast<std::uint64_t>(market);
        auto made = made_.find(key);
        if (made == made_.end()) {
            made = made_.emplace(key, commissionFor(options_, market, date)).first;
        }
        return made->second;
    }

    const CommissionOptions &options_;
    const TableReader &table_;
    Commission plain_;
    std::unordered_map<std::uint64_t, Commission> made_;
};

void writeMoney(CsvWriter &out, const long double &value) {
    out.rawField(moneyDigitsCapacity, [&value](char *to) { return writeMoneyDigits(value, to); });
}

// Whole won, as the window shows them, need no rounding.
void writeWholeWon(CsvWriter &out, std::int64_t value) {
    out.rawField(20, [value](char *to) { return writeWholeDigits(value, to); });
}

// The figures as the window shows them in s4, s5, e1, e2, e3 and its two parts, e4, e6 or e5 (a
// loss negative) and e8, and no reason.
void writeResults(CsvWriter &out, const PricedRow &row) {
    const RoundTrip &r = row.trip;
    writeWholeWon(out, r.buyAmount);
    writeWholeWon(out, r.sellAmount);
    writeMoney(out, r.buyFee);
    writeMoney(out, r.sellFee);
    // The two parts as shown add up to the tax as shown; most sells pay one tax.
    if (r.ruralTax == 0) {
        std::array<char, moneyDigitsCapacity> tax{};
        const std::size_t length =
            static_cast<std::size_t>(writeMoneyDigits(r.tax, tax.data()) - tax.data());
        const std::string_view digits(tax.data(), length);
        out.plainFields(digits);
        out.plainFields(digits);
        writeWholeWon(out, 0);
    } else {
        writeMoney(out, r.tax);
        const long double shownRural = roundHalfAway(r.ruralTax);
        writeMoney(out, roundHalfAway(r.tax) - shownRural);
        writeMoney(out, shownRural);
    }
    writeMoney(out, r.totalCost);
    // The net result rounds as e6 shows a profit and as e5, negated, shows a loss.
    writeMoney(out, r.netResult);
    if (row.breakEven) {
        writeWholeWon(out, *row.breakEven);
    } else {
        out.plainFields({});
    }
    out.plainFields({}); // no reason
}

void writeHeader(const JournalOptions &options, const TableReader &table, CsvWriter &out) {
    if (options.byteOrderMark) {
        out.raw("\xEF\xBB\xBF");
    }
    for (const std::string &name : table.header()) {
        out.field(name);
    }
    for (const std::string_view name : resultColumns) {
        out.field(name);
    }
    out.endRecord();
}

// The note on the columns read that decide nothing without the market rules: "the column 매매일자
// was not used ...", or nothing.
std::string unusedColumnsNote(const JournalOptions &options, const TableReader &table) {
    std::vector<std::string_view> names;
    for (const Column column : {Date, MarketName}) {
        if (!options.commission.marketRules && table.columnOf(column) != TableReader::absent) {
            names.push_back(table.nameOf(column));
        }
    }
    if (names.empty()) {
        return {};
    }
    const std::string columns = names.size() == 1 ? "the column " + std::string(names[0]) + " was"
                                                  : "the columns " + std::string(names[0]) +
                                                        " and " + std::string(names[1]) + " were";
    return "mx_cal_sheet: " + columns +
           " not used: --rules prices each row by the tax and the ticks in force for its "
           "market on its date\n";
}

// Prices and writes every row of `table`, a refused one in its place; the number refused.
long priceRows(const JournalOptions &options, TableReader &table, CsvWriter &out,
               std::ostream &refusals) {
    RowPricer pricer(options.commission, table);
    PricedRow row;
    std::string reason;
    long refused = 0;
    while (table.next()) {
        const std::span<const std::string_view> fields = table.fields();
        reason = table.fault();
        if (reason.empty() && pricer.price(fields, row, reason)) {
            if (const std::optional<std::string_view> plain = table.plainRecord()) {
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
        for (const std::string_view field : fields) {
            out.field(field);
        }
        for (std::size_t i = 0; i < resultCount; ++i) {
            out.field({});
        }
        out.field(reason);
        out.endRecord();
        refusals << "mx_cal_sheet: line " + std::to_string(table.line()) + ": " + reason + "\n";
    }
    return refused;
}

} // namespace

JournalOptions optionsOf(const Sheet &sheet, const TradeDate &today) {
    return {readCommissionOptions(sheet, {today.year, today.month, today.day, 0, 0}), false};
}

long runJournal(const JournalOptions &options, CsvReader &in, CsvWriter &out,
                std::ostream &refusals) {
    try {
        TableReader table(in, journalColumns, resultColumns);
        writeHeader(options, table, out);
        const long refused = priceRows(options, table, out, refusals);
        out.flush();
        refusals << unusedColumnsNote(options, table);
        return refused;
    } catch (const std::bad_alloc &) {
        out.flushWholeRecords();
        throw StreamError("line " + std::to_string(in.line()) +
                          ": not enough memory to read the row");
    } catch (const StreamError &) {
        out.flushWholeRecords();
        throw;
    }
}

} // namespace mx::sheet_tool
