#include "ini_file.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace mx::settings {
namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

// The blanks that QByteArray::trimmed takes off.
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

std::string_view viewOf(const QByteArray &bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray bytesOf(std::string_view text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
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

QStringConverter::Encoding utf16Of(bool littleEndian) {
    return littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

// UTF-8 as text, a leading byte-order mark kept as U+FEFF (QString::fromUtf8 drops it).
QString decodeUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace

IniFile IniFile::fromBytes(const QByteArray &bytes) {
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (!littleEndian && !bytes.startsWith("\xFE\xFF")) {
        return fromUtf8(bytes);
    }
    // The mark is kept as U+FEFF, which UTF-8 writes as its own mark.
    QStringDecoder decoder(utf16Of(littleEndian), QStringConverter::Flag::ConvertInitialBom);
    const QByteArray utf8 = QString(decoder(bytes)).toUtf8();
    QStringEncoder encoder(utf16Of(littleEndian));
    if (decoder.hasError() || QByteArray(encoder(decodeUtf8(utf8))) != bytes) {
        IniFile file = fromUtf8(bytes);
        file.changeable_ = false;
        return file;
    }
    IniFile file = fromUtf8(utf8);
    file.encoding_ = littleEndian ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian;
    return file;
}

IniFile IniFile::fromUtf8(const QByteArray &bytes) {
    IniFile file;
    file.text_ = bytes;
    // The UTF-8 byte-order mark that some editors put first belongs to no line.
    qsizetype start = 0;
    if (viewOf(bytes).starts_with(utf8Mark)) {
        file.byteOrderMark_ = static_cast<qsizetype>(utf8Mark.size());
        start = file.byteOrderMark_;
    }
    bool endingSeen = false;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype next = newline < 0 ? bytes.size() : newline + 1;
        qsizetype end = newline < 0 ? bytes.size() : newline;
        Ending ending = newline < 0 ? Ending::None : Ending::Lf;
        if (newline >= 0 && end > start && bytes[end - 1] == '\r') {
            --end;
            ending = Ending::CrLf;
        }
        if (!endingSeen && ending != Ending::None) {
            file.newLine_ = ending;
            endingSeen = true;
        }
        const Line line = file.lineAt(start, end - start, ending);
        // Lines that are neither sections nor keys (blank lines, comments) run together into
        // one, which holds their line breaks but its last.
        if (line.kind == Kind::Other && !file.lines_.empty() &&
            file.lines_.back().kind == Kind::Other) {
            Line &run = file.lines_.back();
            run.size = end - run.start;
            run.ending = ending;
        } else {
            file.lines_.push_back(line);
        }
        start = next;
    }
    return file;
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    bytes.reserve(text_.size());
    bytes.append(text_.constData(), byteOrderMark_);
    for (const Line &line : lines_) {
        const std::string_view text = textOf(line);
        bytes.append(text.data(), static_cast<qsizetype>(text.size()));
        bytes.append(line.ending == Ending::CrLf ? "\r\n" : line.ending == Ending::Lf ? "\n" : "");
    }
    if (encoding_ == Encoding::Utf8) {
        return bytes;
    }
    QStringEncoder encoder(utf16Of(encoding_ == Encoding::Utf16LittleEndian));
    return encoder(decodeUtf8(bytes));
}

std::string_view IniFile::textOf(const Line &line) const {
    return viewOf(text_).substr(static_cast<std::size_t>(line.start),
                                static_cast<std::size_t>(line.size));
}

std::string_view IniFile::nameOf(const Line &line) const {
    const std::string_view text = textOf(line);
    if (line.kind == Kind::Section) {
        const std::string_view header = trimmed(text);
        return trimmed(header.substr(1, header.find(']') - 1));
    }
    return trimmed(text.substr(0, text.find('=')));
}

IniFile::Line IniFile::lineAt(qsizetype start, qsizetype size, Ending ending) const {
    Line line{start, size, 0, Kind::Other, ending};
    const std::string_view text = textOf(line);
    const std::string_view content = trimmed(text);
    if (content.empty() || content.front() == ';') {
        return line;
    }
    if (content.front() == '[') {
        if (content.find(']') != std::string_view::npos) {
            line.kind = Kind::Section;
        }
        return line;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || trimmed(text.substr(0, equals)).empty()) {
        return line;
    }
    line.kind = Kind::Key;
    std::size_t value = equals + 1;
    while (value < text.size() && (text[value] == ' ' || text[value] == '\t')) {
        ++value;
    }
    line.valueStart = static_cast<qsizetype>(value);
    return line;
}

qsizetype IniFile::findKey(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line &line = lines_[i];
        if (line.kind == Kind::Section) {
            inSection = sameName(nameOf(line), section);
        } else if (inSection && line.kind == Kind::Key && sameName(nameOf(line), key)) {
            return static_cast<qsizetype>(i);
        }
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const {
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const qsizetype at = findKey(trimmed(viewOf(sectionBytes)), trimmed(viewOf(keyBytes)));
    if (at < 0) {
        return std::nullopt;
    }
    const Line &line = lines_[static_cast<std::size_t>(at)];
    const std::string_view text =
        trimmed(textOf(line).substr(static_cast<std::size_t>(line.valueStart)));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IniFile::setValue(const QString &section, const QString &key, const QString &value) {
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    if (!changeable_ || !validSection(sectionBytes) || !validKey(keyBytes) ||
        !validValue(valueBytes)) {
        return false;
    }
    const qsizetype existing = findKey(viewOf(sectionBytes), viewOf(keyBytes));
    if (existing >= 0) {
        Line &line = lines_[static_cast<std::size_t>(existing)];
        const QByteArray text =
            bytesOf(textOf(line).substr(0, static_cast<std::size_t>(line.valueStart))) + valueBytes;
        line.start = text_.size();
        line.size = text.size();
        text_ += text;
        return true;
    }
    const QByteArray keyLine = keyBytes + '=' + valueBytes;
    const auto header = std::find_if(lines_.begin(), lines_.end(), [&](const Line &line) {
        return line.kind == Kind::Section && sameName(nameOf(line), viewOf(sectionBytes));
    });
    if (header == lines_.end()) {
        insertLine(static_cast<qsizetype>(lines_.size()), '[' + sectionBytes + ']');
        insertLine(static_cast<qsizetype>(lines_.size()), keyLine);
        return true;
    }
    // After the block's last key line, so that blank lines and comments that close the
    // section stay below it.
    auto after = header;
    for (auto it = header + 1; it != lines_.end() && it->kind != Kind::Section; ++it) {
        if (it->kind == Kind::Key) {
            after = it;
        }
    }
    insertLine(after - lines_.begin() + 1, keyLine);
    return true;
}

void IniFile::insertLine(qsizetype at, const QByteArray &text) {
    const Ending ending = newLine_;
    const qsizetype start = text_.size();
    text_ += text;
    Line line = lineAt(start, text.size(), ending);
    if (at > 0) {
        Line &previous = lines_[static_cast<std::size_t>(at - 1)];
        if (previous.ending == Ending::None) {
            // The text ended without a final line break: keep it that way after the new line.
            previous.ending = ending;
            line.ending = Ending::None;
        }
    }
    lines_.insert(lines_.begin() + at, line);
}

} // namespace mx::settings
