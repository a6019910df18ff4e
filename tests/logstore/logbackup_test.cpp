// Tests of the log's backups: names, retention, copies of a live log, restore, failures.
#include "logstore/logbackup.h"
#include "platform/datetext.h"
#include "platform/oserror.h"
#include "support/triplogdb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>
#include <memory>
#include <random>
#include <utility>

namespace bw {
namespace {

using test::TripLogDb;

QDateTime at(const char* iso) { return QDateTime::fromString(QLatin1String(iso), Qt::ISODate); }

BackupLocation location() { return BackupLocation::of(QStringLiteral("/v/Varnholt/X.sqlite")); }

TEST(BackupNames, FollowTheDatabaseAndReadBack)
{
    const BackupLocation where =
        BackupLocation::of(QStringLiteral("/h/c/Varnholt/Brindlewick.sqlite"));
    EXPECT_EQ(where.folder, QStringLiteral("/h/c/Varnholt/backups"));
    EXPECT_EQ(where.fileName(at("2026-12-09T13:05:07")), "Brindlewick-20261209-130507.sqlite");
    EXPECT_EQ(where.timeOf(QStringLiteral("Brindlewick-20261209-130507.sqlite")),
              at("2026-12-09T13:05:07"));
    for (const char* foreign :
         {"Brindlewick-20261209-130507.sqlite.part", "Other-20261209-130507.sqlite",
          "Brindlewick-20261309-130507.sqlite", "Brindlewick-2026120-1130507.sqlite",
          "Brindlewick-20261209-130507.sqlite-wal", "xBrindlewick-20261209-130507.sqlite"}) {
        EXPECT_FALSE(where.timeOf(QLatin1String(foreign)).isValid()) << foreign;
    }
}

// Daily backups from `first` to `last`, at 09:00, as file names.
QStringList daily(QDate first, const QDate& last, const char* time = "090000")
{
    QStringList names;
    for (; first <= last; first = first.addDays(1)) {
        names << QStringLiteral("X-%1-%2.sqlite")
                     .arg(first.toString(u"yyyyMMdd"), QLatin1String(time));
    }
    return names;
}

TEST(BackupRetention, KeepsFourteenNewestAndEachMonthsFirst)
{
    struct Case {
        const char* name;
        QStringList files;
        QDate today;
        QStringList kept; // sorted newest first
    };
    const QDate today(2026, 12, 9);
    QStringList months; // the first of each month Jan..Nov 2026, newest first
    for (int m = 11; m >= 1; --m)
        months << QStringLiteral("X-2026%1%2-090000.sqlite")
                      .arg(m, 2, 10, QLatin1Char('0'))
                      .arg(QStringLiteral("01"));
    const QStringList newest = daily(QDate(2026, 11, 26), today);
    QStringList manyKept = newest;
    std::reverse(manyKept.begin(), manyKept.end());
    manyKept << months;
    QStringList sameDay = daily(today, today, "080000") + daily(today, today, "100000");
    for (int s = 10; s < 30; ++s) sameDay << QStringLiteral("X-20261209-1200%1.sqlite").arg(s);
    QStringList sameDayKept;
    for (int s = 29; s >= 16; --s) sameDayKept << QStringLiteral("X-20261209-1200%1.sqlite").arg(s);
    sameDayKept << QStringLiteral("X-20261209-080000.sqlite");
    const QStringList foreign = {"notes.txt", "Y-20200101-000000.sqlite",
                                 "X-20200101-000000.sqlite.part"};
    const Case cases[] = {
        {"fourteen months of dailies", daily(QDate(2025, 10, 1), today), today, manyKept},
        {"fewer than fourteen", daily(QDate(2026, 12, 1), today), today,
         [] {
             QStringList l = daily(QDate(2026, 12, 1), QDate(2026, 12, 9));
             std::reverse(l.begin(), l.end());
             return l;
         }()},
        {"many on one day keep the month's earliest", sameDay, today, sameDayKept},
        {"a month older than twelve is not kept",
         daily(QDate(2025, 12, 1), QDate(2025, 12, 1)) + daily(QDate(2026, 11, 20), today), today,
         [] {
             QStringList l = daily(QDate(2026, 11, 26), QDate(2026, 12, 9));
             std::reverse(l.begin(), l.end());
             l << "X-20261120-090000.sqlite";
             return l;
         }()},
        {"foreign names are never deleted", foreign, today, {}},
    };
    for (const Case& c : cases) {
        const QStringList doomed = backupsToPrune(location(), c.files, c.today);
        QStringList kept;
        for (const QString& name : c.files) {
            if (!doomed.contains(name) && location().timeOf(name).isValid()) kept << name;
        }
        std::sort(kept.begin(), kept.end(), std::greater<>());
        EXPECT_EQ(kept, c.kept) << c.name;
        for (const QString& name : foreign) EXPECT_FALSE(doomed.contains(name)) << c.name;
    }
}

class LogBackupTest : public ::testing::Test {
protected:
    QString dbPath() const { return dir.filePath(QStringLiteral("Varnholt/Brindlewick.sqlite")); }
    QString backupFolder() const { return dir.filePath(QStringLiteral("Varnholt/backups")); }
    QStringList folderEntries() const
    {
        return QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    TripLogDb& open()
    {
        QDir().mkpath(QFileInfo(dbPath()).absolutePath());
        log = std::make_unique<TripLogDb>(dbPath());
        return *log;
    }
    // A new log of `count` trips dated `date`, backed up at `when`, then emptied: the
    // backup and the trips it should hold.
    std::pair<BackupResult, QStringList> backedUpThenEmptied(int count, const char* date,
                                                             const char* when)
    {
        TripLogDb& db = open();
        db.addTrips(count, QString::fromLatin1(date));
        const QStringList trips = db.allTrips();
        const BackupResult result = backUpNow(db.connection(), at(when));
        EXPECT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_TRUE(db.exec("DELETE FROM trips"));
        return {result, trips};
    }
    // Mounts a tmpfs with `options` over the backup folder; false when this machine
    // does not allow it.
    bool mountBackupFolder(const QString& options)
    {
        QDir().mkpath(backupFolder());
        mounted = QProcess::execute(QStringLiteral("mount"),
                                    {"-t", "tmpfs", "-o", options, "tmpfs", backupFolder()})
                  == 0;
        return mounted;
    }
    void TearDown() override
    {
        log.reset();
        if (mounted) QProcess::execute(QStringLiteral("umount"), {backupFolder()});
    }

    QTemporaryDir dir;
    std::unique_ptr<TripLogDb> log;
    bool mounted = false;
};

TEST_F(LogBackupTest, CopyHoldsCommitsStillInTheWalAndIsOnePlainFile)
{
    TripLogDb& db = open();
    db.addTrips(300, QStringLiteral("2026-11-30"));
    ASSERT_GT(QFileInfo(dbPath() + "-wal").size(), 0) << "commits should still be in the WAL";
    const BackupResult result = backUpNow(db.connection(), at("2026-12-09T13:05:07"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.path, backupFolder() + "/Brindlewick-20261209-130507.sqlite");
    EXPECT_EQ(TripLogDb::tripsIn(result.path), db.allTrips());
    // Bytes 18 and 19 of the header: 1 for a rollback-journal file, 2 for WAL.
    QFile copy(result.path);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.read(20).mid(18), QByteArray("\x01\x01", 2));
    EXPECT_EQ(folderEntries(), QStringList{"Brindlewick-20261209-130507.sqlite"});
    // A second backup within the same second is kept beside the first.
    EXPECT_TRUE(backUpNow(db.connection(), at("2026-12-09T13:05:07")).ok);
    EXPECT_EQ(
        BackupLocation::of(dbPath()).files(),
        (QStringList{"Brindlewick-20261209-130508.sqlite", "Brindlewick-20261209-130507.sqlite"}));
    EXPECT_TRUE(BackupLocation::of(dbPath()).hasBackupOn(QDate(2026, 12, 9)));
    EXPECT_FALSE(BackupLocation::of(dbPath()).hasBackupOn(QDate(2026, 12, 10)));
}

TEST_F(LogBackupTest, KeepsTheStateBeforeTheFollowingChange)
{
    const auto [result, before] = backedUpThenEmptied(40, "2026-11-30", "2026-12-09T13:05:07");
    TripLogDb& db = *log;
    EXPECT_EQ(TripLogDb::tripsIn(result.path), before);

    // Inside a transaction, a copy would hold the change's uncommitted half: refused.
    ASSERT_TRUE(db.exec("BEGIN; INSERT INTO trips(position, date) VALUES(1, 'half')"));
    const BackupResult refused = backUpNow(db.connection(), at("2026-12-09T14:00:00"));
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains("middle of a change")) << refused.error.toStdString();
    EXPECT_TRUE(db.exec("ROLLBACK"));
    EXPECT_EQ(folderEntries().size(), 1);
}

TEST_F(LogBackupTest, SteppedCopyIsNeverVisibleHalfDoneAndWaitsOutTransactions)
{
    TripLogDb& db = open();
    db.addTrips(2000, QStringLiteral("2026-11-30"));
    // A partial file left by a killed backup an hour and more ago is cleared away.
    QDir().mkpath(backupFolder());
    QFile stale(backupFolder() + "/Brindlewick-20261201-090000.sqlite.part");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("half");
    stale.flush();
    stale.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime);
    stale.close();

