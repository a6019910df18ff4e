// The logs the main window has had open while the program runs: the one on show and the
// ones left, each its own session with its own undo history. No widgets: the window asks
// for a log and shows the session it gets.
#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace bw {

class LogSession;

class LogSessions {
public:
    // The session of the log at `path`, made but not opened: the start-up opens it step by
    // step between its own.
    explicit LogSessions(const QString& path);
    ~LogSessions();
    LogSessions(const LogSessions&) = delete;
    LogSessions& operator=(const LogSessions&) = delete;

    // The log a start opens: the one the process was pointed at, else the one opened last
    // while it is still a log, else the default one.
    static QString startingLog();

    LogSession& current() const { return *current_; }
    QString currentPath() const;

    // What a switch did. Nothing changed when `failure` says why the log could not be
    // opened, nor when the log asked for is the one on show (`left` null then too).
    struct Switch {
        LogSession* left = nullptr; // the session left, still alive
        // The session left when it is not kept (a read-only one, which may be writable
        // next time): alive until the caller has let go of it.
        std::unique_ptr<LogSession> discarded;
        QString failure;
        QStringList notices; // what the person is to hear of the log now on show
    };
    // Shows the log at `path`: the session left for it, or a new one opened in one go.
    // The session on show changes only once the other is open, and the log opened is
    // kept as the one opened last.
    Switch open(const QString& path);

    // Ends the session kept for `path` (before its file is renamed or moved), closing its
    // log as the program's close does; its undo history goes with it. Returns why its
    // last entries could not be written, else empty.
    QString release(const QString& path);
    // Closes the logs left, as the program's close does; returns what went wrong.
    QStringList closeLeft();
    int leftCount() const { return static_cast<int>(left_.size()); }

private:
    std::unique_ptr<LogSession> openNew(const QString& path, Switch& result) const;

    std::unique_ptr<LogSession> current_;
    std::map<QString, std::unique_ptr<LogSession>> left_; // by absolute path
};

} // namespace bw
