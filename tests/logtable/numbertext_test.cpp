// Tests of reading, rounding and storing the number texts of trip rows.
#include "logtable/logtable.h"
#include "logtable/numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <ostream>

namespace bw {
namespace {

struct LeadingCase {
    const char* name;
    const char* text;
    double expected;
};

void PrintTo(const LeadingCase& c, std::ostream* os) { *os << c.name; }

class LeadingNumber : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheLeadingNumericPart)
{
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(
        LeadingCase{"Plain", "30", 30}, LeadingCase{"Fraction", "42.7", 42.7},
        LeadingCase{"Empty", "", 0}, LeadingCase{"Letters", "abc", 0},
        LeadingCase{"NumberThenLetters", "12abc", 12},
        LeadingCase{"BlanksAnywhere", " 1 2\t3 ", 123}, LeadingCase{"Negative", "-3", -3},
        LeadingCase{"PlusSign", "+5", 5}, LeadingCase{"LeadingPeriod", ".5", 0.5},
        LeadingCase{"SecondPeriodStops", "1.2.3", 1.2}, LeadingCase{"CommaStops", "42,7", 42},
        LeadingCase{"Exponent", "1e3", 1000}, LeadingCase{"ExponentD", "2D2", 200},
        LeadingCase{"ExponentWithoutDigits", "7e", 7}, LeadingCase{"SignOnly", "-", 0},
        LeadingCase{"PeriodOnly", ".", 0}, LeadingCase{"NonAscii", "٣", 0},
        LeadingCase{"Underflow", "1e-400", 0}, LeadingCase{"Infinity", "inf", 0},
        LeadingCase{"NegativeInfinity", "-Infinity", 0}, LeadingCase{"NaN", "NaN", 0}),
    [](const ::testing::TestParamInfo<LeadingCase>& tc) { return std::string(tc.param.name); });

TEST(LeadingNumberOverflow, TooLargeForADoubleIsAnInfinityOfItsSign)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("1e400")), HUGE_VAL);
    EXPECT_EQ(leadingNumber(QStringLiteral("-1e400")), -HUGE_VAL);
    EXPECT_EQ(leadingNumber(QString(400, QLatin1Char('9'))), HUGE_VAL);
    EXPECT_THROW(storedNumberFromText(QStringLiteral("1e400")), LogTableError);
    EXPECT_DOUBLE_EQ(storedNumberFromText(QStringLiteral("12 miles")), 12);
}

TEST(LeadingNumberOverflow, TheMantissasDigitsCountWithTheExponent)
{
    const QString huge = QLatin1Char('1') + QString(400, QLatin1Char('0'));
    const QString tiny = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QLatin1Char('1');
    EXPECT_EQ(leadingNumber(huge + QStringLiteral("e-10")), HUGE_VAL) << "ten to the 390th";
    EXPECT_EQ(leadingNumber(QLatin1Char('-') + huge + QStringLiteral("D-10")), -HUGE_VAL);
    EXPECT_DOUBLE_EQ(leadingNumber(huge + QStringLiteral("e-395")), 1e5);
    EXPECT_EQ(leadingNumber(tiny + QStringLiteral("e+10")), 0.0) << "ten to the -391st";
    EXPECT_DOUBLE_EQ(leadingNumber(tiny + QStringLiteral("e+399")), 0.01);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e-99999999999999999999")), 0.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e99999999999999999999")), HUGE_VAL);
    EXPECT_THROW(storedNumberFromText(huge + QStringLiteral("e-10")), LogTableError);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{12.5, 12},  {13.5, 14}, {30.5, 30}, {31.5, 32},
                                               {0.5, 0},    {-0.5, 0},  {-1.5, -2}, {2.4999, 2},
                                               {2.5001, 3}, {7, 7}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(roundHalfEven(value), expected) << value;
    }
}

struct RowCountCase {
    const char* name;
    const char* text;
    int rows;
};

void PrintTo(const RowCountCase& c, std::ostream* os) { *os << c.name; }

class RowCountText : public ::testing::TestWithParam<RowCountCase> {};

TEST_P(RowCountText, GivesTheRowsToRestore)
{
    EXPECT_EQ(rowCountFromText(QString::fromLatin1(GetParam().text)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Usable, RowCountText,
    ::testing::Values(RowCountCase{"Default", "30", 30}, RowCountCase{"Zero", "0", 0},
                      RowCountCase{"Negative", "-3", 0}, RowCountCase{"HalfDown", "12.5", 12},
                      RowCountCase{"HalfUp", "13.5", 14}, RowCountCase{"Letters", "abc", 0},
                      RowCountCase{"OverTheTripLimit", "100000", 100000},
                      RowCountCase{"Int32", "2147483647", 2147483647}),
    [](const ::testing::TestParamInfo<RowCountCase>& tc) { return std::string(tc.param.name); });

TEST(RowCountTextRefused, CountsBeyondTheLimitThrow)
{
    for (const char* text : {"1e30", "2147483648", "1e400"}) {
        EXPECT_THROW(rowCountFromText(QString::fromLatin1(text)), LogTableError) << text;
    }
    try {
        rowCountFromText(QStringLiteral("1e30"));
    } catch (const LogTableError& e) {
        EXPECT_STREQ(
            e.what(),
            "The stored row count 1e30 is no usable number of rows; no rows were restored.");
    }
}

TEST(StoredNumberText, UsesAPeriodAndFifteenSignificantDigits)
{
    EXPECT_EQ(storedNumberText(0), QStringLiteral("0"));
    EXPECT_EQ(storedNumberText(6.25), QStringLiteral("6.25"));
    EXPECT_EQ(storedNumberText(42.7), QStringLiteral("42.7"));
    EXPECT_EQ(storedNumberText(1234567.5), QStringLiteral("1234567.5"));
    EXPECT_EQ(storedNumberText(0.1 + 0.2), QStringLiteral("0.3"));
    for (double v : {42.7, -3.25, 1e20, 123456789012345.0, 1.0 / 3.0}) {
        const std::string stored = storedNumberText(v).toStdString();
        double plain = 0;
        std::from_chars(stored.data(), stored.data() + stored.size(), plain);
        EXPECT_EQ(leadingNumber(storedNumberText(v)), plain) << v;
        EXPECT_NEAR(leadingNumber(storedNumberText(v)), v, std::abs(v) * 1e-14) << v;
    }
}

} // namespace
} // namespace bw
