// Places, descriptions and routes read from the log, and kept current as trips change.
#include "logtable/logtablemodel.h"
#include "logtable/tripbook.h"
#include "platform/datetext.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace bw::test {
namespace {

struct Trip {
    const char* date;
    const char* from;
    const char* to;
    double mileage;
    const char* description = "";
};

std::shared_ptr<LogTable> tripsOf(const std::vector<Trip>& trips)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (const Trip& t : trips) {
        std::vector<QVariant> values(LogTable::kFieldCount);
        values[0] = QString::fromUtf8(t.date);
        values[1] = QString::fromUtf8(t.from);
        values[2] = QString::fromUtf8(t.to);
        values[3] = QString::fromUtf8(t.description);
        if (t.mileage != 0.0) values[6] = t.mileage;
        table->insertRow(table->RecordCount(), values);
    }
    return table;
}

struct RouteCase {
    const char* name;
    std::vector<Trip> trips;
    const char* from;
    const char* to;
    std::optional<double> distance;
};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.name; }

class Routes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Routes, AnswerTheLatestDatedMeasuredTrip)
{
    TripBook book;
    book.rebuild(*tripsOf(GetParam().trips));
    const auto got =
        book.distance(QString::fromUtf8(GetParam().from), QString::fromUtf8(GetParam().to));
    EXPECT_EQ(got, GetParam().distance);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Routes,
    ::testing::Values(
        RouteCase{"Unknown", {{"2024-01-02", "Home", "Office", 12}}, "Home", "Mart", std::nullopt},
        RouteCase{"Latest date wins, not the last row",
                  {{"2024-03-05", "A", "B", 7}, {"2024-01-02", "A", "B", 5}},
                  "A",
                  "B",
                  7.0},
        RouteCase{"A trip without Mileage does not count",
                  {{"2024-01-02", "A", "B", 5}, {"2024-05-01", "A", "B", 0}},
                  "A",
                  "B",
                  5.0},
        RouteCase{"The way back answers", {{"2024-01-02", "A", "B", 5}}, "B", "A", 5.0},
        RouteCase{"Until it has its own",
                  {{"2024-01-02", "A", "B", 5}, {"2023-01-02", "B", "A", 6}},
                  "B",
                  "A",
                  6.0},
        RouteCase{"Spaces around a place are not part of it",
                  {{"2024-01-02", " A ", "B", 5}},
                  "A",
                  " B",
                  5.0},
        RouteCase{"Same date: the later entered trip",
                  {{"2024-01-02", "A", "B", 5}, {"2024-01-02", "A", "B", 4}},
                  "A",
                  "B",
                  4.0},
        RouteCase{
            "A missing place makes no route", {{"2024-01-02", "A", "", 5}}, "A", "", std::nullopt}),
    [](const auto& tc) {
        std::string name;
        for (const char c : std::string(tc.param.name)) {
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        }
        return name;
    });

TEST(TripBook, CompletesPlacesAndDescriptionsMostUsedFirstIgnoringCase)
{
    TripBook book;
    book.rebuild(*tripsOf({{"", "Mini mall", "Mart", 5, "Groceries"},
                           {"", "Mart", "Mini mall", 5, "groceries run"},
                           {"", "Mart", "Museum", 3, "Visit"},
                           {"", "Home", "Mart", 2, ""}}));
    EXPECT_EQ(book.places(QStringLiteral("m")), QStringList({"Mart", "Mini mall", "Museum"}));
    EXPECT_EQ(book.places(QStringLiteral("MI")), QStringList({"Mini mall"}));
    EXPECT_EQ(book.places(QStringLiteral("Mx")), QStringList());
    EXPECT_EQ(book.places(QString()), QStringList());
    EXPECT_EQ(book.places(QStringLiteral("m"), 1), QStringList({"Mart"}));
    EXPECT_EQ(book.descriptions(QStringLiteral("gro")),
              QStringList({"Groceries", "groceries run"}));
    EXPECT_EQ(book.descriptions(QStringLiteral("Mart")), QStringList());
}

