#pragma once

#include "decimal_rate.h"
#include "market_rules.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The rules every priced trade follows, once for the window, the journal and the ledger: the
// commission options, the fee of each side, the sell-side tax of a market and trade date and
// the grid of prices. Everything here is a pure function of its arguments.
//
//   CommissionOptions options = ...;                         // as the options panel holds them
//   long double fee = buyFee(quantity * price, options);
//   SellTax tax = sellTax(quantity * price, options, Market::Kospi, TradeDate{2023, 6, 1});
//
// Where many trades of one market and date are priced, commissionFor makes the Commission the
// cost model (cost_model.h) and the break-even search (break_even.h) take, once.
namespace mx {

// How a statement rounds its fees and tax.
enum class StatementRounding {
    Display,    // "round": figures kept in full and rounded only where they are shown
    Won,        // "won": each fee and each tax truncated to whole won
    TenWonFees, // "ten": each fee truncated to 10 won, each tax to whole won
};

// The rounding of an exact ASCII key: "round", "won" or "ten".
std::optional<StatementRounding> parseStatementRounding(std::string_view key);
std::string_view statementRoundingKey(StatementRounding rounding);

// The keys in the order of the enumeration, as the rounding's choice field offers them.
inline constexpr std::array<std::string_view, 3> statementRoundingKeys{"round", "won", "ten"};

// A rate in percent in the two forms the roundings compute with, read from one text so that
// they always agree.
struct Rate {
    long double percent = 0; // the display rounding: in extended precision
    DecimalRate exact{};     // the truncating roundings: exactly as written
    bool operator==(const Rate &) const = default;
};

// The rate a rate field's text holds ("0.015"), or 0 for a text that is not a number.
Rate readRate(std::string_view text);

// The options every fee and tax is priced by, as the options panel holds them. The market and
// the trade date are those of trades that name none of their own.
struct CommissionOptions {
    Rate feeRate{0.029L, {29, 3}}; // r1: percent of each side's amount
    Rate taxRate{0.3L, {3, 1}};    // r2: percent of the sell amount, without the market rules
    // CheckBox1, r3 and r4: a side whose amount is below the threshold pays the minimum fee.
    bool minimumFeeRule = false;
    std::int32_t minimumFeeThreshold = 200000;
    std::int32_t minimumFee = 500;
    // CheckBox2: the tax and the ticks in force for the market on the trade date.
    bool marketRules = false;
    Market market = Market::Kospi;                           // ComboBox1
    TradeDate tradeDate{};                                   // DateEdit1
    StatementRounding rounding = StatementRounding::Display; // ComboBox2
};

// The fee of buying, or selling, for `amount` won: the minimum fee where its rule is on and the
// amount is below the threshold (an amount of 0 or less too), else the fee rate's share of the
// amount. Under the display rounding in full (held as a double); under a truncating rounding
// truncated toward zero to whole won, or to 10 won for TenWonFees. The two sides follow the
// same rule.
long double buyFee(std::int64_t amount, const CommissionOptions &options);
long double sellFee(std::int64_t amount, const CommissionOptions &options);

// The sell-side tax of one sell. Under a truncating rounding each part is truncated to whole won
// on its own and `total` is their sum; under the display rounding `total` is the whole rate's
// share in full and `rural` the rural tax's, so that transaction() is what remains.
struct SellTax {
    long double total = 0; // e3
    long double rural = 0; // 농어촌특별세: 0 without the market rules and on a market of one tax
    long double transaction() const { return total - rural; } // 증권거래세, or the tax of r2
};

// The tax of selling for `amount` won on `market` on `date`: with the market rules, the two
// taxes in force there (taxRateInForce); without them, r2 as one tax, whatever the market.
SellTax sellTax(std::int64_t amount, const CommissionOptions &options, Market market,
                const TradeDate &date);

// The prices a price field steps through and the break-even search looks at: the exchange's
// ticks in force for `market` on `date` under the market rules, else the program's own steps.
PriceGrid priceGrid(const CommissionOptions &options, Market market, const TradeDate &date);

// The options as they apply to the trades of one market and date: the sell-side tax rates
// resolved once.
struct Commission {
    CommissionOptions options;
    Rate transactionTax; // the rates of sellTax, in percent
    Rate ruralTax;
    Rate tax; // their sum, read as its own text: the rate of the display rounding
};
Commission commissionFor(const CommissionOptions &options, Market market, const TradeDate &date);
// For the options' own market and trade date.
Commission commissionFor(const CommissionOptions &options);

// sellTax under a commission made by commissionFor.
SellTax sellTax(std::int64_t amount, const Commission &commission);

// The fee and the tax in 64-bit integers, for the many evaluations of a journal and of the
// break-even search: under a truncating rounding, where every share fits in 64 bits (as for
// every statement's rates), the whole won buyFee and sellTax give; empty otherwise.
inline std::optional<std::int64_t> wholeFee(std::int64_t amount, const CommissionOptions &options) {
    if (options.rounding == StatementRounding::Display) {
        return std::nullopt;
    }
    if (options.minimumFeeRule && amount < options.minimumFeeThreshold) {
        return options.minimumFee;
    }
    return wholeShare(amount, options.feeRate.exact,
                      options.rounding == StatementRounding::TenWonFees ? 10 : 1);
}

inline std::optional<std::int64_t> wholeTax(std::int64_t amount, const Commission &commission) {
    if (commission.options.rounding == StatementRounding::Display) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> transaction =
        wholeShare(amount, commission.transactionTax.exact, 1);
    if (!transaction || commission.ruralTax.exact.units == 0) {
        return transaction;
    }
    const std::optional<std::int64_t> rural = wholeShare(amount, commission.ruralTax.exact, 1);
    std::int64_t total = 0;
    if (!rural || __builtin_add_overflow(*transaction, *rural, &total)) {
        return std::nullopt;
    }
    return total;
}

} // namespace mx
