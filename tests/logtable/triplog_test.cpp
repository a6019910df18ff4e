// Tests of the trip log kept in its database: the change journal, the one-time upgrade
// from both earlier layouts, files set aside as damaged, and the read-only openings.
#include "core/claimstore.h"
#include "core/errorlocation.h"
#include "core/logbackup.h"
#include "core/logrecovery.h"
#include "core/settingsstore.h"
#include "core/steptrap.h"
#include "logtable/logtable.h"
#include "logtable/triplog.h"
#include "platform/privatefiles.h"
#include "support/fakeplatform.h"
#include "support/filemode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <set>

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

// The ids a lookup of each one by itself can read in the files at `path` as they are:
// what any recovery could get out of them, found another way than the recovery does.
std::set<qint64> readableIds(const QString& path, qint64 last)
{
    std::set<qint64> ids;
    try {
        sql::Database db(path, sql::Database::Open::ReadOnly);
        // A file cut short is read as far as it goes.
        db.exec("PRAGMA writable_schema = ON");
        sql::Statement one(db, "SELECT * FROM trips WHERE id = ?1");
        for (qint64 id = 0; id <= last; ++id) {
            try {
                one.bindInt(1, id);
                if (one.step()) ids.insert(id);
                one.reset();
            } catch (const sql::SqlError&) {
            }
        }
    } catch (const sql::SqlError&) {
    }
    return ids;
}

void copyLog(const QString& from, const QString& to)
{
    for (const char* side : {"", "-wal", "-shm"}) {
        QFile::remove(to + QLatin1String(side));
        QFile::copy(from + QLatin1String(side), to + QLatin1String(side));
    }
}

// Each kind of damage: every trip that can be read is recovered, the files are set aside as
// found, and the window says how many of how many.
TEST_F(TripLogTest, ADamagedLogIsSetAsideAsFoundAndEveryReadableTripRecovered)
{
    struct Case {
        const char* name;
        std::function<void(const QString&)> damage;
        bool inWal;  // the last change still in the write-ahead file
        qint64 held; // what the notice says the log held
    };
    const auto scribble = [](qint64 at, qint64 size, char c) {
        return [=](const QString& file) {
            QFile f(file);
            f.open(QIODevice::ReadWrite);
            f.seek(at);
            f.write(QByteArray(size, c));
        };
    };
    const Case cases[] = {
        {"not a database", scribble(0, 100, 'Z'), false, -1},
        {"a damaged page", scribble(200 * 1024, 8192, 'Z'), false, 2000},
        {"cut to half its length",
         [](const QString& file) { QFile(file).resize(QFileInfo(file).size() / 2); }, false, 2000},
        {"a damaged page and a write-ahead file", scribble(300 * 1024, 4096, 'Z'), true, 2000},
        {"a column dropped by another tool",
         [](const QString& file) {
             sql::Database(file, sql::Database::Open::ReadWrite)
                 .exec("ALTER TABLE trips DROP COLUMN description");
         },
         false, 2000},
    };
    const QString found = QFileInfo(database()).dir().filePath(QStringLiteral("found.sqlite"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(QFileInfo(database()).absolutePath()).removeRecursively();
        std::shared_ptr<LogTable> table = start();
        // A claim paid and taken back, before the trips, so its pages lie before the damage.
        const QDateTime paidAt(QDate(2026, 2, 1), QTime(9, 0), Qt::UTC);
        {
            ClaimStore claims(*log->database());
            ClaimRecord record;
            record.savedAt = paidAt;
            const qint64 number = claims.recordClaim(record, {{}, QStringLiteral("print"), {}, {}});
            claims.markPaid(number, paidAt);
            claims.markUnpaid(number, paidAt.addDays(1));
        }
        for (int i = 0; i < 1970; ++i) {
            table->AddNew();
            table->setValue(1, QString(300, QLatin1Char('p')));
            table->setValue(3, QStringLiteral("d%1").arg(i));
        }
        log->commit(*table);
        const std::vector<RateChange> rates = {{QDate(2026, 1, 1), 0.725}};
        log->database()->replaceRateChanges(rates);
        const LogUnits units{DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}};
        log->database()->setUnits(units);
        log->close(*table);
        if (c.inWal) {
            table->setValueAt(0, 1, QStringLiteral("in the write-ahead file"));
            log->commit(*table);
            copyLog(database(), found); // as a kill leaves the files
        }
        stop();
        if (c.inWal) copyLog(found, database());
        c.damage(database());
        std::map<QString, QByteArray> damaged;
        for (const char* side : {"", "-wal", "-shm"})
            damaged[QLatin1String(side)] = bytesOf(database() + QLatin1String(side));
        copyLog(database(), found);
        const std::set<qint64> readable = readableIds(found, 2000);

        table = start();
        ASSERT_EQ(log->notices().size(), 1);
        const QString notice = log->notices()[0];
        const QString aside = database() + QStringLiteral(".damaged-20260314-103000");
        EXPECT_TRUE(notice.contains(QStringLiteral("set aside unchanged as ") + aside))
            << notice.toStdString();
        for (const auto& [side, bytes] : damaged) {
            EXPECT_EQ(bytesOf(aside + side), bytes) << side.toStdString();
            if (!bytes.isEmpty()) {
                EXPECT_EQ(test::modeOf(aside + side), 0600u);
            }
        }
        std::set<qint64> recovered;
        for (int row = 0; row < table->RecordCount(); ++row)
            recovered.insert(static_cast<qint64>(table->idAt(row)));
        EXPECT_EQ(recovered, readable) << "every trip that can be read, and no other";
        const QString count = c.held < 0
                                  ? QStringLiteral("%1 (how many").arg(readable.size())
                                  : QStringLiteral("%1 of %2.").arg(readable.size()).arg(c.held);
        EXPECT_TRUE(notice.contains(QStringLiteral("recovered into a new log: ") + count))
            << notice.toStdString();
        EXPECT_FALSE(log->readOnly());
        if (c.held > 0) {
            EXPECT_EQ(log->database()->rateChanges(), rates);
            EXPECT_EQ(log->database()->units(), units);
            ClaimStore claims(*log->database());
            EXPECT_TRUE(claims.checkChain().holds);
            ASSERT_TRUE(claims.claim(1).has_value());
            EXPECT_FALSE(claims.claim(1)->paidAt.has_value()) << "the mark taken back stays so";
        }
        table->AddNew();
        log->commit(*table);
        EXPECT_EQ(bytesOf(aside), damaged[QString()]) << "never written again";
        log->noticesShown();
        stop();
        table = start();
        EXPECT_TRUE(log->notices().isEmpty()) << "said once it was shown";
        stop();
    }
}

