// Rates that change by date: their window, the Rate per Mile box's menu and recalculating.
#include "core/messageboxes.h"
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "shell/failure.h"
#include "shell/form1.h"
#include "shell/ratesdialog.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QUndoCommand>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

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

    const auto unitAction = [this](const char* name, const QString& text, DistanceUnit unit) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, unit] { setDistanceUnitCommand(unit); });
        return action;
    };
    mnuKilometres =
        unitAction("mnuKilometres", tr("Distances in Kilometres"), DistanceUnit::Kilometres);
    mnuMiles = unitAction("mnuMiles", tr("Distances in Miles"), DistanceUnit::Miles);

    // Qt's own text menu, so Undo, Cut, Copy and Paste stay, with the rates after them.
    txtRatePerMile->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtRatePerMile, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showRateMenu(pos); });
    connect(txtRatePerMile, &QLineEdit::textChanged, this, [this] { markTypedRate(); });
    setRateStore(std::make_unique<MemoryRateStore>());
}

void Form1::markTypedRate()
{
    // A rate that is no number is kept (the form shows it), but marked as a grid cell with a
    // slip is: the cell's tint, and the note in its tool tip and description.
    const std::optional<QString> note = typedRateNote(txtRatePerMile->text());
    QPalette palette = txtRatePerMile->palette();
    palette.setColor(QPalette::Base, note ? warningTint() : QColor(Qt::white));
    txtRatePerMile->setPalette(palette);
    txtRatePerMile->setToolTip(note.value_or(QString()));
    txtRatePerMile->setAccessibleDescription(note.value_or(QString()));
}

void Form1::showRateMenu(const QPoint& pos)
{
    QMenu* menu = txtRatePerMile->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("mnuRatePerMile"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    mnuKilometres->setChecked(units_.distance == DistanceUnit::Kilometres);
    mnuMiles->setChecked(units_.distance == DistanceUnit::Miles);
    menu->addAction(mnuKilometres);
    menu->addAction(mnuMiles);
    menu->addSeparator();
    for (const Currency& currency : currencyChoices()) {
        QAction* action = menu->addAction(tr("Currency: %1").arg(currency.symbol));
        action->setCheckable(true);
        action->setChecked(currency == units_.currency);
        connect(action, &QAction::triggered, this,
                [this, currency] { setCurrencyCommand(currency); });
    }
    menu->addSeparator();
    menu->addAction(mnuRatesByDate);
    menu->popup(txtRatePerMile->mapToGlobal(pos));
}

std::vector<Currency> Form1::currencyChoices() const
{
    std::vector<Currency> choices{units_.currency};
    for (const Currency& other : {localeCurrency(QLocale()), Currency{}}) {
        const bool listed = std::any_of(choices.begin(), choices.end(), [&](const Currency& c) {
            return c.symbol == other.symbol;
        });
        if (!listed) choices.push_back(other);
    }
    return choices;
}

namespace {

// A change of the log's unit or currency on the grid's undo stack. It is kept when made,
// so the first redo (the push) only records it.
class UnitsCommand final : public QUndoCommand {
public:
    UnitsCommand(const QString& text, LogUnits before, LogUnits after,
                 std::function<bool(const LogUnits&)> keep)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
          keep_(std::move(keep))
    {}
    void undo() override { keep_(before_); }
    void redo() override
    {
        if (!std::exchange(pushed_, true)) return;
        keep_(after_);
    }

private:
    LogUnits before_;
    LogUnits after_;
    std::function<bool(const LogUnits&)> keep_;
    bool pushed_ = false;
};

} // namespace

bool Form1::setDistanceUnitCommand(DistanceUnit unit)
{
    LogUnits units = units_;
    units.distance = unit;
    return changeUnits(units, unit == DistanceUnit::Kilometres ? tr("Distances in Kilometres")
                                                               : tr("Distances in Miles"));
}

bool Form1::setCurrencyCommand(const Currency& currency)
{
    LogUnits units = units_;
    units.currency = currency;
    return changeUnits(units, tr("Currency: %1").arg(currency.symbol));
}

bool Form1::changeUnits(const LogUnits& units, const QString& step)
{
    // The menu's checks follow the kept units, also when nothing changes.
    if (units == units_) return true;
    const LogUnits before = units_;
    if (!keepUnits(units)) return false;
    history_->stack().push(
        new UnitsCommand(step, before, units, [this](const LogUnits& u) { return keepUnits(u); }));
    return true;
}

bool Form1::keepUnits(const LogUnits& units)
{
    if (const auto why = failureOf([&] { rateStore_->saveUnits(units); })) {
        tell(tr("The distance unit and currency were not kept: %1").arg(*why), applicationTitle(),
             Dialogs::Icon::Warning);
        return false;
    }
    showUnits(units);
    return true;
}

void Form1::showUnits(const LogUnits& units)
{
    units_ = units;
    const bool km = units.distance == DistanceUnit::Kilometres;
    QLabel* label = Label4[4];
    if (rateLabelWidth_ == 0) rateLabelWidth_ = label->width();
    label->setText(km ? tr("Rate per Kilometre:") : tr("Rate per Mile:"));
    // The kilometre's label is wider than the one designed for the mile: it takes the free
    // room before the box, never more, and nothing else moves.
    const int room = txtRatePerMile->x() - label->x() - 2;
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    label->resize(std::max(rateLabelWidth_, std::min(room, needed)), label->height());
    txtRatePerMile->setAccessibleName(km ? tr("Rate per Kilometre") : tr("Rate per Mile"));
    model_->setUnits(units);
}

void Form1::setRateStore(std::unique_ptr<RateStore> store)
{
    rateStore_ = std::move(store);
    if (const auto why = failureOf([&] { rates_ = rateStore_->loadRates(); })) {
        // Trips are still paid at the typed rate; the stored list is left for a later try.
        rates_ = RateSchedule();
        tell(tr("The rates by date could not be read: %1").arg(*why), applicationTitle(),
             Dialogs::Icon::Warning);
    }
    try {
        showUnits(rateStore_->loadUnits());
    } catch (const std::exception&) {
        // Units that cannot be read show as in a log that never kept any; the numbers are
        // the same either way.
        showUnits(LogUnits());
    }
}

void Form1::ratesCommand()
{
    commitGridEdit();
    RatesDialog dialog(rates_, dtpFrom->date(),
                       readTripNumber(txtRatePerMile->text()).value_or(0.0), this, QLocale(),
                       units_);
    if (dialog.exec() != QDialog::Accepted || dialog.schedule() == rates_) return;
    if (const auto why = failureOf([&] { rateStore_->saveRates(dialog.schedule()); })) {
        tell(tr("The rates by date were not kept: %1").arg(*why), applicationTitle(),
             Dialogs::Icon::Warning);
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
        reimbursementRecalculations(*logTable_, model_->tripRates());
    if (changes.empty()) {
        tell(tr("Every Reimbursement is already its Mileage × its rate."));
        return;
    }
    const auto count = static_cast<int>(changes.size());
    const QString question =
        tr("%n Reimbursement(s) change(s) to their Mileage × their rate.", nullptr, count)
        + QStringLiteral("\r\n\r\n") + tr("Recalculate them?");
    if (ask(question, Dialogs::Yes) != Dialogs::Yes) return;
    const LogHistory::Name step(*history_, tr("Recalculate Reimbursements"));
    const LogTableModel::Rebuild rebuild(*model_);
    for (const Recalculation& change : changes) {
        logTable_->setValueAt(change.row, TripField::Reimbursement, change.reimbursement);
    }
}

} // namespace bw
