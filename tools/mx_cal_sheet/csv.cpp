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
    while (end_ < byteOrderMark.size() && readOn()) {
    }
    if (std::string_view(buffer_.data(), end_).starts_with(byteOrderMark)) {
        begin_ = byteOrderMark.size();
    }
}

// Reads on into the room after the buffer's bytes; false at the end of the input.
bool CsvReader::readOn() {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            end_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            atEnd_ = true;
            return false;
        }
        if (errno != EINTR) {
            fail(name_, "cannot read");
        }
    }
}

// Reads the next record in place when it stands on one line of the buffer and holds no quote:
// its fields are views of the buffer, the line break (and a CR before it) is taken from the
// input. A partial line at the end of the buffer is moved to its front and the input read on.
// False, and nothing taken, for a record with quotes, a line longer than the buffer, and the
// end of the input.
bool CsvReader::readPlainRecord() {
    const char *newline = nullptr;
    std::size_t searched = begin_;
    for (;;) {
        newline = static_cast<const char *>(
            std::memchr(buffer_.data() + searched, '\n', end_ - searched));
        if (newline != nullptr || atEnd_) {
            break;
        }
        if (begin_ == 0 && end_ == buffer_.size()) {
            return false;
        }
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        searched = end_;
        readOn();
    }
    const char *from = buffer_.data() + begin_;
    const char *to = newline != nullptr ? newline : buffer_.data() + end_;
    if (newline != nullptr && to != from && to[-1] == '\r') {
        --to;
    }
    if (newline == nullptr && to == from) {
        return false;
    }
    // One pass splits the line at its commas and looks for what needs quotes.
    bool carriageReturn = false;
    const char *field = from;
    for (const char *c = from; c != to; ++c) {
        if (*c == ',') {
            fields_.emplace_back(field, static_cast<std::size_t>(c - field));
            field = c + 1;
        } else if (*c == '"') {
            fields_.clear();
            return false;
        } else if (*c == '\r') {
            carriageReturn = true; // a lone CR, which the writer quotes
        }
    }
    fields_.emplace_back(field, static_cast<std::size_t>(to - field));
    const std::string_view line(from, static_cast<std::size_t>(to - from));
    plainRecord_ = carriageReturn ? std::nullopt : std::optional(line);
    if (newline != nullptr) {
        ++nextLine_;
        begin_ = static_cast<std::size_t>(newline - buffer_.data()) + 1;
    } else {
        begin_ = end_;
    }
    return true;
}

// Starts the buffer afresh once all its bytes are taken; false at the end of the input.
bool CsvReader::fill() {
    begin_ = end_ = 0;
    return !atEnd_ && readOn();
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
    unterminated_ = false;
    line_ = nextLine_;
    fields_.clear();
    if (readPlainRecord()) {
        return true;
    }
    plainRecord_.reset();
    text_.clear();
    ends_.clear();
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
