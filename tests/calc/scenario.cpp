#include "scenario.h"

#include "calc/calculate.h"
#include "calc/fields.h"
#include "calc/memory_sheet.h"
#include "tool_runner.h"

#include <cstdio>
#include <sstream>

namespace mx::testing_support {
namespace {

const std::string fixedNow = "@now=2026-03-07 09:05";

LocalDateTime parseNow(const std::string &text) {
    LocalDateTime now;
    std::sscanf(text.c_str(), "%d-%d-%d %d:%d", &now.year, &now.month, &now.day, &now.hour,
                &now.minute);
    return now;
}

// Applies a script to a MemorySheet with the core's own calls.
class CoreScript {
public:
    void run(const std::vector<std::string> &script) {
        bool calculated = false;
        for (const std::string &line : script) {
            if (line == "@calc") {
                calculateOnce();
                calculated = true;
            } else if (line.starts_with("@now=")) {
                now_ = parseNow(line.substr(5));
            } else {
                set(line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
            }
        }
        if (!calculated) {
            calculateOnce();
        }
    }

    Snapshot snapshot() const {
        Snapshot shot;
        shot.messages = sheet_.messages();
        for (const FieldSpec &fieldSpec : fieldCatalogue()) {
            const std::string name(fieldSpec.name);
            if (fieldSpec.kind == FieldKind::Gauge) {
                const GaugeModel &gauge = sheet_.gauge(name);
                shot.values[name + ".color"] = gauge.color() == GaugeColor::Red ? "red" : "blue";
                shot.values[name + ".max"] = std::to_string(gauge.maximum());
                shot.values[name + ".progress"] = std::to_string(gauge.progress());
            } else if (fieldSpec.kind == FieldKind::Memo) {
                shot.memos[name] = sheet_.memo(name);
            } else if (fieldSpec.kind == FieldKind::Panel) {
                shot.values[name + ".visible"] = sheet_.panelVisible(name) ? "1" : "0";
            } else if (fieldSpec.kind == FieldKind::CheckBox) {
                shot.values[name] = sheet_.isChecked(name) ? "1" : "0";
            } else {
                shot.values[name] = sheet_.text(name);
            }
        }
        return shot;
    }

private:
    void calculateOnce() { calculate(sheet_, now_); }

    void set(const std::string &name, const std::string &value) {
        const std::string gauge = name.substr(0, name.find('.'));
        if (name.ends_with(".max")) {
            sheet_.setGaugeMaximum(gauge, std::stoi(value));
        } else if (name.ends_with(".progress")) {
            sheet_.setGaugeProgress(gauge, std::stoi(value));
        } else if (name.ends_with(".color")) {
            sheet_.setGaugeColor(gauge, value == "red" ? GaugeColor::Red : GaugeColor::Blue);
        } else if (name == "Panel24.visible") {
            sheet_.setPanelVisible("Panel24", value == "1");
        } else if (name == "Memo3" || name == "Memo4") {
            sheet_.addMemoLine(name, value);
        } else {
            sheet_.setText(name, value);
        }
    }

    MemorySheet sheet_;
    LocalDateTime now_;
};

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

std::vector<std::string> withFixedNow(const std::vector<std::string> &script) {
    std::vector<std::string> full{fixedNow};
    full.insert(full.end(), script.begin(), script.end());
    return full;
}

} // namespace

Snapshot runOnCore(const std::vector<std::string> &script) {
    CoreScript core;
    core.run(withFixedNow(script));
    return core.snapshot();
}

Snapshot runOnTool(const std::vector<std::string> &script) {
    std::string input;
    for (const std::string &line : withFixedNow(script)) {
        input += line + '\n';
    }
    const ToolRun run = runSheetTool(input);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    Snapshot shot;
    std::istringstream lines(run.out);
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

std::string scenarioName(const ::testing::TestParamInfo<ScenarioParam> &info) {
    return std::get<0>(info.param).name +
           (std::get<1>(info.param) == Runner::Core ? "_core" : "_tool");
}

TEST_P(ScenarioTest, SheetMatches) {
    const auto &[scenario, runner] = GetParam();
    const Snapshot shot =
        runner == Runner::Core ? runOnCore(scenario.script) : runOnTool(scenario.script);

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
