#include "tool_runner.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <windows.h>

namespace mx::testing_support {
namespace {

std::wstring wide(const std::string &utf8) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

// A temporary file that the child inherits as one of its standard handles, removed again when
// it goes out of scope.
class TempFile {
public:
    TempFile() {
        static std::mt19937 random{std::random_device{}()};
        path_ = std::filesystem::temp_directory_path() /
                (L"mx_sheet_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                 std::to_wstring(random()));
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        handle_ = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            throw std::runtime_error("cannot create a temporary file");
        }
    }
    ~TempFile() {
        CloseHandle(handle_);
        DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    HANDLE handle() const { return handle_; }

    void write(std::string_view text) const {
        DWORD written = 0;
        if (!text.empty() &&
            (!WriteFile(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
             written != text.size())) {
            throw std::runtime_error("cannot write the tool's input");
        }
        SetFilePointer(handle_, 0, nullptr, FILE_BEGIN);
    }

    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// One argument of a command line as the C runtime splits it again: in quotes, with the
// backslashes before a quote doubled.
std::wstring quoted(const std::wstring &argument) {
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(2 * backslashes, L'\\');
    return text + L"\"";
}

// This process's environment with `entries` set, as CreateProcessW takes it.
std::wstring environmentBlock(const std::vector<std::string> &entries) {
    std::map<std::wstring, std::wstring> variables;
    const auto set = [&](const std::wstring &entry) {
        const std::size_t equals = entry.find(L'=', 1);
        if (equals != std::wstring::npos) {
            variables[entry.substr(0, equals)] = entry.substr(equals + 1);
        }
    };
    wchar_t *own = GetEnvironmentStringsW();
    for (const wchar_t *entry = own; *entry != L'\0'; entry += wcslen(entry) + 1) {
        set(entry);
    }
    FreeEnvironmentStringsW(own);
    for (const std::string &entry : entries) {
        set(wide(entry));
    }
    std::wstring block;
    for (const auto &[name, value] : variables) {
        block += name + L"=" + value + L'\0';
    }
    return block + L'\0';
}

} // namespace

ToolRun runProgram(const std::string &program, std::string_view input,
                   const std::vector<std::string> &arguments,
                   const std::vector<std::string> &environment, const Streams &streams) {
    TempFile in;
    TempFile out;
    TempFile err;
    in.write(input);
    std::wstring commandLine = quoted(wide(program));
    for (const std::string &argument : arguments) {
        commandLine += L" " + quoted(wide(argument));
    }
    std::wstring block = environmentBlock(environment);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto standIn = [&](const std::string &path, DWORD access, HANDLE own) {
        return path.empty()
                   ? own
                   : CreateFileW(wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 &inherit, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = standIn(streams.input, GENERIC_READ, in.handle());
    startup.hStdOutput = standIn(streams.output, GENERIC_WRITE, out.handle());
    startup.hStdError = err.handle();
    PROCESS_INFORMATION child{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, block.data(), nullptr,
                        &startup, &child)) {
        throw std::runtime_error("cannot start " + program);
    }
    WaitForSingleObject(child.hProcess, INFINITE);
    for (const HANDLE own : {startup.hStdInput, startup.hStdOutput}) {
        if (own != in.handle() && own != out.handle()) {
            CloseHandle(own);
        }
    }
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    ToolRun run;
    run.exitCode = static_cast<int>(status);
    run.out = out.contents();
    run.err = err.contents();
    return run;
}

std::string toCp949(const std::string &utf8) {
    const std::wstring text = wide(utf8);
    const int size = WideCharToMultiByte(949, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(949, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

} // namespace mx::testing_support
