// The reader of tables of trades on its own: each input read with the reader's own buffer and with
// buffers of a few bytes, which take the records apart character by character, must give the
// same header and the same rows.
#include "sheet/table_reader.h"
#include "support/table_rows.h"
#include "tool_runner.h"

#include <gtest/gtest.h>

namespace mx::sheet_tool {
namespace {

using table_rows::PrintTo;
using table_rows::rowName;
using testing_support::toCp949;

constexpr WantedColumn columns[] = {
    {"quantity", true}, {"buy", true}, {"sell", true}, {"date"}, {"market"}};
constexpr std::string_view added[] = {"net"};

// The header's names joined by '|', then a line per row: "LINE:FIELD|FIELD...", and "!REASON"
// for a faulty row; or "!" and the reason of a refused header.
std::string readAll(const std::string &input, ReaderLimits limits) {
    CsvReader in(input, limits);
    try {
        TableReader table(in, columns, added);
        std::string text;
        for (std::size_t i = 0; i < table.header().size(); ++i) {
            text.append(i == 0 ? "" : "|").append(table.header()[i]);
        }
        while (table.next()) {
            text.append("\n").append(std::to_string(table.line())).append(":");
            std::string joined;
            for (std::size_t i = 0; i < table.fields().size(); ++i) {
                text.append(i == 0 ? "" : "|").append(table.fields()[i]);
                joined.append(i == 0 ? "" : ",").append(table.fields()[i]);
            }
            if (const auto plain = table.plainRecord()) {
                EXPECT_EQ(*plain, joined);
            }
            if (!table.fault().empty()) {
                text.append("!").append(table.fault());
            }
        }
        return text;
    } catch (const HeaderError &error) {
        return std::string("!") + error.what();
    }
}

struct InputRow {
    const char *name;
    std::string input;
    std::string read;
    std::size_t recordSize = ReaderLimits{}.recordSize;
};

class TableReaderTest : public testing::TestWithParam<InputRow> {};

TEST_P(TableReaderTest, SameRowsThroughAnyBuffer) {
    const InputRow &row = GetParam();
    for (const std::size_t buffer : {std::size_t{1} << 16, std::size_t{1}, std::size_t{7}}) {
        EXPECT_EQ(readAll(row.input, {buffer, row.recordSize}), row.read) << "buffer " << buffer;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TableReaderTest,
    testing::Values(
        InputRow{"byte_order_mark_and_crlf", "\xEF\xBB\xBFquantity,buy,sell\r\n1,2,3\r\n",
                 "quantity|buy|sell\n2:1|2|3"},
        InputRow{"quoted_line_break", "memo,quantity,buy,sell\n\"a\nb \"\"c\"\"\",1,2,3\n4,5,6,7",
                 "memo|quantity|buy|sell\n2:a\nb \"c\"|1|2|3\n4:4|5|6|7"},
        InputRow{"tabs", "수량\t매수단가\t매도단가\n1\t\"2,000\"\t3\n",
                 "수량|매수단가|매도단가\n2:1|2,000|3"},
        InputRow{"semicolons", "quantity;buy;sell;date\n1;\"2;0\";3,5;2025/3/6\n",
                 "quantity|buy|sell|date\n2:1|2;0|3,5|2025/3/6"},
        InputRow{"cp949_title_and_names",
                 toCp949("거래내역,2025\n수량,매수가,매도가,종목\n1,2,3,삼성전자\n"),
                 "수량|매수가|매도가|종목\n3:1|2|3|삼성전자"},
        InputRow{"utf8_then_cp949",
                 "quantity,buy,sell,memo\n1,2,3,가\n1,2,3," + toCp949("나") + "\n",
                 "quantity|buy|sell|memo\n2:1|2|3|가\n3:1|2|3|나"},
        InputRow{"no_cp949_character", "quantity,buy,sell,memo\n1,2,3,a\xFF\xA1\n",
                 "quantity|buy|sell|memo\n2:1|2|3|a\uFFFD\uFFFD"},
        InputRow{"blank_rows_and_repeated_header",
                 "\n , \nquantity,buy,sell\n\n , ,\t\n\"\",,\n Quantity, B U Y ,sell,\n1,2,3\n",
                 "quantity|buy|sell\n8:1|2|3"},
        InputRow{"fields_more_or_fewer", "quantity,buy,sell\n1,2\n1,2,3,,\n1,2,3,4\n",
                 "quantity|buy|sell\n2:1|2|!the row has 2 fields, the header 3\n3:1|2|3\n"
                 "4:1|2|3!the row has 4 fields, the header 3"},
        InputRow{"unterminated_quote", "quantity,buy,sell\n1,2,\"3\n4\n",
                 "quantity|buy|sell\n2:1|2|3\n4\n!a quoted field runs to the end of the input"},
        InputRow{"rows_too_long",
                 "quantity,buy,sell\n1,2,3\n123456789012345678,1,2\n\"a\nb\",1,"
                 "123456789012345\n,,,,,,,,,,,,,,,,,,,,,,\n4,5,6\n",
                 "quantity|buy|sell\n2:1|2|3\n3:||!the row is longer than 20 bytes\n"
                 "4:||!the row is longer than 20 bytes\n6:||!the row is longer than 20 bytes\n"
                 "7:4|5|6",
                 20},
        InputRow{"header_too_long", "title\nquantity,buy,sell,date,market,memo\n",
                 "!line 2: the line is longer than a header row may be", 20},
        InputRow{"header_by_the_separator_naming_most", "buy,x;quantity;buy;sell\n1,2;3;4;5\n",
                 "buy,x|quantity|buy|sell\n2:1,2|3|4|5"},
        InputRow{"one_column_named_twice", "수량,매수가,매수단가,매도가\n",
                 "!line 1: columns 매수가 and 매수단가 both name buy: rename one of them"},
        InputRow{"an_added_column", "수량,매수가,매도가,NET\n",
                 "!line 1: column NET is one the output adds: rename it"}),
    rowName);

struct DateRow {
    const char *name;
    const char *text;
    std::optional<TradeDate> date;
};

class ReadDateTest : public testing::TestWithParam<DateRow> {};

TEST_P(ReadDateTest, AsExportsWriteIt) {
    EXPECT_EQ(readDate(GetParam().text), GetParam().date);
}

constexpr TradeDate march6{2025, 3, 6};

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDateTest,
    testing::Values(DateRow{"dashes", "2025-03-06", march6},
                    DateRow{"slashes", "2025/03/06", march6}, DateRow{"dots", "2025.03.06", march6},
                    DateRow{"compact", "20250306", march6},
                    DateRow{"one_digit_month_and_day", "2025-3-6", march6},
                    DateRow{"mixed_digits", "2025/3/06", march6},
                    DateRow{"blanks_around", " 2025.3.6\t", march6},
                    DateRow{"with_minutes", "2025-03-06 09:30", march6},
                    DateRow{"with_seconds_after_t", "20250306T9:30:15", march6},
                    DateRow{"with_fraction_and_zone", "2025/03/06 09:30:15.250+09:00", march6},
                    DateRow{"with_utc", "2025-03-06T09:30:15Z", march6},
                    DateRow{"dots_and_blanks", "2025. 3. 6.", march6},
                    DateRow{"dots_and_blanks_and_time", "2025. 03. 06. 09:30", march6},
                    DateRow{"leap_day", "2024/2/29", TradeDate{2024, 2, 29}},
                    DateRow{"not_a_leap_day", "2025/2/29", std::nullopt},
                    DateRow{"separators_mixed", "2025/03-06", std::nullopt},
                    DateRow{"two_digit_year", "25-03-06", std::nullopt},
                    DateRow{"day_first", "06.03.2025", std::nullopt},
                    DateRow{"seven_digits", "2025036", std::nullopt},
                    DateRow{"three_digit_month", "2025-003-06", std::nullopt},
                    DateRow{"hour_25", "2025-03-06 25:00", std::nullopt},
                    DateRow{"words_after", "2025-03-06 오전 9:30", std::nullopt},
                    DateRow{"t_alone", "2025-03-06T", std::nullopt},
                    DateRow{"blanks_after_a_dash", "2025- 3- 6", std::nullopt},
                    DateRow{"nine_digits", "202503061", std::nullopt},
                    DateRow{"empty", "", std::nullopt}),
    rowName);

} // namespace
} // namespace mx::sheet_tool
