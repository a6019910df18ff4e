// The places, descriptions and routes the log already holds.
#include "logtable/tripbook.h"

#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace bw {

namespace {

constexpr int kReadDelayMs = 200;

quint64 routeKey(int from, int to)
{
    return (static_cast<quint64>(static_cast<quint32>(from)) << 32) | static_cast<quint32>(to);
}

QString textOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString().trimmed();
}

// Later is more: by date, then by the order the trips were entered in.
bool later(int day, LogTable::Bookmark id, int thanDay, LogTable::Bookmark thanId)
{
    return day != thanDay ? day > thanDay : id > thanId;
}

} // namespace

int TripBook::Names::intern(const QString& name)
{
    if (name.isEmpty()) return -1;
    const auto it = index.constFind(name);
    if (it != index.constEnd()) return *it;
    const int id = static_cast<int>(names.size());
    index.insert(name, id);
    names.push_back(name);
    uses.push_back(0);
    return id;
}

void TripBook::Names::use(int id, int sign)
{
    if (id >= 0) uses[static_cast<std::size_t>(id)] += sign;
}

int TripBook::Names::find(const QString& name) const { return index.value(name, -1); }

QStringList TripBook::Names::matching(const QString& prefix, int limit) const
{
    if (prefix.isEmpty() || limit <= 0) return {};
    std::vector<int> found;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (uses[i] > 0 && names[i].startsWith(prefix, Qt::CaseInsensitive)) {
            found.push_back(static_cast<int>(i));
        }
    }
    const auto byUse = [this](int a, int b) {
        const auto ua = uses[static_cast<std::size_t>(a)];
        const auto ub = uses[static_cast<std::size_t>(b)];
        if (ua != ub) return ua > ub;
        const QString& na = names[static_cast<std::size_t>(a)];
        const QString& nb = names[static_cast<std::size_t>(b)];
        const int order = na.compare(nb, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : na < nb;
    };
    const auto end = found.begin() + std::min<std::ptrdiff_t>(limit, std::ssize(found));
    std::partial_sort(found.begin(), end, found.end(), byUse);
    QStringList result;
    for (auto it = found.begin(); it != end; ++it) result << names[static_cast<std::size_t>(*it)];
    return result;
}

TripBook::TripBook(QObject* parent) : QObject(parent) {}

int TripBook::placeCount()
{
    settle();
    return static_cast<int>(
        std::count_if(places_.uses.begin(), places_.uses.end(), [](int uses) { return uses > 0; }));
}

void TripBook::follow(LogTableModel& model)
{
    model_ = &model;
    const auto table = [&model]() -> const LogTable* {
        const auto& bound = model.boundTable();
        return bound && bound->isOpen() ? bound.get() : nullptr;
    };
    // Row by row upkeep only while the book is current; a read still due sees every row. The
    // read waits a moment, so that a window opening on the log paints first; nobody types
    // into a cell that soon, and a question asked earlier reads at once.
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        if (!due_) QTimer::singleShot(kReadDelayMs, this, [this] { settle(); });
        due_ = true;
    });
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this, table](const QModelIndex& a, const QModelIndex& b, const QList<int>& roles) {
                const bool values = roles.isEmpty() || roles.contains(Qt::DisplayRole)
                                    || roles.contains(Qt::EditRole);
                const LogTable* t = table();
                if (t && values && !due_) rowsChanged(*t, a.row(), b.row());
            });
    connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this, table](const QModelIndex&, int first, int last) {
                if (const LogTable* t = table(); t && !due_) rowsRemoving(*t, first, last);
            });
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [this, table](const QModelIndex&, int first, int last) {
                if (const LogTable* t = table(); t && !due_) rowsChanged(*t, first, last);
            });
    due_ = true;
    settle();
}

void TripBook::settle()
{
    if (!due_ || model_ == nullptr) return;
    due_ = false;
    const auto& bound = model_->boundTable();
    if (bound && bound->isOpen()) {
        rebuild(*bound);
    } else {
        clear();
    }
}

