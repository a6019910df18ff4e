// What the grid and its commands say about claimed trips, in words.
#pragma once

#include "logstore/claimstore.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace bw {

// A moment as the user reads it: the local date in the program's date form and the
// locale's short time, e.g. "12/9/2026 1:05 PM".
QString shortDateTimeText(const QDateTime& at);

// The claimed trip's tool tip: "Claimed in claim.xls, saved 12/9/2026 1:05 PM" (or "in a
// printed report"), then one line for each change in `trail` since that claim.
QString claimNote(const ClaimMark& mark, const std::vector<TrailEntry>& trail);

// One change to a claimed trip, e.g. "Changed Mileage from 12 to 14 on 12/10/2026 9:00 AM".
QString trailLine(const TrailEntry& entry);

// The grid's name of a trip field key of the trail ("date", "odometerStart", ...); the key
// itself when it names no field.
QString tripFieldName(const QString& key);

// The question before a report that holds `claimed` trips claimed before, the first of
// them in grid row `firstRow` (from 1) with its latest claim `mark`.
QString doubleClaimQuestion(int claimed, int firstRow, const ClaimMark& mark);

} // namespace bw
