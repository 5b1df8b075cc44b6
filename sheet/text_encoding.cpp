#include "text_encoding.h"

#include <cstdint>
#include <cstring>

namespace mx::sheet_tool {
namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

bool isAscii(std::string_view text) {
    // Eight bytes at a time: every row of a journal passes here.
    std::uint64_t high = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, 8);
        high |= word;
    }
    for (; at < text.size(); ++at) {
        high |= static_cast<unsigned char>(text[at]);
    }
    return (high & 0x8080808080808080) == 0;
}

bool isUtf8(std::string_view text) {
    const auto *at = reinterpret_cast<const unsigned char *>(text.data());
    const unsigned char *const end = at + text.size();
    while (at != end) {
        const unsigned char c = *at;
        if (c < 0x80) {
            ++at;
            continue;
        }
        // The length of the sequence and the range its second byte must lie in, which rules
        // out overlong forms, surrogates and code points beyond U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - at) < length || at[1] < low || at[1] > high) {
            return false;
        }
        for (std::size_t i = 2; i < length; ++i) {
            if (!continuation(at[i])) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

} // namespace mx::sheet_tool
