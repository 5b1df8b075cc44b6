#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <type_traits>

// Readable failure output for Qt's strings.
inline void PrintTo(const QByteArray &bytes, std::ostream *os) {
    *os << '"' << bytes.toPercentEncoding(" =[];,.-_").toStdString() << '"';
}
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &lines, std::ostream *os) {
    *os << '[' << lines.join(QLatin1Char('|')).toStdString() << ']';
}

namespace mx::settings {
namespace {

// Table rows print as their name.
template <typename Row>
requires std::is_convertible_v<decltype(Row::name), const char *>
void PrintTo(const Row &row, std::ostream *os) {
    *os << row.name;
}

} // namespace
} // namespace mx::settings
