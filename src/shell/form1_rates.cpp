// Rates that change by date: their window, the Rate per Mile box's menu and recalculating.
#include "core/messageboxes.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "shell/form1.h"
#include "shell/ratesdialog.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include <memory>

namespace bw {

void Form1::createRateActions()
{
    mnuRatesByDate = new QAction(RatesDialog::commandText(), this);
    mnuRatesByDate->setObjectName(QStringLiteral("mnuRatesByDate"));
    connect(mnuRatesByDate, &QAction::triggered, this, [this] { ratesCommand(); });
    mnuRecalculate = new QAction(tr("Recalculate Reimbursements"), this);
    mnuRecalculate->setObjectName(QStringLiteral("mnuRecalculate"));
    connect(mnuRecalculate, &QAction::triggered, this,
            [this] { recalculateReimbursementsCommand(); });

    // Qt's own text menu, so Undo, Cut, Copy and Paste stay, with the rates after them.
    txtRatePerMile->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtRatePerMile, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu* menu = txtRatePerMile->createStandardContextMenu();
        menu->setObjectName(QStringLiteral("mnuRatePerMile"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addAction(mnuRatesByDate);
        menu->popup(txtRatePerMile->mapToGlobal(pos));
    });
    setRateStore(std::make_unique<MemoryRateStore>());
}

void Form1::setRateStore(std::unique_ptr<RateStore> store)
{
    rateStore_ = std::move(store);
    try {
        rates_ = rateStore_->loadRates();
    } catch (const std::exception& e) {
        // Trips are still paid at the typed rate; the stored list is left for a later try.
        rates_ = RateSchedule();
        tell(tr("The rates by date could not be read: %1").arg(QString::fromUtf8(e.what())),
             applicationTitle(), Dialogs::Icon::Warning);
    }
    model_->recheck();
}

void Form1::ratesCommand()
{
    commitGridEdit();
    RatesDialog dialog(rates_, dtpFrom->date(),
                       readTripNumber(txtRatePerMile->text()).value_or(0.0), this);
    if (dialog.exec() != QDialog::Accepted || dialog.schedule() == rates_) return;
    try {
        rateStore_->saveRates(dialog.schedule());
    } catch (const std::exception& e) {
        tell(tr("The rates by date were not kept: %1").arg(QString::fromUtf8(e.what())),
             applicationTitle(), Dialogs::Icon::Warning);
        return;
    }
    rates_ = dialog.schedule();
    model_->recheck();
}

void Form1::recalculateReimbursementsCommand()
{
    if (!logTable_ || !logTable_->isOpen()) return;
    commitGridEdit();
    const std::vector<Recalculation> changes =
        reimbursementRecalculations(*logTable_, TripRates{txtRatePerMile->text(), rates_});
    if (changes.empty()) {
        tell(tr("Every Reimbursement is already its Mileage × its rate."));
        return;
    }
    const auto count = static_cast<int>(changes.size());
    const QString question =
        (count == 1 ? tr("1 Reimbursement changes to its Mileage × its rate.")
                    : tr("%1 Reimbursements change to their Mileage × their rate.").arg(count))
        + QStringLiteral("\r\n\r\n") + tr("Recalculate them?");
    if (ask(question, Dialogs::Yes) != Dialogs::Yes) return;
    const LogHistory::Name step(*history_, tr("Recalculate Reimbursements"));
    const LogTableModel::Rebuild rebuild(*model_);
    for (const Recalculation& change : changes) {
        logTable_->setValueAt(change.row, TripField::Reimbursement, change.reimbursement);
    }
}

} // namespace bw
