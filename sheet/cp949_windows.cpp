#include "text_encoding.h"

#include <windows.h>

namespace mx::sheet_tool {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD
constexpr UINT koreanCodePage = 949;

// Windows' code page 949 is the C library's CP949 and more: the single byte 0x80 and the
// user-defined characters of the lead bytes 0xC9 and 0xFE, which Linux reads as no character.
bool linuxReads(unsigned char lead) {
    return lead != 0x80 && lead != 0xC9 && lead != 0xFE;
}

void appendUtf8(wchar_t c, std::string &out) {
    const auto code = static_cast<unsigned>(c);
    if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (code & 0x3F));
}

} // namespace

Cp949Decoder::Cp949Decoder() = default;

Cp949Decoder::~Cp949Decoder() = default;

void Cp949Decoder::decode(std::string_view text, std::string &out) {
    out.reserve(out.size() + 3 * text.size() / 2);
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            out += text[at++];
            continue;
        }
        // A character of two bytes, or the lead byte alone taken as no character.
        wchar_t character = 0;
        if (at + 1 < text.size() && linuxReads(lead) &&
            MultiByteToWideChar(koreanCodePage, MB_ERR_INVALID_CHARS, text.data() + at, 2,
                                &character, 1) == 1) {
            appendUtf8(character, out);
            at += 2;
        } else {
            out += replacement;
            ++at;
        }
    }
}

} // namespace mx::sheet_tool
