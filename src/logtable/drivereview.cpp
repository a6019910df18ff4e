// The review of recorded drives before they become trips.
#include "logtable/drivereview.h"

#include "logstore/placestore.h"
#include "logtable/logtable.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace bw {

std::vector<drives::LoggedTrip> loggedTrips(const LogTable& table, const QLocale& locale)
{
    std::vector<drives::LoggedTrip> logged;
    for (int row = 0; row < table.RecordCount(); ++row) {
        const QDate date = textToDate(table.valueAt(row, TripField::Date).toString(), locale);
        if (!date.isValid()) continue;
        const QVariant mileage = table.valueAt(row, TripField::Mileage);
        logged.push_back({date, table.valueAt(row, TripField::From).toString(),
                          table.valueAt(row, TripField::To).toString(),
                          mileage.typeId() == QMetaType::Double
                              ? mileage.toDouble()
                              : readTripNumber(mileage.toString(), locale).value_or(0.0)});
    }
    return logged;
}

DriveReviewModel::DriveReviewModel(Setup setup, QObject* parent)
    : QAbstractTableModel(parent), setup_(std::move(setup))
{}

void DriveReviewModel::setDrives(std::vector<drives::Drive> drives)
{
    beginResetModel();
    std::stable_sort(
        drives.begin(), drives.end(),
        [](const drives::Drive& a, const drives::Drive& b) { return a.startMs < b.startMs; });
    drives_ = std::move(drives);
    drives::namePlaces(drives_, setup_.places);
    rows_.assign(drives_.size(), Row{});
    refreshTrips();
    for (Row& row : rows_) row.checked = !row.held;
    showPeriod();
    endResetModel();
    emit checkedCountChanged(checkedCount());
}

void DriveReviewModel::showPeriod()
{
    shown_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const QDate date = rows_[i].trip.date;
        if ((!from_.isValid() || date >= from_) && (!to_.isValid() || date <= to_))
            shown_.push_back(i);
    }
}

void DriveReviewModel::refreshTrips()
{
    std::vector<drives::DriveTrip> trips;
    trips.reserve(drives_.size());
    for (const drives::Drive& drive : drives_)
        trips.push_back(drives::tripOf(drive, setup_.unit, setup_.zone));
    const std::vector<bool> held = drives::alreadyInLog(trips, setup_.logged);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        if (held[i] && !row.held) row.checked = false; // held since its ends were named
        row.trip = std::move(trips[i]);
        row.held = held[i];
    }
}

void DriveReviewModel::setPeriod(const QDate& from, const QDate& to)
{
    beginResetModel();
    from_ = from;
    to_ = to;
    showPeriod();
    endResetModel();
    emit checkedCountChanged(checkedCount());
}

void DriveReviewModel::setChecks(const std::function<bool(const Row&)>& check)
{
    for (std::size_t shown : shown_) rows_[shown].checked = check(rows_[shown]);
    if (!shown_.empty()) emit dataChanged(index(0, Business), index(rowCount() - 1, Business));
    emit checkedCountChanged(checkedCount());
}

void DriveReviewModel::checkAll(bool checked)
{
    setChecks([checked](const Row&) { return checked; });
}

void DriveReviewModel::checkBusiness(const BusinessHours& hours)
{
    setChecks([&hours](const Row& row) {
        const bool day = std::find(hours.days.begin(), hours.days.end(), row.trip.date.dayOfWeek())
                         != hours.days.end();
        return !row.held && day && row.trip.start >= hours.from && row.trip.start < hours.to;
    });
}

bool DriveReviewModel::held(int row) const { return rowAt(row).held; }

bool DriveReviewModel::checked(int row) const { return rowAt(row).checked; }

int DriveReviewModel::checkedCount() const
{
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(),
                                          [this](std::size_t i) { return rows_[i].checked; }));
}

