// Recorded tracks made up for the drive tests: legs of driving, standing and gaps.
#pragma once

#include "drives/geodesy.h"

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>

#include <initializer_list>
#include <utility>
#include <vector>

namespace bw::drives {

constexpr qint64 kT0 = 1714550400000; // 2024-05-01T08:00:00Z
constexpr LatLng kOrigin{48.0, 11.0};

// A position `metres` north of kOrigin, along its meridian (itself a geodesic, so the
// distance of a drive along it is the geodesic between its ends).
inline LatLng north(double metres) { return LatLng{kOrigin.lat + metres / 111200.0, kOrigin.lon}; }

// A track told as legs: `seconds` long, a point every `every` seconds, moving `speed` metres a
// second (0 for a stop); a leg with `every` 0 is a gap in the recording, `speed` still moving.
struct Leg {
    int seconds;
    int every;
    double speed;
};

struct Track {
    std::vector<std::pair<qint64, LatLng>> points;
    std::vector<double> northAt; // each point's metres north
};

inline Track track(std::initializer_list<Leg> legs)
{
    Track t;
    qint64 ms = kT0;
    double metres = 0.0;
    t.points.emplace_back(ms, north(metres));
    t.northAt.push_back(metres);
    for (const Leg& leg : legs) {
        const int every = leg.every > 0 ? leg.every : leg.seconds;
        for (int s = every; s <= leg.seconds; s += every) {
            ms += every * 1000LL;
            metres += leg.speed * every;
            t.points.emplace_back(ms, north(metres));
            t.northAt.push_back(metres);
        }
    }
    return t;
}

inline QByteArray iso(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate).toLatin1();
}

// A GPX file of `t` as one track, with a waypoint and a route that are no drives.
inline QByteArray gpx(const Track& t, const char* version = "1.1", const QByteArray& point = {})
{
    QByteArray out = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"")
                     + version + "\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/"
                     + QByteArray(version).replace('.', '/') + "\">\n"
                     + "<wpt lat=\"1\" lon=\"2\"><name>Shop</name></wpt>\n"
                     + "<rte><rtept lat=\"3\" lon=\"4\"/></rte>\n<trk><name>Day</name><trkseg>\n";
    for (const auto& [ms, p] : t.points)
        out += "<trkpt lat=\"" + QByteArray::number(p.lat, 'f', 7) + "\" lon=\""
               + QByteArray::number(p.lon, 'f', 7) + "\"><ele>520</ele><time>" + iso(ms)
               + "</time></trkpt>\n";
    return out + point + "</trkseg></trk></gpx>\n";
}

} // namespace bw::drives
