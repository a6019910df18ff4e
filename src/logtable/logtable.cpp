// The in-memory trip table: its eight fields, rows, cursor and bookmarks.
#include "logtable/logtable.h"

#include "logtable/tripfills.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>

namespace bw {

namespace {

std::atomic<std::uint64_t> nextSerial{1};

// The errors of a row or cursor out of range, as the designed recordset words them.
[[noreturn]] void throwNoRecord()
{
    throw LogTableError(
        QCoreApplication::translate(
            "LogTable", "Either BOF or EOF is True, or the current record has been deleted.")
            .toStdString());
}

[[noreturn]] void throwNoItem()
{
    throw LogTableError(QCoreApplication::translate(
                            "LogTable",
                            "Item cannot be found in the collection corresponding to the requested "
                            "name or ordinal.")
                            .toStdString());
}

[[noreturn]] void throwStepErrors()
{
    throw LogTableError(
        QCoreApplication::translate(
            "LogTable", "Multiple-step operation generated errors. Check each status value.")
            .toStdString());
}

[[noreturn]] void throwNoCurrentRecord()
{
    throw LogTableError(QCoreApplication::translate(
                            "LogTable",
                            "Either BOF or EOF is True, or the current record has been deleted. "
                            "Requested operation requires a current record.")
                            .toStdString());
}

} // namespace

LogTable::Serial::Serial() : value(nextSerial++) {}

QString tripLimitMessage(const QString& consequence)
{
    return QCoreApplication::translate("LogTable", "A mileage log holds at most %1 trips. %2")
        .arg(QLocale(QLocale::English).toString(kMaxTrips), consequence);
}

const std::vector<LogTable::Field>& LogTable::fields()
{
    // The fields' names stay the English captions the log keeps.
    static const std::vector<Field> all = [] {
        std::vector<Field> made;
        for (const TripFieldInfo& field : kTripFields) {
            made.push_back({QString::fromLatin1(field.caption),
                            field.numeric ? FieldType::Double : FieldType::Text,
                            field.numeric ? kNumberSize : kTextSize});
        }
        return made;
    }();
    return all;
}

namespace {

constexpr const char* kKilometresCaption = QT_TRANSLATE_NOOP("LogTable", "Kilometres");

const char* captionSource(int field, DistanceUnit unit)
{
    if (field < 0 || field >= Trip::kFieldCount) return nullptr;
    if (field == TripField::Mileage && unit == DistanceUnit::Kilometres) return kKilometresCaption;
    return kTripFields[static_cast<std::size_t>(field)].caption;
}

} // namespace

QString fieldCaption(int field, DistanceUnit unit)
{
    const char* source = captionSource(field, unit);
    return source ? QCoreApplication::translate("LogTable", source) : QString();
}

QString englishFieldCaption(int field, DistanceUnit unit)
{
    const char* source = captionSource(field, unit);
    return source ? QString::fromLatin1(source) : QString();
}

int LogTable::fieldIndex(const QString& name)
{
    const auto& all = fields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

void LogTable::appendField(const Field& field)
{
    if (open_) {
        throw LogTableError(QCoreApplication::translate(
                                "LogTable", "Operation is not allowed when the object is open.")
                                .toStdString());
    }
    // A row holds the trip's fields in their places: a text field where a trip has text.
    const int slot = fieldCount();
    if (slot >= kFieldCount || (field.type == FieldType::Text) != TripCells::isText(slot))
        throwNoItem();
    fields_.push_back(field);
}

void LogTable::open()
{
    if (open_) {
        throw LogTableError(QCoreApplication::translate(
                                "LogTable", "Operation is not allowed when the object is open.")
                                .toStdString());
    }
    open_ = true;
    cursor_ = -1;
}

void LogTable::openWithTripFields()
{
    for (const Field& field : fields()) appendField(field);
    open();
}

void LogTable::requireOpen() const
{
    if (!open_) {
        throw LogTableError(QCoreApplication::translate(
                                "LogTable", "Operation is not allowed when the object is closed.")
                                .toStdString());
    }
}

bool LogTable::Bof() const
{
    requireOpen();
    return !deletedCurrent_ && (rows_.empty() || cursor_ < 0);
}

bool LogTable::Eof() const
{
    requireOpen();
    return !deletedCurrent_ && (rows_.empty() || cursor_ >= static_cast<long long>(rows_.size()));
}

int LogTable::position() const
{
    if (!open_ || deletedCurrent_ || cursor_ < 0
        || cursor_ >= static_cast<long long>(rows_.size())) {
        return -1;
    }
    return static_cast<int>(cursor_);
}

void LogTable::setPosition(int row)
{
    requireOpen();
    if (row < 0 || row >= RecordCount()) throwNoRecord();
    cursor_ = row;
    deletedCurrent_ = false;
}

void LogTable::AddNew()
{
    requireOpen();
    const double order = rows_.empty() ? 1.0 : rows_.back().order + 1.0;
    Row row{nextId_++, TripCells(), order};
    rows_.push_back(std::move(row));
    cursor_ = static_cast<long long>(rows_.size()) - 1;
    deletedCurrent_ = false;
    touch(rows_.size() - 1);
}

const LogTable::Row& LogTable::current() const
{
    requireOpen();
    if (deletedCurrent_) {
        throw LogTableError(
            QCoreApplication::translate(
                "LogTable", "Row handle referred to a deleted row or a row marked for deletion.")
                .toStdString());
    }
    if (cursor_ < 0 || cursor_ >= static_cast<long long>(rows_.size())) throwNoCurrentRecord();
    return rows_[static_cast<std::size_t>(cursor_)];
}

LogTable::Row& LogTable::current()
{
    return const_cast<Row&>(static_cast<const LogTable*>(this)->current());
}

void LogTable::Delete()
{
    const Bookmark id = current().id;
    rows_.erase(rows_.begin() + cursor_);
    touched_.erase(id);
    removed_.insert(id);
    // The cursor stays on the deleted row until it moves; the next move reaches the row
    // that followed it.
    deletedCurrent_ = true;
}

void LogTable::MoveFirst()
{
    requireOpen();
    cursor_ = 0;
    deletedCurrent_ = false;
}

void LogTable::MoveNext()
{
    requireOpen();
    if (deletedCurrent_) {
        deletedCurrent_ = false;
        return;
    }
    if (Eof()) throwNoCurrentRecord();
    ++cursor_;
}

void LogTable::Move(int offset)
{
    requireOpen();
    const long long base = deletedCurrent_ ? cursor_ - 1 : cursor_;
    const long long target = base + offset;
    if (target < -1 || target > static_cast<long long>(rows_.size())) throwNoCurrentRecord();
    cursor_ = target;
    deletedCurrent_ = false;
}

LogTable::Bookmark LogTable::bookmark() const { return current().id; }

void LogTable::setBookmark(Bookmark b)
{
    requireOpen();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == b) {
            cursor_ = static_cast<long long>(i);
            deletedCurrent_ = false;
            return;
        }
    }
    throw LogTableError(
        QCoreApplication::translate("LogTable", "The bookmark is invalid.").toStdString());
}