TEST(TripBook, FollowsTheModelAsTripsAreEditedInsertedAndDeleted)
{
    LogTableModel model;
    TripBook book;
    book.follow(model);
    model.bind(tripsOf({{"2024-01-02", "Home", "Office", 12, "Work"}}));
    EXPECT_EQ(book.distance(QStringLiteral("Home"), QStringLiteral("Office")), 12.0);

    model.setData(model.index(0, 2), QStringLiteral("Depot"));
    EXPECT_EQ(book.places(QStringLiteral("O")), QStringList());
    EXPECT_EQ(book.distance(QStringLiteral("Home"), QStringLiteral("Depot")), 12.0);
    EXPECT_EQ(book.distance(QStringLiteral("Home"), QStringLiteral("Office")), std::nullopt);

    model.insertRow(1, {QStringLiteral("2024-02-02"), QStringLiteral("Home"),
                        QStringLiteral("Depot"), QString(), QString(), QString(), 9.0, QVariant()});
    EXPECT_EQ(book.distance(QStringLiteral("Home"), QStringLiteral("Depot")), 9.0);
    const auto routes = book.frequentRoutes(10);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_EQ(routes[0].trips, 2);
    EXPECT_EQ(routes[0].description, QStringLiteral("Work"));

    model.boundTable()->setPosition(1);
    model.deleteCurrentRow();
    EXPECT_EQ(book.distance(QStringLiteral("Home"), QStringLiteral("Depot")), 12.0);
    model.boundTable()->setPosition(0);
    model.deleteCurrentRow();
    EXPECT_EQ(book.placeCount(), 0);
    EXPECT_TRUE(book.frequentRoutes(10).empty());
}

TEST(TripBook, ReadsABoundLogOnceWhenFirstAskedOrWhenIdle)
{
    LogTableModel model;
    TripBook book;
    book.follow(model);
    // Changes before the read are part of it, counted once.
    model.bind(tripsOf({{"2024-01-02", "Home", "Office", 12, ""}}));
    model.insertRow(1, {QString(), QStringLiteral("Home"), QStringLiteral("Office"), QString(),
                        QString(), QString(), QVariant(), QVariant()});
    auto routes = book.frequentRoutes(1);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_EQ(routes[0].trips, 2);

    model.bind(tripsOf({{"2024-01-02", "Mart", "Home", 3, ""}}));
    QTest::qWait(300);
    model.insertRow(0, {QString(), QStringLiteral("Mart"), QStringLiteral("Home"), QString(),
                        QString(), QString(), QVariant(), QVariant()});
    routes = book.frequentRoutes(1);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_EQ(routes[0].trips, 2);
    EXPECT_EQ(routes[0].distance, 3.0);
}

TEST(TripBook, FrequentRoutesAreTheMostUsedWithTheirMostUsedDescription)
{
    TripBook book;
    book.rebuild(*tripsOf({{"2024-01-01", "Home", "Office", 12, "Work"},
                           {"2024-01-02", "Home", "Office", 13, "Meeting"},
                           {"2024-01-03", "Home", "Office", 0, "Meeting"},
                           {"2024-01-01", "Office", "Client", 4, ""},
                           {"2024-01-01", "Home", "Mart", 2, ""},
                           {"2024-01-02", "Home", "Mart", 2, ""}}));
    const auto routes = book.frequentRoutes(2);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_EQ(QStringList({routes[0].from, routes[0].to, routes[0].description}),
              QStringList({"Home", "Office", "Meeting"}));
    EXPECT_EQ(routes[0].trips, 3);
    EXPECT_EQ(routes[0].distance, 13.0);
    EXPECT_EQ(QStringList({routes[1].from, routes[1].to}), QStringList({"Home", "Mart"}));
}

// The longest log with 5,000 places: every place is found, most used first, and routes hold.
TEST(TripBook, ServesTheLongestLogWithFiveThousandPlaces)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    const QString date = dateToText(QDate(2024, 6, 1));
    for (int i = 0; i < kMaxTrips; ++i) {
        std::vector<QVariant> values(LogTable::kFieldCount);
        values[0] = date;
        values[1] = QStringLiteral("Place %1").arg(i % 5000, 4, 10, QLatin1Char('0'));
        values[2] = QStringLiteral("Place %1").arg((i * 7 + 1) % 5000, 4, 10, QLatin1Char('0'));
        values[6] = static_cast<double>(i % 50 + 1);
        table->insertRow(i, values);
    }
    TripBook book;
    book.rebuild(*table);
    EXPECT_EQ(book.placeCount(), 5000);
    const QStringList found = book.places(QStringLiteral("place 12"), 500);
    ASSERT_EQ(found.size(), 100); // Place 1200 to Place 1299
    EXPECT_TRUE(found.contains(QStringLiteral("Place 1234")));
    EXPECT_EQ(book.places(QStringLiteral("place 4999"), 5), QStringList({"Place 4999"}));
    EXPECT_TRUE(book.distance(QStringLiteral("Place 0000"), QStringLiteral("Place 0001")));
    EXPECT_EQ(book.frequentRoutes(10).size(), 10u);
}

} // namespace
} // namespace bw::test
