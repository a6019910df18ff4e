// Tests of the readers of the earlier stores' trip rows: the trips file and the INI keys.
#include "logstore/oldstorereaders.h"
#include "logstore/settingsstore.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bw {
namespace {

using test::TestPlatform;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Field values that need every escape of both layouts, and a key not stored (null).
OldTripRow awkwardRow()
{
    return {QStringLiteral("back\\slash \\- \\t"),
            QStringLiteral("tab\there"),
            QStringLiteral("line\nfeed and\r\nCRLF\rCR"),
            QString(),
            QString(QLatin1StringView("")),
            QStringLiteral(" \"quoted\", a;b=c @x "),
            QStringLiteral("@Variant(nope)"),
            QString::fromUtf8("K\u00f6ln \u2192 \U0001F697 \x01\x7f nul\0!", 24)};
}

void expectRows(const OldStoreRows& read, const std::map<int, OldTripRow>& rows,
                const QString& rowCount)
{
    EXPECT_EQ(read.rowCount, rowCount);
    EXPECT_EQ(read.rowCount.isNull(), rowCount.isNull());
    ASSERT_EQ(read.rows.size(), rows.size());
    for (const auto& [row, fields] : rows) {
        ASSERT_EQ(read.rows.count(row), 1u) << row;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            EXPECT_EQ(read.rows.at(row)[k], fields[k]) << "row " << row << " field " << k + 1;
            EXPECT_EQ(read.rows.at(row)[k].isNull(), fields[k].isNull()) << row << ' ' << k + 1;
        }
    }
}

TEST(OldStoreReaders, TheTripsFileTheStoreWroteReadsBackWithEveryEscape)
{
    TestPlatform env;
    const OldTripRow row = awkwardRow();
    {
        SettingsStore store;
        SettingsStore::Batch batch(store);
        store.SaveSetting(QStringLiteral("RowCount"), QStringLiteral("2\t\\"));
        for (int k = 0; k < 8; ++k) {
            if (!row[static_cast<std::size_t>(k)].isNull())
                store.SaveTripField(k + 1, 7, row[static_cast<std::size_t>(k)]);
        }
        store.SaveTripField(3, 40, QStringLiteral("beyond the count"));
        batch.commit();
    }
    const QByteArray bytes = fileBytes(SettingsStore::tripsFileFor(env.settingsFile()));
    const OldStoreRows read = readTripsFile(bytes);
    OldTripRow beyond;
    beyond[2] = QStringLiteral("beyond the count");
    expectRows(read, {{7, row}, {40, beyond}}, QStringLiteral("2\t\\"));
    EXPECT_TRUE(read.problems.empty()) << read.problems.front().why.toStdString();
}

TEST(OldStoreReaders, TheRowKeysOfAFirstVersionIniReadBackWithEveryEscape)
{
    TestPlatform env;
    const OldTripRow row = awkwardRow();
    {
        // As the first version wrote them: through Qt's own INI writer, beside the entries.
        QSettings earlier(env.settingsFile(), QSettings::IniFormat);
        earlier.setValue(QStringLiteral("EmployeeName"), QStringLiteral("Ann"));
        earlier.setValue(QStringLiteral("RowCount"), QStringLiteral("3"));
        for (int k = 0; k < 8; ++k) {
            if (!row[static_cast<std::size_t>(k)].isNull())
                earlier.setValue(QStringLiteral("RowSource%1 2").arg(k + 1),
                                 row[static_cast<std::size_t>(k)]);
        }
        earlier.setValue(QStringLiteral("RowSource7 3"), 2.5);
        earlier.setValue(QStringLiteral("Group/RowSource1 3"), QStringLiteral("not top level"));
    }
    const OldStoreRows read = readIniTripKeys(fileBytes(env.settingsFile()));
    OldTripRow third;
    third[6] = QStringLiteral("2.5");
    expectRows(read, {{2, row}, {3, third}}, QStringLiteral("3"));
    EXPECT_TRUE(read.problems.empty()) << read.problems.front().why.toStdString();
}

