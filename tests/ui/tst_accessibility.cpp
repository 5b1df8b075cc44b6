// The window as a screen reader reads it: a name for every control a user can reach, the gauges
// as progress bars with their values, and the keyboard focus in the quantity at start, with
// the focused field as the focused accessible object.

#include "widgets/bar_gauge.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <limits>

namespace {

QString accessibleName(QObject *object) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// Controls a user can reach with the mouse or the keyboard on a page, the options panel, the
// toolbar or the number pad.
QList<QWidget *> reachableControls(QWidget *window) {
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(widget) != nullptr ||
                             qobject_cast<QLineEdit *>(widget) != nullptr ||
                             (qobject_cast<QPlainTextEdit *>(widget) != nullptr &&
                              widget->objectName() != QLatin1String("Memo2")) ||
                             qobject_cast<BarGauge *>(widget) != nullptr ||
                             widget->objectName() == QLatin1String("Image1");
        if (control && !widget->objectName().startsWith(QLatin1String("qt_"))) {
            controls << widget;
        }
    }
    return controls;
}

QAccessibleInterface *pageTab(WindowDriver &driver) {
    QTabBar *bar = driver.find<QTabWidget>("PageControl1")->tabBar();
    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(bar);
    for (int i = 0; i < tabs->childCount(); ++i) {
        if (tabs->child(i)->role() == QAccessible::PageTab) {
            return tabs->child(i);
        }
    }
    return nullptr;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyReachableControlHasAName();
    void spinArrowsSayWhatTheyDo();
    void gaugesExposeTheirValues_data();
    void gaugesExposeTheirValues();
    void focusStartsInTheQuantity();
    void focusedFieldIsTheFocusedObject_data();
    void focusedFieldIsTheFocusedObject();
    void spinFieldsAreSpinBoxes_data();
    void spinFieldsAreSpinBoxes();
    void relations();
    void groupsAndTheProductIcon();
};

void AccessibilityTest::names_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("New") << "SpeedButton9" << QStringLiteral("새 파일");
    QTest::newRow("Calculate") << "SpeedButton4" << QStringLiteral("계산하기");
    QTest::newRow("Options") << "SpeedButton5" << QStringLiteral("옵션 설정");
    QTest::newRow("Home page") << "RxSpeedButton14" << QStringLiteral("홈페이지");
    QTest::newRow("product icon") << "Image1" << QStringLiteral("제품정보");
    QTest::newRow("pad of page 1") << "SpeedButton17" << QStringLiteral("숫자판");
    QTest::newRow("pad of page 2") << "SpeedButton18" << QStringLiteral("숫자판");
    QTest::newRow("pad of page 3") << "SpeedButton19" << QStringLiteral("숫자판");
    QTest::newRow("pad's close button") << "SpeedButton16" << QStringLiteral("숫자판 닫기");
    QTest::newRow("pad key") << "SpeedButton14" << QStringLiteral("+1");
    QTest::newRow("minimum-fee explanation")
        << "SpeedButton6" << QStringLiteral("최저수수료제 안내");
    QTest::newRow("rates note") << "Memo1" << QStringLiteral("수수료율 안내");
    QTest::newRow("long-term gauge") << "Gauge1" << QStringLiteral("최고가/저가 대비");
    QTest::newRow("평단·물타기") << "SpeedButton30" << QStringLiteral("물타기");
    QTest::newRow("the panel 평단·물타기") << "Panel80" << QStringLiteral("평단·물타기");
    QTest::newRow("its group of buys") << "Bevel20" << QStringLiteral("매수 내역");
}

void AccessibilityTest::names() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowDriver driver;
    driver.window().SpeedButton30Click();
    QCOMPARE(accessibleName(driver.find(control)), name);
}

void AccessibilityTest::everyReachableControlHasAName() {
    WindowDriver driver;
    driver.window().SpeedButton30Click();
    const QList<QWidget *> controls = reachableControls(&driver.window());
    QVERIFY(controls.size() > 130);
    for (QWidget *control : controls) {
        const QString name = accessibleName(control);
        const QString described = control->objectName().isEmpty()
                                      ? QString::fromLatin1(control->metaObject()->className()) +
                                            QStringLiteral(" in ") +
                                            control->parentWidget()->objectName()
                                      : control->objectName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(described));
        QVERIFY2(name != QLatin1String("#"), qPrintable(described));
    }
}

