#include "printers.h"
#include "program_folder_fixture.h"
#include "settings/file_io.h"
#include "settings/program_folder.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace mx::settings {

void PrintTo(const ProgramFolderChoice &choice, std::ostream *os) {
    *os << choice.folder.toStdString() << " from '" << choice.migrateFrom.toStdString() << "'";
}

namespace {

const QString exe = "/usr/bin";
const QString user = "/home/u/.config/mx_cal";
const QString earlier = QString::fromUtf8("/home/u/.config/MX 주식계산기");

struct FolderRow {
    const char *name;
    const char *overrideDir;
    QStringList files;   // regular files that exist
    QStringList folders; // folders that exist
    QStringList writable;
    ProgramFolderChoice expected;
};

class ProgramFolder : public testing::TestWithParam<FolderRow> {};

TEST_P(ProgramFolder, Chooses) {
    const FolderRow &row = GetParam();
    ProgramFolderInputs inputs;
    inputs.overrideDir = row.overrideDir;
    inputs.executableDir = exe;
    inputs.userConfigDir = user;
    inputs.earlierUserConfigDir = earlier;
    inputs.fileExists = [&](const QString &path) { return row.files.contains(path); };
    inputs.folderExists = [&](const QString &path) { return row.folders.contains(path); };
    inputs.writable = [&](const QString &path) { return row.writable.contains(path); };
    EXPECT_EQ(chooseProgramFolder(inputs), row.expected);
}

const QString portable = "/usr/bin/cal.ini";

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramFolder,
    testing::Values(
        FolderRow{"OverrideWins",
                  "/tmp/mx",
                  {portable},
                  {exe, earlier},
                  {portable, exe},
                  {"/tmp/mx", {}}},
        FolderRow{"PortableCopy", "", {portable}, {exe}, {portable, exe}, {exe, {}}},
        FolderRow{"PortableCopyBeforeEarlierFolder",
                  "",
                  {portable},
                  {exe, earlier},
                  {portable, exe},
                  {exe, {}}},
        FolderRow{"IniOfAnotherUser", "", {portable}, {exe}, {}, {user, {}}},
        FolderRow{"IniReadOnly", "", {portable}, {exe}, {exe}, {user, {}}},
        FolderRow{"IniInReadOnlyFolder", "", {portable}, {exe}, {portable}, {user, {}}},
        FolderRow{"WritableFolderWithoutIni", "", {}, {exe}, {exe}, {user, {}}},
        FolderRow{"NothingAnywhere", "", {}, {}, {}, {user, {}}},
        FolderRow{"EarlierFolderCarriedOver", "", {}, {earlier}, {}, {user, earlier}},
        FolderRow{"EarlierFolderAlreadyCarriedOver",
                  "",
                  {user + "/cal.ini"},
                  {earlier, user},
                  {},
                  {user, {}}},
        FolderRow{
            "EarlierFolderIntoNewFolderWithoutIni", "", {}, {earlier, user}, {}, {user, earlier}},
        FolderRow{"OverrideCarriesNothing", "/tmp/mx", {}, {earlier}, {}, {"/tmp/mx", {}}}),
    [](const auto &row) { return row.param.name; });

TEST(ProgramFolder, NamesInside) {
    EXPECT_EQ(settingsFilePath("/p"), "/p/cal.ini");
    EXPECT_EQ(optionFolderPath("/p"), QString::fromUtf8("/p/목표손절옵션"));
    EXPECT_EQ(analysisFolderPath("/p"), QString::fromUtf8("/p/종목분석"));
    EXPECT_STREQ(userFolderName, "mx_cal");
    EXPECT_EQ(QString::fromUtf16(earlierUserFolderName), QString::fromUtf8("MX 주식계산기"));
}

using testing_support::contentOf;
using testing_support::put;

TEST_F(ProgramFolderOnDisk, EarlierSettingsAreCopiedOnce) {
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(contentOf(userDir + "/cal.ini"), "[c1]\nmycount=12\nr5=40\n");
    EXPECT_EQ(contentOf(userDir + QString::fromUtf8("/목표손절옵션/계획.mxi")), "1\r\n2\r\n");
    EXPECT_EQ(contentOf(userDir + QString::fromUtf8("/종목분석/record.txt")), "record\n10\n");
    // The earlier folder stays for an earlier version; nothing half-made is left beside.
    EXPECT_EQ(contentOf(earlierDir + "/cal.ini"), "[c1]\nmycount=12\nr5=40\n");
    EXPECT_EQ(entriesOf(config), (QStringList{"MX 주식계산기", "mx_cal"}));

    put(earlierDir + "/cal.ini", "[c1]\nmycount=1\n");
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(contentOf(userDir + "/cal.ini"), "[c1]\nmycount=12\nr5=40\n");
}

// A reader that is no window reads the settings the window would start with and leaves the
// folders as they are: the earlier folder's until the copy has been made, then the new one's.
TEST_F(ProgramFolderOnDisk, SettingsAreReadWhereTheyWouldBeFoundWithoutSettingUp) {
    ProgramFolderInputs inputs;
    inputs.executableDir = bin;
    inputs.userConfigDir = userDir;
    inputs.earlierUserConfigDir = earlierDir;
    EXPECT_EQ(settingsFolderToRead(withDiskProbes(inputs)), earlierDir);
    EXPECT_EQ(entriesOf(config), QStringList{"MX 주식계산기"});
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(settingsFolderToRead(withDiskProbes(inputs)), userDir);
}

TEST_F(ProgramFolderOnDisk, FailedCopyUsesTheEarlierFolderAndTriesAgain) {
    {
        const ScopedWriteFault fault(
            [](WriteStep step) { return step == WriteStep::Write ? ENOSPC : 0; });
        EXPECT_EQ(setUp(), earlierDir);
    }
    EXPECT_FALSE(QFileInfo::exists(userDir + "/cal.ini"));
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(contentOf(userDir + "/cal.ini"), "[c1]\nmycount=12\nr5=40\n");
}

TEST_F(ProgramFolderOnDisk, WithoutEarlierSettingsTheNewFolderIsMade) {
    ASSERT_TRUE(QDir(earlierDir).removeRecursively());
    EXPECT_EQ(setUp(), userDir);
    EXPECT_TRUE(QFileInfo(userDir).isDir());
    EXPECT_TRUE(entriesOf(userDir).isEmpty());
}

TEST_F(ProgramFolderOnDisk, BuildFolderIsNotUsedWithoutItsOwnIni) {
    EXPECT_EQ(setUp(), userDir);
    EXPECT_FALSE(QFileInfo::exists(bin + "/cal.ini"));
}

TEST_F(ProgramFolderOnDisk, PortableIniIsUsed) {
    put(bin + "/cal.ini", "[c1]\n");
    EXPECT_EQ(setUp(), bin);
    EXPECT_FALSE(QFileInfo::exists(userDir));
}

TEST_F(ProgramFolderOnDisk, OverrideIsMadeAbsoluteAndCreated) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(home.path()));
    const QString chosen = setUp("here/./mx");
    QDir::setCurrent(previous);
    EXPECT_EQ(chosen, home.filePath("here/mx"));
    EXPECT_TRUE(QFileInfo(chosen).isDir());
    EXPECT_FALSE(QFileInfo::exists(userDir));
}

} // namespace
} // namespace mx::settings
