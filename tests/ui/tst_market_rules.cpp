// The market's rules of the trade date and the statement's rounding, set on the real options
// panel: what a broker's statement of 2026 shows, the tax line, r2 while the rules apply, the
// break-even price after Calculate and after New, and what a restart keeps.

#include "window_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

// The choice of `box` whose key is `key`, as a user picks it from the list.
void choose(WindowDriver &driver, const char *box, const char *key) {
    auto *choice = driver.find<QComboBox>(QString::fromLatin1(box));
    choice->setCurrentIndex(choice->findData(QString::fromLatin1(key)));
}

QByteArray storedSettings() {
    QFile file(WindowDriver::settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MarketRulesTest : public QObject {
    Q_OBJECT

private slots:
    void statement_data();
    void statement();
    void taxLineAndTaxRate();
    void breakEvenAfterCalculateAndNew();
    void restartKeepsTheChoicesButNotTheDate();
};

void MarketRulesTest::statement_data() {
    QTest::addColumn<QStringList>("sale"); // s1, s2, s3, r1 and the trade date
    QTest::addColumn<bool>("rules");
    QTest::addColumn<QString>("taxRate"); // typed into r2
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QStringList>("shown"); // e1, e2, e3, e4, e6
    // 100 shares bought at 71,300 and sold at 73,000 with the broker's 0.015 %.
    const QStringList worked{"100", "71300", "73000", "0.015", "2026-03-06"};
    QTest::newRow("the statement: KOSPI rules of the day, fees truncated to 10 won")
        << worked << true << "0.3"
        << "ten" << QStringList{"1,060", "1,090", "14,600", "16,750", "153,250"};
    QTest::newRow("without the rules, the 2026 tax typed, rounded when shown")
        << worked << false << "0.2"
        << "round" << QStringList{"1,070", "1,095", "14,600", "16,765", "153,236"};
    QTest::newRow("fees and tax truncated to the won")
        << worked << false << "0.2"
        << "won" << QStringList{"1,069", "1,095", "14,600", "16,764", "153,236"};
    QTest::newRow("the defaults tax at a rate of 2019")
        << worked << false << "0.3"
        << "round" << QStringList{"1,070", "1,095", "21,900", "24,065", "145,936"};
    // A KOSPI statement of 2023: 0.05 % and 0.15 % of 81,000 truncated apart, 40 + 121.
    QTest::newRow("KOSPI's two taxes truncated apart")
        << QStringList{"1", "80000", "81000", "0.0036396", "2023-06-01"} << true << "0.3"
        << "won" << QStringList{"2", "2", "161", "165", "835"};
}

void MarketRulesTest::statement() {
    QFETCH(QStringList, sale);
    QFETCH(bool, rules);
    QFETCH(QString, taxRate);
    QFETCH(QString, rounding);
    QFETCH(QStringList, shown);
    WindowDriver driver;
    driver.type("s1", sale[0]);
    driver.type("s2", sale[1]);
    driver.type("s3", sale[2]);
    driver.window().N7Click();
    driver.type("r1", sale[3]);
    driver.type("r2", taxRate);
    if (rules) {
        QTest::mouseClick(driver.find<QCheckBox>("CheckBox2"), Qt::LeftButton);
        driver.find<QDateEdit>("DateEdit1")->setDate(QDate::fromString(sale[4], Qt::ISODate));
    }
    choose(driver, "ComboBox2", rounding.toLatin1().constData());
    QTest::mouseClick(driver.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    driver.press("s1", Qt::Key_Return);
    const QStringList results{"e1", "e2", "e3", "e4", "e6"};
    for (qsizetype i = 0; i < results.size(); ++i) {
        QCOMPARE(driver.text(results[i]), shown[i]);
    }
    QVERIFY(driver.messages().isEmpty());
}

void MarketRulesTest::taxLineAndTaxRate() {
    WindowDriver driver;
    driver.window().N7Click();
    auto *line = driver.find<QLabel>("Label65");
    const auto color = [line] { return line->palette().color(QPalette::WindowText); };
    // While r2 applies, the line says so, in gray.
    QCOMPARE(line->text(), QStringLiteral("제세금율 적용 중 (거래일 기준 세율 0.20% 미적용)"));
    QCOMPARE(color(), QColor(128, 128, 128));
    QTest::mouseClick(driver.find<QCheckBox>("CheckBox2"), Qt::LeftButton);
    QCOMPARE(line->text(),
             QStringLiteral(
                 "적용 세율 0.20% (증권거래세 0.05% + 농어촌특별세 0.15%, 2025-12-29 매매분부터)"));
    QCOMPARE(color(), QColor(128, 0, 0));
    driver.find<QDateEdit>("DateEdit1")->setDate(QDate(2025, 12, 26));
    QCOMPARE(line->text(),
             QStringLiteral(
                 "적용 세율 0.15% (증권거래세 0.00% + 농어촌특별세 0.15%, 2024-12-27 매매분부터)"));
    choose(driver, "ComboBox1", "konex");
    QCOMPARE(line->text(), QStringLiteral("적용 세율 0.10% (2019-05-30 매매분부터)"));
    choose(driver, "ComboBox1", "etf");
    QCOMPARE(line->text(), QStringLiteral("적용 세율 0.00% (ETF·ETN 비과세)"));
    // r2 keeps its rate and rests while the rules apply.
    QVERIFY(!driver.field("r2")->isEnabled());
    QCOMPARE(driver.text("r2"), QStringLiteral("0.3"));
    QTest::mouseClick(driver.find<QCheckBox>("CheckBox2"), Qt::LeftButton);
    QVERIFY(driver.field("r2")->isEnabled());
    QCOMPARE(line->text(), QStringLiteral("제세금율 적용 중 (거래일 기준 세율 0.00% 미적용)"));
    QCOMPARE(color(), QColor(128, 128, 128));
}

void MarketRulesTest::breakEvenAfterCalculateAndNew() {
    WindowDriver driver;
    driver.type("s1", "10");
    driver.type("s2", "10000");
    driver.type("s3", "10000");
    QCOMPARE(driver.text("e8"), QString());
    driver.press("s1", Qt::Key_Return);
    // The lowest price of the program's steps that covers 0.029 % twice and 0.3 % of tax.
    QCOMPARE(driver.text("e8"), QStringLiteral("10,050"));
    QCOMPARE(driver.text("e5"), QStringLiteral("358"));
    // Its bare digits while it has the focus, as every result.
    driver.field("e8")->setFocus();
    QCOMPARE(driver.text("e8"), QStringLiteral("10050"));
    driver.field("s1")->setFocus();
    QCOMPARE(driver.text("e8"), QStringLiteral("10,050"));
    driver.press("s1", Qt::CTRL | Qt::Key_N);
    QCOMPARE(driver.text("e8"), QString());
}

void MarketRulesTest::restartKeepsTheChoicesButNotTheDate() {
    {
        WindowDriver first;
        QVERIFY(!storedSettings().contains("market="));
        first.window().N7Click();
        QTest::mouseClick(first.find<QCheckBox>("CheckBox2"), Qt::LeftButton);
        choose(first, "ComboBox1", "kosdaq");
        choose(first, "ComboBox2", "won");
        first.find<QDateEdit>("DateEdit1")->setDate(QDate(2024, 1, 2));
        first.window().N14Click();
    }
    QVERIFY(storedSettings().endsWith("r13=3\ncheckbox2=1\nmarket=kosdaq\nrounding=won\n"));
    WindowDriver second(WindowDriver::Start::Stored);
    second.window().N7Click();
    QVERIFY(second.find<QCheckBox>("CheckBox2")->isChecked());
    QCOMPARE(second.find<QComboBox>("ComboBox1")->currentData().toString(), "kosdaq");
    QCOMPARE(second.find<QComboBox>("ComboBox2")->currentData().toString(), "won");
    QCOMPARE(second.find<QDateEdit>("DateEdit1")->date(), QDate(2026, 3, 7));
    QVERIFY(!second.field("r2")->isEnabled());
    // The price fields step by the ticks from the start.
    second.window().SpeedButton1Click();
    second.type("s2", "1999");
    QCOMPARE(second.text("Edit5"), QStringLiteral("1"));
}

QTEST_MAIN(MarketRulesTest)
#include "tst_market_rules.moc"
