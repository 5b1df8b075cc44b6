#include "value_text.h"

#include "calc/fields.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mx::settings {
namespace {

// The separator of Persian and Arabic locales (fa_IR writes 0٫05), read under every locale.
constexpr QChar arabicDecimalSeparator{0x066B};

std::optional<std::int32_t> readHexadecimal(const std::string &digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

ValueText::ValueText(QLocale locale) : separator_(locale.decimalPoint()) {}

std::optional<std::int32_t> ValueText::readInteger(const QString &text) {
    const std::string bytes = text.toStdString();
    if (bytes.size() > 2 && bytes[0] == '0' && (bytes[1] == 'x' || bytes[1] == 'X')) {
        return readHexadecimal(bytes.substr(2));
    }
    return parseWholeNumber(bytes);
}

QString ValueText::writeInteger(std::int64_t value) {
    return QString::fromStdString(formatPlain(value));
}

std::optional<bool> ValueText::readBoolean(const QString &text) {
    const std::optional<std::int32_t> value = readInteger(text);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

QString ValueText::writeBoolean(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

std::optional<double> ValueText::readDecimal(const QString &text) const {
    // Either separator, whatever the locale, so that a file written under another locale
    // keeps its rates, and the locale's own where it is neither. The texts have no grouping,
    // so a comma can only be the decimal separator.
    QString plain = text;
    plain.replace(separator_, QLatin1String("."));
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    plain.replace(arabicDecimalSeparator, QLatin1Char('.'));
    const std::optional<long double> value = parseDecimal(plain.toStdString());
    if (!value) {
        return std::nullopt;
    }
    const auto result = static_cast<double>(*value);
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

QString ValueText::writeDecimal(double value) const {
    if (!std::isfinite(value) || value == 0) {
        return QStringLiteral("0");
    }
    QString text = plainText(value, 15);
    // Next to the largest double, rounding to 15 digits can leave the range of doubles; all
    // 17 digits always read back.
    if (!readDecimal(text)) {
        text = plainText(value, 17);
    }
    return text;
}

QString ValueText::plainText(double value, int significantDigits) const {
    // d.ddd...e±x: the value rounded to the given count of significant digits.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, significantDigits - 1);
    if (error != std::errc{}) {
        return QStringLiteral("0");
    }
    const std::string scientific(buffer, end);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int integerDigits = exponent + 1;
    const int count = static_cast<int>(digits.size());
    const std::string separator = separator_.toStdString();
    std::string text = value < 0 ? "-" : "";
    if (integerDigits <= 0) {
        text +=
            "0" + separator + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (integerDigits >= count) {
        text += digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(integerDigits)) + separator +
                digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return QString::fromStdString(text);
}

} // namespace mx::settings
