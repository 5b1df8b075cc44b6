#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mx::settings {

// A folder of its own with cal.ini to be in it.
class FileIo : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("cal.ini");
};

// A cal.ini larger than one write, so that a failure can come in its middle.
inline QByteArray largeContent(qsizetype size = 9941) {
    QByteArray bytes = "[Tools]\n; keep\n";
    for (int i = 0; bytes.size() < size; ++i) {
        bytes += "key" + QByteArray::number(i) + "=value\n";
    }
    return bytes.left(size - 1) + '\n';
}

} // namespace mx::settings
