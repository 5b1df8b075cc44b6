// The reader of tables of trades: the same bytes read with the reader's own buffer, which takes
// most records in place, and with a buffer of a few bytes, which takes every record apart
// character by character, give the same header and the same rows. Every row has the header's
// number of fields, all in UTF-8, and a record taken in place is its fields joined by commas.
// The first byte chooses the small buffer, the second the longest record.

#include "fuzz_check.h"
#include "sheet/table_reader.h"
#include "sheet/text_encoding.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace mx::sheet_tool;

constexpr WantedColumn columns[] = {
    {"quantity", true}, {"buy", true}, {"sell", true}, {"date"}, {"market"}};
constexpr std::string_view added[] = {"net"};

std::vector<std::string> readAll(std::string_view text, ReaderLimits limits) {
    std::vector<std::string> read;
    CsvReader in(text, limits);
    try {
        TableReader table(in, columns, added);
        std::string header;
        for (const std::string &name : table.header()) {
            FUZZ_CHECK(isUtf8(name));
            header += name + '\x1F';
        }
        read.push_back(header);
        while (table.next()) {
            FUZZ_CHECK(table.fields().size() == table.header().size());
            std::string row = std::to_string(table.line()) + '\x1E' + table.fault() + '\x1E';
            std::string joined;
            for (std::size_t i = 0; i < table.fields().size(); ++i) {
                const std::string_view field = table.fields()[i];
                FUZZ_CHECK(isUtf8(field));
                row.append(field).push_back('\x1F');
                joined.append(i == 0 ? "" : ",").append(field);
            }
            if (const auto plain = table.plainRecord()) {
                FUZZ_CHECK(*plain == joined);
            }
            read.push_back(row);
        }
    } catch (const HeaderError &error) {
        read.push_back(std::string("!") + error.what());
    }
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t small = 1 + bytes[0] % 16;
    const std::size_t recordSize = bytes[1] == 0xFF ? ReaderLimits{}.recordSize : 8 + 4 * bytes[1];
    const std::string_view text(reinterpret_cast<const char *>(bytes) + 2, size - 2);
    FUZZ_CHECK(readAll(text, {std::size_t{1} << 16, recordSize}) ==
               readAll(text, {small, recordSize}));
    return 0;
}
