// The option files (save, open, defaults) with their dialogs and the line buffer Memo2, the
// trade-record import and a text file dropped onto the window.

#include "calc/texts.h"
#include "settings/file_io.h"
#include "settings/option_files.h"
#include "widgets/qtext.h"
#include "window_driver.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <cerrno>

#ifndef _WIN32
#include "../settings/pipe_rescue.h"

#include <sys/stat.h>
#endif

namespace {

const QStringList optionFields{"r5", "r6", "r7", "r8", "r9", "r10", "r11", "r12", "r13"};
const QStringList defaults{"25", "50", "75", "10", "5", "25", "50", "2", "3"};
const QStringList tradeFields{"s1", "s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5"};
const QString stamp = QStringLiteral("2026년 3월 7일  9시 5분 ");
const QString initialStamp = QStringLiteral("XXXX년 X월 X 일 X시X분");

QString optionFolder() {
    return WindowDriver::programFolder().filePath(QStringLiteral("목표손절옵션"));
}

QString writeFile(const QString &name, const QByteArray &bytes) {
    const QString path = WindowDriver::programFolder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning("cannot write %s", qPrintable(path));
    }
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString memo(const WindowDriver &driver) {
    return driver.find<QPlainTextEdit>("Memo2")->toPlainText();
}

QStringList texts(const WindowDriver &driver, const QStringList &fields) {
    QStringList values;
    for (const QString &name : fields) {
        values << driver.text(name);
    }
    return values;
}

void setAll(WindowDriver &driver, const QStringList &fields, const QString &value) {
    for (const QString &name : fields) {
        driver.field(name)->setText(value);
    }
}

void dropOnto(Tf_cal &window, const QList<QUrl> &urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(window.width() / 2.0, window.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return;
    }
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

} // namespace

class OptionFilesTest : public QObject {
    Q_OBJECT

private slots:
    void save_data();
    void save();
    void saveCancelled();
    void open_data();
    void open();
    void openDialogKeepsTheLastName();
    void defaultsKeepTheBuffer();
    void import_data();
    void import();
    void importScrollsPagesToTop();
    void drop_data();
    void drop();
    void openRefusesLargeFiles_data();
    void openRefusesLargeFiles();
    void pipesAreNotWaitedFor();
    void failedSaveKeepsTheOldFile();
};

void OptionFilesTest::save_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("extension added") << "plan"
                                     << "plan.mxi";
    QTest::newRow("upper-case extension kept") << "plan.MXI"
                                               << "plan.MXI";
    QTest::newRow(".mxi inside the name kept") << "old.mxi.bak"
                                               << "old.mxi.bak";
    QTest::newRow("other extension extended") << "plan.txt"
                                              << "plan.txt.mxi";
}

void OptionFilesTest::save() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    WindowDriver driver;
    QDir(optionFolder()).removeRecursively();
    driver.type("r11", "60");
    driver.choose(QDir(optionFolder()).filePath(chosen));
    driver.window().N4Click();

    QCOMPARE(driver.fileDialogs().size(), 1);
    const WindowDriver::FileDialog &dialog = driver.fileDialogs().constFirst();
    QCOMPARE(dialog.mode, Tf_cal::FileDialogMode::Save);
    QCOMPARE(dialog.folder, optionFolder());
    QCOMPARE(dialog.filter, mx::settings::optionFileFilter());
    QCOMPARE(dialog.proposedName, QString());
    QVERIFY(QDir(optionFolder()).exists());
    const QString path = QDir(optionFolder()).filePath(written);
    QCOMPARE(readFile(path), QByteArray("25\r\n50\r\n75\r\n10\r\n5\r\n25\r\n60\r\n2\r\n3\r\n"));
    QCOMPARE(memo(driver), QStringLiteral("25\n50\n75\n10\n5\n25\n60\n2\n3"));
    QVERIFY(driver.messages().isEmpty());
    QFile::remove(path);
}

void OptionFilesTest::saveCancelled() {
    WindowDriver driver;
    driver.window().N4Click();
    QCOMPARE(driver.fileDialogs().size(), 1);
    QCOMPARE(memo(driver), QString());
    QVERIFY(QDir(optionFolder()).entryList(QDir::Files).isEmpty());
}

