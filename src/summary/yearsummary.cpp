// One tax year of a log at a glance.
#include "summary/yearsummary.h"

#include "core/blanktrip.h"
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "platform/datetext.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace bw::summary {

namespace {

double numberOf(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && std::isfinite(number) ? number : 0.0;
}

// Dates repeat across a log's trips: each text is read once per locale, the locale named
// by the caller so that no trip pays for working its name out.
class DateReader {
public:
    QDate operator()(const QString& text, const QString& localeName, const QLocale& locale)
    {
        QHash<QString, QDate>& known = known_[localeName];
        const auto found = known.constFind(text);
        if (found != known.constEnd()) return *found;
        return known[text] = textToDate(text, locale);
    }

private:
    QHash<QString, QHash<QString, QDate>> known_;
};

SummaryTrip summaryTripOf(const Trip& trip, QDate date)
{
    SummaryTrip out;
    out.date = date;
    out.from = trip.startingLocation.toString().trimmed();
    out.to = trip.destination.toString().trimmed();
    out.distance = numberOf(trip.mileage);
    out.reimbursement = numberOf(trip.reimbursement);
    return out;
}

struct LatestClaim {
    const Claim* claim = nullptr;
    const ClaimedTrip* trip = nullptr;
};

// Amounts add up in whole cents, so no month drifts from the total by a rounding.
qint64 cents(double amount) { return std::llround(amount * 100.0); }

// Takes the claims first, then the log's trips one by one as they are read (none of them
// kept whole), then the claimed trips the log no longer holds.
class SummaryReader {
public:
    SummaryReader(const std::vector<Claim>& claims, const QLocale& locale)
        : locale_(locale), localeName_(locale.name())
    {
        // Claims come in number order: a later claim of a trip takes the earlier's place.
        for (const Claim& claim : claims) {
            for (const ClaimedTrip& claimed : claim.trips) {
                if (claimed.tripId != 0 && !isBlankTrip(claimed.trip))
                    latest_[claimed.tripId] = {&claim, &claimed};
            }
        }
    }

    void addLogTrip(const StoredTrip& stored)
    {
        if (isBlankTrip(stored.trip)) return;
        inLog_.insert(stored.id);
        const auto claim = latest_.find(stored.id);
        add(summaryTripOf(stored.trip, dates_(stored.trip.date.toString(), localeName_, locale_)),
            claim == latest_.end() ? nullptr : &claim->second);
    }

    std::vector<SummaryTrip> finish() &&
    {
        for (const auto& [id, claim] : latest_) {
            if (inLog_.contains(id)) continue;
            const Trip& trip = claim.trip->trip;
            const QString& localeName = claim.claim->locale;
            add(summaryTripOf(trip, dates_(trip.date.toString(), localeName, QLocale(localeName))),
                &claim);
        }
        return std::move(out_);
    }

private:
    void add(SummaryTrip trip, const LatestClaim* claim)
    {
        if (claim) {
            trip.claimed = true;
            trip.claimedAmount = numberOf(claim->trip->trip.reimbursement);
            trip.paid = claim->claim->paidAt.has_value();
        }
        if (trip.date.isValid()) out_.push_back(std::move(trip));
    }

    QLocale locale_;
    QString localeName_;
    std::unordered_map<qint64, LatestClaim> latest_;
    std::unordered_set<qint64> inLog_;
    DateReader dates_;
    std::vector<SummaryTrip> out_;
};

} // namespace

std::vector<SummaryTrip> summaryTrips(const std::vector<StoredTrip>& trips,
                                      const std::vector<Claim>& claims, const QLocale& locale)
{
    SummaryReader reader(claims, locale);
    for (const StoredTrip& stored : trips) reader.addLogTrip(stored);
    return std::move(reader).finish();
}

