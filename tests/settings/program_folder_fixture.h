#pragma once

#include "settings/program_folder.h"
#include "test_files.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mx::settings {

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
        testing_support::put(earlierDir + "/cal.ini", "[c1]\nmycount=12\nr5=40\n");
        testing_support::put(earlierDir + QString::fromUtf8("/목표손절옵션/계획.mxi"),
                             "1\r\n2\r\n");
        testing_support::put(earlierDir + QString::fromUtf8("/종목분석/record.txt"),
                             "record\n10\n");
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

} // namespace mx::settings
