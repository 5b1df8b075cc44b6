#pragma once

#include <string>
#include <string_view>

namespace mx::sheet_tool {

// Whether every byte of `text` is ASCII.
bool isAscii(std::string_view text);

// Whether `text` is well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view text);

// Turns text of the Windows Korean code page CP949 (a superset of EUC-KR) into UTF-8, through
// the C library's iconv on Linux and the system's code page 949 on Windows (cp949_posix.cpp,
// cp949_windows.cpp), to the same text: a byte that starts no CP949 character of the C
// library's table (which has no user-defined characters) becomes U+FFFD.
class Cp949Decoder {
public:
    // Throws StreamError where the C library cannot convert CP949.
    Cp949Decoder();
    ~Cp949Decoder();
    Cp949Decoder(const Cp949Decoder &) = delete;
    Cp949Decoder &operator=(const Cp949Decoder &) = delete;

    // Appends `text` in UTF-8 to `out`.
    void decode(std::string_view text, std::string &out);

private:
    void *convert_ = nullptr; // the C library's converter, where it takes one (an iconv_t)
};

} // namespace mx::sheet_tool
