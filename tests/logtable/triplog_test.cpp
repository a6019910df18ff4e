// Tests of the trip log kept in its database: the change journal, the one-time upgrade
// from both earlier layouts, files set aside as damaged, and the read-only openings.
#include "core/errorlocation.h"
#include "core/settingsstore.h"
#include "core/steptrap.h"
#include "logtable/logtable.h"
#include "logtable/triplog.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace bw {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

std::vector<std::vector<QVariant>> rowsOf(const LogTable& table)
{
    std::vector<std::vector<QVariant>> rows;
    for (int r = 0; r < table.RecordCount(); ++r) {
        std::vector<QVariant> row;
        for (int k = 0; k < LogTable::kFieldCount; ++k) row.push_back(table.valueAt(r, k));
        rows.push_back(row);
    }
    return rows;
}

std::shared_ptr<LogTable> openTable()
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    return table;
}

class TripLogTest : public ::testing::Test {
protected:
    QString ini() const { return platform.settingsFile(); }
    QString trips() const { return SettingsStore::tripsFileFor(ini()); }
    QString database() const { return LogDatabase::defaultPath(); }
    // Opens the log as the program does and restores it into a new table.
    std::shared_ptr<LogTable> start(TripLog::Access access = TripLog::Access::Program)
    {
        store = std::make_unique<SettingsStore>();
        log = std::make_unique<TripLog>(*store, access);
        auto table = openTable();
        StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
        log->restoreInto(*table, trap);
        return table;
    }
    void stop()
    {
        log.reset();
        store.reset();
    }

    test::TestPlatform platform;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TripLog> log;
};

// Each case starts from five kept rows with ids 1-5 and orders 1-5.
TEST(TripJournal, NamesExactlyTheRowsToWriteAndKeepsTheOrderRising)
{
    struct Case {
        const char* name;
        std::function<void(LogTable&)> change;
        std::vector<int> rows;
        std::vector<LogTable::Bookmark> removed;
    };
    const std::vector<Case> cases = {
        {"one cell", [](LogTable& t) { t.setValueAt(2, 3, QStringLiteral("x")); }, {2}, {}},
        {"cursor write",
         [](LogTable& t) {
             t.setPosition(4);
             t.setValue(6, 2.5);
         },
         {4},
         {}},
        {"insert between", [](LogTable& t) { t.insertRow(1, {}); }, {1}, {}},
        {"insert first", [](LogTable& t) { t.insertRow(0, {}); }, {0}, {}},
        {"append", [](LogTable& t) { t.AddNew(); }, {5}, {}},
        {"delete",
         [](LogTable& t) {
             t.setPosition(0);
             t.Delete();
         },
         {},
         {1}},
        {"edit then delete",
         [](LogTable& t) {
             t.setValueAt(1, 0, QStringLiteral("d"));
             t.setPosition(1);
             t.Delete();
         },
         {},
         {2}},
        {"undo a delete",
         [](LogTable& t) {
             t.setPosition(2);
             t.Delete();
             t.insertRow(2, {}, 3);
         },
         {2},
         {}},
        {"edit after rows moved",
         [](LogTable& t) {
             t.setValueAt(3, 0, QStringLiteral("m"));
             t.insertRow(0, {});
         },
         {0, 4},
         {}},
    };
    for (const Case& c : cases) {
        LogTable table;
        table.openWithTripFields();
        for (int id = 1; id <= 5; ++id)
            table.appendKept(static_cast<LogTable::Bookmark>(id), id, {});
        EXPECT_TRUE(table.journal().empty()) << c.name;
        c.change(table);
        const LogTable::Journal journal = table.journal();
        EXPECT_EQ(journal.rows, c.rows) << c.name;
        EXPECT_EQ(journal.removed, c.removed) << c.name;
        for (int r = 1; r < table.RecordCount(); ++r) {
            EXPECT_LT(table.orderAt(r - 1), table.orderAt(r)) << c.name << " row " << r;
        }
        table.clearJournal();
        EXPECT_TRUE(table.journal().empty()) << c.name;
    }
}

