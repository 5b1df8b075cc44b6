// Reading and writing files on POSIX: named pipes and devices, symbolic links and their owners,
// modes and owners kept, folders that may not be written, and a disk that is really full.
#include "file_io_fixture.h"
#include "other_user.h"
#include "pipe_rescue.h"
#include "printers.h"
#include "settings/file_io.h"
#include "small_disk.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mx::settings {
namespace {

using testing_support::contentOf;
using testing_support::put;

TEST_F(FileIo, DevicesAndDanglingLinks) {
    EXPECT_EQ(readWholeFile("/dev/zero").state, FileContent::State::Unreadable);
    // A dangling link of the user's own leads to a file not made yet.
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling")));
    EXPECT_EQ(readWholeFile(dir.filePath("dangling")).state, FileContent::State::Missing);
}

TEST_F(FileIo, NamedPipeIsRefusedWithoutBlocking) {
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    testing_support::PipeRescue rescue(pipe);
    const FileContent content = readWholeFile(pipe);
    rescue.dismiss();
    EXPECT_FALSE(rescue.rescued()) << "reading blocked on the pipe";
    EXPECT_EQ(content.state, FileContent::State::Unreadable);
    EXPECT_EQ(content.error, "not a regular file");
}

TEST_F(FileIo, ReadsWhatALinkPointsTo) {
    put(dir.filePath("target"), "linked");
    ASSERT_TRUE(QFile::link(dir.filePath("target"), path));
    EXPECT_EQ(readWholeFile(path).bytes, "linked");
}

TEST_F(FileIo, ReplacementKeepsPermissionsAndLinks) {
    const QString target = dir.filePath("target");
    put(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, path));
    ASSERT_TRUE(writeWholeFile(path, "new"));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(contentOf(target), "new");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Another user's symbolic link, planted where the program reads and writes: at cal.ini, at the
// program folder, or at a folder above it (in a shared folder without the sticky bit, where the
// kernel's own protection of links does not apply). Planting it as another user needs root.
struct PlantedRow {
    const char *name;
    const char *link;     // where the link stands
    const char *target;   // what it points at
    const char *settings; // the settings file as the program names it
    const char *reached;  // the file that the settings file leads to through the link
    uid_t owner;          // who owns the link
    bool followed;
};

class PlantedLink : public FileIo, public testing::WithParamInterface<PlantedRow> {};

TEST_P(PlantedLink, IsFollowedOnlyWhenItIsTheUsersOwnOrRoots) {
    const PlantedRow &row = GetParam();
    if (row.owner != ::geteuid() && ::geteuid() != 0) {
        GTEST_SKIP() << "planting a link of another user needs root";
    }
    const QString reached = dir.filePath(row.reached);
    put(reached, "export PATH\n");
    const QString link = dir.filePath(row.link);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(link).absolutePath()));
    ASSERT_TRUE(QFile::link(dir.filePath(row.target), link));
    ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), row.owner, row.owner), 0);
    const QString settings = dir.filePath(row.settings);

    const FileContent read = readWholeFile(settings);
    EXPECT_EQ(read.state, row.followed ? FileContent::State::Read : FileContent::State::Unreadable);
    QString error;
    EXPECT_EQ(writeWholeFile(settings, "[c1]\nmycount=1\n", &error), row.followed);
    EXPECT_EQ(contentOf(reached), row.followed ? "[c1]\nmycount=1\n" : "export PATH\n");
    if (!row.followed) {
        EXPECT_EQ(error, "a symbolic link of another user");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlantedLink,
    testing::Values(PlantedRow{"OwnLinkAtTheFile", "cal.ini", "victim/.profile", "cal.ini",
                               "victim/.profile", ::geteuid(), true},
                    PlantedRow{"RootsLinkAtTheFile", "cal.ini", "victim/.profile", "cal.ini",
                               "victim/.profile", 0, true},
                    PlantedRow{"OthersLinkAtTheFile", "cal.ini", "victim/.profile", "cal.ini",
                               "victim/.profile", 65534, false},
                    PlantedRow{"OthersLinkAtTheFolder", "shared", "victim", "shared/cal.ini",
                               "victim/cal.ini", 65534, false},
                    PlantedRow{"OthersLinkAboveTheFolder", "team/proj", "victim",
                               "team/proj/docs/cal.ini", "victim/docs/cal.ini", 65534, false},
                    PlantedRow{"OwnLinkAtTheFolder", "shared", "victim", "shared/cal.ini",
                               "victim/cal.ini", ::geteuid(), true},
                    PlantedRow{"OwnLinkAboveTheFolder", "team/proj", "victim",
                               "team/proj/docs/cal.ini", "victim/docs/cal.ini", ::geteuid(), true}),
    [](const auto &row) { return row.param.name; });

