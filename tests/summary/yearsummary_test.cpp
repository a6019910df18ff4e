// Tests of the year summary, read from a real log with claims, one paid and one moved out.
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "summary/yearsummary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bw::summary {
namespace {

const TaxYearStart kUk{4, 6};

StoredTrip stored(qint64 id, const char* date, const char* from, const char* to, double miles,
                  double amount)
{
    return {id, double(id),
            Trip::fromValues({QString::fromLatin1(date),
                              QString::fromLatin1(from),
                              QString::fromLatin1(to),
                              {},
                              {},
                              {},
                              miles,
                              amount})};
}

qint64 claimOf(ClaimStore& claims, const std::vector<StoredTrip>& trips, double total)
{
    ClaimRecord record;
    record.savedAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4), Qt::UTC);
    record.locale = QStringLiteral("en_US");
    for (const StoredTrip& trip : trips) record.trips.push_back({trip.id, trip.trip});
    record.totalAmount = QString::number(total, 'f', 2);
    return claims.recordClaim(record, {QString(), QStringLiteral("print"), {}, {}});
}

TEST(YearSummary, CountsEachTaxMonthAndEveryClaimedTripOnceWithTheClaimsAmounts)
{
    QTemporaryDir dir;
    LogDatabase db(dir.filePath(QStringLiteral("log.sqlite")), LogDatabase::Access::ReadWrite);
    const std::vector<StoredTrip> trips = {
        stored(1, "2025-04-05", "A", "B", 10, 4.5), // the tax year before
        stored(2, "2025-04-06", "A", "B", 10, 4.5), // first day of the year
        stored(3, "2025-05-05", "A", "B", 10, 4.5), // last day of its first month
        stored(4, "2025-05-06", "B", "C", 20, 9.0), // first day of the second
        stored(5, "2026-04-05", "B", "C", 20, 9.0), // last day of the year
        stored(6, "", "", "", 0, 0),                // a blank row
        stored(7, "no date", "C", "D", 5, 2.25),    // in no tax year
    };
    db.apply({trips, {}, false, {}});
    ClaimStore claims(db);
    claims.markPaid(claimOf(claims, {trips[1], trips[2]}, 9.0),
                    QDateTime(QDate(2026, 2, 1), QTime(9, 0), Qt::UTC));
    claimOf(claims, {trips[3]}, 9.0);
    TripChanges moveOut;
    moveOut.removed = {2};
    moveOut.movingToHistory = true;
    db.apply(moveOut);

    // Read from the log as it streams by, the trips are those of its whole lists.
    EXPECT_EQ(summaryTripsOf(db), summaryTrips(db.tripsInOrder(), claims.claims()));
    const YearSummary year = summarize(summaryTripsOf(db), kUk, 2025);
    struct Row {
        int month;
        MonthRow expected;
    };
    const Row rows[] = {
        {0, {QDate(2025, 4, 6), 2, 20, 20, 9.0, 9.0, 9.0, 0.0}},
        {1, {QDate(2025, 5, 6), 1, 20, 20, 9.0, 9.0, 0.0, 0.0}},
        {2, {QDate(2025, 6, 6), 0, 0, 0, 0, 0, 0, 0}},
        {11, {QDate(2026, 3, 6), 1, 20, 0, 9.0, 0.0, 0.0, 9.0}},
    };
    for (const Row& r : rows) EXPECT_EQ(year.months[std::size_t(r.month)], r.expected) << r.month;
    EXPECT_EQ(year.total, (MonthRow{QDate(), 4, 60, 40, 27.0, 18.0, 9.0, 9.0}));
    // What was claimed is what the two claims' totals say.
    double claimedTotals = 0.0;
    for (const Claim& claim : claims.claims()) claimedTotals += claim.totalAmount.toDouble();
    EXPECT_EQ(year.total.claimed, claimedTotals);
    EXPECT_EQ(year.routes, (std::vector<RouteRow>{{"B", "C", 2, 40}, {"A", "B", 2, 20}}));

    const QStringList csv = summaryCsv(year).split(QLatin1Char('\n'));
    EXPECT_EQ(csv.front(), "Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed");
    EXPECT_EQ(csv[1], "2025-04,2,20,9.00,9.00,9.00,0.00");
    EXPECT_EQ(csv[13], "Total,4,60,27.00,18.00,9.00,9.00");
    EXPECT_EQ(csv.size(), 15) << "twelve months, the total and the last line's end";
    EXPECT_EQ(summaryYears(summaryTripsOf(db), kUk, QDate(2026, 12, 10)),
              (std::vector<int>{2026, 2025, 2024}));
}

} // namespace
} // namespace bw::summary
