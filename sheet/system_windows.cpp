#include "system.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace mx::sheet_tool {
namespace {

UINT consoleOutputCodePage = 0;

// The console keeps its code page after the program: the one it had comes back at exit.
void restoreConsoleCodePage() {
    SetConsoleOutputCP(consoleOutputCodePage);
}

std::string utf8(const wchar_t *text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size) - 1);
    return bytes;
}

} // namespace

void setUpStandardStreams() {
    for (FILE *stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    consoleOutputCodePage = GetConsoleOutputCP();
    if (consoleOutputCodePage != 0 && consoleOutputCodePage != CP_UTF8 &&
        SetConsoleOutputCP(CP_UTF8)) {
        std::atexit(restoreConsoleCodePage);
    }
}

// The command line as Windows holds it, in UTF-16: argv has it in the ANSI code page, which
// loses the characters outside it.
std::vector<std::string> commandArguments(int, char *[]) {
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        result.push_back(utf8(arguments[i]));
    }
    LocalFree(arguments);
    return result;
}

int openForReading(const std::string &path) {
    const std::wstring name = QString::fromStdString(path).toStdWString();
    return _wopen(name.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

QString executableFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (size < name.size()) {
            name.resize(size);
            break;
        }
        name.resize(name.size() * 2);
    }
    return QFileInfo(QDir::fromNativeSeparators(QString::fromStdWString(name))).absolutePath();
}

} // namespace mx::sheet_tool
