#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

namespace mx::settings {

// An INI text with profile semantics, held as its lines so that whatever this program does
// not touch comes back byte for byte: a leading UTF-8 byte-order mark, other sections,
// unknown keys, comments, blank lines, line endings and a missing final line break. A text in
// UTF-16 with a byte-order mark (as Windows editors save "Unicode" text), in either byte
// order, is read as the same text in UTF-8 and given back in its own encoding.
//
// Section and key names match without regard to ASCII case. Where a key occurs more than
// once in a section (or in several sections of the same name), the first one wins, for
// reading and for writing. Blanks around names and values are not part of them.
//
// Reading and writing take time and memory in proportion to the text: each section or key
// line (and each run of other lines) is a few numbers beside the text itself, and each value
// read or written one pass over them.
class IniFile {
public:
    IniFile() = default;

    static IniFile fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    // False for UTF-16 that would not come back unchanged through UTF-8 (an odd length, a
    // lone surrogate): such a text is held as the bytes it is, its values read from them as
    // they stand, and no value can be set in it.
    bool changeable() const { return changeable_; }

    // The value text of `key` in `section`, or nothing when the section or key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Rewrites the key's value in place when it exists; otherwise appends the key after the
    // last key line of the section's first block, or appends the section at the end of the
    // text. Refuses (returns false, changes nothing) names and values that could not be read
    // back as written: empty or blank-edged names, line breaks, '=' or a leading ';' or '['
    // in a key, ']' in a section name, blank edges of a value; and any change to a text that
    // is not changeable().
    bool setValue(const QString &section, const QString &key, const QString &value);

private:
    enum class Kind : unsigned char { Other, Section, Key };
    enum class Ending : unsigned char { None, Lf, CrLf };
    enum class Encoding : unsigned char { Utf8, Utf16LittleEndian, Utf16BigEndian };
    // A section or key line, or a run of other lines.
    struct Line {
        qsizetype start = 0;      // where the line begins in text_
        qsizetype size = 0;       // without its (last) line break
        qsizetype valueStart = 0; // keys: where the value begins, counted from `start`
        Kind kind = Kind::Other;
        Ending ending = Ending::None;
    };

    static IniFile fromUtf8(const QByteArray &bytes);
    std::string_view textOf(const Line &line) const;
    // The section or key name of a line of that kind, with its blanks, in its own case.
    std::string_view nameOf(const Line &line) const;
    Line lineAt(qsizetype start, qsizetype size, Ending ending) const;
    // Index of the key line that holds `key` in `section` (names in any case), or -1.
    qsizetype findKey(std::string_view section, std::string_view key) const;
    void insertLine(qsizetype at, const QByteArray &text);

    // The text the lines point into: the lines as read, then each line written since.
    QByteArray text_;
    qsizetype byteOrderMark_ = 0; // the length of the UTF-8 mark before the first line, or 0
    Encoding encoding_ = Encoding::Utf8;
    Ending newLine_ = Ending::Lf; // the line break of lines added: that of the text's first line
    bool changeable_ = true;
    std::vector<Line> lines_;
};

} // namespace mx::settings
