// Tests of the rate schedule: the rate in force on a day, and how a rate is shown.
#include "core/rateschedule.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct ShownCase {
    double rate;
    const char* us;
    const char* german;
    const char* format;
};

TEST(RateSchedule, ARateShowsEveryDecimalItHasAndAtLeastTwo)
{
    const ShownCase cases[] = {
        {0.585, "$0.585", "$0,585", "$#,##0.000"},
        {1.25, "$1.25", "$1,25", "$#,##0.00"},
        {0.7, "$0.70", "$0,70", "$#,##0.00"},
        {2, "$2.00", "$2,00", "$#,##0.00"},
        {0.6553, "$0.6553", "$0,6553", "$#,##0.0000"},
        {1234.5, "$1,234.50", "$1.234,50", "$#,##0.00"},
        {-0.1, "-$0.10", "-$0,10", "$#,##0.00"},
    };
    for (const ShownCase& c : cases) {
        EXPECT_EQ(rateText(c.rate, kUs), QString::fromUtf8(c.us)) << c.rate;
        EXPECT_EQ(rateText(c.rate, kGerman), QString::fromUtf8(c.german)) << c.rate;
        EXPECT_EQ(rateFormatCode(c.rate), QString::fromLatin1(c.format)) << c.rate;
    }
}

const RateSchedule
    kSchedule({{QDate(2026, 1, 1), 0.725}, {QDate(2022, 7, 1), 0.625}, {QDate(2025, 1, 1), 0.70}});

struct InForceCase {
    const char* name;
    QDate date;
    std::optional<double> fallback;
    std::optional<double> expected;
};

TEST(RateSchedule, ATripTakesTheLatestChangeOnOrBeforeItsDate)
{
    const InForceCase cases[] = {
        {"day before the first change", QDate(2022, 6, 30), 0.585, 0.585},
        {"day of the first change", QDate(2022, 7, 1), 0.585, 0.625},
        {"day before a change", QDate(2025, 12, 31), 0.585, 0.70},
        {"day of a change", QDate(2026, 1, 1), 0.585, 0.725},
        {"long after the last", QDate(2030, 5, 5), 0.585, 0.725},
        {"no date", QDate(), 0.585, 0.585},
        {"before every change, typed rate no number", QDate(2000, 1, 1), std::nullopt,
         std::nullopt},
    };
    for (const InForceCase& c : cases) {
        EXPECT_EQ(kSchedule.rateOn(c.date, c.fallback), c.expected) << c.name;
    }
    EXPECT_EQ(RateSchedule().rateOn(QDate(2026, 1, 1), 1.25), 1.25) << "no changes listed";
}

TEST(RateSchedule, KeepsItsChangesSortedAndRefusesASecondOnOneDay)
{
    RateSchedule schedule = kSchedule;
    EXPECT_FALSE(schedule.add({QDate(2025, 1, 1), 0.9}));
    EXPECT_FALSE(schedule.add({QDate(), 0.9}));
    EXPECT_EQ(schedule, kSchedule);
    EXPECT_TRUE(schedule.add({QDate(2024, 1, 1), 0.67}));
    std::vector<QDate> order;
    for (const RateChange& c : schedule.changes()) order.push_back(c.from);
    EXPECT_EQ(order, (std::vector<QDate>{QDate(2022, 7, 1), QDate(2024, 1, 1), QDate(2025, 1, 1),
                                         QDate(2026, 1, 1)}));
    EXPECT_TRUE(schedule.remove(QDate(2024, 1, 1)));
    EXPECT_FALSE(schedule.remove(QDate(2024, 1, 1)));
    EXPECT_EQ(schedule, kSchedule);
    // A list read from a store with two changes on one day keeps one of them.
    EXPECT_EQ(RateSchedule({{QDate(2025, 1, 1), 0.5}, {QDate(2025, 1, 1), 0.6}}).changes().size(),
              1U);
}

TEST(RateSchedule, NamesTheRatesTheTripsWerePaidAtWithTheirDays)
{
    const std::vector<RateSpan> one =
        ratesInForce(kSchedule, {QDate(2025, 3, 1), QDate(2025, 12, 31)}, 0.5);
    ASSERT_EQ(one.size(), 1U);
    EXPECT_EQ(one[0].rate, 0.70);

    const std::vector<RateSpan> two =
        ratesInForce(kSchedule, {QDate(2026, 1, 2), QDate(2025, 12, 31), QDate()}, 0.5);
    ASSERT_EQ(two.size(), 3U);
    EXPECT_EQ(two[0].rate, 0.5); // the undated trip takes the typed rate
    EXPECT_EQ(two[0].last, QDate(2022, 6, 30));
    EXPECT_EQ(two[1].rate, 0.70);
    EXPECT_EQ(two[1].first, QDate(2025, 1, 1));
    EXPECT_EQ(two[1].last, QDate(2025, 12, 31));
    EXPECT_EQ(two[2].rate, 0.725);
    EXPECT_FALSE(two[2].last.isValid());
}

// 45p a mile for the first 10,000 of every tax year, 25p after; from 2026 a new first rate.
const RateSchedule kByDistance({{QDate(), 0.45, 0.0},
                                {QDate(), 0.25, 10000.0},
                                {QDate(2026, 4, 6), 0.50, std::nullopt}});