TripBook::Entry TripBook::entryAt(const LogTable& table, int row)
{
    Entry entry;
    entry.from = places_.intern(textOf(table.valueAt(row, TripField::From)));
    entry.to = places_.intern(textOf(table.valueAt(row, TripField::To)));
    entry.description = descriptions_.intern(textOf(table.valueAt(row, TripField::Description)));
    const QVariant mileage = table.valueAt(row, TripField::Mileage);
    if (holdsTripValue(mileage)) entry.mileage = mileage.toDouble();
    if (entry.mileage != 0.0 && entry.from >= 0 && entry.to >= 0) {
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
    places_.use(entry.from, sign);
    places_.use(entry.to, sign);
    descriptions_.use(entry.description, sign);
    if (entry.from < 0 || entry.to < 0) return;
    const quint64 key = routeKey(entry.from, entry.to);
    RouteData& route = routes_[key];
    route.trips += sign;
    if (entry.mileage == 0.0) {
    } else if (sign > 0 && !route.stale
               && (route.id == 0 || later(entry.day, id, route.day, route.id))) {
        route.day = entry.day;
        route.id = id;
        route.mileage = entry.mileage;
    } else if (sign < 0 && route.id == id) {
        route.stale = true;
    }
    if (route.trips <= 0) routes_.remove(key);
}

void TripBook::clear()
{
    rows_.clear();
    places_ = {};
    descriptions_ = {};
    routes_.clear();
}

void TripBook::rebuild(const LogTable& table)
{
    clear();
    if (days_.size() > 100000) days_.clear();
    const int n = table.RecordCount();
    rows_.reserve(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        const LogTable::Bookmark id = table.idAt(r);
        const Entry entry = entryAt(table, r);
        add(id, entry, 1);
        rows_[id] = entry;
    }
}

void TripBook::rowsChanged(const LogTable& table, int first, int last)
{
    last = std::min(last, table.RecordCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        const LogTable::Bookmark id = table.idAt(r);
        if (const auto old = rows_.find(id); old != rows_.end()) add(id, old->second, -1);
        const Entry entry = entryAt(table, r);
        add(id, entry, 1);
        rows_[id] = entry;
    }
}

void TripBook::rowsRemoving(const LogTable& table, int first, int last)
{
    last = std::min(last, table.RecordCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        const LogTable::Bookmark id = table.idAt(r);
        if (const auto old = rows_.find(id); old != rows_.end()) {
            add(id, old->second, -1);
            rows_.erase(old);
        }
    }
}

QStringList TripBook::places(const QString& prefix, int limit)
{
    settle();
    return places_.matching(prefix, limit);
}

QStringList TripBook::descriptions(const QString& prefix, int limit)
{
    settle();
    return descriptions_.matching(prefix, limit);
}

std::optional<double> TripBook::latest(int from, int to)
{
    const auto it = routes_.find(routeKey(from, to));
    if (it == routes_.end()) return std::nullopt;
    if (it->stale) {
        it->stale = false;
        it->id = 0;
        for (const auto& [id, entry] : rows_) {
            if (entry.from == from && entry.to == to && entry.mileage != 0.0
                && (it->id == 0 || later(entry.day, id, it->day, it->id))) {
                it->day = entry.day;
                it->id = id;
                it->mileage = entry.mileage;
            }
        }
    }
    return it->id != 0 ? std::optional<double>(it->mileage) : std::nullopt;
}

std::optional<double> TripBook::distance(const QString& from, const QString& to)
{
    settle();
    const int a = places_.find(from.trimmed());
    const int b = places_.find(to.trimmed());
    if (a < 0 || b < 0) return std::nullopt;
    if (const std::optional<double> own = latest(a, b)) return own;
    return latest(b, a);
}

std::vector<TripBook::Route> TripBook::frequentRoutes(int count)
{
    settle();
    std::vector<std::pair<int, quint64>> all;
    all.reserve(static_cast<std::size_t>(routes_.size()));
    for (auto it = routes_.cbegin(); it != routes_.cend(); ++it)
        all.emplace_back(it->trips, it.key());
    const auto name = [this](quint64 key, int shift) {
        return places_.names[static_cast<std::size_t>((key >> shift) & 0xffffffffu)];
    };
    const auto byUse = [&name](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first > b.first;
        return std::pair(name(a.second, 32), name(a.second, 0))
               < std::pair(name(b.second, 32), name(b.second, 0));
    };
    const auto end = all.begin() + std::clamp<std::ptrdiff_t>(count, 0, std::ssize(all));
    std::partial_sort(all.begin(), end, all.end(), byUse);
    // The descriptions of the few chosen routes, counted in one pass over the trips.
    QHash<quint64, QHash<int, int>> used;
    for (auto it = all.begin(); it != end; ++it) used.insert(it->second, {});
    for (const auto& [id, entry] : rows_) {
        if (entry.from < 0 || entry.to < 0 || entry.description < 0) continue;
        const auto route = used.find(routeKey(entry.from, entry.to));
        if (route != used.end()) ++(*route)[entry.description];
    }
    std::vector<Route> result;
    for (auto it = all.begin(); it != end; ++it) {
        Route route{name(it->second, 32), name(it->second, 0), it->first, {}, {}};
        route.distance = distance(route.from, route.to);
        int most = 0;
        const QHash<int, int>& counts = used[it->second];
        for (auto d = counts.cbegin(); d != counts.cend(); ++d) {
            const QString& text = descriptions_.names[static_cast<std::size_t>(d.key())];
            if (d.value() > most || (d.value() == most && text < route.description)) {
                most = d.value();
                route.description = text;
            }
        }
        result.push_back(std::move(route));
    }
    return result;
}

QString TripBook::routeText(const Route& route, DistanceUnit unit, const QLocale& locale)
{
    const QString trips =
        QCoreApplication::translate("TripBook", "%n trip(s)", nullptr, route.trips);
    if (!route.distance) {
        return QCoreApplication::translate("TripBook", "%1 \u2192 %2: %3")
            .arg(route.from, route.to, trips);
    }
    return QCoreApplication::translate("TripBook", "%1 \u2192 %2: %3 %4, %5")
        .arg(route.from, route.to, locale.toString(*route.distance, 'g', 15),
             unitAbbreviation(unit), trips);
}

} // namespace bw
