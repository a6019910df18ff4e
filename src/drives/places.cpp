// Place names, trips and the log's own trips.
#include "drives/places.h"

#include <QDateTime>

#include <cmath>
#include <unordered_map>

namespace bw::drives {

namespace {

// A degree of latitude at the equator on WGS84, where it is shortest: a (1 - e²) π / 180.
constexpr double kMinMetresPerDegree = 110574.0;

} // namespace

QString placeName(const DriveEnd& end, const std::vector<SavedPlace>& places)
{
    const SavedPlace* nearest = nullptr;
    double nearestMetres = 0.0;
    if (end.position.known()) {
        for (const SavedPlace& place : places) {
            if (!place.position.known()) continue;
            // No path between two latitudes is shorter than the meridian between them, and
            // a degree of meridian is nowhere shorter than at the equator: most places are
            // ruled out here without a geodesic.
            if (std::abs(end.position.lat - place.position.lat) * kMinMetresPerDegree
                > place.radiusMetres)
                continue;
            const double metres = geodesicMetres(end.position, place.position);
            if (metres <= place.radiusMetres && (!nearest || metres < nearestMetres)) {
                nearest = &place;
                nearestMetres = metres;
            }
        }
    }
    return nearest ? nearest->name : end.exportName;
}

void namePlaces(std::vector<Drive>& drives, const std::vector<SavedPlace>& places)
{
    for (Drive& drive : drives) {
        drive.from.place = placeName(drive.from, places);
        drive.to.place = placeName(drive.to, places);
    }
}

std::optional<SavedPlace> nameEnd(std::vector<Drive>& drives, const std::vector<SavedPlace>& places,
                                  std::size_t index, End end, const QString& name, double radius)
{
    DriveEnd& named = end == End::From ? drives.at(index).from : drives.at(index).to;
    if (!named.position.known()) {
        named.place = name;
        return std::nullopt;
    }
    const SavedPlace place{name, named.position, radius};
    std::vector<SavedPlace> all = places;
    all.push_back(place);
    namePlaces(drives, all);
    return place;
}

double distanceIn(double metres, Unit unit)
{
    return unit == Unit::Kilometres ? metres / 1000.0 : metres / 1609.344;
}

DriveTrip tripOf(const Drive& drive, Unit unit, const QTimeZone& zone)
{
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(drive.startMs, zone);
    const QDateTime end = QDateTime::fromMSecsSinceEpoch(drive.endMs, zone);
    return DriveTrip{.date = start.date(),
                     .start = start.time(),
                     .end = end.time(),
                     .from = drive.from.place,
                     .to = drive.to.place,
                     .mileage = std::round(distanceIn(drive.metres, unit) * 10.0) / 10.0};
}

bool sameTrip(const DriveTrip& trip, const LoggedTrip& logged)
{
    const auto same = [](const QString& a, const QString& b) {
        return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
    };
    return trip.date == logged.date && same(trip.from, logged.from) && same(trip.to, logged.to)
           && std::abs(trip.mileage - logged.mileage) <= 0.5;
}

std::vector<bool> alreadyInLog(const std::vector<DriveTrip>& trips,
                               const std::vector<LoggedTrip>& log)
{
    std::unordered_multimap<qint64, const LoggedTrip*> byDay;
    byDay.reserve(log.size());
    for (const LoggedTrip& logged : log) byDay.emplace(logged.date.toJulianDay(), &logged);
    std::vector<bool> held(trips.size(), false);
    for (std::size_t i = 0; i < trips.size(); ++i) {
        const auto [first, last] = byDay.equal_range(trips[i].date.toJulianDay());
        for (auto it = first; it != last && !held[i]; ++it)
            held[i] = sameTrip(trips[i], *it->second);
    }
    return held;
}

} // namespace bw::drives
