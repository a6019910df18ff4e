// The RAII layer over SQLite's C API, and the sentences for its failures.
#include "logstore/sqlite.h"

#include "platform/oserror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace bw::sql {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// An I/O failure whose errno SQLite no longer holds (the calls after the failed one set
// it again): the log's files are opened for writing and its disk's room asked, which
// finds a file that takes no write (read-only, immutable), a read-only disk or a full one.
QString probedCause(const QString& path)
{
    for (const char* suffix : {"-wal", ""}) {
        const QString file = path + QLatin1String(suffix);
        const QByteArray name = QFile::encodeName(file);
        if (::access(name.constData(), F_OK) != 0) continue;
        const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return osErrorSentence(errno, file);
        ::close(fd);
    }
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &disk) == 0
        && disk.f_bavail == 0)
        return osErrorSentence(ENOSPC, path);
    return {};
}

} // namespace

SqlError::SqlError(const QString& sentence, int code, int systemErrno)
    : std::runtime_error(sentence.toStdString()), code_(code), errno_(systemErrno)
{}

bool SqlError::damage() const
{
    return primaryCode() == SQLITE_NOTADB || primaryCode() == SQLITE_CORRUPT;
}

SqlError SqlError::damaged() { return SqlError(QString(), SQLITE_CORRUPT, 0); }

bool FunctionArgs::isNull(int index) const
{
    return sqlite3_value_type(values_[index]) == SQLITE_NULL;
}

bool FunctionArgs::isNumber(int index) const
{
    const int type = sqlite3_value_type(values_[index]);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

double FunctionArgs::doubleAt(int index) const { return sqlite3_value_double(values_[index]); }

QByteArrayView FunctionArgs::utf8At(int index) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(values_[index]));
    return QByteArrayView(text, text ? sqlite3_value_bytes(values_[index]) : 0);
}

QString errorSentence(int code, int systemErrno, const QString& path)
{
    const int primary = code & 0xFF;
    // An I/O failure carries the system's reason, which says more than SQLite's code.
    if (systemErrno != 0
        && (primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_CANTOPEN
            || primary == SQLITE_READONLY)) {
        return osErrorSentence(systemErrno, path);
    }
    if (primary == SQLITE_IOERR && !path.isEmpty()) {
        const QString cause = probedCause(path);
        if (!cause.isEmpty()) return cause;
    }
    // The read-only codes that name a cause other than the file's own mode.
    switch (code) {
    case SQLITE_READONLY_DBMOVED:
        return QCoreApplication::translate("LogDatabase",
                                           "The log %1 was moved or deleted while it was open.")
            .arg(shown(path));
    case SQLITE_READONLY_DIRECTORY:
        return osErrorSentence(EACCES, QFileInfo(path).absolutePath());
    case SQLITE_READONLY_RECOVERY:
    case SQLITE_READONLY_CANTINIT:
    case SQLITE_READONLY_CANTLOCK:
        return QCoreApplication::translate("LogDatabase",
                                           "The index file %1 of the log cannot be written.")
            .arg(shown(path + QStringLiteral("-shm")));
    default:
        break;
    }
    switch (primary) {
    case SQLITE_FULL:
        return osErrorSentence(ENOSPC, path);
    case SQLITE_READONLY:
        return QCoreApplication::translate("LogDatabase",
                                           "The log %1 cannot be written: it is read-only.")
            .arg(shown(path));
    case SQLITE_CANTOPEN:
        return QCoreApplication::translate("LogDatabase", "The log %1 cannot be opened.")
            .arg(shown(path));
    case SQLITE_NOTADB:
        return QCoreApplication::translate("LogDatabase", "The file %1 is not a log database.")
            .arg(shown(path));
    case SQLITE_CORRUPT:
        return QCoreApplication::translate("LogDatabase", "The log %1 is damaged.")
            .arg(shown(path));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QCoreApplication::translate("LogDatabase", "The log %1 is busy in another program.")
            .arg(shown(path));
    case SQLITE_NOMEM:
        return QCoreApplication::translate("LogDatabase",
                                           "There is not enough memory to work on the log %1.")
            .arg(shown(path));
    case SQLITE_IOERR:
        return QCoreApplication::translate("LogDatabase", "The disk failed while using the log %1.")
            .arg(shown(path));
    default:
        return QCoreApplication::translate("LogDatabase", "The log %1 could not be used: %2.")
            .arg(shown(path), QString::fromUtf8(sqlite3_errstr(code)));
    }
}

Database::Database(const QString& path, Open mode) : path_(path), readOnly_(mode != Open::ReadWrite)
{
    const int flags = readOnly_ ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    QByteArray name = QFile::encodeName(path);
    if (mode == Open::Snapshot) {
        name = "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/")
               + "?immutable=1";
    }
    const int rc = sqlite3_open_v2(
        name.constData(), &db_,
        flags | SQLITE_OPEN_NOMUTEX | (mode == Open::Snapshot ? SQLITE_OPEN_URI : 0), nullptr);
    if (rc != SQLITE_OK) {
        const int sys = db_ ? sqlite3_system_errno(db_) : 0;
        const int code = db_ ? sqlite3_extended_errcode(db_) : rc;
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw SqlError(errorSentence(code, sys, path), code, sys);
    }
    sqlite3_extended_result_codes(db_, 1);
}

