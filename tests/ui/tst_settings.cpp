// cal.ini through the window: what a start loads (run counter with the promotional notice,
// placement with the screen fit and the minimum width, options and percentages) and what a
// close writes, a restart, and a settings file that cannot be written or read: a folder or
// a named pipe in its place, a link to a name too long to replace, a failing or full disk.

#include "../settings/small_disk.h"
#include "settings/file_io.h"
#include "settings/settings_file.h"
#include "settings_host.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cerrno>
#include <optional>

#ifndef _WIN32
#include "../settings/pipe_rescue.h"

#include <sys/stat.h>
#endif

namespace {

void writeSettings(const QByteArray &content) {
    QFile file(WindowDriver::settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The keys of section c1 with their values, in the order of the file.
QList<QPair<QString, QString>> storedKeys() {
    QFile file(WindowDriver::settingsFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QPair<QString, QString>> keys;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0) {
            keys.append({line.left(equals), line.mid(equals + 1)});
        }
    }
    return keys;
}

QString stored(const QString &key) {
    for (const auto &[name, value] : storedKeys()) {
        if (name == key) {
            return value;
        }
    }
    return {};
}

// An empty frame stores the edges only.
QByteArray placementIni(const QRect &frame) {
    QString ini = QStringLiteral("[c1]\nleft=%1\ntop=%2\n").arg(frame.x()).arg(frame.y());
    if (!frame.isEmpty()) {
        ini += QStringLiteral("width=%1\nheight=%2\n").arg(frame.width()).arg(frame.height());
    }
    return ini.toUtf8();
}

QRect placementOf(Tf_cal &window) {
    return {window.pos(), window.frameGeometry().size()};
}

QSize screen() {
    return QGuiApplication::primaryScreen()->size();
}

const QStringList optionFields{"r1", "r2", "r3",  "r4",  "r5",  "r6", "r7",
                               "r8", "r9", "r10", "r11", "r12", "r13"};

QByteArray storedBytes() {
    QFile file(WindowDriver::settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A cal.ini of 9,941 bytes: someone else's sections, a comment, the counter and a
// percentage.
QByteArray crowdedSettings() {
    QByteArray bytes = "; kept by hand\n[c1]\nmycount=7\nr5=40\n";
    for (int i = 0; bytes.size() < 9941; ++i) {
        bytes += "[tool" + QByteArray::number(i) + "]\nsetting=some value of that tool\n";
    }
    return bytes.left(9940) + '\n';
}

// Opens the 평단·물타기 panel by its key when `field` is one of its fields, built on first show.
void reach(WindowDriver &driver, const QString &field) {
    if (driver.find(field) == nullptr) {
        QTest::keyClick(driver.window().windowHandle(), Qt::Key_M, Qt::ControlModifier);
    }
}

QString fileMessage(const char16_t *message) {
    return QString::fromUtf16(message) + QLatin1Char('\r') +
           QDir::toNativeSeparators(WindowDriver::settingsFile());
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartAndClose();
    void runCounter_data();
    void runCounter();
    void storedValues_data();
    void storedValues();
    void placement_data();
    void placement();
    void restartRestores_data();
    void restartRestores();
    void minimizedCloseKeepsPlacement();
    void folderRemovedWhileRunning();
    void settingsFileIsAFolder();
    void counterCannotBeWritten();
    void failingDisk_data();
    void failingDisk();
    void byteOrderMark();
    void eitherDecimalSeparator();
    void settingsFileIsAPipe();
    void platformReportsPosition_data();
    void platformReportsPosition();
};

void SettingsTest::firstStartAndClose() {
    WindowDriver driver;
    QCOMPARE(storedKeys(), (QList<QPair<QString, QString>>{{"mycount", "1"}}));
    QVERIFY(driver.questions().isEmpty());
    QVERIFY(driver.messages().isEmpty());

    driver.window().N14Click();
    QVERIFY(!driver.window().isVisible());
    QStringList order;
    for (const auto &[key, value] : storedKeys()) {
        order << key;
    }
    QCOMPARE(order, (QStringList{"mycount", "left", "top", "width", "height", "checkbox1"}
                     << optionFields));
    const QRect frame = placementOf(driver.window());
    QCOMPARE(stored("left"), QString::number(frame.x()));
    QCOMPARE(stored("top"), QString::number(frame.y()));
    QCOMPARE(stored("width"), QString::number(frame.width()));
    QCOMPARE(stored("height"), QString::number(frame.height()));
    QCOMPARE(stored("checkbox1"), QStringLiteral("0"));
    QCOMPARE(stored("r1"), QStringLiteral("0.029"));
    QCOMPARE(stored("r2"), QStringLiteral("0.3"));
    QCOMPARE(stored("r3"), QStringLiteral("200000"));
    QCOMPARE(stored("r13"), QStringLiteral("3"));
    QCOMPARE(stored("mycount"), QStringLiteral("1"));
}

void SettingsTest::runCounter_data() {
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("notices");
    QTest::addColumn<QString>("next");
    QTest::addColumn<int>("pagesOpened");
    QTest::newRow("no key") << QByteArray() << false << 0 << "1" << 0;
    QTest::newRow("50 shows nothing") << QByteArray("50") << false << 0 << "51" << 0;
    QTest::newRow("51 shows the notice, No") << QByteArray("51") << false << 1 << "1" << 0;
    QTest::newRow("51, Yes opens the download page") << QByteArray("51") << true << 1 << "1" << 1;
    QTest::newRow("hexadecimal 0x33 is 51") << QByteArray("0x33") << false << 1 << "1" << 0;
    QTest::newRow("not a number counts as 0") << QByteArray("many") << false << 0 << "1" << 0;
    QTest::newRow("negative keeps counting") << QByteArray("-5") << false << 0 << "-4" << 0;
}

void SettingsTest::runCounter() {
    QFETCH(QByteArray, count);
    QFETCH(bool, answer);
    QFETCH(int, notices);
    QFETCH(QString, next);
    QFETCH(int, pagesOpened);
    writeSettings(count.isNull() ? QByteArray("[c1]\n") : "[c1]\nmycount=" + count + "\n");
    WindowDriver driver(WindowDriver::Start::Stored, answer);
    QCOMPARE(driver.questions().size(), notices);
    // The notice comes up while the window is being created, before it is shown.
    QVERIFY(!driver.windowShownAtQuestions().contains(true));
    QCOMPARE(driver.openedPages().size(), pagesOpened);
    QCOMPARE(stored("mycount"), next);
}

void SettingsTest::storedValues_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("r10 above the range") << QByteArray("r10=250") << "r10"
                                         << "100";
    QTest::newRow("r10 below the range") << QByteArray("r10=0") << "r10"
                                         << "1";
    QTest::newRow("r5 in range") << QByteArray("r5=40") << "r5"
                                 << "40";
    QTest::newRow("r3 hexadecimal") << QByteArray("r3=0x10") << "r3"
                                    << "16";
    QTest::newRow("r4 not a number keeps the initial") << QByteArray("r4=five") << "r4"
                                                       << "500";
    QTest::newRow("r1 not a number keeps the initial") << QByteArray("r1=abc") << "r1"
                                                       << "0.029";
    QTest::newRow("r1 shows its three decimals") << QByteArray("r1=0.015") << "r1"
                                                 << "0.015";
    QTest::newRow("r2 shows its one decimal") << QByteArray("r2=0.2") << "r2"
                                              << "0.2";
    // A rate shows the decimals it needs, so that it reads back as stored.
    QTest::newRow("r1 of seven decimals") << QByteArray("r1=0.0140527") << "r1"
                                          << "0.0140527";
    QTest::newRow("r2 of two decimals") << QByteArray("r2=0.15") << "r2"
                                        << "0.15";
    QTest::newRow("r2 of two decimals, comma") << QByteArray("r2=0,26") << "r2"
                                               << "0.26";
    // A rate that is no percentage is as unreadable as a word.
    QTest::newRow("r1 huge keeps the initial") << QByteArray("r1=1e308") << "r1"
                                               << "0.029";
    QTest::newRow("r1 not finite keeps the initial") << QByteArray("r1=inf") << "r1"
                                                     << "0.029";
    QTest::newRow("r2 not a number keeps the initial") << QByteArray("r2=nan") << "r2"
                                                       << "0.3";
    QTest::newRow("r2 negative keeps the initial") << QByteArray("r2=-0.1") << "r2"
                                                   << "0.3";
    QTest::newRow("r2 above 100 keeps the initial") << QByteArray("r2=100.5") << "r2"
                                                    << "0.3";
    QTest::newRow("key names without regard to case") << QByteArray("R7=60") << "r7"
                                                      << "60";
    // The 평단·물타기 panel's fields: what is no whole number of their range reads as empty.
    QTest::newRow("p1 kept") << QByteArray("p1=100") << "P1"
                             << "100";
    QTest::newRow("p14 hexadecimal") << QByteArray("p14=0x10") << "P14"
                                     << "16";
    QTest::newRow("p2 not a number reads as empty") << QByteArray("p2=abc") << "P2"
                                                    << "";
    QTest::newRow("p13 negative reads as empty") << QByteArray("p13=-5") << "P13"
                                                 << "";
    QTest::newRow("p4 with a decimal point reads as empty") << QByteArray("p4=1.5") << "P4"
                                                            << "";
}

void SettingsTest::storedValues() {
    QFETCH(QByteArray, line);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    writeSettings("[c1]\nmycount=3\n" + line + "\n");
    WindowDriver driver(WindowDriver::Start::Stored);
    reach(driver, field);
    QCOMPARE(driver.text(field), shown);
    QVERIFY(driver.messages().isEmpty());
}

void SettingsTest::placement_data() {
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QRect>("expected");
    const int right = screen().width() - 420 - 20;
    const int bottom = screen().height() - 500 - 40;
    QTest::newRow("kept") << QRect(30, 20, 420, 500) << QRect(30, 20, 420, 500);
    QTest::newRow("width below 400 widened") << QRect(30, 20, 300, 500) << QRect(30, 20, 400, 500);
    QTest::newRow("right edge exactly fits")
        << QRect(right, 20, 420, 500) << QRect(right, 20, 420, 500);
    QTest::newRow("one pixel too far right")
        << QRect(right + 1, 20, 420, 500) << QRect(0, 20, 420, 500);
    QTest::newRow("bottom edge exactly fits")
        << QRect(30, bottom, 420, 500) << QRect(30, bottom, 420, 500);
    QTest::newRow("one pixel too low") << QRect(30, bottom + 1, 420, 500) << QRect(30, 0, 420, 500);
    // Without a stored size, since the offscreen platform moves a window with negative edges
    // when it is resized on the screen.
    QTest::newRow("negative edges stay") << QRect(-10, -5, 0, 0) << QRect(-10, -5, 0, 0);
    QTest::newRow("past the left and top edges") << QRect(-3000, -2000, 0, 0) << QRect(0, 0, 0, 0);
    // A size beyond the screen is brought inside what a window may cover.
    const QSize available = QGuiApplication::primaryScreen()->availableSize();
    QTest::newRow("size beyond the screen")
        << QRect(30, 20, 16777215, 16777215) << QRect(QPoint(0, 0), available);
}

void SettingsTest::placement() {
    QFETCH(QRect, stored);
    QFETCH(QRect, expected);
    writeSettings(placementIni(stored));
    WindowDriver driver(WindowDriver::Start::Stored);
    const QRect placed = placementOf(driver.window());
    QCOMPARE(placed.topLeft(), expected.topLeft());
    if (!expected.isEmpty()) {
        QCOMPARE(placed.size(), expected.size());
    }
}

void SettingsTest::restartRestores_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fee rate") << "r1"
                              << "0.015"
                              << "0.015";
    QTest::newRow("tax rate") << "r2"
                              << "0.2"
                              << "0.2";
    QTest::newRow("fee rate of seven decimals") << "r1"
                                                << "0.0140527"
                                                << "0.0140527";
    QTest::newRow("tax rate of two decimals") << "r2"
                                              << "0.15"
                                              << "0.15";
    QTest::newRow("threshold") << "r3"
                               << "300000"
                               << "300000";
    QTest::newRow("minimum fee") << "r4"
                                 << "1000"
                                 << "1000";
    for (int i = 5; i <= 13; ++i) {
        const QString name = QStringLiteral("r%1").arg(i);
        QTest::newRow(qPrintable(name))
            << name << QString::number(i + 10) << QString::number(i + 10);
    }
    QTest::newRow("holding quantity") << "P1"
                                      << "100"
                                      << "100";
    QTest::newRow("fifth buy's price") << "P12"
                                       << "64000"
                                       << "64000";
}

void SettingsTest::restartRestores() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const QRect placed(40, 30, 430, 520);
    {
        WindowDriver first;
        first.window().move(placed.topLeft());
        first.window().setWindowSize(placed.size());
        first.find<QCheckBox>("CheckBox1")->setChecked(true);
        reach(first, field);
        first.type(field, typed);
        first.press(field, Qt::CTRL | Qt::Key_Escape);
        QVERIFY(!first.window().isVisible());
    }
    const QString firstStored = stored(field);
    // The 평단·물타기 panel's keys come after those of the options, once one of its fields is
    // filled.
    QCOMPARE(storedKeys().constLast().first.startsWith('p'), field.startsWith('P'));
    WindowDriver second(WindowDriver::Start::Stored);
    reach(second, field);
    QCOMPARE(second.text(field), shown);
    QVERIFY(second.find<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(placementOf(second.window()), placed);
    QCOMPARE(stored("mycount"), QStringLiteral("2"));
    // What the second run read comes back unchanged at its close.
    second.window().N14Click();
    QCOMPARE(stored(field), firstStored);
}

void SettingsTest::folderRemovedWhileRunning() {
    WindowDriver driver;
    driver.type("r5", "35");
    QVERIFY(WindowDriver::programFolder().removeRecursively());
    driver.window().N14Click();
    QCOMPARE(stored("r5"), QStringLiteral("35"));
    QVERIFY(driver.messages().isEmpty());
}

void SettingsTest::minimizedCloseKeepsPlacement() {
    writeSettings(placementIni(QRect(30, 20, 420, 500)));
    WindowDriver driver(WindowDriver::Start::Stored);
    driver.window().move(50, 60);
    driver.type("r5", "33");
    driver.window().showMinimized();
    driver.window().N14Click();
    QCOMPARE(stored("left"), QStringLiteral("30"));
    QCOMPARE(stored("top"), QStringLiteral("20"));
    QCOMPARE(stored("width"), QStringLiteral("420"));
    QCOMPARE(stored("height"), QStringLiteral("500"));
    QCOMPARE(stored("r5"), QStringLiteral("33"));
}

void SettingsTest::settingsFileIsAFolder() {
    const QString path = WindowDriver::settingsFile();
    QFile::remove(path);
    QVERIFY(WindowDriver::programFolder().mkdir(QStringLiteral("cal.ini")));
    {
        WindowDriver driver(WindowDriver::Start::Stored);
        QCOMPARE(driver.messages().size(), 1);
        QVERIFY(driver.messages().constFirst().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(driver.text("r5"), QStringLiteral("25"));
        driver.window().N14Click();
        QCOMPARE(driver.messages().size(), 2);
        QVERIFY(driver.messages().constLast().startsWith(
            QString::fromUtf16(mx::settings::messages::cannotSave)));
        QVERIFY(driver.messages().constLast().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!driver.window().isVisible());
    }
    QVERIFY(WindowDriver::programFolder().rmdir(QStringLiteral("cal.ini")));
}

void SettingsTest::counterCannotBeWritten() {
#ifdef _WIN32
    QSKIP("Windows makes a link only with a developer's or an administrator's rights");
#endif
    // cal.ini links to a file whose name leaves no room for the temporary file that saving
    // writes beside it: the file reads, but neither the counter nor a close can replace it.
    const QDir folder = WindowDriver::programFolder();
    const QString target = folder.filePath(QString(250, QLatin1Char('t')));
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[c1]\nmycount=7\nr5=40\ncheckbox1=1\n");
    }
    QFile::remove(WindowDriver::settingsFile());
    QVERIFY(QFile::link(target, WindowDriver::settingsFile()));
    {
        WindowDriver driver(WindowDriver::Start::Stored);
        QCOMPARE(driver.messages().size(), 1);
        QVERIFY(driver.messages().constFirst().startsWith(
            QString::fromUtf16(mx::settings::messages::cannotWriteCounter)));
        QVERIFY(driver.messages().constFirst().contains(WindowDriver::settingsFile()));
        QCOMPARE(driver.text("r5"), QStringLiteral("40"));
        QVERIFY(driver.find<QCheckBox>("CheckBox1")->isChecked());
        driver.window().N14Click();
        QCOMPARE(driver.messages().size(), 2);
        QVERIFY(!driver.window().isVisible());
    }
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[c1]\nmycount=7\nr5=40\ncheckbox1=1\n"));
    QFile::remove(WindowDriver::settingsFile());
    QFile::remove(target);
}

void SettingsTest::failingDisk_data() {
    QTest::addColumn<std::optional<mx::settings::WriteStep>>("failing"); // none: a full tmpfs
    QTest::newRow("a write fails") << std::optional(mx::settings::WriteStep::Write);
    QTest::newRow("the sync fails") << std::optional(mx::settings::WriteStep::Sync);
    QTest::newRow("the rename fails") << std::optional(mx::settings::WriteStep::Rename);
    QTest::newRow("a full 16 KiB disk") << std::optional<mx::settings::WriteStep>();
}

void SettingsTest::failingDisk() {
    QFETCH(std::optional<mx::settings::WriteStep>, failing);
    std::optional<mx::testing_support::SmallDisk> disk;
    if (!failing) {
        disk.emplace(WindowDriver::programFolder().path(), 16 * 1024);
        if (!disk->mounted()) {
            QSKIP(qPrintable(disk->whyNot()));
        }
    }
    const QByteArray before = crowdedSettings();
    writeSettings(before);
    const mx::settings::ScopedWriteFault fault(
        [&](mx::settings::WriteStep step) { return failing && step == *failing ? ENOSPC : 0; });
    if (disk) {
        QVERIFY(disk->fill() > 0);
    }
    WindowDriver driver(WindowDriver::Start::Stored);
    QCOMPARE(driver.messages(),
             QStringList{fileMessage(mx::settings::messages::cannotWriteCounter)});
    QCOMPARE(driver.text("r5"), QStringLiteral("40"));
    QCOMPARE(storedBytes(), before);
    driver.type("r6", "60");
    driver.window().N14Click();
    QVERIFY(!driver.window().isVisible());
    QCOMPARE(driver.messages().size(), 2);
    QCOMPARE(driver.messages().constLast(), fileMessage(mx::settings::messages::cannotSave));
    QCOMPARE(storedBytes(), before);
}

void SettingsTest::byteOrderMark() {
    const QByteArray mark = "\xEF\xBB\xBF";
    writeSettings(mark + "[c1]\r\nmycount=4\r\nr5=40\r\n");
    WindowDriver driver(WindowDriver::Start::Stored);
    QCOMPARE(driver.text("r5"), QStringLiteral("40"));
    driver.window().N14Click();
    const QByteArray after = storedBytes();
    QVERIFY(after.startsWith(mark + "[c1]\r\nmycount=5\r\nr5=40\r\n"));
    QCOMPARE(after.count("[c1]"), qsizetype(1));
}

void SettingsTest::eitherDecimalSeparator() {
    writeSettings("[c1]\nr1=0,015\nr2=0.2\n");
    WindowDriver driver(WindowDriver::Start::Stored);
    QCOMPARE(driver.text("r1"), QStringLiteral("0.015"));
    QCOMPARE(driver.text("r2"), QStringLiteral("0.2"));
}

void SettingsTest::settingsFileIsAPipe() {
#ifdef _WIN32
    QSKIP("Windows keeps its named pipes apart from files (\\\\.\\pipe\\)");
#else
    const QString path = WindowDriver::settingsFile();
    QFile::remove(path);
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    {
        mx::testing_support::PipeRescue rescue(path);
        WindowDriver driver(WindowDriver::Start::Stored);
        driver.window().N14Click();
        rescue.dismiss();
        QVERIFY2(!rescue.rescued(), "the window waited for the pipe");
        QCOMPARE(driver.messages(), (QStringList{fileMessage(mx::settings::messages::cannotRead),
                                                 fileMessage(mx::settings::messages::cannotSave)}));
    }
    QVERIFY(QFile::remove(path));
#endif
}

void SettingsTest::platformReportsPosition_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("reports");
    QTest::newRow("wayland") << "wayland" << false;
    QTest::newRow("wayland-egl") << "wayland-egl" << false;
    QTest::newRow("xcb") << "xcb" << true;
    QTest::newRow("offscreen") << "offscreen" << true;
    QTest::newRow("windows") << "windows" << true;
}

void SettingsTest::platformReportsPosition() {
    QFETCH(QString, platform);
    QFETCH(bool, reports);
    QCOMPARE(WindowSettingsHost::platformReportsPosition(platform), reports);
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
