// Tests of the settings store: where it lives and what survives a round trip.
#include "core/settingsstore.h"
#include "support/fakeplatform.h"
#include "support/smalldisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <gtest/gtest.h>

#include <ostream>

namespace bw {
namespace {

using test::TestPlatform;

QString fileText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct ValueCase {
    const char* name;
    QString key;
    QString value;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class SettingsRoundTrip : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SettingsRoundTrip, ValueComesBackUnchangedInANewStore)
{
    TestPlatform env;
    {
        SettingsStore store;
        store.SaveSetting(GetParam().key, GetParam().value);
    }
    SettingsStore reopened;
    EXPECT_TRUE(reopened.contains(GetParam().key));
    EXPECT_EQ(reopened.GetSetting(GetParam().key, QStringLiteral("default")), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsRoundTrip,
    ::testing::Values(
        ValueCase{"RowKeyWithBlank", QStringLiteral("RowSource1 1"), QStringLiteral("5/14/2016")},
        ValueCase{"HighRowKey", QStringLiteral("RowSource8 100000"), QStringLiteral("6.25")},
        ValueCase{"Commas", QStringLiteral("VehicleDescription"),
                  QStringLiteral("Van, white, 2 doors")},
        ValueCase{"Quotes", QStringLiteral("EmployeeName"), QStringLiteral("Michael \"Mike\" Jr.")},
        ValueCase{"LeadingAt", QStringLiteral("AuthorizedBy"), QStringLiteral("@Variant(nope)")},
        ValueCase{"Unicode", QStringLiteral("AuthorizedBy"),
                  QStringLiteral("Zoë Šťastná – 東京 €")},
        ValueCase{"EmptyText", QStringLiteral("RatePerMile"), QString(QLatin1String(""))},
        ValueCase{"BlanksKept", QStringLiteral("EmployeeID"), QStringLiteral("  DR 005  ")},
        ValueCase{"IniSyntax", QStringLiteral("RowSource4 3"), QStringLiteral("a=b; [c] \\d #e")},
        ValueCase{"LineBreaks", QStringLiteral("RowSource4 2"), QStringLiteral("one\r\ntwo")},
        // The same in the INI file, which this store writes itself.
        ValueCase{"IniSyntaxInAnEntry", QStringLiteral("EmployeeName"),
                  QStringLiteral(" a=b; [c] \\d #e \"q\" ")},
        ValueCase{"ControlsInAnEntry", QStringLiteral("AuthorizedBy"),
                  QStringLiteral("one\r\ntwo\tthree\u00014f\u007f")},
        ValueCase{"OutsideTheBmp", QStringLiteral("VehicleDescription"),
                  QStringLiteral("@@ \U0001F697 van")}),
    [](const ::testing::TestParamInfo<ValueCase>& tc) { return std::string(tc.param.name); });

TEST(SettingsStore, EmptyTextIsAStoredValueNotAMissingKey)
{
    TestPlatform env;
    SettingsStore store;
    EXPECT_FALSE(store.contains(QStringLiteral("EmployeeName")));
    EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName"), QStringLiteral("x")),
              QStringLiteral("x"));
    store.SaveSetting(QStringLiteral("EmployeeName"), QString());
    EXPECT_TRUE(store.contains(QStringLiteral("EmployeeName")));
    EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName"), QStringLiteral("x")), QString());
}

TEST(SettingsStore, KeysAreCaseInsensitiveAndOneKeyIsKeptPerName)
{
    TestPlatform env;
    writeFile(env.settingsFile(), "[General]\nrowcount=12\n");
    SettingsStore store;
    EXPECT_EQ(store.GetSetting(QStringLiteral("RowCount"), QStringLiteral("30")),
              QStringLiteral("12"));
    store.SaveSetting(QStringLiteral("ROWCOUNT"), QStringLiteral("31"));
    store.SaveSetting(QStringLiteral("rowSource1 1"), QStringLiteral("a"));
    store.SaveSetting(QStringLiteral("ROWSOURCE1 1"), QStringLiteral("b"));

    SettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("rowCount")), QStringLiteral("31"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource1 1")), QStringLiteral("b"));
    // RowCount and the rows moved to the trips file, once each.
    const QString text =
        fileText(env.settingsFile()) + fileText(SettingsStore::tripsFileFor(env.settingsFile()));
    EXPECT_EQ(text.count(QStringLiteral("31")), 1);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("(?im)^(rowsource1 )?1[\t=]"))), 1);
}