void AccessibilityTest::spinArrowsSayWhatTheyDo() {
    WindowDriver driver;
    for (const char *field : {"s1", "r1", "r5", "Y5"}) {
        QStringList names;
        for (QAbstractButton *arrow :
             driver.find(QString::fromLatin1(field))->findChildren<QAbstractButton *>()) {
            names << accessibleName(arrow);
        }
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("값 내리기"), QStringLiteral("값 올리기")}));
    }
}

void AccessibilityTest::gaugesExposeTheirValues_data() {
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("value");
    // Buy price 10,000 between 13,000 and 9,000; between 13,000 and 7,000; between 11,000 and
    // 9,000.
    QTest::newRow("long-term") << "Gauge1" << 4000 << 1000 << "25%";
    QTest::newRow("limits") << "Gauge2" << 6000 << 3000 << "50%";
    QTest::newRow("day's range") << "Gauge3" << 2000 << 1000 << "50%";
}

void AccessibilityTest::gaugesExposeTheirValues() {
    QFETCH(QString, gauge);
    QFETCH(int, maximum);
    QFETCH(int, progress);
    QFETCH(QString, value);
    WindowDriver driver;
    driver.fill({{"s1", "10"},
                 {"s2", "10000"},
                 {"W1", "13000"},
                 {"W2", "9000"},
                 {"Y1", "13000"},
                 {"Y2", "7000"},
                 {"Y4", "11000"},
                 {"Y5", "9000"}});
    driver.press("s1", Qt::Key_Return);
    QWidget *widget = driver.find(gauge);
    QCOMPARE(widget->property("maximum").toInt(), maximum);
    QCOMPARE(widget->property("progress").toInt(), progress);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(accessible->role(), QAccessible::ProgressBar);
    QAccessibleValueInterface *values = accessible->valueInterface();
    QVERIFY(values != nullptr);
    QCOMPARE(values->minimumValue().toInt(), 0);
    QCOMPARE(values->maximumValue().toInt(), maximum);
    QCOMPARE(values->currentValue().toInt(), progress);
    QCOMPARE(accessible->text(QAccessible::Value), value);
}

void AccessibilityTest::focusStartsInTheQuantity() {
    WindowDriver driver;
    QCOMPARE(QApplication::focusWidget(), driver.find("s1"));
    // Typing goes into the quantity at once.
    QTest::keyClicks(QApplication::focusWidget(), "12");
    QVERIFY(driver.text("s1").endsWith(QLatin1String("12")));
    QCOMPARE(driver.find<QTabWidget>("PageControl1")->tabBar()->focusPolicy(), Qt::NoFocus);
}

void AccessibilityTest::focusedFieldIsTheFocusedObject_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("at start") << "";
    QTest::newRow("buy price") << "s2";
    QTest::newRow("a result") << "e4";
}

void AccessibilityTest::focusedFieldIsTheFocusedObject() {
    QFETCH(QString, field);
    WindowDriver driver;
    if (!field.isEmpty()) {
        driver.find(field)->setFocus(Qt::TabFocusReason);
    }
    QWidget *focused = driver.find(field.isEmpty() ? QStringLiteral("s1") : field);
    QVERIFY(QAccessible::queryAccessibleInterface(focused)->state().focused);
    QAccessibleInterface *tab = pageTab(driver);
    QVERIFY(tab != nullptr);
    QVERIFY(!tab->state().focused);
}

void AccessibilityTest::spinFieldsAreSpinBoxes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("unit");
    const double lowest = -2147483648.0;
    const double highest = 2147483647.0;
    QTest::newRow("quantity") << "s1"
                              << "10" << 10.0 << 1.0 << lowest << highest << "주";
    QTest::newRow("buy price, its step") << "s2"
                                         << "10000" << 10000.0 << 50.0 << lowest << highest << "원";
    QTest::newRow("percentage") << "r5"
                                << "25" << 25.0 << 5.0 << 1.0 << 100.0 << "%";
    QTest::newRow("threshold") << "r3"
                               << "200000" << 200000.0 << 1.0 << lowest << highest << "원";
    QTest::newRow("fee rate") << "r1"
                              << "0.029" << 0.029 << 0.001 << std::numeric_limits<double>::lowest()
                              << std::numeric_limits<double>::max() << "%";
    QTest::newRow("held quantity") << "P1"
                                   << "100" << 100.0 << 1.0 << 0.0 << highest << "주";
    QTest::newRow("current price, its step")
        << "P13"
        << "65000" << 65000.0 << 100.0 << 0.0 << highest << "원";
}