    SteppedBackup stepped;
    QSignalSpy spy(&stepped, &SteppedBackup::finished);
    stepped.start(db.connection(), QDateTime::currentDateTime(), 1);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(stepped.running());
    EXPECT_TRUE(BackupLocation::of(dbPath()).files().isEmpty());
    // Only the partial file and its journal are there while the copy runs.
    for (const QString& name : folderEntries())
        EXPECT_TRUE(name.contains(".part")) << name.toStdString();
    EXPECT_FALSE(folderEntries().isEmpty());
    EXPECT_FALSE(stale.exists());

    // An open transaction holds the copy back; rolled back, it never reaches the copy.
    ASSERT_TRUE(db.exec("BEGIN; DELETE FROM trips"));
    for (int i = 0; i < 200; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(stepped.running());
    ASSERT_TRUE(db.exec("ROLLBACK"));
    // A commit by the same connection mid-copy is carried into the copy.
    db.addTrips(1, QStringLiteral("2026-12-01"));
    ASSERT_TRUE(spy.wait(20000));
    const auto result = spy.first().first().value<BackupResult>();
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(TripLogDb::tripsIn(result.path), db.allTrips());
    EXPECT_EQ(TripLogDb::tripsIn(result.path, "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_EQ(folderEntries().size(), 1);

    // Cancelled, it leaves nothing behind.
    stepped.start(db.connection(), QDateTime::currentDateTime().addSecs(60), 1);
    QCoreApplication::processEvents();
    stepped.cancel();
    EXPECT_EQ(folderEntries().size(), 1);
}

// The day's stepped backup and the copy before a change can run at once within one second:
// neither may take the other's temporary file, and each ends whole under its own name.
TEST_F(LogBackupTest, BackupsOfOneSecondRunningTogetherBothEndWhole)
{
    TripLogDb& db = open();
    db.addTrips(2000, QStringLiteral("2026-11-30"));
    const QDateTime when = at("2026-12-09T13:05:07");
    const QString name = backupFolder() + "/Brindlewick-20261209-1305%1.sqlite";
    SteppedBackup stepped;
    QSignalSpy spy(&stepped, &SteppedBackup::finished);
    stepped.start(db.connection(), when, 1);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(stepped.running());

    const BackupResult atOnce = backUpNow(db.connection(), when);
    ASSERT_TRUE(atOnce.ok) << atOnce.error.toStdString();
    EXPECT_EQ(atOnce.path.toStdString(), name.arg("08").toStdString());
    ASSERT_TRUE(spy.wait(20000));
    const auto first = spy.first().first().value<BackupResult>();
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.path.toStdString(), name.arg("07").toStdString());
    for (const QString& path : {first.path, atOnce.path})
        EXPECT_EQ(TripLogDb::tripsIn(path), db.allTrips()) << path.toStdString();

    // A temporary file of a backup still being written is left alone, not reused.
    QFile other(name.arg("09") + ".part");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("in progress");
    other.close();
    const BackupResult beside = backUpNow(db.connection(), at("2026-12-09T13:05:09"));
    ASSERT_TRUE(beside.ok) << beside.error.toStdString();
    EXPECT_EQ(beside.path.toStdString(), name.arg("10").toStdString());
    EXPECT_EQ(folderEntries(), QStringList({"Brindlewick-20261209-130507.sqlite",
                                            "Brindlewick-20261209-130508.sqlite",
                                            "Brindlewick-20261209-130509.sqlite.part",
                                            "Brindlewick-20261209-130510.sqlite"}));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("in progress"));
}

TEST_F(LogBackupTest, ListsWhenTripsAndLatestDateAndUnreadableFiles)
{
    TripLogDb& db = open();
    db.addTrips(3, QStringLiteral("2026-10-02"));
    db.addTrips(2, dateToText(QDate(2026, 11, 28)));
    db.addTrips(1, QStringLiteral("not a date"));
    db.addTrips(1);
    // Blank rows, dated or not, are no trips.
    ASSERT_TRUE(db.exec("INSERT INTO trips (position, date, description, mileage, reimbursement)"
                        " VALUES (90, '', '', 0, 0), (91, ' ', NULL, NULL, 0)"));
    ASSERT_TRUE(backUpNow(db.connection(), at("2026-12-08T09:00:00")).ok);
    ASSERT_TRUE(db.exec("DELETE FROM trips"));
    ASSERT_TRUE(backUpNow(db.connection(), at("2026-12-09T09:00:00")).ok);
    QFile junk(backupFolder() + "/Brindlewick-20261207-090000.sqlite");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    // A copy cut short after its first page.
    QFile whole(backupFolder() + "/Brindlewick-20261208-090000.sqlite");
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(backupFolder() + "/Brindlewick-20261206-090000.sqlite");
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(4096));
    cut.close();
    QFile(backupFolder() + "/notes.txt").open(QIODevice::WriteOnly);

