// The ledger: fills applied to the position of their stock by moving average, in date order.
#include "ledger.h"

#include "calc/fields.h"
#include "calc/position.h"
#include "script.h"

#include <algorithm>
#include <map>
#include <new>
#include <unordered_map>
#include <vector>

namespace mx::sheet_tool {
namespace {

enum Column : std::size_t {
    Side,
    Quantity,
    Price,
    Date,
    Stock,
    StockName,
    MarketName,
    ChargedFee,
    ChargedTax,
    columnCount
};

// The columns the ledger adds, in their order; the two differences only where the input has
// the broker's figures.
constexpr std::string_view addedColumns[] = {"amount",         "fee",           "tax",
                                             "held",           "average_price", "average_cost",
                                             "realized",       "realized_net",  "fee_difference",
                                             "tax_difference", "error"};
constexpr std::size_t figureCount = 8;

constexpr std::string_view summaryColumns[] = {"stock", "year",         "bought",   "sold",
                                               "fees",  "taxes",        "realized", "realized_net",
                                               "held",  "average_price"};

// One row of the table as the ledger reads it.
struct ReadFill {
    bool sell = false;
    Fill fill{};
    bool dated = false;
    std::optional<std::int32_t> chargedFee;
    std::optional<std::int32_t> chargedTax;
    std::size_t stock = 0; // its index in the ledger's books
};

// What applying a fill gave, and the position after it.
struct Applied {
    FillResult result{};
    std::int64_t held = 0;
    std::optional<Fraction> averagePrice;
    std::optional<Fraction> averageCost;
};

// A year of one stock.
struct YearTotals {
    std::int64_t bought = 0, sold = 0, fees = 0, taxes = 0, realized = 0, realizedNet = 0;
    std::int64_t held = 0;
    std::optional<Fraction> averagePrice;
};

struct Book {
    std::string name;
    Position position;
    std::map<int, YearTotals> years; // kept for --summary only
};

// buy or sell, 매수 or 매도, or an export's word holding one of them (장내매수, 현금매도).
std::optional<bool> readSide(std::string_view text) {
    const std::string normal = normalName(text);
    const bool buy = normal == "buy" || normal.find("매수") != std::string::npos;
    const bool sell = normal == "sell" || normal.find("매도") != std::string::npos;
    if (buy == sell) {
        return std::nullopt;
    }
    return sell;
}

std::string errorText(FillError error, const ReadFill &read, const Position &position) {
    switch (error) {
    case FillError::NotPositive:
        return read.fill.quantity == 0 ? "the quantity is 0" : "the price is 0";
    case FillError::BeyondHolding:
        return "a sell of " + std::to_string(read.fill.quantity) + " shares, but " +
               std::to_string(position.quantity()) + " are held";
    case FillError::OutOfRange:
        return "a figure of the position is beyond 64-bit integers";
    case FillError::None:
        break;
    }
    return {};
}

class Ledger {
public:
    Ledger(const LedgerOptions &options, TableReader &table, CsvWriter &out, std::ostream &refusals)
        : options_(options), table_(table), out_(out), refusals_(refusals) {}

    bool hasDates() const { return table_.columnOf(Date) != TableReader::absent; }

