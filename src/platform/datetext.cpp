// Dates as text in the user's locale, with four-digit years, both ways.
#include "platform/datetext.h"

#include "platform/clock.h"
#include "platform/platform.h"

#include <QRegularExpression>

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

QDate textToDate(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    QDate date = locale.toDate(trimmed, shortDatePattern(locale));
    if (!date.isValid()) date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid()) date = locale.toDate(trimmed, QLocale::LongFormat);
    if (!date.isValid()) {
        // A two-digit year from the locale's own short form: read it in this century or
        // the last one, whichever is nearer to today.
        date = locale.toDate(trimmed, QLocale::ShortFormat);
        if (date.isValid()) {
            const int today = platform().clock->today().year();
            while (date.year() < today - 80) date = date.addYears(100);
        }
    }
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