// A start that ended during a recovery: one whose new log was complete finishes it, one
// whose was not makes it again from the same files, and both say what was recovered.
TEST_F(TripLogTest, ARecoveryLeftUnfinishedIsFinishedOrMadeAgain)
{
    for (const bool complete : {false, true}) {
        SCOPED_TRACE(complete ? "the new log complete" : "the new log not begun");
        QDir(QFileInfo(database()).absolutePath()).removeRecursively();
        std::shared_ptr<LogTable> table = start();
        for (int i = 0; i < 970; ++i) {
            table->AddNew();
            table->setValue(1, QString(300, QLatin1Char('p')));
        }
        log->close(*table);
        stop();
        QFile(database()).resize(QFileInfo(database()).size() / 2);
        const QString aside = database() + QStringLiteral(".damaged-20260314-103000");
        // What the killed start had done: the files set aside, the new log begun or built.
        ASSERT_EQ(touchPrivateFile(recoveringPath(database())), 0);
        ASSERT_EQ(
            ::link(QFile::encodeName(database()).constData(), QFile::encodeName(aside).constData()),
            0);
        const std::size_t readable = readableIds(database(), 1000).size();
        ASSERT_GT(readable, 0u);
        if (complete) {
            writeRecoveredLog(
                database(), false, salvageLog(database(), false),
                {{QString::fromLatin1(LogDatabase::kRecoveredFrom), aside},
                 {QString::fromLatin1(LogDatabase::kRecoveredKept), QString::number(readable)},
                 {QString::fromLatin1(LogDatabase::kRecoveredHeld), QStringLiteral("1000")}});
        }
        table = start();
        ASSERT_EQ(log->notices().size(), 1);
        EXPECT_EQ(log->notices()[0].contains(QStringLiteral("did not finish")), !complete)
            << log->notices()[0].toStdString();
        EXPECT_TRUE(log->notices()[0].contains(
            QStringLiteral("Trips recovered into a new log: %1 of 1000.").arg(readable)))
            << log->notices()[0].toStdString();
        EXPECT_EQ(static_cast<std::size_t>(table->RecordCount()), readable);
        EXPECT_FALSE(QFileInfo::exists(recoveringPath(database())));
        const QStringList set =
            QFileInfo(database()).dir().entryList({QStringLiteral("*.damaged-*")});
        EXPECT_EQ(set, QStringList{QFileInfo(aside).fileName()}) << "set aside once";
        stop();
    }
}

