#include "csv.h"
#include "text_encoding.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace mx::sheet_tool {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD

} // namespace

Cp949Decoder::Cp949Decoder() : convert_(iconv_open("UTF-8", "CP949")) {
    if (convert_ == reinterpret_cast<iconv_t>(-1)) {
        throw StreamError(std::string("cannot read CP949 text: ") + std::strerror(errno));
    }
}

Cp949Decoder::~Cp949Decoder() {
    iconv_close(convert_);
}

void Cp949Decoder::decode(std::string_view text, std::string &out) {
    // A character of two bytes takes three in UTF-8, and so does U+FFFD for one byte.
    std::size_t written = out.size();
    out.resize(written + 3 * text.size() + replacement.size());
    char *in = const_cast<char *>(text.data()); // iconv does not write to its input
    std::size_t inLeft = text.size();
    iconv(convert_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        char *to = out.data() + written;
        std::size_t outLeft = out.size() - written;
        const std::size_t done = iconv(convert_, &in, &inLeft, &to, &outLeft);
        written = static_cast<std::size_t>(to - out.data());
        if (done != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() + 3 * inLeft + replacement.size());
            continue;
        }
        // EILSEQ, or EINVAL for a lead byte at the end: the byte is no character.
        if (out.size() - written < replacement.size()) {
            out.resize(written + replacement.size() + 3 * inLeft);
        }
        out.replace(written, replacement.size(), replacement);
        written += replacement.size();
        ++in;
        --inLeft;
    }
    out.resize(written);
}

} // namespace mx::sheet_tool
