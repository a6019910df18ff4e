// One trip as it travels between rooms: its eight fields by name.
#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
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

// A trip's fields held by their kinds: the texts first, then the numbers, in column order,
// and which fields are null. The grid's table keeps one per row, so that a long log is held
// without a QVariant and a vector per trip; field() gives the value a Trip would hold.
struct TripCells {
    static constexpr int kTextCount = 6;
    static constexpr int kNumberCount = Trip::kFieldCount - kTextCount;

    std::array<QString, kTextCount> texts;
    std::array<double, kNumberCount> numbers{};
    std::uint8_t nulls = 0xff; // bit k set: field k is null

    static constexpr bool isText(int field) { return field < kTextCount; }
    bool isNull(int field) const { return ((nulls >> field) & 1U) != 0; }
    QVariant field(int field) const
    {
        if (isNull(field)) return {};
        return isText(field) ? QVariant(texts[static_cast<std::size_t>(field)])
                             : QVariant(numbers[static_cast<std::size_t>(field - kTextCount)]);
    }
    void setNull(int field)
    {
        if (isText(field)) {
            texts[static_cast<std::size_t>(field)] = QString();
        } else {
            numbers[static_cast<std::size_t>(field - kTextCount)] = 0.0;
        }
        nulls = static_cast<std::uint8_t>(nulls | (1U << field));
    }
    void setText(int field, QString text)
    {
        texts[static_cast<std::size_t>(field)] = std::move(text);
        nulls = static_cast<std::uint8_t>(nulls & ~(1U << field));
    }
    void setNumber(int field, double number)
    {
        numbers[static_cast<std::size_t>(field - kTextCount)] = number;
        nulls = static_cast<std::uint8_t>(nulls & ~(1U << field));
    }
};

// The texts come first and the numbers last, as TripCells holds them.
static_assert([] {
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        if (isNumericField(k) == TripCells::isText(k)) return false;
    }
    return true;
}());

} // namespace bw