    // Reads the row the table is at into `read`, or says in `reason` why it is no fill.
    bool read(ReadFill &read, std::string &reason) {
        const std::span<const std::string_view> fields = table_.fields();
        reason = table_.fault();
        if (!reason.empty()) {
            return false;
        }
        const std::optional<bool> side = readSide(fields[table_.columnOf(Side)]);
        if (!side) {
            reason = "the side is none of buy, sell, 매수, 매도: " +
                     excerpt(fields[table_.columnOf(Side)]);
            return false;
        }
        read.sell = *side;
        const CommissionOptions &commission = options_.journal.commission;
        read.fill = Fill{.market = commission.market, .date = commission.tradeDate};
        for (const auto &[column, name, to] :
             {std::tuple{Quantity, "the quantity", &read.fill.quantity},
              std::tuple{Price, "the price", &read.fill.price}}) {
            const std::string_view text = fields[table_.columnOf(column)];
            if (const NumberFault fault = readAmount(text, *to); fault != NumberFault::None) {
                reason = amountFaultReason(name, fault, text);
                return false;
            }
        }
        for (const auto &[column, name, to] :
             {std::tuple{ChargedFee, "the charged fee", &read.chargedFee},
              std::tuple{ChargedTax, "the charged tax", &read.chargedTax}}) {
            to->reset();
            const std::string_view text = field(fields, column);
            std::int32_t value = 0;
            if (text.empty()) {
                continue;
            }
            if (const NumberFault fault = readAmount(text, value); fault != NumberFault::None) {
                reason = amountFaultReason(name, fault, text);
                return false;
            }
            *to = value;
        }
        read.dated = false;
        if (hasDates()) {
            const std::string_view text = field(fields, Date);
            const std::optional<TradeDate> date = readDate(text);
            if (!date) {
                reason = text.empty() ? "the date is missing"
                                      : "the date is not a date such as " + std::string(dateForms) +
                                            ": " + excerpt(text);
                return false;
            }
            read.fill.date = *date;
            read.dated = true;
        }
        if (const std::string_view text = field(fields, MarketName); !text.empty()) {
            const std::optional<Market> market = parseMarketName(text);
            if (!market) {
                reason = "the market is none of kospi, kosdaq, konex, etf, 코스피, 코스닥, "
                         "코넥스, ETF·ETN: " +
                         excerpt(text);
                return false;
            }
            read.fill.market = *market;
        }
        std::string_view stock = field(fields, Stock);
        if (stock.empty()) {
            stock = field(fields, StockName);
        }
        read.stock = bookOf(stock);
        return true;
    }

    // Applies a fill read to its stock's position.
    Applied apply(const ReadFill &read) {
        Book &book = books_[read.stock];
        Applied applied;
        applied.result = read.sell ? book.position.sell(read.fill, options_.journal.commission)
                                   : book.position.buy(read.fill, options_.journal.commission);
        applied.held = book.position.quantity();
        applied.averagePrice = book.position.averagePrice();
        applied.averageCost = book.position.averageCost();
        if (options_.summary && applied.result.error == FillError::None) {
            const FillFigures &f = applied.result.figures;
            YearTotals &year = book.years[read.dated ? read.fill.date.year : 0];
            (read.sell ? year.sold : year.bought) += f.amount;
            year.fees += f.fee;
            year.taxes += f.tax;
            year.realized += f.realized;
            year.realizedNet += f.realizedNet;
            year.held = applied.held;
            year.averagePrice = applied.averagePrice;
        }
        return applied;
    }

    // Writes a row of the table with its figures, or with the reason it was refused.
    void write(std::span<const std::string_view> fields, std::optional<std::string_view> plain,
               const ReadFill *read, const Applied *applied, std::string reason, long line) {
        if (read && applied && applied->result.error != FillError::None) {
            reason = errorText(applied->result.error, *read, books_[read->stock].position);
        }
        if (!reason.empty()) {
            ++refused_;
            refusals_ << "mx_cal_sheet: line " + std::to_string(line) + ": " + reason + "\n";
        }
        if (options_.summary) {
            return;
        }
        if (plain) {
            out_.plainFields(*plain);
        } else {
            for (const std::string_view field : fields) {
                out_.field(field);
            }
        }
        const bool fee = table_.columnOf(ChargedFee) != TableReader::absent;
        const bool tax = table_.columnOf(ChargedTax) != TableReader::absent;
        if (!reason.empty()) {
            for (std::size_t i = 0; i < figureCount + (fee ? 1 : 0) + (tax ? 1 : 0); ++i) {
                out_.plainFields({});
            }
            out_.field(reason);
            out_.endRecord();
            return;
        }
        const FillFigures &f = applied->result.figures;
        whole(f.amount);
        whole(f.fee);
        whole(f.tax);
        whole(applied->held);
        fraction(applied->averagePrice);
        fraction(applied->averageCost);
        if (read->sell) {
            whole(f.realized);
            whole(f.realizedNet);
        } else {
            out_.plainFields({});
            out_.plainFields({});
        }
        if (fee) {
            difference(read->chargedFee, f.fee);
        }
        if (tax) {
            difference(read->chargedTax, f.tax);
        }
        out_.plainFields({}); // no reason
        out_.endRecord();
    }

