// The reading rules of the fields and the value texts of the settings file, against simple
// reference readers: they must never crash, and they must agree.

#include "calc/fields.h"
#include "fuzz_check.h"
#include "settings/value_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

bool allDigits(const std::string &text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Optional sign, then only digits; the value must fit 32 bits.
std::optional<std::int32_t> referenceWholeNumber(std::string text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.erase(0, 1);
    }
    if (!allDigits(text)) {
        return std::nullopt;
    }
    text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
    if (text.size() > 10) {
        return std::nullopt;
    }
    const long long magnitude = std::stoll(text);
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// Optional sign, digits with at most one '.', at least one digit, optional exponent.
bool decimalShape(const std::string &text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::string exponent = text.substr(i);
        return allDigits(exponent);
    }
    return i == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const double number = data.ConsumeFloatingPoint<double>();
    const std::string text = data.ConsumeRemainingBytesAsString();

    FUZZ_CHECK(mx::parseWholeNumber(text) == referenceWholeNumber(text));

    const std::optional<long double> decimal = mx::parseDecimal(text);
    if (!decimalShape(text) || std::memchr(text.data(), 0, text.size()) != nullptr) {
        FUZZ_CHECK(!decimal.has_value());
    } else {
        errno = 0;
        const long double reference = std::strtold(text.c_str(), nullptr);
        const bool inRange = errno != ERANGE && std::isfinite(reference);
        if (inRange) {
            FUZZ_CHECK(decimal.has_value() && *decimal == reference);
        } else if (decimal) {
            FUZZ_CHECK(*decimal == reference);
        }
    }

    const std::int32_t percent = mx::readInteger(mx::field("r5"), text);
    FUZZ_CHECK(percent >= 1 && percent <= 100);

    const QString qtext = QString::fromStdString(text);
    const std::optional<std::int32_t> stored = mx::settings::ValueText::readInteger(qtext);
    if (stored && !(text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))) {
        FUZZ_CHECK(stored == referenceWholeNumber(qtext.toStdString()));
    }

    const mx::settings::ValueText texts(QLocale::c());
    if (std::isfinite(number)) {
        const QString written = texts.writeDecimal(number);
        FUZZ_CHECK(!written.contains(QLatin1Char('e')) && !written.contains(QLatin1Char('E')));
        const std::optional<double> back = texts.readDecimal(written);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(std::fabs(*back - number) <= std::fabs(number) * 1e-14);
        // Written under a comma locale, the value reads back the same under a point locale.
        const mx::settings::ValueText comma{QLocale(QLocale::German)};
        FUZZ_CHECK(texts.readDecimal(comma.writeDecimal(number)) == back);
    }
    // Any text reads the same whichever locale's separator is in use.
    FUZZ_CHECK(mx::settings::ValueText(QLocale(QLocale::German)).readDecimal(qtext) ==
               texts.readDecimal(qtext));
    return 0;
}
