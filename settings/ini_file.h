#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace mx::settings {

// An INI text with profile semantics, held as its lines so that whatever this program does
// not touch comes back byte for byte: a leading UTF-8 byte-order mark, other sections,
// unknown keys, comments, blank lines, line endings and a missing final line break.
//
// Section and key names match without regard to ASCII case. Where a key occurs more than
// once in a section (or in several sections of the same name), the first one wins, for
// reading and for writing. Blanks around names and values are not part of them.
class IniFile {
public:
    IniFile() = default;

    static IniFile fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    // The value text of `key` in `section`, or nothing when the section or key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Rewrites the key's value in place when it exists; otherwise appends the key after the
    // last key line of the section's first block, or appends the section at the end of the
    // text. Refuses (returns false, changes nothing) names and values that could not be read
    // back as written: empty or blank-edged names, line breaks, '=' or a leading ';' or '['
    // in a key, ']' in a section name, blank edges of a value.
    bool setValue(const QString &section, const QString &key, const QString &value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray text;   // without its line break
        QByteArray ending; // "\r\n", "\n" or empty for a last line without a break
        Kind kind = Kind::Other;
        QByteArray name;          // section or key name, ASCII lower case
        qsizetype valueStart = 0; // keys: where the value begins in `text`
    };

    static Line parseLine(QByteArray text, QByteArray ending);
    // Index of the key line that holds `key` in `section`, or -1.
    qsizetype findKey(const QByteArray &section, const QByteArray &key) const;
    QByteArray newLineEnding() const;
    void insertLine(qsizetype at, const QByteArray &text);

    QByteArray byteOrderMark_; // the mark before the first line, or empty
    std::vector<Line> lines_;
};

} // namespace mx::settings
