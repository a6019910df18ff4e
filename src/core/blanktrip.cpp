// What a blank trip is, as the grid, the report and the counts of trips see it.
#include "core/blanktrip.h"

#include <QString>

namespace bw {

bool holdsTripValue(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return false;
    if (value.typeId() == QMetaType::Double) return value.toDouble() != 0.0;
    return !value.toString().trimmed().isEmpty();
}

bool isBlankTrip(const Trip& trip)
{
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        if (holdsTripValue(trip.field(k))) return false;
    }
    return true;
}

} // namespace bw