    const QList<BackupInfo> list = listBackups(BackupLocation::of(dbPath()));
    ASSERT_EQ(list.size(), 4);
    struct Row {
        const char* when;
        bool readable;
        qint64 trips;
        QDate latest;
    } const expected[] = {{"2026-12-09T09:00:00", true, 0, {}},
                          {"2026-12-08T09:00:00", true, 7, QDate(2026, 11, 28)},
                          {"2026-12-07T09:00:00", false, 0, {}},
                          {"2026-12-06T09:00:00", false, 0, {}}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list[i].when, at(expected[i].when)) << i;
        EXPECT_EQ(list[i].readable, expected[i].readable) << i;
        EXPECT_EQ(list[i].trips, expected[i].trips) << i;
        EXPECT_EQ(list[i].latestTrip, expected[i].latest) << i;
    }
}

TEST_F(LogBackupTest, RestoreRoundTripBacksUpFirstAndRefusesDamage)
{
    const auto [first, old] = backedUpThenEmptied(25, "2026-10-02", "2026-12-01T09:00:00");
    TripLogDb& db = *log;
    db.addTrips(3, QStringLiteral("2026-12-05"), "Elsewhere");
    const QStringList current = db.allTrips();

    const BackupResult restored =
        restoreBackup(db.connection(), first.path, at("2026-12-09T13:00:00"));
    ASSERT_TRUE(restored.ok) << restored.error.toStdString();
    EXPECT_EQ(db.allTrips(), old);
    EXPECT_EQ(TripLogDb::tripsIn(restored.path), current);
    EXPECT_EQ(db.rows("PRAGMA journal_mode"), QStringList{"wal"});
    EXPECT_EQ(db.rows("PRAGMA integrity_check"), QStringList{"ok"});
    db.addTrips(1, QStringLiteral("2026-12-09"));
    EXPECT_EQ(db.allTrips().size(), 26);

    // A statement still reading on the live connection: refused, the log unchanged.
    auto reading = std::make_unique<sql::Statement>(db.connection(), "SELECT * FROM trips");
    ASSERT_TRUE(reading->step());
    const BackupResult busy = restoreBackup(db.connection(), first.path, at("2026-12-09T13:30:00"));
    reading.reset();
    EXPECT_FALSE(busy.ok);
    EXPECT_TRUE(busy.error.contains("unchanged")) << busy.error.toStdString();
    EXPECT_EQ(db.allTrips().size(), 26);

    QFile junk(backupFolder() + "/Brindlewick-20261202-090000.sqlite");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    const QStringList before = db.allTrips();
    const qsizetype backups = folderEntries().size();
    const BackupResult refused =
        restoreBackup(db.connection(), junk.fileName(), at("2026-12-09T14:00:00"));
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains("damaged")) << refused.error.toStdString();
    EXPECT_EQ(db.allTrips(), before);
    EXPECT_EQ(folderEntries().size(), backups);
}

