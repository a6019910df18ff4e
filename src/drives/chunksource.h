// What the readers share: a file read a chunk at a time with progress and cancellation,
// and the sentences that name a file and what is wrong with it.
#pragma once

#include "drives/drive.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QIODevice;

namespace bw::drives {

// Reads a device in chunks of kChunkBytes, telling `progress` after each; once it answers
// false, or the device ends, no more chunks come.
class ChunkSource {
public:
    static constexpr qint64 kChunkBytes = 256 * 1024;

    ChunkSource(QIODevice& device, const ReadProgress& progress);

    // The next chunk; empty at the end, after a read error or once cancelled.
    QByteArray next();
    bool cancelled() const { return cancelled_; }
    // The device's error text when reading it failed; empty otherwise.
    const QString& readError() const { return readError_; }
    qint64 done() const { return done_; }

private:
    QIODevice& device_;
    const ReadProgress& progress_;
    qint64 total_;
    qint64 done_ = 0;
    bool cancelled_ = false;
    QString readError_;
};

// No item of a track or a Timeline export comes near this; a file that holds one is not
// such a file, and reading on would only take memory.
constexpr qint64 kMaxItemBytes = 64 * 1024 * 1024;

// "track.gpx: what is wrong" and "track.gpx, line 12: what is wrong".
QString fileProblem(const QString& name, const QString& what);
QString lineProblem(const QString& name, qint64 line, const QString& what);

// The sentences the readers have in common.
struct Problems {
    Q_DECLARE_TR_FUNCTIONS(Drives)

public:
    static QString unreadable(const QString& why);
    static QString tooLong();
    static QString outOfRange(LatLng position);
    static QString endsBeforeStart();
    static QString truncated(const char* format);
    static QString notWellFormed(const char* format);
};

} // namespace bw::drives