TEST_F(FileIo, DanglingOwnLinkIsWrittenThrough) {
    const QString target = dir.filePath("dotfiles/cal.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("dotfiles"));
    ASSERT_TRUE(QFile::link(target, path));
    EXPECT_EQ(readWholeFile(path).state, FileContent::State::Missing);
    ASSERT_TRUE(writeWholeFile(path, "new"));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(contentOf(target), "new");
}

TEST_F(FileIo, ReplacementKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "a file of another owner needs root";
    }
    put(path, "old");
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(name.constData(), 0620), 0);
    ASSERT_TRUE(writeWholeFile(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(name.constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0620u);
    EXPECT_EQ(contentOf(path), "new");

    // Run as root in another user's folder, a new file is that user's.
    const QString theirs = dir.filePath("theirs");
    ASSERT_TRUE(QDir(dir.path()).mkdir("theirs"));
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
    ASSERT_TRUE(writeWholeFile(theirs + "/cal.ini", "new"));
    ASSERT_EQ(::stat(QFile::encodeName(theirs + "/cal.ini").constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
}

// A folder that may not be written around a file that may: the file is written where it stands.
TEST_F(FileIo, FileInAFolderThatMayNotBeWrittenIsWrittenInPlace) {
    put(path, largeContent());
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    int creates = 0;
    const ScopedWriteFault fault([&](WriteStep step) {
        return step == WriteStep::Create && ++creates == 1 && ::geteuid() == 0 ? EACCES : 0;
    });
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const bool written = writeWholeFile(path, "short\n");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ASSERT_TRUE(written);
    EXPECT_EQ(contentOf(path), "short\n");
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cal.ini"});
}

// A file of another user in a shared folder is written in place, since a replacement could not
// be given its owner. When that user renames a named pipe over it as the write begins, the
// writer neither waits for the pipe nor takes the write for done.
TEST_F(FileIo, PipeRenamedOverAFileWrittenInPlaceIsNotWaitedFor) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "a file of one user written by another needs root";
    }
    constexpr uid_t owner = 65534;
    constexpr uid_t writer = 65533;
    const QByteArray name = QFile::encodeName(path);
    const QByteArray pipe = QFile::encodeName(dir.filePath("pipe"));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    put(path, "old\n");
    ASSERT_EQ(::chown(name.constData(), owner, owner), 0);
    ASSERT_EQ(::chmod(name.constData(), 0666), 0);
    ASSERT_EQ(::mkfifo(pipe.constData(), 0666), 0);
    const std::optional<int> status = testing_support::runAsUser(writer, [&] {
        const ScopedWriteFault swap([&](WriteStep step) {
            if (step == WriteStep::Create) {
                ::rename(pipe.constData(), name.constData());
            }
            return 0;
        });
        QString error;
        return writeWholeFile(path, "new\n", &error)                   ? 0
               : error == "the file was replaced while it was written" ? 1
                                                                       : 2;
    });
    ASSERT_TRUE(status.has_value()) << "the write waited for the pipe";
    EXPECT_EQ(*status, 1);
    struct stat info {};
    ASSERT_EQ(::lstat(name.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"cal.ini"});
}

struct DiskRow {
    const char *name;
    qsizetype fileSize;
    bool roomForACopy; // whether the disk holds the old file and the new one once freed
};

class FullDisk : public FileIo, public testing::WithParamInterface<DiskRow> {};

// A disk of 16 KiB holding cal.ini, the rest of it filled.
TEST_P(FullDisk, CancelsTheSave) {
    testing_support::SmallDisk disk(dir.path(), 16 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot().toStdString();
    }
    const QByteArray before = largeContent(GetParam().fileSize);
    const QByteArray after = before + "mycount=8\n";
    put(path, before);
    ASSERT_GT(disk.fill(), 0);
    QString error;
    EXPECT_FALSE(writeWholeFile(path, after, &error));
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    EXPECT_EQ(contentOf(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"cal.ini"});
    disk.makeRoom();
    EXPECT_EQ(writeWholeFile(path, after, &error), GetParam().roomForACopy) << error.toStdString();
    EXPECT_EQ(contentOf(path), GetParam().roomForACopy ? after : before);
}

INSTANTIATE_TEST_SUITE_P(Rows, FullDisk,
                         testing::Values(DiskRow{"File9941Bytes", 9941, false},
                                         DiskRow{"File6KiB", 6 * 1024, true}),
                         [](const auto &row) { return row.param.name; });

TEST_F(FileIo, CopyKeepsContentAndPermissions) {
    const QByteArray content = largeContent();
    put(path, content);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
    const QString copy = dir.filePath("copy");
    ASSERT_TRUE(copyRegularFile(path, copy));
    EXPECT_EQ(contentOf(copy), content);
    EXPECT_EQ(QFileInfo(copy).permissions(), QFileInfo(path).permissions());
    EXPECT_FALSE(copyRegularFile(path, copy)); // never over an existing file
    EXPECT_EQ(contentOf(copy), content);
}

TEST_F(FileIo, CopyRefusesAPipeWithoutBlocking) {
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    testing_support::PipeRescue rescue(pipe);
    EXPECT_FALSE(copyRegularFile(pipe, dir.filePath("copy")));
    rescue.dismiss();
    EXPECT_FALSE(rescue.rescued()) << "copying blocked on the pipe";
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("copy")));
}

} // namespace
} // namespace mx::settings
