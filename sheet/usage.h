#pragma once

#include "report.h"

#include <ostream>
#include <string_view>

namespace mx::sheet_tool {

// What --help prints before the legend of the fields and after it.
inline constexpr std::string_view usageHead = R"(Usage: mx_cal_sheet < directives
       mx_cal_sheet --csv [FILE] [OPTION...]
       mx_cal_sheet --ledger [FILE] [--sort] [--summary] [OPTION...]
       mx_cal_sheet --help | --version

Runs the Calculate command of MX 주식계산기 without a window: on one sheet, or on
every trade of a journal; or keeps a ledger of fills. --help prints this text, --version the version.

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
  P1=N .. P14=N  the 평단·물타기 panel (the window's button 물타기, Ctrl+M): the
                 holding, five further buys, the current price and a target
                 average; see Fields below. Its results Q1 .. Q12 follow its
                 fields and the options as they stand at the end of the input,
                 as the window recomputes them while one types
  @calc          runs Calculate now; without any @calc line it runs once at the end
  @now=YYYY-MM-DD HH:MM
                 the local time Calculate stamps (default: the clock)
  # ...          a comment; blank lines are skipped as well

Output: one line "message=TEXT" per message Calculate showed, in order (a
carriage return written as \r), then one line NAME=VALUE per field in byte order
of the names, with the same texts the window shows. The fields of the 평단·물타기
panel, P1 .. P14 and Q1 .. Q12, are written only when one of P1 .. P14 holds a
text.

Example:
  printf 's1=10\ns2=10000\ns3=11000\n' | mx_cal_sheet | grep '^e6='
  e6=9,609
  printf 'P1=100\nP2=72000\nP13=65000\nP14=68000\n' | mx_cal_sheet |
    grep -E '^Q(8|9|10|11)='
  Q10=8,712,526
  Q11=67,991.45
  Q8=72,300
  Q9=134

Journal (--csv)
---------------
Reads a CSV file (standard input when FILE is absent or "-") and prices each row
as the fee/profit sheet prices one trade. The header row names the columns, in
any order and case, with blanks anywhere in a name ("수 량"):

  quantity       s1, the number of shares                             (required)
                 also 수량, 체결수량, 매매수량
  buy            s2, the buy price in won                             (required)
                 also 매수단가, 매입단가, 매수가, 매수평균가
  sell           s3, the sell price in won                            (required)
                 also 매도단가, 매도가, 매도평균가
  date           the trade date: 2025-03-06, 2025/03/06, 2025.03.06,
                 2025. 3. 6. or 20250306, month and day of one digit or
                 two, and any of these with a time after a blank or T (optional)
                 also 매매일자, 거래일자, 체결일자, 매매일, 거래일, 일자
  market         kospi, kosdaq, konex, etf, 코스피, 코스닥, 코넥스,
                 ETF·ETN, 유가증권(시장), 코스닥시장, 코넥스시장 or ETN
                 (optional; empty: the market of --market)
                 also 시장, 시장구분

Other columns are carried through as they are. Numbers are whole won; commas
between thousands are read ("71,300" in quotes). The file is read as brokers and
spreadsheet programs write it: in UTF-8, with or without a byte-order mark, or
else in CP949 (the Windows Korean code page); fields separated by commas, tabs
or semicolons, as the header row shows; CR LF line ends; quoted fields holding
separators, "" and line breaks. Up to 20 title lines above the header row are
skipped, and so are rows whose fields are all blank and the header row repeated
further down. A row longer than 1 MiB is refused without being read.

Output, always in UTF-8: the header and a row for each row read, in input
order: the input columns, then buy_amount (s4), sell_amount (s5), buy_fee (e1),
sell_fee (e2), tax (e3), transaction_tax and rural_tax (the two parts of the
tax: the securities transaction tax, and the special tax for rural development
that KOSPI's sells pay under --rules, 0 otherwise), total_cost (e4), net (the
net result: e6 as a profit, e5 negated as a loss), break_even (e8, empty where
the window shows none) and error, in whole won as the window shows them, without
separators. A row that cannot be priced keeps its place with empty results and
the reason in error. Fields are quoted only where CSV needs it; lines end with
LF.

Options of the journal (each overrides --settings):
  --fee-rate RATE  r1, the fee in percent of each side's amount (default 0.029)
  --tax-rate RATE  r2, the tax in percent of the sell amount (default 0.3)
  --min-fee THRESHOLD:FEE
                   the minimum-fee rule on (CheckBox1): a side whose amount is
                   below THRESHOLD won pays FEE won (r3, r4) (default: off)
  --no-min-fee     the minimum-fee rule off
  --rules          the market's rules of each row's date (CheckBox2): the taxes
                   in force for the row's market instead of r2 (on KOSPI two,
                   each truncated on its own under --rounding won or ten), and
                   the break-even price on the exchange's ticks; a row without
                   a date is taken as traded today (default: off; a journal
                   with dates or markets priced without it says so on standard
                   error)
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
  date,quantity,buy,sell,buy_amount,sell_amount,buy_fee,sell_fee,tax,transaction_tax,rural_tax,total_cost,net,break_even,error
  2026-03-06,100,"71,300","73,000",7130000,7300000,1060,1090,14600,3650,10950,16750,153250,71500,

Ledger (--ledger)
-----------------
Reads fills, read as the journal reads its file, and applies each to the
position of its stock as a broker's domestic statement does:

