// The trip grid's model over the LogTable, keeping grid row and table cursor in step.
#pragma once

#include "logtable/logtable.h"
#include "logtable/tripchecks.h"
#include "logtable/triprows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

namespace bw {

// What the grid's fills and checks read beyond the table: the rate per mile as typed,
// the period the log covers and the rates that change by date.
struct TripContext {
    std::function<QString()> ratePerMile;
    std::function<TripPeriod()> period;
    std::function<RateSchedule()> rateSchedule;

    TripRates rates() const
    {
        TripRates rates{ratePerMile ? ratePerMile() : QString(),
                        rateSchedule ? rateSchedule() : RateSchedule()};
        if (rates.schedule.dependsOnDistance() && taxYearStart) rates.taxYear = taxYearStart();
        return rates;
    }
    // The distance the log knows for a route, if any; a row with both places and no
    // Mileage of its own takes it.
    std::function<std::optional<double>(const QString& from, const QString& to)> routeDistance;
    // Where rates by distance count from, and the trips outside the grid that count too.
    std::function<TaxYearStart()> taxYearStart = {};
    std::function<std::vector<DrivenTrip>()> outsideTrips = {};
};

// The tint of a cell (or box) whose value is probably a slip.
QColor warningTint();

// The trips that were handed in with a report: their ids, and what a claimed trip's tool
// tip says (asked for only when a tool tip or description is wanted, so it may read the
// log's database).
struct ClaimMarks {
    std::unordered_set<LogTable::Bookmark> trips;
    std::function<QString(LogTable::Bookmark)> note;
};

// Hears every change the grid's model makes to the bound table for the user, with what
// an undo needs; changes the model replays (undo, redo) are not heard.
class LogTableRecorder {
public:
    virtual ~LogTableRecorder() = default;
    // Row `row` changed in place: a cell edit of `column` with the fills it caused, or
    // (column -1) the fills of leaving the row. `before` is the row as it was.
    virtual void rowEdited(const LogTable& table, int row, int column, const TripRows& before) = 0;
    virtual void rowInserted(const LogTable& table, int row) = 0;
    // Row `row` is about to be deleted.
    virtual void rowDeleting(const LogTable& table, int row) = 0;
    // The outermost Rebuild span begins with `table` bound, and ends with `table` bound
    // (another one when the span bound a new table).
    virtual void tableChanging(const LogTable& table) = 0;
    virtual void tableChanged(const LogTable& table) = 0;
};

// The trip grid's view of the LogTable: one column per field under the field's name, one
// row per table row, cells edited in place. It also keeps the view's current row and the
// table's cursor in step, both ways: selecting a row in the grid moves the cursor, and
// showCursor() moves the grid's selection to wherever the table's cursor stands.
class LogTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LogTableModel(QObject* parent = nullptr);
    ~LogTableModel() override;

    // Makes `table` the model's data source (the grid's binding). The model keeps the
    // table alive until another one is bound.
    void bind(std::shared_ptr<LogTable> table);
    const std::shared_ptr<LogTable>& boundTable() const { return table_; }

    // Tells a view where the table's cursor stands (cursorMoved).
    void showCursor();
    // The view's current row moved to `current`: the table's cursor follows, and leaving
    // the row edited last fills it.
    void viewMoved(const QModelIndex& current);

    // Removes the table's current row; the cursor then stands on the row that took its
    // place, or on the new last row. False, and nothing changed, without a current row.
    bool deleteCurrentRow();
    // Inserts a row of `values` before position `row` (0 .. row count); it becomes the
    // current row.
    void insertRow(int row, const std::vector<QVariant>& values);
    // Puts `values` in place of those of row `row`, as one change the user made.
    void rewriteRow(int row, const std::vector<QVariant>& values);

    // Puts `rows`, each with its own id, in place of `count` rows from `first`, without
    // fills and without telling the recorder: an undo or a redo. The cursor goes to the
    // first row put in place (or the row after the removed ones); one changeFinished
    // follows, even when nothing could be changed.
    void replaceRows(int first, int count, const TripRows& rows);
    // Null for none; the recorder must outlive the model or be unset first.
    void setRecorder(LogTableRecorder* recorder) { recorder_ = recorder; }

    // Fills and checks: typing into a row fills its Mileage and Reimbursement where they
    // are empty or 0, and cells with a probable slip are tinted and explained in their
    // tool tip and accessible description.
    void setTripContext(TripContext context);
    // Repaints every warning, for a period that changed.
    void recheck();
    // Claimed trips that are not blank get a quiet tint of their own and say when they
    // were claimed; a warning's tint and text, and then a route's note, come before it.
    void setClaimMarks(ClaimMarks marks);
    bool isClaimed(int row) const;
    // The unit the Mileage column and route notes name and the currency warnings show.
    void setUnits(const LogUnits& units);
    const LogUnits& units() const { return units_; }
    // The rates the fills and checks pay the trips at, named in the log's currency.
    TripRates tripRates() const;
    // The fills of leaving the row the user edited last; closing the window does this.
    void leaveEditedRow();

    // Opens a span in which the bound table is changed directly (many rows deleted and
    // appended); the grid is refreshed and follows the cursor when the span ends. A bind
    // inside the span takes effect at its end.
    class Rebuild {
    public:
        explicit Rebuild(LogTableModel& model);
        ~Rebuild();
        Rebuild(const Rebuild&) = delete;
        Rebuild& operator=(const Rebuild&) = delete;

    private:
        LogTableModel& model_;
    };

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // The table's cursor stands on `row` (-1: on none); a view makes it its current row.
    // The view's own move back is not taken for the user's.
    void cursorMoved(int row);
    // A typed value was refused; `note` says what the cell takes.
    void inputRefused(const QModelIndex& index, const QString& note);
    // One finished change reached the bound table: a cell edit with the fills it caused,
    // the fills of leaving a row, an insert, a delete, or the end of a Rebuild span.
    // Whoever keeps the log writes it now; nothing waits for the window to close.
    void changeFinished();

private:
    QVariant cell(int row, int column) const;
    QVariant warningData(const QModelIndex& index, int role) const;
    QVariant claimData(const QModelIndex& index, int role) const;
    void refuse(const QModelIndex& index);
    void fillAfterEdit(int row, int column, bool wasBlank);
    bool fillFromRoute(int row, int keepField);
    QString routeNote(int row) const;
    void rowsChanged(int first, int last);
    void replaceInPlace(int row, const TripRows& rows);
    void removeRows(int first, int count);
    void insertRows(int first, const TripRows& rows);

    std::shared_ptr<LogTable> table_;
    TripContext context_;
    // How far the log had gone before each row, for the checks of rates by distance: read
    // once after each change, not at each cell painted.
    mutable std::optional<std::vector<double>> driven_;
    mutable std::optional<std::vector<DrivenTrip>> outside_;
    ClaimMarks claims_;
    LogUnits units_;
    LogTableRecorder* recorder_ = nullptr;
    // The route distance each row's Mileage was filled with; the note holds while the
    // Mileage still is that distance (an undo or a typed value ends it).
    QHash<LogTable::Bookmark, double> routeFills_;
    int editedRow_ = -1;
    int rebuildDepth_ = 0;
    bool changing_ = false;
};

} // namespace bw
