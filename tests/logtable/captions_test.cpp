// Tests of the column captions in the program's language and unit: the grid's header, a
// CSV file written and read under a German translation, and amounts in the log's currency.
#include "logtable/claimnotes.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/tabletrip.h"
#include "logtable/tripchecks.h"
#include "logtable/tripcsv.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <gtest/gtest.h>

namespace bw {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// The captions as a German office names them, without a .qm file.
class GermanCaptions final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        static const QHash<QString, QString> words = {
            {QStringLiteral("Date"), QStringLiteral("Datum")},
            {QStringLiteral("Starting Location"), QStringLiteral("Startort")},
            {QStringLiteral("Destination"), QStringLiteral("Zielort")},
            {QStringLiteral("Description/Notes"), QStringLiteral("Zweck/Bemerkungen")},
            {QStringLiteral("Odometer Start"), QStringLiteral("Kilometerstand Beginn")},
            {QStringLiteral("Odometer End"), QStringLiteral("Kilometerstand Ende")},
            {QStringLiteral("Mileage"), QStringLiteral("Fahrstrecke")},
            {QStringLiteral("Kilometres"), QStringLiteral("Kilometer")},
            {QStringLiteral("Reimbursement"), QStringLiteral("Erstattung")},
        };
        if (QLatin1String(context) != QLatin1String("LogTable")) return QString();
        return words.value(QString::fromUtf8(source));
    }
};

// Installed for one test.
class InGerman {
public:
    InGerman() { QCoreApplication::installTranslator(&translator_); }
    ~InGerman() { QCoreApplication::removeTranslator(&translator_); }

private:
    GermanCaptions translator_;
};

std::shared_ptr<LogTable> tableOf(const std::vector<Trip>& trips)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (const Trip& trip : trips) {
        table->AddNew();
        setTripAt(*table, table->position(), trip);
    }
    return table;
}

const std::vector<Trip> kTrips = {
    {QStringLiteral("14.05.2016"), QStringLiteral("Büro"), QStringLiteral("Kunde, Köln"),
     QStringLiteral("Termin"), QStringLiteral("58114"), QStringLiteral("58130,5"), 16.5, 4.95},
    {QStringLiteral("15.05.2016"), QStringLiteral("Kunde, Köln"), QStringLiteral("Büro"), QString(),
     QString(), QString(), 16.5, 4.95},
};

TEST(Captions, AGermanCsvRoundTripsAndEnglishOrKilometreCaptionsStillImport)
{
    const InGerman german;
    const QByteArray csv = writeTripsCsv(*tableOf(kTrips), kGerman);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"
                               "Datum,Startort,Zielort,Zweck/Bemerkungen,Kilometerstand Beginn,"
                               "Kilometerstand Ende,Fahrstrecke,Erstattung\r\n"))
        << csv.toStdString();
    const TripImport back = readTripsCsv(csv, kGerman);
    EXPECT_TRUE(back.problems.empty()) << problemLines(back.problems).toStdString();
    EXPECT_EQ(back.trips, kTrips);

    // Headers of other files: English, the kilometres' caption in either language, and
    // letter case and blanks as people type them.
    const char* headers[] = {
        "Date;Starting Location;Destination;Description/Notes;Odometer Start;Odometer End;"
        "Mileage;Reimbursement",
        "datum;STARTORT;Zielort;Zweck/Bemerkungen;Kilometerstand Beginn;Kilometerstand Ende;"
        "Kilometer;Erstattung",
        "Date;Starting Location;Destination;Description/Notes;Odometer Start;Odometer End;"
        "Kilometres;Reimbursement",
    };
    for (const char* header : headers) {
        const QByteArray file = QByteArray(header)
                                + "\n14.05.2016;Büro;\"Kunde, Köln\";Termin;58114;58130,5;"
                                  "16,5;4,95\n";
        const TripImport read = readTripsCsv(file, kGerman);
        ASSERT_EQ(read.trips.size(), 1u) << header;
        EXPECT_EQ(read.trips.front(), kTrips.front()) << header;
    }
    // A file that names none of the columns is refused in the program's language.
    EXPECT_TRUE(readTripsCsv("wann,wo\n1,2\n", kGerman).failure.contains(QStringLiteral("Datum")));
}

TEST(Captions, TheGridNamesTheUnitInItsLanguage)
{
    LogTableModel model;
    model.bind(tableOf(kTrips));
    const auto mileage = [&] {
        return model.headerData(TripField::Mileage, Qt::Horizontal).toString();
    };
    EXPECT_EQ(mileage(), QStringLiteral("Mileage"));
    model.setUnits({DistanceUnit::Kilometres, {}});
    EXPECT_EQ(mileage(), QStringLiteral("Kilometres"));
    EXPECT_EQ(model.headerData(TripField::Date, Qt::Horizontal).toString(), QStringLiteral("Date"));
    const InGerman german;
    EXPECT_EQ(mileage(), QStringLiteral("Kilometer"));
    // A claimed trip's change names its field as the grid's header does.
    EXPECT_TRUE(trailLine({1, QDateTime::currentDateTimeUtc(), 7, 1, TrailEntry::Change::Edited,
                           QStringLiteral("mileage"), QStringLiteral("12"), QStringLiteral("14")})
                    .startsWith(QStringLiteral("Changed Fahrstrecke from 12 to 14")));
    model.setUnits({});
    EXPECT_EQ(mileage(), QStringLiteral("Fahrstrecke"));
}

TEST(Captions, ARouteNoteSaysKilometresWhereTheLogDoes)
{
    for (const bool km : {false, true}) {
        LogTableModel model;
        model.bind(tableOf({{QStringLiteral("14.05.2016"), {}, {}, {}, {}, {}, {}, {}}}));
        TripContext context;
        context.routeDistance = [](const QString&, const QString&) { return 12.5; };
        model.setTripContext(context);
        if (km) model.setUnits({DistanceUnit::Kilometres, {}});
        ASSERT_TRUE(model.setData(model.index(0, TripField::From), QStringLiteral("Depot")));
        ASSERT_TRUE(model.setData(model.index(0, TripField::To), QStringLiteral("Home")));
        EXPECT_EQ(model.index(0, TripField::Mileage).data(Qt::ToolTipRole).toString(),
                  km ? QStringLiteral("From the route Depot \u2192 Home (12.5 km)")
                     : QStringLiteral("From the route Depot \u2192 Home (12.5 mi)"));
    }
}

TEST(Captions, AReimbursementWarningShowsTheLogsCurrency)
{
    const auto table = tableOf({{QStringLiteral("14.05.2016"), {}, {}, {}, {}, {}, 5.0, 6.0}});
    const struct {
        Currency currency;
        const char* text;
    } cases[] = {
        {{}, "Reimbursement 6,00 is not 5 × $1,25 = $6,25"},
        {{QStringLiteral("€"), false, true},
         "Reimbursement 6,00 is not 5 × 1,25\u00a0€ = 6,25\u00a0€"},
    };
    for (const auto& c : cases) {
        const auto warnings = tripWarnings(
            *table, 0, TripPeriod{}, TripRates{QStringLiteral("1,25"), {}, c.currency}, kGerman);
        ASSERT_EQ(warnings.size(), 1u) << c.text;
        EXPECT_EQ(warnings.front().text, QString::fromUtf8(c.text));
    }
}

} // namespace
} // namespace bw
