// The blank trip as an SQL function, answering as isBlankTrip does for the grid's values.
#include "logstore/blanktripsql.h"

#include "core/blanktrip.h"
#include "logstore/logdatabase.h"
#include "logstore/sqlite.h"

#include <QByteArrayView>
#include <QString>

namespace bw {

namespace {

// Whether argument `field` holds something, as holdsTripValue says of the value the grid
// would have: the two number fields come as numbers, or as their text in a claim's
// snapshot.
bool holdsField(const sql::FunctionArgs& args, int field)
{
    if (args.isNull(field)) return false;
    const bool numberField = isNumericField(field);
    if (numberField && args.isNumber(field)) return holdsTripValue(args.doubleAt(field));
    const QByteArrayView utf8 = args.utf8At(field);
    bool number = false;
    const double parsed = numberField ? utf8.toDouble(&number) : 0.0;
    if (number) return holdsTripValue(parsed);
    // Most fields that hold something start with a visible ASCII character, which no
    // trimming takes away: that decides without decoding the text.
    if (!utf8.isEmpty() && utf8.front() > ' ' && utf8.front() < 0x7f) return true;
    return holdsTripValue(QString::fromUtf8(utf8));
}

qint64 blankTrip(const sql::FunctionArgs& args)
{
    for (int k = 0; k < args.count() && k < Trip::kFieldCount; ++k) {
        if (holdsField(args, k)) return 0;
    }
    return 1;
}

} // namespace

void addBlankTripFunction(sql::Database& db)
{
    db.addFunction("blank_trip", Trip::kFieldCount, blankTrip);
}

const QByteArray& blankTripCall()
{
    static const QByteArray call = "blank_trip(" + tripColumns() + ")";
    return call;
}

} // namespace bw
