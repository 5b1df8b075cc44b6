// One Calculate in the window, beside writing the same output texts into the same widgets
// without calculating; and the time from process start to the first shown window.

#include "U_cal.h"
#include "calc/fields.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::pair<const char *, const char *> trade[] = {
    {"s1", "10"},    {"s2", "10000"}, {"s3", "11000"}, {"W1", "13000"}, {"W2", "9000"},
    {"Y1", "13000"}, {"Y2", "7000"},  {"Y3", "9500"},  {"Y4", "11000"}, {"Y5", "9000"}};

void enterTrade(Tf_cal &window) {
    for (const auto &[field, text] : trade) {
        window.findChild<QLineEdit *>(QString::fromLatin1(field))
            ->setText(QString::fromLatin1(text));
    }
}

Tf_cal &window() {
    static Tf_cal *shown = [] {
        auto *w = new Tf_cal;
        w->setMessageSink([](const QString &) {});
        w->setErrorSink([](const QString &) {});
        w->show();
        enterTrade(*w);
        return w;
    }();
    return *shown;
}

void CalculateInWindow(benchmark::State &state) {
    Tf_cal &w = window();
    for (auto _ : state) {
        w.N6Click();
        QApplication::processEvents();
    }
}
BENCHMARK(CalculateInWindow)->Unit(benchmark::kMicrosecond);

void WriteSameTexts(benchmark::State &state) {
    Tf_cal &w = window();
    w.N6Click();
    mx::Sheet &sheet = w.sheet();
    // Every text field the Calculate above wrote, with the verdict lines and gauges.
    std::vector<std::pair<std::string, std::string>> texts;
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        if (fieldSpec.kind == mx::FieldKind::Result || fieldSpec.kind == mx::FieldKind::Text ||
            fieldSpec.kind == mx::FieldKind::Label ||
            (fieldSpec.kind == mx::FieldKind::IntegerSpin && fieldSpec.readOnly)) {
            texts.emplace_back(fieldSpec.name, sheet.text(fieldSpec.name));
        }
    }
    const std::string memo3 = sheet.text("Memo3");
    const std::string memo4 = sheet.text("Memo4");
    for (auto _ : state) {
        for (const auto &[name, text] : texts) {
            sheet.setText(name, text);
        }
        for (const char *gauge : {"Gauge1", "Gauge2", "Gauge3"}) {
            sheet.setGaugeMaximum(gauge, 4000);
            sheet.setGaugeProgress(gauge, 1000);
            sheet.setGaugeColor(gauge, mx::GaugeColor::Blue);
        }
        sheet.clearMemo("Memo3");
        sheet.addMemoLine("Memo3", memo3);
        sheet.clearMemo("Memo4");
        sheet.addMemoLine("Memo4", memo4);
        QApplication::processEvents();
    }
}
BENCHMARK(WriteSameTexts)->Unit(benchmark::kMicrosecond);

void StartToFirstShownWindow(benchmark::State &state) {
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(MX_CAL_FIRST_SHOW), {});
        process.waitForReadyRead(10000);
        const bool shown = process.readAllStandardOutput().startsWith("shown");
        process.waitForFinished(10000);
        if (!shown) {
            state.SkipWithError("the window was not shown");
            break;
        }
    }
}
BENCHMARK(StartToFirstShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
