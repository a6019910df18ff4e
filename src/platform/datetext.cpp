// Dates as text in the user's locale, with four-digit years, both ways.
#include "platform/datetext.h"

#include "platform/clock.h"
#include "platform/platform.h"

#include <QHash>
#include <QRegularExpression>

#include <optional>

namespace bw {

QString shortDatePattern(const QLocale& locale)
{
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression years(QStringLiteral("y+"));
        pattern.replace(years, QStringLiteral("yyyy"));
    }
    return pattern;
}

QString dateToText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, shortDatePattern(locale));
}

namespace {

// What the locale's own forms make of a text: a date in full, or only the locale's
// short form with its two-digit year as Qt reads it (the century is chosen later, by
// today's date).
struct ReadDate {
    QDate whole;
    QDate twoDigitYear;
};

ReadDate readDate(const QString& trimmed, const QLocale& locale, const QString& pattern)
{
    ReadDate read;
    read.whole = locale.toDate(trimmed, pattern);
    if (!read.whole.isValid()) read.whole = QDate::fromString(trimmed, Qt::ISODate);
    if (!read.whole.isValid()) read.whole = locale.toDate(trimmed, QLocale::LongFormat);
    if (!read.whole.isValid()) read.twoDigitYear = locale.toDate(trimmed, QLocale::ShortFormat);
    return read;
}

// Reading a date through the locale costs tens of microseconds, and a log repeats its
// dates: a trip log of 65,527 trips is read whole before each report. What a text reads
// as depends on the locale alone, so the readings of the last locale are kept, per
// thread, up to a bound.
class ReadDates {
public:
    const ReadDate& read(const QString& trimmed, const QLocale& locale)
    {
        if (!(locale == locale_) || !pattern_) {
            locale_ = locale;
            pattern_ = shortDatePattern(locale);
            read_.clear();
        }
        if (const auto found = read_.constFind(trimmed); found != read_.cend()) return *found;
        if (read_.size() >= kKept) read_.clear();
        return *read_.insert(trimmed, readDate(trimmed, locale, *pattern_));
    }

private:
    static constexpr qsizetype kKept = 4096;
    QLocale locale_;
    std::optional<QString> pattern_;
    QHash<QString, ReadDate> read_;
};

} // namespace

QDate textToDate(const QString& text, const QLocale& locale)
{
    thread_local ReadDates dates;
    const ReadDate& read = dates.read(text.trimmed(), locale);
    if (read.whole.isValid() || !read.twoDigitYear.isValid()) return read.whole;
    // A two-digit year from the locale's own short form: read it in this century or
    // the last one, whichever is nearer to today.
    QDate date = read.twoDigitYear;
    const int today = platform().clock->today().year();
    while (date.year() < today - 80) date = date.addYears(100);
    return date;
}

QString timeWithSecondsPattern(const QLocale& locale)
{
    QString pattern = locale.timeFormat(QLocale::ShortFormat);
    if (pattern.contains(QLatin1Char('s'))) return pattern;
    static const QRegularExpression hoursMinutes(QStringLiteral("[hH]+([^hHm]*)mm"));
    const QRegularExpressionMatch match = hoursMinutes.match(pattern);
    if (!match.hasMatch()) return locale.timeFormat(QLocale::LongFormat);
    // A quoted word between them ("HH 'h' mm") is no separator for the seconds.
    QString separator = match.captured(1);
    if (separator.isEmpty() || separator.contains(QLatin1Char('\'')))
        separator = QStringLiteral(":");
    pattern.insert(match.capturedEnd(), separator + QStringLiteral("ss"));
    return pattern;
}

QString timeWithSecondsText(const QTime& time, const QLocale& locale)
{
    return locale.toString(time, timeWithSecondsPattern(locale));
}

} // namespace bw
