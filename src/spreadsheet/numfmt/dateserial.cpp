// Dates and times to and from serials of the 1900 date system.
#include "spreadsheet/numfmt/calendar.h"
#include "spreadsheet/numfmt/numfmt.h"

#include <cmath>

namespace bw::ss::numfmt {

namespace {

// Day 0 of the serials before and after the fictitious 1900-02-29 (serial 60).
const QDate kEpochBeforeLeapBug(1899, 12, 31);
const QDate kEpochAfterLeapBug(1899, 12, 30);
constexpr long long kLeapBugSerial = 60;
constexpr double kMsPerDay = 86400000.0;

} // namespace

std::optional<CalendarDay> calendarDay(long long serialDay)
{
    if (serialDay < 0 || serialDay > kLastSerialDay) return std::nullopt;
    CalendarDay day;
    day.weekday = static_cast<int>(serialDay % 7 + 6) % 7;
    if (serialDay == 0) return day;
    if (serialDay == kLeapBugSerial) {
        day.month = 2;
        day.day = 29;
        return day;
    }
    const QDate date = serialDay < kLeapBugSerial ? kEpochBeforeLeapBug.addDays(serialDay)
                                                  : kEpochAfterLeapBug.addDays(serialDay);
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    return day;
}

double dateToSerial(const QDate& date)
{
    if (!date.isValid()) return 0.0;
    const QDate firstAfterBug(1900, 3, 1);
    const QDate& epoch = date < firstAfterBug ? kEpochBeforeLeapBug : kEpochAfterLeapBug;
    return static_cast<double>(epoch.daysTo(date));
}

double dateTimeToSerial(const QDateTime& dateTime)
{
    if (!dateTime.isValid()) return 0.0;
    return dateToSerial(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / kMsPerDay;
}

std::optional<QDateTime> serialToDateTime(double serial)
{
    if (!std::isfinite(serial) || serial < 0.0 || serial >= kLastSerialDay + 1.0)
        return std::nullopt;
    auto days = static_cast<long long>(std::floor(serial));
    auto ms = std::llround((serial - static_cast<double>(days)) * kMsPerDay);
    if (ms >= static_cast<long long>(kMsPerDay)) {
        ++days;
        ms = 0;
    }
    if (days == kLeapBugSerial) return std::nullopt;
    const QDate date = days < kLeapBugSerial ? kEpochBeforeLeapBug.addDays(days)
                                             : kEpochAfterLeapBug.addDays(days);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

} // namespace bw::ss::numfmt
