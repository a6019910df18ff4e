// The in-memory table of trips behind the grid, with its cursor and bookmarks.
#pragma once

#include "core/logunits.h"
#include "core/trip.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace bw {

// The most trips a log holds, everywhere: grid, sample data, imports, restore and report.
// The report puts trip n on sheet row 8 + n and the totals one row below; an .xls sheet
// ends at row 65,536.
inline constexpr int kMaxTrips = 65527;

// "A mileage log holds at most 65,527 trips. " followed by what that meant this time.
QString tripLimitMessage(const QString& consequence);

class LogTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The ordered, in-memory table of trips behind the grid: eight fields, any of which may
// be null, a cursor that can stand before the first row (Bof), on a row, or after the
// last row (Eof; "EOF" itself is a C macro), and bookmarks that keep naming the same row
// while rows move.
class LogTable {
public:
    enum class FieldType { Text, Double };
    struct Field {
        QString name;
        FieldType type;
        int definedSize;
    };
    static constexpr int kFieldCount = Trip::kFieldCount;
    static constexpr int kTextSize = 1024;
    static constexpr int kNumberSize = 12;
    using Bookmark = std::uint64_t;

    // The eight fields in order: Date, Starting Location, Destination, Description/Notes,
    // Odometer Start, Odometer End (text), Mileage, Reimbursement (double).
    static const std::vector<Field>& fields();
    static int fieldIndex(const QString& name); // -1 when unknown

    // --- building (CreateLogTable appends the fields, then opens) ---------------------
    void appendField(const Field& field);
    void open();
    // Appends the eight trip fields and opens the table: a new, empty trip table.
    void openWithTripFields();
    bool isOpen() const { return open_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }

    // --- rows and cursor ---------------------------------------------------------------
    int RecordCount() const { return static_cast<int>(rows_.size()); }
    bool Bof() const;
    bool Eof() const;
    // Position of the current row from 0, or -1 when the cursor is on no row.
    int position() const;
    void setPosition(int row);

    void AddNew(); // appends a row of nulls; it becomes the current row
    void Delete(); // removes the current row; the cursor then stands on no row
    void MoveFirst();
    void MoveNext();
    void Move(int offset);
    Bookmark bookmark() const; // of the current row
    void setBookmark(Bookmark b);

    // Field value of the current row: a null QVariant, a QString or a double.
    QVariant value(int field) const;
    void setValue(int field, const QVariant& v);
    QVariant value(const QString& fieldName) const;
    void setValue(const QString& fieldName, const QVariant& v);

    // Direct access by row, for the grid model (does not move the cursor).
    QVariant valueAt(int row, int field) const;
    void setValueAt(int row, int field, const QVariant& v);
    // Inserts a row of the given values at `row` (0 .. RecordCount) without moving rows'
    // bookmarks; the new row becomes current. A row's bookmark is also its lasting id:
    // `id` 0 gives it a new one; another id brings back a row that had it (a stored row, an
    // undone delete) and later new rows take ids above it.
    void insertRow(int row, const std::vector<QVariant>& values, Bookmark id = 0);
    Bookmark idAt(int row) const;
    // The row that has `id` now, or -1 when no row has it.
    int rowOf(Bookmark id) const;

    // --- the change journal, for whoever keeps the log on disk ------------------------
    // Every row has an order key: keys increase down the table, so a row written alone
    // keeps its place among rows that were not rewritten.
    double orderAt(int row) const;
    // Appends a row as it was kept: its id, order key and values; the journal stays as
    // it was (the row is already kept).
    void appendKept(Bookmark id, double order, const std::vector<QVariant>& values);
    // The same for fields read by their kinds, taken as they are when they fit the fields.
    void appendKeptCells(Bookmark id, double order, TripCells cells);
    // Room for `rows` rows, so that a long log is appended without moving the rows read.
    void reserve(int rows);
    struct Journal {
        std::vector<int> rows;         // positions of rows added or changed
        std::vector<Bookmark> removed; // ids of rows deleted
        bool empty() const { return rows.empty() && removed.empty(); }
    };
    // What changed since the last clearJournal(); rows in table order.
    Journal journal() const;
    void clearJournal();
    // A number no other table object of this process has: a table that replaced another
    // is written whole.
    std::uint64_t serial() const { return serial_.value; }

private:
    struct Row {
        Bookmark id;
        TripCells cells;
        double order = 0;
    };
    void touch(std::size_t row);
    double orderFor(std::size_t row);
    const Row& current() const;
    Row& current();
    // Stores `v` in field `field` of `cells` as the field's type takes it; throws, leaving
    // the cells as they were, for a value the field cannot hold.
    void put(TripCells& cells, int field, const QVariant& v) const;
    void requireOpen() const;

    std::vector<Field> fields_;
    std::vector<Row> rows_;
    // -1 before the first row (BOF), rows_.size() after the last (EOF).
    long long cursor_ = -1;
    Bookmark nextId_ = 1;
    bool open_ = false;
    bool deletedCurrent_ = false;
    std::unordered_map<Bookmark, std::size_t> touched_; // id -> row when last touched
    std::unordered_set<Bookmark> removed_;
    // A copy is another table (a snapshot brought back must be written whole), so it
    // takes a number of its own.
    struct Serial {
        Serial();
        Serial(const Serial&) : Serial() {}
        Serial& operator=(const Serial&)
        {
            *this = Serial();
            return *this;
        }
        Serial& operator=(Serial&&) = default;
        std::uint64_t value;
    };
    Serial serial_;
};

// The caption of field `field` in the program's language, as the grid and a CSV file show
// it; in kilometres the Mileage column says so ("Kilometres"). Empty for no field.
QString fieldCaption(int field, DistanceUnit unit = DistanceUnit::Miles);
// The English caption, whatever the language ("Kilometres" for Mileage in kilometres).
QString englishFieldCaption(int field, DistanceUnit unit = DistanceUnit::Miles);

} // namespace bw