Database::~Database() { sqlite3_close_v2(db_); }

QString Database::fileName() const
{
    const char* file = db_ ? sqlite3_db_filename(db_, "main") : nullptr;
    return QString::fromUtf8(file ? file : "");
}

bool Database::inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

qint64 Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

void Database::failReadOnly() const { fail(SQLITE_READONLY); }

void Database::close()
{
    const int rc = sqlite3_close(db_);
    db_ = nullptr;
    if (rc != SQLITE_OK) throw SqlError(errorSentence(rc, 0, path_), rc, 0);
}

namespace {

struct FunctionSlot {
    Database::IntFunction function;
};

void callFunction(sqlite3_context* context, int count, sqlite3_value** values)
{
    const auto* slot = static_cast<const FunctionSlot*>(sqlite3_user_data(context));
    sqlite3_result_int64(context, slot->function(FunctionArgs(count, values)));
}

void dropFunction(void* slot) { delete static_cast<FunctionSlot*>(slot); }

} // namespace

void Database::addFunction(const char* name, int argCount, IntFunction function)
{
    // SQLite owns the slot from here on, failure or not: it calls dropFunction for it.
    const int rc = sqlite3_create_function_v2(
        db_, name, argCount, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
        new FunctionSlot{function}, callFunction, nullptr, nullptr, dropFunction);
    if (rc != SQLITE_OK) fail(rc);
}

void Database::fail(int rc) const
{
    const int code = db_ ? sqlite3_extended_errcode(db_) : rc;
    const int sys = db_ ? sqlite3_system_errno(db_) : 0;
    throw SqlError(errorSentence(code == SQLITE_OK ? rc : code, sys, path_),
                   code == SQLITE_OK ? rc : code, sys);
}

void Database::exec(const char* sql)
{
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fail(rc);
}

QVariant Database::scalar(const char* sql)
{
    Statement statement(*this, sql);
    return statement.step() ? statement.valueAt(0) : QVariant();
}

Statement::Statement(Database& db, const char* sql) : db_(db)
{
    const int rc =
        sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (rc != SQLITE_OK) db.fail(rc);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull() || !value.isValid()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        rc = sqlite3_bind_double(stmt_, index, value.toDouble());
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
               || value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::UInt) {
        rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
    } else {
        const QString text = value.toString();
        rc = sqlite3_bind_text16(stmt_, index, text.utf16(), static_cast<int>(text.size() * 2),
                                 SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) db_.fail(rc);
}

void Statement::bindInt(int index, qint64 value)
{
    const int rc = sqlite3_bind_int64(stmt_, index, value);
    if (rc != SQLITE_OK) db_.fail(rc);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    db_.fail(rc);
}

void Statement::run()
{
    while (step()) {
    }
    reset();
}

int Statement::parameterCount() const { return sqlite3_bind_parameter_count(stmt_); }

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

qint64 Statement::intAt(int column) const { return sqlite3_column_int64(stmt_, column); }

double Statement::doubleAt(int column) const { return sqlite3_column_double(stmt_, column); }

QString Statement::textAt(int column) const
{
    // The log keeps UTF-8; Qt's decoder is several times quicker than SQLite's conversion
    // to UTF-16, which a long log paid for every field of every trip.
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    const int bytes = sqlite3_column_bytes(stmt_, column);
    return text ? QString::fromUtf8(text, bytes) : QString(QLatin1String(""));
}

QByteArrayView Statement::utf8At(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QByteArrayView(text, text ? sqlite3_column_bytes(stmt_, column) : 0);
}

QVariant Statement::valueAt(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(intAt(column));
    case SQLITE_FLOAT:
        return QVariant(doubleAt(column));
    default:
        return QVariant(textAt(column));
    }
}

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction()
{
    if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    db_.exec("COMMIT");
    open_ = false;
}

Backup::Backup(Database& dest, Database& source) : dest_(dest)
{
    backup_ = sqlite3_backup_init(dest.handle(), "main", source.handle(), "main");
    if (!backup_) dest.fail(sqlite3_errcode(dest.handle()));
}

Backup::~Backup() { sqlite3_backup_finish(backup_); }

bool Backup::step(int pages)
{
    const int rc = sqlite3_backup_step(backup_, pages);
    if (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) return false;
    if (rc == SQLITE_DONE) return true;
    sqlite3_backup_finish(backup_);
    backup_ = nullptr;
    dest_.fail(rc);
}

void Backup::run()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (step(-1)) return finish();
        sqlite3_sleep(20);
    }
    sqlite3_backup_finish(backup_);
    backup_ = nullptr;
    dest_.fail(SQLITE_BUSY);
}

void Backup::finish()
{
    const int rc = sqlite3_backup_finish(backup_);
    backup_ = nullptr;
    if (rc != SQLITE_OK) dest_.fail(rc);
}

} // namespace bw::sql