void LogTable::put(TripCells& cells, int field, const QVariant& v) const
{
    if (field < 0 || field >= fieldCount()) throwNoItem();
    if (v.isNull() || !v.isValid()) {
        cells.setNull(field);
        return;
    }
    const Field& f = fields_[static_cast<std::size_t>(field)];
    if (f.type == FieldType::Text) {
        QString text = v.toString();
        if (text.size() > f.definedSize) throwStepErrors();
        cells.setText(field, std::move(text));
        return;
    }
    bool ok = false;
    const double d =
        v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
    // An infinity or NaN would be stored as text no reader takes for a number.
    if (!ok || !std::isfinite(d)) throwStepErrors();
    cells.setNumber(field, d);
}

QVariant LogTable::value(int field) const
{
    const Row& row = current();
    if (field < 0 || field >= fieldCount()) throwNoItem();
    return row.cells.field(field);
}

void LogTable::setValue(int field, const QVariant& v)
{
    put(current().cells, field, v);
    touch(static_cast<std::size_t>(cursor_));
}

QVariant LogTable::value(const QString& fieldName) const { return value(fieldIndex(fieldName)); }

void LogTable::setValue(const QString& fieldName, const QVariant& v)
{
    setValue(fieldIndex(fieldName), v);
}

QVariant LogTable::valueAt(int row, int field) const
{
    requireOpen();
    if (row < 0 || row >= RecordCount() || field < 0 || field >= fieldCount()) throwNoRecord();
    return rows_[static_cast<std::size_t>(row)].cells.field(field);
}

void LogTable::setValueAt(int row, int field, const QVariant& v)
{
    requireOpen();
    if (row < 0 || row >= RecordCount()) throwNoRecord();
    put(rows_[static_cast<std::size_t>(row)].cells, field, v);
    touch(static_cast<std::size_t>(row));
}

