#include "option_files.h"

#include "calc/fields.h"
#include "calc/sheet.h"
#include "file_io.h"

#include <QStringDecoder>
#include <array>

namespace mx::settings {
namespace {

constexpr std::array optionFields{"r5", "r6", "r7", "r8", "r9", "r10", "r11", "r12", "r13"};
constexpr std::array tradeFields{"s1", "s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"};
constexpr qsizetype tradeTimeLine = 11; // line 12, counted from 0

std::optional<std::int32_t> wholeNumber(const QString &line) {
    return parseWholeNumber(line.toStdString());
}

void setWholeNumber(Sheet &fields, const char *name, std::int64_t value) {
    fields.setText(name, formatPlain(clampToField(field(name), value)));
}

} // namespace

QStringList initialLineBuffer() {
    return {QString()};
}

QString optionFileFilter() {
    return qtFileFilter(QStringLiteral("*.mxi|*.mxi|*.*|*.*"));
}

QString qtFileFilter(const QString &pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            // "*.*" means every file; in Qt it would ask for a dot in the name.
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

QString optionFileName(const QString &chosen) {
    if (chosen.toLower().contains(QLatin1String(".mxi"))) {
        return chosen;
    }
    return chosen + QStringLiteral(".mxi");
}

QStringList splitLines(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) {
        lines << current;
    }
    return lines;
}

QByteArray joinLines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList optionLines(const Sheet &fields) {
    QStringList lines;
    for (const char *name : optionFields) {
        lines << QString::fromStdString(formatPlain(readInteger(field(name), fields.text(name))));
    }
    return lines;
}

int applyOptionLines(const QStringList &lines, Sheet &fields) {
    int set = 0;
    for (const char *name : optionFields) {
        if (set >= lines.size()) {
            break;
        }
        const std::optional<std::int32_t> value = wholeNumber(lines[set]);
        if (!value) {
            break;
        }
        setWholeNumber(fields, name, *value);
        ++set;
    }
    return set;
}

void resetOptionDefaults(Sheet &fields) {
    for (const char *name : optionFields) {
        fields.setText(name, field(name).initial);
    }
}

bool saveOptionFile(const QString &chosen, const Sheet &fields, QStringList &buffer) {
    buffer = optionLines(fields);
    return writeWholeFile(optionFileName(chosen), joinLines(buffer));
}

bool openOptionFile(const QString &path, Sheet &fields, QStringList &buffer) {
    // An option file is nine short lines; anything beyond the limit is no option file and
    // would only fill the line buffer.
    const FileContent content = readWholeFile(path, textFileLimit);
    if (content.state != FileContent::State::Read) {
        return false;
    }
    buffer = splitLines(content.bytes);
    return applyOptionLines(buffer, fields) == static_cast<int>(optionFields.size());
}

int importTradeRecord(const QStringList &buffer, Sheet &fields) {
    int set = 0;
    qsizetype line = 1; // line 2, counted from 0
    for (const char *name : tradeFields) {
        if (line >= buffer.size()) {
            return set;
        }
        const std::optional<std::int32_t> value = wholeNumber(buffer[line]);
        if (!value) {
            return set;
        }
        setWholeNumber(fields, name, *value);
        ++set;
        ++line;
    }
    if (tradeTimeLine < buffer.size()) {
        fields.setText("Edit6", buffer[tradeTimeLine].toStdString());
        ++set;
    }
    return set;
}

std::optional<QStringList> readDroppedTextFile(const QString &path) {
    const FileContent content = readWholeFile(path, textFileLimit);
    if (content.state != FileContent::State::Read || content.bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(content.bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return splitLines(content.bytes);
}

} // namespace mx::settings
