#include "csv.h"

#include "text_encoding.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace mx::sheet_tool {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void fail(const std::string &name, const char *what) {
    throw StreamError(name + ": " + what + ": " + std::strerror(errno));
}

class FileSource : public ByteSource {
public:
    FileSource(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}

    std::size_t read(char *to, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fd_, to, size);
            if (n >= 0) {
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                fail(name_, "cannot read");
            }
        }
    }

private:
    int fd_;
    std::string name_;
};

class TextSource : public ByteSource {
public:
    explicit TextSource(std::string_view text) : text_(text) {}

    std::size_t read(char *to, std::size_t size) override {
        const std::size_t n = std::min(size, text_.size());
        std::memcpy(to, text_.data(), n);
        text_.remove_prefix(n);
        return n;
    }

private:
    std::string_view text_;
};

} // namespace

CsvReader::CsvReader(std::unique_ptr<ByteSource> source, ReaderLimits limits)
    : source_(std::move(source)), limits_(limits),
      buffer_(std::max<std::size_t>(limits.bufferSize, byteOrderMark.size())) {}

CsvReader::CsvReader(int fd, std::string name, ReaderLimits limits)
    : CsvReader(std::make_unique<FileSource>(fd, std::move(name)), limits) {}

CsvReader::CsvReader(std::string_view text, ReaderLimits limits)
    : CsvReader(std::make_unique<TextSource>(text), limits) {}

CsvReader::~CsvReader() = default;

std::vector<std::string> CsvReader::split(std::string_view line, char separator,
                                          bool &unterminated) {
    CsvReader reader(line, {std::max<std::size_t>(line.size(), 1), line.size() + 1});
    reader.skipByteOrderMark_ = false;
    reader.encoding_ = Encoding::Utf8;
    reader.setSeparator(separator);
    std::vector<std::string> fields;
    unterminated = false;
    if (reader.next()) {
        fields.assign(reader.fields().begin(), reader.fields().end());
        unterminated = reader.unterminated();
    }
    return fields;
}

void CsvReader::start() {
    started_ = true;
    while (end_ < byteOrderMark.size() && readOn()) {
    }
    if (skipByteOrderMark_ && std::string_view(buffer_.data(), end_).starts_with(byteOrderMark)) {
        begin_ = byteOrderMark.size();
    }
}

// Reads on into the room after the buffer's bytes; false at the end of the input.
bool CsvReader::readOn() {
    const std::size_t n = source_->read(buffer_.data() + end_, buffer_.size() - end_);
    end_ += n;
    atEnd_ = n == 0;
    return n > 0;
}

// Reads the next record in place when it stands on one line of the buffer and holds no quote:
// its fields are views of the buffer, the line break (and a CR before it) is taken from the
// input. A partial line at the end of the buffer is moved to its front and the input read on.
// False, and nothing taken, for a record with quotes, a line longer than the buffer or than a
// record may be, and the end of the input.
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
    if ((newline == nullptr && to == from) ||
        static_cast<std::size_t>(to - from) > limits_.recordSize) {
        return false;
    }
    // One pass splits the line at its separators and looks for what needs quotes. The separator
    // is held apart: the fields' stores could otherwise change it.
    const char separator = separator_;
    bool carriageReturn = false;
    const char *field = from;
    for (const char *c = from; c != to; ++c) {
        if (*c == separator) {
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
    plainRecord_ = carriageReturn || separator_ != ',' ? std::nullopt : std::optional(line);
    if (newline != nullptr) {
        ++nextLine_;
        begin_ = static_cast<std::size_t>(newline - buffer_.data()) + 1;
    } else {
        begin_ = end_;
    }
    decodeFields(isAscii(line));
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

// Keeps a character of the field being read, unless the record has grown too long to keep.
void CsvReader::keep(char c) {
    if (text_.size() + ends_.size() >= limits_.recordSize) {
        tooLong_ = true;
        return;
    }
    text_.push_back(c);
}

// Takes the bytes up to the next separator, line break or carriage return of the buffer at
// once.
void CsvReader::appendPlainRun() {
    const char *from = buffer_.data() + begin_;
    const char *to = from;
    const char *const last = buffer_.data() + end_;
    while (to != last && *to != separator_ && *to != '\n' && *to != '\r') {
        ++to;
    }
    begin_ += static_cast<std::size_t>(to - from);
    const std::size_t used = text_.size() + ends_.size();
    const std::size_t room = limits_.recordSize > used ? limits_.recordSize - used : 0;
    if (static_cast<std::size_t>(to - from) > room) {
        tooLong_ = true;
        to = from + room;
    }
    text_.append(from, to);
}

// Ends the field being read. Past the limit, the separators count as well.
void CsvReader::endField() {
    if (text_.size() + ends_.size() > limits_.recordSize) {
        tooLong_ = true;
    }
    if (!tooLong_) {
        ends_.push_back(text_.size());
    }
}

bool CsvReader::next() {
    if (!started_) {
        start();
    }
    unterminated_ = false;
    tooLong_ = false;
    line_ = nextLine_;
    fields_.clear();
    plainRecord_.reset();
    if (readPlainRecord()) {
        return true;
    }
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
                keep(static_cast<char>(c));
            }
        }
        while (c >= 0 && c != separator_ && c != '\n') {
            if (c == '\r' && peek() == '\n') {
                c = get();
                break;
            }
            keep(static_cast<char>(c));
            appendPlainRun();
            c = get();
        }
        endField();
        if (c != separator_) {
            break;
        }
        c = get();
    }
    if (c == '\n') {
        ++nextLine_;
    }
    if (!tooLong_) {
        std::size_t from = 0;
        for (const std::size_t to : ends_) {
            fields_.emplace_back(text_.data() + from, to - from);
            from = to;
        }
        decodeFields(isAscii(text_));
    }
    return true;
}

