// The blank trip (core/blanktrip.h) as an SQL function over the stored columns.
#pragma once

#include <QByteArray>

namespace bw::sql {
class Database;
}

namespace bw {

// Adds the SQL function blank_trip(date, starting_location, destination, description,
// odometer_start, odometer_end, mileage, reimbursement) to the connection `db`: 1 for a
// blank trip as isBlankTrip says, else 0. Mileage and Reimbursement may come as numbers
// (the trips table) or as their text (a claim's snapshot). Throws sql::SqlError.
void addBlankTripFunction(sql::Database& db);
// blank_trip() called with the eight columns of a trip, which a row of the trips table and
// of a claim's trips both have.
const QByteArray& blankTripCall();

} // namespace bw
