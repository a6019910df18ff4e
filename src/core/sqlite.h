// A small RAII layer over SQLite's C API: a connection, prepared statements and a
// transaction guard. Failures throw SqlError with a sentence naming the cause.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace bw::sql {

// A failed SQLite call: what() is a sentence a person understands; code() is the
// extended result code and systemErrno() the operating system's errno behind an I/O
// failure (0 when there was none).
class SqlError : public std::runtime_error {
public:
    SqlError(const QString& sentence, int code, int systemErrno);
    int code() const { return code_; }
    int primaryCode() const { return code_ & 0xFF; }
    int systemErrno() const { return errno_; }

private:
    int code_;
    int errno_;
};

// The sentence for an SQLite result code about the database file `path`: from errno
// where the system gave one (a full disk, a read-only folder), else from SQLite's code.
QString errorSentence(int code, int systemErrno, const QString& path);

class Database {
public:
    // Snapshot reads the file's own bytes only: no locks, no write-ahead file, nothing
    // made beside it (for a file nothing else writes, or that must stay as found).
    enum class Open { ReadWrite, ReadOnly, Snapshot };
    // Opens `path` (ReadWrite creates it); throws SqlError.
    Database(const QString& path, Open mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs SQL without results (pragmas, schema); throws SqlError.
    void exec(const char* sql);
    // The first column of the first row of `sql`, or a null QVariant.
    QVariant scalar(const char* sql);
    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }
    bool readOnly() const { return readOnly_; }
    // Throws SqlError for result code `rc` of the last call on this connection.
    [[noreturn]] void fail(int rc) const;

private:
    sqlite3* db_ = nullptr;
    QString path_;
    bool readOnly_;
};

// A statement prepared once and run many times: bind, step, read, reset.
class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds parameter `index` (from 1): a null QVariant as NULL, a double as REAL, an
    // integer type as INTEGER, anything else as TEXT.
    void bind(int index, const QVariant& value);
    void bindInt(int index, qint64 value);
    // True while a row is there to read; false when done. Throws SqlError.
    bool step();
    // Steps a statement that returns no rows, then resets it for the next run.
    void run();
    void reset();

    int columnCount() const;
    bool isNull(int column) const;
    qint64 intAt(int column) const;
    double doubleAt(int column) const;
    QString textAt(int column) const;
    // The column as UTF-8 text (a number in SQLite's own text form), without a copy:
    // valid until the next step or reset.
    QByteArrayView utf8At(int column) const;
    // NULL as a null QVariant, REAL as double, INTEGER as qint64, TEXT as QString.
    QVariant valueAt(int column) const;

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE at construction (the write lock is taken at once, so a busy database
// waits its busy timeout here rather than failing half way); commit() ends it; a guard
// destroyed without commit rolls back.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

} // namespace bw::sql
