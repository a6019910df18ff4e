// The write-ahead file of a log read by the program itself before SQLite opens it: SQLite
// applies the frames up to the first one that fails its checksum and drops the rest
// without a word, so a damaged frame would take committed changes with it in silence.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace bw {

// What a write-ahead file holds, frame by frame (the layout of SQLite's file format
// documentation: a 32-byte header with the page size, two salts and a checksum; frames of
// a 24-byte header and one page, each checksummed over all before it).
struct WalCheck {
    // Frames SQLite will apply: up to the last commit frame of the valid run.
    qint64 appliedFrames = 0;
    // The file holds frames of the current generation that SQLite will not apply: a frame
    // whose checksum or page fails, or frames after it (frames of an earlier generation,
    // left behind after a checkpoint, are not damage).
    bool damaged = false;
    // The commits among the frames not applied (at least 1 when damaged: the damaged frame
    // may be the commit itself).
    qint64 lostCommits = 0;
};

// Reads `bytes` as a write-ahead file. A file shorter than its header, or whose header
// fails its checksum, is damaged when any frame follows; a frame cut off by the end is a
// write a kill interrupted before its commit, not damage.
WalCheck checkWal(QByteArrayView bytes);
// The file at `path`; a file that is not there, or is empty, holds nothing to apply.
WalCheck checkWalFile(const QString& path);

} // namespace bw
