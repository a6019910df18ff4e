// The report tool's summary of one tax year of the log, as CSV.
#pragma once

class QTextStream;

namespace bw::reporttool {

// --summary YEAR: the tax year that begins in `year`, read from the log the claim
// commands read; a log without a database gives its empty months. The exit status.
int printSummary(int year, QTextStream& out, QTextStream& err);

} // namespace bw::reporttool
