#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mx {

// What kind of control shows a sheet field; the kind decides how its text is read.
enum class FieldKind {
    IntegerSpin, // whole number with arrows; bounds 0/0 mean unbounded
    DecimalSpin, // decimal number shown with a fixed count of decimals
    CheckBox,    // "1" checked, "0" unchecked
    Result,      // read-only money text with thousands separators
    Text,        // plain single-line text
    Label,       // static caption whose text the core sets
    Gauge,       // vertical bar gauge (maximum, progress, colour)
    Memo,        // multi-line verdict text
    Panel,       // a panel whose visibility the core sets
    Choice,      // one of a fixed list of ASCII keys (a combo box)
    Date,        // a date "YYYY-MM-DD", or empty
};

struct FieldSpec {
    std::string_view name;
    FieldKind kind;
    std::string_view initial{}; // text shown when the window starts
    std::int32_t minimum = 0;   // integer spin fields: bounds, both 0 = unbounded
    std::int32_t maximum = 0;
    int decimals = 0; // decimal spin fields
    double step = 0;  // spin fields: what the arrows add at start
    bool readOnly = false;
    int mostDecimals = 0; // decimal spin fields: the most a value the program sets may show
    std::span<const std::string_view> choices{}; // choice fields: the keys, in order
    std::string_view caption{}; // what the window shows beside or above it ("" for none)
    std::string_view meaning{}; // what it holds, in a few words

    bool bounded() const { return minimum != 0 || maximum != 0; }
};

// Every field of the three pages and the options panel, sorted by name in byte order. The names
// are the window's controls (the form the program inherits); the catalogue says what each is.
std::span<const FieldSpec> fieldCatalogue();

// The field named `name`, or nullptr for a name the sheet does not have.
const FieldSpec *findField(std::string_view name);

// The field named `name`; throws std::invalid_argument for a name the sheet does not have.
const FieldSpec &field(std::string_view name);

// --- Reading rules -------------------------------------------------------

// A text that is entirely a 32-bit whole number with an optional sign.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);

// A text that is entirely a decimal number with '.' as separator (optional sign, digits,
// optional fraction, optional exponent). Read in extended precision.
std::optional<long double> parseDecimal(std::string_view text);

// An integer spin field: its whole number clamped to its bounds, or its minimum when
// the text is not a whole number.
std::int32_t readInteger(const FieldSpec &fieldSpec, std::string_view text);

// A decimal field: its number, or 0 when the text is not a number.
long double readDecimal(std::string_view text);

// The value an integer spin field takes when `value` is set into it.
std::int32_t clampToField(const FieldSpec &fieldSpec, std::int64_t value);

// --- Writing rules -------------------------------------------------------

// Money by the display rule "#,###,###,###,##0": whole won, halves away from zero,
// thousands grouped with commas, a minus sign before negatives, never "-0".
std::string formatMoney(long double value);

// The room writeMoneyDigits needs.
inline constexpr std::size_t moneyDigitsCapacity = 65;

// Money rounded as formatMoney rounds it, without the thousands separators ("-1234567"),
// written into `out` (room for moneyDigitsCapacity characters); returns the end.
char *writeMoneyDigits(const long double &value, char *out);

// A whole number as plain decimal digits with a leading minus when negative.
std::string formatPlain(std::int64_t value);
// The same written into `out` (room for 20 characters); returns the end.
char *writeWholeDigits(std::int64_t value, char *out);

// A decimal number with exactly `decimals` decimals ("0.029", "0.3").
std::string formatDecimal(long double value, int decimals);

// A value the program sets into a decimal spin field: with the field's fixed decimals when they
// give the value back, else with as few more as give it back, up to the field's most decimals
// ("0.029", "0.3", "0.0140527", "0.15"). `value` is what the field reads back as a double.
std::string formatSetDecimal(double value, const FieldSpec &fieldSpec);

// Rounds to a whole number with halves away from zero (14.5 -> 15, -14.5 -> -15).
long double roundHalfAway(long double value);

} // namespace mx
