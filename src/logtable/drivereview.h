// The drives found in recorded tracks, as the review window lists them before they become
// trips: which are checked, which the log holds already, the names of their ends, and the
// trips the checked ones make. No widget: the window shows this model and asks it.
#pragma once

#include "core/logunits.h"
#include "core/trip.h"
#include "drives/places.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QLocale>
#include <QTime>
#include <QTimeZone>

#include <functional>
#include <optional>
#include <vector>

namespace bw {

class LogDatabase;
class LogTable;

// The log's trips as drives are told apart from them: every row with a date.
std::vector<drives::LoggedTrip> loggedTrips(const LogTable& table,
                                            const QLocale& locale = QLocale());

// "Business" as a quick preset: a drive that starts on one of `days` (1 Monday to 7 Sunday)
// at or after `from` and before `to`.
struct BusinessHours {
    std::vector<int> days{1, 2, 3, 4, 5};
    QTime from{7, 0};
    QTime to{19, 0};
};

class DriveReviewModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Business, Date, Start, End, From, To, Distance, Description, ColumnCount };

    struct Setup {
        drives::Unit unit = drives::Unit::Miles;
        // The log's trips and its saved places.
        std::vector<drives::LoggedTrip> logged;
        std::vector<drives::SavedPlace> places;
        // Keeps a place named in the review; returns why it could not be kept, or "".
        std::function<QString(const drives::SavedPlace&)> keepPlace;
        QTimeZone zone = QTimeZone::systemTimeZone();
        QLocale locale;
    };

    explicit DriveReviewModel(Setup setup, QObject* parent = nullptr);

    // The drives to review, in any order: their ends named after the saved places, each
    // checked unless the log holds it already. Every drive is shown until a period is set.
    void setDrives(std::vector<drives::Drive> drives);
    // Shows the drives that start from `from` to `to` (either may be null: open); only
    // those shown are checked by the commands below or added.
    void setPeriod(const QDate& from, const QDate& to);
    void checkAll(bool checked);
    // Checks the drives within `hours` that the log does not hold, and unchecks the rest.
    void checkBusiness(const BusinessHours& hours);

    int drivesFound() const { return static_cast<int>(drives_.size()); }
    bool held(int row) const;
    bool checked(int row) const;
    // The shown drives that are checked: what "Add N Trips" adds.
    int checkedCount() const;
    // The drive end at `row` named `name`: every end within the new place's radius that no
    // nearer saved place holds takes the name, and the place is kept. Returns why it could
    // not be kept ("" when it was, or when the end has no position to keep).
    QString nameEnd(int row, drives::End end, const QString& name);
    // The checked shown drives as trips in date order: Date in the grid's form, the places,
    // the description, Mileage in the log's unit to one decimal; odometer and Reimbursement
    // empty (the grid fills Reimbursement from the rate in force on the date).
    std::vector<Trip> tripsToAdd() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void checkedCountChanged(int count);
    // A place named in the review could not be kept: why.
    void placeNotKept(const QString& why);

private:
    struct Row {
        drives::DriveTrip trip;
        QString description;
        bool held = false;
        bool checked = false;
    };

    void refreshTrips();
    void showPeriod();
    void setChecks(const std::function<bool(const Row&)>& check);
    QVariant display(const Row& row, int column) const;
    Row& rowAt(int row) { return rows_[shown_[static_cast<std::size_t>(row)]]; }
    const Row& rowAt(int row) const { return rows_[shown_[static_cast<std::size_t>(row)]]; }

    Setup setup_;
    std::vector<drives::Drive> drives_;
    std::vector<Row> rows_;          // one per drive, in start order
    std::vector<std::size_t> shown_; // the rows in the period
    QDate from_, to_;
};

// The review of drives against a log: its trips in `table`, named in `unit`, and the places
// kept in `database` (none: nothing is named or kept). Places that cannot be read name
// nothing; the drives are named by hand.
DriveReviewModel::Setup driveReviewOf(const LogTable& table, LogDatabase* database,
                                      DistanceUnit unit);

} // namespace bw
