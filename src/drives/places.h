// Drives as the log sees them: their ends named after saved places, their trips, and
// whether the log holds them already. Pure logic; what is kept, and where, is the caller's.
#pragma once

#include "drives/drive.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace bw::drives {

// A place the log knows by position: a drive end within its radius takes its name.
struct SavedPlace {
    static constexpr double kDefaultRadius = 150.0;

    QString name;
    LatLng position;
    double radiusMetres = kDefaultRadius;
};

// The name of the place at `end`: the nearest saved place whose radius holds it, else the
// name the export gave, else nothing (the end stays open).
QString placeName(const DriveEnd& end, const std::vector<SavedPlace>& places);

// Gives every end of every drive its place name.
void namePlaces(std::vector<Drive>& drives, const std::vector<SavedPlace>& places);

enum class End { From, To };

// Names the end `end` of drives[index] `name`: the saved place this makes (at that end's
// position, with `radius`) is returned for the caller to keep, and every drive end is named
// again with it among `places`, so that each end within its radius that no nearer saved
// place holds takes the name. An end without a position only takes the name itself, and
// nothing is returned to keep.
std::optional<SavedPlace> nameEnd(std::vector<Drive>& drives, const std::vector<SavedPlace>& places,
                                  std::size_t index, End end, const QString& name,
                                  double radius = SavedPlace::kDefaultRadius);

enum class Unit { Kilometres, Miles };

// A drive as a trip of the log: the day and times in `zone` at its start and end, its places,
// and its distance in `unit` rounded to one decimal (half away from zero).
struct DriveTrip {
    QDate date;
    QTime start;
    QTime end;
    QString from;
    QString to;
    double mileage = 0.0;
};

double distanceIn(double metres, Unit unit);
DriveTrip tripOf(const Drive& drive, Unit unit,
                 const QTimeZone& zone = QTimeZone::systemTimeZone());

// A trip the log holds, as far as telling a drive already in it goes: its date, its places
// and its distance in the log's unit.
struct LoggedTrip {
    QDate date;
    QString from;
    QString to;
    double mileage = 0.0;
};

// Whether `trip` is `logged`: the same date, the same places (blanks around them and
// letter case aside) and a distance within half a unit.
bool sameTrip(const DriveTrip& trip, const LoggedTrip& logged);

// For each trip, whether the log holds it already; in time linear in both counts.
std::vector<bool> alreadyInLog(const std::vector<DriveTrip>& trips,
                               const std::vector<LoggedTrip>& log);

} // namespace bw::drives
