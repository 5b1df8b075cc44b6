// Calculate in the real window: typed trades, every way to run it, the input checks and the
// planning pages.

#include "calc/averaging.h"
#include "calc/memory_sheet.h"
#include "calc/texts.h"
#include "widgets/bar_gauge.h"
#include "widgets/qtext.h"
#include "window_driver.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList feeResults{"s4", "s5", "e1", "e2", "e3", "e4", "e5", "e6", "e7"};

} // namespace

class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void feeSheet_data();
    void feeSheet();
    void triggers_data();
    void triggers();
    void inputChecks_data();
    void inputChecks();
    void allPagesAsTheCoreComputes_data();
    void allPagesAsTheCoreComputes();
    void tradeBeyond32BitsIsPriced();
    void newRatesTakeEffectAtNextCalculate();
    void ratesTypedAsTheNoteSays_data();
    void ratesTypedAsTheNoteSays();
    void diagnosisAlone();
};

void CalculateTest::feeSheet_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("buy");
    QTest::addColumn<QString>("sell");
    QTest::addColumn<QStringList>("results"); // s4, s5, e1..e7
    QTest::addColumn<QString>("enterIn");
    QTest::newRow("profit") << "10"
                            << "10000"
                            << "11000" << QStringList{"100,000", "110,000", "29",    "32",    "330",
                                                      "391",     "0",       "9,609", "10,000"}
                            << "s3";
    const QStringList atBuyPrice{"100,000", "100,000", "29", "29", "300", "358", "358", "0", "0"};
    QTest::newRow("sold at the buy price") << "10"
                                           << "10000"
                                           << "10000" << atBuyPrice << "s3";
    QTest::newRow("no sell price")
        << "10"
        << "10000"
        << "" << QStringList{"100,000", "0", "29", "0", "0", "29", "100,029", "0", "0"} << "s3";
    // Enter still in the buy price first does what leaving it does: the sell price follows.
    QTest::newRow("Enter in the buy price") << "10"
                                            << "10000" << QString() << atBuyPrice << "s2";
}

void CalculateTest::feeSheet() {
    QFETCH(QString, quantity);
    QFETCH(QString, buy);
    QFETCH(QString, sell);
    QFETCH(QStringList, results);
    QFETCH(QString, enterIn);
    WindowDriver driver;
    driver.type("s1", quantity);
    driver.type("s2", buy);
    if (!sell.isNull()) {
        driver.type("s3", sell);
    }
    driver.press(enterIn, Qt::Key_Return);
    for (int i = 0; i < feeResults.size(); ++i) {
        QCOMPARE(driver.text(feeResults[i]), results[i]);
    }
    QVERIFY(driver.messages().isEmpty());
    QCOMPARE(driver.text("Edit6"), QStringLiteral("2026년 3월 7일  9시 5분 "));
}

void CalculateTest::triggers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("control");
    QTest::newRow("Enter in the quantity") << "Enter"
                                           << "s1";
    QTest::newRow("Enter in the buy price") << "Enter"
                                            << "s2";
    QTest::newRow("keypad Enter in the sell price") << "KeypadEnter"
                                                    << "s3";
    QTest::newRow("Enter in a result field") << "Enter"
                                             << "e4";
    QTest::newRow("Enter in the step field") << "Enter"
                                             << "Edit5";
    QTest::newRow("toolbar button") << "click"
                                    << "SpeedButton4";
    QTest::newRow("context menu item") << "trigger"
                                       << "N6";
    QTest::newRow("menu bar item") << "trigger"
                                   << "N15";
    QTest::newRow("Enter in the fee rate of the options panel") << "Enter"
                                                                << "r1";
    QTest::newRow("Enter in the long-term verdict memo") << "Enter"
                                                         << "Memo3";
    QTest::newRow("Enter in a day-trading percentage") << "Enter"
                                                       << "r12";
}

void CalculateTest::triggers() {
    QFETCH(QString, how);
    QFETCH(QString, control);
    WindowDriver driver;
    driver.type("s1", "10");
    driver.type("s2", "10000");
    driver.type("s3", "11000");
    // A field elsewhere than on page 1 is brought forward for the key, as a user would see it.
    QWidget *widget = driver.find(control);
    if (control == "r1") {
        driver.window().N7Click();
    } else if (widget != nullptr) {
        driver.showPageOf(widget);
    }
    QVERIFY(widget == nullptr || widget->isVisible());
    if (how == "Enter") {
        driver.press(control, Qt::Key_Return);
    } else if (how == "KeypadEnter") {
        driver.press(control, Qt::KeypadModifier | Qt::Key_Enter);
    } else if (how == "click") {
        QTest::mouseClick(driver.find<QToolButton>(control), Qt::LeftButton);
    } else {
        driver.find<QAction>(control)->trigger();
    }
    QCOMPARE(driver.text("e6"), QStringLiteral("9,609"));
    QVERIFY(driver.messages().isEmpty());
}

