#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mx::sheet_tool {

class Cp949Decoder;

// The input or the output of a file failed: the reason names the file and the error.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a reader's bytes come from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `to`; 0 at the end of the input. Throws StreamError.
    virtual std::size_t read(char *to, std::size_t size) = 0;
};

struct ReaderLimits {
    std::size_t bufferSize = std::size_t{1} << 16;
    // The longest record: its fields' bytes and a separator between each two. A longer one is
    // read past, not kept.
    std::size_t recordSize = std::size_t{1} << 20;
};

// Reads CSV records one at a time, as spreadsheet programs and brokers write them (RFC 4180):
// fields separated by a comma (or the separator set), records by LF or CR LF, a field in double
// quotes holding separators, line breaks and "" for a quote. A UTF-8 byte-order mark at the
// start is skipped. Text after a closing quote is kept as it stands.
//
// Fields come out in UTF-8. The input's encoding is taken from its first record with a byte
// beyond ASCII: UTF-8 where that record is well-formed UTF-8, else CP949; a later record that is
// not UTF-8 turns the rest of the input to CP949 too.
//
// Only one record is held at a time: one that stands on a line of the buffer without quotes is
// read in place.
class CsvReader {
public:
    CsvReader(int fd, std::string name, ReaderLimits limits = {});
    // Reads the bytes of `text` (which must outlive the reader), as a file that holds them.
    CsvReader(std::string_view text, ReaderLimits limits);
    ~CsvReader();
    CsvReader(const CsvReader &) = delete;
    CsvReader &operator=(const CsvReader &) = delete;

    const ReaderLimits &limits() const { return limits_; }

    // The separator of the fields from the next record on: ',', ';' or '\t'.
    void setSeparator(char separator) { separator_ = separator; }

    // Reads the next record; false at the end of the input. Throws StreamError when the input
    // cannot be read.
    bool next();
    // Reads the next physical line as it stands, quotes and separators included, without its
    // line break (LF, or CR LF); false at the end of the input. A line longer than a record may
    // be is cut there and marked tooLong().
    bool nextLine();

    // The fields of the record read last, with their quotes taken off; none for a record too
    // long to keep. Valid until the next read.
    std::span<const std::string_view> fields() const { return fields_; }
    // That record as CsvWriter writes its fields, when the separator is a comma and none of them
    // needs quotes: its bytes without the line break. Empty for another record.
    std::optional<std::string_view> plainRecord() const { return plainRecord_; }
    // The line read last by nextLine.
    std::string_view lineText() const { return lineText_; }
    // The physical line, counted from 1, that the record or line read last starts on.
    long line() const { return line_; }
    // Whether that record ran to the end of the input inside a quoted field.
    bool unterminated() const { return unterminated_; }
    // Whether it was longer than a record may be.
    bool tooLong() const { return tooLong_; }

    // The fields of one line of text separated by `separator`; `unterminated` tells whether a
    // quoted field ran to its end.
    static std::vector<std::string> split(std::string_view line, char separator,
                                          bool &unterminated);

private:
    enum class Encoding { Undecided, Utf8, Cp949 };

    CsvReader(std::unique_ptr<ByteSource> source, ReaderLimits limits);
    void start();
    bool readOn();
    bool readPlainRecord();
    bool fill();
    int get();
    int peek();
    void keep(char c);
    void appendPlainRun();
    void endField();
    bool readAsCp949(bool utf8);
    void decodeFields(bool ascii);

    std::unique_ptr<ByteSource> source_;
    ReaderLimits limits_;
    bool skipByteOrderMark_ = true;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool atEnd_ = false;
    char separator_ = ',';
    Encoding encoding_ = Encoding::Undecided;
    std::unique_ptr<Cp949Decoder> decoder_;
    std::string text_;              // the record's fields, back to back
    std::vector<std::size_t> ends_; // where each field ends in text_
    std::string decoded_;           // the fields in UTF-8, where they were not
    std::vector<std::string_view> fields_;
    std::optional<std::string_view> plainRecord_;
    std::string lineText_;
    long nextLine_ = 1;
    long line_ = 0;
    bool unterminated_ = false;
    bool tooLong_ = false;
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
    // Writes out the records ended so far and drops the one begun: where the input fails
    // midway, the output keeps whole rows only.
    void flushWholeRecords();

private:
    void reserve(std::size_t size);
    void writeOut(std::size_t size);

    int fd_;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::size_t recordStart_ = 0; // where the record being written starts in the buffer
    std::size_t fieldsInRecord_ = 0;
};

} // namespace mx::sheet_tool
