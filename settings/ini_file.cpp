#include "ini_file.h"

namespace mx::settings {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool hasLineBreak(const QByteArray &text) {
    return text.contains('\n') || text.contains('\r');
}

bool blankEdged(const QByteArray &text) {
    return text.trimmed().size() != text.size();
}

bool validSection(const QByteArray &name) {
    return !name.isEmpty() && !blankEdged(name) && !hasLineBreak(name) && !name.contains(']');
}

bool validKey(const QByteArray &name) {
    return !name.isEmpty() && !blankEdged(name) && !hasLineBreak(name) && !name.contains('=') &&
           !name.startsWith(';') && !name.startsWith('[');
}

bool validValue(const QByteArray &value) {
    return !blankEdged(value) && !hasLineBreak(value);
}

} // namespace

IniFile IniFile::fromBytes(const QByteArray &bytes) {
    IniFile file;
    // The UTF-8 byte-order mark that some editors put first belongs to no line.
    const QByteArray mark = "\xEF\xBB\xBF";
    qsizetype start = 0;
    if (bytes.startsWith(mark)) {
        file.byteOrderMark_ = mark;
        start = mark.size();
    }
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            file.lines_.push_back(parseLine(bytes.mid(start), {}));
            break;
        }
        qsizetype end = newline;
        QByteArray ending = "\n";
        if (end > start && bytes[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        file.lines_.push_back(parseLine(bytes.mid(start, end - start), ending));
        start = newline + 1;
    }
    return file;
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes = byteOrderMark_;
    for (const Line &line : lines_) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

IniFile::Line IniFile::parseLine(QByteArray text, QByteArray ending) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const QByteArray trimmed = line.text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';')) {
        return line;
    }
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = trimmed.mid(1, close - 1).trimmed().toLower();
        }
        return line;
    }
    const qsizetype equals = line.text.indexOf('=');
    const QByteArray key = equals > 0 ? line.text.left(equals).trimmed() : QByteArray();
    if (key.isEmpty()) {
        return line;
    }
    line.kind = Kind::Key;
    line.name = key.toLower();
    line.valueStart = equals + 1;
    while (line.valueStart < line.text.size() && isBlank(line.text[line.valueStart])) {
        ++line.valueStart;
    }
    return line;
}

qsizetype IniFile::findKey(const QByteArray &section, const QByteArray &key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line &line = lines_[i];
        if (line.kind == Kind::Section) {
            inSection = line.name == section;
        } else if (inSection && line.kind == Kind::Key && line.name == key) {
            return static_cast<qsizetype>(i);
        }
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const {
    const qsizetype at =
        findKey(section.toUtf8().trimmed().toLower(), key.toUtf8().trimmed().toLower());
    if (at < 0) {
        return std::nullopt;
    }
    const Line &line = lines_[static_cast<std::size_t>(at)];
    return QString::fromUtf8(line.text.mid(line.valueStart).trimmed());
}

bool IniFile::setValue(const QString &section, const QString &key, const QString &value) {
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    if (!validSection(sectionBytes) || !validKey(keyBytes) || !validValue(valueBytes)) {
        return false;
    }
    const QByteArray sectionName = sectionBytes.toLower();
    const qsizetype existing = findKey(sectionName, keyBytes.toLower());
    if (existing >= 0) {
        Line &line = lines_[static_cast<std::size_t>(existing)];
        line.text = line.text.left(line.valueStart) + valueBytes;
        return true;
    }
    const QByteArray keyLine = keyBytes + '=' + valueBytes;
    qsizetype header = -1;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && lines_[i].name == sectionName) {
            header = static_cast<qsizetype>(i);
            break;
        }
    }
    if (header < 0) {
        insertLine(static_cast<qsizetype>(lines_.size()), '[' + sectionBytes + ']');
        insertLine(static_cast<qsizetype>(lines_.size()), keyLine);
        return true;
    }
    // After the block's last key line, so that blank lines and comments that close the
    // section stay below it.
    qsizetype after = header;
    for (std::size_t i = static_cast<std::size_t>(header) + 1;
         i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
        if (lines_[i].kind == Kind::Key) {
            after = static_cast<qsizetype>(i);
        }
    }
    insertLine(after + 1, keyLine);
    return true;
}

QByteArray IniFile::newLineEnding() const {
    for (const Line &line : lines_) {
        if (!line.ending.isEmpty()) {
            return line.ending;
        }
    }
    return "\n";
}

void IniFile::insertLine(qsizetype at, const QByteArray &text) {
    const QByteArray ending = newLineEnding();
    Line line = parseLine(text, ending);
    if (at > 0) {
        Line &previous = lines_[static_cast<std::size_t>(at - 1)];
        if (previous.ending.isEmpty()) {
            // The text ended without a final line break: keep it that way after the new line.
            previous.ending = ending;
            line.ending.clear();
        }
    }
    lines_.insert(lines_.begin() + at, std::move(line));
}

} // namespace mx::settings