void LogTable::insertRow(int row, const std::vector<QVariant>& values, Bookmark id)
{
    requireOpen();
    if (row < 0 || row > RecordCount()) throwNoRecord();
    if (id == 0) {
        id = nextId_++;
    } else {
        nextId_ = std::max(nextId_, id + 1);
    }
    Row fresh{id, TripCells(), 0.0};
    for (std::size_t i = 0; i < values.size() && i < fields_.size(); ++i) {
        put(fresh.cells, static_cast<int>(i), values[i]);
    }
    rows_.insert(rows_.begin() + row, std::move(fresh));
    cursor_ = row;
    deletedCurrent_ = false;
    removed_.erase(id);
    rows_[static_cast<std::size_t>(row)].order = orderFor(static_cast<std::size_t>(row));
    touch(static_cast<std::size_t>(row));
}

LogTable::Bookmark LogTable::idAt(int row) const
{
    if (row < 0 || row >= RecordCount()) throwNoRecord();
    return rows_[static_cast<std::size_t>(row)].id;
}

int LogTable::rowOf(Bookmark id) const
{
    const auto found =
        std::find_if(rows_.begin(), rows_.end(), [id](const Row& row) { return row.id == id; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

double LogTable::orderAt(int row) const
{
    if (row < 0 || row >= RecordCount()) throwNoRecord();
    return rows_[static_cast<std::size_t>(row)].order;
}

void LogTable::appendKept(Bookmark id, double order, const std::vector<QVariant>& values)
{
    requireOpen();
    TripCells cells;
    for (std::size_t i = 0; i < values.size() && i < fields_.size(); ++i) {
        put(cells, static_cast<int>(i), values[i]);
    }
    nextId_ = std::max(nextId_, id + 1);
    rows_.push_back(Row{id, std::move(cells), order});
}

void LogTable::appendKeptCells(Bookmark id, double order, TripCells cells)
{
    requireOpen();
    // Fields of the right size are taken as they are: a long log loads quickly.
    for (int k = 0; k < kFieldCount; ++k) {
        if (k >= fieldCount()) {
            cells.setNull(k);
        } else if (cells.isNull(k)) {
        } else if (TripCells::isText(k)) {
            const QString& text = cells.texts[static_cast<std::size_t>(k)];
            if (text.size() > fields_[static_cast<std::size_t>(k)].definedSize) throwStepErrors();
        } else if (!std::isfinite(
                       cells.numbers[static_cast<std::size_t>(k - TripCells::kTextCount)])) {
            throwStepErrors();
        }
    }
    nextId_ = std::max(nextId_, id + 1);
    rows_.push_back(Row{id, std::move(cells), order});
}

void LogTable::reserve(int rows) { rows_.reserve(static_cast<std::size_t>(std::max(rows, 0))); }

void LogTable::touch(std::size_t row) { touched_[rows_[row].id] = row; }

// The order key of the row at `row` between its neighbours' keys. When no number fits
// between them any more, every row is renumbered (and so written again): rare, since
// each insert between two rows halves their gap and doubles have 52 bits of it.
double LogTable::orderFor(std::size_t row)
{
    const bool hasBefore = row > 0;
    const bool hasAfter = row + 1 < rows_.size();
    if (!hasBefore && !hasAfter) return 1.0;
    if (!hasAfter) return rows_[row - 1].order + 1.0;
    if (!hasBefore) return rows_[row + 1].order - 1.0;
    const double before = rows_[row - 1].order;
    const double after = rows_[row + 1].order;
    const double middle = before + (after - before) / 2;
    if (before < middle && middle < after) return middle;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].order = static_cast<double>(i + 1);
        touch(i);
    }
    return rows_[row].order;
}

LogTable::Journal LogTable::journal() const
{
    Journal out;
    out.removed.assign(removed_.begin(), removed_.end());
    bool stale = false;
    for (const auto& [id, row] : touched_) {
        if (row < rows_.size() && rows_[row].id == id) {
            out.rows.push_back(static_cast<int>(row));
        } else {
            stale = true; // rows moved since: look the ids up in one pass
        }
    }
    if (stale) {
        out.rows.clear();
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (touched_.count(rows_[i].id) != 0) out.rows.push_back(static_cast<int>(i));
        }
    }
    std::sort(out.rows.begin(), out.rows.end());
    return out;
}

void LogTable::clearJournal()
{
    touched_.clear();
    removed_.clear();
}

} // namespace bw
