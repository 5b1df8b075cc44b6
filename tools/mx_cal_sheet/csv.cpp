#include "csv.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace mx::sheet_tool {
namespace {

constexpr std::size_t bufferSize = std::size_t{1} << 16;
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void fail(const std::string &name, const char *what) {
    throw StreamError(name + ": " + what + ": " + std::strerror(errno));
}

bool needsQuotes(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

} // namespace

CsvReader::CsvReader(int fd, std::string name)
    : fd_(fd), name_(std::move(name)), buffer_(bufferSize) {}

void CsvReader::skipByteOrderMark() {
    started_ = true;
    while (end_ < byteOrderMark.size() && !atEnd_) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            end_ += static_cast<std::size_t>(n);
        } else if (n == 0) {
            atEnd_ = true;
        } else if (errno != EINTR) {
            fail(name_, "cannot read");
        }
    }
    if (std::string_view(buffer_.data(), end_).starts_with(byteOrderMark)) {
        begin_ = byteOrderMark.size();
    }
}

bool CsvReader::fill() {
    while (!atEnd_) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            begin_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            atEnd_ = true;
        } else if (errno != EINTR) {
            fail(name_, "cannot read");
        }
    }
    return false;
}

int CsvReader::get() {
    if (begin_ == end_ && !fill()) {
        return -1;
    }
    return static_cast<unsigned char>(buffer_[begin_++]);
}

int CsvReader::peek() {
    if (begin_ == end_ && !fill()) {
        return -1;
    }
    return static_cast<unsigned char>(buffer_[begin_]);
}

// Takes the bytes up to the next comma, line break or carriage return of the buffer at once.
void CsvReader::appendPlainRun() {
    const char *from = buffer_.data() + begin_;
    const char *to = from;
    const char *const last = buffer_.data() + end_;
    while (to != last && *to != ',' && *to != '\n' && *to != '\r') {
        ++to;
    }
    text_.append(from, to);
    begin_ += static_cast<std::size_t>(to - from);
}

bool CsvReader::next() {
    if (!started_) {
        skipByteOrderMark();
    }
    text_.clear();
    ends_.clear();
    unterminated_ = false;
    line_ = nextLine_;
    int c = get();
    if (c < 0) {
        return false;
    }
    for (;;) { // one field per pass; c is its first character
        if (c == '"') {
            for (;;) {
                c = get();
                if (c < 0) {
                    unterminated_ = true;
                    break;
                }
                if (c == '"') {
                    if (peek() != '"') {
                        c = get();
                        break;
                    }
                    get();
                } else if (c == '\n') {
                    ++nextLine_;
                }
                text_.push_back(static_cast<char>(c));
            }
        }
        while (c >= 0 && c != ',' && c != '\n') {
            if (c == '\r' && peek() == '\n') {
                c = get();
                break;
            }
            text_.push_back(static_cast<char>(c));
            appendPlainRun();
            c = get();
        }
        ends_.push_back(text_.size());
        if (c != ',') {
            break;
        }
        c = get();
    }
    if (c == '\n') {
        ++nextLine_;
    }
    fields_.clear();
    std::size_t from = 0;
    for (const std::size_t to : ends_) {
        fields_.emplace_back(text_.data() + from, to - from);
        from = to;
    }
    return true;
}

CsvWriter::CsvWriter(int fd, std::string name)
    : fd_(fd), name_(std::move(name)), buffer_(bufferSize) {}

void CsvWriter::reserve(std::size_t size) {
    if (used_ + size > buffer_.size()) {
        flush();
        if (size > buffer_.size()) {
            buffer_.resize(size);
        }
    }
}

void CsvWriter::raw(std::string_view bytes) {
    reserve(bytes.size());
    std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void CsvWriter::field(std::string_view text) {
    if (!needsQuotes(text)) {
        rawField(text.size(),
                 [text](char *out) { return std::copy(text.begin(), text.end(), out); });
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
}

void CsvWriter::flush() {
    std::size_t written = 0;
    while (written < used_) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, used_ - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            errno = n == 0 ? EIO : errno;
            fail(name_, "cannot write");
        }
    }
    used_ = 0;
}

} // namespace mx::sheet_tool