TEST(SettingsStore, EveryWriteIsOnDiskWhenSaveSettingReturns)
{
    TestPlatform env;
    SettingsStore store;
    store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("A"));
    EXPECT_TRUE(fileText(env.settingsFile()).contains(QStringLiteral("EmployeeName=A\n")));
    store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Ab"));
    EXPECT_TRUE(fileText(env.settingsFile()).contains(QStringLiteral("EmployeeName=Ab\n")));
    store.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("7"));
    const QString text = fileText(env.settingsFile());
    EXPECT_TRUE(text.contains(QStringLiteral("EmployeeName=Ab\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("EmployeeID=7\n")));
    // Written through a temporary file renamed over the old one: nothing else is left.
    const QStringList entries = QFileInfo(env.settingsFile()).dir().entryList(QDir::Files);
    EXPECT_EQ(entries, QStringList({QStringLiteral("Brindlewick.ini")}));
}

TEST(SettingsStore, WritingBackTheStoredValueLeavesTheFileAlone)
{
    TestPlatform env;
    SettingsStore store;
    store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Ann"));
    ASSERT_TRUE(QFile::remove(env.settingsFile()));
    store.SaveSetting(QStringLiteral("employeename"), QStringLiteral("Ann"));
    EXPECT_FALSE(QFileInfo::exists(env.settingsFile()));
    store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Anne"));
    EXPECT_TRUE(QFileInfo::exists(env.settingsFile()));
}

TEST(SettingsStore, ABatchWritesOnceWhenItsOutermostCommits)
{
    TestPlatform env;
    SettingsStore store;
    {
        SettingsStore::Batch outer(store);
        store.SaveSetting(QStringLiteral("RowCount"), QStringLiteral("2"));
        {
            SettingsStore::Batch inner(store);
            store.SaveSetting(QStringLiteral("RowSource1 1"), QStringLiteral("x"));
            inner.commit();
        }
        store.SaveSetting(QStringLiteral("RowSource1 2"), QStringLiteral("y"));
        EXPECT_FALSE(QFileInfo::exists(env.settingsFile()));
        // Reads inside the batch see the pending values.
        EXPECT_EQ(store.GetSetting(QStringLiteral("rowsource1 1")), QStringLiteral("x"));
        outer.commit();
    }
    SettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowCount")), QStringLiteral("2"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RowSource1 2")), QStringLiteral("y"));
}

// Ending is not committing: nothing is written, and nothing is lost either.
TEST(SettingsStore, ABatchLeftWithoutCommitKeepsItsValuesForTheNextWrite)
{
    TestPlatform env;
    SettingsStore store;
    {
        SettingsStore::Batch batch(store);
        store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("A"));
    }
    EXPECT_FALSE(QFileInfo::exists(env.settingsFile()));
    EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("A"));
    store.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("7"));
    SettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("A"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeID")), QStringLiteral("7"));
}

// A folder that cannot be created (a plain file stands in its way) fails for every
// user, root included, unlike permission bits.
QString unwritableSettingsFile(const TestPlatform& env)
{
    const QString blocker = QDir(env.tempRoot()).filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return QDir(blocker).filePath(QStringLiteral("Brindlewick.ini"));
}

TEST(SettingsStore, AFailedWriteThrowsSettingsError)
{
    TestPlatform env;
    Platform p = platform();
    p.settingsFile = unwritableSettingsFile(env);
    PlatformOverride unwritable(p);

    SettingsStore store;
    try {
        store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("A"));
        ADD_FAILURE() << "written";
    } catch (const SettingsError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).endsWith(
            QStringLiteral(": %1 is a file, not a folder.")
                .arg(QFileInfo(p.settingsFile).absolutePath())))
            << e.what();
    }

    SettingsStore::Batch batch(store);
    store.SaveSetting(QStringLiteral("RowCount"), QStringLiteral("1"));
    EXPECT_THROW(batch.commit(), SettingsError);
}

