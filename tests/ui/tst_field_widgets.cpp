// The field widgets on their own: reading, setting, typing, stepping and leaving.

#include "widgets/bar_gauge.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/integer_spin_field.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class FieldWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void integerReading_data();
    void integerReading();
    void integerSetting_data();
    void integerSetting();
    void typing_data();
    void typing();
    void stepping_data();
    void stepping();
    void readOnlyArrowsOnlyBeep();
    void leavingClamps_data();
    void leavingClamps();
    void decimalStepping_data();
    void decimalStepping();
    void decimalTypedTextKept();
    void gauge_data();
    void gauge();
    void gaugeRefusesNegativeMaximum();

private:
    static void show(QWidget &host) {
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
    }
    static IntegerSpinField *integerField(QWidget &host, const char *name) {
        auto *field = new IntegerSpinField(mx::field(name), &host);
        field->show();
        show(host);
        field->setFocus();
        return field;
    }
};

void FieldWidgetsTest::integerReading_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty unbounded reads 0") << "s1"
                                             << "" << 0;
    QTest::newRow("whole number") << "s1"
                                  << "123" << 123;
    QTest::newRow("plus sign") << "s1"
                               << "+5" << 5;
    QTest::newRow("negative, no range") << "s2"
                                        << "-7" << -7;
    QTest::newRow("decimal point reads 0") << "s1"
                                           << "1.5" << 0;
    QTest::newRow("thousands separator reads 0") << "s2"
                                                 << "1,000" << 0;
    QTest::newRow("letters read 0") << "s3"
                                    << "abc" << 0;
    QTest::newRow("beyond 32 bits reads 0") << "s1"
                                            << "2147483648" << 0;
    QTest::newRow("largest 32-bit number") << "s1"
                                           << "2147483647" << 2147483647;
    QTest::newRow("percent option empty reads its minimum") << "r5"
                                                            << "" << 1;
    QTest::newRow("percent option text reads its minimum") << "r12"
                                                           << "x" << 1;
    QTest::newRow("percent option at its maximum") << "r9"
                                                   << "100" << 100;
}

void FieldWidgetsTest::integerReading() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, value);
    QWidget host;
    auto *field = integerField(host, name.toLatin1().constData());
    field->setText(text);
    QCOMPARE(field->value(), value);
    QCOMPARE(field->text(), text);
}

void FieldWidgetsTest::integerSetting_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("unbounded keeps a negative") << "s2" << -15LL << "-15";
    QTest::newRow("unbounded saturates above 32 bits") << "s1" << 3000000000LL << "2147483647";
    QTest::newRow("percent below 1") << "r5" << 0LL << "1";
    QTest::newRow("percent above 100") << "r8" << 250LL << "100";
    QTest::newRow("percent inside") << "r13" << 42LL << "42";
}

void FieldWidgetsTest::integerSetting() {
    QFETCH(QString, name);
    QFETCH(qlonglong, value);
    QFETCH(QString, text);
    QWidget host;
    auto *field = integerField(host, name.toLatin1().constData());
    field->setValue(value);
    QCOMPARE(field->text(), text);
}

void FieldWidgetsTest::typing_data() {
    QTest::addColumn<QString>("how"); // keys, paste, input method or drop
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const char *how, const char *field, const char *before,
                        const QString &entered, const char *text) {
        QTest::newRow(name) << how << field << before << entered << text;
    };
    row("digits", "keys", "s1", "", "1234", "1234");
    row("signs", "keys", "s1", "", "+-5", "+-5");
    row("decimal point kept as typed", "keys", "s1", "", "1.5", "1.5");
    row("letters refused", "keys", "s1", "", "12a3b", "123");
    row("comma refused", "keys", "s1", "", "1,000", "1000");
    row("blank refused", "keys", "s1", "", "1 2", "12");
    row("hangul refused", "keys", "s1", "", QStringLiteral("7가8"), "78");
    row("digit beyond 32 bits refused", "keys", "s1", "", "3000000000", "300000000");
    row("pasted letters refused", "paste", "s1", "5", "abc", "5");
    row("pasted count with its unit refused", "paste", "s1", "5", QStringLiteral("100주"), "5");
    row("pasted grouping commas dropped", "paste", "s3", "", "11,000", "11000");
    row("pasted blanks dropped", "paste", "s3", "", QStringLiteral(" 1 234\u00a0"), "1234");
    row("pasted wide digits", "paste", "s1", "", QStringLiteral("１００"), "100");
    row("pasted number beyond 32 bits refused", "paste", "s1", "5", "3000000000", "5");
    row("pasted smallest 32-bit number", "paste", "s1", "", "-2147483648", "-2147483648");
    row("pasted rate with a decimal comma", "paste", "r1", "", "0,015", "0.015");
    row("pasted rate with wide digits", "paste", "r2", "", QStringLiteral("０．２"), "0.2");
    row("composed wide digits", "input method", "s2", "", QStringLiteral("７１３００"), "71300");
    row("composed hangul refused", "input method", "s2", "7", QStringLiteral("원"), "7");
    row("dropped words refused", "drop", "s3", "9", "abc", "9");
}

