// The INI layer: any text comes back byte for byte; setting a key changes no other line,
// reads back as set, and leaves every other key's value alone. The text is the input's tail,
// doubled up to 12 times, so that texts of a few MiB are read and written as well as short
// ones: a reading or writing that is not linear in the text's size runs into the time limit.

#include "fuzz_check.h"
#include "settings/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>

using mx::settings::IniFile;

namespace {

QString takeName(FuzzedDataProvider &data) {
    return QString::fromStdString(data.ConsumeRandomLengthString(12));
}

bool sameNameIgnoringCase(const QString &a, const QString &b) {
    return a.toUtf8().trimmed().toLower() == b.toUtf8().trimmed().toLower();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const QString section = takeName(data);
    const QString key = takeName(data);
    const QString value = takeName(data);
    const QString otherSection = takeName(data);
    const QString otherKey = takeName(data);
    const int doublings = data.ConsumeIntegralInRange(0, 12);
    const std::string rest = data.ConsumeRemainingBytesAsString();
    QByteArray text(rest.data(), static_cast<qsizetype>(rest.size()));
    for (int i = 0; i < doublings && text.size() < 4 * 1024 * 1024; ++i) {
        text += text;
    }

    IniFile ini = IniFile::fromBytes(text);
    FUZZ_CHECK(ini.toBytes() == text);
    const std::optional<QString> otherBefore = ini.value(otherSection, otherKey);

    if (!ini.setValue(section, key, value)) {
        FUZZ_CHECK(ini.toBytes() == text);
        return 0;
    }
    const QByteArray after = ini.toBytes();
    FUZZ_CHECK(ini.value(section, key) == value);
    FUZZ_CHECK(IniFile::fromBytes(after).value(section, key) == value);
    FUZZ_CHECK(IniFile::fromBytes(after).toBytes() == after);

    if (!(sameNameIgnoringCase(section, otherSection) && sameNameIgnoringCase(key, otherKey))) {
        FUZZ_CHECK(ini.value(otherSection, otherKey) == otherBefore);
    }
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        return 0; // UTF-16 lines are not split at the byte '\n'
    }
    // What was taken out of the old text lies within one line.
    qsizetype prefix = 0;
    while (prefix < text.size() && prefix < after.size() && text[prefix] == after[prefix]) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < text.size() - prefix && suffix < after.size() - prefix &&
           text[text.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    FUZZ_CHECK(!text.mid(prefix, text.size() - prefix - suffix).contains('\n'));
    return 0;
}
