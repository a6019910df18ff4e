// Report inputs held as values, for making reports without a window.
#pragma once

#include "core/trip.h"
#include "logtable/reportinputs.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

namespace bw {

class SettingsStore;
class StepTrap;

// The report's inputs held as values rather than read from the main window's widgets,
// for making reports without a window. They are filled the way the main window fills
// its entries: restored from the settings store, or with the sample data.
class StoredReportInputs final : public ReportInputs {
public:
    // Empty entries and an open trip table with no rows.
    StoredReportInputs();

    QString employeeName() const override { return employeeName_; }
    QString employeeID() const override { return employeeID_; }
    QString vehicleDescription() const override { return vehicleDescription_; }
    QString authorizedBy() const override { return authorizedBy_; }
    QString ratePerMile() const override { return ratePerMile_; }
    QDate periodFrom() const override { return periodFrom_; }
    QDate periodTo() const override { return periodTo_; }
    LogTable& logTable() const override;
    RateSchedule rateSchedule() const override { return rates_; }
    LogUnits units() const override { return units_; }

    // The entries, the period and the trip rows as the main window's start-up restores
    // them, with its step labels, under the caller's trap: text keys as stored (empty when
    // missing), dates through the program's date text with today as the default (a stored
    // text that is no date is reported and leaves today), then a new table refilled from
    // the kept trips: the log's database, read-only, or where there is none yet the
    // settings store's RowCount and row keys, with the database's rate changes. Nothing
    // is written. Throws sql::SqlError
    // when the database is there and cannot be read.
    void restore(SettingsStore& store, StepTrap& trap);

    // The sample entries and period, and a table of just the three sample trips (what the
    // sample command leaves in a table of blank rows).
    void fillSample();

    // A table of just `trips` in place of the restored or
    // sample rows, filled as rows typed into the grid are, with the current rate.
    void useTrips(const std::vector<Trip>& trips);
    // The rate changes in place of the stored ones, for the report and for the fills of a
    // later useTrips.
    void useRates(RateSchedule rates) { rates_ = std::move(rates); }
    // The unit and currency in place of the log's own.
    void useUnits(const LogUnits& units) { units_ = units; }

private:
    QString employeeName_;
    QString employeeID_;
    QString vehicleDescription_;
    QString authorizedBy_;
    QString ratePerMile_;
    QDate periodFrom_;
    QDate periodTo_;
    RateSchedule rates_;
    LogUnits units_;
    std::shared_ptr<LogTable> table_;
};

} // namespace bw
