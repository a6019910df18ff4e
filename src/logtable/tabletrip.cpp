// A table row read as a Trip and written from one.
#include "logtable/tabletrip.h"

#include "logtable/logtable.h"

namespace bw {

static_assert(Trip::kFieldCount == LogTable::kFieldCount);

Trip tripAt(const LogTable& table, int row)
{
    Trip trip;
    for (int k = 0; k < Trip::kFieldCount; ++k) trip.field(k) = table.valueAt(row, k);
    return trip;
}

void setTripAt(LogTable& table, int row, const Trip& trip)
{
    for (int k = 0; k < Trip::kFieldCount; ++k) table.setValueAt(row, k, trip.field(k));
}

bool repeatableTrip(const LogTable& table, int row)
{
    return row >= 0 && row < table.RecordCount() && !isBlankTrip(tripAt(table, row));
}

} // namespace bw
