// Rates saved under one locale and read under another, in processes of their own, since
// the program takes its locale from the environment when it starts.
#include "printers.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"

#include <QTemporaryDir>
#include <clocale>
#include <cstring>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace mx::settings {
namespace {

struct ChildRun {
    int exitCode = -1;
    std::string out;
};

// Runs the child with LC_ALL set to `locale` and every other locale variable removed.
ChildRun runUnder(const char *locale, std::vector<std::string> arguments) {
    std::vector<std::string> environment;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        if (!variable.starts_with("LC_") && !variable.starts_with("LANG")) {
            environment.push_back(variable);
        }
    }
    environment.push_back(std::string("LC_ALL=") + locale);
    arguments.insert(arguments.begin(), MX_LOCALE_CHILD_PATH);
    const auto pointers = [](std::vector<std::string> &texts) {
        std::vector<char *> list;
        for (std::string &text : texts) {
            list.push_back(text.data());
        }
        list.push_back(nullptr);
        return list;
    };
    std::vector<char *> argv = pointers(arguments);
    std::vector<char *> envp = pointers(environment);

    int out[2];
    ChildRun run;
    if (pipe(out) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char buffer[256];
    ssize_t got = 0;
    while (spawned == 0 && (got = read(out[0], buffer, sizeof buffer)) > 0) {
        run.out.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    if (spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    return run;
}

bool generated(const char *locale) {
    const locale_t handle = newlocale(LC_ALL_MASK, locale, nullptr);
    if (handle == nullptr) {
        return false;
    }
    freelocale(handle);
    return true;
}

struct LocaleRow {
    const char *name;
    const char *writer;
    const char *writtenR1; // as the file holds it
    const char *reader;
};

class RatesAcrossLocales : public testing::TestWithParam<LocaleRow> {};

TEST_P(RatesAcrossLocales, Survive) {
    const LocaleRow &row = GetParam();
    for (const char *locale : {row.writer, row.reader}) {
        if (!generated(locale)) {
            GTEST_SKIP() << "the locale " << locale
                         << " is not generated here (package locales, then locale-gen)";
        }
    }
    QTemporaryDir dir;
    const std::string path = dir.filePath("cal.ini").toStdString();
    ASSERT_EQ(runUnder(row.writer, {"close", path, "0.015", "0.2"}).exitCode, 0);
    const IniFile ini = IniFile::fromBytes(readWholeFile(QString::fromStdString(path)).bytes);
    EXPECT_EQ(ini.value("c1", "r1"), row.writtenR1);

    const ChildRun start = runUnder(row.reader, {"start", path});
    ASSERT_EQ(start.exitCode, 0);
    EXPECT_EQ(start.out.substr(start.out.find(' ')), " 0.015 0.2\n") << start.out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RatesAcrossLocales,
    testing::Values(LocaleRow{"GermanToKorean", "de_DE.UTF-8", "0,015", "ko_KR.UTF-8"},
                    LocaleRow{"GermanToC", "de_DE.UTF-8", "0,015", "C.UTF-8"},
                    LocaleRow{"KoreanToGerman", "ko_KR.UTF-8", "0.015", "de_DE.UTF-8"},
                    LocaleRow{"CToGerman", "C.UTF-8", "0.015", "de_DE.UTF-8"},
                    LocaleRow{"GermanToGerman", "de_DE.UTF-8", "0,015", "de_DE.UTF-8"}),
    [](const auto &row) { return row.param.name; });

} // namespace
} // namespace mx::settings
