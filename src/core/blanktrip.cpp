// What a blank trip is, in C++ and as an SQL function over the stored columns.
#include "core/blanktrip.h"

#include <QByteArrayView>
#include <QString>

#include <sqlite3.h>

namespace bw {

namespace {

// Mileage and Reimbursement, in the grid's column order.
constexpr int kFirstNumberField = 6;

// Whether the value of field `field` holds something, as holdsTripValue says of the value
// the grid would have: the two number fields come as numbers, or as their text in a
// claim's snapshot.
bool holdsField(sqlite3_value* value, int field)
{
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_NULL) return false;
    const bool numberField = field >= kFirstNumberField;
    if (numberField && (type == SQLITE_INTEGER || type == SQLITE_FLOAT))
        return holdsTripValue(sqlite3_value_double(value));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const QByteArrayView utf8(text, text ? sqlite3_value_bytes(value) : 0);
    bool number = false;
    const double parsed = numberField ? utf8.toDouble(&number) : 0.0;
    if (number) return holdsTripValue(parsed);
    // Most fields that hold something start with a visible ASCII character, which no
    // trimming takes away: that decides without decoding the text.
    if (!utf8.isEmpty() && utf8.front() > ' ' && utf8.front() < 0x7f) return true;
    return holdsTripValue(QString::fromUtf8(utf8));
}

void blankTripSql(sqlite3_context* context, int count, sqlite3_value** values)
{
    for (int k = 0; k < count && k < Trip::kFieldCount; ++k) {
        if (holdsField(values[k], k)) {
            sqlite3_result_int(context, 0);
            return;
        }
    }
    sqlite3_result_int(context, 1);
}

} // namespace

bool holdsTripValue(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return false;
    if (value.typeId() == QMetaType::Double) return value.toDouble() != 0.0;
    return !value.toString().trimmed().isEmpty();
}

bool isBlankTrip(const Trip& trip)
{
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        if (holdsTripValue(trip.field(k))) return false;
    }
    return true;
}

bool addBlankTripFunction(sqlite3* db)
{
    return sqlite3_create_function_v2(db, "blank_trip", Trip::kFieldCount,
                                      SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                      nullptr, blankTripSql, nullptr, nullptr, nullptr)
           == SQLITE_OK;
}

} // namespace bw
