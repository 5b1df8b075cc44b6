// Reading an option file: the first lines that are whole numbers set r5..r13, moved into
// 1..100, and nothing after the first failure changes.

#include "calc/fields.h"
#include "calc/memory_sheet.h"
#include "fuzz_check.h"
#include "settings/option_files.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char *>(bytes), static_cast<qsizetype>(size));
    const QStringList lines = mx::settings::splitLines(file);
    FUZZ_CHECK(mx::settings::splitLines(mx::settings::joinLines(lines)) == lines);

    mx::MemorySheet sheet;
    const mx::MemorySheet initial;
    const int set = mx::settings::applyOptionLines(lines, sheet);
    FUZZ_CHECK(set >= 0 && set <= 9 && set <= lines.size());
    const char *const names[] = {"r5", "r6", "r7", "r8", "r9", "r10", "r11", "r12", "r13"};
    for (int i = 0; i < 9; ++i) {
        const std::string text = sheet.text(names[i]);
        if (i >= set) {
            FUZZ_CHECK(text == initial.text(names[i]));
            continue;
        }
        const std::optional<std::int32_t> read = mx::parseWholeNumber(lines[i].toStdString());
        FUZZ_CHECK(read.has_value());
        FUZZ_CHECK(text == std::to_string(std::clamp(*read, 1, 100)));
    }
    if (set < 9 && set < lines.size()) {
        FUZZ_CHECK(!mx::parseWholeNumber(lines[set].toStdString()).has_value());
    }
    return 0;
}
