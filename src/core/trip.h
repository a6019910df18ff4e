// One trip as it travels between rooms: its eight fields by name.
#pragma once

#include <QVariant>

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

} // namespace bw
