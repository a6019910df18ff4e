// What a blank trip is: the one answer the grid, the report, the claims and their trail,
// the backups' lists and every count of trips give.
#pragma once

#include "core/trip.h"

#include <QVariant>

struct sqlite3;

namespace bw {

// A field holds something unless it is null, text that is empty or only blanks, or the
// number 0 (the grid's blank row holds 0 in Mileage and Reimbursement).
bool holdsTripValue(const QVariant& value);

// A trip none of whose fields holds something: a blank row of the grid. The report still
// writes it as a row, but it is no trip: it is not checked, claimed, trailed or counted.
bool isBlankTrip(const Trip& trip);

// Adds the SQL function blank_trip(date, starting_location, destination, description,
// odometer_start, odometer_end, mileage, reimbursement) to the connection `db`: 1 for a
// blank trip as isBlankTrip says, else 0. Mileage and Reimbursement may come as numbers
// (the trips table) or as their text (a claim's snapshot). False when SQLite refused it.
bool addBlankTripFunction(sqlite3* db);

} // namespace bw
