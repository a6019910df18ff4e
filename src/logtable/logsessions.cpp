// The sessions of the logs the window has had open, and the switch between them.
#include "logtable/logsessions.h"

#include "logstore/logcatalog.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/triplog.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace bw {

namespace {

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

QString text(const char* source) { return QCoreApplication::translate("LogSessions", source); }

// The close of a session no longer on show: its last changes, its row count, its entries.
QString closeSession(LogSession& session)
{
    session.endDailyBackup();
    try {
        session.closeLog();
        session.closeEntries();
    } catch (const std::exception& failure) {
        return text(QT_TRANSLATE_NOOP("LogSessions", "The log %1 could not be closed: %2"))
            .arg(LogCatalog::nameOf(session.databasePath()), QString::fromUtf8(failure.what()));
    }
    return {};
}

} // namespace

LogSessions::LogSessions(const QString& path)
    : current_(std::make_unique<LogSession>(std::make_unique<SettingsStore>(absolute(path)),
                                            absolute(path)))
{}

LogSessions::~LogSessions() = default;

QString LogSessions::startingLog()
{
    if (!platform().logFile.isEmpty()) return platform().logFile;
    const LogCatalog catalog;
    const QString last = catalog.lastOpened();
    // A file that stopped being a log (replaced, truncated) leaves the default log to open.
    if (last != catalog.defaultLog() && !LogCatalog::notALog(last).isEmpty())
        return catalog.defaultLog();
    return last;
}

QString LogSessions::currentPath() const { return absolute(current_->databasePath()); }

std::unique_ptr<LogSession> LogSessions::openNew(const QString& path, Switch& result) const
{
    // Only the default log may be missing: its opening makes it, as at a first start.
    if (path != absolute(LogCatalog().defaultLog())) {
        result.failure = LogCatalog::notALog(path);
        if (!result.failure.isEmpty()) return nullptr;
    }
    auto session = std::make_unique<LogSession>(std::make_unique<SettingsStore>(path), path);
    result.notices = session->openAtOnce();
    if (!session->log() || !session->log()->hasDatabase()) {
        result.failure = result.notices.join(QLatin1Char(' '));
        result.notices.clear();
        return nullptr;
    }
    return session;
}

LogSessions::Switch LogSessions::open(const QString& path)
{
    Switch result;
    const QString file = absolute(path);
    if (file == currentPath()) return result;
    std::unique_ptr<LogSession> next;
    if (auto kept = left_.find(file); kept != left_.end()) {
        next = std::move(kept->second);
        left_.erase(kept);
    } else {
        next = openNew(file, result);
    }
    if (!next) {
        result.failure =
            text(QT_TRANSLATE_NOOP("LogSessions", "The log %1 was not opened; %2 stays open. %3"))
                .arg(LogCatalog::nameOf(file), LogCatalog::nameOf(currentPath()), result.failure);
        return result;
    }
    // The copy reads the log's connection: it ends before the session rests.
    current_->endDailyBackup();
    std::unique_ptr<LogSession> leaving = std::exchange(current_, std::move(next));
    result.left = leaving.get();
    // A read-only log keeps no changes to undo, and may be writable the next time.
    if (leaving->readOnly()) {
        result.discarded = std::move(leaving);
    } else {
        left_[absolute(leaving->databasePath())] = std::move(leaving);
    }
    try {
        LogCatalog().opened(file);
    } catch (const LogCatalogError& failure) {
        result.notices << QString::fromUtf8(failure.what());
    }
    current_->startDailyBackup();
    return result;
}

QString LogSessions::release(const QString& path)
{
    const auto kept = left_.find(absolute(path));
    if (kept == left_.end()) return {};
    const std::unique_ptr<LogSession> session = std::move(kept->second);
    left_.erase(kept);
    return closeSession(*session);
}

QStringList LogSessions::closeLeft()
{
    QStringList failures;
    for (auto& [path, session] : left_) {
        if (const QString why = closeSession(*session); !why.isEmpty()) failures << why;
    }
    return failures;
}

} // namespace bw
