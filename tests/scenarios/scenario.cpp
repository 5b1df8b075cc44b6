#include "scenario.h"

#include "sheet/report.h"
#include "sheet/script.h"

#include <sstream>

namespace mx::testing_support {
namespace {

std::string unescapeCarriageReturns(const std::string &text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'r') {
            plain += '\r';
            ++i;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

Snapshot readReport(const std::string &report) {
    Snapshot shot;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        const std::string name = line.substr(0, equals);
        const std::string text = line.substr(equals + 1);
        if (name == "message") {
            shot.messages.push_back(unescapeCarriageReturns(text));
        } else if (name == "Memo3" || name == "Memo4") {
            shot.memos[name].push_back(text);
        } else {
            EXPECT_EQ(shot.values.count(name), 0u) << "printed twice: " << name;
            shot.values[name] = text;
        }
    }
    return shot;
}

} // namespace

Snapshot runScript(const std::vector<std::string> &script) {
    sheet_tool::SheetScript run;
    run.apply("@now=2026-03-07 09:05");
    for (const std::string &line : script) {
        run.apply(line);
    }
    run.finish();
    std::ostringstream report;
    sheet_tool::writeReport(report, run.sheet(), run.messages());
    return readReport(report.str());
}

TEST_P(ScenarioTest, SheetMatches) {
    const Scenario &scenario = GetParam();
    const Snapshot shot = runScript(scenario.script);

    EXPECT_EQ(shot.messages, scenario.messages);
    for (const auto &[name, text] : scenario.expect) {
        const auto found = shot.values.find(name);
        if (found == shot.values.end()) {
            ADD_FAILURE() << "no field " << name;
        } else {
            EXPECT_EQ(found->second, text) << "field " << name;
        }
    }
    for (const auto &[name, lines] : scenario.memos) {
        EXPECT_EQ(shot.memos.count(name) ? shot.memos.at(name) : std::vector<std::string>{}, lines)
            << "memo " << name;
    }
}

} // namespace mx::testing_support
