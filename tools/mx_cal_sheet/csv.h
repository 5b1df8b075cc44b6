#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mx::sheet_tool {

// The input or the output of a file failed: the reason names the file and the error.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads CSV records one at a time from a file descriptor, as spreadsheet programs write them
// (RFC 4180): fields separated by commas, records by LF or CR LF, a field in double quotes
// holding commas, line breaks and "" for a quote. A UTF-8 byte-order mark at the start is
// skipped. Text after a closing quote is kept as it stands. Only one record is held at a time:
// one that stands on a line of the buffer without quotes is read in place.
class CsvReader {
public:
    CsvReader(int fd, std::string name);

    // Reads the next record; false at the end of the input. Throws StreamError when the input
    // cannot be read.
    bool next();

    // The fields of the record read last, with their quotes taken off; valid until next().
    std::span<const std::string_view> fields() const { return fields_; }
    // That record as CsvWriter writes its fields, when none of them needs quotes: its bytes
    // without the line break. Empty for a record that needs quotes.
    std::optional<std::string_view> plainRecord() const { return plainRecord_; }
    // The physical line, counted from 1, that the record read last starts on.
    long line() const { return line_; }
    // Whether that record ran to the end of the input inside a quoted field.
    bool unterminated() const { return unterminated_; }

private:
    void skipByteOrderMark();
    bool readOn();
    bool readPlainRecord();
    bool fill();
    int get();
    int peek();
    void appendPlainRun();

    int fd_;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool atEnd_ = false;
    std::string text_;              // the record's fields, back to back
    std::vector<std::size_t> ends_; // where each field ends in text_
    std::vector<std::string_view> fields_;
    std::optional<std::string_view> plainRecord_;
    long nextLine_ = 1;
    long line_ = 0;
    bool unterminated_ = false;
};

// Writes CSV records to a file descriptor through a buffer of its own, quoting a field only
// where it holds a comma, a quote or a line break. Records end with LF.
class CsvWriter {
public:
    CsvWriter(int fd, std::string name);

    // Raw bytes, such as a byte-order mark.
    void raw(std::string_view bytes);
    void field(std::string_view text);
    // A field that needs no quotes, or fields joined by commas of which none needs them
    // (CsvReader::plainRecord).
    void plainFields(std::string_view joined) {
        rawField(joined.size(),
                 [joined](char *out) { return std::copy(joined.begin(), joined.end(), out); });
    }
    // A field as `write` writes it, into at most `size` characters, quoted by `write` where
    // CSV needs it (a number never needs it); `write` returns the end of what it wrote.
    template <typename Write> void rawField(std::size_t size, Write write) {
        reserve(size + 1);
        if (fieldsInRecord_++ > 0) {
            buffer_[used_++] = ',';
        }
        used_ = static_cast<std::size_t>(write(buffer_.data() + used_) - buffer_.data());
    }
    void endRecord();
    // Writes out what the buffer holds; the owner calls it once more at the end. Throws
    // StreamError when the output cannot be written, as every call that writes may.
    void flush();

private:
    void reserve(std::size_t size);

    int fd_;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::size_t fieldsInRecord_ = 0;
};

} // namespace mx::sheet_tool
