// The places, descriptions and routes the log already holds, for typing trips quickly.
#pragma once

#include "logtable/logtable.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace bw {

class LogTableModel;

// What the trips of the log say about where the user drives: the places (Starting Location
// and Destination share one list), the descriptions, and the routes between two places
// with their distance. It follows the grid's model row by row, so that one edited trip
// costs a few hash updates and not a pass over the whole log.
class TripBook final : public QObject {
    Q_OBJECT

public:
    explicit TripBook(QObject* parent = nullptr);

    // Follows `model` from now on, reading its bound table at once and after each reset.
    void follow(LogTableModel& model);

    // Reads every row of `table` afresh.
    void rebuild(const LogTable& table);
    // Row-wise upkeep: rows [first, last] changed, are about to go, or just arrived.
    void rowsChanged(const LogTable& table, int first, int last);
    void rowsRemoving(const LogTable& table, int first, int last);

    // Known values that begin with `prefix` (letter case ignored), most used first, at most
    // `limit`. Nothing for an empty prefix.
    QStringList places(const QString& prefix, int limit = 50) const;
    QStringList descriptions(const QString& prefix, int limit = 50) const;
    int placeCount() const { return static_cast<int>(places_.size()); }

    // The distance of the latest-dated trip from `from` to `to` that has a Mileage; without
    // one, that of the way back.
    std::optional<double> distance(const QString& from, const QString& to) const;

    struct Route {
        QString from;
        QString to;
        int trips = 0;
        std::optional<double> distance;
        QString description; // the most used one
    };
    // The `count` routes with the most trips, most first.
    std::vector<Route> frequentRoutes(int count) const;

private:
    struct Entry {
        QString from;
        QString to;
        QString description;
        int day = 0;          // Julian day, 0 when the Date is no date
        double mileage = 0.0; // 0 when the trip has none
    };
    struct RouteData {
        int trips = 0;
        // (day, id) -> mileage of the trips that have one; the last is the latest.
        std::map<std::pair<int, LogTable::Bookmark>, double> measured;
        QHash<QString, int> descriptions;
    };
    Entry entryAt(const LogTable& table, int row);
    void add(LogTable::Bookmark id, const Entry& entry, int sign);
    std::optional<double> latest(const QString& from, const QString& to) const;

    QHash<LogTable::Bookmark, Entry> rows_;
    QHash<QString, int> places_;
    QHash<QString, int> descriptions_;
    QHash<QString, RouteData> routes_;
    // Dates repeat across trips: each text is read once.
    QHash<QString, int> days_;
};

} // namespace bw