void OptionFilesTest::open_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected"); // r5..r13; "9" is the value before opening
    QTest::addColumn<QString>("buffer");
    QTest::newRow("nine lines") << QByteArray("30\r\n40\r\n50\r\n8\r\n4\r\n20\r\n45\r\n1\r\n2\r\n")
                                << QStringList{"30", "40", "50", "8", "4", "20", "45", "1", "2"}
                                << "30\n40\n50\n8\n4\n20\n45\n1\n2";
    QTest::newRow("moved into 1 to 100")
        << QByteArray("30\r\n40\r\n50\r\n8\r\n4\r\n0\r\n250\r\n-3\r\n2\r\n")
        << QStringList{"30", "40", "50", "8", "4", "1", "100", "1", "2"}
        << "30\n40\n50\n8\n4\n0\n250\n-3\n2";
    QTest::newRow("eight lines leave r13")
        << QByteArray("30\r\n40\r\n50\r\n8\r\n4\r\n20\r\n45\r\n1\r\n")
        << QStringList{"30", "40", "50", "8", "4", "20", "45", "1", "9"}
        << "30\n40\n50\n8\n4\n20\n45\n1";
    QTest::newRow("third line 7.5")
        << QByteArray("30\r\n40\r\n7.5\r\n8\r\n4\r\n20\r\n45\r\n1\r\n2\r\n")
        << QStringList{"30", "40", "9", "9", "9", "9", "9", "9", "9"}
        << "30\n40\n7.5\n8\n4\n20\n45\n1\n2";
    QTest::newRow("third line empty")
        << QByteArray("30\r\n40\r\n\r\n8\r\n")
        << QStringList{"30", "40", "9", "9", "9", "9", "9", "9", "9"} << "30\n40\n\n8";
    QTest::newRow("no final line break, bare LF and CR")
        << QByteArray("30\n40\r50\r\n8\n4\n20\n45\n1\n2")
        << QStringList{"30", "40", "50", "8", "4", "20", "45", "1", "2"}
        << "30\n40\n50\n8\n4\n20\n45\n1\n2";
    QTest::newRow("lines after the ninth ignored")
        << QByteArray("30\r\n40\r\n50\r\n8\r\n4\r\n20\r\n45\r\n1\r\n2\r\nx\r\n")
        << QStringList{"30", "40", "50", "8", "4", "20", "45", "1", "2"}
        << "30\n40\n50\n8\n4\n20\n45\n1\n2\nx";
    QTest::newRow("empty file") << QByteArray() << QStringList(9, "9") << "";
}

void OptionFilesTest::open() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QFETCH(QString, buffer);
    WindowDriver driver;
    setAll(driver, optionFields, QStringLiteral("9"));
    driver.choose(writeFile(QStringLiteral("opened.mxi"), content));
    driver.window().N3Click();
    QCOMPARE(driver.fileDialogs().size(), 1);
    QCOMPARE(driver.fileDialogs().constFirst().mode, Tf_cal::FileDialogMode::Open);
    QCOMPARE(driver.fileDialogs().constFirst().folder, optionFolder());
    QCOMPARE(driver.fileDialogs().constFirst().filter, mx::settings::optionFileFilter());
    QCOMPARE(texts(driver, optionFields), expected);
    QCOMPARE(memo(driver), buffer);
    QVERIFY(driver.messages().isEmpty());
    QCOMPARE(driver.text("Edit6"), initialStamp);
}

void OptionFilesTest::openDialogKeepsTheLastName() {
    WindowDriver driver;
    driver.window().N3Click();
    driver.choose(writeFile(QStringLiteral("kept.mxi"), "1\r\n"));
    driver.window().N3Click();
    driver.window().N3Click();
    QCOMPARE(driver.fileDialogs().size(), 3);
    QCOMPARE(driver.fileDialogs().at(0).proposedName, QString());
    QCOMPARE(driver.fileDialogs().at(1).proposedName, QString());
    QCOMPARE(driver.fileDialogs().at(2).proposedName, QStringLiteral("kept.mxi"));
    // The third dialog was cancelled: the buffer keeps the file's line.
    QCOMPARE(memo(driver), QStringLiteral("1"));
}

void OptionFilesTest::defaultsKeepTheBuffer() {
    WindowDriver driver;
    driver.choose(writeFile(QStringLiteral("custom.mxi"),
                            "30\r\n40\r\n50\r\n8\r\n4\r\n20\r\n45\r\n1\r\n2\r\n"));
    driver.window().N3Click();
    QCOMPARE(driver.text("r13"), QStringLiteral("2"));
    driver.window().Default1Click();
    QCOMPARE(texts(driver, optionFields), defaults);
    QCOMPARE(memo(driver), QStringLiteral("30\n40\n50\n8\n4\n20\n45\n1\n2"));
}

