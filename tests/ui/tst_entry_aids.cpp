// The price entry aids in the real window: price steps, copying the buy price, the number pad,
// the comma handling of the result fields and what Clear and New do to the steps.

#include "widgets/integer_spin_field.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList padFields{"s1", "s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"};
const QStringList priceFields{"s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"};

// Brings the page of `name` forward (pages 2 and 3 have no tab; the program can still show
// them), or the 평단·물타기 panel by its key, and puts the focus in the field.
QLineEdit *focusField(WindowDriver &driver, const QString &name) {
    if (driver.field(name) == nullptr) {
        QTest::keyClick(driver.window().windowHandle(), Qt::Key_M, Qt::ControlModifier);
    }
    QLineEdit *field = driver.field(name);
    driver.showPageOf(field);
    field->setFocus(Qt::MouseFocusReason);
    return field;
}

// The market's rules of a trade date, chosen on the options panel: "kosdaq 2022-06-01".
void applyRules(WindowDriver &driver, const QString &rules) {
    const QStringList parts = rules.split(' ');
    driver.window().N7Click();
    QTest::mouseClick(driver.find<QCheckBox>("CheckBox2"), Qt::LeftButton);
    auto *market = driver.find<QComboBox>("ComboBox1");
    market->setCurrentIndex(market->findData(parts[0]));
    driver.find<QDateEdit>("DateEdit1")->setDate(QDate::fromString(parts[1], Qt::ISODate));
    driver.window().SpeedButton1Click();
}

void clickPad(WindowDriver &driver, const QString &key) {
    QTest::mouseClick(driver.find<QToolButton>(key), Qt::LeftButton);
}

} // namespace

class EntryAidsTest : public QObject {
    Q_OBJECT

private slots:
    void startingSteps();
    void priceSteps_data();
    void priceSteps();
    void arrowsUseTheStepInForce_data();
    void arrowsUseTheStepInForce();
    void buyPriceToSellPrice_data();
    void buyPriceToSellPrice();
    void padKeys_data();
    void padKeys();
    void padActsOnlyOnItsFields_data();
    void padActsOnlyOnItsFields();
    void padPlaces();
    void padKeysNeverTakeTheFocus();
    void commaHandling_data();
    void commaHandling();
    void enterBeforeShownDoesNothing();
    void clearsResetSteps_data();
    void clearsResetSteps();
    void newOnAFreshWindowShowsStep5();
};

void EntryAidsTest::startingSteps() {
    WindowDriver driver;
    for (const QString &name : priceFields) {
        QCOMPARE(driver.find<IntegerSpinField>(name)->step(), name == "W1" ? 1 : 5);
    }
    QCOMPARE(driver.find<IntegerSpinField>("s1")->step(), 1);
    QCOMPARE(driver.text("Edit5"), QString());
}

void EntryAidsTest::priceSteps_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("shown"); // Edit5; only the buy price shows its step
    QTest::newRow("4999 below the first band") << "s2"
                                               << "4999" << 5 << "5";
    QTest::newRow("5000 opens the 10 band") << "s2"
                                            << "5000" << 10 << "10";
    QTest::newRow("9999") << "s2"
                          << "9999" << 10 << "10";
    QTest::newRow("10000") << "s2"
                           << "10000" << 50 << "50";
    QTest::newRow("50000") << "s2"
                           << "50000" << 100 << "100";
    QTest::newRow("100000") << "s2"
                            << "100000" << 500 << "500";
    QTest::newRow("499999") << "s2"
                            << "499999" << 500 << "500";
    QTest::newRow("500000 with a separator") << "s2"
                                             << "500000" << 1000 << "1,000";
    QTest::newRow("2000000 has no higher band") << "s2"
                                                << "2000000" << 1000 << "1,000";
    QTest::newRow("negative price") << "s2"
                                    << "-7000" << 5 << "5";
    QTest::newRow("sign only reads as 0") << "s2"
                                          << "-" << 5 << "5";
    QTest::newRow("sell price") << "s3"
                                << "5000" << 10 << "";
    QTest::newRow("long-term high leaves its step 1") << "W1"
                                                      << "12000" << 50 << "";
    QTest::newRow("long-term low") << "W2"
                                   << "60000" << 100 << "";
    QTest::newRow("upper limit") << "Y1"
                                 << "150000" << 500 << "";
    QTest::newRow("lower limit") << "Y2"
                                 << "700000" << 1000 << "";
    QTest::newRow("open") << "Y3"
                          << "9990" << 10 << "";
    QTest::newRow("high") << "Y4"
                          << "49999" << 50 << "";
    QTest::newRow("low") << "Y5"
                         << "4000" << 5 << "";
    QTest::newRow("평단·물타기 current price") << "P13"
                                               << "65000" << 100 << "";
    QTest::newRow("평단·물타기 price of a buy") << "P4"
                                                << "4999" << 5 << "";
}