// A write-ahead file left by a kill: frames of an earlier generation after the last
// commit are no damage, a frame that fails its checksum is: SQLite would drop its change
// in silence, so the files are kept as found and the window says what was not applied.
TEST_F(TripLogTest, ADamagedWriteAheadFileIsKeptAndWhatItLosesIsSaid)
{
    struct Case {
        const char* name;
        bool restarted; // the write-ahead file began again after a checkpoint
        bool flip;      // one byte of the last change's frame changed
    };
    const QString found = QFileInfo(database()).dir().filePath(QStringLiteral("found.sqlite"));
    for (const Case& c : {Case{"an earlier generation's frames after the last", true, false},
                          Case{"a flipped byte in the last frame", false, true},
                          Case{"a flipped byte in a new generation's frame", true, true}}) {
        SCOPED_TRACE(c.name);
        QDir(QFileInfo(database()).absolutePath()).removeRecursively();
        std::shared_ptr<LogTable> table = start();
        for (int i = 0; i < 300; ++i) table->AddNew();
        log->commit(*table);
        if (c.restarted) log->database()->database().exec("PRAGMA wal_checkpoint(RESTART)");
        table->setValueAt(0, 1, QStringLiteral("last change"));
        log->commit(*table);
        copyLog(database(), found); // as a kill leaves the files
        stop();
        copyLog(found, database());
        const QString wal = database() + QStringLiteral("-wal");
        if (c.flip) {
            QFile file(wal);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            // The new generation's frames come first; else the change's are the last.
            const qint64 frames = (file.size() - 32) / (4096 + 24);
            ASSERT_GT(frames, 0);
            file.seek(32 + (c.restarted ? 0 : frames - 1) * (4096 + 24) + 24 + 100);
            const char byte = file.peek(1).at(0);
            file.write(QByteArray(1, static_cast<char>(byte ^ 0x01)));
        }
        const QByteArray walFound = bytesOf(wal);
        table = start();
        EXPECT_EQ(table->valueAt(0, 1), QVariant(QString(c.flip ? "" : "last change")));
        if (!c.flip) {
            EXPECT_TRUE(log->notices().isEmpty()) << log->notices().join(u'\n').toStdString();
            stop();
            continue;
        }
        ASSERT_EQ(log->notices().size(), 1);
        EXPECT_TRUE(
            log->notices()[0].contains(QStringLiteral("Changes that could not be applied: 1.")))
            << log->notices()[0].toStdString();
        const QString aside = database() + QStringLiteral(".damaged-20260314-103000");
        EXPECT_EQ(bytesOf(aside + QStringLiteral("-wal")), walFound);
        EXPECT_FALSE(checkWalFile(wal).damaged) << "a crash now would not find them again";
        EXPECT_FALSE(log->readOnly());
        stop();
    }
}

// Everything kept of the log is its owner's alone whatever the umask, and what an earlier
// version left open to others is narrowed once: a mode the user sets later stays.
TEST_F(TripLogTest, TheLogsFilesArePrivateWhateverTheUmaskAndEarlierOnesAreNarrowedOnce)
{
    const mode_t umaskWas = ::umask(0);
    const QString folder = QFileInfo(database()).absolutePath();
    std::shared_ptr<LogTable> table = start();
    table->setValueAt(0, 1, QStringLiteral("kept"));
    log->commit(*table);
    store->SaveSetting(QStringLiteral("EmployeeName"), QStringLiteral("Ada"));
    const BackupResult backup =
        backUpNow(log->database()->database().handle(), QDateTime(QDate(2026, 3, 14), QTime(9, 0)));
    ASSERT_TRUE(backup.ok) << backup.error.toStdString();
    const std::pair<QString, unsigned> made[] = {{folder, 0700},
                                                 {ini(), 0600},
                                                 {database(), 0600},
                                                 {database() + QStringLiteral("-wal"), 0600},
                                                 {database() + QStringLiteral("-shm"), 0600},
                                                 {database() + QStringLiteral(".lock"), 0600},
                                                 {QFileInfo(backup.path).absolutePath(), 0700},
                                                 {backup.path, 0600}};
    for (const auto& [path, mode] : made) EXPECT_EQ(test::modeOf(path), mode) << path.toStdString();
    stop();
    ::umask(umaskWas);

    // As an earlier version left them, with the log not yet marked.
    for (const auto& [path, mode] : made) ::chmod(QFile::encodeName(path).constData(), mode | 055);
    writeBytes(ini() + QStringLiteral(".imported"), "[General]\n");
    ::chmod(QFile::encodeName(ini() + QStringLiteral(".imported")).constData(), 0644);
    {
        LogDatabase db(database(), LogDatabase::Access::ReadWrite);
        db.apply({{}, {}, false, {{QString::fromLatin1(LogDatabase::kFilesPrivate), QString()}}});
    }
    start();
    stop();
    for (const auto& [path, mode] : made) {
        if (!path.endsWith(QLatin1String("-wal")) && !path.endsWith(QLatin1String("-shm"))) {
            EXPECT_EQ(test::modeOf(path), mode) << path.toStdString();
        }
    }
    EXPECT_EQ(test::modeOf(ini() + QStringLiteral(".imported")), 0600u);
    ::chmod(QFile::encodeName(ini()).constData(), 0640);
    start();
    stop();
    EXPECT_EQ(test::modeOf(ini()), 0640u) << "narrowed once, not at every start";
}

