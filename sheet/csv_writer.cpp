#include "csv.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace mx::sheet_tool {
namespace {

bool needsQuotes(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

} // namespace

CsvWriter::CsvWriter(int fd, std::string name)
    : fd_(fd), name_(std::move(name)), buffer_(std::size_t{1} << 16) {}

// Makes room for `size` more bytes, writing out the records ended so far and keeping the one
// begun.
void CsvWriter::reserve(std::size_t size) {
    if (used_ + size <= buffer_.size()) {
        return;
    }
    writeOut(recordStart_);
    std::memmove(buffer_.data(), buffer_.data() + recordStart_, used_ - recordStart_);
    used_ -= recordStart_;
    recordStart_ = 0;
    if (used_ + size > buffer_.size()) {
        buffer_.resize(used_ + size);
    }
}

void CsvWriter::raw(std::string_view bytes) {
    reserve(bytes.size());
    std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void CsvWriter::field(std::string_view text) {
    if (!needsQuotes(text)) {
        plainFields(text);
        return;
    }
    rawField(2 * text.size() + 2, [text](char *out) {
        *out++ = '"';
        for (const char c : text) {
            if (c == '"') {
                *out++ = '"';
            }
            *out++ = c;
        }
        *out++ = '"';
        return out;
    });
}

void CsvWriter::endRecord() {
    reserve(1);
    buffer_[used_++] = '\n';
    fieldsInRecord_ = 0;
    recordStart_ = used_;
}

void CsvWriter::writeOut(std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, size - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            errno = n == 0 ? EIO : errno;
            throw StreamError(name_ + ": cannot write: " + std::strerror(errno));
        }
    }
}

void CsvWriter::flush() {
    writeOut(used_);
    used_ = recordStart_ = 0;
}

void CsvWriter::flushWholeRecords() {
    used_ = recordStart_;
    fieldsInRecord_ = 0;
    flush();
}

} // namespace mx::sheet_tool
