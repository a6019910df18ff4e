// One trip as it travels between rooms: its eight fields by name.
#pragma once

#include <QVariant>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <vector>

namespace bw {

// A trip's fields, each a null QVariant (not stored), a QString or, for Mileage and
// Reimbursement, a double. Dates are texts in the form the grid keeps them. The fields
// keep the grid's column order, so that code walking all eight (the store, the CSV
// columns) can use field(k) with the grid's column k.
struct Trip {
    static constexpr int kFieldCount = 8;

    QVariant date;
    QVariant startingLocation;
    QVariant destination;
    QVariant description;
    QVariant odometerStart;
    QVariant odometerEnd;
    QVariant mileage;
    QVariant reimbursement;

    QVariant& field(int column) { return this->*member(column); }
    const QVariant& field(int column) const { return this->*member(column); }

    // The eight values in column order, and back; a shorter vector leaves the rest null.
    std::vector<QVariant> values() const
    {
        std::vector<QVariant> out;
        out.reserve(kFieldCount);
        for (int k = 0; k < kFieldCount; ++k) out.push_back(field(k));
        return out;
    }
    static Trip fromValues(const std::vector<QVariant>& values)
    {
        Trip trip;
        for (std::size_t k = 0; k < values.size() && k < kFieldCount; ++k) {
            trip.field(static_cast<int>(k)) = values[k];
        }
        return trip;
    }

    friend bool operator==(const Trip&, const Trip&) = default;

private:
    static QVariant Trip::*member(int column)
    {
        static constexpr std::array<QVariant Trip::*, kFieldCount> kMembers = {
            &Trip::date,        &Trip::startingLocation, &Trip::destination,
            &Trip::description, &Trip::odometerStart,    &Trip::odometerEnd,
            &Trip::mileage,     &Trip::reimbursement};
        return kMembers.at(static_cast<std::size_t>(column));
    }
};

// The fields by their column in the grid (and their index in Trip::field and kTripFields).
namespace TripField {
inline constexpr int Date = 0;
inline constexpr int From = 1;
inline constexpr int To = 2;
inline constexpr int Description = 3;
inline constexpr int OdometerStart = 4;
inline constexpr int OdometerEnd = 5;
inline constexpr int Mileage = 6;
inline constexpr int Reimbursement = 7;
} // namespace TripField

// What names each of the eight fields, in the grid's column order: every list of them
// (the grid's fields and captions, the keys of the claims' trail, the columns of the
// stored trips and of a claim's trips) is read from this table.
struct TripFieldInfo {
    const char* key;     // in the trail of changes to claimed trips
    const char* column;  // in the trips table and in a claim's trips
    const char* caption; // the grid's, in English; translated in the "LogTable" context
    bool numeric;        // kept as a number (a double); the others are text
};

inline constexpr std::array<TripFieldInfo, Trip::kFieldCount> kTripFields = {{
    {"date", "date", QT_TRANSLATE_NOOP("LogTable", "Date"), false},
    {"from", "starting_location", QT_TRANSLATE_NOOP("LogTable", "Starting Location"), false},
    {"to", "destination", QT_TRANSLATE_NOOP("LogTable", "Destination"), false},
    {"description", "description", QT_TRANSLATE_NOOP("LogTable", "Description/Notes"), false},
    {"odometerStart", "odometer_start", QT_TRANSLATE_NOOP("LogTable", "Odometer Start"), false},
    {"odometerEnd", "odometer_end", QT_TRANSLATE_NOOP("LogTable", "Odometer End"), false},
    {"mileage", "mileage", QT_TRANSLATE_NOOP("LogTable", "Mileage"), true},
    {"reimbursement", "reimbursement", QT_TRANSLATE_NOOP("LogTable", "Reimbursement"), true},
}};

// Whether field `field` is kept as a number (false for an index that is no field).
constexpr bool isNumericField(int field)
{
    return field >= 0 && field < Trip::kFieldCount
           && kTripFields[static_cast<std::size_t>(field)].numeric;
}

} // namespace bw
