// One Calculate in the shown window beside its floor: writing the same result texts into the
// same widgets, the memos the cheapest way (cleared, then one joined append). Each iteration
// alternates two trades, so that every text changes as when the user calculates a new trade.
// Both are measured with the painting that follows (events processed) and without it; the end
// of the report gives the two ratios.

#include "U_cal.h"
#include "calc/fields.h"
#include "support/worked_trade.h"
#include "widgets/bar_gauge.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Inputs = std::vector<std::pair<const char *, const char *>>;

const Inputs trades[2] = {
    {std::begin(mx::worked_trade::inputs), std::end(mx::worked_trade::inputs)},
    {{"s1", "17"},
     {"s2", "10010"},
     {"s3", "10300"},
     {"W1", "12120"},
     {"W2", "9980"},
     {"Y1", "13010"},
     {"Y2", "7010"},
     {"Y3", "9990"},
     {"Y4", "10900"},
     {"Y5", "9950"}},
};

struct Gauge {
    const char *name;
    int maximum, progress;
    mx::GaugeColor color;
};

// What Calculate wrote for one trade.
struct Outputs {
    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<Gauge> gauges;
    std::vector<std::string> memo3, memo4;
};

std::vector<std::string> lines(const std::string &text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

void enter(Tf_cal &window, const Inputs &inputs) {
    for (const auto &[field, text] : inputs) {
        window.sheet().setText(field, text);
    }
}

Tf_cal &window() {
    static Tf_cal *shown = [] {
        auto *w = new Tf_cal;
        w->setMessageSink([](const QString &) {});
        // MX_CAL_BENCHMARK_RULES=1: the market's rules of the trade date and the statement's
        // rounding on, for both Calculate and its floor.
        if (qEnvironmentVariableIntValue("MX_CAL_BENCHMARK_RULES") == 1) {
            w->sheet().setText("CheckBox2", "1");
            w->sheet().setText("ComboBox2", "ten");
        }
        w->show();
        // Calculate fills every field of the planning pages too, as the window holding the most.
        w->buildHiddenRegions();
        QApplication::processEvents();
        return w;
    }();
    return *shown;
}

Outputs record(const Inputs &inputs) {
    Tf_cal &w = window();
    enter(w, inputs);
    w.N6Click();
    mx::Sheet &sheet = w.sheet();
    Outputs outputs;
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        if (fieldSpec.kind == mx::FieldKind::Result || fieldSpec.kind == mx::FieldKind::Text ||
            fieldSpec.kind == mx::FieldKind::Label ||
            (fieldSpec.kind == mx::FieldKind::IntegerSpin && fieldSpec.readOnly)) {
            outputs.texts.emplace_back(fieldSpec.name, sheet.text(fieldSpec.name));
        }
    }
    for (const char *name : {"Gauge1", "Gauge2", "Gauge3"}) {
        const mx::GaugeModel &gauge = w.findChild<BarGauge *>(QString::fromLatin1(name))->model();
        outputs.gauges.push_back({name, gauge.maximum(), gauge.progress(), gauge.color()});
    }
    outputs.memo3 = lines(sheet.text("Memo3"));
    outputs.memo4 = lines(sheet.text("Memo4"));
    return outputs;
}

[[gnu::noinline]] void write(mx::Sheet &sheet, const Outputs &outputs) {
    for (const auto &[name, text] : outputs.texts) {
        sheet.setText(name, text);
    }
    for (const Gauge &gauge : outputs.gauges) {
        sheet.setGaugeMaximum(gauge.name, gauge.maximum);
        sheet.setGaugeProgress(gauge.name, gauge.progress);
        sheet.setGaugeColor(gauge.name, gauge.color);
    }
    sheet.setMemoLines("Memo3", outputs.memo3);
    sheet.setMemoLines("Memo4", outputs.memo4);
}

// One measured step each, kept out of line with what they call, so that instructions can be
// counted for them alone, whatever the machine's load:
//   valgrind --tool=callgrind --toggle-collect='*calculateStep*' ./mx_ui_benchmarks
//       --benchmark_filter='^Calculate/painting$'
// (and '*floorStep*' with WriteSameTexts); divide the total by the calls of N6Click or, for
// the floor, by half the calls of setMemoLines.
[[gnu::noinline]] void calculateStep(Tf_cal &window, bool painting) {
    window.N6Click();
    if (painting) {
        QApplication::processEvents();
    }
}

[[gnu::noinline]] void floorStep(mx::Sheet &sheet, const Outputs &outputs, bool painting) {
    write(sheet, outputs);
    if (painting) {
        QApplication::processEvents();
    }
}

void Calculate(benchmark::State &state, bool painting) {
    Tf_cal &w = window();
    std::size_t i = 0;
    for (auto _ : state) {
        // The new trade is typed (and, with painting, shown) outside the measured time.
        state.PauseTiming();
        enter(w, trades[i++ % 2]);
        if (painting) {
            QApplication::processEvents();
        }
        state.ResumeTiming();
        calculateStep(w, painting);
    }
}
BENCHMARK_CAPTURE(Calculate, painting, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, no_painting, false)->Unit(benchmark::kMicrosecond);

void WriteSameTexts(benchmark::State &state, bool painting) {
    static const Outputs outputs[2] = {record(trades[0]), record(trades[1])};
    Tf_cal &w = window();
    std::size_t i = 0;
    for (auto _ : state) {
        // The same surroundings as Calculate's: the trade typed, and shown, unmeasured.
        state.PauseTiming();
        enter(w, trades[i % 2]);
        if (painting) {
            QApplication::processEvents();
        }
        state.ResumeTiming();
        floorStep(w.sheet(), outputs[i++ % 2], painting);
    }
}
BENCHMARK_CAPTURE(WriteSameTexts, painting, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WriteSameTexts, no_painting, false)->Unit(benchmark::kMicrosecond);

// The console report, then each Calculate beside its floor.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (!aggregate || run.aggregate_name == "median") {
                times_[run.run_name.str()] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char *variant : {"painting", "no_painting"}) {
            const double calculate = times_[std::string("Calculate/") + variant];
            const double floor = times_[std::string("WriteSameTexts/") + variant];
            if (floor > 0) {
                std::printf("Calculate / writing the same texts, %s: %.2f x\n", variant,
                            calculate / floor);
            }
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("MX_CAL_DIR")) {
        qputenv("MX_CAL_DIR", QDir::tempPath().toLocal8Bit() + "/mx_cal_benchmark");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
