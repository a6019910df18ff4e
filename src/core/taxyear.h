// Tax years: a year that begins on a day and month of the log's choosing (6 April in the
// UK, 1 July in Australia), and its twelve months, each from that day of one month to the
// day before it in the next.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace bw {

struct TaxYearStart {
    int month = 1;
    int day = 1;
    friend bool operator==(const TaxYearStart&, const TaxYearStart&) = default;
};

// Why `month` and `day` cannot begin a tax year (30 February, 29 February, which most years
// lack, month 13), or an empty text when they can.
QString taxYearStartProblem(int month, int day);

// How the log's database keeps a start: "MM-DD". Nothing for a text that is no start.
QString taxYearStartText(const TaxYearStart& start);
std::optional<TaxYearStart> taxYearStartOf(const QString& text);

// The first day of the tax year that begins in `year`.
QDate taxYearBegin(const TaxYearStart& start, int year);
// The year the tax year holding `date` begins in.
int taxYearOf(const TaxYearStart& start, const QDate& date);
// The first day of tax month `month` (0 to 11) of the tax year that begins in `year`:
// the start's day in the month `month` months after the start's month, or that month's
// last day where it is shorter.
QDate taxMonthBegin(const TaxYearStart& start, int year, int month);
// The tax month (0 to 11) of `date` within its tax year.
int taxMonthOf(const TaxYearStart& start, const QDate& date);

} // namespace bw