// While its trips file cannot be written (here a folder older than the INI file is in its
// place), the store keeps the row keys in its INI file, written by its own INI writer.
TEST(OldStoreReaders, RowKeysTheStoreKeptInItsIniReadBack)
{
    TestPlatform env;
    const OldTripRow row = awkwardRow();
    ASSERT_TRUE(QDir().mkpath(SettingsStore::tripsFileFor(env.settingsFile())));
    {
        QSettings earlier(env.settingsFile(), QSettings::IniFormat);
        earlier.setValue(QStringLiteral("RowCount"), QStringLiteral(" 1 "));
        for (int k = 0; k < 8; ++k) {
            if (!row[static_cast<std::size_t>(k)].isNull())
                earlier.setValue(QStringLiteral("RowSource%1 1").arg(k + 1),
                                 row[static_cast<std::size_t>(k)]);
        }
    }
    const QString written = fileBytes(env.settingsFile());
    {
        SettingsStore store;
        EXPECT_THROW(store.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("7")),
                     SettingsError);
    }
    const QByteArray kept = fileBytes(env.settingsFile());
    ASSERT_TRUE(kept.contains("EmployeeID=7"));
    ASSERT_NE(kept, written.toUtf8());
    const OldStoreRows read = readIniTripKeys(kept);
    expectRows(read, {{1, row}}, QStringLiteral(" 1 "));
    EXPECT_TRUE(read.problems.empty()) << read.problems.front().why.toStdString();
}

struct TripsFileCase {
    const char* name;
    QByteArray bytes;
    std::map<int, OldTripRow> rows;
    QString rowCount;
    std::vector<int> problemLines;
};

void PrintTo(const TripsFileCase& c, std::ostream* os) { *os << c.name; }

class TripsFile : public ::testing::TestWithParam<TripsFileCase> {};

TEST_P(TripsFile, KeepsWhatReadsAndListsTheRest)
{
    const TripsFileCase& c = GetParam();
    const OldStoreRows read = readTripsFile(c.bytes);
    expectRows(read, c.rows, c.rowCount);
    std::vector<int> lines;
    for (const OldStoreProblem& p : read.problems) lines.push_back(p.line);
    EXPECT_EQ(lines, c.problemLines);
}

OldTripRow fields(std::initializer_list<const char*> texts)
{
    OldTripRow row;
    std::size_t k = 0;
    for (const char* text : texts) row[k++] = text ? QString::fromUtf8(text) : QString();
    return row;
}

const QByteArray kHead = "Brindlewick trips 1\n";

INSTANTIATE_TEST_SUITE_P(
    Files, TripsFile,
    ::testing::Values(
        TripsFileCase{"Empty", "", {}, QString(), {}},
        TripsFileCase{"HeaderOnly", kHead, {}, QString(), {}},
        TripsFileCase{"ByteOrderMark", "\xEF\xBB\xBF" + kHead + "RowCount\t1\n", {}, "1", {}},
        TripsFileCase{"NotTheHeader", "Brindlewick trips 2\nRowCount\t1\n", {}, "1", {1}},
        TripsFileCase{"BadLinesLeftOut",
                      kHead + "RowCount\t2\n0\tzero\nx\ty\n\tlead\nnothing\n1\ta\n",
                      {{1, fields({"a"})}},
                      "2",
                      {3, 4, 5, 6, 7}},
        TripsFileCase{
            "FieldsMissingOrExtraAreListedButKept",
            kHead + "1\ta\tb\n2\t1\t2\t3\t4\t5\t6\t7\t8\t9\n",
            {{1, fields({"a", "b"})}, {2, fields({"1", "2", "3", "4", "5", "6", "7", "8"})}},
            QString(),
            {2, 3}},
        TripsFileCase{
            "OddEscapesAndBareCarriageReturn",
            kHead + "1\t\\q\t\\\n2\ta\\-b\t\\-\t\\\\-\n3\tx\r\n",
            {{1, fields({"q", "\\"})}, {2, fields({"a-b", nullptr, "\\-"})}, {3, fields({"x\r"})}},
            QString(),
            {2, 3, 4}},
        TripsFileCase{"ARowGivenTwiceIsMerged",
                      kHead + "5\ta\tb\n5\tc\n",
                      {{5, fields({"c", "b"})}},
                      QString(),
                      {2, 3}},
        TripsFileCase{"BytesThatAreNotUtf8",
                      kHead + "1\tM\xfcnchen\n2\t\xef\xbf\xbd\n",
                      {{1, fields({"M\xef\xbf\xbdnchen"})}, {2, fields({"\xef\xbf\xbd"})}},
                      QString(),
                      {2, 3}}),
    [](const ::testing::TestParamInfo<TripsFileCase>& tc) { return std::string(tc.param.name); });

