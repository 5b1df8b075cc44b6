// The window's commands other than Calculate: the options panel and the 평단·물타기 panel, the
// shortcuts of hidden menu items, the Clear commands and the page control (what no input reaches is
// in tst_hidden_pages).

#include "forms/window_texts.h"
#include "widgets/bar_gauge.h"
#include "window_driver.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// Keys pressed as the desktop delivers them: to whichever control has the focus.
void pressKey(WindowDriver &driver, QKeyCombination key) {
    QTest::keyClick(driver.window().windowHandle(), key.key(), key.keyboardModifiers());
}

// The pages and the 평단·물타기 panel, its holding taken from page 1.
void fillAllPages(WindowDriver &driver) {
    const QStringList inputs{"s1",    "10",   "s2",   "10000", "s3",    "11000", "W1",
                             "13000", "W2",   "9000", "Y1",    "13000", "Y2",    "7000",
                             "Y3",    "9500", "Y4",   "11000", "Y5",    "9000"};
    for (int i = 0; i + 1 < inputs.size(); i += 2) {
        driver.type(inputs[i], inputs[i + 1]);
    }
    pressKey(driver, Qt::CTRL | Qt::Key_M);
    driver.type("P13", "9000");
    pressKey(driver, QKeyCombination(Qt::Key_Escape));
    driver.press("s1", Qt::Key_Return);
}

void pressKeys(WindowDriver &driver, const QString &digits) {
    for (const QChar digit : digits) {
        pressKey(driver, QKeyCombination(Qt::Key(Qt::Key_0 + digit.digitValue())));
    }
}

