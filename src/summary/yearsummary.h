// One tax year of a log at a glance: per tax month the trips, the distance, what they are
// worth, what was claimed and paid and what is not yet claimed; and the routes most driven.
#pragma once

#include "core/logunits.h"
#include "core/taxyear.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace bw {
class LogDatabase;
struct Claim;
struct StoredTrip;
} // namespace bw

namespace bw::summary {

// A trip as the summary counts it. Claimed and paid are the amounts its latest claim held
// for it (0 while it is in no claim, or that claim is unpaid).
struct SummaryTrip {
    QDate date;
    QString from;
    QString to;
    double distance = 0.0;
    double reimbursement = 0.0;
    bool claimed = false;
    double claimedAmount = 0.0;
    bool paid = false;
    friend bool operator==(const SummaryTrip&, const SummaryTrip&) = default;
};

struct MonthRow {
    QDate begins; // the month's first day; invalid for the total row
    int trips = 0;
    double distance = 0.0;
    double claimedDistance = 0.0; // of the trips in a claim, for the chart
    double reimbursement = 0.0;
    double claimed = 0.0;
    double paid = 0.0;
    double notYetClaimed = 0.0;
    friend bool operator==(const MonthRow&, const MonthRow&) = default;
};

struct RouteRow {
    QString from;
    QString to;
    int trips = 0;
    double distance = 0.0;
    friend bool operator==(const RouteRow&, const RouteRow&) = default;
};

inline constexpr int kMonths = 12;
inline constexpr int kTopRoutes = 10;

struct YearSummary {
    int year = 0; // the year the tax year begins in
    TaxYearStart start;
    std::array<MonthRow, kMonths> months;
    MonthRow total;
    std::vector<RouteRow> routes; // most trips first, at most kTopRoutes
};

// Every trip of the log and of its claims, once each: the trips of the log as they are,
// claimed ones with the amount their latest claim held, and the claimed trips the log no
// longer holds (moved out by a new period) as that claim held them. Blank rows and trips
// without a date are left out. Dates of the log's trips are read in `locale`, a claim's
// in the locale it was made in.
std::vector<SummaryTrip> summaryTrips(const std::vector<StoredTrip>& trips,
                                      const std::vector<Claim>& claims,
                                      const QLocale& locale = QLocale());

// The summary of the tax year that begins in `year`. Sums are taken in cents, so that the
// total row is the sum of the month rows to the cent.
YearSummary summarize(const std::vector<SummaryTrip>& trips, const TaxYearStart& start, int year);

// The years to offer: the tax year `today` lies in first, then every other year that has a
// trip, latest first.
std::vector<int> summaryYears(const std::vector<SummaryTrip>& trips, const TaxYearStart& start,
                              const QDate& today);

// The summary as CSV: a header, one row a month labelled YYYY-MM, then "Total"; plain
// numbers with '.' for decimals and no currency sign, lines ending in "\n".
QString summaryCsv(const YearSummary& summary);

// The log's trips and claims from its database, as summaryTrips reads them.
std::vector<SummaryTrip> summaryTripsOf(LogDatabase& database, const QLocale& locale = QLocale());

// Where a summary reads the log and keeps its tax-year start.
struct SummarySource {
    std::function<std::vector<SummaryTrip>()> trips;
    std::function<TaxYearStart()> taxYearStart;
    // Keeps a start; the reason when it was not kept.
    std::function<QString(const TaxYearStart&)> keepTaxYearStart;
    LogUnits units;
};

// The source over the database `database` gives at each read (none: an empty log that
// keeps nothing), so that a summary may outlive the log it was opened on.
SummarySource summarySourceOf(std::function<LogDatabase*()> database, const LogUnits& units);

} // namespace bw::summary