void EntryAidsTest::priceSteps() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, step);
    QFETCH(QString, shown);
    WindowDriver driver;
    focusField(driver, field);
    driver.type(field, typed);
    QCOMPARE(driver.find<IntegerSpinField>(field)->step(), step);
    QCOMPARE(driver.text("Edit5"), shown);
    const qint64 before = driver.find<IntegerSpinField>(field)->value();
    QTest::keyClick(driver.field(field), Qt::Key_Up);
    QCOMPARE(driver.text(field), QString::number(before + step));
}

void EntryAidsTest::arrowsUseTheStepInForce_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("clickArrow"); // the arrow button, else the arrow key
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("rules"); // the market's rules applied, or none
    QTest::newRow("up across 5000 by key") << "s2"
                                           << "4995" << true << false << QStringList{"5000", "5010"}
                                           << QStringList{"10", "10"} << QString();
    QTest::newRow("down across 5000 by key")
        << "s2"
        << "5000" << false << false << QStringList{"4990", "4985"} << QStringList{"5", "5"}
        << QString();
    QTest::newRow("up across 500000 by arrow button")
        << "s2"
        << "499500" << true << true << QStringList{"500000", "501000"}
        << QStringList{"1,000", "1,000"} << QString();
    QTest::newRow("down across 10000 by arrow button")
        << "s2"
        << "10000" << false << true << QStringList{"9950", "9940"} << QStringList{"10", "10"}
        << QString();
    QTest::newRow("without the rules 1999 steps off the ticks")
        << "s2"
        << "1999" << true << false << QStringList{"2004", "2009"} << QStringList{"5", "5"}
        << QString();
    // The exchange's ticks: the arrows go to the next valid price.
    QTest::newRow("ticks up across 2000") << "s2"
                                          << "1999" << true << false << QStringList{"2000", "2005"}
                                          << QStringList{"5", "5"} << "kospi 2026-03-06";
    QTest::newRow("ticks up onto the grid") << "s2"
                                            << "2004" << true << true << QStringList{"2005", "2010"}
                                            << QStringList{"5", "5"} << "kospi 2026-03-06";
    QTest::newRow("ticks down across 2000")
        << "s2"
        << "2004" << false << false << QStringList{"2000", "1999"} << QStringList{"5", "1"}
        << "kospi 2026-03-06";
    QTest::newRow("KOSPI ticks of 2022 at 100,000")
        << "s2"
        << "99900" << true << false << QStringList{"100000", "100500"} << QStringList{"500", "500"}
        << "kospi 2022-06-01";
    QTest::newRow("KOSDAQ ticks of 2022 at 100,000")
        << "s2"
        << "99900" << true << false << QStringList{"100000", "100100"} << QStringList{"100", "100"}
        << "kosdaq 2022-06-01";
    QTest::newRow("ticks of the 평단·물타기 panel's target average")
        << "P14"
        << "1999" << true << false << QStringList{"2000", "2005"} << QStringList{"5", "5"}
        << "kospi 2026-03-06";
}