TEST(TripJournal, EveryTableAndEveryCopyHasItsOwnSerial)
{
    LogTable table;
    LogTable copy = table;
    LogTable assigned;
    const std::uint64_t before = assigned.serial();
    assigned = table;
    EXPECT_NE(copy.serial(), table.serial());
    EXPECT_NE(assigned.serial(), table.serial());
    EXPECT_NE(assigned.serial(), before);
}

TEST(TripJournal, InsertsIntoOneGapRenumberWhenNoKeyFits)
{
    LogTable table;
    table.openWithTripFields();
    table.appendKept(1, 1, {});
    table.appendKept(2, 2, {});
    bool renumbered = false;
    for (int i = 0; i < 80; ++i) {
        table.clearJournal();
        table.insertRow(1, {});
        renumbered =
            renumbered
            || table.journal().rows.size() == static_cast<std::size_t>(table.RecordCount());
        for (int r = 1; r < table.RecordCount(); ++r)
            ASSERT_LT(table.orderAt(r - 1), table.orderAt(r));
    }
    EXPECT_TRUE(renumbered) << "80 halvings of one gap run out of doubles";
}

TEST_F(TripLogTest, FirstStartMakesThirtyBlankRowsAndKeepsThem)
{
    std::shared_ptr<LogTable> table = start();
    EXPECT_TRUE(log->notices().isEmpty());
    EXPECT_FALSE(log->readOnly());
    ASSERT_EQ(table->RecordCount(), 30);
    EXPECT_EQ(table->valueAt(0, 0), QVariant(QString()));
    EXPECT_EQ(table->valueAt(0, 6), QVariant(0.0));
    table->setValueAt(4, 1, QStringLiteral("Depot"));
    log->commit(*table);
    stop();
    table = start();
    ASSERT_EQ(table->RecordCount(), 30) << "blank rows are made once, not at every start";
    EXPECT_EQ(table->valueAt(4, 1), QVariant(QStringLiteral("Depot")));
    EXPECT_EQ(log->rowCountAtClose(), QString()) << "no close yet";
}

TEST_F(TripLogTest, ChangesAndCloseReachTheNextStart)
{
    std::shared_ptr<LogTable> table = start();
    table->setPosition(0);
    table->Delete();
    table->insertRow(3, {QStringLiteral("ins"), {}, {}, {}, {}, {}, 1.5, {}});
    log->commit(*table);
    const auto expected = rowsOf(*table);
    const LogTable::Bookmark insertedId = table->idAt(3);
    log->close(*table);
    stop();
    table = start();
    EXPECT_EQ(rowsOf(*table), expected);
    EXPECT_EQ(table->idAt(3), insertedId);
    EXPECT_EQ(log->rowCountAtClose(), QStringLiteral("30"));

    // A new table (Delete All) is written whole, ids and all.
    auto fresh = openTable();
    fresh->AddNew();
    fresh->setValue(0, QStringLiteral("only"));
    log->commit(*fresh);
    stop();
    table = start();
    ASSERT_EQ(table->RecordCount(), 1);
    EXPECT_EQ(table->valueAt(0, 0), QVariant(QStringLiteral("only")));
}

