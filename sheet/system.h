#pragma once

#include <QString>
#include <string>
#include <vector>

// What mx_cal_sheet needs of the operating system, one source file for each system it runs
// on (system_posix.cpp, system_windows.cpp).
namespace mx::sheet_tool {

// Readies standard input, output and error for bytes as they are, with no translation of line
// breaks, so that the output is the same bytes everywhere; a console shows that output as
// UTF-8 while the program runs.
void setUpStandardStreams();

// The arguments after the program's name, in UTF-8.
std::vector<std::string> commandArguments(int argc, char *argv[]);

// The descriptor of the file named in UTF-8 by `path`, opened for reading bytes as they are;
// -1, with errno set, when it cannot be opened.
int openForReading(const std::string &path);

inline constexpr int standardInput = 0;
inline constexpr int standardOutput = 1;

// The folder that holds this program's executable file, as the system reports it.
QString executableFolder();

} // namespace mx::sheet_tool
