// Rates per mile that change by date, and how a rate is shown.
#include "core/rateschedule.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace bw {

namespace {

constexpr int kCentDecimals = 2;
constexpr int kMostDecimals = 15;

bool earlier(const RateChange& a, const RateChange& b) { return a.from < b.from; }

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

RateSchedule::RateSchedule(std::vector<RateChange> changes)
{
    std::erase_if(changes, [](const RateChange& c) { return !c.from.isValid(); });
    std::stable_sort(changes.begin(), changes.end(), earlier);
    // Of several changes on one day the last one given wins.
    for (const RateChange& change : changes) {
        if (!changes_.empty() && changes_.back().from == change.from) {
            changes_.back() = change;
        } else {
            changes_.push_back(change);
        }
    }
}

bool RateSchedule::add(const RateChange& change)
{
    if (!change.from.isValid()) return false;
    const auto at = std::lower_bound(changes_.begin(), changes_.end(), change, earlier);
    if (at != changes_.end() && at->from == change.from) return false;
    changes_.insert(at, change);
    return true;
}

bool RateSchedule::remove(const QDate& from)
{
    return std::erase_if(changes_, [&](const RateChange& c) { return c.from == from; }) > 0;
}

std::optional<RateChange> RateSchedule::changeOn(const QDate& date) const
{
    if (!date.isValid()) return std::nullopt;
    const auto after =
        std::upper_bound(changes_.begin(), changes_.end(), RateChange{date, 0.0}, earlier);
    if (after == changes_.begin()) return std::nullopt;
    return *std::prev(after);
}

std::optional<double> RateSchedule::rateOn(const QDate& date, std::optional<double> fallback) const
{
    if (const std::optional<RateChange> change = changeOn(date)) return change->rate;
    return fallback;
}

std::vector<RateSpan> ratesInForce(const RateSchedule& schedule, const std::vector<QDate>& dates,
                                   std::optional<double> fallback)
{
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
        }
        if (next < changes.size()) span.last = changes[next].from.addDays(-1);
        spans.push_back(span);
    }
    return spans;
}

} // namespace bw