void FieldWidgetsTest::typing() {
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, entered);
    QFETCH(QString, text);
    QWidget host;
    const mx::FieldSpec &fieldSpec = mx::field(name.toLatin1().constData());
    SpinField *field = fieldSpec.kind == mx::FieldKind::DecimalSpin
                           ? static_cast<SpinField *>(new DecimalSpinField(fieldSpec, &host))
                           : new IntegerSpinField(fieldSpec, &host);
    show(host);
    field->setFocus();
    field->setText(before);
    field->selectAll();
    if (how == "keys") {
        field->end(false);
        for (const QChar c : entered) {
            // Any key code: the field judges what a key types by its text.
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_A, QString(c), Qt::NoModifier);
        }
    } else if (how == "paste") {
        QApplication::clipboard()->setText(entered);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else if (how == "input method") {
        QInputMethodEvent composed;
        composed.setCommitString(entered);
        QApplication::sendEvent(field, &composed);
    } else {
        QMimeData dragged;
        dragged.setText(entered);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
    }
    QCOMPARE(field->text(), text);
}

void FieldWidgetsTest::stepping_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("text");
    QTest::newRow("quantity up from empty") << "s1"
                                            << "" << 0 << true << false << "1";
    QTest::newRow("buy price up by its design step") << "s2"
                                                     << "100" << 0 << true << true << "105";
    QTest::newRow("sell price down below 0") << "s3"
                                             << "" << 0 << false << true << "-5";
    QTest::newRow("long-term high steps by 1") << "W1"
                                               << "9" << 0 << true << false << "10";
    QTest::newRow("changed step") << "s2"
                                  << "5000" << 10 << false << false << "4990";
    QTest::newRow("percent stays at 100") << "r5"
                                          << "100" << 0 << true << true << "100";
    QTest::newRow("percent stays at 1") << "r12"
                                        << "1" << 0 << false << false << "1";
    QTest::newRow("unreadable text steps from 0") << "s1"
                                                  << "1.5" << 0 << true << true << "1";
}

void FieldWidgetsTest::stepping() {
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(int, step);
    QFETCH(bool, up);
    QFETCH(bool, byKey);
    QFETCH(QString, text);
    QWidget host;
    auto *field = integerField(host, name.toLatin1().constData());
    field->setText(start);
    if (step != 0) {
        field->setStep(step);
    }
    if (byKey) {
        QTest::keyClick(field, up ? Qt::Key_Up : Qt::Key_Down);
    } else {
        const auto arrows = field->findChildren<QToolButton *>();
        QCOMPARE(arrows.size(), 2);
        const Qt::ArrowType wanted = up ? Qt::UpArrow : Qt::DownArrow;
        for (QToolButton *arrow : arrows) {
            if (arrow->arrowType() == wanted) {
                QTest::mouseClick(arrow, Qt::LeftButton);
            }
        }
    }
    QCOMPARE(field->text(), text);
}

void FieldWidgetsTest::readOnlyArrowsOnlyBeep() {
    QWidget host;
    auto *field = integerField(host, "x8");
    field->setText("13000");
    QTest::keyClick(field, Qt::Key_Up);
    QTest::keyClick(field, Qt::Key_Down);
    field->stepUp();
    QTest::keyClicks(field, "5");
    QCOMPARE(field->text(), QStringLiteral("13000"));
}

