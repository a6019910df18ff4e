// Tests of the trip fills, checks and CSV import and export.
#include "logtable/logtable.h"
#include "logtable/tabletrip.h"
#include "logtable/tripchecks.h"
#include "logtable/tripcsv.h"
#include "logtable/tripfills.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <optional>

namespace bw {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

// A table of the given rows; "" and 0 are blank.
std::shared_ptr<LogTable> tableWith(const std::vector<Trip>& rows)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (const Trip& row : rows) {
        table->AddNew();
        setTripAt(*table, table->position(), row);
    }
    return table;
}

Trip trip(const char* date, const char* start, const char* end, double mileage = 0,
          double reimbursement = 0, const char* notes = "")
{
    return Trip{QString::fromUtf8(date),
                QString(),
                QString(),
                QString::fromUtf8(notes),
                QString::fromLatin1(start),
                QString::fromLatin1(end),
                mileage,
                reimbursement};
}

struct FillCase {
    const char* name;
    const char* start;
    const char* end;
    QVariant mileage;
    QVariant reimbursement;
    const char* rate;
    int keep;
    double filledMileage;
    double filledReimbursement;
};

class Fills : public ::testing::TestWithParam<FillCase> {};

TEST_P(Fills, FillOnlyWhatIsEmptyOrZero)
{
    const FillCase& c = GetParam();
    auto table =
        tableWith({{QString(), QString(), QString(), QString(), QString::fromLatin1(c.start),
                    QString::fromLatin1(c.end), c.mileage, c.reimbursement}});
    fillTrip(*table, 0, QString::fromLatin1(c.rate), c.keep, kUs);
    EXPECT_EQ(table->valueAt(0, 6).toDouble(), c.filledMileage);
    EXPECT_EQ(table->valueAt(0, 7).toDouble(), c.filledReimbursement);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Fills,
    ::testing::Values(
        FillCase{"FromOdometerAndRate", "58114", "58116", 0.0, 0.0, "1.25", -1, 2, 2.5},
        FillCase{"NullCountsAsEmpty", "58114", "58116", QVariant(), QVariant(), "1.25", -1, 2, 2.5},
        FillCase{"DecimalReadings", "58114.1", "58116.3", 0.0, 0.0, "1", -1, 2.2, 2.2},
        FillCase{"UsersMileageKept", "58114", "58116", 3.0, 0.0, "1.25", -1, 3, 3.75},
        FillCase{"UsersReimbursementKept", "58114", "58116", 0.0, 9.0, "1.25", -1, 2, 9},
        FillCase{"NoRateNoReimbursement", "58114", "58116", 0.0, 0.0, "", -1, 2, 0},
        FillCase{"RateNotANumber", "58114", "58116", 0.0, 0.0, "1.25 USD", -1, 2, 0},
        FillCase{"EndBelowStart", "58116", "58114", 0.0, 0.0, "1.25", -1, 0, 0},
        FillCase{"ReadingIsText", "about 58114", "58116", 0.0, 0.0, "1.25", -1, 0, 0},
        FillCase{"HalfCentAwayFromZero", "", "", 2.5, 0.0, "1.25", -1, 2.5, 3.13},
        FillCase{"DecimalNotBinaryValue", "", "", 1.005, 0.0, "1", -1, 1.005, 1.01},
        FillCase{"NegativeHalfCent", "", "", -2.5, 0.0, "1.25", -1, -2.5, -3.13},
        FillCase{"ClearedMileageStaysOnTheRow", "58114", "58116", 0.0, 0.0, "1.25", 6, 0, 0},
        FillCase{"ClearedReimbursementStays", "58114", "58116", 0.0, 0.0, "1.25", 7, 2, 0}),
    [](const ::testing::TestParamInfo<FillCase>& tc) { return std::string(tc.param.name); });