void EntryAidsTest::arrowsUseTheStepInForce() {
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(bool, clickArrow);
    QFETCH(QStringList, values);
    QFETCH(QStringList, shown);
    QFETCH(QString, rules);
    WindowDriver driver;
    if (!rules.isEmpty()) {
        applyRules(driver, rules);
    }
    QLineEdit *edit = focusField(driver, field);
    driver.type(field, start);
    QList<QToolButton *> arrows = edit->findChildren<QToolButton *>();
    QCOMPARE(arrows.size(), 2);
    std::sort(arrows.begin(), arrows.end(),
              [](QToolButton *a, QToolButton *b) { return a->y() < b->y(); });
    for (int press = 0; press < values.size(); ++press) {
        if (clickArrow) {
            QTest::mouseClick(arrows[up ? 0 : 1], Qt::LeftButton);
        } else {
            QTest::keyClick(edit, up ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(driver.text(field), values[press]);
        // The buy price shows its step beside it.
        QCOMPARE(field == "s2" ? driver.text("Edit5")
                               : QString::number(driver.find<IntegerSpinField>(field)->step()),
                 shown[press]);
    }
}

void EntryAidsTest::buyPriceToSellPrice_data() {
    QTest::addColumn<QString>("sell"); // typed before the buy price; "untouched": start text
    QTest::addColumn<QString>("buy");
    QTest::addColumn<QString>("sellAfter");
    QTest::addColumn<int>("sellStep");
    QTest::newRow("empty sell price takes the buy price") << ""
                                                          << "10000"
                                                          << "10000" << 50;
    QTest::newRow("sell price 0 takes the buy price") << "0"
                                                      << "5000"
                                                      << "5000" << 10;
    QTest::newRow("untouched sell price at start") << "untouched"
                                                   << "600000"
                                                   << "600000" << 1000;
    QTest::newRow("unreadable sell price takes the buy price") << "-"
                                                               << "7000"
                                                               << "7000" << 10;
    QTest::newRow("set sell price is never overwritten") << "12000"
                                                         << "10000"
                                                         << "12000" << 50;
    QTest::newRow("negative sell price is kept") << "-5"
                                                 << "10000"
                                                 << "-5" << 5;
    QTest::newRow("empty buy price writes 0") << ""
                                              << ""
                                              << "0" << 5;
}

void EntryAidsTest::buyPriceToSellPrice() {
    QFETCH(QString, sell);
    QFETCH(QString, buy);
    QFETCH(QString, sellAfter);
    QFETCH(int, sellStep);
    WindowDriver driver;
    if (sell != "untouched") {
        driver.type("s3", sell);
    }
    driver.type("s2", buy);
    QTest::keyClick(driver.field("s2"), Qt::Key_Tab);
    QCOMPARE(driver.window().focusWidget()->objectName(), QStringLiteral("s3"));
    QCOMPARE(driver.text("s3"), sellAfter);
    QCOMPARE(driver.find<IntegerSpinField>("s3")->step(), sellStep);
    QCOMPARE(driver.text("s2"), buy);
}

void EntryAidsTest::padKeys_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("shown"); // Edit5 afterwards
    const QString plus = "SpeedButton14", minus = "SpeedButton15", times = "SpeedButton10",
                  divide = "SpeedButton13", zero = "SpeedButton20";
    QTest::newRow("*10 then /10 round trip") << "s3"
                                             << "1234" << QStringList{times} << "12340"
                                             << "";
    QTest::newRow("/10 back") << "s3"
                              << "12340" << QStringList{divide} << "1234"
                              << "";
    QTest::newRow("/10 on 9") << "s3"
                              << "9" << QStringList{divide} << "0"
                              << "";
    QTest::newRow("/10 truncates 47") << "s1"
                                      << "47" << QStringList{divide} << "4"
                                      << "";
    QTest::newRow("/10 truncates -15 toward zero") << "W2"
                                                   << "-15" << QStringList{divide} << "-1"
                                                   << "";
    QTest::newRow("+1 on the quantity") << "s1"
                                        << "9" << QStringList{plus, plus} << "11"
                                        << "";
    QTest::newRow("-1 below zero") << "Y2"
                                   << "0" << QStringList{minus} << "-1"
                                   << "";
    QTest::newRow("+1 on an empty field") << "Y3"
                                          << "" << QStringList{plus} << "1"
                                          << "";
    QTest::newRow("0 key") << "W1"
                           << "98765" << QStringList{zero} << "0"
                           << "";
    QTest::newRow("*10 at the largest factor") << "s2"
                                               << "214748364" << QStringList{times} << "2147483640"
                                               << "1,000";
    QTest::newRow("mend: +1 at 2147483647 keeps the value")
        << "Y5"
        << "2147483647" << QStringList{plus} << "2147483647"
        << "";
    QTest::newRow("mend: -1 at -2147483648 keeps the value")
        << "Y1"
        << "-2147483648" << QStringList{minus} << "-2147483648"
        << "";
    QTest::newRow("mend: *10 above 214748364 keeps the value")
        << "Y4"
        << "214748365" << QStringList{times} << "214748365"
        << "";
    QTest::newRow("mend: *10 below -214748364 keeps the value")
        << "s2"
        << "-214748365" << QStringList{times} << "-214748365"
        << "5";
    QTest::newRow("+1 on 4999 moves the buy price into the 10 band")
        << "s2"
        << "4999" << QStringList{plus} << "5000"
        << "10";
    QTest::newRow("plain digits after a sign") << "s3"
                                               << "+500" << QStringList{plus} << "501"
                                               << "";
}

void EntryAidsTest::padKeys() {
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QStringList, keys);
    QFETCH(QString, result);
    QFETCH(QString, shown);
    WindowDriver driver;
    focusField(driver, field);
    driver.type(field, start);
    driver.find<QToolButton>("SpeedButton17")->click();
    QStringList others;
    for (const QString &name : padFields) {
        others.append(name == field ? QString() : driver.text(name));
    }
    for (const QString &key : keys) {
        clickPad(driver, key);
        QVERIFY(driver.field(field)->hasFocus());
    }
    QCOMPARE(driver.text(field), result);
    for (int i = 0; i < padFields.size(); ++i) {
        if (padFields[i] != field) {
            QCOMPARE(driver.text(padFields[i]), others[i]);
        }
    }
    // The field's change handler ran on the new value: Edit5 follows the buy price only.
    QCOMPARE(driver.text("Edit5"), shown);
}

