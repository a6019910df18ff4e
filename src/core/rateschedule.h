// Rates per mile that change by date, and how a rate is shown.
#pragma once

#include "core/logunits.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace bw {

// Decimals a rate shows: every one it has (of its 15 significant digits), at least two,
// so 0.585 is never shown as 0.59 next to a sum computed with 0.585.
int rateDecimals(double rate);
// The report's currency format widened to the rate's decimals: "$#,##0.00", "$#,##0.000".
QString rateFormatCode(double rate, const Currency& currency = {});
// The rate in the currency form, with the locale's separators: "$0.585", "$1.25".
QString rateText(double rate, const QLocale& locale = QLocale(), const Currency& currency = {});

// A number as plain decimal text, without exponent or trailing zeros: "10000", "0.5".
QString plainDecimalText(double value);

// From this date on, this rate per mile; with a distance, only once that distance has been
// driven in the tax year (then the date may be left out: from the start of every tax year).
struct RateChange {
    QDate from;
    double rate = 0.0;
    std::optional<double> fromDistance = std::nullopt;
    friend bool operator==(const RateChange&, const RateChange&) = default;
};

// Why `change` cannot be kept (a rate or distance below 0 or no number, neither a date nor
// a distance), or an empty text.
QString rateChangeProblem(const RateChange& change);

// A stretch of a trip paid at one rate.
struct RatePart {
    double distance = 0.0;
    double rate = 0.0;
    friend bool operator==(const RatePart&, const RatePart&) = default;
};

// The list of rate changes, kept sorted by date, then distance, with at most one change a
// day and distance (a change without a date comes first). A stretch of a trip takes the
// latest change whose date has come (on or before the trip's) and whose distance has been
// driven in the tax year; a trip before every change, or with no date, takes the rate per
// mile typed in the main window.
class RateSchedule {
public:
    RateSchedule() = default;
    // Sorted; of several changes on one day and distance the last given is kept, changes
    // that cannot be kept (rateChangeProblem) dropped.
    explicit RateSchedule(std::vector<RateChange> changes);

    const std::vector<RateChange>& changes() const { return changes_; }
    bool isEmpty() const { return changes_.empty(); }

    // False (and nothing changed) for a change that cannot be kept or whose day and
    // distance already have one.
    bool add(const RateChange& change);
    bool remove(const QDate& from, std::optional<double> fromDistance = std::nullopt);
    // The change kept for this day and distance.
    std::optional<RateChange> changeAt(const QDate& from, std::optional<double> fromDistance) const;
    // True when some change waits for a distance: trips are then paid by how far the log
    // had gone in the tax year.
    bool dependsOnDistance() const;

    // The change in force on `date` at the start of the tax year; nothing before every
    // change or for no date.
    std::optional<RateChange> changeOn(const QDate& date, double driven = 0.0) const;
    // The rate in force on `date` once `driven` has been driven in the tax year, else
    // `fallback` (the typed rate, when it is a number).
    std::optional<double> rateOn(const QDate& date, std::optional<double> fallback,
                                 double driven = 0.0) const;
    // A trip of `distance` on `date` after `driven` in its tax year, cut where a change by
    // distance sets in: 9,990 + 20 mi with 0.25 from 10,000 mi is 10 at the earlier rate
    // and 10 at 0.25. Nothing where a stretch has no rate.
    std::optional<std::vector<RatePart>> partsOn(const QDate& date, double driven, double distance,
                                                 std::optional<double> fallback) const;

    friend bool operator==(const RateSchedule&, const RateSchedule&) = default;

private:
    std::vector<RateChange> changes_;
};

// A rate paid from a distance driven in the tax year on, up to the next tier's.
struct RateTier {
    double from = 0.0;
    std::optional<double> rate; // nothing while the typed rate is no number
    friend bool operator==(const RateTier&, const RateTier&) = default;
};

// One rate and the days it covers within a report, for naming several rates at once.
struct RateSpan {
    std::optional<double> rate; // nothing while the typed rate is no number
    QDate first;                // first day it applies (invalid: from before any change)
    QDate last;                 // last day it applies (invalid: open end)
    bool typed = false;         // the typed rate: before every change, or an undated trip
    // Where the rate changes with the distance driven: each rate from its distance on
    // (`rate` is then the first); otherwise empty.
    std::vector<RateTier> tiers;
};

// The rates paid on `date` by distance driven in its tax year, from 0 on, a tier only
// where the rate changes.
std::vector<RateTier> tiersOn(const RateSchedule& schedule, const QDate& date,
                              std::optional<double> fallback);

// The rates the trips on `dates` were paid at, in date order, each with the days it was
// in force; an undated trip counts under the fallback rate. With changes by distance, a
// span covers the days between two dated changes and names its tiers.
std::vector<RateSpan> ratesInForce(const RateSchedule& schedule, const std::vector<QDate>& dates,
                                   std::optional<double> fallback);

// Where the list of rate changes is kept. The log's database keeps it beside the trips;
// a whole list is loaded and saved at once, as the rates window edits it.
class RateStore {
public:
    virtual ~RateStore() = default;
    virtual RateSchedule loadRates() = 0;
    // Throws when the list could not be kept; the stored list is then unchanged.
    virtual void saveRates(const RateSchedule& schedule) = 0;
    // The log's unit and currency, kept beside its rates (by a store of its own, in
    // memory only); miles and "$" until they are changed.
    virtual LogUnits loadUnits() { return units_; }
    // Throws when they could not be kept; the kept ones are then unchanged.
    virtual void saveUnits(const LogUnits& units) { units_ = units; }

private:
    LogUnits units_;
};

// Keeps the list in memory only (tests, and a window before its log is open).
class MemoryRateStore final : public RateStore {
public:
    RateSchedule loadRates() override { return schedule_; }
    void saveRates(const RateSchedule& schedule) override { schedule_ = schedule; }

private:
    RateSchedule schedule_;
};

} // namespace bw
