// Logs for the benchmarks: dated trips of a few places, kept in a log with its vehicle.
#pragma once

#include "logstore/logdatabase.h"

#include <QString>

namespace bw::bench {

// Keeps `trips` dated trips in the log at `path`, its vehicle a van.
inline void fillLog(const QString& path, int trips)
{
    TripChanges changes;
    for (int i = 1; i <= trips; ++i) {
        changes.upserts.push_back(
            {i, double(i),
             Trip::fromValues({QStringLiteral("%1/%2/2026").arg(i % 12 + 1).arg(i % 28 + 1),
                               QStringLiteral("Head office"),
                               QStringLiteral("Client %1").arg(i % 50),
                               {},
                               {},
                               {},
                               20.0,
                               13.0})});
    }
    LogDatabase db(path, LogDatabase::Access::ReadWrite);
    db.keepLogFields({{QStringLiteral("VehicleDescription"), QStringLiteral("Van")}});
    db.apply(changes);
}

} // namespace bw::bench
