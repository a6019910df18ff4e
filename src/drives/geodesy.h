// Positions on the WGS84 ellipsoid and the distances between them.
#pragma once

#include <QStringView>

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace bw::drives {

// A position in degrees; NaN where a file gave none.
struct LatLng {
    double lat = std::numeric_limits<double>::quiet_NaN();
    double lon = std::numeric_limits<double>::quiet_NaN();

    bool known() const { return !std::isnan(lat) && !std::isnan(lon); }
};

// Latitude within ±90 and longitude within ±180 degrees, both finite.
bool inRange(LatLng position);

// The length in metres of the geodesic (the shortest path on the WGS84 ellipsoid) between
// two positions in range.
double geodesicMetres(LatLng from, LatLng to);

// The distance in metres between two near positions on the ellipsoid's tangent plane:
// within 0.1 % of the geodesic up to a few kilometres, and several times cheaper, for
// telling whether a point stays near another.
double localMetres(LatLng from, LatLng to);

// A position written as a Timeline export writes one: "48.1234567°, 11.5678901°" (the
// Android form, the degree signs optional) or "geo:48.1234567,11.5678901" (the iOS form).
// Nothing for another text; the range is not checked.
std::optional<LatLng> positionFromText(std::string_view text);

// A decimal number in the C notation ("12.5", "-3e2"), the whole text; nothing otherwise.
std::optional<double> numberFromText(std::string_view text);
std::optional<double> numberFromText(QStringView text);

} // namespace bw::drives
