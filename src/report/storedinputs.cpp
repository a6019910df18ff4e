// Report inputs held as values: restored from the settings store or the sample data.
#include "report/storedinputs.h"

#include "core/settingsstore.h"
#include "core/steptrap.h"
#include "logtable/entrylocale.h"
#include "logtable/logtable.h"
#include "logtable/logtablestore.h"
#include "logtable/sampledata.h"
#include "logtable/tabletrip.h"
#include "logtable/tripcsv.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"

#include <QCoreApplication>

#include <stdexcept>

namespace bw {

namespace {

std::shared_ptr<LogTable> openTable()
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    return table;
}

// The classic conversion's message for a text that is no date.
QDate storedDate(const QString& text)
{
    const QDate date = textToDate(text);
    if (!date.isValid())
        throw std::runtime_error(
            QCoreApplication::translate("StoredInputs", "Type mismatch").toStdString());
    return date;
}

} // namespace

StoredReportInputs::StoredReportInputs() : table_(openTable()) {}

LogTable& StoredReportInputs::logTable() const { return requireTable(table_); }

void StoredReportInputs::restore(SettingsStore& store, StepTrap& trap)
{
    const QDate today = platform().clock->today();
    const QString todayText = dateToText(today);
    const auto text = [&](int label, QString& entry, const char* key) {
        trap.run(label, [&] { entry = EntryLocale::read(store, QString::fromLatin1(key)); });
    };
    const auto date = [&](int label, QDate& entry, const char* key) {
        entry = today;
        trap.run(label, [&] {
            entry = storedDate(EntryLocale::read(store, QString::fromLatin1(key), todayText));
        });
    };
    text(128, authorizedBy_, "AuthorizedBy");
    text(130, employeeID_, "EmployeeID");
    text(132, employeeName_, "EmployeeName");
    date(134, periodFrom_, "PeriodFrom");
    text(136, ratePerMile_, "RatePerMile");
    date(138, periodTo_, "PeriodTo");
    text(140, vehicleDescription_, "VehicleDescription");

    CreateLogTable(table_, trap, 142);
    TripLog log(store, TripLog::Access::Reader);
    if (table_ && table_->isOpen()) log.restoreInto(*table_, trap);
    // The log's own rate changes, until the caller gives others (useRates).
    if (log.database()) rates_ = RateSchedule(log.database()->rateChanges());
    if (log.database()) units_ = log.database()->units();
    // The grid's binding puts the cursor on the first row; the report keeps it there.
    if (table_ && table_->isOpen() && table_->RecordCount() > 0) table_->MoveFirst();
}

void StoredReportInputs::fillSample()
{
    const SampleEntries sample = sampleEntries();
    authorizedBy_ = sample.authorizedBy;
    employeeID_ = sample.employeeID;
    employeeName_ = sample.employeeName;
    periodFrom_ = sample.periodFrom;
    ratePerMile_ = sample.ratePerMile;
    periodTo_ = sample.periodTo;
    vehicleDescription_ = sample.vehicleDescription;

    table_ = openTable();
    for (const Trip& trip : sampleTrips()) {
        table_->AddNew();
        setTripAt(*table_, table_->position(), trip);
    }
    table_->MoveFirst();
}

void StoredReportInputs::useTrips(const std::vector<Trip>& trips)
{
    table_ = openTable();
    placeTrips(*table_, trips, TripRates{ratePerMile_, rates_, units_.currency});
    if (table_->RecordCount() > 0) table_->MoveFirst();
}

} // namespace bw