bool CsvReader::nextLine() {
    if (!started_) {
        start();
    }
    line_ = nextLine_;
    lineText_.clear();
    if (begin_ == end_ && !fill()) {
        return false;
    }
    // Up to two bytes more than a record may hold: a CR before the line break, and one more
    // that tells the line is too long.
    const std::size_t most = limits_.recordSize + 2;
    bool cut = false;
    for (;;) {
        const char *from = buffer_.data() + begin_;
        const char *newline = static_cast<const char *>(std::memchr(from, '\n', end_ - begin_));
        const char *to = newline != nullptr ? newline : buffer_.data() + end_;
        const auto length = static_cast<std::size_t>(to - from);
        const std::size_t room = most - lineText_.size();
        cut = cut || length > room;
        lineText_.append(from, std::min(length, room));
        begin_ = static_cast<std::size_t>(to - buffer_.data()) + (newline != nullptr ? 1 : 0);
        if (newline != nullptr || !fill()) {
            break;
        }
    }
    ++nextLine_;
    if (!cut && !lineText_.empty() && lineText_.back() == '\r') {
        lineText_.pop_back();
    }
    tooLong_ = cut || lineText_.size() > limits_.recordSize;
    if (tooLong_) {
        lineText_.resize(limits_.recordSize);
    }
    if (!isAscii(lineText_) && readAsCp949(isUtf8(lineText_))) {
        std::string decoded;
        decoder_->decode(lineText_, decoded);
        lineText_ = std::move(decoded);
    }
    return true;
}

// Whether a record or line with a byte beyond ASCII is read as CP949, `utf8` telling whether it
// is well-formed UTF-8. The first such record decides the input's encoding; one that is not UTF-8
// turns it to CP949.
bool CsvReader::readAsCp949(bool utf8) {
    if (encoding_ == Encoding::Undecided) {
        encoding_ = utf8 ? Encoding::Utf8 : Encoding::Cp949;
    } else if (!utf8) {
        encoding_ = Encoding::Cp949;
    }
    if (encoding_ != Encoding::Cp949) {
        return false;
    }
    if (!decoder_) {
        decoder_ = std::make_unique<Cp949Decoder>();
    }
    return true;
}

void CsvReader::decodeFields(bool ascii) {
    if (ascii) {
        return;
    }
    const bool utf8 = encoding_ != Encoding::Cp949 &&
                      std::all_of(fields_.begin(), fields_.end(),
                                  [](std::string_view field) { return isUtf8(field); });
    if (!readAsCp949(utf8)) {
        return;
    }
    decoded_.clear();
    std::vector<std::size_t> ends;
    ends.reserve(fields_.size());
    for (const std::string_view field : fields_) {
        decoder_->decode(field, decoded_);
        ends.push_back(decoded_.size());
    }
    std::size_t from = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = std::string_view(decoded_).substr(from, ends[i] - from);
        from = ends[i];
    }
    plainRecord_.reset();
}

} // namespace mx::sheet_tool