TEST(Fills, ARateChangeLeavesFilledValuesAndTheLocaleReadsTheRate)
{
    auto table = tableWith({trip("", "100", "110")});
    EXPECT_EQ(fillTrip(*table, 0, QStringLiteral("0,5"), -1, kGerman), (std::vector<int>{6, 7}));
    EXPECT_EQ(table->valueAt(0, 7).toDouble(), 5.0);
    EXPECT_TRUE(fillTrip(*table, 0, QStringLiteral("0,7"), -1, kGerman).empty());
    EXPECT_EQ(table->valueAt(0, 7).toDouble(), 5.0);
    // The period form is read where the locale's own cannot take it.
    EXPECT_EQ(readTripNumber(QStringLiteral("0.7"), kGerman), 0.7);
    EXPECT_EQ(readTripNumber(QStringLiteral("1.234"), kGerman), 1234.0);
    EXPECT_FALSE(readTripNumber(QStringLiteral("1,234.5"), kGerman).has_value());
    EXPECT_FALSE(readTripNumber(QStringLiteral("inf"), kUs).has_value());
}

TEST(Fills, AnEmptyStartTakesThePreviousEndOnce)
{
    auto table = tableWith(
        {trip("", "100", "112"), trip("", "", "130"), trip("", "140", "150"), trip("", "", "")});
    EXPECT_TRUE(carryOdometer(*table, 1));
    EXPECT_EQ(table->valueAt(1, 4).toString(), QStringLiteral("112"));
    EXPECT_FALSE(carryOdometer(*table, 2)) << "a Start of the user's own stays";
    EXPECT_FALSE(carryOdometer(*table, 0)) << "the first row has no previous row";
    table->setValueAt(2, 5, QString());
    EXPECT_FALSE(carryOdometer(*table, 3)) << "nothing to carry from an empty End";
}

struct CheckCase {
    const char* name;
    std::vector<Trip> rows;  // the last one is checked
    std::vector<int> fields; // the fields warned about
    const char* firstText;
};

class Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Checks, WarnAboutSlips)
{
    const CheckCase& c = GetParam();
    auto table = tableWith(c.rows);
    const TripPeriod may{QDate(2016, 5, 14), QDate(2016, 5, 16)};
    const auto warnings = tripWarnings(*table, table->RecordCount() - 1, may, kUs);
    std::vector<int> fields;
    for (const auto& w : warnings) fields.push_back(w.field);
    EXPECT_EQ(fields, c.fields);
    if (!warnings.empty()) {
        EXPECT_EQ(warnings.front().text, QString::fromUtf8(c.firstText));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Checks,
    ::testing::Values(
        CheckCase{"CleanTrip", {trip("5/14/2016", "100", "110", 10)}, {}, ""},
        CheckCase{"BlankRowIsNeverChecked", {trip("", "", "")}, {}, ""},
        CheckCase{"EndBelowStart",
                  {trip("5/14/2016", "110", "100")},
                  {5},
                  "Odometer End is below Odometer Start."},
        CheckCase{"MileageOffByMoreThanHalf",
                  {trip("5/14/2016", "100", "110", 10.6)},
                  {6},
                  "Mileage 10.6 differs from Odometer End - Odometer Start (10)."},
        CheckCase{"MileageWithinHalf", {trip("5/14/2016", "100", "110", 10.5)}, {}, ""},
        CheckCase{"StartBelowPreviousEnd",
                  {trip("5/14/2016", "100", "120", 20), trip("5/15/2016", "115", "130", 15)},
                  {4},
                  "Odometer Start is below the previous row's Odometer End (120)."},
        CheckCase{"PreviousRowLaterIsNotCompared",
                  {trip("5/16/2016", "100", "120", 20), trip("5/15/2016", "115", "130", 15)},
                  {},
                  ""},
        CheckCase{
            "BlankPreviousRow", {trip("", "", ""), trip("5/15/2016", "115", "130", 15)}, {}, ""},
        CheckCase{"NotADate", {trip("next Monday", "", "", 0, 0, "x")}, {0}, "Date is not a date."},
        CheckCase{"NoDate", {trip("", "", "", 0, 0, "x")}, {0}, "The trip has no Date."},
        CheckCase{"OutsideThePeriod",
                  {trip("5/17/2016", "", "", 3)},
                  {0},
                  "Date lies outside the period 5/14/2016 to 5/16/2016."},
        CheckCase{"ReadingsHoldText",
                  {trip("5/14/2016", "1OO", "2x")},
                  (std::vector<int>{4, 5}),
                  "Odometer Start is not a number."}),
    [](const ::testing::TestParamInfo<CheckCase>& tc) { return std::string(tc.param.name); });

TEST(Checks, TheQuestionCountsRowsAndNamesTheFirstThree)
{
    auto table =
        tableWith({trip("x", "", "", 1), trip("5/14/2016", "", "", 1), trip("", "", ""),
                   trip("5/14/2016", "9", "1"), trip("x", "", "", 1), trip("x", "", "", 1)});
    const auto warned = warnedTrips(*table, {QDate(2016, 5, 14), QDate(2016, 5, 16)}, kUs);
    ASSERT_EQ(warned.size(), 4u);
    EXPECT_EQ(warningQuestion(warned),
              QStringLiteral("4 rows carry a warning:\r\nRow 1: Date is not a date.\r\n"
                             "Row 4: Odometer End is below Odometer Start.\r\nRow 5: Date is not a "
                             "date.\r\n...\r\n\r\n"
                             "Create the report anyway?"));
}

struct CsvCase {
    const char* name;
    QByteArray bytes;
    int trips;
    std::optional<Trip> first; // the first trip, or nothing when not compared
    std::vector<int> problemLines;
};

class CsvImport : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvImport, ReadsTripsAndListsBadLines)
{
    const CsvCase& c = GetParam();
    const TripImport read = readTripsCsv(c.bytes, kUs);
    EXPECT_TRUE(read.failure.isEmpty()) << read.failure.toStdString();
    EXPECT_EQ(static_cast<int>(read.trips.size()), c.trips);
    if (c.first && !read.trips.empty()) {
        EXPECT_EQ(read.trips.front(), c.first);
    }
    std::vector<int> lines;
    for (const auto& p : read.problems) lines.push_back(p.line);
    EXPECT_EQ(lines, c.problemLines) << problemLines(read.problems).toStdString();
}

const Trip kMall = {QStringLiteral("5/14/2016"),
                    QStringLiteral("Store"),
                    QStringLiteral("Mini mall"),
                    QStringLiteral("Daily delivery"),
                    QStringLiteral("58114"),
                    QStringLiteral("58116"),
                    2.0,
                    2.5};

