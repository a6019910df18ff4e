// Building, restoring, binding and saving the trip table through the settings store.
#include "logtable/logtablestore.h"

#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "logstore/settingsstore.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/numbertext.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QCoreApplication>

namespace bw {

namespace {

constexpr int kTextFields = 6;

QString fieldText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        return QString();
    }
    if (value.typeId() == QMetaType::Double) {
        return storedNumberText(value.toDouble());
    }
    return value.toString();
}

} // namespace

QString rowKey(int field, int row) { return QStringLiteral("RowSource%1 %2").arg(field).arg(row); }

LogTable& requireTable(const std::shared_ptr<LogTable>& table)
{
    if (!table) {
        throw LogTableError(QCoreApplication::translate(
                                "LogTable", "Object variable or With block variable not set")
                                .toStdString());
    }
    return *table;
}

void CreateLogTable(std::shared_ptr<LogTable>& table, StepTrap& trap, int firstLabel)
{
    trap.run(firstLabel, [&] { table = std::make_shared<LogTable>(); });
    const auto& fields = LogTable::fields();
    for (std::size_t k = 0; k < fields.size(); ++k) {
        trap.run(firstLabel + 2 + 2 * static_cast<int>(k),
                 [&] { requireTable(table).appendField(fields[k]); });
    }
    // The label between the fields and the opening chose a cursor kind; this table has
    // only the one whose position every command relies on, so that step has no code.
    trap.run(firstLabel + 20, [&] { requireTable(table).open(); });
}

int storedRowCount(const SettingsStore& store, StepTrap& trap, int label,
                   const QString& consequence)
{
    return storedRowCount(store.GetSetting(QStringLiteral("RowCount"), QStringLiteral("30")), trap,
                          label, consequence);
}

int storedRowCount(const QString& rowCountText, StepTrap& trap, int label,
                   const QString& consequence)
{
    const QString text = rowCountText.isNull() ? QStringLiteral("30") : rowCountText;
    const int rows = trap.value(label, [&] { return rowCountFromText(text); }).value_or(0);
    if (rows <= kMaxTrips) {
        return rows;
    }
    trap.run(label, [&] { tellTripLimit(consequence.arg(rows).arg(kMaxTrips)); });
    return kMaxTrips;
}

void RestoreLogRows(const std::shared_ptr<LogTable>& table, const SettingsStore& store,
                    StepTrap& trap)
{
    // The rows beyond the limit keep their keys; they are only not loaded.
    const int rows =
        storedRowCount(store, trap, 164,
                       QCoreApplication::translate(
                           "LogTable", "The stored log has %1 trips; the first %2 were loaded."));
    for (int i = 1; i <= rows; ++i) {
        trap.run(166, [&] { requireTable(table).AddNew(); });
        for (int k = 1; k <= kTextFields; ++k) {
            trap.run(166 + 2 * k, [&] {
                requireTable(table).setValue(k - 1, store.GetTripField(k, i, QString()));
            });
        }
        for (int k = kTextFields + 1; k <= LogTable::kFieldCount; ++k) {
            trap.run(166 + 2 * k, [&] {
                const double number =
                    storedNumberFromText(store.GetTripField(k, i, QStringLiteral("0")));
                requireTable(table).setValue(k - 1, number);
            });
        }
    }
}

void BindLogTable(const std::shared_ptr<LogTable>& table, LogTableModel& model, StepTrap& trap)
{
    trap.run(184, [&] {
        requireTable(table);
        model.bind(table);
    });
    if (trap.test(186, [&] { return !requireTable(table).Eof(); })) {
        trap.run(188, [&] {
            requireTable(table).MoveFirst();
            model.showCursor();
        });
    }
}

void SaveLogRows(const std::shared_ptr<LogTable>& table, SettingsStore& store, StepTrap& trap)
{
    trap.run(100, [&] {
        store.SaveSetting(QStringLiteral("RowCount"),
                          QString::number(requireTable(table).RecordCount()));
    });
    trap.run(102, [&] { requireTable(table).MoveFirst(); });
    int i = 0;
    while (trap.loopTest(106, [&] { return !requireTable(table).Eof(); })) {
        ++i;
        for (int k = 1; k <= LogTable::kFieldCount; ++k) {
            trap.run(108 + 2 * k, [&] {
                store.SaveTripField(k, i, fieldText(requireTable(table).value(k - 1)));
            });
        }
        // A cursor that cannot move would bring the same row back forever.
        if (!trap.run(126, [&] { requireTable(table).MoveNext(); })) {
            break;
        }
    }
}

void tellTripLimit(const QString& consequence) { tell(tripLimitMessage(consequence)); }

QVariant blankValue(int field) { return field < kTextFields ? QVariant(QString()) : QVariant(0.0); }

std::vector<QVariant> blankRowValues()
{
    std::vector<QVariant> values;
    for (int k = 0; k < LogTable::kFieldCount; ++k) {
        values.push_back(blankValue(k));
    }
    return values;
}

} // namespace bw
