// Rates per mile that change by date, and how a rate is shown.
#include "core/rateschedule.h"

#include "spreadsheet/numfmt/decimal.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <map>

namespace bw {

namespace {

constexpr int kCentDecimals = 2;
constexpr int kMostDecimals = 15;

// Undated changes (from the start of every tax year) sort first: an invalid QDate is
// below every valid one.
bool earlier(const RateChange& a, const RateChange& b)
{
    if (a.from != b.from) return a.from.isValid() ? b.from.isValid() && a.from < b.from : true;
    return a.fromDistance.value_or(0.0) < b.fromDistance.value_or(0.0);
}

bool sameKey(const RateChange& a, const RateChange& b) { return !earlier(a, b) && !earlier(b, a); }

// Whether the change's date has come by `date`.
bool dateCome(const RateChange& change, const QDate& date)
{
    return !change.from.isValid() || change.from <= date;
}

} // namespace

int rateDecimals(double rate)
{
    if (!std::isfinite(rate)) return kCentDecimals;
    // Fixed notation of the 15 significant digits a double holds, so 0.585 is "0.585" and
    // not the 0.58499999999999996 it is in binary.
    const int exponent = rate == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::abs(rate))));
    const int digits = std::clamp(kMostDecimals - 1 - exponent, 0, 30);
    QString fixed = QString::number(rate, 'f', digits);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    if (point < 0) return kCentDecimals;
    while (fixed.endsWith(QLatin1Char('0'))) fixed.chop(1);
    return std::max(kCentDecimals, static_cast<int>(fixed.size() - point - 1));
}

QString rateFormatCode(double rate, const Currency& currency)
{
    return currencyFormatCode(currency, rateDecimals(rate));
}

QString rateText(double rate, const QLocale& locale, const Currency& currency)
{
    return currencyText(rate, rateDecimals(rate), currency, locale);
}

QString plainDecimalText(double value)
{
    QString text = QString::number(value, 'f', rateDecimals(value));
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

QString rateChangeProblem(const RateChange& change)
{
    if (!std::isfinite(change.rate) || change.rate < 0.0)
        return QCoreApplication::translate("RateSchedule", "A rate cannot be below 0.");
    if (change.fromDistance && (!std::isfinite(*change.fromDistance) || *change.fromDistance < 0.0))
        return QCoreApplication::translate("RateSchedule", "A distance cannot be below 0.");
    if (!change.from.isValid() && !change.fromDistance)
        return QCoreApplication::translate("RateSchedule",
                                           "A change needs a date, a distance or both.");
    return {};
}

RateSchedule::RateSchedule(std::vector<RateChange> changes)
{
    std::erase_if(changes, [](const RateChange& c) { return !rateChangeProblem(c).isEmpty(); });
    std::stable_sort(changes.begin(), changes.end(), earlier);
    // Of several changes on one day and distance the last one given wins.
    for (const RateChange& change : changes) {
        if (!changes_.empty() && sameKey(changes_.back(), change)) {
            changes_.back() = change;
        } else {
            changes_.push_back(change);
        }
    }
}

bool RateSchedule::add(const RateChange& change)
{
    if (!rateChangeProblem(change).isEmpty()) return false;
    const auto at = std::lower_bound(changes_.begin(), changes_.end(), change, earlier);
    if (at != changes_.end() && sameKey(*at, change)) return false;
    changes_.insert(at, change);
    return true;
}

bool RateSchedule::remove(const QDate& from, std::optional<double> fromDistance)
{
    const RateChange key{from, 0.0, fromDistance};
    return std::erase_if(changes_, [&](const RateChange& c) { return sameKey(c, key); }) > 0;
}

std::optional<RateChange> RateSchedule::changeAt(const QDate& from,
                                                 std::optional<double> fromDistance) const
{
    const RateChange key{from, 0.0, fromDistance};
    const auto at = std::lower_bound(changes_.begin(), changes_.end(), key, earlier);
    if (at == changes_.end() || !sameKey(*at, key)) return std::nullopt;
    return *at;
}

bool RateSchedule::dependsOnDistance() const
{
    return std::any_of(changes_.begin(), changes_.end(),
                       [](const RateChange& c) { return c.fromDistance.value_or(0.0) > 0.0; });
}

std::optional<RateChange> RateSchedule::changeOn(const QDate& date, double driven) const
{
    if (!date.isValid()) return std::nullopt;
    // The latest in the list's order whose date has come and whose distance is driven.
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        if (dateCome(*change, date) && change->fromDistance.value_or(0.0) <= driven) return *change;
    }
    return std::nullopt;
}

