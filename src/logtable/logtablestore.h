// Building, restoring, binding and saving the trip table through the settings store.
#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

namespace bw {

class LogTable;
class LogTableModel;
class SettingsStore;
class StepTrap;

// The rows a new log starts with, all blank.
inline constexpr int kNewLogRows = 30;

// The settings key of field k (1 to 8) of the row at position `row` (from 1):
// "RowSource" + k + " " + row, for example "RowSource8 30".
QString rowKey(int field, int row);

// The table behind a reference that may still be empty (never created, or its creation
// failed): throws LogTableError as the design's object reference would.
LogTable& requireTable(const std::shared_ptr<LogTable>& table);

// The four operations that build, refill, bind and save the application's trip table.
// Each runs its labelled steps under the caller's trap; a failing step is reported and
// the next one runs.

// A new, empty, open table with the eight fields; it replaces `table` at the first step.
// Labels: firstLabel (create), firstLabel + 2 ... + 16 (the eight fields),
// firstLabel + 20 (open).
void CreateLogTable(std::shared_ptr<LogTable>& table, StepTrap& trap, int firstLabel);

// The rows a stored RowCount asks for (default 30), read under `label`: at most kMaxTrips,
// and a larger count is told once, with `consequence` given the count and the limit.
int storedRowCount(const SettingsStore& store, StepTrap& trap, int label,
                   const QString& consequence);
// The same for a stored RowCount text (null: not stored, which gives 30).
int storedRowCount(const QString& rowCountText, StepTrap& trap, int label,
                   const QString& consequence);

// Appends RowCount rows (default 30) and fills them from the row keys. Labels 164-182.
void RestoreLogRows(const std::shared_ptr<LogTable>& table, const SettingsStore& store,
                    StepTrap& trap);

// Binds the table to the grid's model and moves to the first row when there is one.
// Labels 184-188.
void BindLogTable(const std::shared_ptr<LogTable>& table, LogTableModel& model, StepTrap& trap);

// Writes RowCount and every field of every row, in table order. Labels 100-126. The
// caller decides when the store reaches the disk (one SettingsStore::Batch at close).
void SaveLogRows(const std::shared_ptr<LogTable>& table, SettingsStore& store, StepTrap& trap);

// Tells the user, as a notice (not an error), that the log is at its trip limit and what
// that meant: tripLimitMessage(consequence) in a box with the application title.
void tellTripLimit(const QString& consequence);

// The blank trip row: empty text in the six text fields, 0 in Mileage and Reimbursement.
QVariant blankValue(int field);
std::vector<QVariant> blankRowValues();

} // namespace bw
