#include "file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mx::settings {

FileContent readWholeFile(const QString &path, qint64 limit) {
    FileContent content;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return content;
    }
    content.state = FileContent::State::Unreadable;
    // Folders, pipes and devices are no files to read whole: a pipe would block the start.
    if (!info.isFile()) {
        content.error = QStringLiteral("not a regular file");
        return content;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.error = file.errorString();
        return content;
    }
    if (file.size() > limit) {
        content.error = QStringLiteral("file too large");
        return content;
    }
    // Read one byte beyond the limit so that a file that grows while it is read is caught.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        content.error = file.errorString();
        return content;
    }
    if (bytes.size() > limit) {
        content.error = QStringLiteral("file too large");
        return content;
    }
    content.state = FileContent::State::Read;
    content.bytes = std::move(bytes);
    return content;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                    const std::function<bool()> &beforeCommit) {
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        file.cancelWriting();
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        return fail(file.errorString());
    }
    if (beforeCommit && !beforeCommit()) {
        return fail(QStringLiteral("interrupted"));
    }
    if (!file.commit()) {
        return fail(file.errorString());
    }
    return true;
}

} // namespace mx::settings
