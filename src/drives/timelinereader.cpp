// Google's location exports as drives.
//
// The formats are not documented by Google; what is read here follows the community's
// descriptions (the Location History Format project's JSON schema for Semantic Location
// History, descriptions of the on-device Timeline.json) and public readers of both:
// - Takeout, one file a month: {"timelineObjects": [{"activitySegment": {...}} or
//   {"placeVisit": {...}}]}. An activity segment has startLocation/endLocation with
//   latitudeE7/longitudeE7, duration.startTimestamp/endTimestamp (ISO 8601; older files
//   startTimestampMs/endTimestampMs), distance in metres, activityType (absent in some
//   files: then the most probable of activities[]). A place visit has location.name,
//   location.address and its E7 position.
// - The Android Timeline.json: {"semanticSegments": [...], "rawSignals": [...], ...}; a
//   segment has startTime/endTime (ISO 8601 with offset) and an "activity" (start.latLng,
//   end.latLng as "48.1234567°, 11.5678901°", distanceMeters, topCandidate.type such as
//   "IN_PASSENGER_VEHICLE"), a "visit" (hierarchyLevel, topCandidate.placeId, semanticType,
//   placeLocation.latLng; no name) or a timelinePath.
// - The iOS export is the segments as a bare array with other spellings: numbers as strings
//   ("distanceMeters": "908.83"), positions as "geo:lat,lng" strings in place of the latLng
//   objects, placeID, and activity types in lower case with spaces ("in passenger vehicle").
//
// Only IN_PASSENGER_VEHICLE counts ("Driving" in Google's own Timeline): IN_VEHICLE is the
// old unspecific class that takes buses and trains too, IN_TAXI and the public transport
// classes are fares rather than one's own mileage, and MOTORCYCLING is no passenger vehicle
// (and is paid at other rates where it is paid).
#include "drives/timelinereader.h"

#include "drives/chunksource.h"
#include "drives/jsonstream.h"
#include "drives/timelinehandler.h"

#include <QIODevice>

#include <rapidjson/reader.h>

namespace bw::drives {

namespace {

// The line an offset lies on, counted again from the start where the device can seek.
qint64 lineOf(QIODevice& device, qint64 offset)
{
    if (device.isSequential() || !device.seek(0)) return 0;
    qint64 line = 1;
    qint64 read = 0;
    while (read < offset) {
        const QByteArray chunk =
            device.read(std::min<qint64>(ChunkSource::kChunkBytes, offset - read));
        if (chunk.isEmpty()) break;
        line += chunk.count('\n');
        read += chunk.size();
    }
    return line;
}

} // namespace

bool isDriveActivity(std::string_view type)
{
    constexpr std::string_view drive = "IN_PASSENGER_VEHICLE";
    if (type.size() != drive.size()) return false;
    for (std::size_t i = 0; i < type.size(); ++i) {
        char c = type[i];
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (c == ' ') c = '_';
        if (c != drive[i]) return false;
    }
    return true;
}

DriveRead readLocationExport(QIODevice& device, const QString& name, const DriveRules& rules,
                             LocationExport kind, const ReadProgress& progress)
{
    ChunkSource source(device, progress);
    TimelineHandler handler(kind);
    JsonStream stream(source, handler.events());
    handler.setStream(&stream);
    rapidjson::Reader reader;
    const rapidjson::ParseResult parsed =
        reader.Parse<rapidjson::kParseIterativeFlag>(stream, handler);
    const auto failed = [&](qint64 offset, const QString& what) {
        return DriveRead{.drives = {},
                         .error = lineProblem(name, lineOf(device, offset), what),
                         .cancelled = false};
    };
    if (source.cancelled()) return DriveRead{.drives = {}, .error = {}, .cancelled = true};
    if (!source.readError().isEmpty())
        return DriveRead{.drives = {},
                         .error = fileProblem(name, Problems::unreadable(source.readError())),
                         .cancelled = false};
    if (stream.itemTooLong()) return failed(qint64(stream.Tell()), Problems::tooLong());
    if (!handler.error().isEmpty()) return failed(handler.errorOffset(), handler.error());
    if (parsed.IsError()) {
        const bool atEnd = qint64(parsed.Offset()) >= source.done();
        return failed(qint64(parsed.Offset()),
                      atEnd ? Problems::truncated("JSON") : Problems::notWellFormed("JSON"));
    }
    if (!handler.recognised())
        return DriveRead{.drives = {},
                         .error = fileProblem(name, handler.unrecognisedWhy()),
                         .cancelled = false};
    std::vector<Drive> drives = handler.takeDrives();
    std::erase_if(drives, [&](const Drive& drive) { return !longEnough(drive, rules); });
    return DriveRead{.drives = std::move(drives), .error = {}, .cancelled = false};
}

} // namespace bw::drives