void CalculateTest::inputChecks_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("buy");
    QTest::addColumn<QString>("message");
    const QString noQuantity = qtext(mx::texts::quantityMissing);
    const QString noBuyPrice = qtext(mx::texts::buyPriceMissing);
    QTest::newRow("both empty: only the quantity") << ""
                                                   << "" << noQuantity;
    QTest::newRow("quantity with a decimal point") << "1.5"
                                                   << "10000" << noQuantity;
    QTest::newRow("quantity 0") << "0"
                                << "10000" << noQuantity;
    QTest::newRow("no buy price") << "10"
                                  << "" << noBuyPrice;
    QTest::newRow("buy price with a sign only") << "10"
                                                << "-" << noBuyPrice;
}

void CalculateTest::inputChecks() {
    QFETCH(QString, quantity);
    QFETCH(QString, buy);
    QFETCH(QString, message);
    WindowDriver driver;
    QVERIFY(!driver.find("Panel24")->isHidden());
    driver.type("s1", quantity);
    driver.type("s2", buy);
    driver.press("s2", Qt::Key_Return);
    QCOMPARE(driver.messages(), QStringList{message});
    for (const QString &name : feeResults) {
        QCOMPARE(driver.text(name), QString());
    }
    QCOMPARE(driver.text("Edit6"), QStringLiteral("XXXX년 X월 X 일 X시X분"));
    QVERIFY(driver.find("Panel24")->isHidden());
}

void CalculateTest::allPagesAsTheCoreComputes_data() {
    QTest::addColumn<QStringList>("inputs"); // name, text, name, text ...
    QTest::newRow("long-term plan, bought low")
        << QStringList{"s1", "10", "s2", "10000", "s3", "11000", "W1", "13000", "W2", "9000"};
    QTest::newRow("day plan at the upper limit")
        << QStringList{"s1",   "7",  "s2",   "13000", "Y1",    "13000", "Y2",
                       "7000", "Y3", "9000", "Y4",    "13000", "Y5",    "8000"};
    QTest::newRow("both plans, options changed") << QStringList{
        "s1", "25",   "s2", "5000", "s3", "5500", "W1", "6000", "W2", "4000", "Y1",  "6500",
        "Y2", "3500", "Y4", "5200", "Y5", "4800", "r5", "30",   "r9", "7",    "r12", "3"};
    QTest::newRow("low above the high")
        << QStringList{"s1", "3", "s2", "1000", "W1", "900", "W2", "1100"};
    // The 평단·물타기 panel, opened by Ctrl+M and closed by Esc: its holding starts from page 1.
    QTest::newRow("평단·물타기: a holding and two buys, a target to reach") << QStringList{
        "s1", "10", "s2",    "10000", "s3", "11000", "P1",    "100", "P2",    "72000", "P3",
        "50", "P4", "66000", "P5",    "30", "P6",    "64000", "P13", "65000", "P14",   "68000"};
    QTest::newRow("평단·물타기: held as on page 1, a target beyond the price")
        << QStringList{"s1", "100", "s2", "72000", "r1", "0.015", "P13", "65000", "P14", "60000"};
}

void CalculateTest::allPagesAsTheCoreComputes() {
    QFETCH(QStringList, inputs);
    WindowDriver driver;
    mx::MemorySheet expected;
    // The window shows today's date as the trade date.
    expected.setText("DateEdit1", "2026-03-07");
    bool averaging = false;
    for (int i = 0; i + 1 < inputs.size(); i += 2) {
        if (inputs[i].startsWith('P') && !averaging) {
            averaging = true;
            QTest::keyClick(driver.window().windowHandle(), Qt::Key_M, Qt::ControlModifier);
            mx::seedAveragingHolding(expected);
        }
        driver.type(inputs[i], inputs[i + 1]);
        expected.setText(inputs[i].toStdString(), inputs[i + 1].toStdString());
    }
    if (averaging) {
        QTest::keyClick(driver.window().windowHandle(), Qt::Key_Escape);
    }
    if (!inputs.contains("s3")) {
        // Leaving the buy price copied it into the empty sell price.
        QCOMPARE(driver.text("s3"), driver.text("s2"));
        expected.setText("s3", driver.text("s2").toStdString());
    }
    driver.press("s1", Qt::Key_Return);
    mx::calculate(expected, {2026, 3, 7, 9, 5});
    mx::averagingSection(expected, {2026, 3, 7, 9, 5});

    mx::Sheet &shown = driver.window().sheet();
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        const QString name = qtext(fieldSpec.name);
        if (fieldSpec.kind == mx::FieldKind::Gauge) {
            QCOMPARE(shown.gaugeProgress(fieldSpec.name), expected.gaugeProgress(fieldSpec.name));
            QCOMPARE(driver.find<BarGauge>(name)->model().color(),
                     expected.gauge(fieldSpec.name).color());
        } else if (fieldSpec.kind == mx::FieldKind::Memo) {
            QStringList lines;
            for (const std::string &line : expected.memo(fieldSpec.name)) {
                lines.append(QString::fromStdString(line));
            }
            QCOMPARE(driver.find<QPlainTextEdit>(name)->toPlainText(), lines.join('\n'));
        } else if (fieldSpec.kind == mx::FieldKind::Panel) {
            QCOMPARE(!driver.find(name)->isHidden(), expected.panelVisible(fieldSpec.name));
        } else {
            QCOMPARE(qtext(shown.text(fieldSpec.name)), qtext(expected.text(fieldSpec.name)));
        }
    }
    QCOMPARE(driver.messages().size(), static_cast<qsizetype>(expected.messages().size()));
}

