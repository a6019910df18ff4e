// Tests of tax years: where a year and its months begin, and which starts are refused.
#include "core/taxyear.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

const TaxYearStart kUk{4, 6};
const TaxYearStart kEndOfMonth{1, 31};

struct MonthCase {
    TaxYearStart start;
    QDate date;
    int year;  // the tax year's first year
    int month; // 0 to 11
};

TEST(TaxYear, ADayFallsInTheTaxMonthThatBeganOnOrBeforeIt)
{
    const MonthCase cases[] = {
        {kUk, QDate(2025, 4, 5), 2024, 11},
        {kUk, QDate(2025, 4, 6), 2025, 0},
        {kUk, QDate(2025, 5, 5), 2025, 0},
        {kUk, QDate(2025, 5, 6), 2025, 1},
        {kUk, QDate(2025, 12, 31), 2025, 8},
        {kUk, QDate(2026, 1, 5), 2025, 8},
        {kUk, QDate(2026, 1, 6), 2025, 9},
        {kUk, QDate(2026, 4, 5), 2025, 11},
        {{}, QDate(2025, 1, 1), 2025, 0},
        {{}, QDate(2025, 12, 31), 2025, 11},
        // A start on the 31st begins the shorter months on their last day.
        {kEndOfMonth, QDate(2025, 2, 27), 2025, 0},
        {kEndOfMonth, QDate(2025, 2, 28), 2025, 1},
        {kEndOfMonth, QDate(2025, 3, 30), 2025, 1},
        {kEndOfMonth, QDate(2025, 3, 31), 2025, 2},
        {kEndOfMonth, QDate(2025, 1, 30), 2024, 11},
    };
    for (const MonthCase& c : cases) {
        const QString name = c.date.toString(Qt::ISODate);
        EXPECT_EQ(taxYearOf(c.start, c.date), c.year) << name.toStdString();
        EXPECT_EQ(taxMonthOf(c.start, c.date), c.month) << name.toStdString();
        // Each month begins where the one before it ends.
        EXPECT_LE(taxMonthBegin(c.start, c.year, c.month), c.date) << name.toStdString();
        EXPECT_GT(taxMonthBegin(c.start, c.year, c.month + 1), c.date) << name.toStdString();
    }
    EXPECT_EQ(taxYearBegin(kUk, 2026), QDate(2026, 4, 6));
    EXPECT_EQ(taxMonthBegin(kUk, 2025, 12), QDate(2026, 4, 6)) << "the next year's first month";
}

TEST(TaxYear, AStartThatIsNoDayOfEveryYearIsRefusedWithItsReason)
{
    struct Case {
        int month, day;
        bool refused;
    };
    const Case cases[] = {{2, 30, true},  {2, 29, true},  {13, 1, true}, {4, 31, true},
                          {0, 5, true},   {4, 0, true},   {4, 6, false}, {7, 1, false},
                          {2, 28, false}, {12, 31, false}};
    for (const Case& c : cases) {
        const QString problem = taxYearStartProblem(c.month, c.day);
        EXPECT_EQ(!problem.isEmpty(), c.refused) << c.month << "/" << c.day;
        const QString text = taxYearStartText({c.month, c.day});
        EXPECT_EQ(taxYearStartOf(text).has_value(), !c.refused) << text.toStdString();
    }
    EXPECT_EQ(taxYearStartOf(QStringLiteral("04-06")), kUk);
    EXPECT_FALSE(taxYearStartOf(QStringLiteral("April")));
}

} // namespace
} // namespace bw
