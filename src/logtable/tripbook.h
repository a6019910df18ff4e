// The places, descriptions and routes the log already holds, for typing trips quickly.
#pragma once

#include "core/logunits.h"
#include "logtable/logtable.h"

#include <QHash>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <unordered_map>
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

    // Follows `model` from now on. After a reset (the start-up's, Delete All, an import) the
    // whole bound table is read a moment later, once the window has painted, or at the first
    // question asked before that; other changes are followed row by row.
    void follow(LogTableModel& model);

    // Reads every row of `table` afresh.
    void rebuild(const LogTable& table);
    // Row-wise upkeep: rows [first, last] changed, are about to go, or just arrived.
    void rowsChanged(const LogTable& table, int first, int last);
    void rowsRemoving(const LogTable& table, int first, int last);

    // The questions below first finish a read still due.
    // Known values that begin with `prefix` (letter case ignored), most used first, at most
    // `limit`. Nothing for an empty prefix.
    QStringList places(const QString& prefix, int limit = 50);
    QStringList descriptions(const QString& prefix, int limit = 50);
    int placeCount();

    // The distance of the latest-dated trip from `from` to `to` that has a Mileage; without
    // one, that of the way back.
    std::optional<double> distance(const QString& from, const QString& to);

    struct Route {
        QString from;
        QString to;
        int trips = 0;
        std::optional<double> distance;
        QString description; // the most used one
    };
    // The `count` routes with the most trips, most first.
    std::vector<Route> frequentRoutes(int count);
    // A route as the menu of frequent trips names it, its distance in `unit` and its trips
    // counted in words: "Home → Office: 12.5 mi, 3 trips".
    static QString routeText(const Route& route, DistanceUnit unit,
                             const QLocale& locale = QLocale());

private:
    // Places and descriptions are kept once each and named by their number in a row's entry.
    struct Names {
        QHash<QString, int> index;
        std::vector<QString> names;
        std::vector<int> uses;
        int intern(const QString& name);
        void use(int id, int sign);
        int find(const QString& name) const;
        QStringList matching(const QString& prefix, int limit) const;
    };
    struct Entry {
        int from = -1;
        int to = -1;
        int description = -1;
        int day = 0;          // Julian day, 0 when the Date is no date
        double mileage = 0.0; // 0 when the trip has none
    };
    // A route's trips, and its latest-dated trip with a Mileage. When that trip goes, the
    // route is read again from the rows the next time its distance is asked for.
    struct RouteData {
        int trips = 0;
        int day = 0;
        LogTable::Bookmark id = 0;
        double mileage = 0.0;
        bool stale = false;
    };
    Entry entryAt(const LogTable& table, int row);
    void add(LogTable::Bookmark id, const Entry& entry, int sign);
    std::optional<double> latest(int from, int to);
    // Reads the followed model's table if a reset left that due.
    void settle();
    void clear();

    std::unordered_map<LogTable::Bookmark, Entry> rows_;
    Names places_;
    Names descriptions_;
    QHash<quint64, RouteData> routes_;
    // Dates repeat across trips: each text is read once.
    QHash<QString, int> days_;
    LogTableModel* model_ = nullptr;
    bool due_ = false;
};

} // namespace bw
