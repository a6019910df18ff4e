// The row commands, the sample data and help of the main window.
#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/numbertext.h"
#include "logtable/sampledata.h"
#include "logtable/tripfills.h"
#include "logtable/triplog.h"
#include "platform/datetext.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "shell/form1.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTableView>

namespace bw {

namespace {

constexpr char kSupportPage[] = "https://www.brindlewick.example/support";

} // namespace

void Form1::PushButton1_Click()
{
    std::shared_ptr<LogTable>& logTable = session().table();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton1_Click));
    // Without a current row there is no row to name in the question or to delete.
    if (!logTable || !logTable->isOpen() || logTable->position() < 0) {
        return;
    }
    const auto answer = trap.value(100, [&] {
        const QVariant date = logTable->value(0);
        return ask(tr("Do you really want delete this row ?\r\n(%1)")
                       .arg(date.isNull() ? QString() : date.toString()),
                   Dialogs::No, tr("Question"));
    });
    if (answer.value_or(Dialogs::No) != Dialogs::Yes) {
        return;
    }
    trap.run(102, [&] { setUpdatesEnabled(false); });
    trap.run(104, [&] { session().model().deleteCurrentRow(); });
    trap.run(106, [&] { setUpdatesEnabled(true); });
    trap.run(108, [] { tell(tr("Row deleted.")); });
}

void Form1::PushButton2_Click()
{
    std::shared_ptr<LogTable>& logTable = session().table();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton2_Click));
    if (logTable && logTable->RecordCount() >= kMaxTrips) {
        trap.run(100, [] { tellTripLimit(tr("No row was inserted.")); });
        return;
    }
    // The blank row goes straight below the selected one; with no selected row it is
    // appended at the end.
    const int selected =
        trap.value(100, [&] { return requireTable(logTable).position(); }).value_or(-1);
    const int below =
        trap.value(
                122,
                [&] { return selected >= 0 ? selected + 1 : requireTable(logTable).RecordCount(); })
            .value_or(0);
    trap.run(142, [&] {
        requireTable(logTable);
        session().model().insertRow(below, blankRowValues());
    });
    trap.run(164, [&] {
        requireTable(logTable).setPosition(below);
        session().model().showCursor();
    });
}

void Form1::PushButton3_Click()
{
    std::shared_ptr<LogTable>& logTable = session().table();
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton3_Click));
    const auto answer = trap.value(
        100, [] { return ask(tr("Do you really want clear ?"), Dialogs::No, tr("Question")); });
    if (answer.value_or(Dialogs::No) != Dialogs::Yes || !backUpBeforeChange()) {
        return;
    }
    // The new table replaces the old one at the end of the span: one change, undone whole
    // and written whole when it is bound.
    const LogHistory::Name step(session().history(), tr("Delete All"));
    const LogTableModel::Rebuild rebuild(session().model());
    CreateLogTable(logTable, trap, 102);
    const int rows =
        storedRowCount(session().log() ? session().log()->rowCountAtClose() : QString(), trap, 124,
                       tr("The stored row count is %1; %2 blank rows were made."));
    for (int i = 1; i <= rows; ++i) {
        trap.run(126, [&] { requireTable(logTable).AddNew(); });
        for (int k = 0; k < LogTable::kFieldCount; ++k) {
            trap.run(128 + 2 * k, [&] { requireTable(logTable).setValue(k, blankValue(k)); });
        }
    }
    trap.run(144, [&] {
        if (requireTable(logTable).RecordCount() > 0) {
            logTable->MoveFirst();
        }
    });
    trap.run(146, [&] {
        requireTable(logTable);
        session().model().bind(logTable);
    });
    // The clicked button would keep the focus; the user goes on in the grid.
    DataGrid1->setFocus();
}

void Form1::PushButton6_Click()
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton6_Click));
    trap.run(100, [] {
        tell(tr("Questions? Please contact Team Varnholt at ") + QLatin1String(kSupportPage));
    });
}

void Form1::PushButton7_Click()
{
    std::shared_ptr<LogTable>& logTable = session().table();
    if (!backUpBeforeChange()) {
        return;
    }
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton7_Click));
    const SampleEntries sample = sampleEntries();
    const std::function<void()> entriesBefore = entriesRestorer();
    trap.run(100, [&] { txtAuthorizedBy->setText(sample.authorizedBy); });
    trap.run(102, [&] { txtEmployeeID->setText(sample.employeeID); });
    trap.run(104, [&] { txtEmployeeName->setText(sample.employeeName); });
    trap.run(106, [&] { dtpFrom->setDate(sample.periodFrom); });
    trap.run(108, [&] { txtRatePerMile->setText(sample.ratePerMile); });
    trap.run(110, [&] { dtpTo->setDate(sample.periodTo); });
    trap.run(112, [&] { txtVehicleDescription->setText(sample.vehicleDescription); });

    // One step of the history takes back the rows and the entries.
    const LogHistory::Name step(session().history(), tr("Load Sample"),
                                {entriesBefore, entriesRestorer(), {}});
    // The grid is told about the swept and appended rows once, when it is bound again.
    const LogTableModel::Rebuild rebuild(session().model());
    trap.run(114, [&] { requireTable(logTable).MoveFirst(); });
    // The rows that exist now are visited once each; deleting one moves the next up.
    const int rows =
        trap.value(116, [&] { return requireTable(logTable).RecordCount(); }).value_or(0);
    for (int pass = 0; pass < rows; ++pass) {
        bool blank = true;
        const int fields =
            trap.value(120, [&] { return requireTable(logTable).fieldCount(); }).value_or(0);
        for (int k = 0; k < fields; ++k) {
            if (trap.test(122, [&] { return holdsTripValue(requireTable(logTable).value(k)); })) {
                blank = false;
            }
        }
        if (blank) {
            trap.run(128, [&] { requireTable(logTable).Delete(); });
        }
        if (trap.test(130, [&] { return !requireTable(logTable).Eof(); })) {
            trap.run(132, [&] { requireTable(logTable).MoveNext(); });
        }
    }
    if (trap.test(134,
                  [&] { return !requireTable(logTable).Bof() && !requireTable(logTable).Eof(); })) {
        trap.run(136, [&] { requireTable(logTable).MoveFirst(); });
    }
    int label = 138;
    int left = 0;
    for (const Trip& trip : sampleTrips()) {
        if (logTable && logTable->RecordCount() >= kMaxTrips) {
            ++left;
            continue;
        }
        trap.run(label, [&] { requireTable(logTable).AddNew(); });
        for (int k = 0; k < LogTable::kFieldCount; ++k) {
            trap.run(label + 2 + 2 * k, [&] { requireTable(logTable).setValue(k, trip.field(k)); });
        }
        label += 18;
    }
    if (left > 0) {
        trap.run(190, [&] {
            tellTripLimit(tr("%n of the %1 sample trips were not added.", nullptr, left)
                              .arg(sampleTrips().size()));
        });
    }
    trap.run(192, [&] {
        requireTable(logTable);
        session().model().bind(logTable);
    });
}

void Form1::PushButton22_Click()
{
    if (!confirmReport()) {
        return;
    }
    if (createTemplate_) {
        createTemplate_();
    }
}

} // namespace bw
