// Trips typed in a few keys: duplicate, return trip, frequent trips.
#include "logtable/loghistory.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/tabletrip.h"
#include "logtable/tripbook.h"
#include "logtable/tripfills.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"
#include "shell/entryeditor.h"
#include "shell/form1.h"
#include "shell/gridaction.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

namespace bw {

namespace {

constexpr int kFrequentRoutes = 10;

void setNumber(std::vector<QVariant>& values, int field, std::optional<double> number)
{
    values[static_cast<std::size_t>(field)] =
        number && *number != 0.0 ? QVariant(*number) : blankValue(field);
}

} // namespace

void Form1::createEntryActions()
{
    // The places and routes the grid's editors and fills draw on.
    tripBook_ = new TripBook(this);
    tripBook_->follow(*model_);
    DataGrid1->setItemDelegate(new EntryDelegate(
        *tripBook_, [] { return dateToText(platform().clock->today()); }, DataGrid1));
    mnuDuplicateTrip = gridAction(DataGrid1, "mnuDuplicateTrip", tr("Duplicate Trip"),
                                  {QKeySequence(Qt::CTRL | Qt::Key_D)});
    mnuReturnTrip = gridAction(DataGrid1, "mnuReturnTrip", tr("Add Return Trip"),
                               {QKeySequence(Qt::CTRL | Qt::Key_R)});
    mnuFrequentTrip = new QMenu(tr("Add Frequent Trip"), this);
    mnuFrequentTrip->setObjectName(QStringLiteral("mnuFrequentTrip"));
    connect(mnuDuplicateTrip, &QAction::triggered, this, [this] { duplicateTrip(); });
    connect(mnuReturnTrip, &QAction::triggered, this, [this] { addReturnTrip(); });
    connect(mnuFrequentTrip, &QMenu::aboutToShow, this, [this] { fillFrequentTripMenu(); });
    // A blank row is no trip to copy or to drive back: the commands (and their keys) rest
    // there, as on no row at all.
    const auto follow = [this] { updateTripActions(); };
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, follow);
    connect(model_, &QAbstractItemModel::modelReset, this, follow);
    connect(model_, &QAbstractItemModel::layoutChanged, this, follow);
    connect(model_, &QAbstractItemModel::rowsInserted, this, follow);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(model_, &QAbstractItemModel::dataChanged, this, follow);
    updateTripActions();
}

void Form1::updateTripActions()
{
    const bool trip =
        logTable_ && logTable_->isOpen() && repeatableTrip(*logTable_, logTable_->position());
    mnuDuplicateTrip->setEnabled(trip);
    mnuReturnTrip->setEnabled(trip);
}

void Form1::fillFrequentTripMenu()
{
    mnuFrequentTrip->clear();
    const std::vector<TripBook::Route> routes = tripBook_->frequentRoutes(kFrequentRoutes);
    for (int i = 0; i < static_cast<int>(routes.size()); ++i) {
        const TripBook::Route& route = routes[static_cast<std::size_t>(i)];
        QString text = TripBook::routeText(route, units_.distance);
        // A place's own "&" is no mnemonic.
        QAction* action = mnuFrequentTrip->addAction(text.replace(QLatin1Char('&'), "&&"));
        connect(action, &QAction::triggered, this, [this, i] { addFrequentTrip(i); });
    }
    if (routes.empty()) {
        mnuFrequentTrip->addAction(tr("No routes yet"))->setEnabled(false);
    }
}

bool Form1::roomForTrip()
{
    if (logTable_ && logTable_->isOpen() && logTable_->RecordCount() < kMaxTrips) {
        return true;
    }
    if (logTable_ && logTable_->isOpen()) {
        tellTripLimit(tr("No trip was added."));
    }
    return false;
}

void Form1::addTripBelow(int row, std::vector<QVariant> values, const QString& name)
{
    const LogHistory::Name step(*history_, name);
    model_->insertRow(row + 1, values);
    logTable_->setPosition(row + 1);
    model_->showCursor();
}

void Form1::duplicateTrip()
{
    commitGridEdit();
    const int row = logTable_ ? logTable_->position() : -1;
    if (!logTable_ || !repeatableTrip(*logTable_, row) || !roomForTrip()) {
        return;
    }
    std::vector<QVariant> values = tripAt(*logTable_, row).values();
    // The readings belong to the original drive, not to the copy.
    for (const int field : {TripField::OdometerStart, TripField::OdometerEnd}) {
        values[static_cast<std::size_t>(field)] = blankValue(field);
    }
    addTripBelow(row, std::move(values), tr("Duplicate Trip"));
}

void Form1::addReturnTrip()
{
    commitGridEdit();
    const int row = logTable_ ? logTable_->position() : -1;
    if (!logTable_ || !repeatableTrip(*logTable_, row) || !roomForTrip()) {
        return;
    }
    std::vector<QVariant> values = blankRowValues();
    const QVariant from = logTable_->valueAt(row, TripField::From);
    const QVariant to = logTable_->valueAt(row, TripField::To);
    values[TripField::Date] = logTable_->valueAt(row, TripField::Date);
    values[TripField::From] = to;
    values[TripField::To] = from;
    std::optional<double> mileage = tripBook_->distance(to.toString(), from.toString());
    if (!mileage && holdsTripValue(logTable_->valueAt(row, TripField::Mileage))) {
        mileage = logTable_->valueAt(row, TripField::Mileage).toDouble();
    }
    setNumber(values, TripField::Mileage, mileage);
    const std::optional<double> rate = readTripNumber(txtRatePerMile->text());
    if (mileage && rate)
        setNumber(values, TripField::Reimbursement, reimbursementFor(*mileage, *rate));
    addTripBelow(row, std::move(values), tr("Add Return Trip"));
}

void Form1::addFrequentTrip(int choice)
{
    commitGridEdit();
    const std::vector<TripBook::Route> routes = tripBook_->frequentRoutes(kFrequentRoutes);
    if (!logTable_ || !logTable_->isOpen() || choice < 0
        || choice >= static_cast<int>(routes.size())) {
        return;
    }
    const TripBook::Route& route = routes[static_cast<std::size_t>(choice)];
    int row = 0;
    const int count = logTable_->RecordCount();
    while (row < count && !isBlankTrip(*logTable_, row)) ++row;
    if (row == count && !roomForTrip()) {
        return;
    }
    std::vector<QVariant> values = blankRowValues();
    if (row > 0) values[TripField::Date] = logTable_->valueAt(row - 1, TripField::Date);
    values[TripField::From] = route.from;
    values[TripField::To] = route.to;
    values[TripField::Description] = route.description.isEmpty()
                                         ? blankValue(TripField::Description)
                                         : QVariant(route.description);
    setNumber(values, TripField::Mileage, route.distance);
    const std::optional<double> rate = readTripNumber(txtRatePerMile->text());
    if (route.distance && rate) {
        setNumber(values, TripField::Reimbursement, reimbursementFor(*route.distance, *rate));
    }
    if (row < count) {
        const LogHistory::Name step(*history_, tr("Add Frequent Trip"));
        model_->rewriteRow(row, values);
        logTable_->setPosition(row);
        model_->showCursor();
    } else {
        addTripBelow(row - 1, std::move(values), tr("Add Frequent Trip"));
    }
}

} // namespace bw
