// mx_cal_sheet --csv --settings: the journal starts from the options saved in cal.ini, found as
// the window finds it, and leaves every folder and file as it was.
#include "support/table_rows.h"
#include "tool_runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

namespace mx::testing_support {
namespace {

using table_rows::PrintTo;

namespace fs = std::filesystem;

// Paths and UTF-8 both ways, on Windows too, where a plain string is in the ANSI code page.
fs::path pathOf(const std::string &utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path &path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Every file below `root` with its content; folders as "/".
std::map<std::string, std::string> snapshot(const fs::path &root) {
    std::map<std::string, std::string> entries;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        std::ostringstream content;
        if (entry.is_regular_file()) {
            content << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        } else {
            content << "/";
        }
        entries[utf8Of(fs::relative(entry.path(), root))] = content.str();
    }
    return entries;
}

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        do {
            path_ = fs::temp_directory_path() / ("mx_journal_" + std::to_string(random()));
        } while (!fs::create_directory(path_));
    }
    ~TemporaryFolder() { fs::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const fs::path &path() const { return path_; }

    void put(const std::string &name, const std::string &content) const {
        fs::create_directories((path_ / pathOf(name)).parent_path());
        std::ofstream(path_ / pathOf(name), std::ios::binary) << content;
    }

private:
    fs::path path_;
};

const std::string savedOptions = "[c1]\nmycount=7\nr1=0.015\nr2=0.25\ncheckbox1=1\nr3=150000\n"
                                 "r4=300\ncheckbox2=1\nmarket=kosdaq\nrounding=ten\n";

// Trades of a journal, the first without a market of its own, and the same trades typed into
// the sheet.
const std::string journal = "date,market,quantity,buy,sell\n"
                            "2026-03-06,,10,10000,10100\n"
                            "2025-12-26,kospi,100,71300,73000\n";
const std::string sheetTrades[] = {"DateEdit1=2026-03-06\ns1=10\ns2=10000\ns3=10100\n",
                                   "DateEdit1=2025-12-26\nComboBox1=kospi\n"
                                   "s1=100\ns2=71300\ns3=73000\n"};

// Where cal.ini lies below a home folder of its own, the environment that leads there ("@"
// stands for the home folder), the options given on the command line, and the same options as
// directives of the sheet.
struct SettingsRow {
    const char *name;
    const char *settingsFile;
    std::vector<std::string> environment;
    std::vector<std::string> options;
    const char *panel;
};

class JournalSettingsTest : public testing::TestWithParam<SettingsRow> {};

TEST_P(JournalSettingsTest, PricesAsTheSheetWithTheSameOptionsAndChangesNothing) {
    const SettingsRow &row = GetParam();
    const TemporaryFolder home;
    if (*row.settingsFile != '\0') {
        home.put(row.settingsFile, savedOptions);
    }
    // The user's folder is ~/.config on Linux and %APPDATA% on Windows: both lead to the same.
    const std::string folder = utf8Of(home.path());
    std::vector<std::string> environment{"MX_CAL_DIR=", "XDG_CONFIG_HOME=", "HOME=" + folder,
                                         "APPDATA=" + folder + "/.config"};
    for (std::string entry : row.environment) {
        entry.replace(entry.find('@'), 1, folder);
        environment.push_back(entry);
    }
    const auto before = snapshot(home.path());
    std::vector<std::string> arguments{"--csv", "--settings"};
    arguments.insert(arguments.end(), row.options.begin(), row.options.end());
    const ToolRun run = runSheetTool(journal, arguments, environment);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(snapshot(home.path()), before);
    const std::vector<std::string> lines = outputLines(run.out);
    const std::vector<std::string> trades = outputLines(journal);
    ASSERT_EQ(lines.size(), trades.size());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const JournalRow written = journalRow(lines[i]);
        EXPECT_EQ(written.input, trades[i]);
        EXPECT_EQ(written.shown, sheetResults(row.panel + sheetTrades[i - 1]));
    }
}

// The panel of the saved options; the command line overrides them one by one.
constexpr const char *savedPanel = "r1=0.015\nr2=0.25\nCheckBox1=1\nr3=150000\nr4=300\n"
                                   "CheckBox2=1\nComboBox1=kosdaq\nComboBox2=ten\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalSettingsTest,
    testing::Values(
        SettingsRow{
            "folder_of_mx_cal_dir", "saved/cal.ini", {"MX_CAL_DIR=@/saved"}, {}, savedPanel},
        SettingsRow{"user_folder", ".config/mx_cal/cal.ini", {}, {}, savedPanel},
        SettingsRow{"earlier_folder_not_yet_carried_over",
                    "cfg/MX 주식계산기/cal.ini",
                    {"XDG_CONFIG_HOME=@/cfg", "APPDATA=@/cfg"},
                    {},
                    savedPanel},
        SettingsRow{"command_line_overrides",
                    "saved/cal.ini",
                    {"MX_CAL_DIR=@/saved"},
                    {"--fee-rate", "0.029", "--no-min-fee", "--no-rules", "--market", "kospi",
                     "--rounding", "won"},
                    "r1=0.029\nr2=0.25\nCheckBox1=0\nr3=150000\nr4=300\nCheckBox2=0\n"
                    "ComboBox1=kospi\nComboBox2=won\n"},
        SettingsRow{
            "none_where_the_window_looks", "elsewhere/cal.ini", {"MX_CAL_DIR=@/none"}, {}, ""}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace mx::testing_support
