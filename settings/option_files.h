#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace mx {
class Sheet;
}

namespace mx::settings {

// The target and stop-loss option files (".mxi": nine whole numbers for r5..r13, one a
// line, each ending with CR LF), the line buffer Memo2 they pass through, and the import of
// a trade record from that buffer. Every failure here is silent: the functions report it
// in their result only.

// The line buffer as the window starts it: a single empty line.
QStringList initialLineBuffer();

// The file-type filter "*.mxi|*.mxi|*.*|*.*" in the form of Qt's file dialogs; the first
// entry is the one selected.
QString optionFileFilter();
// A filter of description|pattern pairs ("a;b" listing several patterns) in Qt's form.
QString qtFileFilter(const QString &pairs);

// The chosen name when its lower-case form contains ".mxi" anywhere, else with ".mxi" added.
QString optionFileName(const QString &chosen);

// Lines end at CR, LF or CR LF; a last line without a break counts; invalid UTF-8 is
// replaced, a leading byte-order mark dropped.
QStringList splitLines(const QByteArray &bytes);
// Every line followed by CR LF, the last one too.
QByteArray joinLines(const QStringList &lines);

// The current r5..r13 as decimal texts (a field that is not a whole number gives 1).
QStringList optionLines(const Sheet &fields);

// Sets r5..r13 from lines 1..9 (each moved into 1..100) and stops at the first missing
// line or line that is not a whole number. Returns how many fields were set.
int applyOptionLines(const QStringList &lines, Sheet &fields);

// r5..r13 back to 25, 50, 75, 10, 5, 25, 50, 2, 3, in this order.
void resetOptionDefaults(Sheet &fields);

// Save option file, after the dialog: fills `buffer` with the nine lines and writes them to
// the chosen name (".mxi" added by the naming rule), replacing any file there.
bool saveOptionFile(const QString &chosen, const Sheet &fields, QStringList &buffer);

// The most that opening an option file or taking a dropped file reads: 64 KiB.
inline constexpr qint64 textFileLimit = 64 * 1024;

// Open option file, after the dialog: replaces `buffer` with the file's lines and applies
// them. A file that cannot be read, is not a regular file or is larger than textFileLimit
// changes nothing. False when not all nine fields were set.
bool openOptionFile(const QString &path, Sheet &fields, QStringList &buffer);

// Sets s1, s2, s3, W1, W2, Y1..Y5 from lines 2..11 as whole numbers, then Edit6 from line 12
// unchanged, stopping at the first missing line or line that is not a whole number. Returns
// how many fields were set; the window runs Calculate afterwards in any case.
int importTradeRecord(const QStringList &buffer, Sheet &fields);

// A file dropped onto the window is taken only when it is a regular file of at most
// textFileLimit holding text: valid UTF-8 without NUL bytes. Its lines, or nothing.
std::optional<QStringList> readDroppedTextFile(const QString &path);

} // namespace mx::settings
