// The trip grid's model over the LogTable, keeping grid row and table cursor in step.
#pragma once

#include "logtable/tripchecks.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAbstractItemView;

namespace bw {

class LogTable;

// What the grid's fills and checks read beyond the table: the rate per mile as typed and
// the period the log covers.
struct TripContext {
    std::function<QString()> ratePerMile;
    std::function<TripPeriod()> period;
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

    // Shows the model in `view` and keeps its current row in step with the cursor.
    void attachView(QAbstractItemView* view);
    void showCursor();

    // Removes the table's current row; the cursor then stands on the row that took its
    // place, or on the new last row. False, and nothing changed, without a current row.
    bool deleteCurrentRow();
    // Inserts a row of `values` before position `row` (0 .. row count); it becomes the
    // current row.
    void insertRow(int row, const std::vector<QVariant>& values);

    // Fills and checks: typing into a row fills its Mileage and Reimbursement where they
    // are empty or 0, and cells with a probable slip are tinted and explained in their
    // tool tip and accessible description.
    void setTripContext(TripContext context);
    // Repaints every warning, for a period that changed.
    void recheck();
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
    // A typed value was refused; `note` says what the cell takes.
    void inputRefused(const QModelIndex& index, const QString& note);
    // One finished change reached the bound table: a cell edit with the fills it caused,
    // the fills of leaving a row, an insert, a delete, or the end of a Rebuild span.
    // Whoever keeps the log writes it now; nothing waits for the window to close.
    void changeFinished();

private:
    void followView(const QModelIndex& current);
    QVariant cell(int row, int column) const;
    QVariant warningData(const QModelIndex& index, int role) const;
    void refuse(const QModelIndex& index);
    void fillAfterEdit(int row, int column, bool wasBlank);
    void rowsChanged(int first, int last);

    std::shared_ptr<LogTable> table_;
    QPointer<QAbstractItemView> view_;
    TripContext context_;
    int editedRow_ = -1;
    int rebuildDepth_ = 0;
    bool changing_ = false;
};

} // namespace bw