// The error says what stands in the way, and the value stays for the next write.
TEST(SettingsStore, AFailedWriteNamesItsCause)
{
    const struct {
        test::SmallDisk::Kind disk;
        const char* cause;
    } cases[] = {
        {test::SmallDisk::Kind::Full, "The disk is full (writing "},
        {test::SmallDisk::Kind::ReadOnly, " is read-only."},
    };
    for (const auto& c : cases) {
        TestPlatform env;
        const QString folder = QDir(env.tempRoot()).filePath(QStringLiteral("disk"));
        const test::SmallDisk disk(folder, c.disk);
        if (!disk.problem().empty()) GTEST_SKIP() << disk.problem();
        Platform p = platform();
        p.settingsFile = QDir(folder).filePath(QStringLiteral("Brindlewick.ini"));
        PlatformOverride onDisk(p);

        SettingsStore store;
        try {
            store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("A"));
            ADD_FAILURE() << "written";
        } catch (const SettingsError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(
                QStringLiteral("Cannot write the settings to ") + p.settingsFile + ": "))
                << e.what();
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QLatin1String(c.cause))) << e.what();
        }
        EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("A"));
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                  c.disk == test::SmallDisk::Kind::Full ? QStringList{QStringLiteral("filler")}
                                                        : QStringList());
    }
}

// An INI file as earlier versions wrote it: every key at the top level, rows included.
TEST(SettingsStore, AnIniOfTheEarlierLayoutIsReadWholeAndItsRowsMoveOut)
{
    TestPlatform env;
    const QList<std::pair<QString, QString>> keys = {
        {QStringLiteral("EmployeeName"), QStringLiteral("Ann, \"A\"")},
        {QStringLiteral("RowCount"), QStringLiteral("2")},
        {QStringLiteral("RowSource1 1"), QStringLiteral("one\r\ntwo\tthree \\ four")},
        {QStringLiteral("RowSource8 2"), QStringLiteral("6.25")},
        {QStringLiteral("RowSource4 2"), QString(QLatin1String(""))},
        {QStringLiteral("RowSource2 40"), QStringLiteral("beyond the count")},
        {QStringLiteral("RowSource1 01"), QStringLiteral("not a row key")},
        {QStringLiteral("RowSource9 1"), QStringLiteral("nor this")}};
    {
        QSettings earlier(env.settingsFile(), QSettings::IniFormat);
        for (const auto& [key, value] : keys) earlier.setValue(key, value);
    }
    const auto expectAll = [&](const SettingsStore& store) {
        for (const auto& [key, value] : keys) {
            EXPECT_TRUE(store.contains(key)) << key.toStdString();
            EXPECT_EQ(store.GetSetting(key, QStringLiteral("missing")), value) << key.toStdString();
        }
        EXPECT_FALSE(store.contains(QStringLiteral("RowSource2 2")));
    };
    {
        SettingsStore store;
        expectAll(store);
        store.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("7"));
    }
    EXPECT_FALSE(fileText(env.settingsFile()).contains(QStringLiteral("RowSource8")));
    EXPECT_TRUE(fileText(env.settingsFile()).contains(QStringLiteral("not a row key")));
    SettingsStore reopened;
    expectAll(reopened);
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeID")), QStringLiteral("7"));
}

TEST(SettingsStore, AFieldWriteLeavesTheTripsFileAlone)
{
    TestPlatform env;
    SettingsStore store;
    {
        SettingsStore::Batch batch(store);
        store.SaveSetting(QStringLiteral("RowCount"), QStringLiteral("2"));
        store.SaveTripField(1, 2, QStringLiteral("x"));
        batch.commit();
    }
    const QString trips = SettingsStore::tripsFileFor(env.settingsFile());
    const QString text = fileText(trips);
    ASSERT_TRUE(QFile::remove(trips));
    store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("B"));
    EXPECT_FALSE(QFileInfo::exists(trips));
    EXPECT_FALSE(fileText(env.settingsFile()).contains(QStringLiteral("RowCount")));
    EXPECT_EQ(text,
              QStringLiteral(
                  "Brindlewick trips 1\nRowCount\t2\n2\tx\t\\-\t\\-\t\\-\t\\-\t\\-\t\\-\t\\-\n"));
}

