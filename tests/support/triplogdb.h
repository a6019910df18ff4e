// A log database for tests, made through the program's SQLite layer as the program keeps
// it: WAL mode, a `trips` table with an id, an order and the eight fields, and the record
// of backups.
#pragma once

#include "logstore/sqlite.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace bw::test {

class TripLogDb {
public:
    // Opens (creating) the database at `path`; checkpoints only when told, so recent
    // commits stay in the WAL file.
    explicit TripLogDb(const QString& path) : db_(path, sql::Database::Open::ReadWrite)
    {
        exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
             "CREATE TABLE IF NOT EXISTS trips(id INTEGER PRIMARY KEY, position REAL NOT NULL,"
             " date TEXT, starting_location TEXT, destination TEXT, description TEXT,"
             " odometer_start TEXT, odometer_end TEXT, mileage REAL, reimbursement REAL);"
             "CREATE TABLE IF NOT EXISTS backups (name TEXT PRIMARY KEY, device INTEGER NOT NULL,"
             " inode INTEGER NOT NULL, modified INTEGER NOT NULL, written_at TEXT NOT NULL)"
             " WITHOUT ROWID");
    }

    sql::Database& connection() { return db_; }

    bool exec(const char* sql)
    {
        try {
            db_.exec(sql);
            return true;
        } catch (const sql::SqlError&) {
            return false;
        }
    }

    // `count` trips after the last, dated `date` (short form or ISO) unless null.
    void addTrips(int count, const QString& date = QString(), const char* place = "Depot")
    {
        sql::Statement insert(db_,
                              "INSERT INTO trips(position, date, starting_location, destination,"
                              " description, odometer_start, odometer_end, mileage, reimbursement)"
                              " VALUES((SELECT coalesce(max(position), 0) + 1 FROM trips),"
                              " ?, ?, 'Client', 'Samples delivered', ?, ?, 20, 11.5)");
        exec("BEGIN");
        for (int i = 0; i < count; ++i) {
            insert.bind(1, date.isNull() ? QVariant() : QVariant(date));
            insert.bind(2, QString::fromUtf8(place));
            insert.bindInt(3, 1000 + i * 20);
            insert.bindInt(4, 1020 + i * 20);
            insert.run();
        }
        exec("COMMIT");
    }

    // Every row of `sql`'s result, columns joined by '|'.
    static QStringList rows(sql::Database& db, const char* sql)
    {
        QStringList out;
        try {
            sql::Statement query(db, sql);
            while (query.step()) {
                QStringList fields;
                for (int c = 0; c < query.columnCount(); ++c)
                    fields << (query.isNull(c) ? QStringLiteral("NULL") : query.textAt(c));
                out << fields.join(QLatin1Char('|'));
            }
        } catch (const sql::SqlError&) {
            return {"error"};
        }
        return out;
    }
    QStringList rows(const char* sql) { return rows(db_, sql); }
    QStringList allTrips() { return rows("SELECT * FROM trips ORDER BY position"); }

    // The same rows read from another file (a backup), opened read-only.
    static QStringList tripsIn(const QString& path,
                               const char* sql = "SELECT * FROM trips ORDER BY position")
    {
        try {
            sql::Database db(path, sql::Database::Open::ReadOnly);
            return rows(db, sql);
        } catch (const sql::SqlError&) {
            return {"error"};
        }
    }

private:
    sql::Database db_;
};

} // namespace bw::test
