#include "printers.h"
#include "settings/file_io.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mx::settings {
namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class FileIo : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("cal.ini");
};

TEST_F(FileIo, WriteReplacesTheFileAndLeavesNothingBeside) {
    put(path, "old");
    QString error;
    ASSERT_TRUE(writeWholeFile(path, "new\r\n", &error)) << error.toStdString();
    EXPECT_EQ(contentOf(path), "new\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"cal.ini"});
}

TEST_F(FileIo, FolderThatIsAFileReportsFailure) {
    put(dir.filePath("plain"), "x");
    const QString inside = dir.filePath("plain/cal.ini");
    QString error;
    EXPECT_FALSE(writeWholeFile(inside, "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readWholeFile(inside).state, FileContent::State::Missing);
}

TEST_F(FileIo, AbandonedAfterTheTemporaryFileLeavesTheOldFileWhole) {
    put(path, "old");
    bool reached = false;
    EXPECT_FALSE(writeWholeFile(path, "new", nullptr, [&] { return !(reached = true); }));
    EXPECT_TRUE(reached);
    EXPECT_EQ(contentOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"cal.ini"});
}

TEST_F(FileIo, ProcessEndingBeforeTheRenameLeavesTheOldFileWhole) {
    put(path, "old");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(writeWholeFile(path, "new", nullptr,
                               [] {
                                   _exit(3);
                                   return true;
                               }),
                testing::ExitedWithCode(3), "");
    EXPECT_EQ(contentOf(path), "old");
}

TEST_F(FileIo, ReadStates) {
    EXPECT_EQ(readWholeFile(path).state, FileContent::State::Missing);
    put(path, "12345");
    const FileContent read = readWholeFile(path);
    EXPECT_EQ(read.state, FileContent::State::Read);
    EXPECT_EQ(read.bytes, "12345");
    EXPECT_EQ(readWholeFile(path, 4).state, FileContent::State::Unreadable);
    EXPECT_EQ(readWholeFile(dir.path()).state, FileContent::State::Unreadable);
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(readWholeFile(pipe).state, FileContent::State::Unreadable); // and does not block
}

} // namespace
} // namespace mx::settings
