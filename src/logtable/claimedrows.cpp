// Which rows of the grid hold claimed trips, and what a new period makes of them.
#include "logtable/claimedrows.h"

#include "logtable/logtable.h"
#include "logtable/logtablestore.h"
#include "logtable/tripfills.h"

#include <algorithm>

namespace bw {

std::vector<int> claimedRows(const LogTable& table, const ClaimMarksById& marks)
{
    std::vector<int> rows;
    if (marks.empty()) return rows;
    for (int row = 0; row < table.RecordCount(); ++row) {
        if (marks.count(static_cast<qint64>(table.idAt(row))) > 0 && !isBlankTrip(table, row))
            rows.push_back(row);
    }
    return rows;
}

NewPeriodPlan planNewPeriod(const LogTable& table, const ClaimMarksById& marks,
                            std::optional<QDate> lastClaimEnd, QDate today)
{
    NewPeriodPlan plan;
    plan.rows = claimedRows(table, marks);
    plan.from = lastClaimEnd && lastClaimEnd->isValid() ? lastClaimEnd->addDays(1) : today;
    plan.to = std::max(plan.from, today);
    const int left = table.RecordCount() - static_cast<int>(plan.rows.size());
    plan.blankRows = std::max(0, kNewLogRows - left);
    return plan;
}

} // namespace bw
