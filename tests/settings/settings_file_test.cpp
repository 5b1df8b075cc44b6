#include "calc/memory_sheet.h"
#include "fake_window.h"
#include "printers.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace mx::settings {
namespace {

class SettingsTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("cal.ini");
    MemorySheet sheet;
    FakeWindow window;

    void store(const QByteArray &bytes) { testing_support::put(path, bytes); }
    QByteArray stored() const { return readWholeFile(path).bytes; }
    std::optional<QString> storedValue(const char *key) const {
        return IniFile::fromBytes(stored()).value("c1", key);
    }
    bool start() { return SettingsFile(path, ValueText(QLocale::c())).load(sheet, window); }
    bool close() { return SettingsFile(path, ValueText(QLocale::c())).save(sheet, window); }
};

// `tail` after as many blank lines as make the file `size` bytes long.
QByteArray blankLinesUpTo(qsizetype size, const QByteArray &tail = {}) {
    return QByteArray(size - tail.size(), '\n') + tail;
}

struct FieldRow {
    const char *name;
    QByteArray file;
    const char *field;
    const char *preset; // the field's text before loading, or null for its initial text
    const char *expected;
};

class LoadField : public SettingsTest, public testing::WithParamInterface<FieldRow> {};

TEST_P(LoadField, PassesThroughTheFieldsRules) {
    const FieldRow &row = GetParam();
    store(row.file);
    if (row.preset != nullptr) {
        sheet.setText(row.field, row.preset);
    }
    EXPECT_TRUE(start());
    EXPECT_EQ(sheet.text(row.field), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoadField,
    testing::Values(
        FieldRow{"R10ZeroRaisedToOne", "[c1]\nr10=0\n", "r10", nullptr, "1"},
        FieldRow{"R10AboveRangeLowered", "[c1]\nr10=250\n", "r10", nullptr, "100"},
        FieldRow{"R13Stored", "[c1]\nr13=7\n", "r13", nullptr, "7"},
        FieldRow{"R13MissingKeepsInitial", "[c1]\nr12=7\n", "r13", nullptr, "3"},
        FieldRow{"R1NotANumberKeepsInitial", "[c1]\nr1=abc\n", "r1", nullptr, "0.029"},
        FieldRow{"R1CommaReadInCLocale", "[c1]\nr1=0,015\n", "r1", nullptr, "0.015"},
        FieldRow{"R2CommaReadInCLocale", "[c1]\nr2=0,26\n", "r2", nullptr, "0.26"},
        FieldRow{"R1ArabicSeparatorRead",
                 "[c1]\nr1=0\xD9\xAB"
                 "05\n",
                 "r1", nullptr, "0.050"},
        FieldRow{"R1TwoSeparatorsKeepsInitial", "[c1]\nr1=0,0.1\n", "r1", nullptr, "0.029"},
        FieldRow{"AfterByteOrderMark", "\xEF\xBB\xBF[c1]\r\nr5=40\r\n", "r5", nullptr, "40"},
        FieldRow{"NearTheEndOfAMebibyte", blankLinesUpTo(settingsFileLimit - 100, "[c1]\nr5=40\n"),
                 "r5", nullptr, "40"},
        FieldRow{"R1Stored", "[c1]\nr1=0.015\n", "r1", nullptr, "0.015"},
        FieldRow{"R1ShownWithTheDecimalsItNeeds", "[c1]\nr1=0.0149\n", "r1", nullptr, "0.0149"},
        FieldRow{"R1SevenDecimalsAtMost", "[c1]\nr1=0.000000012\n", "r1", nullptr, "0.0000000"},
        FieldRow{"R2ShownWithItsDecimals", "[c1]\nr2=0.25e1\n", "r2", nullptr, "2.5"},
        FieldRow{"R2FourDecimalsAtMost", "[c1]\nr2=0.123456\n", "r2", nullptr, "0.1235"},
        FieldRow{"R1AtMost100", "[c1]\nr1=100\n", "r1", nullptr, "100.000"},
        FieldRow{"R1HugeKeepsInitial", "[c1]\nr1=1e308\n", "r1", nullptr, "0.029"},
        FieldRow{"R2NegativeKeepsInitial", "[c1]\nr2=-0.3\n", "r2", nullptr, "0.3"},
        FieldRow{"Checkbox2Checks", "[c1]\ncheckbox1=2\n", "CheckBox1", nullptr, "1"},
        FieldRow{"Checkbox0Unchecks", "[c1]\ncheckbox1=0\n", "CheckBox1", "1", "0"},
        FieldRow{"CheckboxGarbageKeepsState", "[c1]\ncheckbox1=on\n", "CheckBox1", "1", "1"},
        FieldRow{"R3Hexadecimal", "[c1]\nr3=0x10\n", "r3", nullptr, "16"},
        FieldRow{"R4LargeKept", "[c1]\nr4=2147483647\n", "r4", nullptr, "2147483647"},
        FieldRow{"R4NegativeKeepsInitial", "[c1]\nr4=-500\n", "r4", nullptr, "500"},
        FieldRow{"R3NegativeKeepsInitial", "[c1]\nr3=-1\n", "r3", nullptr, "200000"},
        FieldRow{"NamesWithoutCase", "[C1]\nR5 = 30\n", "r5", nullptr, "30"},
        FieldRow{"OtherSectionIgnored", "[c2]\nr5=30\n", "r5", nullptr, "25"},
        FieldRow{"RulesOn", "[c1]\ncheckbox2=1\n", "CheckBox2", nullptr, "1"},
        FieldRow{"MarketStored", "[c1]\nmarket=kosdaq\n", "ComboBox1", nullptr, "kosdaq"},
        FieldRow{"MarketUnknownReadsKospi", "[c1]\nmarket=nyse\n", "ComboBox1", "konex", "kospi"},
        FieldRow{"MarketInCapitals", "[c1]\nmarket=KOSDAQ\n", "ComboBox1", nullptr, "kosdaq"},
        FieldRow{"MarketAsTheWindowNamesIt", "[c1]\nmarket=코스닥\n", "ComboBox1", nullptr,
                 "kosdaq"},
        FieldRow{"EtfAsTheWindowNamesIt", "[c1]\nmarket=ETF·ETN\n", "ComboBox1", nullptr, "etf"},
        FieldRow{"RoundingStored", "[c1]\nrounding=ten\n", "ComboBox2", nullptr, "ten"},
        FieldRow{"RoundingUnknownReadsRound", "[c1]\nrounding=up\n", "ComboBox2", "won", "round"}),
    [](const auto &row) { return row.param.name; });

struct CounterRow {
    const char *name;
    std::optional<QByteArray> file;
    bool notice;
    const char *stored;
};

class Counter : public SettingsTest, public testing::WithParamInterface<CounterRow> {};

TEST_P(Counter, AdvancesAtOnce) {
    const CounterRow &row = GetParam();
    if (row.file) {
        store(*row.file);
    }
    EXPECT_TRUE(start());
    EXPECT_EQ(window.calls.front(), "scroll");
    EXPECT_EQ(window.calls.contains("notice"), row.notice);
    if (row.notice) {
        EXPECT_EQ(window.calls.indexOf("notice"), 1); // before any placement
    }
    EXPECT_EQ(storedValue("mycount"), row.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Counter,
    testing::Values(CounterRow{"FirstStart", std::nullopt, false, "1"},
                    CounterRow{"Fifty", "[c1]\nmycount=50\n", false, "51"},
                    CounterRow{"FiftyOne", "[c1]\nmycount=51\n", true, "1"},
                    CounterRow{"NotANumber", "[c1]\nmycount=abc\n", false, "1"},
                    CounterRow{"Negative", "[c1]\nmycount=-5\n", false, "-4"},
                    CounterRow{"LargestInteger", "[c1]\nmycount=2147483647\n", true, "1"}),
    [](const auto &row) { return row.param.name; });

struct FitRow {
    const char *name;
    QRect stored;
    QRect expected;
};

class ScreenFit : public SettingsTest, public testing::WithParamInterface<FitRow> {};

TEST_P(ScreenFit, OnA1280By1024Screen) {
    const QRect r = GetParam().stored;
    store(QString("[c1]\nleft=%1\ntop=%2\nwidth=%3\nheight=%4\n")
              .arg(r.x())
              .arg(r.y())
              .arg(r.width())
              .arg(r.height())
              .toUtf8());
    start();
    EXPECT_EQ(window.frame, GetParam().expected);
    EXPECT_EQ(window.calls.mid(1, 4), (QStringList{"left", "top", "width", "height"}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScreenFit,
    testing::Values(
        FitRow{"LeftPastRightEdge", {900, 100, 400, 500}, {0, 100, 400, 500}},
        FitRow{"LeftExactlyAtEdgeStays", {860, 100, 400, 500}, {860, 100, 400, 500}},
        FitRow{"TopPastBottomEdge", {100, 485, 400, 500}, {100, 0, 400, 500}},
        FitRow{"TopExactlyAtEdgeStays", {100, 484, 400, 500}, {100, 484, 400, 500}},
        FitRow{"LittlePastLeftAndTopStays", {-50, -20, 400, 500}, {-50, -20, 400, 500}},
        FitRow{"HalfPastLeftAndTopStays", {-200, -250, 400, 500}, {-200, -250, 400, 500}},
        FitRow{"MorePastLeftAndTopThanHalf", {-201, -251, 400, 500}, {0, 0, 400, 500}},
        FitRow{"CornerOnScreen", {-3000, -2000, 400, 500}, {0, 0, 400, 500}},
        FitRow{"AtTheLeftAndTopEdgesStays", {0, 0, 400, 500}, {0, 0, 400, 500}},
        FitRow{"WidenedWidthCounts", {870, 100, 300, 500}, {0, 100, 400, 500}},
        FitRow{"AbsurdEdgeBroughtOnScreen", {-2147483647, 100, 400, 500}, {0, 100, 400, 500}},
        FitRow{
            "SizesBeyondTheScreenBroughtInside", {30, 20, 16777215, 16777215}, {0, 0, 1280, 984}}),
    [](const auto &row) { return row.param.name; });

TEST_F(SettingsTest, FirstStartAndCloseWriteKeysInOrder) {
    start();
    close();
    EXPECT_EQ(stored(), "[c1]\nmycount=1\nleft=520\ntop=166\nwidth=400\nheight=530\n"
                        "checkbox1=0\nr1=0.029\nr2=0.3\nr3=200000\nr4=500\nr5=25\nr6=50\nr7=75\n"
                        "r8=10\nr9=5\nr10=25\nr11=50\nr12=2\nr13=3\n");
}

TEST_F(SettingsTest, ForeignSectionsAndCommentsComeBackUnchanged) {
    const QByteArray before = "; mine\r\n[Tools]\r\nleft=1\r\n\r\n[C1]\r\nMyCount=4\r\nR1 = 0.1\r\n"
                              "note=keep\r\n; end of c1\r\n\r\n[x]\r\ny=z";
    store(before);
    start();
    window.normal = false;
    close();
    const QByteArray expected =
        "; mine\r\n[Tools]\r\nleft=1\r\n\r\n[C1]\r\nMyCount=5\r\nR1 = 0.1\r\nnote=keep\r\n"
        "checkbox1=0\r\nr2=0.3\r\nr3=200000\r\nr4=500\r\nr5=25\r\nr6=50\r\nr7=75\r\nr8=10\r\n"
        "r9=5\r\nr10=25\r\nr11=50\r\nr12=2\r\nr13=3\r\n; end of c1\r\n\r\n[x]\r\ny=z";
    EXPECT_EQ(stored(), expected);
}

// A reader that is no window takes the options and leaves the file as it is.
TEST_F(SettingsTest, OptionsAloneCountNothing) {
    const QByteArray before = "[c1]\nmycount=3\nr1=0.015\nmarket=etf\n";
    store(before);
    EXPECT_TRUE(SettingsFile(path, ValueText(QLocale::c())).loadOptions(sheet));
    EXPECT_EQ(sheet.text("r1"), "0.015");
    EXPECT_EQ(sheet.text("ComboBox1"), "etf");
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(window.calls.isEmpty());
}

TEST_F(SettingsTest, MinimizedCloseKeepsPlacementAndWritesTheRest) {
    store("[c1]\nleft=10\ntop=20\nwidth=410\nheight=300\nr11=9\n");
    start();
    window.normal = false;
    window.frame = {0, 0, 160, 30};
    sheet.setText("r11", "60");
    ASSERT_TRUE(close());
    EXPECT_EQ(storedValue("left"), "10");
    EXPECT_EQ(storedValue("height"), "300");
    EXPECT_EQ(storedValue("r11"), "60");
}

TEST_F(SettingsTest, FieldsThatAreNotNumbersSaveTheirMinimum) {
    sheet.setText("r5", "abc");
    sheet.setText("r4", "");
    sheet.setText("r1", "0,5");
    sheet.setText("r12", "250");
    ASSERT_TRUE(close());
    EXPECT_EQ(storedValue("r5"), "1");
    EXPECT_EQ(storedValue("r4"), "0");
    EXPECT_EQ(storedValue("r1"), "0");
    EXPECT_EQ(storedValue("r12"), "100");
}

TEST_F(SettingsTest, EverySettingSurvivesARestart) {
    const std::pair<const char *, const char *> changed[] = {
        {"CheckBox1", "1"}, {"r1", "0.015"}, {"r2", "0.2"}, {"r3", "150000"}, {"r4", "1000"},
        {"r5", "20"},       {"r6", "40"},    {"r7", "60"},  {"r8", "12"},     {"r9", "6"},
        {"r10", "30"},      {"r11", "55"},   {"r12", "4"},  {"r13", "8"}};
    start();
    for (const auto &[name, text] : changed) {
        sheet.setText(name, text);
    }
    window.frame = {100, 50, 420, 600};
    ASSERT_TRUE(close());

    MemorySheet restarted;
    FakeWindow fresh;
    EXPECT_TRUE(SettingsFile(path, ValueText(QLocale::c())).load(restarted, fresh));
    for (const auto &[name, text] : changed) {
        EXPECT_EQ(restarted.text(name), text) << name;
    }
    EXPECT_EQ(fresh.frame, QRect(100, 50, 420, 600));
    EXPECT_EQ(storedValue("mycount"), "2");
}

struct UnwritableRow {
    const char *name;
    QString fileName;
    QByteArray file;
};

class CounterNotWritten : public SettingsTest, public testing::WithParamInterface<UnwritableRow> {};

TEST_P(CounterNotWritten, StillLoadsTheStoredSettings) {
    path = dir.filePath(GetParam().fileName);
    store(GetParam().file);
    EXPECT_FALSE(start());
    ASSERT_EQ(sheet.messages().size(), 1u);
    EXPECT_EQ(QString::fromStdString(sheet.messages()[0]),
              QString::fromUtf16(messages::cannotWriteCounter) + "\r" +
                  QDir::toNativeSeparators(path));
    EXPECT_EQ(sheet.text("r10"), "40");
    EXPECT_EQ(stored(), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Rows, CounterNotWritten,
                         testing::Values(
                             // A name so long that the temporary file beside it cannot be created:
                             // the file reads but cannot be replaced.
                             UnwritableRow{"NameTooLongForATemporaryFile", QString(250, 'a'),
                                           "[c1]\nmycount=3\nr10=40\n"},
                             // Counted, the file would grow beyond what the next start reads.
                             UnwritableRow{"FileThatWouldOutgrowTheLimit", "cal.ini",
                                           "[c1]\nr10=40\n" +
                                               blankLinesUpTo(settingsFileLimit - 12)}),
                         [](const auto &row) { return row.param.name; });

TEST_F(SettingsTest, UnwritableFolderIsReportedAtStartAndClose) {
    store("x");
    path = dir.filePath("cal.ini/cal.ini"); // its folder is a regular file
    EXPECT_FALSE(start());
    EXPECT_FALSE(close());
    ASSERT_EQ(sheet.messages().size(), 2u);
    EXPECT_EQ(QString::fromStdString(sheet.messages()[1]),
              QString::fromUtf16(messages::cannotSave) + "\r" + QDir::toNativeSeparators(path));
}

// `utf8` in `encoding`, without a byte-order mark.
QByteArray encoded(const QByteArray &utf8, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding);
    return encoder(QString::fromUtf8(utf8));
}

struct EncodingRow {
    const char *name;
    QByteArray byteOrderMark;
    QStringConverter::Encoding encoding;
};

class Encoded : public SettingsTest, public testing::WithParamInterface<EncodingRow> {};

// What editors save: the mark is kept, and a UTF-16 file stays UTF-16.
TEST_P(Encoded, IsReadAndWrittenBackInItsEncoding) {
    const EncodingRow &row = GetParam();
    const auto bare = [&](const QByteArray &utf8) { return encoded(utf8, row.encoding); };
    store(row.byteOrderMark + bare("[c1]\r\nmycount=4\r\nr5=40\r\n"));
    EXPECT_TRUE(start());
    EXPECT_EQ(sheet.text("r5"), "40");
    EXPECT_EQ(stored(), row.byteOrderMark + bare("[c1]\r\nmycount=5\r\nr5=40\r\n"));
    sheet.setText("r5", "45");
    ASSERT_TRUE(close());
    EXPECT_TRUE(stored().startsWith(row.byteOrderMark +
                                    bare("[c1]\r\nmycount=5\r\nr5=45\r\nleft=520\r\n")));
    EXPECT_TRUE(stored().endsWith(bare("\r\nr13=3\r\n")));
    EXPECT_EQ(stored().count(bare("[c1]")), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Encoded,
    testing::Values(EncodingRow{"Utf8WithByteOrderMark", "\xEF\xBB\xBF", QStringConverter::Utf8},
                    EncodingRow{"Utf16LittleEndian", "\xFF\xFE", QStringConverter::Utf16LE},
                    EncodingRow{"Utf16BigEndian", "\xFE\xFF", QStringConverter::Utf16BE}),
    [](const auto &row) { return row.param.name; });

struct UnreadableRow {
    const char *name;
    QByteArray file; // empty for a folder in the file's place
};

class Unreadable : public SettingsTest, public testing::WithParamInterface<UnreadableRow> {};

TEST_P(Unreadable, FileIsNeitherCountedNorReplaced) {
    const QByteArray &file = GetParam().file;
    if (file.isEmpty()) {
        ASSERT_TRUE(QDir(dir.path()).mkdir("cal.ini"));
    } else {
        store(file);
    }
    EXPECT_FALSE(start());
    EXPECT_FALSE(close());
    ASSERT_EQ(sheet.messages().size(), 2u);
    EXPECT_EQ(QString::fromStdString(sheet.messages()[0]),
              QString::fromUtf16(messages::cannotRead) + "\r" + QDir::toNativeSeparators(path));
    EXPECT_EQ(QString::fromStdString(sheet.messages()[1]),
              QString::fromUtf16(messages::cannotSave) + "\r" + QDir::toNativeSeparators(path));
    EXPECT_EQ(sheet.text("r5"), "25");
    EXPECT_EQ(window.frame, FakeWindow().frame);
    if (file.isEmpty()) {
        EXPECT_TRUE(QFileInfo(path).isDir());
    } else {
        EXPECT_EQ(testing_support::contentOf(path), file);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"cal.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Unreadable,
    testing::Values(UnreadableRow{"Folder", {}},
                    UnreadableRow{"OneByteBeyondAMebibyte",
                                  blankLinesUpTo(settingsFileLimit + 1, "[c1]\nr5=40\nleft=9\n")},
                    UnreadableRow{"SixteenMegabytesOfBlankLines", blankLinesUpTo(16000000)},
                    UnreadableRow{"Utf16WithALoneSurrogate",
                                  "\xFF\xFE" + encoded("[c1]\nr5=40", QStringConverter::Utf16LE) +
                                      QByteArray("\x00\xD8\n\x00", 4)},
                    UnreadableRow{"Utf16OfAnOddLength",
                                  "\xFE\xFF" + encoded("[c1]\nr5=40\n", QStringConverter::Utf16BE) +
                                      QByteArray(1, '\0')}),
    [](const auto &row) { return row.param.name; });

} // namespace
} // namespace mx::settings
