// The window by keyboard alone: where Tab stops on page 1 and in the options panel, Esc and
// Enter in the panel and on the menu bar, the shortcuts the menu bar shows, and the word keys
// of the fields.

#include "window_driver.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

// Keys as the desktop delivers them: to whichever control has the focus.
void pressKey(WindowDriver &driver, QKeyCombination key) {
    QTest::keyClick(driver.window().windowHandle(), key.key(), key.keyboardModifiers());
}

QString focusName() {
    const QWidget *focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

bool showsOptions(WindowDriver &driver) {
    return driver.find("Panel7") != nullptr && driver.find("Panel7")->isVisible();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabStops_data();
    void tabStops();
    void escapeClosesThePanel();
    void enterOnTheMenuBar_data();
    void enterOnTheMenuBar();
    void menuBarShowsItsShortcut();
};

void KeyboardTest::tabStops_data() {
    QTest::addColumn<bool>("options");
    QTest::addColumn<QStringList>("stops"); // from the field that has the keyboard, round
    QTest::newRow("page 1") << false << QStringList{"s1", "s2", "s3", "e4", "e1", "e2", "e3",
                                                    "e5", "e6", "s4", "s5", "e7", "e8", "Edit5"};
    QTest::newRow("options panel")
        << true
        << QStringList{"r1",        "r2",        "SpeedButton6", "CheckBox1", "r3",          "r4",
                       "CheckBox2", "ComboBox1", "DateEdit1",    "ComboBox2", "SpeedButton1"};
}

// Every stop of the Tab key is on the screen and has a name, in the order of reading, and the
// round closes where it began.
void KeyboardTest::tabStops() {
    QFETCH(bool, options);
    QFETCH(QStringList, stops);
    WindowDriver driver;
    if (options) {
        driver.window().N7Click();
    }
    QStringList seen;
    // Tab steps through the year, month and day of the trade date before it leaves the field.
    while (seen.size() <= stops.size()) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(focus);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(focus->objectName()));
        if (seen.isEmpty() || seen.back() != focus->objectName()) {
            seen << focus->objectName();
        }
        pressKey(driver, Qt::Key_Tab);
    }
    QCOMPARE(seen, stops + QStringList{stops.front()});
}

void KeyboardTest::escapeClosesThePanel() {
    WindowDriver driver;
    driver.type("s3", "11000");
    driver.window().N7Click();
    pressKey(driver, Qt::Key_Tab);
    pressKey(driver, Qt::Key_Escape);
    QVERIFY(!showsOptions(driver));
    QCOMPARE(focusName(), QStringLiteral("s3"));
    // Esc on the pages does nothing.
    pressKey(driver, Qt::Key_Escape);
    QVERIFY(driver.window().isVisible());
    QVERIFY(!showsOptions(driver));
}

void KeyboardTest::enterOnTheMenuBar_data() {
    QTest::addColumn<int>("right"); // presses of the Right key after Alt
    QTest::addColumn<int>("down");  // then of the Down key, into the menu
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("options"); // the options panel shown afterwards
    QTest::addColumn<int>("messages");
    QTest::newRow("Enter on 옵션") << 1 << 0 << int(Qt::Key_Return) << true << 0;
    QTest::newRow("keypad Enter on 옵션") << 1 << 0 << int(Qt::Key_Enter) << true << 0;
    QTest::newRow("Space on 옵션") << 1 << 0 << int(Qt::Key_Space) << true << 0;
    // 사용법(따라하기), its first item: the options step shows its message, and Calculate none.
    QTest::newRow("Enter in the menu 사용법") << 2 << 1 << int(Qt::Key_Return) << true << 1;
    // Enter on 계산하기 itself calculates, with its message about the missing quantity.
    QTest::newRow("Enter on 계산하기") << 0 << 0 << int(Qt::Key_Return) << false << 1;
}

// Enter is Calculate's key from the fields, never while the menu bar or a menu has the keys.
void KeyboardTest::enterOnTheMenuBar() {
    QFETCH(int, right);
    QFETCH(int, down);
    QFETCH(int, key);
    QFETCH(bool, options);
    QFETCH(int, messages);
    WindowDriver driver;
    auto *bar = driver.window().menuBar();
    pressKey(driver, Qt::Key_Alt);
    QTRY_VERIFY_WITH_TIMEOUT(bar->activeAction() != nullptr, 2000);
    for (int i = 0; i < right; ++i) {
        QTest::keyClick(bar, Qt::Key_Right);
    }
    for (int i = 0; i < down; ++i) {
        QTest::keyClick(bar, Qt::Key_Down);
    }
    QWidget *keys = QApplication::activePopupWidget();
    QTest::keyClick(keys != nullptr ? keys : bar, Qt::Key(key));
    QTRY_COMPARE_WITH_TIMEOUT(showsOptions(driver), options, 2000);
    QCOMPARE(driver.messages().size(), messages);
    if (!options) {
        QCOMPARE(driver.messages().constFirst(), QStringLiteral("수량이 기록되지 않았습니다."));
    }
}

void KeyboardTest::menuBarShowsItsShortcut() {
    WindowDriver driver;
    QMenuBar *bar = driver.window().menuBar();
    const QFontMetrics metrics = bar->fontMetrics();
    auto *calculate = driver.find<QAction>("N15");
    QCOMPARE(calculate->text(), QStringLiteral("계산하기"));
    QVERIFY(bar->actionGeometry(calculate).width() >
            metrics.horizontalAdvance(QStringLiteral("계산하기 Enter")));
    // An item without a shortcut is as wide as its caption needs.
    auto *options = driver.find<QAction>("N16");
    QVERIFY(bar->actionGeometry(options).width() <
            metrics.horizontalAdvance(QStringLiteral("옵션 Enter")) + 20);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
