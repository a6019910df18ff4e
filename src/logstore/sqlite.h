// A small RAII layer over SQLite's C API: a connection, prepared statements and a
// transaction guard. Failures throw SqlError with a sentence naming the cause.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <stdexcept>

struct sqlite3;
struct sqlite3_backup;
struct sqlite3_stmt;
struct sqlite3_value;

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
    // The file is no database, or one whose pages contradict each other.
    bool damage() const;
    // A failure of this kind with no sentence of its own: what the caller knows of the
    // file's pages (a salvage that finds them out of order).
    static SqlError damaged();

private:
    int code_;
    int errno_;
};

// The sentence for an SQLite result code about the database file `path`: from errno
// where the system gave one (a full disk, a read-only folder), else from SQLite's code.
QString errorSentence(int code, int systemErrno, const QString& path);

// The arguments of one call of an SQL function of ours, valid during the call.
class FunctionArgs {
public:
    FunctionArgs(int count, sqlite3_value** values) : count_(count), values_(values) {}
    int count() const { return count_; }
    bool isNull(int index) const;
    // An INTEGER or REAL value.
    bool isNumber(int index) const;
    double doubleAt(int index) const;
    // The value as UTF-8 text (a number in SQLite's own text form).
    QByteArrayView utf8At(int index) const;

private:
    int count_;
    sqlite3_value** values_;
};

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
    const QString& path() const { return path_; }
    // The database's file as SQLite names it (absolute); empty for one in memory.
    QString fileName() const;
    bool readOnly() const { return readOnly_; }
    // True between BEGIN and COMMIT or ROLLBACK on this connection.
    bool inTransaction() const;
    // The rowid of the last row this connection inserted.
    qint64 lastInsertId() const;
    // Throws the SqlError a write to this read-only connection gets.
    [[noreturn]] void failReadOnly() const;
    // Closes the connection, throwing SqlError when SQLite could not end it cleanly; the
    // object is closed either way.
    void close();

    // A deterministic SQL function `name` of `argCount` arguments answering an integer.
    using IntFunction = qint64 (*)(const FunctionArgs&);
    void addFunction(const char* name, int argCount, IntFunction function);

private:
    friend class Statement;
    friend class Transaction;
    friend class Backup;
    sqlite3* handle() const { return db_; }
    // Throws SqlError for result code `rc` of the last call on this connection.
    [[noreturn]] void fail(int rc) const;

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

    int parameterCount() const;
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

// SQLite's online backup: copies the main database of `source` over that of `dest`, page
// by page, while `source` stays in use. Destroying an unfinished copy abandons it (`dest`
// keeps what it had where SQLite could roll it back).
class Backup {
public:
    Backup(Database& dest, Database& source);
    ~Backup();
    Backup(const Backup&) = delete;
    Backup& operator=(const Backup&) = delete;

    // Copies up to `pages` pages (-1: all); true once every page is copied. A source that
    // another connection holds briefly answers false. Throws SqlError (after which the
    // copy is over) for a failure.
    bool step(int pages);
    // Copies all that remains, waiting out another process's brief lock, and ends the
    // copy; throws SqlError.
    void run();
    // Ends a copy whose pages are all copied; throws SqlError for what went wrong on it.
    void finish();

private:
    Database& dest_;
    sqlite3_backup* backup_ = nullptr;
};

} // namespace bw::sql