// The trips file exactly as version 1.1 wrote it: every escape, a key not stored, and
// a RowCount that asks for one row more than the file holds.
TEST_F(TripLogTest, UpgradeImportsTheTripsFileOnceAndRenamesIt)
{
    const QByteArray file = "Brindlewick trips 1\n"
                            "RowCount\t3\n"
                            "1\t5/14/2016\tStore\tMini mall\ttab\\there\\nnew\\rline \\\\ end"
                            "\t58114\t58116\t2\t2.5\n"
                            "2\t\\-\tMart\t\t\t58116\t58121\t5\t6.25\n";
    writeBytes(trips(), file);
    writeBytes(ini(), "[General]\nEmployeeName=Pat\n");
    std::shared_ptr<LogTable> table = start();
    EXPECT_TRUE(log->notices().isEmpty()) << log->notices().join(u'\n').toStdString();
    const std::vector<std::vector<QVariant>> expected = {
        {QStringLiteral("5/14/2016"), QStringLiteral("Store"), QStringLiteral("Mini mall"),
         QStringLiteral("tab\there\nnew\rline \\ end"), QStringLiteral("58114"),
         QStringLiteral("58116"), 2.0, 2.5},
        {QString(), QStringLiteral("Mart"), QString(), QString(), QStringLiteral("58116"),
         QStringLiteral("58121"), 5.0, 6.25},
        {QString(), QString(), QString(), QString(), QString(), QString(), 0.0, 0.0},
    };
    EXPECT_EQ(rowsOf(*table), expected);
    EXPECT_FALSE(QFile::exists(trips()));
    EXPECT_EQ(bytesOf(trips() + QStringLiteral(".imported")), file);
    EXPECT_EQ(log->rowCountAtClose(), QStringLiteral("3"));
    stop();
    writeBytes(trips(), "Brindlewick trips 1\nRowCount\t1\n1\tlater\t\t\t\t\t\t0\t0\n");
    table = start();
    EXPECT_EQ(table->RecordCount(), 3) << "imported once only";
    EXPECT_TRUE(QFile::exists(trips())) << "a later trips file is left alone";
}

// Version 1.0 kept the rows in the INI file itself, under QSettings' escapes.
TEST_F(TripLogTest, UpgradeImportsTheRowKeysOfAnIniFileOnce)
{
    const QByteArray file = "[General]\n"
                            "EmployeeName=Pat Doe\n"
                            "RowCount=2\n"
                            "RowSource1%201=5/14/2016\n"
                            "RowSource2%201=\"Store, back\"\n"
                            "RowSource4%201=say \\\"hi\\\"\\ttab\\nline\n"
                            "RowSource7%201=12.5\n"
                            "RowSource8%201=junk\n"
                            "RowSource3%202=Mart\n";
    writeBytes(ini(), file);
    std::shared_ptr<LogTable> table = start();
    EXPECT_TRUE(log->notices().isEmpty());
    ASSERT_EQ(table->RecordCount(), 2);
    const std::vector<QVariant> first = {QStringLiteral("5/14/2016"),
                                         QStringLiteral("Store, back"),
                                         QString(),
                                         QStringLiteral("say \"hi\"\ttab\nline"),
                                         QString(),
                                         QString(),
                                         12.5,
                                         0.0};
    EXPECT_EQ(rowsOf(*table)[0], first);
    EXPECT_EQ(table->valueAt(1, 2), QVariant(QStringLiteral("Mart")));
    EXPECT_EQ(bytesOf(ini() + QStringLiteral(".imported")), file);
    const QByteArray after = bytesOf(ini());
    EXPECT_EQ(after.indexOf("RowSource"), -1) << after.toStdString();
    EXPECT_NE(after.indexOf("EmployeeName=Pat Doe"), -1) << "the entries stay";
    EXPECT_EQ(store->GetSetting(QStringLiteral("EmployeeName")), QStringLiteral("Pat Doe"));
    EXPECT_FALSE(QFile::exists(trips())) << "no trips file is made";
}

TEST_F(TripLogTest, ATripsFileWithUnreadableLinesIsSetAsideAndItsGoodRowsKept)
{
    const QByteArray file = "Brindlewick trips 1\nRowCount\t2\n1\tgood\t\t\t\t\t\t1\t2\n"
                            "this line is damage\n2\tshort\tline\n";
    writeBytes(trips(), file);
    std::shared_ptr<LogTable> table = start();
    ASSERT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(table->valueAt(0, 0), QVariant(QStringLiteral("good")));
    EXPECT_EQ(table->valueAt(1, 1), QVariant(QStringLiteral("line")));
    const QString aside = trips() + QStringLiteral(".damaged-20260314-103000");
    EXPECT_EQ(bytesOf(aside), file);
    EXPECT_FALSE(QFile::exists(trips()));
    ASSERT_EQ(log->notices().size(), 1);
    EXPECT_NE(log->notices()[0].indexOf(QStringLiteral("could not be read: 2.")), -1)
        << log->notices()[0].toStdString();
    EXPECT_NE(log->notices()[0].indexOf(QStringLiteral("Trips recovered: 2.")), -1);
}

