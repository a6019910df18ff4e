// The fields the grid fills in from the others: mileage, reimbursement, odometer start.
#pragma once

#include "core/blanktrip.h"
#include "core/rateschedule.h"
#include "core/taxyear.h"

#include <QLocale>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

namespace bw {

class LogDatabase;
class LogTable;

// A number typed by a person: the locale's notation first, then the plain period form
// ("12.5", no grouping), which cannot be misread in any locale. Nothing for empty text,
// text that is no number, and infinities.
std::optional<double> readTripNumber(const QString& text, const QLocale& locale = QLocale());

// A row none of whose fields holds a value (holdsTripValue, core/blanktrip.h).
bool isBlankTrip(const LogTable& table, int row);
// The rows of `table` that are trips: every row that is not blank.
int countTrips(const LogTable& table);

// What the Rate per Mile box says while its text is no number: the form shows such a text
// as typed, but no Reimbursement is filled in or checked from it. Nothing for a number or
// an empty box.
std::optional<QString> typedRateNote(const QString& typed, const QLocale& locale = QLocale());

// End - Start of two odometer readings, to as many decimals as the readings have, so
// 58116.3 - 58114.1 is 2.2 and not 2.2000000000043656. Nothing unless both are numbers
// and End is not below Start.
std::optional<double> mileageFromOdometer(const QVariant& start, const QVariant& end,
                                          const QLocale& locale = QLocale());
// Mileage x rate in cents, halves away from zero on the decimal value (2.5 x 1.25 is 3.13).
double reimbursementFor(double mileage, double rate);

// A trip the grid no longer holds that still counts toward the distance driven in its tax
// year: a claimed trip moved out by a new period.
struct DrivenTrip {
    QDate date;
    double distance = 0.0;
};

// The claimed trips of `database` that the log no longer holds, their dates read in the
// locale of their claims.
std::vector<DrivenTrip> tripsOutsideLog(LogDatabase* database);

// The rates a trip can be paid at: the rate per mile as typed, which need not be a number,
// and the changes by date and distance, which win from their day and distance on.
struct TripRates {
    TripRates(QString typedRate = {}, RateSchedule changes = {}, Currency sign = {})
        : typed(std::move(typedRate)), schedule(std::move(changes)), currency(std::move(sign))
    {}

    QString typed;
    RateSchedule schedule;
    Currency currency;    // how the checks name an amount
    TaxYearStart taxYear; // where the distance driven counts from
    std::vector<DrivenTrip> outside;

    // The rate for the trip on `row` at its start: the change in force on its Date, else
    // the typed rate; nothing while that is no number.
    std::optional<double> rateFor(const LogTable& table, int row,
                                  const QLocale& locale = QLocale()) const;
    // How far the log had gone in the tax year of the trip on `row` before it: its trips in
    // date order (one day's in the grid's order, after those outside the grid). 0 unless a
    // change waits for a distance, or the trip has no date.
    double drivenBefore(const LogTable& table, int row, const QLocale& locale = QLocale()) const;
    // The same for every row in one pass.
    std::vector<double> drivenBeforeEach(const LogTable& table,
                                         const QLocale& locale = QLocale()) const;
    // `mileage` of the trip on `row` at its rates, each stretch at the rate in force there,
    // in cents; nothing while a stretch has no rate. `driven` saves the reading of the log.
    std::optional<double> amountFor(const LogTable& table, int row, double mileage,
                                    const QLocale& locale = QLocale(),
                                    std::optional<double> driven = std::nullopt) const;
};

// Fills the row's Mileage from its odometer readings and its Reimbursement from the
// Mileage and `rateText`, each only when it is empty or 0; a value of the user's is never
// replaced. `keepField` names a field the user has just cleared, which stays empty until
// the row is left. Returns the fields it filled.
std::vector<int> fillTrip(LogTable& table, int row, const QString& rateText, int keepField = -1,
                          const QLocale& locale = QLocale());
// The same with the rate in force on the trip's date; `driven` (TripRates::drivenBefore)
// saves the reading of the log.
std::vector<int> fillTrip(LogTable& table, int row, const TripRates& rates, int keepField = -1,
                          const QLocale& locale = QLocale(),
                          std::optional<double> driven = std::nullopt);

// A Reimbursement that Mileage x rate would change, and the value it would become.
struct Recalculation {
    int row;
    double reimbursement;
};
// Every trip whose Reimbursement differs from its Mileage x its rate in cents; trips
// without a Mileage or whose rate is no number are left as they are.
std::vector<Recalculation> reimbursementRecalculations(const LogTable& table,
                                                       const TripRates& rates,
                                                       const QLocale& locale = QLocale());

// A row that gets its first value carries the previous row's Odometer End into its empty
// Odometer Start, as a driver copies the reading by hand. True when it did.
bool carryOdometer(LogTable& table, int row);

} // namespace bw