void EntryAidsTest::padActsOnlyOnItsFields_data() {
    QTest::addColumn<QString>("focused"); // empty: no field has the focus
    QTest::newRow("result field e6") << "e6";
    QTest::newRow("step display Edit5") << "Edit5";
    QTest::newRow("percentage option r5") << "r5";
    QTest::newRow("commission rate r1") << "r1";
    QTest::newRow("no field focused") << "";
}

void EntryAidsTest::padActsOnlyOnItsFields() {
    QFETCH(QString, focused);
    WindowDriver driver;
    const QStringList inputs{"s1", "10",    "s2", "10000", "s3", "11000",
                             "W1", "13000", "W2", "9000",  "Y1", "13000",
                             "Y2", "7000",  "Y4", "11000", "Y5", "9000"};
    for (int i = 0; i + 1 < inputs.size(); i += 2) {
        driver.type(inputs[i], inputs[i + 1]);
    }
    driver.press("s1", Qt::Key_Return);
    QStringList before;
    for (const QString &name : padFields) {
        before.append(driver.text(name));
    }
    if (focused.isEmpty()) {
        driver.window().focusWidget()->clearFocus();
        QVERIFY(driver.window().focusWidget() == nullptr);
    } else {
        if (focused == "r1") {
            driver.window().N7Click();
        }
        focusField(driver, focused);
    }
    const QString focusedBefore = focused.isEmpty() ? QString() : driver.text(focused);
    driver.find<QToolButton>("SpeedButton17")->click();
    for (const char *key :
         {"SpeedButton14", "SpeedButton15", "SpeedButton10", "SpeedButton13", "SpeedButton20"}) {
        clickPad(driver, QString::fromLatin1(key));
    }
    QStringList after;
    for (const QString &name : padFields) {
        after.append(driver.text(name));
    }
    QCOMPARE(after, before);
    if (!focused.isEmpty()) {
        QCOMPARE(driver.text(focused), focusedBefore);
    }
}

void EntryAidsTest::padPlaces() {
    WindowDriver driver;
    QWidget *pad = driver.find("Panel38");
    QVERIFY(pad->isHidden());
    QCOMPARE(pad->pos(), QPoint(266, 143));
    QCOMPARE(pad->size(), QSize(34, 154));

    driver.find<QToolButton>("SpeedButton17")->click();
    QVERIFY(pad->isVisible());
    QCOMPARE(pad->pos(), QPoint(266, 143));
    driver.press("s1", Qt::Key_Return); // Calculate leaves the pad up
    QVERIFY(pad->isVisible());
    driver.find<QToolButton>("SpeedButton16")->click();
    QVERIFY(pad->isHidden());

    for (const char *name : {"SpeedButton18", "SpeedButton19"}) {
        auto *button = driver.find<QToolButton>(QString::fromLatin1(name));
        button->click();
        QVERIFY(pad->isVisible());
        QCOMPARE(pad->pos(), QPoint(button->x(), 43 + button->y()));
    }
    // Shown again where the last button put it, until a change of page hides it.
    const QPoint moved = pad->pos();
    driver.find<QToolButton>("SpeedButton16")->click();
    driver.find<QToolButton>("SpeedButton17")->click();
    QCOMPARE(pad->pos(), moved);
    driver.window().showPage(1);
    QVERIFY(pad->isHidden());
}

void EntryAidsTest::padKeysNeverTakeTheFocus() {
    WindowDriver driver;
    for (const char *name : {"SpeedButton14", "SpeedButton15", "SpeedButton10", "SpeedButton13",
                             "SpeedButton20", "SpeedButton16"}) {
        QCOMPARE(driver.find<QToolButton>(QString::fromLatin1(name))->focusPolicy(), Qt::NoFocus);
    }
}

