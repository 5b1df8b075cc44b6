// The long-term and day-trading pages exist in full, but no input of the user brings them
// forward: keys from a field or on the tab bar, the mouse wheel, clicks, or the actions a screen
// reader offers. Assistive technology sees the one tab "수수료, 손익".

#include "window_driver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

namespace {

// Page 1 stands forward and the planning pages stay hidden.
bool onlyPage1Shown(WindowDriver &driver) {
    return driver.find("TabSheet1")->isVisible() && !driver.find("TabSheet2")->isVisible() &&
           !driver.find("TabSheet3")->isVisible() &&
           driver.find<QStackedWidget>("PageStack")->currentIndex() == 0;
}

QTabBar *tabBar(WindowDriver &driver) {
    return driver.find<QTabWidget>("PageControl1")->tabBar();
}

void turnWheel(QWidget *widget, int delta) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

class HiddenPagesTest : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void wheel_data();
    void wheel();
    void clicksOnTheTabBar();
    void screenReaderActions();
    void assistiveTechnologySeesOneTab();
    void fieldsOfHiddenPagesStillFilled();
};

void HiddenPagesTest::keys_data() {
    QTest::addColumn<QString>("from"); // the widget with the focus, or "tab bar"
    QTest::addColumn<int>("combined");
    const struct {
        const char *name;
        QKeyCombination key;
    } keys[] = {
        {"Ctrl+Tab", Qt::CTRL | Qt::Key_Tab},
        {"Ctrl+Shift+Tab", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab},
        {"Ctrl+PgDown", Qt::CTRL | Qt::Key_PageDown},
        {"Ctrl+PgUp", Qt::CTRL | Qt::Key_PageUp},
        {"Right", QKeyCombination(Qt::Key_Right)},
        {"Left", QKeyCombination(Qt::Key_Left)},
        {"End", QKeyCombination(Qt::Key_End)},
        {"Home", QKeyCombination(Qt::Key_Home)},
    };
    for (const char *from : {"s1", "e7", "tab bar"}) {
        for (const auto &key : keys) {
            QTest::addRow("%s from %s", key.name, from)
                << QString::fromLatin1(from) << key.key.toCombined();
        }
    }
}

void HiddenPagesTest::keys() {
    QFETCH(QString, from);
    QFETCH(int, combined);
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    WindowDriver driver;
    QWidget *target = from == "tab bar" ? tabBar(driver) : driver.find(from);
    // The tab bar takes no focus by itself; forced into it, it still has nothing to choose.
    target->setFocus(Qt::OtherFocusReason);
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QVERIFY(onlyPage1Shown(driver));
    }
}

void HiddenPagesTest::wheel_data() {
    QTest::addColumn<QString>("over");
    QTest::addColumn<int>("delta");
    QTest::newRow("down over the tab bar") << "tab bar" << -120;
    QTest::newRow("up over the tab bar") << "tab bar" << 120;
    QTest::newRow("down over the page control") << "PageControl1" << -120;
}

void HiddenPagesTest::wheel() {
    QFETCH(QString, over);
    QFETCH(int, delta);
    WindowDriver driver;
    QWidget *target = over == "tab bar" ? tabBar(driver) : driver.find(over);
    for (int turn = 0; turn < 3; ++turn) {
        turnWheel(target, delta);
        QVERIFY(onlyPage1Shown(driver));
    }
}

void HiddenPagesTest::clicksOnTheTabBar() {
    WindowDriver driver;
    QTabBar *bar = tabBar(driver);
    QCOMPARE(bar->count(), 1);
    for (int x = 2; x < bar->width(); x += 10) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
        QVERIFY2(onlyPage1Shown(driver), qPrintable(QStringLiteral("x = %1").arg(x)));
    }
}

void HiddenPagesTest::screenReaderActions() {
    WindowDriver driver;
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(tabBar(driver));
    QVERIFY(bar != nullptr);
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface *child = bar->child(i);
        if (QAccessibleActionInterface *actions = child->actionInterface()) {
            for (const QString &action : actions->actionNames()) {
                actions->doAction(action);
                QVERIFY2(onlyPage1Shown(driver), qPrintable(child->text(QAccessible::Name)));
            }
        }
    }
}

void HiddenPagesTest::assistiveTechnologySeesOneTab() {
    WindowDriver driver;
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(tabBar(driver));
    QStringList tabs;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface *child = bar->child(i);
        if (child->role() == QAccessible::PageTab && !child->state().invisible) {
            tabs << child->text(QAccessible::Name);
        }
    }
    QCOMPARE(tabs, QStringList{QStringLiteral("수수료, 손익")});
}

void HiddenPagesTest::fieldsOfHiddenPagesStillFilled() {
    WindowDriver driver;
    for (const auto &[field, text] : {std::pair{"s1", "10"},
                                      {"s2", "10000"},
                                      {"W1", "13000"},
                                      {"W2", "9000"},
                                      {"Y1", "13000"},
                                      {"Y2", "7000"}}) {
        driver.field(QString::fromLatin1(field))->setText(QString::fromLatin1(text));
    }
    driver.press("s1", Qt::Key_Return);
    QCOMPARE(driver.text("X1"), QStringLiteral("29,543"));
    QCOMPARE(driver.text("W3"), QStringLiteral("10,750"));
    QVERIFY(!driver.text("Z1").isEmpty());
    QVERIFY(onlyPage1Shown(driver));
}

QTEST_MAIN(HiddenPagesTest)
#include "tst_hidden_pages.moc"
