// The per-user store of string values the program keeps between runs.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <array>
#include <map>
#include <stdexcept>

namespace bw {

class LogDatabase;

// A failed write of the store: what() names the file and the cause; cause() is the
// sentence of the cause alone ("The disk is full (writing …)."), empty where the system
// gave none.
class SettingsError : public std::runtime_error {
public:
    explicit SettingsError(const std::string& text, QString cause = QString())
        : std::runtime_error(text), cause_(std::move(cause))
    {}
    const QString& cause() const { return cause_; }

private:
    QString cause_;
};

// The per-user store of string values under application "Varnholt", section
// "Brindlewick". Keys are case-insensitive; nothing is ever deleted.
//
// Where it lives: on Windows the registry key
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Varnholt\Brindlewick
// (where earlier Windows versions of the program kept the same keys). Elsewhere two
// files in the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config):
//   Varnholt/Brindlewick.ini    every key but the trip rows' (an INI file, keys at the
//                               top level), rewritten at every change of an entry field;
//   Varnholt/Brindlewick.trips  RowCount and the row keys "RowSource<k> <n>" (version
//                               1.1's layout), written in one piece.
// The program itself keeps its trips in the log's database (logstore/logdatabase.h) and reads
// the row keys only once, to move them there; the row half of this store stays so that
// this upgrade, the report tool without a database, and the tests that write the earlier
// layouts have one reader and writer of them.
// So typing into a field rewrites a file of a few hundred bytes whatever the length of
// the log. Row keys found in the INI file (where earlier versions kept them) are read as
// well and move to the trips file at the first write.
//
// Every write reaches the disk before SaveSetting returns, through a temporary file
// renamed over the old one, unless a Batch is open: then the batch's commit writes once.
// Before writing a file, and when a key is read by name, the store rereads the file if
// another instance has changed it since, so the other instance's keys stay and the last
// writer of a key wins. The row fields are read in bulk, without that check.
//
// The log's own fields (isLogField: the employee data, the period, the rate per mile and
// the locale they were typed in) belong to the log, not to the program: once the log holds
// them (its database's log_fields), they are read from it and written to it, and any INI
// file beside it is no longer asked. The log that has always been kept beside the INI file
// takes them from it once, when the program first opens it (attachLog); every other log
// starts with its own. A log not yet moved over is read as before, from the INI file.
class SettingsStore {
public:
    // The program's settings with the log the process uses (LogDatabase::defaultPath).
    SettingsStore();
    // Which keys the store is asked for. ProgramOnly serves the program's own keys (the
    // known logs, the last one opened) without opening the log's database, which for a
    // log open elsewhere means copying it whole to read past its write-ahead file.
    enum class Keys { All, ProgramOnly };
    // The program's settings with the log whose database is `logFile`.
    explicit SettingsStore(const QString& logFile, Keys keys = Keys::All);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& key, const QString& defaultValue = QString()) const;
    // Throws SettingsError when this write, or an earlier one still pending, cannot be
    // written to disk. A failed value stays pending and goes with the next write.
    void SaveSetting(const QString& key, const QString& value);
    // Values saved whose write failed and that wait for the next one.
    bool hasPending() const;
    // Writes them now; throws SettingsError when they still cannot be written.
    void writePending();

    // The row key of field k (1 to 8) of trip row n (from 1), without building its text.
    QString GetTripField(int field, int row, const QString& defaultValue) const;
    void SaveTripField(int field, int row, const QString& value);

    // For the one-time move of the trip rows into the log's database: the lines of the
    // trips file that could not be read, whether the INI file holds row keys (version
    // 1.0's layout), and dropping those keys from the INI file once they are moved.
    int unreadTripLines() const { return unreadTripLines_; }
    bool rowKeysInIni() const { return tripsInIni_; }
    // The INI file had lines its reader could not take (they are not among the keys).
    bool iniUnreadable() const { return iniUnreadable_; }
    void dropRowKeys();

    bool contains(const QString& key) const;
    QString fileName() const;
    // The database of the log whose fields this store reads.
    const QString& logFile() const { return logFile_; }
    // Whether `key` names one of a log's own fields rather than a setting of the program.
    static bool isLogField(const QString& key);

    // The program opened the log: `db` is its connection (null when it could not be
    // opened), `writable` false when it is shown read-only. A log that does not hold its
    // fields yet takes them now, in one transaction (the INI file's, for the log beside
    // it; none for another), and then the INI file loses them (a copy of it is kept as
    // "X.ini.imported"); a move cut short by a crash is finished the next time. Fields
    // saved before this wait for it. Returns why the fields could not be moved (they stay
    // in the INI file, which is then still used, and the next opening tries again), else
    // empty. `db` must outlive the store's use of it (detachLog).
    QString attachLog(LogDatabase* db, bool writable);
    void detachLog();
    // The file of the trip rows that belongs to an INI file: "X.ini" -> "X.trips".
    static QString tripsFileFor(const QString& iniFile);

    // Defers writing to disk until the outermost batch commits (one write for many keys).
    // A batch that ends without commit() writes nothing: its values stay pending and go
    // with the store's next write.
    class Batch {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Ends the batch now; the outermost one writes, and throws SettingsError when the
        // write fails.
        void commit();

    private:
        SettingsStore* store_;
    };

private:
    static constexpr int kTripFields = 8;
    using TripRow = std::array<QString, kTripFields>; // a null QString: key not stored
    struct Entry {
        QString key; // as first stored
        QString value;
    };
    struct FileStamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileStamp&) const = default;
    };

    void load();
    // Rereads a file another instance has written since this store last read or wrote it.
    void refresh() const;
    void loadEntries(bool keepPending) const;
    void loadTrips(bool keepPending) const;
    void writeEntries();
    void writeTrips();
    void flush();
    void flushSettings();
    void readLogFields();
    bool beside() const;
    void moveFieldsIn();
    void dropIniLogFields();
    bool iniHoldsLogFields() const;
    void writeLogFields();
    const QString* tripValue(int field, int row) const;
    void setTrip(int field, int row, const QString& value) const;
    static FileStamp stampOf(const QString& path);

    QString file_;
    // The files' keys as last read, with this store's pending values: a cache that a
    // read rereads when another instance has written the files since.
    mutable QHash<QString, Entry> entries_; // by case-folded key
    mutable std::map<int, TripRow> trips_;
    mutable QString rowCount_; // null while RowCount is not stored
    // Written since the last successful write of their file.
    QSet<QString> pendingEntries_;
    QSet<qint64> pendingTrips_; // row * kTripFields + field index
    bool pendingRowCount_ = false;
    // Row keys still in the INI file; they leave it once the trips file holds them.
    mutable bool tripsInIni_ = false;
    mutable FileStamp entriesStamp_;
    mutable FileStamp tripsStamp_;
    int batchDepth_ = 0;
    mutable int unreadTripLines_ = 0;
    bool rowKeysDropped_ = false;
    mutable bool iniUnreadable_ = false;

    QString logFile_;
    // The log's fields, by case-folded key, while the log holds them.
    bool logHoldsFields_ = false;
    QHash<QString, Entry> logFields_;
    QSet<QString> pendingLogFields_;
    bool attached_ = false;
    LogDatabase* log_ = nullptr; // the program's connection, writable or not
    bool logWritable_ = false;
    // The INI file's copies of the log's fields are dropped at its next write.
    bool iniFieldsRetired_ = false;
};

} // namespace bw
