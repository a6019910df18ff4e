// Checks that warn about a trip row, and the create command's question about them.
#pragma once

#include "logtable/tripfills.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

namespace bw {

class LogTable;

// The period the log covers; an invalid date leaves that end open.
struct TripPeriod {
    QDate from;
    QDate to;
};

// Something in a trip that is probably a typing slip, and the field to mark.
struct TripWarning {
    int field;
    QString text;
};

// What is wrong with the row at `row`. Blank rows carry no warning; the previous row is
// the grid's neighbour above. The checks warn only: nothing here refuses a value.
std::vector<TripWarning> tripWarnings(const LogTable& table, int row, const TripPeriod& period,
                                      const QLocale& locale = QLocale());
// The same, and a Reimbursement that is not Mileage x the trip's rate (to half a cent).
// `drivenBefore`: how far the log had gone in the trip's tax year, when the caller knows it.
std::vector<TripWarning> tripWarnings(const LogTable& table, int row, const TripPeriod& period,
                                      const TripRates& rates, const QLocale& locale = QLocale(),
                                      std::optional<double> drivenBefore = std::nullopt);

struct WarnedTrip {
    int row; // from 0
    std::vector<TripWarning> warnings;
};
// Every row that carries a warning, with its warnings. Only the rows the question names
// have their texts; the others' texts are empty (writing them out for a long log of
// slips would cost far more than the checks).
std::vector<WarnedTrip> warnedTrips(const LogTable& table, const TripPeriod& period,
                                    const QLocale& locale = QLocale());
std::vector<WarnedTrip> warnedTrips(const LogTable& table, const TripPeriod& period,
                                    const TripRates& rates, const QLocale& locale = QLocale());

// The create command's question: how many rows carry a warning, the first few of them
// with what is wrong, and whether to create the report anyway.
QString warningQuestion(const std::vector<WarnedTrip>& warned);

} // namespace bw
