// The trip grid's model over the LogTable, keeping grid row and table cursor in step.
#include "logtable/logtablemodel.h"

#include "logtable/logtable.h"
#include "logtable/tripfills.h"
#include "spreadsheet/entry/localenumber.h"

#include <QBrush>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <optional>
#include <utility>

namespace bw {

namespace {

// The user's number text without grouping, so that what the grid shows can be typed
// back unchanged.
QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

bool isNumberField(const LogTable& table, int column)
{
    return column >= 0 && column < table.fieldCount()
           && LogTable::fields()[static_cast<std::size_t>(column)].type
                  == LogTable::FieldType::Double;
}

// A light amber that marks a cell without hiding its text or the selection.
const QColor kWarningTint(255, 226, 160);
// A pale grey-blue for claimed trips: quieter than the warnings' amber, and unlike it.
const QColor kClaimTint(228, 234, 242);

} // namespace

QColor warningTint() { return kWarningTint; }

LogTableModel::LogTableModel(QObject* parent) : QAbstractTableModel(parent)
{
    const auto forget = [this] {
        driven_.reset();
        outside_.reset();
    };
    connect(this, &QAbstractItemModel::dataChanged, this, forget);
    connect(this, &QAbstractItemModel::modelReset, this, forget);
    connect(this, &QAbstractItemModel::rowsInserted, this, forget);
    connect(this, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(this, &QAbstractItemModel::layoutChanged, this, forget);
}

TripRates LogTableModel::tripRates() const
{
    TripRates rates = context_.rates();
    rates.currency = units_.currency;
    if (rates.schedule.dependsOnDistance() && context_.outsideTrips) {
        if (!outside_) outside_ = context_.outsideTrips();
        rates.outside = *outside_;
    }
    return rates;
}

LogTableModel::~LogTableModel() = default;

void LogTableModel::bind(std::shared_ptr<LogTable> table)
{
    leaveEditedRow();
    if (rebuildDepth_ > 0) {
        table_ = std::move(table);
        return;
    }
    changing_ = true;
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
    changing_ = false;
    showCursor();
}

void LogTableModel::setTripContext(TripContext context)
{
    context_ = std::move(context);
    recheck();
}

void LogTableModel::recheck()
{
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
    }
}

void LogTableModel::setClaimMarks(ClaimMarks marks)
{
    claims_ = std::move(marks);
    recheck();
}

bool LogTableModel::isClaimed(int row) const
{
    // A row emptied since its claim is a blank row, and blank rows are never claimed.
    return table_ && row >= 0 && row < rowCount() && claims_.trips.count(table_->idAt(row)) > 0
           && !isBlankTrip(*table_, row);
}

void LogTableModel::setUnits(const LogUnits& units)
{
    units_ = units;
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    recheck();
}

void LogTableModel::leaveEditedRow()
{
    const int row = std::exchange(editedRow_, -1);
    if (!table_ || row < 0 || row >= rowCount()) {
        return;
    }
    const TripRows before = tripRows(*table_, row, 1);
    const bool routed = fillFromRoute(row, -1);
    if (!fillTrip(*table_, row, tripRates()).empty() || routed) {
        if (recorder_) recorder_->rowEdited(*table_, row, -1, before);
        rowsChanged(row, row);
        emit changeFinished();
    }
}

void LogTableModel::rowsChanged(int first, int last)
{
    // A row's odometer readings are compared with the row below it too.
    last = std::min(last + 1, rowCount() - 1);
    if (first <= last) {
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
    }
}

void LogTableModel::fillAfterEdit(int row, int column, bool wasBlank)
{
    if (wasBlank && !isBlankTrip(*table_, row)) {
        carryOdometer(*table_, row);
    }
    // A fill the user has just cleared stays cleared while they are on the row.
    const bool cleared = (column == TripField::Mileage || column == TripField::Reimbursement)
                         && !holdsTripValue(table_->valueAt(row, column));
    fillFromRoute(row, cleared ? column : -1);
    fillTrip(*table_, row, tripRates(), cleared ? column : -1);
    editedRow_ = row;
}

bool LogTableModel::fillFromRoute(int row, int keepField)
{
    if (!context_.routeDistance || keepField == TripField::Mileage
        || holdsTripValue(table_->valueAt(row, TripField::Mileage))
        || mileageFromOdometer(table_->valueAt(row, TripField::OdometerStart),
                               table_->valueAt(row, TripField::OdometerEnd))) {
        return false;
    }
    const std::optional<double> distance =
        context_.routeDistance(table_->valueAt(row, TripField::From).toString(),
                               table_->valueAt(row, TripField::To).toString());
    if (!distance || *distance == 0.0) {
        return false;
    }
    table_->setValueAt(row, TripField::Mileage, *distance);
    routeFills_.insert(table_->idAt(row), *distance);
    return true;
}

QString LogTableModel::routeNote(int row) const
{
    const auto it = routeFills_.constFind(table_->idAt(row));
    const QVariant mileage = table_->valueAt(row, TripField::Mileage);
    if (it == routeFills_.constEnd() || mileage.isNull() || mileage.toDouble() != *it) {
        return QString();
    }
    // The unit is named, so that the note's number is not read as a count of trips.
    const QString note = units_.distance == DistanceUnit::Kilometres
                             ? tr("From the route %1 \u2192 %2 (%3 km)")
                             : tr("From the route %1 \u2192 %2 (%3 mi)");
    return note.arg(table_->valueAt(row, TripField::From).toString().trimmed(),
                    table_->valueAt(row, TripField::To).toString().trimmed(),
                    numberLocale().toString(*it, 'g', 15));
}

void LogTableModel::refuse(const QModelIndex& index)
{
    const QString name = QCoreApplication::translate(
        "LogTable",
        LogTable::fields()[static_cast<std::size_t>(index.column())].name.toUtf8().constData());
    emit inputRefused(
        index, tr("%1 takes a number, for example %2").arg(name, numberLocale().toString(12.5)));
}

void LogTableModel::viewMoved(const QModelIndex& current)
{
    if (changing_ || !table_ || !current.isValid() || !table_->isOpen()) {
        return;
    }
    if (editedRow_ >= 0 && current.row() != editedRow_) {
        leaveEditedRow();
    }
    if (current.row() < table_->RecordCount()) {
        table_->setPosition(current.row());
    }
}

void LogTableModel::showCursor()
{
    const int row = table_ ? table_->position() : -1;
    changing_ = true;
    emit cursorMoved(row);
    changing_ = false;
}

bool LogTableModel::deleteCurrentRow()
{
    if (!table_ || rebuildDepth_ > 0) {
        return false;
    }
    const int row = table_->position();
    if (row < 0) {
        return false;
    }
    leaveEditedRow();
    if (recorder_) recorder_->rowDeleting(*table_, row);
    changing_ = true;
    beginRemoveRows(QModelIndex(), row, row);
    table_->Delete();
    endRemoveRows();
    changing_ = false;
    const int count = table_->RecordCount();
    if (count > 0) {
        table_->setPosition(std::min(row, count - 1));
    }
    showCursor();
    emit changeFinished();
    return true;
}

void LogTableModel::insertRow(int row, const std::vector<QVariant>& values)
{
    if (!table_) {
        return;
    }
    if (rebuildDepth_ > 0) {
        table_->insertRow(row, values);
        return;
    }
    if (row < 0 || row > table_->RecordCount()) {
        // Let the table report the bad position without announcing a phantom row.
        table_->insertRow(row, values);
        return;
    }
    leaveEditedRow();
    changing_ = true;
    beginInsertRows(QModelIndex(), row, row);
    try {
        table_->insertRow(row, values);
    } catch (...) {
        endInsertRows();
        changing_ = false;
        throw;
    }
    endInsertRows();
    changing_ = false;
    if (recorder_) recorder_->rowInserted(*table_, row);
    showCursor();
    emit changeFinished();
}

void LogTableModel::rewriteRow(int row, const std::vector<QVariant>& values)
{
    if (!table_ || row < 0 || row >= rowCount() || rebuildDepth_ > 0) {
        return;
    }
    leaveEditedRow();
    const TripRows before = tripRows(*table_, row, 1);
    const int count = std::min(table_->fieldCount(), static_cast<int>(values.size()));
    for (int k = 0; k < count; ++k) {
        table_->setValueAt(row, k, values[static_cast<std::size_t>(k)]);
    }
    if (recorder_) recorder_->rowEdited(*table_, row, -1, before);
    rowsChanged(row, row);
    emit changeFinished();
}

void LogTableModel::replaceRows(int first, int count, const TripRows& rows)
{
    // A fill still due on the row the user edited belongs to the change being undone.
    editedRow_ = -1;
    if (table_ && table_->isOpen() && rebuildDepth_ == 0) {
        first = std::clamp(first, 0, table_->RecordCount());
        count = std::clamp(count, 0, table_->RecordCount() - first);
        if (count == 1 && rows.size() == 1 && table_->idAt(first) == rows.ids.front()) {
            replaceInPlace(first, rows);
        } else {
            removeRows(first, count);
            insertRows(first, rows);
        }
        if (table_->RecordCount() > 0) {
            table_->setPosition(std::min(first, table_->RecordCount() - 1));
        }
        showCursor();
    }
    emit changeFinished();
}

void LogTableModel::replaceInPlace(int row, const TripRows& rows)
{
    const std::vector<QVariant> values = rows.row(0);
    for (int k = 0; k < table_->fieldCount() && k < static_cast<int>(values.size()); ++k) {
        table_->setValueAt(row, k, values[static_cast<std::size_t>(k)]);
    }
    rowsChanged(row, row);
}

void LogTableModel::removeRows(int first, int count)
{
    if (count <= 0) {
        return;
    }
    changing_ = true;
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    // From the last one, so that no row behind them moves more than once.
    for (int r = first + count - 1; r >= first; --r) {
        table_->setPosition(r);
        table_->Delete();
    }
    endRemoveRows();
    changing_ = false;
}

void LogTableModel::insertRows(int first, const TripRows& rows)
{
    if (rows.empty()) {
        return;
    }
    changing_ = true;
    beginInsertRows(QModelIndex(), first, first + rows.size() - 1);
    int done = 0;
    try {
        for (; done < rows.size(); ++done) {
            table_->insertRow(first + done, rows.row(done),
                              rows.ids[static_cast<std::size_t>(done)]);
        }
    } catch (const LogTableError&) {
        // Values that came out of the table go back in; should one not, the grid must
        // still be told only of the rows that arrived.
        endInsertRows();
        changing_ = false;
        if (done < rows.size()) {
            beginResetModel();
            endResetModel();
        }
        return;
    }
    endInsertRows();
    changing_ = false;
}

LogTableModel::Rebuild::Rebuild(LogTableModel& model) : model_(model)
{
    if (model_.rebuildDepth_++ == 0) {
        model_.leaveEditedRow();
        if (model_.recorder_ && model_.table_ && model_.table_->isOpen()) {
            model_.recorder_->tableChanging(*model_.table_);
        }
        model_.changing_ = true;
        model_.beginResetModel();
    }
}

LogTableModel::Rebuild::~Rebuild()
{
    if (--model_.rebuildDepth_ == 0) {
        model_.endResetModel();
        model_.changing_ = false;
        if (model_.recorder_ && model_.table_ && model_.table_->isOpen()) {
            try {
                model_.recorder_->tableChanged(*model_.table_);
            } catch (const std::exception&) {
                // Without memory for its history the change stands; it only cannot be undone.
            }
        }
        model_.showCursor();
        emit model_.changeFinished();
    }
}

int LogTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_ || !table_->isOpen()) {
        return 0;
    }
    return table_->RecordCount();
}

int LogTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_) {
        return 0;
    }
    return table_->fieldCount();
}

QVariant LogTableModel::cell(int row, int column) const
{
    if (!table_ || row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return QVariant();
    }
    return table_->valueAt(row, column);
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return QVariant();
    }
    if (role == Qt::TextAlignmentRole && table_ && isNumberField(*table_, index.column())) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::BackgroundRole || role == Qt::ToolTipRole
        || role == Qt::AccessibleDescriptionRole) {
        const QVariant warning = warningData(index, role);
        return warning.isValid() ? warning : claimData(index, role);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return QVariant();
    }
    const QVariant value = cell(index.row(), index.column());
    if (value.isNull()) {
        return QString();
    }
    if (isNumberField(*table_, index.column())) {
        // Text even for editing: a spin box editor would cap the range and the decimals.
        return numberLocale().toString(value.toDouble(), 'g', 15);
    }
    return value.toString();
}

bool LogTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()
        || index.column() >= columnCount()) {
        return false;
    }
    QVariant stored = value;
    if (isNumberField(*table_, index.column()) && value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.isEmpty()) {
            stored = QVariant();
        } else {
            // What the grid shows reads back, in the locale's own digits, signs and
            // exponent; only finite numbers are numbers.
            const std::optional<double> number = ss::entry::readNumber(text, numberLocale());
            if (!number) {
                refuse(index);
                return false;
            }
            stored = *number;
        }
    } else if (!isNumberField(*table_, index.column())
               && value.toString().size() > LogTable::kTextSize) {
        return false;
    }
    const bool wasBlank = isBlankTrip(*table_, index.row());
    const TripRows before = tripRows(*table_, index.row(), 1);
    try {
        table_->setValueAt(index.row(), index.column(), stored);
    } catch (const LogTableError&) {
        return false;
    }
    fillAfterEdit(index.row(), index.column(), wasBlank);
    if (recorder_) recorder_->rowEdited(*table_, index.row(), index.column(), before);
    rowsChanged(index.row(), index.row());
    emit changeFinished();
    return true;
}

