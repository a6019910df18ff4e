// Tests of drives as the log sees them: place names, trips, and trips already in the log.
#include "drives/places.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace bw::drives {
namespace {

const LatLng kHome{48.137, 11.575};
// `metres` east of kHome (a degree of longitude there is 74.5 km).
LatLng eastOfHome(double metres) { return LatLng{kHome.lat, kHome.lon + metres / 74500.0}; }

Drive drive(LatLng from, LatLng to, const char* toName = "")
{
    Drive d;
    d.from.position = from;
    d.to.position = to;
    d.to.exportName = QString::fromUtf8(toName);
    return d;
}

TEST(Places, AnEndTakesTheNearestSavedPlaceThenTheExportsName)
{
    const std::vector<SavedPlace> places = {{QStringLiteral("Home"), kHome},
                                            {QStringLiteral("Bakery"), eastOfHome(120), 50.0},
                                            {QStringLiteral("Depot"), eastOfHome(2000), 400.0}};
    const struct {
        double east;
        const char* exportName;
        const char* place;
    } cases[] = {
        {0, "Work", "Home"},   {100, "", "Bakery"}, {60, "", "Home"},
        {180, "Work", "Work"}, {180, "", ""},       {1700, "", "Depot"},
    };
    for (const auto& c : cases) {
        DriveEnd end{eastOfHome(c.east), QString::fromUtf8(c.exportName), {}};
        EXPECT_EQ(placeName(end, places), QString::fromUtf8(c.place)) << c.east;
    }
    EXPECT_EQ(placeName(DriveEnd{LatLng(), QStringLiteral("Work"), {}}, places),
              QStringLiteral("Work"));
}

TEST(Places, NamingOneOpenEndNamesEveryEndWithinTheRadius)
{
    std::vector<Drive> drives = {drive(kHome, eastOfHome(3000)),
                                 drive(eastOfHome(3000), eastOfHome(140)),
                                 drive(eastOfHome(160), eastOfHome(3050), "Harbour"),
                                 drive(eastOfHome(3100), eastOfHome(-149))};
    const std::vector<SavedPlace> saved = {{QStringLiteral("Client"), eastOfHome(3060), 30.0}};
    namePlaces(drives, saved);
    const std::optional<SavedPlace> made =
        nameEnd(drives, saved, 0, End::From, QStringLiteral("Home"));
    ASSERT_TRUE(made);
    EXPECT_EQ(made->name, QStringLiteral("Home"));
    EXPECT_EQ(made->radiusMetres, 150.0);
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"Home", ""}, {"", "Home"}, {"", "Client"}, {"", "Home"}};
    for (std::size_t i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(drives[i].from.place, QString::fromUtf8(expected[i].first)) << i;
        EXPECT_EQ(drives[i].to.place, QString::fromUtf8(expected[i].second)) << i;
    }
    drives[0].to.position = LatLng();
    EXPECT_FALSE(nameEnd(drives, saved, 0, End::To, QStringLiteral("Site")));
    EXPECT_EQ(drives[0].to.place, QStringLiteral("Site"));
}

TEST(Places, ADriveBecomesATripOfItsLocalDayAndTheLogsUnit)
{
    Drive d = drive(kHome, eastOfHome(5000));
    d.from.place = QStringLiteral("Home");
    d.startMs = QDateTime::fromString(QStringLiteral("2024-03-31T22:30:00Z"), Qt::ISODate)
                    .toMSecsSinceEpoch();
    d.endMs = d.startMs + 40 * 60000;
    const QTimeZone berlin("Europe/Berlin"), newYork("America/New_York");
    const struct {
        double metres;
        Unit unit;
        QTimeZone zone;
        double mileage;
        const char* date;
        const char* start;
    } cases[] = {
        {12345.0, Unit::Kilometres, berlin, 12.3, "2024-04-01", "00:30"},
        {12350.0, Unit::Kilometres, newYork, 12.4, "2024-03-31", "18:30"},
        {16093.44, Unit::Miles, berlin, 10.0, "2024-04-01", "00:30"},
        {1126.5408, Unit::Miles, QTimeZone::utc(), 0.7, "2024-03-31", "22:30"},
    };
    for (const auto& c : cases) {
        d.metres = c.metres;
        const DriveTrip trip = tripOf(d, c.unit, c.zone);
        EXPECT_DOUBLE_EQ(trip.mileage, c.mileage) << c.metres;
        EXPECT_EQ(trip.date.toString(Qt::ISODate), QString::fromLatin1(c.date)) << c.metres;
        EXPECT_EQ(trip.start.toString(QStringLiteral("HH:mm")), QString::fromLatin1(c.start));
        EXPECT_EQ(trip.end, trip.start.addSecs(2400));
        EXPECT_EQ(trip.from, QStringLiteral("Home"));
    }
}

TEST(Places, ADriveIsInTheLogWithTheSameDayPlacesAndDistance)
{
    const QDate day(2024, 5, 2);
    const DriveTrip trip{day, {}, {}, QStringLiteral("Home"), QStringLiteral("Mini mall"), 12.3};
    const struct {
        LoggedTrip logged;
        bool same;
    } cases[] = {
        {{day, QStringLiteral("Home"), QStringLiteral("Mini mall"), 12.3}, true},
        {{day, QStringLiteral(" home"), QStringLiteral("MINI MALL "), 12.8}, true},
        {{day, QStringLiteral("Home"), QStringLiteral("Mini mall"), 11.8}, true},
        {{day, QStringLiteral("Home"), QStringLiteral("Mini mall"), 12.9}, false},
        {{day.addDays(1), QStringLiteral("Home"), QStringLiteral("Mini mall"), 12.3}, false},
        {{day, QStringLiteral("Mini mall"), QStringLiteral("Home"), 12.3}, false},
        {{day, QStringLiteral("Home"), QString(), 12.3}, false},
    };
    std::vector<LoggedTrip> log;
    for (const auto& c : cases) {
        EXPECT_EQ(sameTrip(trip, c.logged), c.same) << c.logged.mileage;
        if (!c.same) log.push_back(c.logged);
    }
    const std::vector<DriveTrip> trips = {
        trip, trip,
        DriveTrip{
            day.addDays(1), {}, {}, QStringLiteral("Home"), QStringLiteral("Mini mall"), 12.0}};
    EXPECT_EQ(alreadyInLog(trips, log), (std::vector<bool>{false, false, true}));
    log.push_back(cases[0].logged);
    EXPECT_EQ(alreadyInLog(trips, log), (std::vector<bool>{true, true, true}));
}

} // namespace
} // namespace bw::drives
