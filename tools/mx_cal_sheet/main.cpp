// mx_cal_sheet: runs the Calculate command of MX 주식계산기 without a window.
// Directives on standard input, every field of the sheet on standard output.

#include "report.h"
#include "script.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view usage = R"(Usage: mx_cal_sheet [--help] < directives

Runs the Calculate command of MX 주식계산기 on a sheet that starts as the window
starts, reading one directive per line from standard input:

  NAME=TEXT      types TEXT into the field NAME (s1, s2, s3, r1 .. r9, W1, Y1, ...);
                 CheckBox1 takes 1 or 0; a memo field (Memo3, Memo4) gains a line
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

Output: one line "message=TEXT" per message Calculate showed, in order (a carriage
return written as \r), then one line NAME=VALUE per field in byte order of the
names, with the same texts the window shows.

Example:
  printf 's1=10\ns2=10000\ns3=11000\n' | mx_cal_sheet | grep '^e6='
  e6=9,609

Exit status: 0 when every line was taken and the fields were written (messages
such as a missing quantity are output, not failures); 2 when a line is refused
(the line number and the reason go to standard error, nothing to standard output)
or an argument is not known.
)";

} // namespace

int main(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << usage;
            return 0;
        }
        std::cerr << "mx_cal_sheet: unknown argument: " << argument << '\n'
                  << "Try 'mx_cal_sheet --help'.\n";
        return 2;
    }
    mx::sheet_tool::SheetScript script;
    std::string line;
    long number = 0;
    try {
        while (std::getline(std::cin, line)) {
            ++number;
            script.apply(line);
        }
        script.finish();
    } catch (const mx::sheet_tool::ScriptError &error) {
        std::cerr << "mx_cal_sheet: line " << number << ": " << error.what() << '\n';
        return 2;
    }
    mx::sheet_tool::writeReport(std::cout, script.sheet(), script.messages());
    return 0;
}
