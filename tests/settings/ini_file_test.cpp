#include "printers.h"
#include "settings/ini_file.h"

#include <gtest/gtest.h>

namespace mx::settings {
namespace {

struct SetRow {
    const char *name;
    QByteArray before;
    const char *section;
    const char *key;
    const char *value;
    QByteArray after;
};

class IniSet : public testing::TestWithParam<SetRow> {};

TEST_P(IniSet, ChangesOnlyTheKey) {
    const SetRow &row = GetParam();
    IniFile ini = IniFile::fromBytes(row.before);
    ASSERT_TRUE(ini.setValue(row.section, row.key, row.value));
    EXPECT_EQ(ini.toBytes(), row.after);
    EXPECT_EQ(IniFile::fromBytes(ini.toBytes()).value(row.section, row.key), row.value);
}

const QByteArray foreign = "; written by hand\r\n"
                           "[Other]\r\n"
                           "r1 = keep me\r\n"
                           "\r\n"
                           "[c1]\r\n"
                           "mycount=7\r\n"
                           "unknown=x\r\n"
                           "; closing comment\r\n"
                           "\r\n"
                           "[tail]\r\n"
                           "a=b";

const QByteArray bom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Rows, IniSet,
    testing::Values(
        SetRow{"EmptyFileGetsSectionAndKey", "", "c1", "mycount", "1", "[c1]\nmycount=1\n"},
        SetRow{"ForeignTextKeptInPlaceUpdate", foreign, "c1", "mycount", "8",
               QByteArray(foreign).replace("mycount=7", "mycount=8")},
        SetRow{"NewKeyAfterLastKeyBeforeComment", foreign, "c1", "left", "5",
               QByteArray(foreign).replace("unknown=x\r\n", "unknown=x\r\nleft=5\r\n")},
        SetRow{"NewSectionAtEndKeepsMissingFinalBreak", foreign, "new", "k", "v",
               foreign + "\r\n[new]\r\nk=v"},
        SetRow{"KeyInLastSectionWithoutFinalBreak", "[c1]\na=1", "c1", "b", "2", "[c1]\na=1\nb=2"},
        SetRow{"CaseInsensitiveNamesKeepStoredSpelling", "[C1]\nMyCount = 3\n", "c1", "MYCOUNT",
               "4", "[C1]\nMyCount = 4\n"},
        SetRow{"FirstDuplicateRewritten", "[c1]\nr1=1\nr1=2\n", "c1", "r1", "9",
               "[c1]\nr1=9\nr1=2\n"},
        SetRow{"DuplicateSectionFirstBlockGetsNewKey", "[c1]\na=1\n[x]\n[c1]\nb=2\n", "c1", "c",
               "3", "[c1]\na=1\nc=3\n[x]\n[c1]\nb=2\n"},
        SetRow{"KeyInSecondBlockFound", "[c1]\na=1\n[c1]\nb=2\n", "c1", "b", "5",
               "[c1]\na=1\n[c1]\nb=5\n"},
        SetRow{"EmptySectionGetsKeyAfterHeader", "[c1]\n\n[d]\n", "c1", "a", "1",
               "[c1]\na=1\n\n[d]\n"},
        SetRow{"KeysBeforeAnySectionIgnored", "a=1\n", "c1", "a", "2", "a=1\n[c1]\na=2\n"},
        SetRow{"CommentedKeyIsNotAKey", "[c1]\n;r1=5\n", "c1", "r1", "6", "[c1]\nr1=6\n;r1=5\n"},
        SetRow{"NonUtf8BytesElsewhereKept", "[\xff]\n\x80=\xfe\n[c1]\n", "c1", "a", "1",
               "[\xff]\n\x80=\xfe\n[c1]\na=1\n"},
        SetRow{"ByteOrderMarkKeptBeforeFirstSection", bom + "[c1]\r\nr5=40\r\n", "c1", "r5", "41",
               bom + "[c1]\r\nr5=41\r\n"},
        SetRow{"ByteOrderMarkKeptWhenKeyAdded", bom + "[c1]\nr5=40\n", "c1", "mycount", "1",
               bom + "[c1]\nr5=40\nmycount=1\n"},
        SetRow{"ByteOrderMarkAloneGetsSectionAfterIt", bom, "c1", "mycount", "1",
               bom + "[c1]\nmycount=1\n"},
        SetRow{"ByteOrderMarkInsideTextIsNoMark", "[x]\n" + bom + "[c1]\n", "c1", "a", "1",
               "[x]\n" + bom + "[c1]\n[c1]\na=1\n"}),
    [](const auto &row) { return row.param.name; });

struct ValueRow {
    const char *name;
    QByteArray text;
    const char *section;
    const char *key;
    std::optional<QString> expected;
};

class IniValue : public testing::TestWithParam<ValueRow> {};

TEST_P(IniValue, Reads) {
    const ValueRow &row = GetParam();
    EXPECT_EQ(IniFile::fromBytes(row.text).value(row.section, row.key), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniValue,
    testing::Values(
        ValueRow{"Plain", "[c1]\nr1=0.029\n", "c1", "r1", QString("0.029")},
        ValueRow{"BlanksAroundTrimmed", " [ c1 ] \n\t r1 =\t0.3 \r\n", "C1", "R1", QString("0.3")},
        ValueRow{"FirstDuplicateWins", "[c1]\nr1=1\nR1=2\n", "c1", "r1", QString("1")},
        ValueRow{"EmptyValue", "[c1]\nr1=\n", "c1", "r1", QString("")},
        ValueRow{"ValueMayHoldEquals", "[c1]\nk=a=b\n", "c1", "k", QString("a=b")},
        ValueRow{"MissingKey", "[c1]\nr2=1\n", "c1", "r1", std::nullopt},
        ValueRow{"OtherSection", "[c2]\nr1=1\n", "c1", "r1", std::nullopt},
        ValueRow{"KeyBeforeSections", "r1=1\n[c1]\n", "c1", "r1", std::nullopt},
        ValueRow{"UnclosedHeaderIsNoSection", "[c1\nr1=1\n", "c1", "r1", std::nullopt},
        ValueRow{"LoneCrIsNotALineBreak", "[c1]\rr1=1\n", "c1", "r1", std::nullopt},
        ValueRow{"SectionAfterByteOrderMark", bom + "[c1]\r\nr5=40\r\n", "c1", "r5", QString("40")},
        ValueRow{"KeyAfterByteOrderMarkBeforeSections", bom + "r5=40\n[c1]\n", "c1", "r5",
                 std::nullopt}),
    [](const auto &row) { return row.param.name; });

TEST(IniFile, UntouchedTextComesBackByteForByte) {
    for (const QByteArray &text :
         {QByteArray(), QByteArray("\n"), QByteArray("\r\n\r\n"), foreign,
          QByteArray("[c1]\r\nmixed=1\nendings=2\r\n\r"), QByteArray("a\0b\n", 4), bom,
          bom + foreign, bom + bom + "[c1]\n", QByteArray("\xEF\xBB")}) {
        EXPECT_EQ(IniFile::fromBytes(text).toBytes(), text);
    }
}

TEST(IniFile, RefusesTextsThatWouldNotReadBack) {
    const QByteArray text = "[c1]\na=1\n";
    const struct {
        const char *section, *key, *value;
    } rows[] = {{"", "k", "1"},     {"c1", "", "1"},     {"c]", "k", "1"},   {"c1", "k=x", "1"},
                {"c1", ";k", "1"},  {"c1", "[k", "1"},   {"c1", " k", "1"},  {"c1", "k", " 1"},
                {"c1", "k", "1\n"}, {"c1", "k", "1\r2"}, {"c\n1", "k", "1"}, {"c1", "k\r", "1"}};
    for (const auto &row : rows) {
        IniFile ini = IniFile::fromBytes(text);
        EXPECT_FALSE(ini.setValue(row.section, row.key, row.value)) << row.section << row.key;
        EXPECT_EQ(ini.toBytes(), text);
    }
}

} // namespace
} // namespace mx::settings