YearSummary summarize(const std::vector<SummaryTrip>& trips, const TaxYearStart& start, int year)
{
    YearSummary summary;
    summary.year = year;
    summary.start = start;
    struct Cents {
        qint64 reimbursement = 0, claimed = 0, paid = 0, open = 0;
    };
    std::array<Cents, kMonths> sums{};
    QHash<QPair<QString, QString>, RouteRow> routes;
    for (const SummaryTrip& trip : trips) {
        if (taxYearOf(start, trip.date) != year) continue;
        const auto month = static_cast<std::size_t>(taxMonthOf(start, trip.date));
        MonthRow& row = summary.months[month];
        ++row.trips;
        row.distance += trip.distance;
        if (trip.claimed) row.claimedDistance += trip.distance;
        Cents& sum = sums[month];
        sum.reimbursement += cents(trip.reimbursement);
        if (trip.claimed) sum.claimed += cents(trip.claimedAmount);
        if (trip.paid) sum.paid += cents(trip.claimedAmount);
        if (!trip.claimed) sum.open += cents(trip.reimbursement);
        RouteRow& route = routes[{trip.from, trip.to}];
        route.from = trip.from;
        route.to = trip.to;
        ++route.trips;
        route.distance += trip.distance;
    }
    Cents total;
    for (int m = 0; m < kMonths; ++m) {
        MonthRow& row = summary.months[static_cast<std::size_t>(m)];
        const Cents& sum = sums[static_cast<std::size_t>(m)];
        row.begins = taxMonthBegin(start, year, m);
        row.reimbursement = static_cast<double>(sum.reimbursement) / 100.0;
        row.claimed = static_cast<double>(sum.claimed) / 100.0;
        row.paid = static_cast<double>(sum.paid) / 100.0;
        row.notYetClaimed = static_cast<double>(sum.open) / 100.0;
        summary.total.trips += row.trips;
        summary.total.distance += row.distance;
        summary.total.claimedDistance += row.claimedDistance;
        total.reimbursement += sum.reimbursement;
        total.claimed += sum.claimed;
        total.paid += sum.paid;
        total.open += sum.open;
    }
    summary.total.reimbursement = static_cast<double>(total.reimbursement) / 100.0;
    summary.total.claimed = static_cast<double>(total.claimed) / 100.0;
    summary.total.paid = static_cast<double>(total.paid) / 100.0;
    summary.total.notYetClaimed = static_cast<double>(total.open) / 100.0;

    for (const RouteRow& route : routes) {
        if (!route.from.isEmpty() || !route.to.isEmpty()) summary.routes.push_back(route);
    }
    std::sort(summary.routes.begin(), summary.routes.end(), [](const auto& a, const auto& b) {
        if (a.trips != b.trips) return a.trips > b.trips;
        if (a.distance != b.distance) return a.distance > b.distance;
        return std::tie(a.from, a.to) < std::tie(b.from, b.to);
    });
    if (summary.routes.size() > kTopRoutes) summary.routes.resize(kTopRoutes);
    return summary;
}

std::vector<int> summaryYears(const std::vector<SummaryTrip>& trips, const TaxYearStart& start,
                              const QDate& today)
{
    std::vector<int> years;
    for (const SummaryTrip& trip : trips) years.push_back(taxYearOf(start, trip.date));
    std::sort(years.begin(), years.end(), std::greater<>());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    const int current = taxYearOf(start, today);
    std::erase(years, current);
    years.insert(years.begin(), current);
    return years;
}

QString summaryCsv(const YearSummary& summary)
{
    const auto number = [](double value, int decimals) {
        return QString::number(value, 'f', decimals);
    };
    const auto line = [&](const QString& label, const MonthRow& row) {
        return QStringList{label,
                           QString::number(row.trips),
                           plainDecimalText(row.distance),
                           number(row.reimbursement, 2),
                           number(row.claimed, 2),
                           number(row.paid, 2),
                           number(row.notYetClaimed, 2)}
                   .join(QLatin1Char(','))
               + QLatin1Char('\n');
    };
    QString csv =
        QStringLiteral("Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed\n");
    for (const MonthRow& row : summary.months)
        csv += line(row.begins.toString(QStringLiteral("yyyy-MM")), row);
    return csv + line(QStringLiteral("Total"), summary.total);
}

std::vector<SummaryTrip> summaryTripsOf(LogDatabase& database, const QLocale& locale)
{
    const std::vector<Claim> claims = ClaimStore(database).claims();
    SummaryReader reader(claims, locale);
    database.readTrips([&reader](StoredTrip&& stored) { reader.addLogTrip(stored); });
    return std::move(reader).finish();
}

SummarySource summarySourceOf(std::function<LogDatabase*()> database, const LogUnits& units)
{
    SummarySource source;
    source.trips = [database] {
        LogDatabase* db = database();
        return db ? summaryTripsOf(*db) : std::vector<SummaryTrip>{};
    };
    source.taxYearStart = [database] {
        LogDatabase* db = database();
        return db ? db->taxYearStart() : TaxYearStart{};
    };
    source.keepTaxYearStart = [database](const TaxYearStart& start) {
        try {
            LogDatabase* db = database();
            if (!db || db->readOnly())
                return QCoreApplication::translate(
                    "bw::SummaryWindow",
                    "The log is open read-only, so its tax year cannot be changed.");
            db->setTaxYearStart(start);
            return QString();
        } catch (const std::exception& failure) {
            return QString::fromUtf8(failure.what());
        }
    };
    source.units = units;
    return source;
}

} // namespace bw::summary
