// A table row read as a Trip and written from one.
#pragma once

#include "core/trip.h"

namespace bw {

class LogTable;

// The eight values of `row` by name; the cursor does not move.
Trip tripAt(const LogTable& table, int row);

// Writes all eight fields of `row` (the table coerces them as a typed value is).
void setTripAt(LogTable& table, int row, const Trip& trip);

// A trip none of whose fields holds a value (null, empty text or the number 0).
bool isBlankTrip(const Trip& trip);

} // namespace bw
