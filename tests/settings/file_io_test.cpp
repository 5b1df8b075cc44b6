#include "file_io_fixture.h"
#include "printers.h"
#include "settings/file_io.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace mx::settings {
namespace {

using testing_support::contentOf;
using testing_support::put;

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
                                   std::_Exit(3);
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
    EXPECT_EQ(readWholeFile(dir.filePath("cal.ini/x")).state, FileContent::State::Missing);
}

struct FaultRow {
    const char *name;
    WriteStep step;
    int occurrence; // which time the step is reached, from 1
    int error;
};

class WriteFaults : public FileIo, public testing::WithParamInterface<FaultRow> {};

TEST_P(WriteFaults, LeaveTheOldFileWholeAndNothingBeside) {
    const FaultRow &row = GetParam();
    const QByteArray before = largeContent();
    put(path, before);
    int reached = 0;
    const ScopedWriteFault fault([&](WriteStep step) {
        return step == row.step && ++reached == row.occurrence ? row.error : 0;
    });
    QString error;
    EXPECT_FALSE(writeWholeFile(path, before + "mycount=8\n", &error));
    EXPECT_EQ(reached, row.occurrence);
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(row.error)));
    EXPECT_EQ(contentOf(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cal.ini"});
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFaults,
                         testing::Values(FaultRow{"CreateFails", WriteStep::Create, 1, ENOSPC},
                                         FaultRow{"FirstWriteFails", WriteStep::Write, 1, ENOSPC},
                                         FaultRow{"ThirdWriteFails", WriteStep::Write, 3, ENOSPC},
                                         FaultRow{"SyncFails", WriteStep::Sync, 1, EIO},
                                         FaultRow{"CloseFails", WriteStep::Close, 1, EIO},
                                         FaultRow{"RenameFails", WriteStep::Rename, 1, EXDEV}),
                         [](const auto &row) { return row.param.name; });

TEST_F(FileIo, FaultEndsWithItsScope) {
    put(path, "old");
    {
        const ScopedWriteFault fault([](WriteStep) { return ENOSPC; });
        EXPECT_FALSE(writeWholeFile(path, "new"));
    }
    EXPECT_TRUE(writeWholeFile(path, "new"));
    EXPECT_EQ(contentOf(path), "new");
}

// Marked read-only: on POSIX by its mode, on Windows by its attribute.
TEST_F(FileIo, ReadOnlyFileIsNotReplaced) {
    put(path, "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    if (QFileInfo(path).isWritable()) {
        GTEST_SKIP() << "this user may write any file";
    }
    EXPECT_FALSE(writeWholeFile(path, "new"));
    EXPECT_EQ(contentOf(path), "old");
}

TEST_F(FileIo, FolderIsNotReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("cal.ini"));
    EXPECT_FALSE(writeWholeFile(path, "new"));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(FileIo, CopyThatFailsLeavesNoHalfFile) {
    put(path, largeContent());
    int writes = 0;
    const ScopedWriteFault fault(
        [&](WriteStep step) { return step == WriteStep::Write && ++writes == 2 ? ENOSPC : 0; });
    QString error;
    EXPECT_FALSE(copyRegularFile(path, dir.filePath("copy"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("copy")));
}

} // namespace
} // namespace mx::settings
