// Files of drives read on a thread of their own, so that a window stays responsive while a
// year of recordings is read, with its progress to show and a cancel.
#pragma once

#include "drives/drive.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

namespace bw::drives {

class DriveReading final : public QObject {
    Q_OBJECT

public:
    DriveReading(QStringList paths, const DriveRules& rules, QObject* parent = nullptr);
    // Cancels a reading under way and waits for its thread.
    ~DriveReading() override;
    DriveReading(const DriveReading&) = delete;
    DriveReading& operator=(const DriveReading&) = delete;

    // Reads the files as readDriveFiles does; finished() follows, on this object's thread.
    void start();
    // Asks the reading to stop at its next chunk: it then ends cancelled, with no drives.
    void cancel() { cancel_ = true; }
    // How far it has come, 0 to 1000 (per mille of the files' bytes).
    int progress() const;
    bool running() const;
    // What was read, once finished.
    DriveRead take() { return std::move(result_); }

signals:
    void finished();

private:
    QStringList paths_;
    DriveRules rules_;
    std::atomic<qint64> done_{0};
    std::atomic<qint64> total_{0};
    std::atomic<bool> cancel_{false};
    DriveRead result_;
    std::unique_ptr<QThread> thread_;
};

} // namespace bw::drives
