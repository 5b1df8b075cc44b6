// The program folder on POSIX: links of the user's own carried over and another user's
// leading nowhere, leftovers of processes that are gone, folders named by bytes that are not
// UTF-8, the XDG rules and named pipes.
#include "pipe_rescue.h"
#include "printers.h"
#include "program_folder_fixture.h"
#include "settings/file_io.h"
#include "settings/own_paths.h"
#include "settings/program_folder.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mx::settings {
namespace {

using testing_support::contentOf;
using testing_support::put;

// A new folder made before the settings were carried over (by a package, or by hand) gets what
// it lacks; what it has stays. A link of the user's own stays a link.
TEST_F(ProgramFolderOnDisk, NewFolderWithoutSettingsGetsWhatItLacks) {
    put(userDir + QString::fromUtf8("/목표손절옵션/계획.mxi"), "mine\r\n");
    put(userDir + QString::fromUtf8("/목표손절옵션/new.mxi"), "new\r\n");
    put(home.filePath("dotfiles/cal.ini"), "[c1]\nr1=0.015\n");
    ASSERT_TRUE(QFile::remove(earlierDir + "/cal.ini"));
    ASSERT_TRUE(QFile::link("../../dotfiles/cal.ini", earlierDir + "/cal.ini"));
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(contentOf(userDir + QString::fromUtf8("/목표손절옵션/계획.mxi")), "mine\r\n");
    EXPECT_EQ(contentOf(userDir + QString::fromUtf8("/목표손절옵션/new.mxi")), "new\r\n");
    EXPECT_EQ(contentOf(userDir + QString::fromUtf8("/종목분석/record.txt")), "record\n10\n");
    EXPECT_TRUE(QFileInfo(userDir + "/cal.ini").isSymLink());
    EXPECT_EQ(contentOf(userDir + "/cal.ini"), "[c1]\nr1=0.015\n");
}

pid_t goneProcess() {
    const pid_t gone = fork();
    if (gone == 0) {
        _exit(0);
    }
    waitpid(gone, nullptr, 0);
    return gone;
}

// What interrupted runs left: the files of unfinished writes of processes that are gone. A
// write in progress and the user's own files and folders stay, also those named like the
// staging folders of earlier versions, which nothing proves to be this program's.
TEST_F(ProgramFolderOnDisk, LeftoversOfInterruptedRunsAreRemoved) {
    const pid_t gone = goneProcess();
    ASSERT_GT(gone, 0);
    const QString dead = QStringLiteral("cal.ini.~mx%1-abc123").arg(gone);
    const QString alive = QStringLiteral("cal.ini.~mx%1-abc123").arg(getpid());
    put(userDir + "/cal.ini", "[c1]\n");
    for (const QString &name : {dead, alive, QStringLiteral("cal.ini.backup")}) {
        put(userDir + "/" + name, "[c1]\n");
    }
    put(userDir + QString::fromUtf8("/목표손절옵션/a.mxi.~mx%1-zz9zz9").arg(gone), "1\r\n");
    put(config + "/.mx_cal-Ab3dE9/cal.ini", "[c1]\n");
    put(config + "/.mx_cal-backup/f", "x");
    EXPECT_EQ(setUp(), userDir);
    EXPECT_EQ(setUp(home.filePath("elsewhere")), home.filePath("elsewhere"));
    EXPECT_EQ(entriesOf(userDir),
              (QStringList{"cal.ini", "cal.ini.backup", alive, "목표손절옵션"}));
    EXPECT_TRUE(entriesOf(userDir + QString::fromUtf8("/목표손절옵션")).isEmpty());
    EXPECT_EQ(entriesOf(config),
              (QStringList{".mx_cal-Ab3dE9", ".mx_cal-backup", "MX 주식계산기", "mx_cal"}));
    EXPECT_EQ(contentOf(config + "/.mx_cal-backup/f"), "x");
}

// Another user's link in a shared folder without the sticky bit, to the victim's home: at the
// program folder, above it, or at its option folder. Nothing is made, written or removed through
// it. Planting the link as another user needs root.
struct ForeignLinkRow {
    const char *name;
    const char *link;        // where the other user's link to the victim's home stands
    const char *overrideDir; // MX_CAL_DIR
    bool settingsInReach;    // whether cal.ini itself lies on this side of the link
};

class ForeignLink : public ProgramFolderOnDisk,
                    public testing::WithParamInterface<ForeignLinkRow> {};

TEST_P(ForeignLink, LeadsTheProgramNowhere) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "planting a link of another user needs root";
    }
    const ForeignLinkRow &row = GetParam();
    const QString victim = home.filePath("victim");
    const QString leftover = QStringLiteral("notes.~mx%1-abcdef").arg(goneProcess());
    put(victim + "/" + leftover, "mine");
    put(victim + "/.mx_cal-backup/f", "mine");
    put(victim + "/docs/cal.ini", "[c1]\nr1=0.015\n");
    const QString shared = home.filePath("team");
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    const QByteArray link = QFile::encodeName(home.filePath(row.link));
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), link.constData()), 0);
    ASSERT_EQ(::lchown(link.constData(), 65534, 65534), 0);
    const QStringList before = entriesOf(victim);

    const QString folder = setUp(home.filePath(row.overrideDir));
    EXPECT_EQ(writeWholeFile(settingsFilePath(folder), "[c1]\nmycount=1\n"), row.settingsInReach);
    EXPECT_FALSE(writeWholeFile(optionFolderPath(folder) + "/plan.mxi", "1\r\n"));
    EXPECT_EQ(entriesOf(victim), before);
    EXPECT_EQ(contentOf(victim + "/" + leftover), "mine");
    EXPECT_EQ(contentOf(victim + "/.mx_cal-backup/f"), "mine");
    EXPECT_EQ(contentOf(victim + "/docs/cal.ini"), "[c1]\nr1=0.015\n");
    EXPECT_EQ(entriesOf(victim + "/docs"), QStringList{"cal.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ForeignLink,
    testing::Values(ForeignLinkRow{"AtTheProgramFolder", "team/proj", "team/proj", false},
                    ForeignLinkRow{"AboveTheProgramFolder", "team/proj", "team/proj/docs", false},
                    ForeignLinkRow{"AtTheOptionFolder", "team/목표손절옵션", "team", true}),
    [](const auto &row) { return row.param.name; });

TEST_F(ProgramFolderOnDisk, FolderNamedByBytesThatAreNotUtf8) {
    const QByteArray bytes = QFile::encodeName(home.path()) + "/bad\xff\xfe";
    const QString folder = folderFromBytes(bytes);
    ASSERT_TRUE(writeWholeFile(settingsFilePath(folder), "[c1]\n"));
    struct stat info {};
    EXPECT_EQ(::stat((bytes + "/cal.ini").constData(), &info), 0);
    EXPECT_FALSE(
        QFileInfo::exists(home.filePath(QString::fromUtf8(bytes.mid(bytes.lastIndexOf('/') + 1)))));
    EXPECT_EQ(shownPath(settingsFilePath(folder)), QString::fromUtf8(bytes) + "/cal.ini");
    // Removed while the program runs, it is made again where it was.
    ASSERT_EQ(::unlink((bytes + "/cal.ini").constData()), 0);
    ASSERT_EQ(::rmdir(bytes.constData()), 0);
    ensureFolder(folder);
    ASSERT_TRUE(writeWholeFile(settingsFilePath(folder), "[c1]\nr5=40\n"));
    EXPECT_EQ(::stat((bytes + "/cal.ini").constData(), &info), 0);
    EXPECT_EQ(info.st_size, 11);
    // What Qt cannot name, it cannot remove either.
    ::unlink((bytes + "/cal.ini").constData());
    ::rmdir(bytes.constData());
    EXPECT_EQ(folderFromBytes("/plain/ascii"), "/plain/ascii");
    const QByteArray missing = QFile::encodeName(home.path()) + "/missing\xff";
    folderFromBytes(missing, MissingFolders::Leave);
    EXPECT_NE(::stat(missing.constData(), &info), 0);
}

struct RootRow {
    const char *name;
    QByteArray xdgConfigHome;
    QByteArray home;
    QString expected; // "<passwd>" for the home folder the system keeps
};

class UserConfigRoot : public testing::TestWithParam<RootRow> {};

TEST_P(UserConfigRoot, FollowsTheXdgRules) {
    const RootRow &row = GetParam();
    const QString passwdHome = QFile::decodeName(getpwuid(getuid())->pw_dir);
    QString expected = row.expected;
    expected.replace("<passwd>", passwdHome);
    EXPECT_EQ(xdgConfigRoot(row.xdgConfigHome, row.home), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UserConfigRoot,
    testing::Values(RootRow{"HomeOnly", "", "/home/u", "/home/u/.config"},
                    RootRow{"AbsoluteXdg", "/data/cfg", "/home/u", "/data/cfg"},
                    RootRow{"RelativeXdgIgnored", "rel/cfg", "/home/u", "/home/u/.config"},
                    RootRow{"HomeUnsetTakesThePasswordDatabase", "", "", "<passwd>/.config"}),
    [](const auto &row) { return row.param.name; });

TEST_F(ProgramFolderOnDisk, PipesAreLeftOutWithoutBlocking) {
    const QString pipe = earlierDir + "/fifo";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    testing_support::PipeRescue rescue(pipe);
    EXPECT_EQ(setUp(), userDir);
    rescue.dismiss();
    EXPECT_FALSE(rescue.rescued()) << "the copy blocked on the pipe";
    EXPECT_EQ(entriesOf(userDir), (QStringList{"cal.ini", "목표손절옵션", "종목분석"}));
}

} // namespace
} // namespace mx::settings
