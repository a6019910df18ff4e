// The Starting Locations a log's file holds, read by a reader of its own, as another
// program would read them.
#pragma once

#include "logstore/logdatabase.h"

#include <QStringList>

namespace bw::test {

inline QStringList placesAt(const QString& path)
{
    LogDatabase db(path, LogDatabase::Access::ReadOnly);
    QStringList places;
    for (const StoredTrip& trip : db.tripsInOrder())
        places << trip.trip.startingLocation.toString();
    return places;
}

} // namespace bw::test
