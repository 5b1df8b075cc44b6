// mx_cal_sheet: runs the Calculate command of MX 주식계산기 without a window.
// Directives on standard input, every field of the sheet on standard output.

#include "report.h"
#include "script.h"

#include <iostream>
#include <string>

int main() {
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
