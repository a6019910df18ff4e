// The known logs: listing them without disturbing them, and the file operations on them.
#include "logstore/logcatalog.h"

#include "core/logunits.h"
#include "logstore/blanktripsql.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "platform/datetext.h"
#include "platform/oserror.h"
#include "platform/privatefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <utility>

namespace bw {

namespace {

constexpr char kSuffix[] = ".sqlite";
constexpr char kLastLogKey[] = "LastLog";
constexpr char kOtherLogsKey[] = "OtherLogs";
// Every byte of a name goes into file names with suffixes beside it ("-wal", ".lock").
constexpr qsizetype kMaxNameBytes = 200;
// A new log shows as many rows as the first log did.
constexpr int kNewLogRows = 30;

QString text(const char* source) { return QCoreApplication::translate("LogCatalog", source); }

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

bool samePath(const QString& a, const QString& b) { return absolute(a) == absolute(b); }

// The database and the files SQLite keeps beside it while it is open.
QStringList filesOf(const QString& path)
{
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

// Read as found: with its write-ahead file where one lies beside it (what was committed),
// else the file's own bytes, so that nothing is made beside it.
std::unique_ptr<LogDatabase> openAsFound(const QString& path)
{
    const bool withWal = QFileInfo::exists(path + QStringLiteral("-wal"));
    return std::make_unique<LogDatabase>(path, withWal ? LogDatabase::Access::ReadOnly
                                                       : LogDatabase::Access::Snapshot);
}

bool hasTrips(LogDatabase& db)
{
    return db.foundVersion() > 0
           && db.database()
                      .scalar("SELECT count(*) FROM sqlite_schema WHERE type = 'table'"
                              " AND name = 'trips'")
                      .toInt()
                  == 1;
}

// What a new log takes from another: its own fields, units, rates and tax year.
struct Template {
    std::vector<std::pair<QString, QString>> fields;
    LogUnits units = localeUnits(QLocale());
    std::vector<RateChange> rates;
    std::optional<TaxYearStart> taxYear;
};

Template templateOf(const QString& path)
{
    Template from;
    if (path.isEmpty()) return from;
    std::unique_ptr<LogDatabase> db;
    try {
        db = openAsFound(path);
        from.units = db->units();
        from.rates = db->rateChanges();
        from.taxYear = db->taxYearStart();
    } catch (const sql::SqlError& failure) {
        throw LogCatalogError(text(QT_TRANSLATE_NOOP("LogCatalog", "The log %1 cannot be read: %2"))
                                  .arg(shown(path), QString::fromUtf8(failure.what()))
                                  .toStdString());
    }
    // Its fields as the program reads them, from the settings where it has not taken them.
    const SettingsStore store(path);
    for (const char* key : {"AuthorizedBy", "EmployeeID", "EmployeeName", "PeriodFrom", "PeriodTo",
                            "RatePerMile", "VehicleDescription", "EntryLocale"}) {
        const QString name = QString::fromLatin1(key);
        if (store.contains(name)) from.fields.push_back({name, store.GetSetting(name)});
    }
    return from;
}

void fillNewLog(const QString& path, const Template& from)
{
    LogDatabase db(path, LogDatabase::Access::ReadWrite);
    TripChanges changes;
    changes.replaceAll = true;
    for (int row = 1; row <= kNewLogRows; ++row) changes.upserts.push_back({row, double(row), {}});
    changes.meta = LogDatabase::unitsMeta(from.units);
    changes.meta.push_back({QString::fromLatin1(LogDatabase::kImportPending), QString()});
    changes.meta.push_back(
        {QString::fromLatin1(LogDatabase::kRowCountAtClose), QString::number(kNewLogRows)});
    changes.meta.push_back({QString::fromLatin1(LogDatabase::kFilesPrivate), QStringLiteral("1")});
    db.apply(changes);
    db.replaceRateChanges(from.rates);
    if (from.taxYear) db.setTaxYearStart(*from.taxYear);
    db.keepLogFields(from.fields, LogDatabase::FieldsWrite::MoveIn);
    // The file alone is the log once it closes.
    db.database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

// Qt puts a file whose trash cannot be made into folders named after the trash's, relative
// to the working folder: the desktop's trash is made, or found, here first.
QString homeTrashProblem()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || QDir::isRelativePath(data))
        return text(QT_TRANSLATE_NOOP("LogCatalog", "no folder for the trash is known"));
    for (const char* part : {"Trash/files", "Trash/info"}) {
        const QString folder = QDir(data).filePath(QLatin1String(part));
        if (const int error = makePrivateFolder(folder)) return folderErrorSentence(error, folder);
    }
    return {};
}

} // namespace

LogCatalog::LogCatalog()
    : defaultLog_(absolute(LogDatabase::besideSettings())),
      logsFolder_(QFileInfo(defaultLog_).dir().filePath(QStringLiteral("logs")))
{}

QString LogCatalog::nameOf(const QString& path)
{
    const QString file = QFileInfo(path).fileName();
    return file.endsWith(QLatin1String(kSuffix)) ? file.chopped(int(sizeof kSuffix) - 1) : file;
}

QStringList LogCatalog::paths() const
{
    QStringList all = {defaultLog_};
    const QStringList inFolder =
        QDir(logsFolder_).entryList({QStringLiteral("*.sqlite")}, QDir::Files, QDir::Name);
    for (const QString& name : inFolder) all << QDir(logsFolder_).filePath(name);
    for (const QString& path : remembered()) {
        if (QFileInfo::exists(path) && !all.contains(absolute(path))) all << absolute(path);
    }
    return all;
}

std::vector<LogListing> LogCatalog::list() const
{
    std::vector<LogListing> listed;
    for (const QString& path : paths()) listed.push_back(describe(path));
    return listed;
}

LogListing LogCatalog::describe(const QString& path)
{
    LogListing listing{nameOf(path), absolute(path), {}, 0, {}, {}};
    if (!QFileInfo::exists(path)) return listing; // the default log before its first start
    try {
        const std::unique_ptr<LogDatabase> db = openAsFound(path);
        if (!hasTrips(*db)) {
            listing.problem = text(QT_TRANSLATE_NOOP("LogCatalog", "not a log of this program"));
            return listing;
        }
        sql::Statement counted(db->database(),
                               "SELECT count(*) FROM trips WHERE NOT " + blankTripCall());
        if (counted.step()) listing.trips = static_cast<int>(counted.intAt(0));
        sql::Statement dates(db->database(),
                             "SELECT DISTINCT date FROM trips WHERE date IS NOT NULL");
        while (dates.step()) {
            const QDate date = textToDate(dates.textAt(0));
            if (date.isValid() && (!listing.latest.isValid() || date > listing.latest))
                listing.latest = date;
        }
        if (db->fieldsMovedIn()) {
            const std::map<QString, QString> fields = db->logFields();
            const auto vehicle = fields.find(QStringLiteral("VehicleDescription"));
            if (vehicle != fields.end()) listing.vehicle = vehicle->second;
            return listing;
        }
    } catch (const sql::SqlError& failure) {
        listing.problem = QString::fromUtf8(failure.what());
        return listing;
    }
    listing.vehicle = SettingsStore(path).GetSetting(QStringLiteral("VehicleDescription"));
    return listing;
}

QString LogCatalog::notALog(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return text(QT_TRANSLATE_NOOP("LogCatalog", "%1 does not exist.")).arg(shown(path));
    if (info.isDir())
        return text(QT_TRANSLATE_NOOP("LogCatalog", "%1 is a folder, not a log.")).arg(shown(path));
    try {
        const std::unique_ptr<LogDatabase> db = openAsFound(path);
        if (hasTrips(*db)) return {};
    } catch (const sql::SqlError& failure) {
        return text(QT_TRANSLATE_NOOP("LogCatalog", "%1 cannot be read as a log: %2"))
            .arg(shown(path), QString::fromUtf8(failure.what()));
    }
    return text(QT_TRANSLATE_NOOP("LogCatalog", "%1 is not a log of this program."))
        .arg(shown(path));
}

bool LogCatalog::keptApart(const QString& path) const
{
    if (path.isEmpty() || samePath(path, defaultLog_)) return false;
    if (samePath(QFileInfo(path).absolutePath(), logsFolder_)) return true;
    const QStringList others = remembered();
    return std::any_of(others.cbegin(), others.cend(),
                       [&](const QString& other) { return samePath(other, path); });
}

QString LogCatalog::find(const QString& name) const
{
    for (const QString& path : paths()) {
        if (nameOf(path).compare(name, Qt::CaseInsensitive) == 0) return path;
    }
    return {};
}

QString LogCatalog::resolve(const QString& argument) const
{
    if (argument.contains(QLatin1Char('/')) || argument.contains(QDir::separator())) {
        const QString problem = notALog(argument);
        if (!problem.isEmpty()) throw LogCatalogError(problem.toStdString());
        return absolute(argument);
    }
    const QString found = find(argument);
    if (found.isEmpty()) {
        throw LogCatalogError(text(QT_TRANSLATE_NOOP("LogCatalog", "There is no log called %1."))
                                  .arg(argument)
                                  .toStdString());
    }
    return found;
}

SettingsStore LogCatalog::programSettings() const
{
    return SettingsStore(defaultLog_, SettingsStore::Keys::ProgramOnly);
}

QStringList LogCatalog::remembered() const
{
    const QString kept = programSettings().GetSetting(QString::fromLatin1(kOtherLogsKey));
    return kept.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void LogCatalog::save(const QString& key, const QString& value)
{
    try {
        programSettings().SaveSetting(key, value);
    } catch (const SettingsError& failure) {
        throw LogCatalogError(failure.what());
    }
}

void LogCatalog::keepRemembered(const QStringList& paths)
{
    save(QString::fromLatin1(kOtherLogsKey), paths.join(QLatin1Char('\n')));
}

QString LogCatalog::lastOpened() const
{
    const QString last = programSettings().GetSetting(QString::fromLatin1(kLastLogKey));
    return !last.isEmpty() && QFileInfo::exists(last) ? last : defaultLog_;
}

void LogCatalog::opened(const QString& path)
{
    const QString file = absolute(path);
    if (!samePath(file, defaultLog_)) {
        const QString problem = notALog(file);
        if (!problem.isEmpty()) throw LogCatalogError(problem.toStdString());
    }
    if (!paths().contains(file)) keepRemembered(remembered() << file);
    save(QString::fromLatin1(kLastLogKey), file);
}

void LogCatalog::forget(const QString& path)
{
    const QString file = absolute(path);
    if (samePath(file, defaultLog_) || samePath(QFileInfo(file).absolutePath(), logsFolder_)) {
        throw LogCatalogError(
            text(QT_TRANSLATE_NOOP("LogCatalog", "%1 is listed because of where it lies; move it "
                                                 "to the trash or out of the folder instead."))
                .arg(shown(file))
                .toStdString());
    }
    QStringList kept = remembered();
    kept.removeIf([&](const QString& other) { return samePath(other, file); });
    keepRemembered(kept);
}

QString LogCatalog::nameProblem(const QString& name) const
{
    if (name.trimmed().isEmpty())
        return text(QT_TRANSLATE_NOOP("LogCatalog", "A log needs a name."));
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return text(QT_TRANSLATE_NOOP("LogCatalog",
                                      "A log's name cannot hold a path separator (/ or \\)."));
    if (name.startsWith(QLatin1Char('.')))
        return text(QT_TRANSLATE_NOOP("LogCatalog", "A log's name cannot begin with a period."));
    if (std::any_of(name.cbegin(), name.cend(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return text(
            QT_TRANSLATE_NOOP("LogCatalog", "A log's name cannot hold control characters."));
    if (name.toUtf8().size() > kMaxNameBytes)
        return text(QT_TRANSLATE_NOOP("LogCatalog", "A log's name can be at most %1 bytes long."))
            .arg(kMaxNameBytes);
    if (!find(name).isEmpty())
        return text(QT_TRANSLATE_NOOP("LogCatalog", "A log called %1 exists already.")).arg(name);
    return {};
}

QString LogCatalog::create(const QString& name, const QString& folder, const QString& fieldsFrom)
{
    const QString problem = nameProblem(name);
    if (!problem.isEmpty()) throw LogCatalogError(problem.toStdString());
    const QString where = absolute(folder.isEmpty() ? logsFolder_ : folder);
    const auto failed = [&](const QString& cause) {
        return LogCatalogError(
            text(QT_TRANSLATE_NOOP("LogCatalog", "The log %1 could not be made: %2"))
                .arg(name, cause)
                .toStdString());
    };
    if (const int error = makePrivateFolder(where)) throw failed(folderErrorSentence(error, where));
    const QString path = QDir(where).filePath(name + QLatin1String(kSuffix));
    if (QFileInfo::exists(path))
        throw failed(
            text(QT_TRANSLATE_NOOP("LogCatalog", "a file %1 exists already.")).arg(shown(path)));
    const Template from = templateOf(fieldsFrom);
    {
        // Built whole under a name no list shows, and put in place only when complete.
        const StagedLog staged(
            QDir(where).filePath(QLatin1Char('.') + name + QStringLiteral(".new")));
        try {
            fillNewLog(staged.path, from);
        } catch (const sql::SqlError& failure) {
            throw failed(QString::fromUtf8(failure.what()));
        }
        QFile made(staged.path);
        if (!made.rename(path)) throw failed(made.errorString());
    }
    if (!samePath(where, logsFolder_)) {
        try {
            keepRemembered(remembered() << path);
        } catch (const LogCatalogError&) {
            // Made all the same: Open Other File finds it.
        }
    }
    return path;
}

std::unique_ptr<InstanceLock> LogCatalog::holdClosed(const QString& path) const
{
    auto lock = std::make_unique<InstanceLock>(path, InstanceLock::Holder::Program);
    if (lock->held()) return lock;
    const QString cause = lock->error() != 0
                              ? osErrorSentence(lock->error(), path + QStringLiteral(".lock"))
                              : text(QT_TRANSLATE_NOOP("LogCatalog", "it is open in Brindlewick or "
                                                                     "brindlewick-report."));
    throw LogCatalogError(text(QT_TRANSLATE_NOOP("LogCatalog", "The log %1 cannot be changed: %2"))
                              .arg(shown(path), cause)
                              .toStdString());
}

QString LogCatalog::rename(const QString& path, const QString& newName)
{
    const QString from = absolute(path);
    if (samePath(from, defaultLog_))
        throw LogCatalogError(
            text(
                QT_TRANSLATE_NOOP("LogCatalog", "The log kept beside the settings keeps its name."))
                .toStdString());
    const QString problem = !QFileInfo::exists(from) ? notALog(from) : nameProblem(newName);
    if (!problem.isEmpty()) throw LogCatalogError(problem.toStdString());
    const QString to = QFileInfo(from).dir().filePath(newName + QLatin1String(kSuffix));
    if (QFileInfo::exists(to))
        throw LogCatalogError(text(QT_TRANSLATE_NOOP("LogCatalog", "A file %1 exists already."))
                                  .arg(shown(to))
                                  .toStdString());
    {
        const std::unique_ptr<InstanceLock> held = holdClosed(from);
        const QStringList sources = filesOf(from);
        const QStringList targets = filesOf(to);
        for (int k = 0; k < sources.size(); ++k) {
            if (k > 0 && !QFileInfo::exists(sources[k])) continue;
            QFile file(sources[k]);
            if (file.rename(targets[k])) continue;
            // All or nothing: what moved goes back.
            for (int back = k - 1; back >= 0; --back) QFile::rename(targets[back], sources[back]);
            throw LogCatalogError(
                text(QT_TRANSLATE_NOOP("LogCatalog", "The log %1 could not be renamed: %2"))
                    .arg(shown(from), file.errorString())
                    .toStdString());
        }
        QFile::remove(from + QStringLiteral(".lock"));
    }
    QStringList kept = remembered();
    if (kept.removeIf([&](const QString& other) { return samePath(other, from); }) > 0)
        keepRemembered(kept << to);
    if (samePath(programSettings().GetSetting(QString::fromLatin1(kLastLogKey)), from))
        save(QString::fromLatin1(kLastLogKey), to);
    return to;
}

void LogCatalog::moveToTrash(const QString& path, const QString& openLog)
{
    const QString file = absolute(path);
    if (!openLog.isEmpty() && samePath(file, openLog))
        throw LogCatalogError(
            text(QT_TRANSLATE_NOOP("LogCatalog", "The open log cannot be moved to the trash."))
                .toStdString());
    if (!QFileInfo::exists(file)) throw LogCatalogError(notALog(file).toStdString());
    const std::unique_ptr<InstanceLock> held = holdClosed(file);
    const auto noTrash = [&](const QString& why) {
        return LogCatalogError(
            text(QT_TRANSLATE_NOOP("LogCatalog", "The log %1 could not be moved to the trash (%2); "
                                                 "it stays where it is."))
                .arg(shown(file), why)
                .toStdString());
    };
    const QString trashProblem = homeTrashProblem();
    if (!trashProblem.isEmpty()) throw noTrash(trashProblem);
    QFile log(file);
    if (!log.moveToTrash()) throw noTrash(log.errorString());
    for (const QString& beside : filesOf(file).mid(1)) {
        if (QFileInfo::exists(beside)) QFile(beside).moveToTrash();
    }
    QFile::remove(file + QStringLiteral(".lock"));
    QStringList kept = remembered();
    if (kept.removeIf([&](const QString& other) { return samePath(other, file); }) > 0)
        keepRemembered(kept);
}

} // namespace bw
