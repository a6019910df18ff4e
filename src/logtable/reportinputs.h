// What the report reads from an open log: employee fields, period and trips.
#pragma once

#include "core/rateschedule.h"

#include <QDate>
#include <QString>

namespace bw {

class LogTable;

// What the report reads from the open log: the employee fields, the period and the
// trips. The open log (LogSession) implements it; the report never touches widgets.
class ReportInputs {
public:
    virtual ~ReportInputs() = default;
    virtual QString employeeName() const = 0;
    virtual QString employeeID() const = 0;
    virtual QString vehicleDescription() const = 0;
    virtual QString authorizedBy() const = 0;
    virtual QString ratePerMile() const = 0;
    // The rates that change by date; a trip before all of them takes ratePerMile().
    virtual RateSchedule rateSchedule() const { return {}; }
    // The log's distance unit and currency, which the form's words and amounts show.
    virtual LogUnits units() const { return {}; }
    virtual QDate periodFrom() const = 0;
    virtual QDate periodTo() const = 0;
    // The trips; the report moves its cursor and puts it back where it was.
    virtual LogTable& logTable() const = 0;
};

} // namespace bw