QString DriveReviewModel::nameEnd(int row, drives::End end, const QString& name)
{
    const QString given = name.simplified();
    if (given.isEmpty() || row < 0 || row >= rowCount()) return {};
    const std::optional<drives::SavedPlace> place =
        drives::nameEnd(drives_, setup_.places, shown_[static_cast<std::size_t>(row)], end, given);
    QString failure;
    if (place) {
        setup_.places.push_back(*place);
        if (setup_.keepPlace) failure = setup_.keepPlace(*place);
        if (!failure.isEmpty()) emit placeNotKept(failure);
    }
    refreshTrips();
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit checkedCountChanged(checkedCount());
    return failure;
}

std::vector<Trip> DriveReviewModel::tripsToAdd() const
{
    std::vector<Trip> trips;
    for (std::size_t shown : shown_) {
        const Row& row = rows_[shown];
        if (!row.checked) continue;
        Trip trip;
        trip.date = dateToText(row.trip.date, setup_.locale);
        trip.startingLocation = row.trip.from;
        trip.destination = row.trip.to;
        trip.description = row.description;
        trip.mileage = row.trip.mileage;
        trips.push_back(std::move(trip));
    }
    return trips;
}

int DriveReviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int DriveReviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DriveReviewModel::display(const Row& row, int column) const
{
    const QLocale& locale = setup_.locale;
    switch (column) {
    case Date:
        return dateToText(row.trip.date, locale);
    case Start:
        return locale.toString(row.trip.start, QLocale::ShortFormat);
    case End:
        return locale.toString(row.trip.end, QLocale::ShortFormat);
    case From:
        return row.trip.from;
    case To:
        return row.trip.to;
    case Distance:
        return locale.toString(row.trip.mileage, 'f', 1);
    case Description:
        return row.description;
    default:
        return {};
    }
}

QVariant DriveReviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = rowAt(index.row());
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == Business)
        return row.checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DisplayRole || role == Qt::EditRole) return display(row, column);
    if (role == Qt::ToolTipRole) {
        if (row.held) return tr("This trip is in the log already.");
        if ((column == From || column == To) && display(row, column).toString().isEmpty())
            return tr("Not named yet: type the place's name to name every drive that starts "
                      "or ends there.");
    }
    if (role == Qt::BackgroundRole && row.held) return QBrush(QColor(0xE6, 0xE6, 0xE6));
    if (role == Qt::TextAlignmentRole && column == Distance)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool DriveReviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount()) return false;
    Row& row = rowAt(index.row());
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == Business) {
        row.checked = value.toInt() == Qt::Checked;
        emit dataChanged(index, index);
        emit checkedCountChanged(checkedCount());
        return true;
    }
    if (role != Qt::EditRole) return false;
    if (column == Description) {
        row.description = value.toString();
        emit dataChanged(index, index);
        return true;
    }
    if (column != From && column != To) return false;
    nameEnd(index.row(), column == From ? drives::End::From : drives::End::To, value.toString());
    return true;
}

Qt::ItemFlags DriveReviewModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Business) flags |= Qt::ItemIsUserCheckable;
    if (index.column() == From || index.column() == To || index.column() == Description)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant DriveReviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Business:
        return tr("Business");
    case Date:
        return tr("Date");
    case Start:
        return tr("Start");
    case End:
        return tr("End");
    case From:
        return tr("From");
    case To:
        return tr("To");
    case Distance:
        return setup_.unit == drives::Unit::Kilometres ? tr("Kilometres") : tr("Miles");
    default:
        return tr("Description");
    }
}

DriveReviewModel::Setup driveReviewOf(const LogTable& table, LogDatabase* database,
                                      DistanceUnit unit)
{
    DriveReviewModel::Setup review;
    review.unit = unit == DistanceUnit::Kilometres ? drives::Unit::Kilometres : drives::Unit::Miles;
    review.logged = loggedTrips(table);
    if (!database) return review;
    try {
        review.places = PlaceStore(*database).places();
    } catch (const std::exception&) {
        // Unread places leave the ends to be named by hand.
    }
    review.keepPlace = [database](const drives::SavedPlace& place) {
        try {
            PlaceStore(*database).addPlaces({place});
            return QString();
        } catch (const std::exception& failure) {
            return QString::fromUtf8(failure.what());
        }
    };
    return review;
}

} // namespace bw
