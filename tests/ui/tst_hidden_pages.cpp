// The long-term and day-trading pages exist in full, but no input of the user brings them
// forward: keys from a field or on the tab bar, the mouse wheel, clicks, or the actions a screen
// reader offers. Assistive technology sees the one tab "수수료, 손익". They and the options
// panel are built when first shown; until then the window keeps their fields in memory.

#include "calc/fields.h"
#include "support/worked_trade.h"
#include "widgets/integer_spin_field.h"
#include "widgets/qtext.h"
#include "window_driver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
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
    void builtWhenFirstShown();
    void builtAtOnceWhenShownEarlier_data();
    void builtAtOnceWhenShownEarlier();
    void sameWhetherBuiltOrNot_data();
    void sameWhetherBuiltOrNot();
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
            const QString row = QString::fromLatin1(key.name) + " from " + from;
            QTest::newRow(qPrintable(row)) << QString::fromLatin1(from) << key.key.toCombined();
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
    driver.fill({{"s1", "10"},
                 {"s2", "10000"},
                 {"W1", "13000"},
                 {"W2", "9000"},
                 {"Y1", "13000"},
                 {"Y2", "7000"}});
    driver.press("s1", Qt::Key_Return);
    QCOMPARE(driver.text("X1"), QStringLiteral("29,543"));
    QCOMPARE(driver.text("W3"), QStringLiteral("10,750"));
    QVERIFY(!driver.text("Z1").isEmpty());
    QVERIFY(onlyPage1Shown(driver));
}

// What the window does not show at start is built when first shown, not with the window's first
// frame; what it held until then (stored settings, a Calculate) reaches the widgets.
void HiddenPagesTest::builtWhenFirstShown() {
    WindowDriver::programFolder();
    QFile settings(WindowDriver::settingsFile());
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write("[c1]\r\nr5=40\r\ncheckbox1=1\r\n");
    settings.close();
    Tf_cal::Seams seams;
    seams.messages = [](const QString &) {};
    seams.clock = [] { return mx::LocalDateTime{2026, 3, 7, 9, 5}; };
    Tf_cal window(nullptr, std::move(seams));

    mx::Sheet &sheet = window.sheet();
    QCOMPARE(sheet.text("r5"), std::string("40"));
    QVERIFY(sheet.isChecked("CheckBox1"));
    for (const auto &[field, text] :
         {std::pair{"s1", "10"}, {"s2", "10000"}, {"W1", "13000"}, {"W2", "9000"}}) {
        sheet.setText(field, text);
    }
    window.N6Click();
    QCOMPARE(sheet.text("W3"), std::string("11,200"));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    QVERIFY(!window.planningPagesBuilt() && !window.optionsPanelBuilt());
    // Nor the number pad or the line buffer.
    for (const char *name : {"W1", "r1", "Panel38", "Memo2"}) {
        QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(name)) == nullptr, name);
    }

    window.showPage(1);
    QVERIFY(window.planningPagesBuilt() && !window.optionsPanelBuilt());
    const auto text = [&window](const char *name) {
        return window.findChild<QLineEdit *>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("r5"), QStringLiteral("40"));
    QCOMPARE(text("W1"), QStringLiteral("13000"));
    QCOMPARE(text("W3"), QStringLiteral("11,200"));
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Gauge1"))->property("maximum").toInt(),
             4000);
    QVERIFY(!window.findChild<QPlainTextEdit *>(QStringLiteral("Memo3"))->toPlainText().isEmpty());
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Panel24"))->isHidden(), true);
    // The stepping of the high follows the price it received, as if typed.
    QCOMPARE(window.findChild<IntegerSpinField *>(QStringLiteral("W1"))->step(), 50);

    window.N7Click();
    QVERIFY(window.optionsPanelBuilt());
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isChecked());
    QFile::remove(WindowDriver::settingsFile());
}

void HiddenPagesTest::builtAtOnceWhenShownEarlier_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("field"); // one of the region shown
    QTest::addColumn<QString>("text");
    QTest::newRow("a planning page shown") << "page"
                                           << "r13"
                                           << "3";
    QTest::newRow("the options panel shown") << "options"
                                             << "r1"
                                             << "0.029";
}

void HiddenPagesTest::builtAtOnceWhenShownEarlier() {
    QFETCH(QString, how);
    QFETCH(QString, field);
    QFETCH(QString, text);
    WindowDriver::programFolder();
    QFile::remove(WindowDriver::settingsFile());
    Tf_cal::Seams seams;
    seams.messages = [](const QString &) {};
    Tf_cal window(nullptr, std::move(seams));
    if (how == "page") {
        window.showPage(2);
    } else {
        window.N7Click();
    }
    QCOMPARE(window.planningPagesBuilt(), how == "page");
    QCOMPARE(window.optionsPanelBuilt(), how == "options");
    QCOMPARE(window.findChild<QLineEdit *>(field)->text(), text);
}

void HiddenPagesTest::sameWhetherBuiltOrNot_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("first start") << QByteArray();
    QTest::newRow("options of every kind")
        << QByteArray("[c1]\r\nr1=0.0140527\r\nr2=0,26\r\nr3=0x10\r\nr4=1000\r\ncheckbox1=1\r\n"
                      "checkbox2=1\r\nmarket=kosdaq\r\nrounding=ten\r\nr5=40\r\nr13=7\r\n");
    QTest::newRow("values the window does not take")
        << QByteArray("[c1]\r\nr1=abc\r\nr2=-0.1\r\nr4=five\r\ncheckbox1=yes\r\n"
                      "market=nasdaq\r\nrounding=half\r\nr10=250\r\n");
}

// A window that never builds the regions it does not show calculates the worked trade from the
// stored options as one that has built them, and writes back the same cal.ini, byte for byte.
void HiddenPagesTest::sameWhetherBuiltOrNot() {
    QFETCH(QByteArray, stored);
    WindowDriver::programFolder();
    QStringList results[2];
    QByteArray written[2];
    for (const bool built : {false, true}) {
        QFile settings(WindowDriver::settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write(stored);
        settings.close();
        Tf_cal::Seams seams;
        seams.messages = [](const QString &) {};
        seams.clock = [] { return mx::LocalDateTime{2026, 3, 7, 9, 5}; };
        Tf_cal window(nullptr, std::move(seams));
        if (built) {
            window.buildHiddenRegions();
        }
        mx::Sheet &sheet = window.sheet();
        for (const auto &[field, text] : mx::worked_trade::inputs) {
            sheet.setText(field, text);
        }
        window.N6Click();
        for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
            const QString name = qtext(fieldSpec.name);
            if (fieldSpec.kind == mx::FieldKind::Gauge) {
                results[built] << name + '=' + QString::number(sheet.gaugeProgress(fieldSpec.name));
            } else if (fieldSpec.kind != mx::FieldKind::Panel) {
                results[built] << name + '=' + QString::fromStdString(sheet.text(fieldSpec.name));
            }
        }
        window.FormClose();
        QVERIFY(settings.open(QIODevice::ReadOnly));
        written[built] = settings.readAll();
    }
    QCOMPARE(results[false], results[true]);
    QCOMPARE(written[false], written[true]);
    QFile::remove(WindowDriver::settingsFile());
}

QTEST_MAIN(HiddenPagesTest)
#include "tst_hidden_pages.moc"
