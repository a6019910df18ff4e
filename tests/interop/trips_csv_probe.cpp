// Reads a trips CSV file as the program imports it and prints what it got as JSON, for the
// checks against files that other programs wrote. With a second file it also imports the
// trips into a table and exports them there. Dates in the US short form.
// Usage: trips_csv_probe IN.csv [OUT.csv]
#include "logtable/logtable.h"
#include "logtable/tripcsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) return 2;
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) return 1;
    const bw::TripImport read = bw::readTripsCsv(in.readAll());

    QJsonArray trips;
    for (const auto& trip : read.trips) {
        QJsonArray fields;
        for (const QVariant& value : trip.values()) fields.append(QJsonValue::fromVariant(value));
        trips.append(fields);
    }
    QJsonArray problems;
    for (const bw::CsvProblem& p : read.problems)
        problems.append(QJsonArray{p.line, p.field, p.why});
    const QJsonObject result{{QStringLiteral("trips"), trips},
                             {QStringLiteral("problems"), problems},
                             {QStringLiteral("failure"), read.failure}};
    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Compact).constData(), stdout);

    if (args.size() > 2) {
        bw::LogTable table;
        table.openWithTripFields();
        bw::placeTrips(table, read.trips, QString());
        QFile out(args[2]);
        if (!out.open(QIODevice::WriteOnly) || out.write(bw::writeTripsCsv(table)) < 0) return 1;
    }
    return 0;
}
