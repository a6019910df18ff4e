// The places, descriptions and routes the log already holds.
#include "logtable/tripbook.h"

#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"

#include <algorithm>

namespace bw {

namespace {

constexpr int kFrom = 1;
constexpr int kTo = 2;
constexpr int kDescription = 3;

// Two places cannot hold this character as typed into a cell, so it keeps them apart.
QString routeKey(const QString& from, const QString& to) { return from + QChar(0x1f) + to; }

QString textOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString().trimmed();
}

void count(QHash<QString, int>& counts, const QString& key, int sign)
{
    if (key.isEmpty()) return;
    auto it = counts.find(key);
    if (it == counts.end()) {
        if (sign > 0) counts.insert(key, 1);
        return;
    }
    *it += sign;
    if (*it <= 0) counts.erase(it);
}

QStringList matching(const QHash<QString, int>& counts, const QString& prefix, int limit)
{
    if (prefix.isEmpty() || limit <= 0) return {};
    std::vector<std::pair<int, const QString*>> found;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key().startsWith(prefix, Qt::CaseInsensitive))
            found.emplace_back(it.value(), &it.key());
    }
    const auto byUse = [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first > b.first;
        const int order = a.second->compare(*b.second, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : *a.second < *b.second;
    };
    const auto end = found.begin() + std::min<std::ptrdiff_t>(limit, std::ssize(found));
    std::partial_sort(found.begin(), end, found.end(), byUse);
    QStringList result;
    for (auto it = found.begin(); it != end; ++it) result << *it->second;
    return result;
}

} // namespace

TripBook::TripBook(QObject* parent) : QObject(parent) {}

void TripBook::follow(LogTableModel& model)
{
    const auto table = [&model]() -> const LogTable* {
        const auto& bound = model.boundTable();
        return bound && bound->isOpen() ? bound.get() : nullptr;
    };
    const auto reset = [this, table] {
        if (const LogTable* t = table()) {
            rebuild(*t);
        } else {
            rows_.clear();
            places_.clear();
            descriptions_.clear();
            routes_.clear();
        }
    };
    connect(&model, &QAbstractItemModel::modelReset, this, reset);
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this, table](const QModelIndex& a, const QModelIndex& b, const QList<int>& roles) {
                const bool values = roles.isEmpty() || roles.contains(Qt::DisplayRole)
                                    || roles.contains(Qt::EditRole);
                if (const LogTable* t = table(); t && values) rowsChanged(*t, a.row(), b.row());
            });
    connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this, table](const QModelIndex&, int first, int last) {
                if (const LogTable* t = table()) rowsRemoving(*t, first, last);
            });
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [this, table](const QModelIndex&, int first, int last) {
                if (const LogTable* t = table()) rowsChanged(*t, first, last);
            });
    reset();
}

TripBook::Entry TripBook::entryAt(const LogTable& table, int row)
{
    Entry entry{textOf(table.valueAt(row, kFrom)), textOf(table.valueAt(row, kTo)),
                textOf(table.valueAt(row, kDescription)), 0, 0.0};
    const QVariant mileage = table.valueAt(row, TripField::Mileage);
    if (holdsTripValue(mileage)) entry.mileage = mileage.toDouble();
    if (entry.mileage != 0.0 && !entry.from.isEmpty() && !entry.to.isEmpty()) {
        // Only a measured route needs the date that ranks it.
        const QString date = table.valueAt(row, TripField::Date).toString();
        auto it = days_.constFind(date);
        if (it == days_.constEnd()) {
            const QDate parsed = textToDate(date);
            it = days_.insert(date, parsed.isValid() ? static_cast<int>(parsed.toJulianDay()) : 0);
        }
        entry.day = *it;
    }
    return entry;
}

