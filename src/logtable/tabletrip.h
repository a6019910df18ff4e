// A table row read as a Trip and written from one.
#pragma once

#include "core/blanktrip.h"
#include "core/trip.h"

namespace bw {

class LogTable;

// The eight values of `row` by name; the cursor does not move.
Trip tripAt(const LogTable& table, int row);

// Writes all eight fields of `row` (the table coerces them as a typed value is).
void setTripAt(LogTable& table, int row, const Trip& trip);

// Whether `row` holds a trip that Duplicate Trip or Add Return Trip can start from: a row
// of the table that is not blank.
bool repeatableTrip(const LogTable& table, int row);

} // namespace bw
