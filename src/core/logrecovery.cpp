// A log's files as found, set aside and replaced by a recovered log.
#include "core/logrecovery.h"

#include "core/logbackup.h"
#include "core/settingsstore.h"
#include "platform/oserror.h"
#include "platform/privatefiles.h"
#include "platform/replacingfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace bw {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// After renames, the folder's entries reach the disk too.
void syncFolder(const QString& folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat x {};
    struct stat y {};
    return ::stat(native(a).constData(), &x) == 0 && ::stat(native(b).constData(), &y) == 0
           && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

void removeWithSideFiles(const QString& path)
{
    for (const char* suffix : {"-wal", "-shm", "-journal", ""})
        QFile::remove(path + QLatin1String(suffix));
}

// The names the log's files were set aside under earlier, the logs themselves only.
QStringList setAsideNames(const QString& logPath)
{
    const QFileInfo log(logPath);
    QStringList names;
    const QStringList found = log.dir().entryList({log.fileName() + QStringLiteral(".damaged-*")},
                                                  QDir::Files | QDir::Hidden);
    for (const QString& name : found) {
        if (!name.endsWith(QLatin1String("-wal")) && !name.endsWith(QLatin1String("-shm")))
            names << log.dir().filePath(name);
    }
    return names;
}

} // namespace

FoundLog::FoundLog(QString path) : path_(std::move(path))
{
    const QString wal = path_ + QStringLiteral("-wal");
    const QString shm = path_ + QStringLiteral("-shm");
    hasWal_ = QFileInfo(wal).size() > 0;
    const auto hold = [this](const QString& file, QString& held, const char* suffix) {
        held = path_ + QLatin1String(suffix);
        QFile::remove(held); // a copy a killed start left
        if (!QFileInfo::exists(file) || copyToPrivateFile(file, held) != 0) held.clear();
    };
    if (hasWal_) hold(wal, heldWal_, ".found-wal");
    if (QFileInfo::exists(shm)) hold(shm, heldShm_, ".found-shm");
    if (hasWal_) wal_ = checkWalFile(heldWal_.isEmpty() ? wal : heldWal_);
}

FoundLog::~FoundLog()
{
    if (!heldWal_.isEmpty()) QFile::remove(heldWal_);
    if (!heldShm_.isEmpty()) QFile::remove(heldShm_);
}

QString FoundLog::setAside(bool willChange, bool reuse, int& error)
{
    error = 0;
    if (reuse && !willChange) {
        for (const QString& earlier : setAsideNames(path_)) {
            if (sameFile(earlier, path_)) return earlier;
        }
    }
    const QString target = keepAsideName(path_);
    if (willChange || ::link(native(path_).constData(), native(target).constData()) != 0) {
        error = copyToPrivateFile(path_, target);
        if (error != 0) return {};
    }
    narrowToOwner(target);
    const auto keep = [&](QString& held, const char* suffix) {
        const QString side = target + QLatin1String(suffix);
        const QString live = path_ + QLatin1String(suffix);
        if (!held.isEmpty() && QFile::rename(held, side)) {
            held.clear();
        } else if (QFileInfo::exists(live)) {
            copyToPrivateFile(live, side);
        }
    };
    keep(heldWal_, "-wal");
    keep(heldShm_, "-shm");
    syncFolder(QFileInfo(path_).absolutePath());
    return target;
}

QString recoveringPath(const QString& logPath) { return logPath + QStringLiteral(".recovering"); }

void removeRecovering(const QString& logPath) { removeWithSideFiles(recoveringPath(logPath)); }

int putRecoveredInPlace(const QString& logPath)
{
    const QString recovering = recoveringPath(logPath);
    // Closed whole, the new log has no write-ahead file: one left would hold part of it.
    if (QFileInfo(recovering + QStringLiteral("-wal")).size() > 0) return EIO;
    // The old write-ahead file beside the new log would be applied to it.
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString side = logPath + QLatin1String(suffix);
        if (::unlink(native(side).constData()) != 0 && errno != ENOENT) return errno;
    }
    if (::rename(native(recovering).constData(), native(logPath).constData()) != 0) return errno;
    removeRecovering(logPath);
    syncFolder(QFileInfo(logPath).absolutePath());
    return 0;
}

LeftRecovery finishLeftRecovery(const QString& logPath)
{
    const QString recovering = recoveringPath(logPath);
    if (!QFileInfo::exists(recovering)) return LeftRecovery::None;
    bool complete = false;
    try {
        LogDatabase left(recovering, LogDatabase::Access::ReadWrite);
        // Written in the transaction that filled it: there only when that committed.
        complete = left.meta(QString::fromLatin1(LogDatabase::kRecoveredFrom)).has_value();
        if (complete) left.database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const std::exception&) {
        complete = false;
    }
    if (complete && putRecoveredInPlace(logPath) == 0) return LeftRecovery::Finished;
    removeRecovering(logPath);
    return LeftRecovery::Unfinished;
}

QString logWriteCause(const QString& path, const QString& otherwise)
{
    const QString folder = QFileInfo(path).absolutePath();
    QString probe;
    const int fd = openBeside(path, QStringLiteral("probe"), probe, NewFileAccess::Private);
    if (fd < 0) return folderErrorSentence(errno, folder);
    ::close(fd);
    ::unlink(native(probe).constData());
    if (::access(native(path).constData(), W_OK) != 0) {
        return QCoreApplication::translate("LogDatabase",
                                           "The log %1 cannot be written: it is read-only.")
            .arg(QDir::toNativeSeparators(path));
    }
    return otherwise;
}

void narrowEarlierFiles(const QString& logPath, const QString& iniFile)
{
    const QFileInfo log(logPath);
    narrowToOwner(log.absolutePath());
    for (const QString& kept : {iniFile, SettingsStore::tripsFileFor(iniFile)}) {
        for (const QString& name : {kept, kept + QStringLiteral(".imported")}) narrowToOwner(name);
        const QFileInfo info(kept);
        for (const QString& aside : info.dir().entryList(
                 {info.fileName() + QStringLiteral(".damaged-*")}, QDir::Files | QDir::Hidden))
            narrowToOwner(info.dir().filePath(aside));
    }
    for (const char* suffix : {"", "-wal", "-shm", ".lock"})
        narrowToOwner(logPath + QLatin1String(suffix));
    for (const QString& aside : setAsideNames(logPath)) {
        for (const char* suffix : {"", "-wal", "-shm"})
            narrowToOwner(aside + QLatin1String(suffix));
    }
    const BackupLocation backups = BackupLocation::of(logPath);
    // A backup folder that is a link leads to files the program did not make.
    if (!narrowToOwner(backups.folder)) return;
    for (const QString& name : backups.files()) narrowToOwner(QDir(backups.folder).filePath(name));
}

} // namespace bw