TEST_F(LogBackupTest, RestoreFromABackupThatPruningWouldRemove)
{
    TripLogDb& db = open();
    // Fifteen backups of one month: the new safety copy pushes the second oldest out.
    for (int i = 0; i < 15; ++i) {
        db.addTrips(1, QStringLiteral("2026-12-01"));
        ASSERT_TRUE(backUpNow(db.connection(), at("2026-12-01T08:00:00").addSecs(i * 60)).ok);
    }
    const QString secondOldest = backupFolder() + "/Brindlewick-20261201-080100.sqlite";
    ASSERT_TRUE(QFile::exists(secondOldest));
    const BackupResult restored =
        restoreBackup(db.connection(), secondOldest, at("2026-12-09T13:00:00"));
    ASSERT_TRUE(restored.ok) << restored.error.toStdString();
    EXPECT_EQ(db.allTrips().size(), 2);
    EXPECT_FALSE(QFile::exists(secondOldest));
    EXPECT_EQ(BackupLocation::of(dbPath()).files().size(), 15);
}

// A restore killed at a random moment leaves the old log or the new one, whole, and
// every backup that carries our name is whole too.
TEST_F(LogBackupTest, RestoreKilledAnywhereLeavesOneWholeLog)
{
    const QString chosen = dir.filePath(QStringLiteral("chosen.sqlite"));
    TripLogDb(chosen).addTrips(6000, QStringLiteral("2026-12-01"), "New");
    open().addTrips(2000, QStringLiteral("2026-11-01"), "Old");
    log.reset(); // the children open their own connections
    const unsigned seed = std::random_device()();
    std::mt19937 chance(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    const QStringList wholeLogs[] = {{"2000|Old|Old"}, {"6000|New|New"}};
    int restored = 0;
    for (int run = 0; run < 12; ++run) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TripLogDb live(dbPath());
            restoreBackup(live.connection(), chosen, at("2026-12-09T13:00:00").addSecs(60 * run));
            _exit(0);
        }
        QThread::usleep(std::uniform_int_distribution<unsigned long>(0, 60000)(chance));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        TripLogDb live(dbPath());
        const QStringList found =
            live.rows("SELECT count(*), min(starting_location), max(starting_location) FROM trips");
        EXPECT_TRUE(found == wholeLogs[0] || found == wholeLogs[1])
            << run << ": " << found.join(' ').toStdString();
        EXPECT_EQ(live.rows("PRAGMA integrity_check"), QStringList{"ok"}) << run;
        if (found == wholeLogs[1]) {
            ++restored;
            live.exec("DELETE FROM trips");
            live.addTrips(2000, QStringLiteral("2026-11-01"), "Old");
        }
    }
    std::cout << "seed " << seed << ": restores finished before the kill: " << restored
              << " of 12\n";
    for (const QString& name : BackupLocation::of(dbPath()).files()) {
        EXPECT_EQ(TripLogDb::tripsIn(backupFolder() + "/" + name, "PRAGMA integrity_check"),
                  QStringList{"ok"})
            << name.toStdString();
    }
}

