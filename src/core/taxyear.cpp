// Tax years and their months.
#include "core/taxyear.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace bw {

namespace {

constexpr int kMonths = 12;
// A leap year, so that the longest February is the one asked about.
constexpr int kLeapYear = 2024;

QDate dayIn(int year, int month, int day)
{
    const QDate first(year, month, 1);
    return QDate(year, month, std::min(day, first.daysInMonth()));
}

} // namespace

QString taxYearStartProblem(int month, int day)
{
    if (month < 1 || month > kMonths)
        return QCoreApplication::translate("TaxYear", "There is no month %1.").arg(month);
    const QDate first(kLeapYear, month, 1);
    if (day < 1 || day > first.daysInMonth())
        return QCoreApplication::translate("TaxYear", "%1 has no day %2.")
            .arg(QLocale().standaloneMonthName(month))
            .arg(day);
    if (month == 2 && day == 29)
        return QCoreApplication::translate("TaxYear",
                                           "A tax year cannot start on 29 February, which most "
                                           "years lack.");
    return {};
}

QString taxYearStartText(const TaxYearStart& start)
{
    return QStringLiteral("%1-%2")
        .arg(start.month, 2, 10, QLatin1Char('0'))
        .arg(start.day, 2, 10, QLatin1Char('0'));
}

std::optional<TaxYearStart> taxYearStartOf(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 2) return std::nullopt;
    bool monthOk = false;
    bool dayOk = false;
    const TaxYearStart start{parts[0].toInt(&monthOk), parts[1].toInt(&dayOk)};
    if (!monthOk || !dayOk || !taxYearStartProblem(start.month, start.day).isEmpty())
        return std::nullopt;
    return start;
}

QDate taxYearBegin(const TaxYearStart& start, int year)
{
    return dayIn(year, start.month, start.day);
}

int taxYearOf(const TaxYearStart& start, const QDate& date)
{
    return date < taxYearBegin(start, date.year()) ? date.year() - 1 : date.year();
}

QDate taxMonthBegin(const TaxYearStart& start, int year, int month)
{
    const int months = start.month - 1 + month;
    return dayIn(year + months / kMonths, months % kMonths + 1, start.day);
}

int taxMonthOf(const TaxYearStart& start, const QDate& date)
{
    const int year = taxYearOf(start, date);
    int month = (date.year() - year) * kMonths + date.month() - start.month;
    if (date < taxMonthBegin(start, year, month)) --month;
    return month;
}

} // namespace bw
