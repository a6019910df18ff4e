// The logs a person keeps: where they live, what each holds, and making, renaming and
// discarding them. No widgets: the Logs window and the report tool show what it says.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

namespace bw {

class InstanceLock;
class SettingsStore;

// A refused or failed change of the catalogue: what() is the sentence to show, naming
// the cause. Nothing of the change is left behind.
class LogCatalogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One log as the list shows it, read without migrating it and without writing a byte
// beside it.
struct LogListing {
    QString name; // its file's name without ".sqlite"
    QString path; // absolute
    QString vehicle;
    int trips = 0;   // rows that are not blank
    QDate latest;    // the latest trip's date; invalid when no trip has one
    QString problem; // why it could not be read; the other fields are then empty
};

// Where logs live: the log kept beside the settings (its place and name stay), every
// ".sqlite" file in "logs/" beside the settings (made 0700), and the logs opened
// elsewhere that the settings remember. The settings also keep which log was opened last.
class LogCatalog {
public:
    LogCatalog();

    QString logsFolder() const { return logsFolder_; }
    QString defaultLog() const { return defaultLog_; }
    // Every known log's file once: the default log, the logs folder's by name, then the
    // remembered ones that still exist.
    QStringList paths() const;
    std::vector<LogListing> list() const;
    static LogListing describe(const QString& path);
    static QString nameOf(const QString& path);
    // The known log called `name` (letter case ignored), empty when there is none.
    QString find(const QString& name) const;
    // `argument` with a path separator is a file, else a known log's name. Throws
    // LogCatalogError naming why it is no log.
    QString resolve(const QString& argument) const;

    // The log opened last while it still exists, else the default log.
    QString lastOpened() const;
    // Keeps `path` as the log opened last, remembering it when it lies elsewhere. Throws
    // LogCatalogError for a file that is not a log (nothing is kept then) or when the
    // settings cannot be written.
    void opened(const QString& path);
    // Drops a log opened elsewhere from the list; the file stays. The default log and the
    // logs folder's are listed by where they lie: refused with the reason.
    void forget(const QString& path);

    // Why `name` cannot name a new log (or a renamed one), else empty.
    QString nameProblem(const QString& name) const;
    // Makes the log `name` in `folder` (the logs folder when empty): empty, or with the
    // employee data, rates, unit, currency and tax year of the log `fieldsFrom` but none
    // of its trips. Returns its path; throws LogCatalogError.
    QString create(const QString& name, const QString& folder = QString(),
                   const QString& fieldsFrom = QString());
    // Renames the log's file with its write-ahead file and index; refused while a program
    // has it open. Returns the new path; throws LogCatalogError.
    QString rename(const QString& path, const QString& newName);
    // Moves the log's file with its write-ahead file and index to the trash; never
    // `openLog`, nor one another program has open. Where no trash can be made the file
    // stays and the error says so. Throws LogCatalogError.
    void moveToTrash(const QString& path, const QString& openLog);

    // True for a log in the logs folder or one remembered from elsewhere: its backups go
    // beside the settings rather than beside the log.
    bool keptApart(const QString& path) const;

    // Why the file at `path` is not a log this program can open, else empty.
    static QString notALog(const QString& path);

private:
    // The INI file beside the default log, asked only for the program's own keys.
    SettingsStore programSettings() const;
    QStringList remembered() const;
    void keepRemembered(const QStringList& paths);
    void save(const QString& key, const QString& value);
    // The log's lock, held while its files change; refused while a program has it open.
    std::unique_ptr<InstanceLock> holdClosed(const QString& path) const;

    QString defaultLog_;
    QString logsFolder_;
};

} // namespace bw
