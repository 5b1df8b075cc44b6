#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace mx::settings {

// The whole content of a file that exists and can be read.
struct FileContent {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    QByteArray bytes;
    QString error; // why an existing file could not be read
};

// Reads `path`; anything but a regular file of at most `limit` bytes counts as unreadable.
FileContent readWholeFile(const QString &path, qint64 limit = 16 * 1024 * 1024);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so that a
// failure at any point leaves the old file whole. Returns false, with the reason in `error`,
// when the file could not be written. `beforeCommit` runs after the temporary file holds
// every byte and before the rename; when it returns false the write is abandoned, as if the
// program had stopped there.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                    const std::function<bool()> &beforeCommit = {});

} // namespace mx::settings
