// Which rows of the grid hold claimed trips, and what a new period makes of them.
#pragma once

#include "core/claimstore.h"

#include <QDate>

#include <optional>
#include <unordered_map>
#include <vector>

namespace bw {

class LogTable;

// The claimed trips' latest claims, by the trips' lasting ids (ClaimStore::claimedTrips).
using ClaimMarksById = std::unordered_map<qint64, ClaimMark>;

// The rows of `table`, in grid order, that hold a trip some claim held. A blank row is no
// trip, whatever its id was once claimed with.
std::vector<int> claimedRows(const LogTable& table, const ClaimMarksById& marks);

// What "Start New Period" does: the claimed trips it moves out of the grid, the period it
// starts (the day after the last claim's, else today, to at least today) and the blank
// rows it adds at the end, so the grid keeps at least the rows a new log starts with.
struct NewPeriodPlan {
    std::vector<int> rows;
    QDate from;
    QDate to;
    int blankRows = 0;
};
NewPeriodPlan planNewPeriod(const LogTable& table, const ClaimMarksById& marks,
                            std::optional<QDate> lastClaimEnd, QDate today);

} // namespace bw
