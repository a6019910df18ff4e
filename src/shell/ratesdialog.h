// "Rates by Date…": the rate changes in a table of From, Rate and From Distance, kept
// sorted by date, then distance.
#pragma once

#include "core/rateschedule.h"

#include <QDialog>
#include <QLocale>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace bw {

class CellNote;

// Edits a copy of the rate changes; the caller takes schedule() when the window is
// accepted. A From that is no date, a Rate that is no number or below 0, or a From
// Distance below 0 is refused with a note at the cell, as the grid refuses; a second
// change on one day and distance is refused with a message. A From left empty with a
// distance given means the start of every tax year.
// Keyboard: Insert adds a change, Delete removes the current one, F2 or typing edits,
// Enter accepts and Escape cancels.
class RatesDialog final : public QDialog {
    Q_OBJECT
public:
    // A first change starts on `suggested` at `typedRate` (the Rate per Mile), so that no
    // trip is paid nothing by a change left as added.
    // `units` name the rate's currency and distance where they are not dollars per mile.
    RatesDialog(RateSchedule schedule, QDate suggested, double typedRate, QWidget* parent = nullptr,
                const QLocale& locale = QLocale(), const LogUnits& units = {});

    const RateSchedule& schedule() const { return schedule_; }
    QTableWidget* table() const { return table_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }

    // The command that opens this window, as menus show it.
    static QString commandText() { return tr("Rates by Date…"); }

    // Adds a change on the first free day from the suggested one, at the latest rate,
    // and makes its From the current cell.
    void addChange();
    void removeCurrent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill(const RateChange& current, int column);
    void setText(int row, int column, const QString& text);
    void edited(QTableWidgetItem* item);
    // The change as edited in `item`; nothing (and told why) when it cannot be taken.
    std::optional<RateChange> changedBy(QTableWidgetItem* item, const RateChange& was);

    RateSchedule schedule_;
    QDate suggested_;
    double typedRate_;
    QLocale locale_;
    QTableWidget* table_;
    QPushButton* add_;
    QPushButton* remove_;
    CellNote* note_;
    bool filling_ = false;
};

} // namespace bw
