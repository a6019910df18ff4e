// The report tool's summary of one tax year of the log, as CSV.
#include "brindlewick-report/summarycommand.h"

#include "brindlewick-report/reporttool.h"
#include "logstore/logdatabase.h"
#include "summary/yearsummary.h"

#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace bw::reporttool {

int printSummary(int year, QTextStream& out, QTextStream& err)
{
    std::vector<summary::SummaryTrip> trips;
    TaxYearStart start;
    try {
        const QString path = LogDatabase::defaultPath();
        if (QFileInfo::exists(path)) {
            LogDatabase db(path, LogDatabase::Access::ReadOnly);
            start = db.taxYearStart();
            trips = summary::summaryTripsOf(db);
        }
    } catch (const std::exception& failure) {
        return say(err, QString::fromUtf8(failure.what()), kExitFailed);
    }
    out << summary::summaryCsv(summary::summarize(trips, start, year));
    out.flush();
    return kExitDone;
}

} // namespace bw::reporttool
