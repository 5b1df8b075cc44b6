#pragma once

#include "report.h"

#include <ostream>
#include <string_view>

namespace mx::sheet_tool {

// What --help prints before the legend of the fields and after it.
inline constexpr std::string_view usageHead = R"(Usage: mx_cal_sheet < directives
       mx_cal_sheet --csv [FILE] [OPTION...]
       mx_cal_sheet --help | --version

Runs the Calculate command of MX 주식계산기 without a window: on one sheet, or on
every trade of a journal. --help prints this text, --version the version.

One sheet
---------
A sheet that starts as the window starts, reading one directive per line from
standard input:

  NAME=TEXT      types TEXT into the field NAME (s1, s2, s3, r1 .. r13, W1, Y1,
                 ...; see Fields below); CheckBox1 takes 1 or 0; a memo field
                 (Memo3, Memo4) gains a line
  CheckBox2=1|0  applies the market's tax and ticks of the trade date (off: r2)
  ComboBox1=kospi|kosdaq|konex|etf
                 the market
  DateEdit1=YYYY-MM-DD
                 the trade date; empty: the date of @now, else today
  ComboBox2=round|won|ten
                 fees and tax rounded only on display, truncated to whole won,
                 or fees truncated to 10 won and the tax to whole won
  GaugeN.max=N, GaugeN.progress=N, GaugeN.color=red|blue
                 set gauge 1, 2 or 3
  Panel24.visible=1|0
                 shows or hides the day-trading bottom bar
  @calc          runs Calculate now; without any @calc line it runs once at the end
  @now=YYYY-MM-DD HH:MM
                 the local time Calculate stamps (default: the clock)
  # ...          a comment; blank lines are skipped as well

Output: one line "message=TEXT" per message Calculate showed, in order (a
carriage return written as \r), then one line NAME=VALUE per field in byte order
of the names, with the same texts the window shows.

Example:
  printf 's1=10\ns2=10000\ns3=11000\n' | mx_cal_sheet | grep '^e6='
  e6=9,609

Journal (--csv)
---------------
Reads a CSV file (standard input when FILE is absent or "-") and prices each row
as the fee/profit sheet prices one trade. The header row names the columns, in
any order and in any case:

  quantity       s1, the number of shares                             (required)
  buy            s2, the buy price in won                             (required)
  sell           s3, the sell price in won                            (required)
  date           the trade date YYYY-MM-DD                            (optional)
  market         kospi, kosdaq, konex, etf or 코스피, 코스닥, 코넥스, ETF·ETN
                 (optional; empty: the market of --market)

Other columns are carried through as they are. Numbers are whole won; commas
between thousands are read ("71,300" in quotes). A UTF-8 byte-order mark, CR LF
line ends and quoted fields with commas, "" and line breaks are read as
spreadsheet programs write them. Rows whose fields are all empty are skipped.

Output: the header and every row priced, in input order: the input columns, then
buy_amount (s4), sell_amount (s5), buy_fee (e1), sell_fee (e2), tax (e3),
total_cost (e4), net (the net result: e6 as a profit, e5 negated as a loss) and
break_even (e8, empty where the window shows none), in whole won as the window
shows them, without separators. Fields are quoted only where CSV needs it; lines
end with LF.

Options of the journal (each overrides --settings):
  --fee-rate RATE  r1, the fee in percent of each side's amount (default 0.029)
  --tax-rate RATE  r2, the tax in percent of the sell amount (default 0.3)
  --min-fee THRESHOLD:FEE
                   the minimum-fee rule on (CheckBox1): a side whose amount is
                   below THRESHOLD won pays FEE won (r3, r4) (default: off)
  --no-min-fee     the minimum-fee rule off
  --rules          the market's rules of each row's date (CheckBox2): the tax in
                   force for the row's market instead of r2, and the break-even
                   price on the exchange's ticks; a row without a date is taken
                   as traded today (default: off)
  --no-rules       the market's rules off
  --market KEY     the market of rows without one: kospi, kosdaq, konex or etf
                   (ComboBox1) (default: kospi)
  --rounding round|won|ten
                   the rounding of ComboBox2 (default: round)
  --settings       starts from the options saved in cal.ini, in the folder where
                   the window finds it, changing nothing on disk
  --bom            starts the output with a UTF-8 byte-order mark, for
                   spreadsheet programs that need it to read Korean text
Without --settings and these options a journal is priced with the window's
defaults: 0.029 %, 0.3 %, the minimum-fee rule off, the market's rules off,
KOSPI, rounding on display.

Example:
  printf 'date,quantity,buy,sell\n2026-03-06,100,"71,300","73,000"\n' |
    mx_cal_sheet --csv --fee-rate 0.015 --rules --rounding ten
  date,quantity,buy,sell,buy_amount,sell_amount,buy_fee,sell_fee,tax,total_cost,net,break_even
  2026-03-06,100,"71,300","73,000",7130000,7300000,1060,1090,14600,16750,153250,71500

Fields
------
Every field of the output, in its order: its name, the caption the window shows
with it, and what it holds.

)";

inline constexpr std::string_view usageTail = R"(
Exit status:
  0  the fields were written (one sheet; messages such as a missing quantity are
     output, not failures), or every row was priced (journal)
  1  a row of the journal was left out: it cannot be priced (a missing, negative
     or non-numeric quantity, buy or sell price; a quantity or buy price of 0; a
     number beyond 2,147,483,647; a date that is not a date; an unknown market;
     a different number of fields than the header). Its line (the header is
     line 1) and the reason go to standard error; the other rows are written.
  2  a directive line, an argument or an option is refused, the journal's header
     lacks a required column or names one twice, or a file cannot be read or
     written; the reason goes to standard error (one sheet: nothing is written)
)";

// What --help prints: the usage with the legend of the fields, which the field catalogue gives.
struct UsageText {};
inline constexpr UsageText usage{};

inline std::ostream &operator<<(std::ostream &out, UsageText) {
    out << usageHead;
    writeFieldLegend(out);
    return out << usageTail;
}

} // namespace mx::sheet_tool
