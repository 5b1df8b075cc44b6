#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace mx::settings {

// The texts of the settings file's values. Integers are plain decimal digits; booleans are
// integers; decimals are written with the decimal separator of the given locale (the user's
// locale in the program, the C locale in tests) and never an exponent, and read with either.
class ValueText {
public:
    explicit ValueText(QLocale locale = QLocale::system());

    // A whole number in decimal notation, or a text of more than two characters that starts
    // with "0x"/"0X" followed by hexadecimal digits; nothing for any other text and for
    // numbers beyond 32 bits.
    static std::optional<std::int32_t> readInteger(const QString &text);
    static QString writeInteger(std::int64_t value);

    // Read as an integer; any value other than 0 means true.
    static std::optional<bool> readBoolean(const QString &text);
    static QString writeBoolean(bool value);

    // A finite decimal number with ".", "," or "٫" as its separator, whichever the locale (or
    // this locale's own separator), with an optional sign, fraction and exponent; no grouping.
    std::optional<double> readDecimal(const QString &text) const;
    // The shortest text that gives `value` back to 15 significant digits, in plain notation
    // (0.029, 0.0000001, 100000000000000000000); all 17 digits where 15 would not read back.
    // Not-finite values are written as 0.
    QString writeDecimal(double value) const;

private:
    QString plainText(double value, int significantDigits) const;

    QString separator_;
};

} // namespace mx::settings
