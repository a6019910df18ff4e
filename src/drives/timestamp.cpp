// A small ISO 8601 reader: a track of a million points has a million times to read, and
// QDateTime's general parser costs several times more per time than this.
#include "drives/timestamp.h"

namespace bw::drives {

namespace {

// Reads `count` decimal digits at `at`; false when one is not a digit.
bool digits(std::string_view text, std::size_t& at, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++at) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9') return false;
        value = value * 10 + (text[at] - '0');
    }
    return true;
}

bool take(std::string_view text, std::size_t& at, char c)
{
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian calendar).
qint64 daysFromCivil(int year, int month, int day)
{
    const qint64 y = year - (month <= 2 ? 1 : 0);
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The zone after the time: nothing (UTC), "Z", or an offset; its minutes east of UTC.
bool zoneOffset(std::string_view text, std::size_t& at, int& minutes)
{
    minutes = 0;
    if (at == text.size()) return true;
    if (take(text, at, 'Z')) return at == text.size();
    const char sign = text[at];
    if (sign != '+' && sign != '-') return false;
    ++at;
    int hours = 0;
    int mins = 0;
    if (!digits(text, at, 2, hours)) return false;
    if (at < text.size()) {
        take(text, at, ':');
        if (!digits(text, at, 2, mins)) return false;
    }
    if (at != text.size() || hours > 23 || mins > 59) return false;
    minutes = (sign == '-' ? -1 : 1) * (hours * 60 + mins);
    return true;
}

} // namespace

std::optional<qint64> utcMsFromIsoText(std::string_view text)
{
    std::size_t at = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!digits(text, at, 4, year) || !take(text, at, '-') || !digits(text, at, 2, month)
        || !take(text, at, '-') || !digits(text, at, 2, day))
        return std::nullopt;
    if (!take(text, at, 'T') && !take(text, at, ' ')) return std::nullopt;
    if (!digits(text, at, 2, hour) || !take(text, at, ':') || !digits(text, at, 2, minute)
        || !take(text, at, ':') || !digits(text, at, 2, second))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23
        || minute > 59 || second > 60)
        return std::nullopt;
    int millis = 0;
    if (take(text, at, '.') || take(text, at, ',')) {
        int scale = 100;
        const std::size_t first = at;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, scale /= 10)
            millis += (text[at] - '0') * scale;
        if (at == first) return std::nullopt;
    }
    int offset = 0;
    if (!zoneOffset(text, at, offset)) return std::nullopt;
    // A leap second is taken as the last second of its minute.
    if (second == 60) second = 59;
    const qint64 seconds = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60
                           + second - qint64(offset) * 60;
    return seconds * 1000 + millis;
}

std::optional<qint64> utcMsFromMsText(std::string_view text)
{
    if (text.empty() || text.size() > 15) return std::nullopt;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace bw::drives