  side           buy or sell, 매수 or 매도, or a word holding one of them such
                 as 장내매수 or 현금매도                                (required)
                 also 매매구분, 매도매수구분, 매수매도구분, 거래구분, 구분
  quantity       the number of shares                                 (required)
  price          the price per share in won                           (required)
                 also 단가, 체결단가, 체결가
  date           the trade date, as for the journal  (required with --rules)
  stock          the stock; rows without one are one stock    (optional)
                 also 종목코드, or else a column 종목명
  market         as for the journal                                   (optional)
  charged_fee    the fee the broker charged (also 수수료)              (optional)
  charged_tax    the tax the broker charged (also 제세금, 거래세)        (optional)

The convention: moving average (이동평균법). A buy adds its amount and fee to
the holding; a sell of k of Q shares takes out the cost, the buy amount held x
k / Q, and the carried fees, the buy fees held x k / Q, each rounded to the won
(halves away from zero), and leaves the average as it was. realized = sell
amount - cost - sell fee - tax, as the statement shows it; realized_net =
realized - the carried fees, what the shares sold earned with their buy fees.

Output: a row per fill, the input columns, then amount, fee, tax, held (the
shares after the fill), average_price and average_cost (with the buy fees;
two decimals where not whole, empty when nothing is held), realized and
realized_net (empty for buys), fee_difference and tax_difference (the charged
figure - the computed one, where the input has charged_fee or charged_tax), and
error. The fills apply in date order: a file in ascending order streams; one in
descending order is applied from its end and written in its own order; any
other is refused at the first line out of order. A sell of more shares than
held keeps its row with the reason in error and leaves the position unchanged.
  --sort         sorts the fills by date (the file's order kept within a day)
                 and writes them so
  --summary      writes instead a row per stock and calendar year: bought,
                 sold, fees, taxes, realized, realized_net, held at the year's
                 end and its average_price; and a total row
--sort and a descending file keep the file in memory; otherwise memory grows
with the number of stocks, not of fills. The journal's options apply.

Example:
  printf 'side,quantity,price\n매수,146,22493\n매수,1,26805\n매도,47,30000\n' |
    mx_cal_sheet --ledger --rounding won
  side,quantity,price,amount,fee,tax,held,average_price,average_cost,realized,realized_net,error
  매수,146,22493,3283978,952,0,146,22493,22499.52,,,
  매수,1,26805,26805,7,0,147,22522.33,22528.86,,,
  매도,47,30000,1410000,408,4230,100,22522.33,22528.85,346812,346505,

Fields
------
Every field of the output, in its order: its name, the caption the window shows
with it, and what it holds.

)";

inline constexpr std::string_view usageTail = R"(
Exit status:
  0  the fields were written (one sheet; messages such as a missing quantity are
     output, not failures), or every row was priced (journal)
  1  a row of the journal was not priced (a missing, negative or non-numeric
     quantity, buy or sell price; a quantity or buy price of 0; a number beyond
     2,147,483,647; a date that is not a date; an unknown market; a different
     number of fields than the header; a quote left open; a row beyond 1 MiB).
     A fill the ledger cannot apply (a sell beyond the holding, a side that
     is neither, a missing date in a file with dates) likewise.
     Its line (the file's first line is line 1) and the reason go to standard
     error; the row keeps its place in the output, the other rows are priced.
  2  a directive line, an argument or an option is refused, the journal has no
     header row within its first 21 lines, its header lacks a required column,
     names one twice or names a column the output adds, the ledger's dates are
     in no order (without --sort), or a file cannot be
     read or written; the reason goes to standard error (one sheet: nothing is
     written; journal: the rows priced before are written)
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