struct PartsCase {
    const char* name;
    QDate date;
    double driven, distance;
    std::optional<std::vector<RatePart>> parts;
};

TEST(RateSchedule, ATripCrossingADistanceIsPaidAtBothRatesByThePartOnEachSide)
{
    const QDate day(2025, 6, 1);
    const PartsCase cases[] = {
        {"below the threshold", day, 100, 20, {{{20, 0.45}}}},
        {"crossing 10,000", day, 9990, 20, {{{10, 0.45}, {10, 0.25}}}},
        {"crossing in tenths", day, 9999.7, 0.5, {{{0.3, 0.45}, {0.2, 0.25}}}},
        {"ending on it", day, 9990, 10, {{{10, 0.45}}}},
        {"starting on it", day, 10000, 5, {{{5, 0.25}}}},
        {"no date: the typed rate", QDate(), 9990, 20, {{{20, 0.6}}}},
        // A later change by date wins at every distance until one past its date comes.
        {"a later change by date", QDate(2026, 5, 1), 9990, 20, {{{20, 0.50}}}},
    };
    for (const PartsCase& c : cases) {
        EXPECT_EQ(kByDistance.partsOn(c.date, c.driven, c.distance, 0.6), c.parts) << c.name;
    }
    const RateSchedule onlyAfter({{QDate(), 0.25, 10000.0}});
    EXPECT_FALSE(onlyAfter.partsOn(QDate(2025, 1, 1), 9990, 20, std::nullopt))
        << "the stretch below 10,000 has no rate while the typed one is no number";
    EXPECT_TRUE(kByDistance.dependsOnDistance());
    EXPECT_FALSE(kSchedule.dependsOnDistance());
}

TEST(RateSchedule, NamesTheTiersOfRatesByDistanceBetweenTheDatedChanges)
{
    const std::vector<RateTier> uk{{0.0, 0.45}, {10000.0, 0.25}};
    EXPECT_EQ(tiersOn(kByDistance, QDate(2025, 6, 1), 0.6), uk);
    EXPECT_EQ(tiersOn(kByDistance, QDate(2026, 6, 1), 0.6), (std::vector<RateTier>{{0.0, 0.5}}));
    EXPECT_EQ(tiersOn(kByDistance, QDate(), 0.6), (std::vector<RateTier>{{0.0, 0.6}}));

    const std::vector<RateSpan> spans = ratesInForce(
        kByDistance, {QDate(2026, 5, 1), QDate(), QDate(2025, 5, 1), QDate(2025, 9, 1)}, 0.6);
    ASSERT_EQ(spans.size(), 3U);
    EXPECT_TRUE(spans[0].typed);
    EXPECT_EQ(spans[0].rate, 0.6);
    EXPECT_TRUE(spans[0].tiers.empty());
    EXPECT_EQ(spans[1].tiers, uk);
    EXPECT_FALSE(spans[1].first.isValid());
    EXPECT_EQ(spans[1].last, QDate(2026, 4, 5));
    EXPECT_EQ(spans[2].rate, 0.5);
    EXPECT_TRUE(spans[2].tiers.empty());
    EXPECT_FALSE(spans[2].typed);
    EXPECT_EQ(spans[2].first, QDate(2026, 4, 6));
    EXPECT_FALSE(spans[2].last.isValid());
}

TEST(RateSchedule, OneDateHoldsOneChangePerDistanceAndBadChangesAreRefused)
{
    RateSchedule schedule = kByDistance;
    EXPECT_FALSE(schedule.add({QDate(), 0.3, 10000.0})) << "two changes at one distance";
    EXPECT_FALSE(schedule.add({QDate(2025, 1, 1), -0.1, std::nullopt})) << "a rate below 0";
    EXPECT_FALSE(schedule.add({QDate(2025, 1, 1), 0.1, -5.0})) << "a distance below 0";
    EXPECT_FALSE(schedule.add({QDate(), 0.1, std::nullopt})) << "neither date nor distance";
    EXPECT_EQ(schedule, kByDistance);
    EXPECT_FALSE(rateChangeProblem({QDate(), 0.1, -5.0}).isEmpty());
    EXPECT_TRUE(schedule.add({QDate(2026, 4, 6), 0.35, 10000.0}));
    EXPECT_EQ(schedule.changeAt(QDate(2026, 4, 6), 10000.0)->rate, 0.35);
    EXPECT_TRUE(schedule.remove(QDate(), 10000.0));
    EXPECT_FALSE(schedule.changeAt(QDate(), 10000.0));
    EXPECT_EQ(plainDecimalText(10000), QStringLiteral("10000"));
    EXPECT_EQ(plainDecimalText(0.585), QStringLiteral("0.585"));
}

TEST(RateSchedule, TheMemoryStoreGivesBackWhatWasSaved)
{
    MemoryRateStore store;
    EXPECT_TRUE(store.loadRates().isEmpty());
    store.saveRates(kSchedule);
    EXPECT_EQ(store.loadRates(), kSchedule);
}

} // namespace
} // namespace bw