void EntryAidsTest::commaHandling_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("bare");
    QTest::addColumn<QString>("left"); // after leaving again
    QTest::newRow("e7 through the handlers of e6") << "e7"
                                                   << "1,234,567"
                                                   << "1234567"
                                                   << "1,234,567";
    QTest::newRow("s4") << "s4"
                        << "100,000"
                        << "100000"
                        << "100,000";
    QTest::newRow("negative e5") << "e5"
                                 << "-12,345"
                                 << "-12345"
                                 << "-12,345";
    QTest::newRow("small e1 has nothing to remove") << "e1"
                                                    << "29"
                                                    << "29"
                                                    << "29";
    QTest::newRow("empty result field stays empty") << "e2"
                                                    << ""
                                                    << ""
                                                    << "";
    QTest::newRow("unreadable text kept") << "e3"
                                          << "abc,def"
                                          << "abcdef"
                                          << "abcdef";
    QTest::newRow("decimals rounded half away on leaving") << "e4"
                                                           << "1,234.5"
                                                           << "1234.5"
                                                           << "1,235";
    QTest::newRow("X1 of page 2") << "X1"
                                  << "98,765"
                                  << "98765"
                                  << "98,765";
    QTest::newRow("range Edit4 of page 2") << "Edit4"
                                           << "4,000"
                                           << "4000"
                                           << "4,000";
    QTest::newRow("price result W5") << "W5"
                                     << "15,050"
                                     << "15050"
                                     << "15,050";
    QTest::newRow("Z6 of page 3") << "Z6"
                                  << "-2,000,000"
                                  << "-2000000"
                                  << "-2,000,000";
    QTest::newRow("price result Y9") << "Y9"
                                     << "8,550"
                                     << "8550"
                                     << "8,550";
    // 100 shares held at 72,000: an average keeps its decimals.
    QTest::newRow("평단·물타기 average with fees") << "Q3"
                                                   << "72,020.88"
                                                   << "72020.88"
                                                   << "72,020.88";
}

void EntryAidsTest::commaHandling() {
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QFETCH(QString, bare);
    QFETCH(QString, left);
    WindowDriver driver;
    if (field.startsWith('Q')) {
        focusField(driver, "P1");
        driver.type("P1", "100");
        driver.type("P2", "72000");
    }
    const QString neighbour = field == "e7" ? "e6" : "e7";
    driver.field(neighbour)->setText(QStringLiteral("7,654,321"));
    driver.field(field)->setText(shown);
    QLineEdit *edit = focusField(driver, field);
    QCOMPARE(driver.text(field), bare);
    QCOMPARE(driver.text(neighbour), QStringLiteral("7,654,321"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(driver.text(field), left);
    QCOMPARE(driver.text(neighbour), QStringLiteral("7,654,321"));
}

void EntryAidsTest::enterBeforeShownDoesNothing() {
    Tf_cal window;
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("s4"));
    field->setText(QStringLiteral("1,234"));
    window.s4Enter(field);
    QCOMPARE(field->text(), QStringLiteral("1,234"));
    field->setText(QStringLiteral("1234"));
    window.s4Exit(field);
    QCOMPARE(field->text(), QStringLiteral("1,234"));
}

void EntryAidsTest::clearsResetSteps_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("reset");
    QTest::newRow("page 1") << "SpeedButton7" << QStringList{"s2", "s3"};
    QTest::newRow("page 2") << "SpeedButton11" << QStringList{"W1", "W2"};
    QTest::newRow("page 3") << "SpeedButton12" << QStringList{"Y1", "Y2", "Y3", "Y4", "Y5"};
    QTest::newRow("New") << "SpeedButton9" << priceFields;
}

void EntryAidsTest::clearsResetSteps() {
    QFETCH(QString, command);
    QFETCH(QStringList, reset);
    WindowDriver driver;
    for (const QString &name : priceFields) {
        driver.type(name, QStringLiteral("600000"));
    }
    QCOMPARE(driver.text("Edit5"), QStringLiteral("1,000"));
    driver.find<QToolButton>(command)->click();
    for (const QString &name : priceFields) {
        // An emptied price field takes the step of the lowest band, W1 included.
        QCOMPARE(driver.find<IntegerSpinField>(name)->step(), reset.contains(name) ? 5 : 1000);
    }
    QCOMPARE(driver.text("Edit5"),
             reset.contains("s2") ? QStringLiteral("5") : QStringLiteral("1,000"));
}

void EntryAidsTest::newOnAFreshWindowShowsStep5() {
    WindowDriver driver;
    driver.press("s1", Qt::CTRL | Qt::Key_N);
    QCOMPARE(driver.text("Edit5"), QStringLiteral("5"));
    QCOMPARE(driver.text("s2"), QString());
}

QTEST_MAIN(EntryAidsTest)
#include "tst_entry_aids.moc"
