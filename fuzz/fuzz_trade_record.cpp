// The trade-record import: lines 2..11 set the trade inputs as whole numbers up to the first
// failure, line 12 goes to Edit6 only after all ten.

#include "calc/fields.h"
#include "calc/memory_sheet.h"
#include "fuzz_check.h"
#include "settings/option_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    const QByteArray record(reinterpret_cast<const char *>(bytes), static_cast<qsizetype>(size));
    const QStringList lines = mx::settings::splitLines(record);

    mx::MemorySheet sheet;
    const mx::MemorySheet initial;
    const int set = mx::settings::importTradeRecord(lines, sheet);
    FUZZ_CHECK(set >= 0 && set <= 11);
    const char *const names[] = {"s1", "s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"};
    for (int i = 0; i < 10; ++i) {
        if (i >= set) {
            FUZZ_CHECK(sheet.text(names[i]) == initial.text(names[i]));
            continue;
        }
        const std::optional<std::int32_t> read = mx::parseWholeNumber(lines[i + 1].toStdString());
        FUZZ_CHECK(read.has_value() && sheet.text(names[i]) == std::to_string(*read));
    }
    if (set == 11) {
        FUZZ_CHECK(sheet.text("Edit6") == lines[11].toStdString());
    } else {
        FUZZ_CHECK(sheet.text("Edit6") == initial.text("Edit6"));
    }
    return 0;
}
