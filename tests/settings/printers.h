#pragma once

#include "support/table_rows.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

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

using table_rows::PrintTo;

} // namespace
} // namespace mx::settings