// A spin field tells its value, its range and its step, as Qt's own spin boxes do, and its
// unit after its name.
void AccessibilityTest::spinFieldsAreSpinBoxes() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(double, step);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, unit);
    // As under a screen reader, which asks for each control as soon as it is made.
    QAccessible::setActive(true);
    WindowDriver driver;
    driver.window().N7Click();
    driver.window().SpeedButton1Click();
    driver.window().SpeedButton30Click();
    driver.window().SpeedButton31Click();
    driver.field(field)->setText(text);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(driver.find(field));
    QCOMPARE(accessible->role(), QAccessible::SpinBox);
    QCOMPARE(accessible->text(QAccessible::Value), text);
    QCOMPARE(accessible->text(QAccessible::Description), unit);
    QAccessibleValueInterface *values = accessible->valueInterface();
    QVERIFY(values != nullptr);
    QCOMPARE(values->currentValue().toDouble(), value);
    QCOMPARE(values->minimumStepSize().toDouble(), step);
    QCOMPARE(values->minimumValue().toDouble(), minimum);
    QCOMPARE(values->maximumValue().toDouble(), maximum);
    // Its text is read and edited as in any field.
    QAccessibleTextInterface *typed = accessible->textInterface();
    QVERIFY(typed != nullptr);
    QCOMPARE(typed->text(0, typed->characterCount()), text);
    QVERIFY(accessible->editableTextInterface() != nullptr);
}

void AccessibilityTest::relations() {
    WindowDriver driver;
    driver.window().SpeedButton30Click();
    driver.window().N7Click();
    // A field controls nothing a screen reader could go to; the window is none of it.
    for (const char *field : {"s2", "s3", "W1", "Y4", "e4"}) {
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(driver.find(QString::fromLatin1(field)));
        QVERIFY2(accessible->relations(QAccessible::Controlled).isEmpty(), field);
    }
    // The "%" beside a rate or a percentage labels it.
    // And so does the caption before a field of the 평단·물타기 panel.
    for (const auto &[label, field] : {std::pair{"Label1", "r1"},
                                       {"Label2", "r2"},
                                       {"Label5", "r5"},
                                       {"Label10", "r13"},
                                       {"Panel82", "P1"},
                                       {"Panel89", "P14"},
                                       {"Panel93", "Q3"}}) {
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(driver.find(QString::fromLatin1(field)));
        const auto labels = accessible->relations(QAccessible::Label);
        QVERIFY2(std::any_of(labels.begin(), labels.end(),
                             [&](const auto &relation) {
                                 return relation.first->object() ==
                                        driver.find(QString::fromLatin1(label));
                             }),
                 field);
    }
}

void AccessibilityTest::groupsAndTheProductIcon() {
    WindowDriver driver;
    driver.window().N7Click();
    for (const auto &[frame, caption] :
         {std::pair{"Bevel2", "수수료 비율 설정"}, {"Bevel1", "최저수수료제"}}) {
        QAccessibleInterface *group =
            QAccessible::queryAccessibleInterface(driver.find(QString::fromLatin1(frame)));
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QString::fromUtf8(caption));
    }
    // The icon that opens the about box is a button one can press.
    QAccessibleInterface *icon = QAccessible::queryAccessibleInterface(driver.find("Image1"));
    QCOMPARE(icon->role(), QAccessible::Button);
    QCOMPARE(icon->text(QAccessible::Name), QStringLiteral("제품정보"));
    QAccessibleActionInterface *actions = icon->actionInterface();
    QVERIFY(actions != nullptr);
    // Pressed once the call has returned: the box it opens is modal.
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(driver.dialogs().size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(driver.dialogs().size(), 1, 2000);
    // The credit line, which a click does not reach, stays text.
    QCOMPARE(QAccessible::queryAccessibleInterface(driver.find("Label43"))->role(),
             QAccessible::StaticText);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
