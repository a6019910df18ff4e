// Rates that change by date: their window, the Rate per Mile box's menu and recalculating.
#include "core/messageboxes.h"
#include "logtable/logsession.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripfills.h"
#include "shell/form1.h"
#include "shell/gridview.h"
#include "shell/ratesdialog.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include <algorithm>

namespace bw {

namespace {

void warn(const QString& text) { tell(text, applicationTitle(), Dialogs::Icon::Warning); }

// A rate that is no number is kept (the form shows it), but marked as a grid cell with a
// slip is: the cell's tint, and the note in its tool tip and description.
void markTypedRate(QLineEdit* box)
{
    const std::optional<QString> note = typedRateNote(box->text());
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, note ? warningTint() : QColor(Qt::white));
    box->setPalette(palette);
    box->setToolTip(note.value_or(QString()));
    box->setAccessibleDescription(note.value_or(QString()));
}

// Qt's own text menu, so Undo, Cut, Copy and Paste stay, with the units and rates after
// them.
void popUpRateMenu(Form1& form, const QPoint& pos)
{
    QMenu* menu = form.txtRatePerMile->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("mnuRatePerMile"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    const LogUnits units = form.session().units();
    form.mnuKilometres->setChecked(units.distance == DistanceUnit::Kilometres);
    form.mnuMiles->setChecked(units.distance == DistanceUnit::Miles);
    menu->addAction(form.mnuKilometres);
    menu->addAction(form.mnuMiles);
    menu->addSeparator();
    for (const Currency& currency : form.session().currencyChoices()) {
        QAction* action = menu->addAction(Form1::tr("Currency: %1").arg(currency.symbol));
        action->setCheckable(true);
        action->setChecked(currency == units.currency);
        QObject::connect(action, &QAction::triggered, &form,
                         [&form, currency] { form.setCurrencyCommand(currency); });
    }
    menu->addSeparator();
    menu->addAction(form.mnuRatesByDate);
    menu->popup(form.txtRatePerMile->mapToGlobal(pos));
}

} // namespace

// The rates' commands and the Rate per Mile box's menu.
void Form1::createRateCommands()
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

    txtRatePerMile->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtRatePerMile, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popUpRateMenu(*this, pos); });
    connect(txtRatePerMile, &QLineEdit::textChanged, this,
            [this] { markTypedRate(txtRatePerMile); });
}

bool Form1::setDistanceUnitCommand(DistanceUnit unit)
{
    LogUnits units = session().units();
    units.distance = unit;
    return session().changeUnits(units, unit == DistanceUnit::Kilometres
                                            ? tr("Distances in Kilometres")
                                            : tr("Distances in Miles"));
}

bool Form1::setCurrencyCommand(const Currency& currency)
{
    LogUnits units = session().units();
    units.currency = currency;
    return session().changeUnits(units, tr("Currency: %1").arg(currency.symbol));
}

void Form1::showUnits(const LogUnits& units)
{
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
}

void Form1::ratesCommand()
{
    finishCellEdit(DataGrid1);
    RatesDialog dialog(session().rateSchedule(), dtpFrom->date(),
                       readTripNumber(txtRatePerMile->text()).value_or(0.0), this, QLocale(),
                       session().units());
    if (dialog.exec() != QDialog::Accepted) return;
    if (const QString why = session().keepRates(dialog.schedule()); !why.isEmpty())
        warn(tr("The rates by date were not kept: %1").arg(why));
}

void Form1::recalculateReimbursementsCommand()
{
    if (!session().tableOpen()) return;
    finishCellEdit(DataGrid1);
    const std::vector<Recalculation> changes =
        reimbursementRecalculations(*session().table(), session().tripRates());
    if (changes.empty()) {
        tell(tr("Every Reimbursement is already its Mileage × its rate."));
        return;
    }
    const auto count = static_cast<int>(changes.size());
    const QString question =
        tr("%n Reimbursement(s) change(s) to their Mileage × their rate.", nullptr, count)
        + QStringLiteral("\r\n\r\n") + tr("Recalculate them?");
    if (ask(question, Dialogs::Yes) != Dialogs::Yes) return;
    session().recalculate(changes, tr("Recalculate Reimbursements"));
}

} // namespace bw