std::optional<double> RateSchedule::rateOn(const QDate& date, std::optional<double> fallback,
                                           double driven) const
{
    if (const std::optional<RateChange> change = changeOn(date, driven)) return change->rate;
    return fallback;
}

std::optional<std::vector<RatePart>> RateSchedule::partsOn(const QDate& date, double driven,
                                                           double distance,
                                                           std::optional<double> fallback) const
{
    std::vector<RatePart> parts;
    const double end = driven + distance;
    double at = driven;
    for (;;) {
        const std::optional<double> rate = rateOn(date, fallback, at);
        if (!rate) return std::nullopt;
        double next = end;
        for (const RateChange& change : changes_) {
            const double from = change.fromDistance.value_or(0.0);
            if (date.isValid() && dateCome(change, date) && from > at && from < next) next = from;
        }
        // Whole distances subtract exactly; others keep the digits a reading has.
        const double stretch = ss::numfmt::roundDecimal(next - at, 9);
        // A threshold that a later change by date overrides cuts nothing.
        if (!parts.empty() && parts.back().rate == *rate) {
            parts.back().distance = ss::numfmt::roundDecimal(parts.back().distance + stretch, 9);
        } else {
            parts.push_back({stretch, *rate});
        }
        if (next >= end) return parts;
        at = next;
    }
}

std::vector<RateTier> tiersOn(const RateSchedule& schedule, const QDate& date,
                              std::optional<double> fallback)
{
    std::vector<double> thresholds{0.0};
    for (const RateChange& change : schedule.changes()) {
        if (date.isValid() && dateCome(change, date) && change.fromDistance.value_or(0.0) > 0.0)
            thresholds.push_back(*change.fromDistance);
    }
    std::sort(thresholds.begin(), thresholds.end());
    std::vector<RateTier> tiers;
    for (const double from : thresholds) {
        const std::optional<double> rate = schedule.rateOn(date, fallback, from);
        if (tiers.empty() || tiers.back().rate != rate) tiers.push_back({from, rate});
    }
    return tiers;
}

namespace {

// With changes by distance a trip's rates follow from every change whose date has come,
// so the days split only where a dated change sets in: span k runs from the k-th change
// date on (0: before every one, -1: trips without a date).
std::vector<RateSpan> distanceSpans(const RateSchedule& schedule, const std::vector<QDate>& dates,
                                    std::optional<double> fallback)
{
    std::vector<QDate> starts;
    for (const RateChange& change : schedule.changes()) {
        if (change.from.isValid() && (starts.empty() || starts.back() != change.from))
            starts.push_back(change.from);
    }
    std::map<int, QDate> used; // each span with a day of it
    for (const QDate& date : dates) {
        const int span = date.isValid() ? static_cast<int>(
                             std::upper_bound(starts.begin(), starts.end(), date) - starts.begin())
                                        : -1;
        used.emplace(span, date);
    }
    std::vector<RateSpan> spans;
    for (const auto& [index, day] : used) {
        RateSpan span;
        span.tiers = tiersOn(schedule, day, fallback);
        span.rate = span.tiers.front().rate;
        if (span.tiers.size() == 1) {
            span.tiers.clear();
            span.typed = !schedule.changeOn(day);
        }
        if (index > 0) span.first = starts[static_cast<std::size_t>(index - 1)];
        const auto next = static_cast<std::size_t>(std::max(index, 0));
        if (next < starts.size()) span.last = starts[next].addDays(-1);
        spans.push_back(span);
    }
    return spans;
}

} // namespace

std::vector<RateSpan> ratesInForce(const RateSchedule& schedule, const std::vector<QDate>& dates,
                                   std::optional<double> fallback)
{
    if (schedule.dependsOnDistance()) return distanceSpans(schedule, dates, fallback);
    const std::vector<RateChange>& changes = schedule.changes();
    // -1 stands for the typed rate, otherwise the index of the change in force.
    std::map<int, bool> used;
    for (const QDate& date : dates) {
        const auto after =
            std::upper_bound(changes.begin(), changes.end(), RateChange{date, 0.0}, earlier);
        const bool dated = date.isValid();
        used[dated ? static_cast<int>(after - changes.begin()) - 1 : -1] = true;
    }
    std::vector<RateSpan> spans;
    for (const auto& [index, unused] : used) {
        RateSpan span;
        const auto next = static_cast<std::size_t>(index + 1);
        if (index >= 0) {
            span.rate = changes[static_cast<std::size_t>(index)].rate;
            span.first = changes[static_cast<std::size_t>(index)].from;
        } else {
            span.rate = fallback;
            span.typed = true;
        }
        if (next < changes.size()) span.last = changes[next].from.addDays(-1);
        spans.push_back(span);
    }
    return spans;
}

} // namespace bw
