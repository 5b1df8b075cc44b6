#include "pipe_rescue.h"
#include "printers.h"
#include "settings/file_io.h"
#include "settings/program_folder.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
        FolderRow{"EarlierFolderAlreadyCarriedOver", "", {}, {earlier, user}, {}, {user, {}}},
        FolderRow{"OverrideCarriesNothing", "/tmp/mx", {}, {earlier}, {}, {"/tmp/mx", {}}}),
    [](const auto &info) { return info.param.name; });

TEST(ProgramFolder, NamesInside) {
    EXPECT_EQ(settingsFilePath("/p"), "/p/cal.ini");
    EXPECT_EQ(optionFolderPath("/p"), QString::fromUtf8("/p/목표손절옵션"));
    EXPECT_EQ(analysisFolderPath("/p"), QString::fromUtf8("/p/종목분석"));
    EXPECT_STREQ(userFolderName, "mx_cal");
    EXPECT_EQ(QString::fromUtf16(earlierUserFolderName), QString::fromUtf8("MX 주식계산기"));
}

using testing_support::contentOf;
using testing_support::put;

// A home of its own: the executable's folder and the configuration folder with an earlier
// version's settings in it.
class ProgramFolderOnDisk : public testing::Test {
protected:
    QTemporaryDir home;
    QString bin = home.filePath("bin");
    QString config = home.filePath(".config");
    QString earlierDir = config + QString::fromUtf8("/MX 주식계산기");
    QString userDir = config + "/mx_cal";

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(bin));
        put(earlierDir + "/cal.ini", "[c1]\nmycount=12\nr5=40\n");
        put(earlierDir + QString::fromUtf8("/목표손절옵션/계획.mxi"), "1\r\n2\r\n");
        put(earlierDir + QString::fromUtf8("/종목분석/record.txt"), "record\n10\n");
    }

    QString setUp(const QString &overrideDir = {}) const {
        ProgramFolderInputs inputs;
        inputs.overrideDir = overrideDir;
        inputs.executableDir = bin;
        inputs.userConfigDir = userDir;
        inputs.earlierUserConfigDir = earlierDir;
        return setUpProgramFolder(withDiskProbes(inputs));
    }

    QStringList entriesOf(const QString &folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

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

TEST_F(ProgramFolderOnDisk, FailedCopyUsesTheEarlierFolderAndTriesAgain) {
    {
        const ScopedWriteFault fault(
            [](WriteStep step) { return step == WriteStep::Write ? ENOSPC : 0; });
        EXPECT_EQ(setUp(), earlierDir);
    }
    EXPECT_EQ(entriesOf(config), QStringList{"MX 주식계산기"});
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(contentOf(userDir + "/cal.ini"), "[c1]\nmycount=12\nr5=40\n");
}

TEST_F(ProgramFolderOnDisk, PipesAreLeftOutWithoutBlocking) {
    const QString pipe = earlierDir + "/fifo";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    testing_support::PipeRescue rescue(pipe);
    EXPECT_EQ(setUp(), userDir);
    rescue.dismiss();
    EXPECT_FALSE(rescue.rescued()) << "the copy blocked on the pipe";
    EXPECT_EQ(entriesOf(userDir), (QStringList{"cal.ini", "목표손절옵션", "종목분석"}));
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
