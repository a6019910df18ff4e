// The places the log knows by position, kept in the log's database: a name, a position and
// a radius each, so that drives read later name their ends after them. No track is kept.
#pragma once

#include "drives/places.h"

#include <vector>

namespace bw {

class LogDatabase;

class PlaceStore {
public:
    explicit PlaceStore(LogDatabase& database) : db_(database) {}

    // In the order they were saved; none from a log older than the table (read-only). A
    // row a foreign tool left without a name or a position in range is skipped.
    std::vector<drives::SavedPlace> places();
    // Keeps `places` in one transaction; throws sql::SqlError and keeps none of them when
    // the log is read-only or the write fails.
    void addPlaces(const std::vector<drives::SavedPlace>& places);

private:
    bool hasTable();

    LogDatabase& db_;
};

} // namespace bw
