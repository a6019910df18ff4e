// Tests of positions, distances and times as the drive readers take them.
#include "drives/geodesy.h"
#include "drives/timestamp.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace bw::drives {
namespace {

TEST(Geodesy, DistancesAreGeographicLibsOwnReferenceGeodesics)
{
    // Rows of GeographicLib's geodtest.cpp (lat1, lon1, lat2, lon2, s12 in metres on WGS84).
    const struct {
        LatLng from, to;
        double metres;
    } cases[] = {
        {{35.60777, -139.44815}, {-11.17491, -69.95921}, 8935244.5604818305},
        {{-19.79938, -174.47484}, {-11.99349, -154.35109}, 2319004.8601169389},
        {{-41.22777, 122.32875}, {-7.57291, 130.37946}, 3812686.035106021},
    };
    for (const auto& c : cases) EXPECT_NEAR(geodesicMetres(c.from, c.to), c.metres, 1e-6);
    // The stop rule's cheap measure stays within 0.1 % of the geodesic over short distances,
    // across the antimeridian too.
    const std::pair<LatLng, LatLng> near[] = {
        {{48.137, 11.575}, {48.138, 11.575}},
        {{48.137, 11.575}, {48.137, 11.577}},
        {{-33.86, 151.2}, {-33.8615, 151.2012}},
        {{0.0005, -179.9995}, {-0.0005, 179.9995}},
    };
    for (const auto& [a, b] : near)
        EXPECT_NEAR(localMetres(a, b), geodesicMetres(a, b), geodesicMetres(a, b) * 1e-3);
}

TEST(Geodesy, PositionsAreReadInBothTimelineSpellings)
{
    const struct {
        const char* text;
        std::optional<LatLng> position;
    } cases[] = {
        {"48.1234567\xC2\xB0, 11.5678901\xC2\xB0", LatLng{48.1234567, 11.5678901}},
        {"geo:33.094883,-96.112828", LatLng{33.094883, -96.112828}},
        {" 52.51, 13.41 ", LatLng{52.51, 13.41}},
        {"48.1234567", std::nullopt},
        {"north, 11.5", std::nullopt},
        {"geo:1,2,3", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<LatLng> read = positionFromText(c.text);
        ASSERT_EQ(read.has_value(), c.position.has_value()) << c.text;
        if (read) {
            EXPECT_EQ(std::pair(read->lat, read->lon), std::pair(c.position->lat, c.position->lon));
        }
    }
}

TEST(Timestamp, IsoTimesAgreeWithQtsOwnReader)
{
    for (const char* text :
         {"1970-01-01T00:00:00Z", "2024-04-03T08:00:00.125+02:00", "2024-02-29T23:59:59-0530",
          "1999-12-31T12:00:00.5Z", "2016-12-31T23:59:60Z"}) {
        QDateTime expected = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
        if (!expected.isValid()) // Qt takes no leap second: the last second of its minute
            expected = QDateTime::fromString(QStringLiteral("2016-12-31T23:59:59Z"), Qt::ISODate);
        EXPECT_EQ(utcMsFromIsoText(text), expected.toMSecsSinceEpoch()) << text;
    }
    // No zone is UTC, as GPX defines it.
    EXPECT_EQ(utcMsFromIsoText("2024-05-01 10:00:00"), utcMsFromIsoText("2024-05-01T10:00:00Z"));
    for (const char* bad :
         {"2023-02-29T00:00:00Z", "2024-01-01T24:00:00Z", "2024-01-01", "2024-01-01T00:00:00+2",
          "2024-01-01T00:00:00Zulu", "2024-1-01T00:00:00Z", "2024-01-01T00:00:00."})
        EXPECT_FALSE(utcMsFromIsoText(bad)) << bad;
    EXPECT_EQ(utcMsFromMsText("1609459200000"), 1609459200000LL);
    EXPECT_FALSE(utcMsFromMsText("16094592e5"));
}

} // namespace
} // namespace bw::drives