// Pruning deletes the backups the log records as written, still the files written: not a
// file of another's under such a name, not one put in a backup's place, and nothing at
// all through a backup folder that is a link.
TEST_F(LogBackupTest, PruningDeletesOnlyRecordedBackupsAndNeverThroughALink)
{
    const QString other = dir.filePath(QStringLiteral("elsewhere"));
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "backups is a link" : "backups is a folder");
        QDir(backupFolder()).removeRecursively();
        QFile::remove(backupFolder());
        QDir(other).removeRecursively();
        QDir().mkpath(other);
        TripLogDb& db = open();
        db.exec("DELETE FROM backups");
        if (linked) {
            ASSERT_TRUE(QFile::link(other, backupFolder()));
        }
        const QString folder = linked ? other : backupFolder();
        QDir().mkpath(folder);
        const QString foreign = folder + QStringLiteral("/Brindlewick-20240101-090000.sqlite");
        QFile(foreign).open(QIODevice::WriteOnly);
        db.addTrips(1);
        // Older than the twelve months kept: pruned by the fifteen that follow.
        const BackupResult first = backUpNow(db.connection(), at("2025-01-02T09:00:00"));
        const BackupResult second = backUpNow(db.connection(), at("2025-01-03T09:00:00"));
        ASSERT_TRUE(first.ok && second.ok);
        // The second put back by another file under its name.
        ASSERT_TRUE(QFile::remove(second.path) && QFile::copy(first.path, second.path));
        for (int day = 1; day <= 15; ++day)
            ASSERT_TRUE(backUpNow(db.connection(), at("2026-03-01T09:00:00").addDays(day)).ok);
        EXPECT_TRUE(QFile::exists(foreign)) << "not the program's";
        EXPECT_TRUE(QFile::exists(second.path)) << "no longer the file written";
        EXPECT_EQ(QFile::exists(first.path), linked) << "pruned, unless through a link";
        EXPECT_EQ(BackupLocation::of(dbPath()).files().size(), linked ? 18 : 17);
        log.reset();
        QFile::remove(dbPath());
        QFile::remove(dbPath() + "-wal");
        QFile::remove(dbPath() + "-shm");
    }
    // A file where the folder goes is named so.
    QFile::remove(backupFolder());
    QFile(backupFolder()).open(QIODevice::WriteOnly);
    const BackupResult refused = backUpNow(open().connection(), at("2026-03-20T09:00:00"));
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(
        refused.error.endsWith(QStringLiteral("%1 is a file, not a folder.").arg(backupFolder())))
        << refused.error.toStdString();
}