void OptionFilesTest::import_data() {
    QTest::addColumn<QString>("buffer");       // opened from a file first unless empty
    QTest::addColumn<QStringList>("expected"); // s1..Y5
    QTest::addColumn<QString>("edit6");
    QTest::addColumn<QStringList>("messages");
    const QString quantity = qtext(mx::texts::quantityMissing);
    QTest::newRow("initial buffer sets nothing, then calculates")
        << QString() << QStringList(10, QString()) << initialStamp << QStringList{quantity};
    QTest::newRow("nine-line option file stops at the tenth line")
        << "25\r\n50\r\n75\r\n10\r\n5\r\n25\r\n50\r\n2\r\n3\r\n"
        << QStringList{"50", "75", "10", "5", "25", "50", "2", "3", "", ""} << stamp
        << QStringList();
    QTest::newRow("full record, calculated")
        << "record\r\n10\r\n12000\r\n13000\r\n14000\r\n9000\r\n15600\r\n8400\r\n12100\r\n"
           "12500\r\n11800\r\n09:30\r\nignored\r\n"
        << QStringList{"10",    "12000", "13000", "14000", "9000",
                       "15600", "8400",  "12100", "12500", "11800"}
        << stamp << QStringList();
    QTest::newRow("time line shown when Calculate stops at its checks")
        << "record\r\n0\r\n12000\r\n13000\r\n14000\r\n9000\r\n15600\r\n8400\r\n12100\r\n"
           "12500\r\n11800\r\n09:30\r\n"
        << QStringList{"0",     "12000", "13000", "14000", "9000",
                       "15600", "8400",  "12100", "12500", "11800"}
        << "09:30" << QStringList{quantity};
    QTest::newRow("stops at a line that is not a whole number")
        << "record\r\n10\r\n12000\r\n13,000\r\n14000\r\n"
        << QStringList{"10", "12000", "", "", "", "", "", "", "", ""} << stamp << QStringList();
}

void OptionFilesTest::import() {
    QFETCH(QString, buffer);
    QFETCH(QStringList, expected);
    QFETCH(QString, edit6);
    QFETCH(QStringList, messages);
    WindowDriver driver;
    QDir(WindowDriver::programFolder().filePath(QStringLiteral("종목분석"))).removeRecursively();
    if (!buffer.isEmpty()) {
        driver.choose(writeFile(QStringLiteral("record.txt"), buffer.toUtf8()));
        driver.window().N3Click();
    }
    driver.window().N1111Click();
    QCOMPARE(texts(driver, tradeFields), expected);
    QCOMPARE(driver.text("Edit6"), edit6);
    QCOMPARE(driver.messages(), messages);
    QVERIFY(WindowDriver::programFolder().exists(QStringLiteral("종목분석")));
    // The buy price went in as if typed: its change handler showed the step.
    QCOMPARE(driver.text("Edit5"), expected.at(1) == "12000" ? QStringLiteral("50")
                                   : expected.at(1) == "75"  ? QStringLiteral("5")
                                                             : QString());
}

void OptionFilesTest::importScrollsPagesToTop() {
    WindowDriver driver;
    QList<QScrollBar *> bars;
    for (const char *name : {"ScrollBox1", "ScrollBox3"}) {
        // A page lays itself out once it comes forward, as the program can bring it.
        driver.showPageOf(driver.find(name));
        QScrollBar *bar = driver.find<QScrollArea>(name)->verticalScrollBar();
        QTRY_VERIFY2(bar->maximum() > 0, name);
        bar->setValue(bar->maximum());
        bars << bar;
    }
    driver.window().showPage(0);
    driver.window().N1111Click();
    for (QScrollBar *bar : bars) {
        QCOMPARE(bar->value(), 0);
    }
}

void OptionFilesTest::drop_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("s1");
    const QByteArray record = "record\r\n10\r\n12000\r\n";
    QTest::newRow("text record imported") << record << true << "10";
    QTest::newRow("64 KiB exactly taken")
        << record + QByteArray(64 * 1024 - record.size(), 'x') << true << "10";
    QTest::newRow("one byte over 64 KiB refused")
        << record + QByteArray(64 * 1024 - record.size() + 1, 'x') << true << "";
    QTest::newRow("NUL byte refused") << record + QByteArray(1, '\0') << true << "";
    QTest::newRow("invalid UTF-8 refused") << record + QByteArray("\xff\xfe") << true << "";
    QTest::newRow("not a local file refused") << record << false << "";
}

