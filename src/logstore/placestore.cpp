// Saved places in the log's database.
#include "logstore/placestore.h"

#include "logstore/logdatabase.h"

namespace bw {

bool PlaceStore::hasTable()
{
    return db_.database()
               .scalar("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                       " AND name = 'saved_places'")
               .toLongLong()
           > 0;
}

std::vector<drives::SavedPlace> PlaceStore::places()
{
    std::vector<drives::SavedPlace> found;
    if (!hasTable()) return found;
    sql::Statement rows(db_.database(), "SELECT name, latitude, longitude, radius"
                                        " FROM saved_places ORDER BY id");
    while (rows.step()) {
        if (rows.isNull(0) || rows.isNull(1) || rows.isNull(2)) continue;
        drives::SavedPlace place{rows.textAt(0).trimmed(), {rows.doubleAt(1), rows.doubleAt(2)}};
        if (!rows.isNull(3) && rows.doubleAt(3) > 0.0) place.radiusMetres = rows.doubleAt(3);
        if (!place.name.isEmpty() && drives::inRange(place.position)) found.push_back(place);
    }
    return found;
}

void PlaceStore::addPlaces(const std::vector<drives::SavedPlace>& places)
{
    sql::Database& db = db_.database();
    if (db.readOnly() || db_.newerSchema()) db.failReadOnly();
    sql::Transaction transaction(db);
    sql::Statement insert(db, "INSERT INTO saved_places (name, latitude, longitude, radius)"
                              " VALUES (?1, ?2, ?3, ?4)");
    for (const drives::SavedPlace& place : places) {
        insert.bind(1, place.name.trimmed());
        insert.bind(2, place.position.lat);
        insert.bind(3, place.position.lon);
        insert.bind(4, place.radiusMetres);
        insert.run();
    }
    transaction.commit();
}

} // namespace bw