QString focusName(WindowDriver &driver) {
    const QWidget *focus = driver.window().focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

// Whether `panel` stands in place of the pages, alone.
bool shows(WindowDriver &driver, const QString &panel) {
    const bool shown = !driver.find(panel)->isHidden();
    const bool pages = !driver.find("PageControl1")->isHidden();
    if (shown == pages) {
        qWarning("the panel and the pages are shown together or both hidden");
    }
    for (const char *other : {"Panel7", "Panel80"}) {
        QWidget *region = driver.find(QString::fromLatin1(other));
        if (other != panel && region != nullptr && !region->isHidden()) {
            qWarning("another panel is shown as well");
            return false;
        }
    }
    return shown && !pages;
}

const QStringList page1{"s1", "s2", "s3", "s4", "s5", "e1", "e2", "e3", "e4", "e5", "e6", "e7"};
const QStringList page2{"W1", "W2", "W3", "W4", "W5", "W6", "W7",
                        "X1", "X2", "X3", "X4", "X5", "X6", "X7"};
const QStringList page3{"Y1", "Y2", "Y3", "Y4", "Y5", "Y6", "Y7", "Y8",
                        "Y9", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6"};
// What no Clear command touches.
const QStringList kept{"Edit1", "Edit2", "Edit4", "x8", "x11", "z7",  "z16",
                       "r1",    "r5",    "r13",   "P1", "P2",  "P13", "Q1"};

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void panelInPlaceOfThePages_data();
    void panelInPlaceOfThePages();
    void optionsPanelStartsHidden();
    void minimumFeeExplanation();
    void clearCommands_data();
    void clearCommands();
    void ctrlNClearsAllPages();
    void ctrlEscCloses();
    void inertShortcuts_data();
    void inertShortcuts();
    void pageChangeHidesNumberPad();
};

void CommandsTest::panelInPlaceOfThePages_data() {
    QTest::addColumn<QString>("how");     // click, trigger or key
    QTest::addColumn<QString>("control"); // the button, the menu item or the key
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("first");  // the field that takes the keyboard
    QTest::addColumn<QString>("typed");  // what it shows after the keys 7 7
    QTest::addColumn<QString>("second"); // another field of the panel
    QTest::addColumn<QString>("close");  // the button 확인, or the key Esc
    const QStringList options{"Panel7", "r1", "0.02977", "r2", "SpeedButton1"};
    const QStringList averaging{"Panel80", "P1", "77", "P2", "SpeedButton31"};
    const struct {
        const char *row, *how, *control;
        const QStringList &panel;
        const char *close = nullptr;
    } rows[] = {
        {"toolbar button 옵션 설정", "click", "SpeedButton5", options},
        {"context menu 수수료율 설정", "trigger", "N7", options},
        {"hidden item 수수료/최저수수료제 옵션", "trigger", "N2", options},
        {"menu bar 옵션", "trigger", "N16", options, "Esc"},
        {"toolbar button 물타기", "click", "SpeedButton30", averaging},
        {"context menu 평균단가·물타기 계산", "trigger", "N40", averaging, "Esc"},
        {"Ctrl+M", "key", "Ctrl+M", averaging, "Esc"},
    };
    for (const auto &row : rows) {
        QTest::newRow(row.row) << row.how << row.control << row.panel[0] << row.panel[1]
                               << row.panel[2] << row.panel[3]
                               << (row.close != nullptr ? row.close : row.panel[4]);
    }
}

void CommandsTest::panelInPlaceOfThePages() {
    QFETCH(QString, how);
    QFETCH(QString, control);
    QFETCH(QString, panel);
    QFETCH(QString, first);
    QFETCH(QString, typed);
    QFETCH(QString, second);
    QFETCH(QString, close);
    WindowDriver driver;
    driver.type("s2", "10000");
    for (int twice = 0; twice < 2; ++twice) {
        if (how == "click") {
            QTest::mouseClick(driver.find<QToolButton>(control), Qt::LeftButton);
        } else if (how == "key") {
            pressKey(driver, QKeySequence(control)[0]);
        } else {
            driver.find<QAction>(control)->trigger();
        }
        QVERIFY(shows(driver, panel));
        QCOMPARE(focusName(driver), first);
    }
    // Keys go to the panel, never to the buy price behind it.
    pressKeys(driver, "77");
    QCOMPARE(driver.text("s2"), QStringLiteral("10000"));
    QCOMPARE(driver.text(first), typed);
    driver.type(second, "5");
    const auto closePanel = [&] {
        if (close == "Esc") {
            pressKey(driver, QKeyCombination(Qt::Key_Escape));
        } else {
            QTest::mouseClick(driver.find<QToolButton>(close), Qt::LeftButton);
        }
    };
    closePanel();
    QVERIFY(!shows(driver, panel));
    QCOMPARE(driver.text(second), QStringLiteral("5"));
    // And back to the field that had them once the panel closes.
    QCOMPARE(focusName(driver), QStringLiteral("s2"));
    pressKeys(driver, "9");
    QCOMPARE(driver.text("s2"), QStringLiteral("100009"));
    QCOMPARE(driver.text(second), QStringLiteral("5"));
    closePanel();
    QVERIFY(!shows(driver, panel));
    QCOMPARE(focusName(driver), QStringLiteral("s2"));
    QVERIFY(driver.messages().isEmpty());
}

void CommandsTest::optionsPanelStartsHidden() {
    WindowDriver driver;
    QVERIFY(!shows(driver, "Panel7"));
    QCOMPARE(driver.find<QTabWidget>("PageControl1")->currentIndex(), 0);
}

void CommandsTest::minimumFeeExplanation() {
    WindowDriver driver;
    driver.find<QAction>("N7")->trigger();
    QTest::mouseClick(driver.find<QToolButton>("SpeedButton6"), Qt::LeftButton);
    QCOMPARE(driver.messages(), QStringList{window_texts::minimumFeeExplanation});
    const QString shown = driver.messages().constFirst();
    QVERIFY(shown.contains(QStringLiteral("목적으로  이러한")));
    QVERIFY(shown.contains(QStringLiteral("있으므로   매매에")));
    QVERIFY(!shown.contains('\n') && !shown.contains('\r'));
    QVERIFY(shows(driver, "Panel7"));
}

void CommandsTest::clearCommands_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("untouched");
    QTest::addColumn<QStringList>("gaugesReset");
    QTest::newRow("page 1 (hidden button)")
        << "SpeedButton7" << page1 << page2 + page3 << QStringList{};
    QTest::newRow("page 2") << "SpeedButton11" << page2 << page1 + page3 << QStringList{"Gauge1"};
    QTest::newRow("page 3") << "SpeedButton12" << page3 << page1 + page2
                            << QStringList{"Gauge2", "Gauge3"};
    QTest::newRow("New") << "SpeedButton9" << page1 + page2 + page3 << QStringList{}
                         << QStringList{"Gauge1", "Gauge2", "Gauge3"};
}

