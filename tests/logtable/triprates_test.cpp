// Tests of the fills, checks and recalculation with the rate in force on a trip's date.
#include "logtable/logtable.h"
#include "logtable/tripchecks.h"
#include "logtable/tripcsv.h"
#include "logtable/tripfills.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace bw {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

const RateSchedule kNewYear({{QDate(2026, 1, 1), 0.725}});

// One trip: date, mileage, reimbursement (a null QVariant for an empty field).
std::shared_ptr<LogTable> oneTrip(const QString& date, const QVariant& mileage,
                                  const QVariant& reimbursement)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    table->AddNew();
    table->setValue(TripField::Date, date);
    table->setValue(TripField::Mileage, mileage);
    table->setValue(TripField::Reimbursement, reimbursement);
    return table;
}

struct RateCase {
    const char* name;
    const char* date;
    const char* typed;
    double mileage;
    QVariant reimbursement; // as the user left it
    double filled;          // what the fill gives an empty Reimbursement (0: none)
    const char* warning;    // on the Reimbursement as left; "" for none
};

class TripRateCases : public ::testing::TestWithParam<RateCase> {};

TEST_P(TripRateCases, FillAndCheckUseTheRateInForce)
{
    const RateCase& c = GetParam();
    const TripRates rates{QString::fromUtf8(c.typed), kNewYear};

    auto empty = oneTrip(QString::fromUtf8(c.date), c.mileage, QVariant());
    fillTrip(*empty, 0, rates, -1, kUs);
    EXPECT_EQ(empty->valueAt(0, TripField::Reimbursement).toDouble(), c.filled);

    auto left = oneTrip(QString::fromUtf8(c.date), c.mileage, c.reimbursement);
    QStringList texts;
    for (const TripWarning& w : tripWarnings(*left, 0, TripPeriod{}, rates, kUs)) {
        if (w.field == TripField::Reimbursement) texts << w.text;
    }
    EXPECT_EQ(texts.join(u'|'), QString::fromUtf8(c.warning));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TripRateCases,
    ::testing::Values(
        RateCase{"day_before_the_change", "12/31/2025", "0.7", 7, 4.9, 4.9, ""},
        RateCase{"day_of_the_change", "1/1/2026", "0.7", 7, 5.08, 5.08, ""},
        RateCase{"half_up_on_the_decimal_value", "1/2/2026", "0.7", 7, 5.075, 5.08, ""},
        RateCase{"no_date_takes_the_typed_rate", "", "1.25", 5, 6.0, 6.25,
                 "Reimbursement 6.00 is not 5 × $1.25 = $6.25"},
        RateCase{"old_rate_on_a_new_trip", "1/5/2026", "0.7", 10, 7.0, 7.25,
                 "Reimbursement 7.00 is not 10 × $0.725 = $7.25"},
        RateCase{"within_half_a_cent", "12/1/2025", "0.585", 7, 4.10, 4.1, ""},
        RateCase{"typed_rate_no_number_no_warning", "12/1/2025", "about 0.5", 5, 9.0, 0, ""},
        RateCase{"user_text_reimbursement", "12/1/2025", "1", 5, QStringLiteral("5.5"), 5,
                 "Reimbursement 5.50 is not 5 × $1.00 = $5.00"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TripRates, RecalculatesEveryTripWhoseReimbursementDiffers)
{
    auto table = oneTrip(QStringLiteral("12/31/2025"), 10.0, 7.0); // right at 0.70
    const auto add = [&](const char* date, QVariant mileage, QVariant money) {
        table->AddNew();
        table->setValue(TripField::Date, QString::fromUtf8(date));
        table->setValue(TripField::Mileage, mileage);
        table->setValue(TripField::Reimbursement, money);
    };
    add("1/1/2026", 10.0, 7.0);       // the new rate: 7.25
    add("", 2.0, QVariant());         // no date, empty: 1.40
    add("1/2/2026", QVariant(), 3.0); // no mileage: left alone
    const std::vector<Recalculation> changes =
        reimbursementRecalculations(*table, TripRates{QStringLiteral("0.7"), kNewYear}, kUs);
    ASSERT_EQ(changes.size(), 2U);
    EXPECT_EQ(changes[0].row, 1);
    EXPECT_EQ(changes[0].reimbursement, 7.25);
    EXPECT_EQ(changes[1].row, 2);
    EXPECT_EQ(changes[1].reimbursement, 1.4);
    EXPECT_TRUE(
        reimbursementRecalculations(*table, TripRates{QStringLiteral("n/a"), {}}, kUs).empty())
        << "no rate that is a number, nothing to recalculate";
}

TEST(TripRates, ADecimalCommaLocaleReadsAndShowsItsOwnForms)
{
    const TripRates rates{QStringLiteral("0,7"), kNewYear};
    auto table = oneTrip(QStringLiteral("02.01.2026"), 5.0, 3.5);
    EXPECT_EQ(rates.rateFor(*table, 0, kGerman), 0.725);
    const auto warnings = tripWarnings(*table, 0, TripPeriod{}, rates, kGerman);
    ASSERT_EQ(warnings.size(), 1U);
    EXPECT_EQ(warnings[0].text, QStringLiteral("Reimbursement 3,50 is not 5 × $0,725 = $3,63"));
    table->setValueAt(0, TripField::Date, QStringLiteral("31.12.2025"));
    EXPECT_TRUE(tripWarnings(*table, 0, TripPeriod{}, rates, kGerman).empty());
}

} // namespace
} // namespace bw

