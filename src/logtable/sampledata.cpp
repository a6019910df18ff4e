// The sample entries and trips that "Load Sample/Example Data" puts in the main window.
#include "logtable/sampledata.h"

#include "platform/datetext.h"

namespace bw {

namespace {

// A number as a person typing it there writes it: no grouping (an odometer reading is no
// amount), the locale's digits and decimal separator.
QString typed(double value, int decimals, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

} // namespace

SampleEntries sampleEntries(const QLocale& locale)
{
    return {QStringLiteral("John"),        QStringLiteral("DR005"),
            QStringLiteral("Michael Jr."), QDate(2016, 5, 14),
            typed(1.25, 2, locale),        QDate(2016, 5, 16),
            QStringLiteral("Ford Transit")};
}

std::vector<Trip> sampleTrips(const QLocale& locale)
{
    const QString may14 = dateToText(QDate(2016, 5, 14), locale);
    const QString may15 = dateToText(QDate(2016, 5, 15), locale);
    const auto trip = [&](const QString& date, const char* from, const char* to, const char* notes,
                          int start, int end, double mileage, double reimbursement) {
        return Trip{.date = date,
                    .startingLocation = QString::fromLatin1(from),
                    .destination = QString::fromLatin1(to),
                    .description = QString::fromLatin1(notes),
                    .odometerStart = typed(start, 0, locale),
                    .odometerEnd = typed(end, 0, locale),
                    .mileage = mileage,
                    .reimbursement = reimbursement};
    };
    return {trip(may14, "Store", "Mini mall", "Daily delivery", 58114, 58116, 2, 2.5),
            trip(may14, "Mini mall", "Mart", "", 58116, 58121, 5, 6.25),
            trip(may15, "Mart", "Store", "Return back", 58121, 58125, 4, 5)};
}

} // namespace bw