TEST_F(LogBackupTest, FailuresNameTheirCauseAndLeaveNothingBehind)
{
    struct Case {
        const char* name;
        const char* mountOptions;
        int error;
        int trips;
    } const cases[] = {{"read-only folder", "ro,size=1m", EROFS, 10},
                       {"full disk", "size=64k", ENOSPC, 3000}};
    for (const Case& c : cases) {
        TripLogDb& db = open();
        db.addTrips(c.trips, QStringLiteral("2026-11-30"));
        if (!mountBackupFolder(QLatin1String(c.mountOptions))) {
            GTEST_SKIP() << "cannot mount a tmpfs over the backup folder here (needs root or "
                            "CAP_SYS_ADMIN), so a failing disk cannot be made";
        }
        const BackupResult result = backUpNow(db.connection(), at("2026-12-09T13:05:07"));
        EXPECT_FALSE(result.ok) << c.name;
        const QString partial = backupFolder() + "/Brindlewick-20261209-130507.sqlite.part";
        const QString cause = osErrorSentence(c.error, partial);
        EXPECT_TRUE(result.error.contains(cause)) << c.name << ": " << result.error.toStdString();
        EXPECT_TRUE(folderEntries().isEmpty()) << c.name;
        // A restore that cannot back the log up first leaves the log as it is.
        const QStringList before = db.allTrips();
        TripLogDb(dir.filePath(QStringLiteral("other.sqlite"))).addTrips(1);
        const BackupResult restore =
            restoreBackup(db.connection(), dir.filePath("other.sqlite"), at("2026-12-09T13:05:07"));
        EXPECT_FALSE(restore.ok) << c.name;
        EXPECT_TRUE(restore.error.contains(cause)) << restore.error.toStdString();
        EXPECT_EQ(db.allTrips(), before) << c.name;
        TearDown();
        mounted = false;
        QFile::remove(dbPath());
        QFile::remove(dbPath() + "-wal");
        QFile::remove(dbPath() + "-shm");
    }
}

} // namespace
} // namespace bw