TEST_F(TripLogTest, ADamagedDatabaseIsSetAsideWhole)
{
    for (const bool notADatabase : {true, false}) {
        SCOPED_TRACE(notADatabase ? "not a database" : "damaged pages");
        QDir(QFileInfo(database()).absolutePath()).removeRecursively();
        std::shared_ptr<LogTable> table = start();
        for (int i = 0; i < 2000; ++i) {
            table->AddNew();
            table->setValue(1, QString(300, QLatin1Char('p')));
        }
        log->commit(*table);
        const std::vector<RateChange> rates = {{QDate(2026, 1, 1), 0.725}};
        log->database()->replaceRateChanges(rates);
        const LogUnits units{DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}};
        log->database()->setUnits(units);
        log->close(*table);
        stop();
        QFile scribble(database());
        ASSERT_TRUE(scribble.open(QIODevice::ReadWrite));
        scribble.seek(notADatabase ? 0 : 200 * 1024);
        scribble.write(QByteArray(notADatabase ? 100 : 8192, '\x5A'));
        scribble.close();
        const QByteArray damaged = bytesOf(database());
        table = start();
        const QString aside = database() + QStringLiteral(".damaged-20260314-103000");
        EXPECT_EQ(bytesOf(aside), damaged);
        ASSERT_EQ(log->notices().size(), 1);
        EXPECT_NE(log->notices()[0].indexOf(QStringLiteral("set aside unchanged")), -1);
        EXPECT_FALSE(log->readOnly());
        if (notADatabase) {
            EXPECT_EQ(table->RecordCount(), 0);
        } else {
            EXPECT_GT(table->RecordCount(), 0) << "the readable trips are recovered";
            EXPECT_LT(table->RecordCount(), 2030);
        }
        EXPECT_EQ(log->database()->rateChanges(), notADatabase ? std::vector<RateChange>() : rates)
            << "the rate changes are recovered with the trips";
        EXPECT_EQ(log->database()->units(), notADatabase ? LogUnits() : units);
        table->AddNew();
        log->commit(*table);
        EXPECT_EQ(bytesOf(aside), damaged) << "never written again";
        stop();
    }
}

TEST_F(TripLogTest, ASecondWriterAndANewerSchemaGetTheLogReadOnly)
{
    std::shared_ptr<LogTable> table = start();
    table->setValueAt(0, 0, QStringLiteral("first"));
    log->commit(*table);
    SettingsStore otherStore;
    TripLog other(otherStore, TripLog::Access::Program);
    EXPECT_TRUE(other.readOnly());
    ASSERT_EQ(other.notices().size(), 1);
    EXPECT_NE(other.notices()[0].indexOf(QStringLiteral("open in another Brindlewick window")), -1);
    auto seen = openTable();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    other.restoreInto(*seen, trap);
    EXPECT_EQ(seen->valueAt(0, 0), QVariant(QStringLiteral("first")));
    seen->setValueAt(0, 0, QStringLiteral("ignored"));
    other.commit(*seen);
    stop();

    {
        LogDatabase db(database(), LogDatabase::Access::ReadWrite);
        const QByteArray newer =
            "PRAGMA user_version = " + QByteArray::number(LogDatabase::kSchemaVersion + 1);
        db.database().exec(newer.constData());
    }
    table = start();
    EXPECT_TRUE(log->readOnly());
    EXPECT_NE(log->notices().join(u' ').indexOf(QStringLiteral("newer version")), -1);
    EXPECT_EQ(table->valueAt(0, 0), QVariant(QStringLiteral("first")));
}