QVariant LogTableModel::warningData(const QModelIndex& index, int role) const
{
    if (!table_ || index.row() >= rowCount() || index.column() >= columnCount()) {
        return QVariant();
    }
    const TripPeriod period = context_.period ? context_.period() : TripPeriod{};
    QStringList texts;
    const TripRates rates = tripRates();
    std::optional<double> driven;
    if (rates.schedule.dependsOnDistance()) {
        if (!driven_) driven_ = rates.drivenBeforeEach(*table_);
        if (static_cast<std::size_t>(index.row()) < driven_->size())
            driven = (*driven_)[static_cast<std::size_t>(index.row())];
    }
    for (const TripWarning& warning :
         tripWarnings(*table_, index.row(), period, rates, {}, driven)) {
        if (warning.field == index.column()) texts << warning.text;
    }
    if (texts.isEmpty()) {
        // Warnings come first; the route a Mileage came from is the next thing worth saying.
        const QString note = index.column() == TripField::Mileage && role != Qt::BackgroundRole
                                 ? routeNote(index.row())
                                 : QString();
        return note.isEmpty() ? QVariant() : QVariant(note);
    }
    if (role == Qt::BackgroundRole) {
        return QBrush(kWarningTint);
    }
    return texts.join(QLatin1Char('\n'));
}

QVariant LogTableModel::claimData(const QModelIndex& index, int role) const
{
    if (!isClaimed(index.row())) {
        return QVariant();
    }
    if (role == Qt::BackgroundRole) {
        return QBrush(kClaimTint);
    }
    const QString note = claims_.note ? claims_.note(table_->idAt(index.row())) : QString();
    return note.isEmpty() ? QVariant() : QVariant(note);
}

Qt::ItemFlags LogTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0) {
        return QVariant();
    }
    if (orientation == Qt::Horizontal) {
        const auto& fields = LogTable::fields();
        if (section >= columnCount() || section >= static_cast<int>(fields.size())) {
            return QVariant();
        }
        return fieldCaption(section, units_.distance);
    }
    return section < rowCount() ? QVariant(section + 1) : QVariant();
}

} // namespace bw
