#include "printers.h"
#include "settings/program_folder.h"

#include <gtest/gtest.h>

namespace mx::settings {
namespace {

struct FolderRow {
    const char *name;
    const char *overrideDir;
    bool iniInExecutableDir;
    bool executableDirWritable;
    const char *expected;
};

class ProgramFolder : public testing::TestWithParam<FolderRow> {};

TEST_P(ProgramFolder, Chooses) {
    const FolderRow &row = GetParam();
    ProgramFolderInputs inputs;
    inputs.overrideDir = row.overrideDir;
    inputs.executableDir = "/usr/bin";
    inputs.userConfigDir = "/home/u/.config/mx";
    QStringList probed;
    inputs.fileExists = [&](const QString &path) {
        probed << path;
        return row.iniInExecutableDir;
    };
    inputs.folderWritable = [&](const QString &) { return row.executableDirWritable; };
    EXPECT_EQ(chooseProgramFolder(inputs), row.expected);
    if (!probed.isEmpty()) {
        EXPECT_EQ(probed.front(), "/usr/bin/cal.ini");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramFolder,
    testing::Values(FolderRow{"OverrideWins", "/tmp/mx", true, true, "/tmp/mx"},
                    FolderRow{"ExistingIniInReadOnlyFolder", "", true, false, "/usr/bin"},
                    FolderRow{"WritableExecutableFolder", "", false, true, "/usr/bin"},
                    FolderRow{"NeitherGivesUserFolder", "", false, false, "/home/u/.config/mx"}),
    [](const auto &info) { return info.param.name; });

TEST(ProgramFolder, NamesInside) {
    EXPECT_EQ(settingsFilePath("/p"), "/p/cal.ini");
    EXPECT_EQ(optionFolderPath("/p"), QString::fromUtf8("/p/목표손절옵션"));
    EXPECT_EQ(analysisFolderPath("/p"), QString::fromUtf8("/p/종목분석"));
}

} // namespace
} // namespace mx::settings
