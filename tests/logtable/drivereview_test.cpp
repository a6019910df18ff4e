// Tests of the review of recorded drives: checks, the preset, drives the log holds, naming
// a place, the period, and the trips the checked drives make. No widget.
#include "logstore/logdatabase.h"
#include "logstore/placestore.h"
#include "logtable/drivereview.h"
#include "logtable/tripcsv.h"
#include "platform/datetext.h"
#include "support/fakeplatform.h"
#include "triptables.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bw {
namespace {

using drives::Drive;
using drives::LatLng;

constexpr LatLng kHome{48.0, 11.0};
constexpr LatLng kNearHome{48.00045, 11.0}; // 50 m north
constexpr LatLng kDepot{48.1, 11.0};
constexpr LatLng kClient{48.2, 11.2};

Drive drive(const char* startUtc, int minutes, LatLng from, LatLng to, double metres)
{
    const qint64 start =
        QDateTime::fromString(QString::fromLatin1(startUtc), Qt::ISODate).toMSecsSinceEpoch();
    return Drive{start, start + minutes * 60000LL, {from, {}, {}}, {to, {}, {}}, metres};
}

// Given out of order; in start order they are a Monday morning, a Monday night, a Tuesday
// drive the log holds already and a Saturday.
std::vector<Drive> week()
{
    return {drive("2026-03-07T10:00:00Z", 20, kNearHome, kClient, 20000),
            drive("2026-03-02T08:00:00Z", 15, kHome, kDepot, 11120),
            drive("2026-03-03T09:00:00Z", 25, kDepot, kClient, 15000),
            drive("2026-03-02T20:30:00Z", 15, kDepot, kNearHome, 11100)};
}

DriveReviewModel::Setup setup()
{
    DriveReviewModel::Setup s;
    s.unit = drives::Unit::Kilometres;
    s.zone = QTimeZone::utc();
    s.places = {{QStringLiteral("Depot"), kDepot}, {QStringLiteral("Client"), kClient}};
    s.logged = {{QDate(2026, 3, 3), QStringLiteral(" depot"), QStringLiteral("CLIENT"), 15.3}};
    return s;
}

std::vector<bool> checks(const DriveReviewModel& model)
{
    std::vector<bool> out;
    for (int row = 0; row < model.rowCount(); ++row) out.push_back(model.checked(row));
    return out;
}

TEST(DriveReviewTest, HeldDrivesStartUncheckedAndTheCommandsCheckTheShownOnes)
{
    DriveReviewModel model(setup());
    model.setDrives(week());
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_TRUE(model.held(2)) << "same day, same places, 15.0 km against 15.3";
    const std::vector<std::pair<std::function<void()>, std::vector<bool>>> steps = {
        {[] {}, {true, true, false, true}},
        {[&] { model.checkBusiness({}); }, {true, false, false, false}},
        {[&] {
             model.checkBusiness({{1, 2, 3, 4, 5, 6}, QTime(6, 0), QTime(21, 0)});
         },
         {true, true, false, true}},
        {[&] { model.checkAll(false); }, {false, false, false, false}},
        {[&] { model.checkAll(true); }, {true, true, true, true}},
        {[&] { model.setPeriod(QDate(2026, 3, 3), QDate()); }, {true, true}},
        {[&] { model.checkAll(false); }, {false, false}},
        {[&] { model.setPeriod({}, {}); }, {true, true, false, false}},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].first();
        EXPECT_EQ(checks(model), steps[i].second) << "step " << i;
        EXPECT_EQ(model.checkedCount(),
                  std::count(steps[i].second.begin(), steps[i].second.end(), true));
    }
    const std::vector<Trip> trips = model.tripsToAdd();
    ASSERT_EQ(trips.size(), 2u);
    EXPECT_EQ(textToDate(trips[0].date.toString()), QDate(2026, 3, 2));
    EXPECT_EQ(trips[0].startingLocation, QString()) << "an end no one named stays open";
    EXPECT_EQ(trips[0].destination, QStringLiteral("Depot"));
    EXPECT_EQ(trips[0].mileage, 11.1);
    EXPECT_EQ(trips[1].mileage, 11.1);
    EXPECT_TRUE(trips[0].odometerStart.isNull() && trips[0].reimbursement.isNull());
}

TEST(DriveReviewTest, NamingAnEndNamesEveryEndWithinTheRadiusAndKeepsThePlace)
{
    test::TestPlatform platform;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.sqlite"));
    for (const bool readOnly : {false, true}) {
        std::unique_ptr<LogDatabase> db = std::make_unique<LogDatabase>(
            path, readOnly ? LogDatabase::Access::ReadOnly : LogDatabase::Access::ReadWrite);
        DriveReviewModel::Setup s = setup();
        s.keepPlace = [&](const drives::SavedPlace& place) {
            try {
                PlaceStore(*db).addPlaces({place});
                return QString();
            } catch (const std::exception& failure) {
                return QString::fromUtf8(failure.what());
            }
        };
        DriveReviewModel model(s);
        model.setDrives(week());
        const QString failure = model.nameEnd(0, drives::End::From, QStringLiteral(" Home "));
        EXPECT_EQ(failure.isEmpty(), !readOnly) << failure.toStdString();
        const auto place = [&](int row, int column) {
            return model.data(model.index(row, column)).toString();
        };
        EXPECT_EQ(place(0, DriveReviewModel::From), QStringLiteral("Home")) << readOnly;
        EXPECT_EQ(place(1, DriveReviewModel::To), QStringLiteral("Home")) << "50 m away";
        EXPECT_EQ(place(3, DriveReviewModel::From), QStringLiteral("Home"));
        EXPECT_EQ(place(2, DriveReviewModel::From), QStringLiteral("Depot")) << "far away";
        const std::vector<drives::SavedPlace> kept = PlaceStore(*db).places();
        ASSERT_EQ(kept.size(), 1u) << "kept once, by the first opening";
        EXPECT_EQ(kept[0].name, QStringLiteral("Home"));
        EXPECT_NEAR(kept[0].position.lat, kHome.lat, 1e-12);
        EXPECT_EQ(kept[0].radiusMetres, drives::SavedPlace::kDefaultRadius);
    }
}

// The grid takes the trips with both odometer readings empty, each paid at the rate in
// force on its date, as many as the limit leaves room for.
TEST(DriveReviewTest, AddedTripsKeepTheirOdometerEmptyAndStopAtTheLimit)
{
    const std::shared_ptr<LogTable> table = test::tableOf(1);
    table->setValueAt(0, 5, QStringLiteral("100"));
    DriveReviewModel model(setup());
    model.setDrives(week());
    model.checkAll(true);
    const TripRates rates(QStringLiteral("0.5"), RateSchedule({{QDate(2026, 3, 3), 0.7}}));
    EXPECT_EQ(placeUnreadTrips(*table, model.tripsToAdd(), rates, 4), 3);
    ASSERT_EQ(table->RecordCount(), 4);
    const std::vector<double> paid = {5.55, 5.55, 10.5};
    for (int row = 1; row < 4; ++row) {
        EXPECT_TRUE(table->valueAt(row, 4).toString().isEmpty()) << row;
        EXPECT_TRUE(table->valueAt(row, 5).toString().isEmpty()) << row;
        EXPECT_EQ(table->valueAt(row, 7).toDouble(), paid[static_cast<std::size_t>(row - 1)]);
    }
    EXPECT_EQ(loggedTrips(*table).size(), 3u) << "rows whose Date is no date are not trips";
}

} // namespace
} // namespace bw
