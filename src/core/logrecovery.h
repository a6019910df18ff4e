// A log's files as a start finds them, a damaged log read as far as it can be read, and
// the new log made of it. SQLite changes a log's write-ahead file and index as soon as it
// opens the log, and a read-write connection writes the write-ahead file into the log as
// it closes: so what is found is copied first, and whatever is set aside is the bytes
// found. A recovery builds the new log whole under a name of its own and puts it in the
// log's place only when it is complete; a start that finds it unfinished makes it again.
#pragma once

#include "core/logdatabase.h"
#include "core/walcheck.h"

#include <QString>

#include <utility>
#include <vector>

namespace bw {

// The log at `path` as found, before SQLite opens it: its write-ahead file and index, when
// there, are copied aside (private) and the write-ahead file is checked frame by frame.
// The copies go with the object unless setAside() keeps them.
class FoundLog {
public:
    explicit FoundLog(QString path);
    ~FoundLog();
    FoundLog(const FoundLog&) = delete;
    FoundLog& operator=(const FoundLog&) = delete;

    const QString& path() const { return path_; }
    // A write-ahead file with frames lies beside the log.
    bool hasWal() const { return hasWal_; }
    const WalCheck& wal() const { return wal_; }

    // Sets the files found aside as `path.damaged-YYYYMMDD-HHMMSS` (with "-wal" and "-shm"
    // for the copies), private. The log itself becomes a second name of the same file,
    // which is never written again (it is replaced whole), unless `willChange` (it is
    // then opened for writing) or links cannot be made: then it is copied. With `reuse`,
    // a set-aside name that is already the same file is given back instead (an earlier
    // start set it aside and did not finish). Returns the name, or "" with the errno in
    // `error`.
    QString setAside(bool willChange, bool reuse, int& error);

private:
    QString path_;
    QString heldWal_;
    QString heldShm_;
    bool hasWal_ = false;
    WalCheck wal_;
};

// What can be read of a damaged log.
struct Salvage {
    std::vector<StoredTrip> trips; // in the log's order
    // How many trips the log held, where it tells (its index read whole, or every row
    // read, or the count of its last close when that is no smaller); -1 when it cannot.
    qint64 held = -1;
    std::vector<RateChange> rates;
    LogUnits units;
};

// Reads every trip of the database at `path` that can be read, writing nothing there or
// beside it (`withWal`: its write-ahead file is read too). The trips are read through the
// table by ranges of ids: where a page fails, the read goes on from the first id after
// it that reads, so each damaged page costs only its own rows; an index of a damaged file
// may lie and is only counted.
Salvage salvageLog(const QString& path, bool withWal);

// The file a recovery builds the new log in, beside the log.
QString recoveringPath(const QString& logPath);
// Builds the new log at recoveringPath(logPath), which must exist (empty, private), from
// `salvage`, the rows of the claim and backup tables of the damaged log that can be read
// and the `meta` pairs, in one transaction; throws sql::SqlError.
void writeRecoveredLog(const QString& logPath, bool withWal, const Salvage& salvage,
                       const std::vector<std::pair<QString, QString>>& meta);
// Puts the finished new log in the log's place: the log's write-ahead file and index (set
// aside already) go, the new file takes its name. 0 or the errno.
int putRecoveredInPlace(const QString& logPath);
// Removes a recovery's file and whatever SQLite made beside it.
void removeRecovering(const QString& logPath);

enum class LeftRecovery { None, Finished, Unfinished };
// A recovery an earlier start left behind (it ended during one): a complete new log is put
// in place (Finished), an incomplete one removed (Unfinished: the log is still the damaged
// one and is recovered again).
LeftRecovery finishLeftRecovery(const QString& logPath);

// Why the log at `path` cannot be written though it reads: a folder nobody may write in
// (or on a read-only disk), a file of its own that is read-only; else `otherwise`.
QString logWriteCause(const QString& path, const QString& otherwise);

// Takes group and other permissions off what earlier versions of the program made for
// the log at `logPath` and the settings file `iniFile`: their folder, the settings and the
// earlier trips file with their copies, the log with its side files and the copies set
// aside, the backup folder and the backups in it. Links and other users' files are left.
void narrowEarlierFiles(const QString& logPath, const QString& iniFile);

} // namespace bw