INSTANTIATE_TEST_SUITE_P(
    Files, CsvImport,
    ::testing::Values(
        CsvCase{"AllColumns",
                "Date,Starting Location,Destination,Description/Notes,Odometer Start,Odometer "
                "End,Mileage,Reimbursement\n"
                "2016-05-14,Store,Mini mall,Daily delivery,58114,58116,2,2.5\n",
                1,
                kMall,
                {}},
        CsvCase{"BomSemicolonsAnyOrderAnyCase",
                "\xEF\xBB\xBF"
                "reimbursement; MILEAGE ;odometerend;Odometer Start;destination;starting location;"
                "Description / Notes;date;Vehicle\r\n2.5;2;58116;58114;Mini mall;Store;Daily "
                "delivery;5/14/2016;van\r\n",
                1,
                kMall,
                {}},
        CsvCase{"TabsAndQuotedSeparators",
                "Date\tDescription/Notes\n2016-05-14\t\"a\tb, \"\"c\"\"\r\nd\"\n",
                1,
                Trip{QStringLiteral("5/14/2016"), QString(), QString(),
                     QStringLiteral("a\tb, \"c\"\r\nd"), QString(), QString(), 0.0, 0.0},
                {}},
        CsvCase{
            "LineNumbersCountQuotedBreaks",
            "Date,Description/Notes,Mileage\n2016-05-14,\"two\nlines\",1\n2016-05-14,x,12 miles\n"
            "not a date,x,1\n\n2016-05-14,,\n",
            2,
            {},
            {4, 5}},
        CsvCase{"MalformedQuotes",
                "Date,Description/"
                "Notes\n2016-05-14,\"closed\"junk\n2016-05-14,fine\n2016-05-14,\"never closed\n",
                1,
                {},
                {2, 4}},
        CsvCase{"TooManyFields", "Date,Mileage\n2016-05-14,1,extra\n2016-05-14,1,\n", 1, {}, {2}},
        CsvCase{"GroupedAndPeriodNumbers",
                "Date;Odometer Start;Odometer End;Mileage\n2016-05-14;\"1,234\";1240.5;6.5\n",
                1,
                Trip{QStringLiteral("5/14/2016"), QString(), QString(), QString(),
                     QStringLiteral("1234"), QStringLiteral("1240.5"), 6.5, 0.0},
                {}},
        CsvCase{"WindowsCodePage",
                "Date,Destination\n2016-05-14,M\xfcnchen \x80\n",
                1,
                Trip{QStringLiteral("5/14/2016"), QString(),
                     QString::fromUtf8("M\u00fcnchen \u20ac"), QString(), QString(), QString(), 0.0,
                     0.0},
                {}},
        CsvCase{"OnlyUnknownValues", "Date,Vehicle\n,van\n", 0, {}, {}}),
    [](const ::testing::TestParamInfo<CsvCase>& tc) { return std::string(tc.param.name); });

TEST(TripValue, NamedFieldsAreTheGridColumnsInOrder)
{
    struct Column {
        QVariant Trip::*member;
        const char* caption;
    };
    const Column columns[] = {{&Trip::date, "Date"},
                              {&Trip::startingLocation, "Starting Location"},
                              {&Trip::destination, "Destination"},
                              {&Trip::description, "Description/Notes"},
                              {&Trip::odometerStart, "Odometer Start"},
                              {&Trip::odometerEnd, "Odometer End"},
                              {&Trip::mileage, "Mileage"},
                              {&Trip::reimbursement, "Reimbursement"}};
    ASSERT_EQ(std::size(columns), static_cast<std::size_t>(LogTable::kFieldCount));
    Trip written;
    for (int k = 0; k < LogTable::kFieldCount; ++k) {
        const Column& c = columns[k];
        EXPECT_EQ(LogTable::fields()[static_cast<std::size_t>(k)].name, QLatin1String(c.caption));
        EXPECT_EQ(&written.field(k), &(written.*c.member)) << c.caption;
        if (k != 2) written.*c.member = k < 6 ? QVariant(QString::number(k)) : QVariant(k * 1.5);
    }
    // Through a table row and through the positional form, a null field stays null.
    auto table = tableWith({written});
    EXPECT_EQ(tripAt(*table, 0), written);
    EXPECT_TRUE(tripAt(*table, 0).destination.isNull());
    EXPECT_EQ(Trip::fromValues(written.values()), written);
    const Trip shortTrip = Trip::fromValues({QStringLiteral("5/14/2016")});
    EXPECT_EQ(shortTrip.date, QStringLiteral("5/14/2016"));
    EXPECT_TRUE(shortTrip.reimbursement.isNull());
}

TEST(CsvImport, AFileWithoutKnownColumnsIsRefusedWhole)
{
    const TripImport read = readTripsCsv("when,where\n2016-05-14,home\n", kUs);
    EXPECT_TRUE(read.trips.empty());
    EXPECT_TRUE(
        read.failure.startsWith(QStringLiteral("The first line names none of the columns Date, ")));
}

