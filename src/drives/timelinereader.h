// Drives in Google's location exports: the on-device Timeline export and the Semantic
// Location History of Takeout.
#pragma once

#include "drives/drive.h"

#include <QString>

class QIODevice;

namespace bw::drives {

enum class LocationExport {
    Timeline, // Timeline.json from a phone: {"semanticSegments": [...]} or the iOS bare array
    Takeout,  // a month of Semantic Location History: {"timelineObjects": [...]}
    Either,
};

// The activities in a passenger vehicle of the export, as drives: the export's own times,
// ends and distance (the geodesic between the ends where it gives none), each end named
// after the place visited right before or after it where the export names one. Drives
// shorter than `rules` allow are left out. Read as a stream; `name` names the file in the
// error. A file of another kind than `kind` is refused.
DriveRead readLocationExport(QIODevice& device, const QString& name, const DriveRules& rules,
                             LocationExport kind = LocationExport::Either,
                             const ReadProgress& progress = {});

// Whether an export's activity type is a drive: "IN_PASSENGER_VEHICLE" as Android and
// Takeout write it, "in passenger vehicle" as iOS does.
bool isDriveActivity(std::string_view type);

} // namespace bw::drives