void TripBook::add(LogTable::Bookmark id, const Entry& entry, int sign)
{
    count(places_, entry.from, sign);
    count(places_, entry.to, sign);
    count(descriptions_, entry.description, sign);
    if (entry.from.isEmpty() || entry.to.isEmpty()) return;
    const QString key = routeKey(entry.from, entry.to);
    RouteData& route = routes_[key];
    route.trips += sign;
    count(route.descriptions, entry.description, sign);
    if (entry.mileage != 0.0) {
        if (sign > 0) {
            route.measured[{entry.day, id}] = entry.mileage;
        } else {
            route.measured.erase({entry.day, id});
        }
    }
    if (route.trips <= 0) routes_.remove(key);
}

void TripBook::rebuild(const LogTable& table)
{
    rows_.clear();
    places_.clear();
    descriptions_.clear();
    routes_.clear();
    if (days_.size() > 100000) days_.clear();
    const int n = table.RecordCount();
    rows_.reserve(n);
    for (int r = 0; r < n; ++r) {
        const LogTable::Bookmark id = table.idAt(r);
        const Entry entry = entryAt(table, r);
        add(id, entry, 1);
        rows_.insert(id, entry);
    }
}

void TripBook::rowsChanged(const LogTable& table, int first, int last)
{
    last = std::min(last, table.RecordCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        const LogTable::Bookmark id = table.idAt(r);
        if (const auto old = rows_.constFind(id); old != rows_.constEnd()) add(id, *old, -1);
        const Entry entry = entryAt(table, r);
        add(id, entry, 1);
        rows_.insert(id, entry);
    }
}

void TripBook::rowsRemoving(const LogTable& table, int first, int last)
{
    last = std::min(last, table.RecordCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        const LogTable::Bookmark id = table.idAt(r);
        if (const auto old = rows_.constFind(id); old != rows_.constEnd()) {
            add(id, *old, -1);
            rows_.remove(id);
        }
    }
}

QStringList TripBook::places(const QString& prefix, int limit) const
{
    return matching(places_, prefix, limit);
}

QStringList TripBook::descriptions(const QString& prefix, int limit) const
{
    return matching(descriptions_, prefix, limit);
}

std::optional<double> TripBook::latest(const QString& from, const QString& to) const
{
    const auto it = routes_.constFind(routeKey(from, to));
    if (it == routes_.constEnd() || it->measured.empty()) return std::nullopt;
    return it->measured.rbegin()->second;
}

std::optional<double> TripBook::distance(const QString& from, const QString& to) const
{
    const QString a = from.trimmed();
    const QString b = to.trimmed();
    if (a.isEmpty() || b.isEmpty()) return std::nullopt;
    if (const std::optional<double> own = latest(a, b)) return own;
    return latest(b, a);
}

std::vector<TripBook::Route> TripBook::frequentRoutes(int count) const
{
    std::vector<Route> all;
    all.reserve(static_cast<std::size_t>(routes_.size()));
    for (auto it = routes_.cbegin(); it != routes_.cend(); ++it) {
        const qsizetype split = it.key().indexOf(QChar(0x1f));
        all.push_back({it.key().left(split), it.key().mid(split + 1), it->trips, {}, {}});
    }
    const auto byUse = [](const Route& a, const Route& b) {
        if (a.trips != b.trips) return a.trips > b.trips;
        return std::pair(a.from, a.to) < std::pair(b.from, b.to);
    };
    const auto end = all.begin() + std::clamp<std::ptrdiff_t>(count, 0, std::ssize(all));
    std::partial_sort(all.begin(), end, all.end(), byUse);
    all.erase(end, all.end());
    for (Route& route : all) {
        route.distance = distance(route.from, route.to);
        const QHash<QString, int>& used = routes_[routeKey(route.from, route.to)].descriptions;
        int most = 0;
        for (auto it = used.cbegin(); it != used.cend(); ++it) {
            if (it.value() > most || (it.value() == most && it.key() < route.description)) {
                most = it.value();
                route.description = it.key();
            }
        }
    }
    return all;
}

} // namespace bw
