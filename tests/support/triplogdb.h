// A log database for tests, made with the SQLite C API as the program keeps it: WAL mode,
// a `trips` table with an id, an order and the eight fields, and the record of backups.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

namespace bw::test {

class TripLogDb {
public:
    // Opens (creating) the database at `path`; checkpoints only when told, so recent
    // commits stay in the WAL file.
    explicit TripLogDb(const QString& path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
        exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
             "CREATE TABLE IF NOT EXISTS trips(id INTEGER PRIMARY KEY, position REAL NOT NULL,"
             " date TEXT, starting_location TEXT, destination TEXT, description TEXT,"
             " odometer_start TEXT, odometer_end TEXT, mileage REAL, reimbursement REAL);"
             "CREATE TABLE IF NOT EXISTS backups (name TEXT PRIMARY KEY, device INTEGER NOT NULL,"
             " inode INTEGER NOT NULL, modified INTEGER NOT NULL, written_at TEXT NOT NULL)"
             " WITHOUT ROWID");
    }
    ~TripLogDb() { sqlite3_close(db_); }
    TripLogDb(const TripLogDb&) = delete;
    TripLogDb& operator=(const TripLogDb&) = delete;

    sqlite3* handle() const { return db_; }

    bool exec(const char* sql) const
    {
        return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    // `count` trips after the last, dated `date` (short form or ISO) unless null.
    void addTrips(int count, const QString& date = QString(), const char* place = "Depot")
    {
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db_,
                           "INSERT INTO trips(position, date, starting_location, destination,"
                           " description, odometer_start, odometer_end, mileage, reimbursement)"
                           " VALUES((SELECT coalesce(max(position), 0) + 1 FROM trips),"
                           " ?, ?, 'Client', 'Samples delivered', ?, ?, 20, 11.5)",
                           -1, &insert, nullptr);
        exec("BEGIN");
        const QByteArray day = date.toUtf8();
        for (int i = 0; i < count; ++i) {
            if (date.isNull()) {
                sqlite3_bind_null(insert, 1);
            } else {
                sqlite3_bind_text(insert, 1, day.constData(), -1, SQLITE_TRANSIENT);
            }
            sqlite3_bind_text(insert, 2, place, -1, SQLITE_STATIC);
            sqlite3_bind_int(insert, 3, 1000 + i * 20);
            sqlite3_bind_int(insert, 4, 1020 + i * 20);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        exec("COMMIT");
        sqlite3_finalize(insert);
    }

    // Every row of `sql`'s result, columns joined by '|'.
    static QStringList rows(sqlite3* db, const char* sql)
    {
        QStringList out;
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &query, nullptr) != SQLITE_OK) return {"error"};
        while (sqlite3_step(query) == SQLITE_ROW) {
            QStringList fields;
            for (int c = 0; c < sqlite3_column_count(query); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(query, c));
                fields << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
            }
            out << fields.join(QLatin1Char('|'));
        }
        sqlite3_finalize(query);
        return out;
    }
    QStringList rows(const char* sql) const { return rows(db_, sql); }
    QStringList allTrips() const { return rows("SELECT * FROM trips ORDER BY position"); }

    // The same rows read from another file (a backup), opened read-only.
    static QStringList tripsIn(const QString& path,
                               const char* sql = "SELECT * FROM trips ORDER BY position")
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        QStringList out = rows(db, sql);
        sqlite3_close(db);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace bw::test
