// Tests of the SQLite layer on its own: failures named by their cause, a transaction that
// rolls back when its work throws, a busy and a read-only connection, the online backup.
#include "logstore/sqlite.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>

namespace bw::sql {
namespace {

TEST(SqlErrorSentence, NamesTheCauseOfEachResultCode)
{
    const QString log = QStringLiteral("/logs/Brindlewick.sqlite");
    struct Case {
        int code;
        int systemErrno;
        const char* sentence;
    };
    const Case cases[] = {
        {SQLITE_FULL, 0, "The disk is full (writing /logs/Brindlewick.sqlite)."},
        {SQLITE_IOERR_WRITE, ENOSPC, "The disk is full (writing /logs/Brindlewick.sqlite)."},
        {SQLITE_CANTOPEN, EROFS, "The disk of /logs/Brindlewick.sqlite is read-only."},
        {SQLITE_READONLY, 0,
         "The log /logs/Brindlewick.sqlite cannot be written: it is read-only."},
        {SQLITE_READONLY_DIRECTORY, 0, "There is no permission to write /logs."},
        {SQLITE_READONLY_DBMOVED, 0,
         "The log /logs/Brindlewick.sqlite was moved or deleted while it was open."},
        {SQLITE_READONLY_CANTLOCK, 0,
         "The index file /logs/Brindlewick.sqlite-shm of the log cannot be written."},
        {SQLITE_BUSY, 0, "The log /logs/Brindlewick.sqlite is busy in another program."},
        {SQLITE_NOTADB, 0, "The file /logs/Brindlewick.sqlite is not a log database."},
        {SQLITE_CORRUPT, 0, "The log /logs/Brindlewick.sqlite is damaged."},
        {SQLITE_CANTOPEN, 0, "The log /logs/Brindlewick.sqlite cannot be opened."},
        {SQLITE_MISMATCH, 0,
         "The log /logs/Brindlewick.sqlite could not be used: datatype mismatch."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorSentence(c.code, c.systemErrno, log), QLatin1String(c.sentence)) << c.code;
}

class SqliteTest : public ::testing::Test {
protected:
    QString path(const char* name = "log.sqlite") const
    {
        return dir.filePath(QLatin1String(name));
    }
    // A database of `rows` numbered rows, written and closed.
    void make(const QString& file, int rows)
    {
        Database db(file, Database::Open::ReadWrite);
        db.exec("PRAGMA journal_mode=WAL; CREATE TABLE t(n INTEGER)");
        Statement insert(db, "INSERT INTO t VALUES (?1)");
        for (int n = 1; n <= rows; ++n) {
            insert.bindInt(1, n);
            insert.run();
        }
        EXPECT_EQ(db.lastInsertId(), rows);
    }
    static qint64 count(Database& db) { return db.scalar("SELECT count(*) FROM t").toLongLong(); }
    // The SqlError `work` throws (its code -1 when it throws none).
    template <typename Work>
    static SqlError failureOf(Work work)
    {
        try {
            work();
        } catch (const SqlError& failure) {
            return failure;
        }
        return SqlError(QString(), -1, 0);
    }

    QTemporaryDir dir;
};

TEST_F(SqliteTest, ATransactionWhoseWorkThrowsLeavesNothing)
{
    make(path(), 3);
    Database db(path(), Database::Open::ReadWrite);
    EXPECT_THROW(
        {
            Transaction transaction(db);
            db.exec("INSERT INTO t VALUES (4)");
            EXPECT_TRUE(db.inTransaction());
            db.exec("INSERT INTO nowhere VALUES (5)");
            transaction.commit();
        },
        SqlError);
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(count(db), 3);
}

TEST_F(SqliteTest, BusyAndReadOnlyConnectionsAreRefusedWithTheirCause)
{
    make(path(), 2);
    Database writer(path(), Database::Open::ReadWrite);
    Database other(path(), Database::Open::ReadWrite);
    Database reader(path(), Database::Open::ReadOnly);
    Transaction holding(writer);
    const SqlError busy = failureOf([&] { Transaction second(other); });
    EXPECT_EQ(busy.primaryCode(), SQLITE_BUSY);
    EXPECT_TRUE(QString::fromUtf8(busy.what()).contains(QLatin1String("busy in another program")));
    holding.commit();

    for (const SqlError& readOnly : {failureOf([&] { reader.exec("INSERT INTO t VALUES (9)"); }),
                                     failureOf([&] { reader.failReadOnly(); })}) {
        EXPECT_EQ(readOnly.primaryCode(), SQLITE_READONLY);
        EXPECT_EQ(QString::fromUtf8(readOnly.what()), errorSentence(SQLITE_READONLY, 0, path()));
    }
    EXPECT_EQ(count(reader), 2);
}

TEST_F(SqliteTest, SnapshotsFunctionsAndTheOnlineBackup)
{
    make(path(), 40);
    {
        Database snapshot(path(), Database::Open::Snapshot);
        snapshot.addFunction("twice", 1, [](const FunctionArgs& args) {
            return static_cast<qint64>(args.doubleAt(0) * 2);
        });
        EXPECT_EQ(snapshot.scalar("SELECT sum(twice(n)) FROM t").toLongLong(), 40 * 41);
        EXPECT_EQ(snapshot.fileName(), QDir(dir.path()).absoluteFilePath("log.sqlite"));
    }
    EXPECT_FALSE(QFile::exists(path() + "-shm")) << "a snapshot makes nothing beside the file";

    Database source(path(), Database::Open::ReadWrite);
    Database copy(path("copy.sqlite"), Database::Open::ReadWrite);
    Backup stepped(copy, source);
    int steps = 1;
    while (!stepped.step(1)) ++steps;
    stepped.finish();
    EXPECT_GT(steps, 1);
    EXPECT_EQ(count(copy), 40);

    Database reading(path("copy.sqlite"), Database::Open::ReadWrite);
    Statement open(reading, "SELECT n FROM t");
    ASSERT_TRUE(open.step());
    const SqlError inUse = failureOf([&] { Backup(reading, source).run(); });
    EXPECT_NE(inUse.code(), -1) << "a copy into a connection that is reading is refused";
}

} // namespace
} // namespace bw::sql