    void writeHeader() {
        if (options_.journal.byteOrderMark) {
            out_.raw("\xEF\xBB\xBF");
        }
        if (options_.summary) {
            for (const std::string_view name : summaryColumns) {
                out_.field(name);
            }
            out_.endRecord();
            return;
        }
        for (const std::string &name : table_.header()) {
            out_.field(name);
        }
        for (const std::string_view name : addedColumns) {
            if ((name == "fee_difference" && table_.columnOf(ChargedFee) == TableReader::absent) ||
                (name == "tax_difference" && table_.columnOf(ChargedTax) == TableReader::absent)) {
                continue;
            }
            out_.field(name);
        }
        out_.endRecord();
    }

    // One row per stock and year, in the order the stocks first appear, and the total.
    void writeSummary() {
        if (!options_.summary) {
            return;
        }
        YearTotals total;
        for (const Book &book : books_) {
            for (const auto &[year, totals] : book.years) {
                out_.field(book.name);
                if (year == 0) {
                    out_.plainFields({});
                } else {
                    whole(year);
                }
                totalsRow(totals);
                whole(totals.held);
                fraction(totals.averagePrice);
                out_.endRecord();
                total.bought += totals.bought;
                total.sold += totals.sold;
                total.fees += totals.fees;
                total.taxes += totals.taxes;
                total.realized += totals.realized;
                total.realizedNet += totals.realizedNet;
            }
        }
        out_.field("total");
        out_.plainFields({});
        totalsRow(total);
        out_.plainFields({});
        out_.plainFields({});
        out_.endRecord();
    }

    long refused() const { return refused_; }

private:
    std::string_view field(std::span<const std::string_view> fields, Column column) const {
        const std::size_t at = table_.columnOf(column);
        return at == TableReader::absent ? std::string_view() : fields[at];
    }

    std::size_t bookOf(std::string_view stock) {
        if (!books_.empty() && books_[last_].name == stock) {
            return last_;
        }
        const auto [found, added] = bookIndex_.try_emplace(std::string(stock), books_.size());
        if (added) {
            books_.push_back(Book{found->first, {}, {}});
        }
        return last_ = found->second;
    }

    void whole(std::int64_t value) {
        out_.rawField(20, [value](char *to) { return writeWholeDigits(value, to); });
    }

    // Two decimals where the fraction is not whole, without separators; empty for nothing held.
    void fraction(const std::optional<Fraction> &value) {
        std::string text = value ? formatFraction(*value) : std::string();
        std::erase(text, ',');
        out_.plainFields(text);
    }

    void difference(const std::optional<std::int32_t> &charged, std::int64_t computed) {
        if (charged) {
            whole(*charged - computed);
        } else {
            out_.plainFields({});
        }
    }

    void totalsRow(const YearTotals &totals) {
        for (const std::int64_t value : {totals.bought, totals.sold, totals.fees, totals.taxes,
                                         totals.realized, totals.realizedNet}) {
            whole(value);
        }
    }

    const LedgerOptions &options_;
    TableReader &table_;
    CsvWriter &out_;
    std::ostream &refusals_;
    std::vector<Book> books_;
    std::unordered_map<std::string, std::size_t> bookIndex_;
    std::size_t last_ = 0;
    long refused_ = 0;
};

// Rows kept in memory where the order of the fills is known only at the end of the input: a
// file in descending date order, and --sort.
class KeptRows {
public:
    struct Row {
        std::size_t firstField = 0;
        std::size_t fieldCount = 0;
        long line = 0;
        TradeDate key{}; // its date, or for a row refused that of the fill before it
        bool read = false;
        ReadFill fill{};
        std::string reason;
        Applied applied{};
    };

    void keep(std::span<const std::string_view> fields, long line, const TradeDate &key, bool read,
              const ReadFill &fill, const std::string &reason) {
        rows_.push_back(Row{ends_.size(), fields.size(), line, key, read, fill, reason, {}});
        for (const std::string_view field : fields) {
            text_ += field;
            ends_.push_back(text_.size());
        }
    }

    std::vector<Row> &rows() { return rows_; }

