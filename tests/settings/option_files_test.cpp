#include "calc/memory_sheet.h"
#include "printers.h"
#include "settings/file_io.h"
#include "settings/option_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <string>

#ifndef _WIN32
#include "pipe_rescue.h"
#include "small_disk.h"

#include <sys/stat.h>
#endif

namespace mx::settings {
namespace {

const char *const percentages[] = {"r5", "r6", "r7", "r8", "r9", "r10", "r11", "r12", "r13"};

QStringList percentagesOf(const MemorySheet &sheet) {
    QStringList texts;
    for (const char *name : percentages) {
        texts << QString::fromStdString(sheet.text(name));
    }
    return texts;
}

class OptionFiles : public testing::Test {
protected:
    QTemporaryDir dir;
    MemorySheet sheet;
    QStringList buffer = initialLineBuffer();

    // Distinct old values, so that a field left alone shows.
    void presetOldValues() {
        for (int i = 0; i < 9; ++i) {
            sheet.setText(percentages[i], std::to_string(11 + i));
        }
    }
};

struct OpenRow {
    const char *name;
    QByteArray file;
    QStringList expected;
    bool complete;
};

class OpenOptionFile : public OptionFiles, public testing::WithParamInterface<OpenRow> {};

TEST_P(OpenOptionFile, SetsUpToTheFirstFailure) {
    const OpenRow &row = GetParam();
    presetOldValues();
    const QString path = dir.filePath("plan.mxi");
    ASSERT_TRUE(writeWholeFile(path, row.file));
    EXPECT_EQ(openOptionFile(path, sheet, buffer), row.complete);
    EXPECT_EQ(percentagesOf(sheet), row.expected);
    EXPECT_EQ(buffer, splitLines(row.file));
}

const QStringList old = {"11", "12", "13", "14", "15", "16", "17", "18", "19"};
const QStringList oneToNine = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenOptionFile,
    testing::Values(
        OpenRow{"NineLines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", oneToNine, true},
        OpenRow{"NoFinalLineBreak", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9", oneToNine, true},
        OpenRow{"LoneCrAndLfEndLines", "1\r2\n3\r4\n5\r6\n7\r8\n9", oneToNine, true},
        OpenRow{"LinesAfterNinthIgnored", "1\n2\n3\n4\n5\n6\n7\n8\n9\nx\n", oneToNine, true},
        OpenRow{"ByteOrderMarkDropped",
                "\xEF\xBB\xBF"
                "1\n2\n3\n4\n5\n6\n7\n8\n9\n",
                oneToNine, true},
        OpenRow{"EightLines",
                "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n",
                {"1", "2", "3", "4", "5", "6", "7", "8", "19"},
                false},
        OpenRow{"ThirdLineFraction",
                "1\r\n2\r\n7.5\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n",
                {"1", "2", "13", "14", "15", "16", "17", "18", "19"},
                false},
        OpenRow{"ThirdLineEmpty",
                "1\r\n2\r\n\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n",
                {"1", "2", "13", "14", "15", "16", "17", "18", "19"},
                false},
        OpenRow{"EmptyFile", "", old, false},
        OpenRow{"SixthAndSeventhMovedIntoRange",
                "1\n2\n3\n4\n5\n0\n250\n8\n-9\n",
                {"1", "2", "3", "4", "5", "1", "100", "8", "1"},
                true}),
    [](const auto &row) { return row.param.name; });

TEST_F(OptionFiles, MissingFileChangesNothing) {
    presetOldValues();
    EXPECT_FALSE(openOptionFile(dir.filePath("none.mxi"), sheet, buffer));
    EXPECT_EQ(percentagesOf(sheet), old);
    EXPECT_EQ(buffer, initialLineBuffer());
}

const QByteArray nineLines = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n";

struct SizeRow {
    const char *name;
    QByteArray file;
    bool taken;
};

class OpenOptionFileSize : public OptionFiles, public testing::WithParamInterface<SizeRow> {};

TEST_P(OpenOptionFileSize, LargerThan64KiBIsRefusedWhole) {
    const SizeRow &row = GetParam();
    presetOldValues();
    const QString path = dir.filePath("big.mxi");
    ASSERT_TRUE(writeWholeFile(path, row.file));
    EXPECT_EQ(openOptionFile(path, sheet, buffer), row.taken);
    EXPECT_EQ(percentagesOf(sheet), row.taken ? oneToNine : old);
    EXPECT_EQ(buffer.size(), row.taken ? splitLines(row.file).size() : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenOptionFileSize,
    testing::Values(SizeRow{"Exactly64KiB",
                            nineLines + QByteArray(textFileLimit - nineLines.size(), '\n'), true},
                    SizeRow{"OneByteOver",
                            nineLines + QByteArray(textFileLimit - nineLines.size() + 1, '\n'),
                            false},
                    SizeRow{"FifteenMiBOfBlankLines", QByteArray(15 * 1024 * 1024, '\n'), false}),
    [](const auto &row) { return row.param.name; });

TEST_F(OptionFiles, FailedSaveKeepsTheOldFileWhole) {
    const QString path = dir.filePath("plan.mxi");
    ASSERT_TRUE(writeWholeFile(path, nineLines));
    for (const WriteStep failing : {WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        const ScopedWriteFault fault([&](WriteStep step) { return step == failing ? ENOSPC : 0; });
        EXPECT_FALSE(saveOptionFile(path, sheet, buffer));
        EXPECT_EQ(readWholeFile(path).bytes, nineLines);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.mxi"});
    }
}

// Named pipes and a small disk of its own are POSIX matters.
#ifndef _WIN32
TEST_F(OptionFiles, NamedPipeIsRefusedWithoutBlocking) {
    presetOldValues();
    const QString pipe = dir.filePath("pipe.mxi");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    testing_support::PipeRescue rescue(pipe);
    EXPECT_FALSE(openOptionFile(pipe, sheet, buffer));
    EXPECT_FALSE(readDroppedTextFile(pipe).has_value());
    rescue.dismiss();
    EXPECT_FALSE(rescue.rescued()) << "reading blocked on the pipe";
    EXPECT_EQ(percentagesOf(sheet), old);
    EXPECT_EQ(buffer, initialLineBuffer());
}

TEST_F(OptionFiles, SaveOntoAFullDiskKeepsTheOldFileWhole) {
    testing_support::SmallDisk disk(dir.path(), 16 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot().toStdString();
    }
    const QString path = dir.filePath("plan.mxi");
    ASSERT_TRUE(writeWholeFile(path, nineLines));
    ASSERT_GT(disk.fill(), 0);
    EXPECT_FALSE(saveOptionFile(path, sheet, buffer));
    EXPECT_EQ(readWholeFile(path).bytes, nineLines);
    disk.makeRoom();
    EXPECT_TRUE(saveOptionFile(path, sheet, buffer));
    EXPECT_EQ(readWholeFile(path).bytes, joinLines(buffer));
}

#endif

TEST_F(OptionFiles, SaveWritesNineCrLfLinesUnderTheMxiName) {
    const QString existing = dir.filePath("plan.mxi");
    ASSERT_TRUE(writeWholeFile(existing, "old"));
    ASSERT_TRUE(saveOptionFile(dir.filePath("plan"), sheet, buffer));
    EXPECT_EQ(readWholeFile(existing).bytes, "25\r\n50\r\n75\r\n10\r\n5\r\n25\r\n50\r\n2\r\n3\r\n");
    EXPECT_EQ(buffer, (QStringList{"25", "50", "75", "10", "5", "25", "50", "2", "3"}));

    sheet.setText("r6", "abc");
    ASSERT_TRUE(saveOptionFile(existing, sheet, buffer));
    EXPECT_EQ(buffer[1], "1");
}

TEST_F(OptionFiles, SaveIntoAFolderThatIsAFileFails) {
    ASSERT_TRUE(writeWholeFile(dir.filePath("plain"), "x"));
    EXPECT_FALSE(saveOptionFile(dir.filePath("plain/plan"), sheet, buffer));
}

TEST_F(OptionFiles, ResetRestoresDefaultsAndKeepsTheBuffer) {
    presetOldValues();
    const QString path = dir.filePath("plan.mxi");
    ASSERT_TRUE(writeWholeFile(path, "1\n2\n3\n4\n5\n6\n7\n8\n9\n"));
    openOptionFile(path, sheet, buffer);
    resetOptionDefaults(sheet);
    EXPECT_EQ(percentagesOf(sheet),
              (QStringList{"25", "50", "75", "10", "5", "25", "50", "2", "3"}));
    EXPECT_EQ(buffer, oneToNine);
}

TEST(OptionFileName, AddsMxiOnlyWhenMissing) {
    const std::pair<const char *, const char *> rows[] = {
        {"plan", "plan.mxi"},
        {"plan.MXI", "plan.MXI"},
        {"old.mxi.bak", "old.mxi.bak"},
        {"plan.txt", "plan.txt.mxi"},
        {"/home/u/목표손절옵션/계획", "/home/u/목표손절옵션/계획.mxi"}};
    for (const auto &[chosen, expected] : rows) {
        EXPECT_EQ(optionFileName(QString::fromUtf8(chosen)), QString::fromUtf8(expected));
    }
}

TEST(OptionFileFilter, InQtForm) {
    EXPECT_EQ(optionFileFilter(), "*.mxi (*.mxi);;*.* (*)");
    EXPECT_EQ(qtFileFilter("Text|*.txt;*.log|odd"), "Text (*.txt *.log)");
}

TEST(Lines, SplitAndJoin) {
    const std::pair<QByteArray, QStringList> rows[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n\n", {"", ""}},
        {"\xff\n", {QString(QChar::ReplacementCharacter)}}};
    for (const auto &[bytes, lines] : rows) {
        EXPECT_EQ(splitLines(bytes), lines) << bytes.toStdString();
    }
    EXPECT_EQ(joinLines({"1", "2"}), "1\r\n2\r\n");
    EXPECT_EQ(joinLines(initialLineBuffer()), "\r\n");
}

struct ImportRow {
    const char *name;
    QStringList buffer;
    int set;
    std::map<std::string, std::string> expected;
};

class ImportTradeRecord : public testing::TestWithParam<ImportRow> {};

TEST_P(ImportTradeRecord, SetsUpToTheFirstFailure) {
    const ImportRow &row = GetParam();
    MemorySheet sheet;
    EXPECT_EQ(importTradeRecord(row.buffer, sheet), row.set);
    for (const char *name : {"s1", "s2", "s3", "W1", "W2", "Y1", "Y2", "Y3", "Y4", "Y5", "Edit6"}) {
        const auto it = row.expected.find(name);
        EXPECT_EQ(sheet.text(name),
                  it != row.expected.end() ? it->second : MemorySheet().text(name))
            << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImportTradeRecord,
    testing::Values(ImportRow{"InitialBuffer", initialLineBuffer(), 0, {}},
                    ImportRow{"NineLineOptionFile",
                              {"25", "50", "75", "10", "5", "25", "50", "2", "3"},
                              8,
                              {{"s1", "50"},
                               {"s2", "75"},
                               {"s3", "10"},
                               {"W1", "5"},
                               {"W2", "25"},
                               {"Y1", "50"},
                               {"Y2", "2"},
                               {"Y3", "3"}}},
                    ImportRow{"FullRecord",
                              {"삼성전자", "10", "70000", "71000", "80000", "60000", "91000",
                               "49000", "70000", "72000", "69000", "2024년 5월 1 일 9시5분",
                               "ignored"},
                              11,
                              {{"s1", "10"},
                               {"s2", "70000"},
                               {"s3", "71000"},
                               {"W1", "80000"},
                               {"W2", "60000"},
                               {"Y1", "91000"},
                               {"Y2", "49000"},
                               {"Y3", "70000"},
                               {"Y4", "72000"},
                               {"Y5", "69000"},
                               {"Edit6", "2024년 5월 1 일 9시5분"}}},
                    ImportRow{"NoTimeLine",
                              {"", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
                              10,
                              {{"s1", "1"},
                               {"s2", "2"},
                               {"s3", "3"},
                               {"W1", "4"},
                               {"W2", "5"},
                               {"Y1", "6"},
                               {"Y2", "7"},
                               {"Y3", "8"},
                               {"Y4", "9"},
                               {"Y5", "10"}}},
                    ImportRow{"ThirdFieldNotANumber",
                              {"", "+5", "-3", "1,000", "4"},
                              2,
                              {{"s1", "5"}, {"s2", "-3"}}}),
    [](const auto &row) { return row.param.name; });

TEST_F(OptionFiles, DroppedFilesOnlyWhenSmallText) {
    const std::tuple<const char *, QByteArray, bool> rows[] = {
        {"text", "\n10\n70000\n", true},
        {"korean", "종목\n10\n", true},
        {"atLimit", QByteArray(textFileLimit, '1'), true},
        {"overLimit", QByteArray(textFileLimit + 1, '1'), false},
        {"nul", QByteArray("1\n\0\n", 4), false},
        {"badUtf8", "1\n\xc3\x28\n", false}};
    for (const auto &[name, bytes, accepted] : rows) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(writeWholeFile(path, bytes));
        const std::optional<QStringList> lines = readDroppedTextFile(path);
        EXPECT_EQ(lines.has_value(), accepted) << name;
        if (lines) {
            EXPECT_EQ(*lines, splitLines(bytes)) << name;
        }
    }
    EXPECT_FALSE(readDroppedTextFile(dir.path()).has_value());
    EXPECT_FALSE(readDroppedTextFile(dir.filePath("missing")).has_value());
}

} // namespace
} // namespace mx::settings
