// Positions and geodesic distances.
#include "drives/geodesy.h"

#include <QByteArray>

#include <GeographicLib/Geodesic.hpp>

#include <charconv>

namespace bw::drives {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// One coordinate with the degree sign ("°", two bytes in UTF-8) it may carry.
std::optional<double> coordinate(std::string_view text)
{
    text = trimmed(text);
    constexpr std::string_view degree = "\xC2\xB0";
    if (text.ends_with(degree)) text.remove_suffix(degree.size());
    return numberFromText(trimmed(text));
}

} // namespace

bool inRange(LatLng position)
{
    return std::isfinite(position.lat) && std::isfinite(position.lon) && position.lat >= -90.0
           && position.lat <= 90.0 && position.lon >= -180.0 && position.lon <= 180.0;
}

double geodesicMetres(LatLng from, LatLng to)
{
    double metres = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(from.lat, from.lon, to.lat, to.lon, metres);
    return metres;
}

double localMetres(LatLng from, LatLng to)
{
    // The radii of curvature along the meridian and the prime vertical at the mean latitude.
    constexpr double a = 6378137.0;
    constexpr double f = 1.0 / 298.257223563;
    constexpr double e2 = f * (2.0 - f);
    constexpr double radian = 3.14159265358979323846 / 180.0;
    const double phi = (from.lat + to.lat) / 2.0 * radian;
    const double w2 = 1.0 - e2 * std::sin(phi) * std::sin(phi);
    const double meridian = a * (1.0 - e2) / (w2 * std::sqrt(w2));
    const double vertical = a / std::sqrt(w2);
    double dLon = to.lon - from.lon;
    if (dLon > 180.0) dLon -= 360.0;
    if (dLon < -180.0) dLon += 360.0;
    const double north = (to.lat - from.lat) * radian * meridian;
    const double east = dLon * radian * vertical * std::cos(phi);
    return std::hypot(north, east);
}

std::optional<LatLng> positionFromText(std::string_view text)
{
    text = trimmed(text);
    if (text.starts_with("geo:")) text.remove_prefix(4);
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<double> lat = coordinate(text.substr(0, comma));
    const std::optional<double> lon = coordinate(text.substr(comma + 1));
    if (!lat || !lon) return std::nullopt;
    return LatLng{*lat, *lon};
}

std::optional<double> numberFromText(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    // from_chars takes no leading "+", as JSON and GPX numbers have none either.
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> numberFromText(QStringView text)
{
    const QByteArray latin = text.toLatin1();
    return numberFromText(
        std::string_view(latin.constData(), static_cast<std::size_t>(latin.size())));
}

} // namespace bw::drives