TEST(CsvExport, ExportThenImportGivesTheSameRowsAndNoFormulas)
{
    const std::vector<Trip> rows = {
        {QStringLiteral("5/14/2016"), QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("+1"),
         QStringLiteral("-minus"), QStringLiteral("58114"), QStringLiteral("58116"), 2.0, 2.5},
        {QStringLiteral("5/15/2016"), QStringLiteral("@SUM(A1)"), QStringLiteral("\tTab"),
         QStringLiteral("'own quote"), QStringLiteral("58116.5"), QString(), 0.125, 0.0},
        {QStringLiteral("5/16/2016"), QStringLiteral("\rCR"), QStringLiteral("a, \"b\"\r\nc"),
         QString::fromUtf8("K\u00f6ln \u2192 \U0001F697"), QString(), QString(), 0.0, 1e-7},
        {QStringLiteral("5/17/2016"), QStringLiteral("''twice"), QString(), QString(), QString(),
         QString(), 12345.678, 0.0}};
    auto table = tableWith(rows);
    table->AddNew(); // a blank row is not written
    for (int k = 0; k < 8; ++k) table->setValue(k, k < 6 ? QVariant(QString()) : QVariant(0.0));

    const QByteArray csv = writeTripsCsv(*table, kUs);
    EXPECT_TRUE(csv.startsWith(
        "\xEF\xBB\xBF"
        "Date,Starting Location,Destination,Description/Notes,Odometer Start,"
        "Odometer End,Mileage,Reimbursement\r\n5/14/2016,\"'=HYPERLINK(\"\"x\"\")\",'+1,'-minus,"
        "58114,58116,2,2.5\r\n"))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains(",''own quote,58116.5,,0.125,0\r\n"));
    const TripImport back = readTripsCsv(csv, kUs);
    EXPECT_TRUE(back.problems.empty()) << problemLines(back.problems).toStdString();
    EXPECT_EQ(back.trips, rows);

    // Numbers go out with a period and come back in the locale's notation.
    auto german = tableWith({trip("14.05.2016", "58114,5", "58120", 5.5, 1.25)});
    const QByteArray germanCsv = writeTripsCsv(*german, kGerman);
    EXPECT_TRUE(germanCsv.endsWith("14.05.2016,,,,58114.5,58120,5.5,1.25\r\n"))
        << germanCsv.toStdString();
    const TripImport germanBack = readTripsCsv(germanCsv, kGerman);
    ASSERT_EQ(germanBack.trips.size(), 1u);
    EXPECT_EQ(germanBack.trips.front(), trip("14.05.2016", "58114,5", "58120", 5.5, 1.25));
}

TEST(CsvImport, TenThousandRowsFillTrailingBlanksThenAppendWithinTheLimit)
{
    QByteArray csv = "Date,Odometer Start,Odometer End\n";
    for (int i = 0; i < 10000; ++i)
        csv += "2016-05-14,," + QByteArray::number(100 + 2 * (i + 1)) + "\n";
    const TripImport read = readTripsCsv(csv, kUs);
    ASSERT_EQ(read.trips.size(), 10000u);

    auto table = tableWith({trip("5/14/2016", "90", "100"), trip("", "", ""), trip("", "", "")});
    EXPECT_EQ(tripPlacement(*table).firstRow, 1);
    EXPECT_EQ(placeTrips(*table, read.trips, QStringLiteral("0.5"), kMaxTrips, kUs), 10000);
    ASSERT_EQ(table->RecordCount(), 10001);
    // Each row's Start is the previous row's End, and the fills follow.
    EXPECT_EQ(table->valueAt(1, 4).toString(), QStringLiteral("100"));
    EXPECT_EQ(table->valueAt(10000, 4).toString(), QStringLiteral("20098"));
    EXPECT_EQ(table->valueAt(10000, 6).toDouble(), 2.0);
    EXPECT_EQ(table->valueAt(10000, 7).toDouble(), 1.0);

    auto full = tableWith({trip("x", "", ""), trip("", "", "")});
    EXPECT_EQ(tripPlacement(*full, 4).capacity, 3);
    EXPECT_EQ(placeTrips(*full, read.trips, QString(), 4, kUs), 3);
    EXPECT_EQ(full->RecordCount(), 4);
}

} // namespace
} // namespace bw
