// Drives in GPX 1.0 and 1.1 tracks.
#pragma once

#include "drives/drive.h"

#include <QString>

class QIODevice;

namespace bw::drives {

// Reads the tracks (trk, trkseg, trkpt) of a GPX file as a stream and splits them into
// drives by `rules`; routes and waypoints are not drives and are passed over. Every track
// point needs its time, a position in range, and a time not before the point before it in
// its track; a file without track points is refused too. `name` names the file in the
// error. Memory does not grow with the track.
DriveRead readGpx(QIODevice& device, const QString& name, const DriveRules& rules,
                  const ReadProgress& progress = {});

} // namespace bw::drives