TEST_F(TripLogTest, TheReaderReadsTheDatabaseOrElseTheEarlierStore)
{
    writeBytes(trips(), "Brindlewick trips 1\nRowCount\t1\n1\told\t\t\t\t\t\t0\t0\n");
    std::shared_ptr<LogTable> table = start(TripLog::Access::Reader);
    ASSERT_EQ(table->RecordCount(), 1);
    EXPECT_EQ(table->valueAt(0, 0), QVariant(QStringLiteral("old")));
    EXPECT_FALSE(QFile::exists(database()));
    stop();
    table = start();
    table->setValueAt(0, 0, QStringLiteral("new"));
    log->commit(*table);
    log->close(*table);
    stop();
    const QByteArray before = bytesOf(database());
    table = start(TripLog::Access::Reader);
    EXPECT_EQ(table->valueAt(0, 0), QVariant(QStringLiteral("new")));
    table->setValueAt(0, 0, QStringLiteral("not kept"));
    log->commit(*table);
    stop();
    EXPECT_EQ(bytesOf(database()), before);
}

// A power cut loses what is only in the write-ahead log: the database file alone (what
// the disk is sure to hold after a checkpoint) has the edit within two seconds.
TEST_F(TripLogTest, ACommitReachesTheDatabaseFileWithinTwoSeconds)
{
    std::shared_ptr<LogTable> table = start();
    const QString copy = QFileInfo(database()).absolutePath() + QStringLiteral("/alone.sqlite");
    const auto fileAloneHas = [&](const QString& text) {
        QFile::remove(copy);
        QFile::copy(database(), copy);
        LogDatabase alone(copy, LogDatabase::Access::ReadOnly);
        return alone.tripsInOrder().at(0).trip.date == QVariant(text);
    };
    log->database()->checkpoint(); // the new log's schema and rows
    ASSERT_TRUE(fileAloneHas(QString()));
    table->setValueAt(0, 0, QStringLiteral("late"));
    log->commit(*table);
    EXPECT_FALSE(fileAloneHas(QStringLiteral("late"))) << "committed to the log file first";
    QTest::qWait(2000);
    EXPECT_TRUE(fileAloneHas(QStringLiteral("late")));
}

// A log begun here takes its locale's unit and currency; one the user kept in an earlier
// version (settings or trips) goes on in miles and dollars.
TEST_F(TripLogTest, ANewLogTakesTheLocalesUnitsAndAKeptOneStaysInMilesAndDollars)
{
    struct Case {
        const char* name;
        QLocale locale;
        const char* ini;   // nothing for a first start
        const char* trips; // the earlier trips file, if any
        LogUnits units;
    };
    const QLocale german(QLocale::German, QLocale::Germany);
    const LogUnits euro{DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}};
    const Case cases[] = {
        {"first start, de_DE", german, nullptr, nullptr, euro},
        {"first start, en_GB",
         QLocale(QLocale::English, QLocale::UnitedKingdom),
         nullptr,
         nullptr,
         {DistanceUnit::Miles, {QStringLiteral("£")}}},
        {"first start, C", QLocale::c(), nullptr, nullptr, {}},
        {"kept settings, de_DE", german, "[General]\nRatePerMile=0.3\n", nullptr, {}},
        {"kept trips, de_DE",
         german,
         nullptr,
         "Brindlewick trips 1\nRowCount\t1\n1\tlater\t\t\t\t\t\t0\t0\n",
         {}},
    };
    const QLocale was;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QLocale::setDefault(c.locale);
        if (c.ini) writeBytes(ini(), c.ini);
        if (c.trips) writeBytes(trips(), c.trips);
        start();
        ASSERT_NE(log->database(), nullptr);
        EXPECT_EQ(log->database()->units(), c.units);
        stop();
        // Kept from then on, whatever the locale of a later start.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        start();
        EXPECT_EQ(log->database()->units(), c.units);
        stop();
        for (const QString& file : QDir(QFileInfo(database()).path()).entryList(QDir::Files))
            QFile::remove(QFileInfo(database()).dir().filePath(file));
    }
    QLocale::setDefault(was);
}

} // namespace
} // namespace bw