void OptionFilesTest::drop() {
    QFETCH(QByteArray, content);
    QFETCH(bool, local);
    QFETCH(QString, s1);
    WindowDriver driver;
    const QString path = writeFile(QStringLiteral("dropped.txt"), content);
    const QUrl url = local ? QUrl::fromLocalFile(path)
                           : QUrl(QStringLiteral("https://www.mx-cal.example/dropped.txt"));
    dropOnto(driver.window(), {url});
    QCOMPARE(driver.text("s1"), s1);
    if (s1.isEmpty()) {
        QCOMPARE(memo(driver), QString());
        QVERIFY(driver.messages().isEmpty());
        QCOMPARE(driver.text("Edit6"), initialStamp);
    } else {
        QCOMPARE(driver.text("Edit6"), stamp);
        QVERIFY(memo(driver).startsWith(QStringLiteral("record\n10\n12000")));
    }
}

void OptionFilesTest::openRefusesLargeFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("taken");
    const QByteArray nine = "30\r\n40\r\n50\r\n8\r\n4\r\n20\r\n45\r\n1\r\n2\r\n";
    QTest::newRow("64 KiB exactly") << nine + QByteArray(64 * 1024 - nine.size(), '\n') << true;
    QTest::newRow("one byte over 64 KiB")
        << nine + QByteArray(64 * 1024 - nine.size() + 1, '\n') << false;
    QTest::newRow("15 MiB of blank lines") << QByteArray(15 * 1024 * 1024, '\n') << false;
}

void OptionFilesTest::openRefusesLargeFiles() {
    QFETCH(QByteArray, content);
    QFETCH(bool, taken);
    WindowDriver driver;
    setAll(driver, optionFields, QStringLiteral("9"));
    const QString path = writeFile(QStringLiteral("large.mxi"), content);
    driver.choose(path);
    driver.window().N3Click();
    QCOMPARE(driver.text("r5"), taken ? QStringLiteral("30") : QStringLiteral("9"));
    QCOMPARE(driver.text("r13"), taken ? QStringLiteral("2") : QStringLiteral("9"));
    QCOMPARE(memo(driver).startsWith(QStringLiteral("30\n40")), taken);
    if (!taken) {
        QCOMPARE(memo(driver), QString());
    }
    QVERIFY(driver.messages().isEmpty());
    QFile::remove(path);
}

void OptionFilesTest::pipesAreNotWaitedFor() {
#ifdef _WIN32
    QSKIP("Windows keeps its named pipes apart from files (\\\\.\\pipe\\)");
#else
    const QString pipe = WindowDriver::programFolder().filePath(QStringLiteral("pipe.mxi"));
    QFile::remove(pipe);
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    {
        mx::testing_support::PipeRescue rescue(pipe);
        WindowDriver driver;
        driver.choose(pipe);
        driver.window().N3Click();
        dropOnto(driver.window(), {QUrl::fromLocalFile(pipe)});
        rescue.dismiss();
        QVERIFY2(!rescue.rescued(), "the window waited for the pipe");
        QCOMPARE(texts(driver, optionFields), defaults);
        QCOMPARE(memo(driver), QString());
        QCOMPARE(driver.text("s1"), QString());
        QVERIFY(driver.messages().isEmpty());
    }
    QVERIFY(QFile::remove(pipe));
#endif
}

void OptionFilesTest::failedSaveKeepsTheOldFile() {
    WindowDriver driver;
    const QString path = QDir(optionFolder()).filePath(QStringLiteral("kept.mxi"));
    QDir().mkpath(optionFolder());
    const QByteArray before = "30\r\n40\r\n50\r\n8\r\n4\r\n20\r\n45\r\n1\r\n2\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const mx::settings::ScopedWriteFault fault([](mx::settings::WriteStep step) {
        return step == mx::settings::WriteStep::Sync ? ENOSPC : 0;
    });
    driver.choose(path);
    driver.window().N4Click();
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(optionFolder()).entryList(QDir::Files), QStringList{"kept.mxi"});
    QVERIFY(driver.messages().isEmpty());
    QFile::remove(path);
}

QTEST_MAIN(OptionFilesTest)
#include "tst_option_files.moc"
