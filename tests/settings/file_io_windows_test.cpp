// Reading and writing files on Windows: paths in Korean, long paths, devices and pipes refused,
// a file held open by another program or marked read-only kept, the marks of a replaced file
// kept, leftovers of processes that are gone, and the folders of %APPDATA% and MX_CAL_DIR.
#include "file_io_fixture.h"
#include "printers.h"
#include "settings/file_io.h"
#include "settings/program_folder.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

namespace mx::settings {
namespace {

using testing_support::contentOf;
using testing_support::put;

std::wstring wide(const QString &path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Sets the environment variable `name` to `value` in UTF-16 while it lives.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t *name, const QString &value) : name_(name) {
        const wchar_t *old = _wgetenv(name);
        if (old != nullptr) {
            old_ = old;
            had_ = true;
        }
        _wputenv_s(name, QDir::toNativeSeparators(value).toStdWString().c_str());
    }
    ~ScopedVariable() { _wputenv_s(name_, had_ ? old_.c_str() : L""); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const wchar_t *name_;
    std::wstring old_;
    bool had_ = false;
};

TEST_F(FileIo, KoreanFoldersAndLongNamesRoundTrip) {
    const QString folder = dir.filePath(QString::fromUtf8("사용자/김철수/목표손절옵션"));
    ASSERT_TRUE(makeFolder(folder));
    const QString plan = folder + QString::fromUtf8("/계획.mxi");
    QString error;
    ASSERT_TRUE(writeWholeFile(plan, "30\r\n40\r\n", &error)) << error.toStdString();
    EXPECT_EQ(readWholeFile(plan).bytes, "30\r\n40\r\n");
    ASSERT_TRUE(copyRegularFile(plan, folder + QString::fromUtf8("/사본.mxi")));
    EXPECT_EQ(contentOf(folder + QString::fromUtf8("/사본.mxi")), "30\r\n40\r\n");
    // Beyond the 260 characters of a plain path.
    const QString deep = dir.filePath(QString(120, u'가') + "/" + QString(120, u'나'));
    ASSERT_TRUE(makeFolder(deep));
    ASSERT_TRUE(writeWholeFile(deep + "/cal.ini", "[c1]\n", &error)) << error.toStdString();
    EXPECT_EQ(readWholeFile(deep + "/cal.ini").bytes, "[c1]\n");
}

struct DeviceRow {
    const char *name;
    const char *path;
};

class Device : public FileIo, public testing::WithParamInterface<DeviceRow> {};

// A device is never read as if it were a file, whether named in the device namespace or by a
// reserved name, which in a path of its own is taken as a plain name that no file has.
TEST_P(Device, IsNotReadAsAFile) {
    const FileContent content = readWholeFile(QString::fromLatin1(GetParam().path));
    EXPECT_NE(content.state, FileContent::State::Read);
    EXPECT_FALSE(copyRegularFile(QString::fromLatin1(GetParam().path), dir.filePath("copy")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("copy")));
}

INSTANTIATE_TEST_SUITE_P(Rows, Device,
                         testing::Values(DeviceRow{"Nul", "NUL"},
                                         DeviceRow{"NulInAFolder", "C:/Windows/NUL"},
                                         DeviceRow{"NulByItsDevicePath", "//./NUL"}),
                         [](const auto &row) { return row.param.name; });

TEST_F(FileIo, NamedPipeIsRefusedWithoutBlocking) {
    const std::wstring name = L"\\\\.\\pipe\\mx_cal_test_" + std::to_wstring(GetCurrentProcessId());
    const HANDLE pipe =
        CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    const FileContent content = readWholeFile(QString::fromStdWString(name));
    CloseHandle(pipe);
    EXPECT_EQ(content.state, FileContent::State::Unreadable);
    EXPECT_EQ(content.error, "not a regular file");
}

// A program that holds cal.ini open without sharing its deletion (an editor, a scanner) keeps
// it from being replaced: the save fails after a few tries, the old file stays whole.
TEST_F(FileIo, FileHeldOpenByAnotherProgramIsKept) {
    put(path, "old");
    const HANDLE held = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    QString error;
    const bool written = writeWholeFile(path, "new", &error);
    CloseHandle(held);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contentOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cal.ini"});
}

TEST_F(FileIo, ReplacementKeepsTheHiddenMark) {
    put(path, "old");
    ASSERT_TRUE(SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(writeWholeFile(path, "new"));
    EXPECT_EQ(contentOf(path), "new");
    EXPECT_NE(GetFileAttributesW(wide(path).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// A folder that may not be written around a file that may: the file is written where it stands.
TEST_F(FileIo, FileInAFolderThatMayNotBeWrittenIsWrittenInPlace) {
    put(path, largeContent());
    int creates = 0;
    const ScopedWriteFault fault(
        [&](WriteStep step) { return step == WriteStep::Create && ++creates == 1 ? EACCES : 0; });
    ASSERT_TRUE(writeWholeFile(path, "short\n"));
    EXPECT_EQ(contentOf(path), "short\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cal.ini"});
}

TEST_F(FileIo, WhatMayBeWritten) {
    put(path, "x");
    EXPECT_TRUE(mayWrite(path));
    EXPECT_TRUE(mayWrite(dir.path()));
    EXPECT_FALSE(mayWrite(dir.filePath("missing")));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    EXPECT_FALSE(mayWrite(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cal.ini"});
}

// Process ids on Windows are multiples of four: 4294967293 is nobody's.
TEST_F(FileIo, LeftoversOfProcessesThatAreGoneAreRemoved) {
    const QString gone = "cal.ini.~mx4294967293-abc123";
    const QString alive = QStringLiteral("cal.ini.~mx%1-abc123").arg(GetCurrentProcessId());
    for (const QString &name : {QStringLiteral("cal.ini"), gone, alive,
                                QStringLiteral("cal.ini.~mx4294967293-abc1234")}) {
        put(dir.filePath(name), "[c1]\n");
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("plan.~mx4294967293-abc123"));
    removeLeftovers(dir.path());
    QStringList kept = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList expected{"cal.ini", "cal.ini.~mx4294967293-abc1234", alive,
                         "plan.~mx4294967293-abc123"};
    kept.sort();
    expected.sort();
    EXPECT_EQ(kept, expected);
}

// A user whose name is Korean: the settings go to %APPDATA%\mx_cal below it, and MX_CAL_DIR
// names a Korean folder as it is.
TEST_F(FileIo, FoldersOfAKoreanUser) {
    const QString appData = dir.filePath(QString::fromUtf8("Users/김철수/AppData/Roaming"));
    ASSERT_TRUE(makeFolder(appData));
    const ScopedVariable variable(L"APPDATA", appData);
    EXPECT_EQ(userConfigRoot(MissingFolders::Create), appData);
    const ProgramFolderInputs inputs =
        programFolderInputs(dir.filePath("bin"), MissingFolders::Create);
    EXPECT_EQ(inputs.userConfigDir, appData + "/mx_cal");
    EXPECT_EQ(setUpProgramFolder(inputs), appData + "/mx_cal");
    EXPECT_TRUE(QFileInfo(appData + "/mx_cal").isDir());

    const QString chosen = dir.filePath(QString::fromUtf8("주식/설정"));
    const ScopedVariable override(L"MX_CAL_DIR", chosen);
    EXPECT_EQ(folderFromEnvironment("MX_CAL_DIR", MissingFolders::Leave), chosen);
    EXPECT_EQ(setUpProgramFolder(programFolderInputs(dir.filePath("bin"), MissingFolders::Create)),
              chosen);
    ensureFolder(optionFolderPath(chosen));
    ASSERT_TRUE(writeWholeFile(optionFolderPath(chosen) + QString::fromUtf8("/계획.mxi"), "1\r\n"));
    EXPECT_EQ(contentOf(chosen + QString::fromUtf8("/목표손절옵션/계획.mxi")), "1\r\n");
}

} // namespace
} // namespace mx::settings