// A folder the log cannot be written in: the log is shown read-only with its trips, and
// the folder named as the cause, for a read-only disk (a read-only mount, which stops
// root too) and for a folder its user may not write (run as another user, as root may).
TEST_F(TripLogTest, ALogInAFolderThatCannotBeWrittenIsShownReadOnlyNamingTheFolder)
{
    std::shared_ptr<LogTable> table = start();
    table->setValueAt(0, 1, QStringLiteral("kept"));
    log->close(*table);
    stop();
    const QString folder = QFileInfo(database()).absolutePath();
    // What the program shows of the log, opened as it opens it by `uid` (0: this process).
    const auto openAs = [&](uid_t uid) {
        const auto look = [&] {
            table = start();
            const QString seen =
                QStringLiteral("%1 %2 %3 | %4")
                    .arg(log->readOnly())
                    .arg(table->RecordCount())
                    .arg(table->valueAt(0, 1).toString(), log->notices().join(u'|'));
            stop();
            return seen.toUtf8();
        };
        if (uid == 0) return QString::fromUtf8(look());
        int out[2];
        if (::pipe(out) != 0) return QString();
        const pid_t child = ::fork();
        if (child == 0) {
            const QByteArray seen = ::setgid(uid) == 0 && ::setuid(uid) == 0 ? look() : "no uid";
            ::_exit(::write(out[1], seen.constData(), seen.size()) == seen.size() ? 0 : 3);
        }
        ::close(out[1]);
        QFile said;
        said.open(out[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        const QString seen = QString::fromUtf8(said.readAll());
        ::waitpid(child, nullptr, 0);
        return seen;
    };
    const QString nobodyRoot = QFileInfo(QFileInfo(ini()).absolutePath()).absolutePath();
    struct Case {
        const char* name;
        std::function<bool()> lock; // false: this machine cannot make it
        std::function<void()> unlock;
        uid_t uid;
        QString cause;
    };
    const Case cases[] = {
        {"a read-only disk",
         [&] {
             return ::mount(QFile::encodeName(folder), QFile::encodeName(folder), nullptr, MS_BIND,
                            nullptr)
                        == 0
                    && ::mount(nullptr, QFile::encodeName(folder), nullptr,
                               MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)
                           == 0;
         },
         [&] { ::umount2(QFile::encodeName(folder), MNT_DETACH); }, 0,
         QStringLiteral("The disk of %1 is read-only.").arg(folder)},
        {"a folder its user may not write",
         [&] {
             return QProcess::execute(
                        QStringLiteral("chown"),
                        {QStringLiteral("-R"), QStringLiteral("65534:65534"), nobodyRoot})
                        == 0
                    && ::chmod(QFile::encodeName(folder), 0500) == 0;
         },
         [&] {
             ::chmod(QFile::encodeName(folder), 0700);
             QProcess::execute(QStringLiteral("chown"),
                               {QStringLiteral("-R"), QStringLiteral("0:0"), nobodyRoot});
         },
         65534, QStringLiteral("There is no permission to write %1.").arg(folder)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.lock()) {
            c.unlock();
            GTEST_SKIP() << "this machine cannot make " << c.name;
        }
        QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
        const bool refused = c.uid != 0 || !probe.open(QIODevice::WriteOnly);
        const QString seen = openAs(c.uid);
        c.unlock();
        ASSERT_TRUE(refused) << "the folder still took a file";
        // Read-only, with its 30 rows and the edit kept, and the folder named.
        EXPECT_EQ(seen, QStringLiteral("1 30 kept | The trip log %1 cannot be written: %2 This "
                                       "window shows it read-only; changes to trips are not kept.")
                            .arg(database(), c.cause));
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