TEST(SettingsStore, TwoInstancesKeepEachOthersKeysAndTheLastWriterWins)
{
    TestPlatform env;
    SettingsStore first;
    SettingsStore second;
    first.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("first"));
    first.SaveTripField(1, 50, QStringLiteral("first's row"));
    second.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("second"));
    second.SaveTripField(1, 2, QStringLiteral("second's row"));
    second.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("second"));
    first.SaveTripField(1, 2, QStringLiteral("first again"));

    const SettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("second"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeID")), QStringLiteral("second"));
    EXPECT_EQ(reopened.GetTripField(1, 50, QString()), QStringLiteral("first's row"));
    EXPECT_EQ(reopened.GetTripField(1, 2, QString()), QStringLiteral("first again"));
}

// Writes of the same length follow each other within one tick of the file clock when a
// date picker moves; another store, and a fresh one, must still see the last of them.
TEST(SettingsStore, QuickWritesOfTheSameLengthAreSeenByOtherStores)
{
    TestPlatform env;
    SettingsStore writer;
    const SettingsStore watcher;
    for (int day = 1; day <= 200; ++day) {
        // Sometimes two writes between two reads: the second may fall in the tick the
        // readers saw last.
        for (int again = 0; again <= day % 2; ++again) {
            writer.SaveSetting(QStringLiteral("PeriodFrom"),
                               QStringLiteral("%1 Mar 2026").arg((day + again) % 9 + 1));
        }
        const QString value = QStringLiteral("%1 Mar 2026").arg((day + day % 2) % 9 + 1);
        ASSERT_EQ(SettingsStore().GetSetting(QStringLiteral("PeriodFrom")), value)
            << "write " << day;
        ASSERT_EQ(watcher.GetSetting(QStringLiteral("PeriodFrom")), value) << "write " << day;
    }
}

// A write fails exactly when it does not reach the disk: not after an earlier failure,
// not because of a malformed line in the file.
TEST(SettingsStore, FailuresDoNotStick)
{
    TestPlatform env;
    writeFile(env.settingsFile(),
              "[General]\nEmployeeName=Ann\nthis line has no equals sign\n[broken\n");
    const QString folder = QFileInfo(env.settingsFile()).absolutePath();
    SettingsStore store;
    EXPECT_EQ(store.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("Ann"));
    EXPECT_NO_THROW(store.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("1")));

    // The folder becomes a plain file: refused for every user, root included.
    ASSERT_TRUE(QDir().rename(folder, folder + QStringLiteral(".away")));
    writeFile(folder, "in the way");
    EXPECT_THROW(store.SaveSetting(QStringLiteral("EmployeeID"), QStringLiteral("2")),
                 SettingsError);
    EXPECT_THROW(store.SaveTripField(1, 1, QStringLiteral("row")), SettingsError);

    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().rename(folder + QStringLiteral(".away"), folder));
    EXPECT_NO_THROW(store.SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Bo")));
    const SettingsStore reopened; // what failed before went with the good write
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeID")), QStringLiteral("2"));
    EXPECT_EQ(reopened.GetTripField(1, 1, QString()), QStringLiteral("row"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("Bo"));
}

TEST(SettingsStore, WithoutAnOverrideTheFileIsInTheUsersConfigurationFolder)
{
    TestPlatform env;
    Platform p = platform();
    p.settingsFile.clear();
    PlatformOverride native(p);
    const SettingsStore store; // opened only; this test writes nothing
    const QString configHome =
        qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    EXPECT_EQ(
        QFileInfo(store.fileName()).absoluteFilePath(),
        QFileInfo(configHome + QStringLiteral("/Varnholt/Brindlewick.ini")).absoluteFilePath());
}

} // namespace
} // namespace bw