    std::span<const std::string_view> fieldsOf(const Row &row) {
        fields_.clear();
        for (std::size_t i = row.firstField; i < row.firstField + row.fieldCount; ++i) {
            const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
            fields_.emplace_back(text_.data() + begin, ends_[i] - begin);
        }
        return fields_;
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
    std::vector<Row> rows_;
    std::vector<std::string_view> fields_;
};

OrderError outOfOrder(long line, const TradeDate &date, long previousLine,
                      const TradeDate &previous) {
    return OrderError("line " + std::to_string(line) + ": " + formatTradeDate(date) + " follows " +
                      formatTradeDate(previous) + " of line " + std::to_string(previousLine) +
                      ": the fills are neither in ascending nor in descending date order; "
                      "--sort sorts them by date");
}

// Applies and writes the fills in date order: as they come while the dates ascend, the kept
// rows from the end where they descend, the kept rows sorted by date with --sort.
void applyInOrder(const LedgerOptions &options, TableReader &table, Ledger &ledger) {
    enum class Order { Unknown, Ascending, Descending };
    Order order = ledger.hasDates() && !options.sort ? Order::Unknown : Order::Ascending;
    if (options.sort && !ledger.hasDates()) {
        order = Order::Ascending;
    }
    const bool keepAll = options.sort && ledger.hasDates();
    KeptRows kept;
    ReadFill fill;
    std::string reason;
    std::optional<TradeDate> first;
    TradeDate last{};
    long lastLine = 0;
    const auto stream = [&](bool read) {
        Applied applied;
        if (read) {
            applied = ledger.apply(fill);
        }
        ledger.write(table.fields(), table.plainRecord(), read ? &fill : nullptr,
                     read ? &applied : nullptr, reason, table.line());
    };
    while (table.next()) {
        const bool read = ledger.read(fill, reason);
        if (read && ledger.hasDates() && !keepAll) {
            const TradeDate &date = fill.fill.date;
            if (!first) {
                first = date;
            } else if (order == Order::Unknown && date != *first) {
                order = date > *first ? Order::Ascending : Order::Descending;
                if (order == Order::Ascending) {
                    for (KeptRows::Row &row : kept.rows()) {
                        if (row.read) {
                            row.applied = ledger.apply(row.fill);
                        }
                        ledger.write(kept.fieldsOf(row), std::nullopt,
                                     row.read ? &row.fill : nullptr,
                                     row.read ? &row.applied : nullptr, row.reason, row.line);
                    }
                    kept = KeptRows();
                }
            } else if (order == Order::Ascending ? date < last : date > last) {
                throw outOfOrder(table.line(), date, lastLine, last);
            }
            last = date;
            lastLine = table.line();
        }
        if (order == Order::Ascending && !keepAll) {
            stream(read);
        } else {
            kept.keep(table.fields(), table.line(), read ? fill.fill.date : last, read, fill,
                      reason);
            if (read && keepAll) {
                last = fill.fill.date;
            }
        }
    }
    std::vector<KeptRows::Row> &rows = kept.rows();
    if (keepAll) {
        std::stable_sort(
            rows.begin(), rows.end(),
            [](const KeptRows::Row &a, const KeptRows::Row &b) { return a.key < b.key; });
    }
    const auto applyRow = [&ledger](KeptRows::Row &row) {
        if (row.read) {
            row.applied = ledger.apply(row.fill);
        }
    };
    if (order == Order::Descending) {
        std::for_each(rows.rbegin(), rows.rend(), applyRow);
    } else {
        std::for_each(rows.begin(), rows.end(), applyRow);
    }
    for (KeptRows::Row &row : rows) {
        ledger.write(kept.fieldsOf(row), std::nullopt, row.read ? &row.fill : nullptr,
                     row.read ? &row.applied : nullptr, row.reason, row.line);
    }
}

} // namespace

long runLedger(const LedgerOptions &options, CsvReader &in, CsvWriter &out,
               std::ostream &refusals) {
    try {
        const bool rules = options.journal.commission.marketRules;
        const WantedColumn columns[columnCount] = {
            {"side", true}, {"quantity", true}, {"price", true}, {"date", rules}, {"stock"},
            {"종목명"},     {"market"},         {"charged_fee"}, {"charged_tax"}};
        TableReader table(in, columns, addedColumns);
        Ledger ledger(options, table, out, refusals);
        ledger.writeHeader();
        applyInOrder(options, table, ledger);
        ledger.writeSummary();
        out.flush();
        return ledger.refused();
    } catch (const std::bad_alloc &) {
        out.flushWholeRecords();
        throw StreamError("line " + std::to_string(in.line()) +
                          ": not enough memory to read the row");
    } catch (const std::runtime_error &) { // StreamError, OrderError
        out.flushWholeRecords();
        throw;
    }
}

} // namespace mx::sheet_tool