namespace bw {
namespace {

struct RatesCsvCase {
    const char* name;
    const char* bytes;
    const QLocale* locale;
    std::vector<RateChange> changes;
    QStringList problems; // "line: field: why"
    bool failure;
};

class RatesCsv : public ::testing::TestWithParam<RatesCsvCase> {};

TEST_P(RatesCsv, ReadsChangesByHeaderAndNamesEveryBadLine)
{
    const RatesCsvCase& c = GetParam();
    const RateImport read = readRatesCsv(QByteArray(c.bytes), *c.locale);
    EXPECT_EQ(read.changes, c.changes);
    QStringList problems;
    for (const CsvProblem& p : read.problems)
        problems << QStringLiteral("%1: %2: %3").arg(p.line).arg(p.field, p.why);
    EXPECT_EQ(problems, c.problems);
    EXPECT_EQ(!read.failure.isEmpty(), c.failure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RatesCsv,
    ::testing::Values(
        RatesCsvCase{"iso_and_short_dates",
                     "From,Rate\n2026-01-01,0.725\n7/1/2022,0.625\n",
                     &kUs,
                     {{QDate(2026, 1, 1), 0.725}, {QDate(2022, 7, 1), 0.625}},
                     {},
                     false},
        RatesCsvCase{"columns_in_any_order_with_others",
                     "\xEF\xBB\xBFnote;RATE; from \nx;0,725;01.01.2026\n",
                     &kGerman,
                     {{QDate(2026, 1, 1), 0.725}},
                     {},
                     false},
        RatesCsvCase{"bad_lines",
                     "From,Rate\n2026-01-01,0.725\nsoon,0.7\n2026-01-01,0.8\n2026-02-01,\n\n",
                     &kUs,
                     {{QDate(2026, 1, 1), 0.725}},
                     {"3: From: \"soon\" is not a date", "4: From: a second change on 1/1/2026",
                      "5: Rate: no number"},
                     false},
        RatesCsvCase{"by_distance_from_every_tax_year_on",
                     "From,Rate,From Distance\n,0.45,0\n,0.25,10000\n2026-01-01,0.3,\n"
                     ",0.2,10000\n,-0.1,5\n,0.1,-5\n,0.1,\n",
                     &kUs,
                     {{QDate(), 0.45, 0.0}, {QDate(), 0.25, 10000.0}, {QDate(2026, 1, 1), 0.3}},
                     {"5: From: a second change at 10,000 on -",
                      "6: Rate: a rate cannot be below 0",
                      "7: From Distance: a distance cannot be below 0", "8: From: no date"},
                     false},
        RatesCsvCase{"no_rate_column", "From,Amount\n2026-01-01,1\n", &kUs, {}, {}, true}),
    [](const auto& param) { return std::string(param.param.name); });

// 0.45 for the first 10,000 of each tax year (6 April on), 0.25 after; the unit is the
// log's, so kilometres cross 10,000 just as miles do.
struct CrossingCase {
    const char* date;
    double mileage;
    double due;
};

TEST(TripRates, ATripCrossingTenThousandIsPaidAtBothRatesCountingTripsOutsideTheGrid)
{
    TripRates rates{QStringLiteral("0.6"),
                    RateSchedule({{QDate(), 0.45, 0.0}, {QDate(), 0.25, 10000.0}})};
    rates.taxYear = {4, 6};
    rates.outside = {{QDate(2025, 5, 1), 9000.0}}; // moved out by a new period
    const CrossingCase cases[] = {
        {"6/2/2025", 20, 7.00},   // after the row below: 9,990 + 20 -> 10 x 0.45 + 10 x 0.25
        {"6/1/2025", 990, 445.5}, // 9,000 + 990, below the threshold
        {"6/2/2025", 10, 2.5},    // same day, next row: from 10,010 on
        {"4/6/2026", 20, 9.0},    // a new tax year starts again at 0.45
        {"4/5/2025", 5, 2.25},    // the tax year before
        {"", 4, 2.4},             // no date: the typed rate
    };
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (const CrossingCase& c : cases) {
        table->AddNew();
        table->setValue(TripField::Date, QString::fromUtf8(c.date));
        table->setValue(TripField::Mileage, c.mileage);
    }
    const std::vector<Recalculation> changes = reimbursementRecalculations(*table, rates, kUs);
    ASSERT_EQ(changes.size(), std::size(cases));
    for (const Recalculation& change : changes)
        EXPECT_EQ(change.reimbursement, cases[change.row].due) << change.row;
    // Trips placed from a file are paid as the whole pass pays them, a trip listed before
    // an earlier day's counting that day's distance too.
    std::vector<Trip> trips;
    for (const CrossingCase& c : cases)
        trips.push_back(
            Trip::fromValues({QString::fromUtf8(c.date), {}, {}, {}, {}, {}, c.mileage, {}}));
    auto placed = std::make_shared<LogTable>();
    placed->openWithTripFields();
    ASSERT_EQ(placeTrips(*placed, trips, rates, kMaxTrips, kUs),
              static_cast<int>(std::size(cases)));
    for (int row = 0; row < placed->RecordCount(); ++row)
        EXPECT_EQ(placed->valueAt(row, TripField::Reimbursement).toDouble(), cases[row].due) << row;
    // One row filled alone reads the log the same way as the whole pass.
    fillTrip(*table, 0, rates, -1, kUs);
    EXPECT_EQ(table->valueAt(0, TripField::Reimbursement).toDouble(), 7.0);
    table->setValueAt(0, TripField::Reimbursement, 9.0);
    const std::vector<WarnedTrip> warned = warnedTrips(*table, TripPeriod{}, rates, kUs);
    ASSERT_FALSE(warned.empty());
    EXPECT_EQ(warned.front().warnings.back().text,
              QStringLiteral("Reimbursement 9.00 is not 20 at its rates by distance = $7.00"));
}

} // namespace
} // namespace bw
