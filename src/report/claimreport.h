// A claim's record taken from a report about to be made, and its report made again.
#pragma once

#include "logstore/claimstore.h"
#include "logtable/reportinputs.h"

#include <QString>

namespace bw {

// The claim record of a report about to be made from `inputs` (ids from its log table,
// totals computed as the report computes them, QLocale().name(), now from the clock).
ClaimRecord claimRecordOf(const ReportInputs& inputs);
// Makes the claim's report again from its snapshot, whatever the log or the locale is now,
// into `output` (.xls, .xlsx or .pdf by its suffix). Throws std::exception with a sentence
// on failure and leaves no file behind.
void writeClaimReport(const Claim& claim, const QString& output);

} // namespace bw
