// libFuzzer target of the CSV importer. What it reads must place into a table, export,
// and import again as the same trips without a problem.
#include "logtable/logtable.h"
#include "logtable/numbertext.h"
#include "logtable/tabletrip.h"
#include "logtable/tripcsv.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Enough rows to reach every fill; more only slows the run.
constexpr int kRows = 200;

[[noreturn]] void fail(const char* what)
{
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

// Numbers are kept to 15 significant digits, as the log has always stored them.
bool sameTrip(const bw::Trip& a, const bw::Trip& b)
{
    for (int k = 0; k < bw::Trip::kFieldCount; ++k) {
        const QVariant& x = a.field(k);
        const QVariant& y = b.field(k);
        const bool numbers = x.typeId() == QMetaType::Double && y.typeId() == QMetaType::Double;
        if (numbers ? bw::storedNumberText(x.toDouble()) != bw::storedNumberText(y.toDouble())
                    : x != y)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bw::TripImport read = bw::readTripsCsv(bytes, us);
    if (read.trips.empty()) return 0;

    bw::LogTable table;
    table.openWithTripFields();
    bw::placeTrips(table, read.trips, QStringLiteral("0.5"), kRows, us);
    const bw::TripImport again = bw::readTripsCsv(bw::writeTripsCsv(table, us), us);
    if (!again.failure.isEmpty() || !again.problems.empty()) fail("an exported file reads badly");
    std::size_t next = 0;
    for (int row = 0; row < table.RecordCount(); ++row) {
        const bw::Trip trip = bw::tripAt(table, row);
        if (bw::isBlankTrip(trip)) continue;
        if (next >= again.trips.size() || !sameTrip(again.trips[next++], trip))
            fail("an exported trip reads back otherwise");
    }
    if (next != again.trips.size()) fail("the export holds other trips");
    return 0;
}
