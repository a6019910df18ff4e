// The sample entries and trips that "Load Sample/Example Data" puts in the main window.
#pragma once

#include "core/trip.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

namespace bw {

// The example content that "Load Sample/Example Data" puts into the main window: the
// employee entries, the period and three trips. Its numbers are written as `locale`
// writes them, as a person there would type them ("1,25" under de_DE).
struct SampleEntries {
    QString authorizedBy;
    QString employeeID;
    QString employeeName;
    QDate periodFrom;
    QString ratePerMile;
    QDate periodTo;
    QString vehicleDescription;
};

SampleEntries sampleEntries(const QLocale& locale = QLocale());

// The three sample trips. The trip dates and odometer readings are texts in `locale`'s
// forms, as the grid keeps them; the numbers agree with the odometer readings and the
// sample rate.
std::vector<Trip> sampleTrips(const QLocale& locale = QLocale());

} // namespace bw