// What the program has always read from an INI file, through Qt's own reader: RowCount and
// the row keys at the top level, as the store turns values into text.
OldStoreRows rowsQtReads(const QByteArray& ini)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size()) return {};
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    static const QRegularExpression rowKey(QStringLiteral("^rowsource([1-8]) ([1-9][0-9]{0,9})$"));
    OldStoreRows out;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        const QString text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(QStringLiteral(", "))
                                 : value.toString();
        const QString folded = key.toCaseFolded();
        const QRegularExpressionMatch match = rowKey.match(folded);
        if (folded == QLatin1StringView("rowcount")) {
            out.rowCount = text;
        } else if (match.hasMatch() && match.captured(2).toLongLong() <= 2147483647) {
            out.rows[match.captured(2).toInt()][match.captured(1).toUInt() - 1] =
                text.isNull() ? QString(QLatin1StringView("")) : text;
        }
    }
    return out;
}

struct IniCase {
    const char* name;
    QByteArray text;
    int problems;
};

void PrintTo(const IniCase& c, std::ostream* os) { *os << c.name; }

class IniTrips : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniTrips, ReadsWhatQtsOwnReaderReads)
{
    const IniCase& c = GetParam();
    const OldStoreRows expected = rowsQtReads(c.text);
    const OldStoreRows read = readIniTripKeys(c.text);
    expectRows(read, expected.rows, expected.rowCount);
    EXPECT_EQ(static_cast<int>(read.problems.size()), c.problems);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniTrips,
    ::testing::Values(
        IniCase{"Plain", "[General]\nRowCount=2\nRowSource1%201=5/14/2016\nRowSource8%202=2.5\n",
                0},
        IniCase{"KeyInWhiteSpace", "RowSource1%201 \v\f\t=a\n\v\fRowSource1%202=b\n", 0},
        IniCase{"FormFeedBeforeABracket", "\f[Other]=x\nRowCount=1\n", 0},
        IniCase{"EmptyValues", "RowCount= ; nothing\nRowSource1%201=\nRowSource2%201=\"\"\n", 0},
        IniCase{"NoSectionCrlfAndBom", "\xEF\xBB\xBFrowcount = 4 \r\nROWSOURCE2%204=  Mart  \r\n",
                0},
        IniCase{"QuotesEscapesAndComments",
                "[General]\nRowSource4%201=\"a, b; c\" ; said\nRowSource4%202=x\\ty\\\\z\\\"\n"
                "; a comment=line\nRowSource4%203=\\x41\\x1F600\\101\\0end\\q\n",
                0},
        IniCase{"ContinuedAndQuotedLineBreaks",
                "RowSource3%201=one\\\ntwo\nRowSource3%202=\"three\nfour\"\n", 0},
        IniCase{"ListsAndBlanks",
                "RowSource2%201=a,b , c\nRowSource2%202=\"a \" ,@@b\nRowSource2%203=x,@y\n"
                "RowSource2%204=tail  \\x20\nRowSource2%205=end \\\n",
                0},
        IniCase{"TypedValues",
                "RowSource5%201=@@at\nRowSource5%202=@String(nul)\nRowSource5%203=@ByteArray(b)\n"
                "RowSource5%204=@Invalid()\nRowSource5%205=@Size(1 2)\nRowSource5%206=@Size(1)\n"
                "RowSource5%207=@Rect(1 2 3 4)\nRowSource5%208=@Other(x)\n",
                0},
        IniCase{"VariantDate", QByteArray("RowSource1%201=@Variant(\\0\\0\\0\\xe\\0%\\x7f\\xd4)\n"),
                0},
        IniCase{"SectionsAndDuplicates",
                "[Other]\nRowSource1%201=no\n[general]\nRowSource1%201=first\n[%General]\n"
                "RowSource1%202=no\n[GENERAL]\nrowsource1%201=last\n",
                1},
        IniCase{
            "KeysThatAreNoRowKeys",
            "RowSource1%2001=a\nRowSource9%201=b\nRowSource1%20-1=c\nRowSource1%2099999999999=d\n"
            "RowSource%31%201=e\nRow\\Source1%201=f\nRowSource1 1=g\n",
            5},
        IniCase{"BrokenLines",
                "no equals sign\n[unclosed\nRowSource1%201=kept\n[General]\nRowCount=1\n", 2}),
    [](const ::testing::TestParamInfo<IniCase>& tc) { return std::string(tc.param.name); });

} // namespace
} // namespace bw
