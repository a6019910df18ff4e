// The value types of recorded drives: what the readers find and the rules that find it.
#pragma once

#include "drives/geodesy.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace bw::drives {

// One end of a drive: where it was, the name the export gave the place there (Timeline
// and Location History exports name some places; tracks none), and the name it is given
// in the end (see places.h), empty while it stays open.
struct DriveEnd {
    LatLng position;
    QString exportName;
    QString place;
};

// A drive: when (milliseconds since 1970, UTC), from where to where, and how far.
struct Drive {
    qint64 startMs = 0;
    qint64 endMs = 0;
    DriveEnd from;
    DriveEnd to;
    double metres = 0.0;
};

// What makes a drive of a recorded track. A stop (this long with every point within
// stopRadiusMetres of where it began) or a gap as long between two time stamps ends a
// drive; a drive shorter than minMetres or minSeconds is left out, whatever its source;
// a point that would mean more than maxKmh from the point before is a jump of the
// receiver and skipped.
struct DriveRules {
    int stopSeconds = 300;
    double stopRadiusMetres = 100.0;
    double minMetres = 500.0;
    int minSeconds = 120;
    double maxKmh = 250.0;
};

// Told how far a reader has come (bytes read of the file's size); returning false cancels
// the reading.
using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

// What reading one file gives: its drives, or why it cannot be read (a sentence naming the
// file), or that it was cancelled. A file that fails or is cancelled gives no drives.
struct DriveRead {
    std::vector<Drive> drives;
    QString error;
    bool cancelled = false;

    bool ok() const { return error.isEmpty() && !cancelled; }
};

// Keeps a drive that the rules do not leave out.
bool longEnough(const Drive& drive, const DriveRules& rules);

} // namespace bw::drives