void FieldWidgetsTest::leavingClamps_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("percent above its maximum") << "r5"
                                               << "150"
                                               << "100";
    QTest::newRow("percent below its minimum") << "r9"
                                               << "0"
                                               << "1";
    QTest::newRow("percent unreadable text stays") << "r6"
                                                   << "4.5"
                                                   << "4.5";
    QTest::newRow("percent inside stays as typed") << "r7"
                                                   << "+30"
                                                   << "+30";
    QTest::newRow("unbounded keeps a large number") << "s1"
                                                    << "99999"
                                                    << "99999";
}

void FieldWidgetsTest::leavingClamps() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QWidget host;
    auto *field = integerField(host, name.toLatin1().constData());
    auto *other = integerField(host, "s3");
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, typed);
    QSignalSpy left(field, &FieldEdit::left);
    other->setFocus();
    QCOMPARE(field->text(), text);
    QCOMPARE(left.count(), 1);
}

void FieldWidgetsTest::decimalStepping_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("text");
    QTest::newRow("fee rate up") << "r1"
                                 << "0.029" << true << "0.030";
    QTest::newRow("fee rate down") << "r1"
                                   << "0.029" << false << "0.028";
    QTest::newRow("tax rate up") << "r2"
                                 << "0.3" << true << "0.4";
    QTest::newRow("tax rate down to zero") << "r2"
                                           << "0.1" << false << "0.0";
    QTest::newRow("typed text fixed by the arrow") << "r1"
                                                   << "0.0296" << true << "0.031";
    QTest::newRow("unreadable text steps from 0") << "r2"
                                                  << "0,3" << true << "0.1";
}

void FieldWidgetsTest::decimalStepping() {
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, text);
    QWidget host;
    auto *field = new DecimalSpinField(mx::field(name.toLatin1().constData()), &host);
    show(host);
    field->setFocus();
    field->setText(start);
    QTest::keyClick(field, up ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(field->text(), text);
}

void FieldWidgetsTest::decimalTypedTextKept() {
    QWidget host;
    auto *field = new DecimalSpinField(mx::field("r1"), &host);
    auto *other = new DecimalSpinField(mx::field("r2"), &host);
    show(host);
    QCOMPARE(field->text(), QStringLiteral("0.029"));
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, "0.01555");
    other->setFocus();
    QCOMPARE(field->text(), QStringLiteral("0.01555"));
    QCOMPARE(static_cast<double>(field->value()), 0.01555);
    field->setValue(0.0125L);
    QCOMPARE(field->text(), QStringLiteral("0.013"));
}

void FieldWidgetsTest::gauge_data() {
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("percent");
    QTest::newRow("a quarter") << 4000 << 1000 << 1000 << "25%";
    QTest::newRow("truncated third") << 3 << 1 << 1 << "33%";
    QTest::newRow("truncated two thirds") << 3 << 2 << 2 << "66%";
    QTest::newRow("progress above the maximum") << 100 << 150 << 100 << "100%";
    QTest::newRow("negative progress") << 100 << -5 << 0 << "0%";
    QTest::newRow("maximum 0") << 0 << 10 << 0 << "0%";
}

void FieldWidgetsTest::gauge() {
    QFETCH(int, maximum);
    QFETCH(int, progress);
    QFETCH(int, shown);
    QFETCH(QString, percent);
    BarGauge gauge(QStringLiteral("Gauge1"), nullptr);
    QVERIFY(gauge.setMaximum(maximum));
    gauge.setProgress(progress);
    QCOMPARE(gauge.model().progress(), shown);
    QCOMPARE(gauge.percentText(), percent);
    QCOMPARE(gauge.fillColor(), QColor(255, 0, 0));
    gauge.setColor(mx::GaugeColor::Blue);
    QCOMPARE(gauge.fillColor(), QColor(0, 0, 255));
    QVERIFY(!gauge.grab().isNull());
}

void FieldWidgetsTest::gaugeRefusesNegativeMaximum() {
    BarGauge gauge(QStringLiteral("Gauge2"), nullptr);
    QVERIFY(gauge.setMaximum(10));
    gauge.setProgress(7);
    QVERIFY(!gauge.setMaximum(-1));
    QCOMPARE(gauge.model().maximum(), 10);
    QCOMPARE(gauge.model().progress(), 7);
    QVERIFY(gauge.setMaximum(5));
    QCOMPARE(gauge.model().progress(), 5);
}

QTEST_MAIN(FieldWidgetsTest)
#include "tst_field_widgets.moc"