void CalculateTest::tradeBeyond32BitsIsPriced() {
    WindowDriver driver;
    driver.type("s1", "100000");
    driver.type("s2", "30000");
    driver.type("s3", "30000");
    driver.type("W1", "40000");
    driver.type("W2", "20000");
    driver.type("Y1", "39000");
    driver.type("Y2", "21000");
    driver.press("s3", Qt::Key_Return);
    QVERIFY(driver.messages().isEmpty());
    QCOMPARE(driver.text("s4"), QStringLiteral("3,000,000,000"));
    QCOMPARE(driver.text("X1"), QStringLiteral("985,970,000"));
    QCOMPARE(driver.text("Z1"), QStringLiteral("886,299,000"));
    QCOMPARE(driver.find<BarGauge>("Gauge2")->model().progress(), 9000);
}

void CalculateTest::newRatesTakeEffectAtNextCalculate() {
    WindowDriver driver;
    driver.type("s1", "10");
    driver.type("s2", "10000");
    driver.type("s3", "11000");
    driver.press("s3", Qt::Key_Return);
    QCOMPARE(driver.text("e1"), QStringLiteral("29"));
    driver.find<QAction>("N7")->trigger();
    driver.type("r1", "0");
    QTest::mouseClick(driver.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(driver.text("e1"), QStringLiteral("29"));
    driver.press("s1", Qt::Key_Return);
    QCOMPARE(driver.text("e1"), QStringLiteral("0"));
    QCOMPARE(driver.text("e2"), QStringLiteral("0"));

    driver.find<QAction>("N7")->trigger();
    driver.type("r3", "0");
    driver.find<QCheckBox>("CheckBox1")->setChecked(true);
    QTest::mouseClick(driver.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    driver.press("s1", Qt::Key_Return);
    QCOMPARE(driver.text("e1"), QStringLiteral("0"));
}

void CalculateTest::ratesTypedAsTheNoteSays_data() {
    QTest::addColumn<QString>("feeTyped");
    QTest::addColumn<QString>("taxTyped");
    QTest::addColumn<QString>("feeShown");
    QTest::addColumn<QString>("taxShown");
    QTest::addColumn<QStringList>("results"); // e1, e2, e3, e6
    const QStringList worked{"29", "32", "330", "9,609"};
    QTest::newRow("commas, as the panel's note tells") << "0,029"
                                                       << "0,3"
                                                       << "0.029"
                                                       << "0.3" << worked;
    QTest::newRow("points") << "0.029"
                            << "0.3"
                            << "0.029"
                            << "0.3" << worked;
    QTest::newRow("a comma in the fee rate only")
        << "0,015"
        << "0.3"
        << "0.015"
        << "0.3" << QStringList{"15", "17", "330", "9,639"};
}

void CalculateTest::ratesTypedAsTheNoteSays() {
    QFETCH(QString, feeTyped);
    QFETCH(QString, taxTyped);
    QFETCH(QString, feeShown);
    QFETCH(QString, taxShown);
    QFETCH(QStringList, results);
    WindowDriver driver;
    driver.find<QAction>("N7")->trigger();
    driver.type("r1", feeTyped);
    driver.type("r2", taxTyped);
    QCOMPARE(driver.text("r1"), feeShown);
    QCOMPARE(driver.text("r2"), taxShown);
    QTest::mouseClick(driver.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    driver.type("s1", "10");
    driver.type("s2", "10000");
    driver.type("s3", "11000");
    driver.press("s3", Qt::Key_Return);
    QCOMPARE(
        (QStringList{driver.text("e1"), driver.text("e2"), driver.text("e3"), driver.text("e6")}),
        results);
}

void CalculateTest::diagnosisAlone() {
    WindowDriver driver;
    driver.type("s2", "10000");
    driver.type("W1", "13000");
    driver.type("W2", "9000");
    driver.find<QAction>("N11")->trigger();
    QCOMPARE(driver.text("x11"), QStringLiteral("3000"));
    QCOMPARE(driver.text("x12"), QStringLiteral("1000"));
    QVERIFY(driver.find<QPlainTextEdit>("Memo3")->toPlainText().contains(
        QStringLiteral("성공대 실패 비율은 3:1 입니다.")));
    QVERIFY(driver.messages().isEmpty());
}

QTEST_MAIN(CalculateTest)
#include "tst_calculate.moc"