void CommandsTest::clearCommands() {
    QFETCH(QString, button);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, untouched);
    QFETCH(QStringList, gaugesReset);
    WindowDriver driver;
    fillAllPages(driver);
    QStringList before;
    for (const QString &name : untouched + kept) {
        before.append(driver.text(name));
    }
    driver.find<QToolButton>(button)->click();
    for (const QString &name : emptied) {
        QVERIFY2(driver.text(name).isEmpty(), qPrintable(name));
    }
    QStringList after;
    for (const QString &name : untouched + kept) {
        after.append(driver.text(name));
    }
    QCOMPARE(after, before);
    for (const QString &gauge : gaugesReset) {
        QCOMPARE(driver.find<BarGauge>(gauge)->model().progress(), 0);
    }
    QVERIFY(!driver.find<QPlainTextEdit>("Memo3")->toPlainText().isEmpty());
}

void CommandsTest::ctrlNClearsAllPages() {
    WindowDriver driver;
    fillAllPages(driver);
    QVERIFY(!driver.find<QAction>("N8")->isVisible());
    driver.press("s2", Qt::CTRL | Qt::Key_N);
    for (const QString &name : page1 + page2 + page3) {
        QVERIFY2(driver.text(name).isEmpty(), qPrintable(name));
    }
}

void CommandsTest::ctrlEscCloses() {
    WindowDriver driver;
    driver.type("s1", "5");
    driver.press("s1", Qt::CTRL | Qt::Key_Escape);
    QVERIFY(!driver.window().isVisible());
}

void CommandsTest::inertShortcuts_data() {
    QTest::addColumn<int>("combined");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("left"); // what s1 holds afterwards
    QTest::newRow("Ctrl+O") << (Qt::CTRL | Qt::Key_O).toCombined() << 0 << "10";
    QTest::newRow("Ctrl+S") << (Qt::CTRL | Qt::Key_S).toCombined() << 0 << "10";
    // The field's own word keys: no command, the word goes.
    QTest::newRow("Ctrl+Del") << (Qt::CTRL | Qt::Key_Delete).toCombined() << 0 << "";
    QTest::newRow("Ctrl+Backspace") << (Qt::CTRL | Qt::Key_Backspace).toCombined() << 2 << "";
}

void CommandsTest::inertShortcuts() {
    QFETCH(int, combined);
    QFETCH(int, cursor);
    QFETCH(QString, left);
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    WindowDriver driver;
    fillAllPages(driver);
    auto *quantity = driver.field("s1");
    quantity->setFocus();
    quantity->setCursorPosition(cursor);
    driver.press("s1", key);
    QCOMPARE(driver.text("s1"), left);
    QCOMPARE(driver.text("e6"), QStringLiteral("9,609"));
    QVERIFY(driver.window().isVisible());
    QVERIFY(driver.messages().isEmpty());
}

void CommandsTest::pageChangeHidesNumberPad() {
    WindowDriver driver;
    QWidget *pad = driver.find("Panel38");
    QVERIFY(pad->isHidden());
    pad->show();
    driver.window().PageControl1Change(0);
    QVERIFY(pad->isHidden());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
