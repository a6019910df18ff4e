// Recalculation and typed entry at the report's size and at 10,000 rows: the cost per
// row should stay flat as the sheet grows.
#include "benchmain.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/numfmt/numfmt.h"

#include <QCoreApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

using namespace bw::ss;

// Trip rows of the report's shape: mileage and rate typed in, reimbursement computed,
// a running total that reads the row above, and column totals under the rows.
void fillTrips(Worksheet& sheet, int rows)
{
    const QLocale us(QStringLiteral("en_US"));
    for (int r = 0; r < rows; ++r) {
        formula::enterR1C1(sheet, {r, 0}, QStringLiteral("5/14/2016"), us);
        formula::enterR1C1(sheet, {r, 6}, QString::number(10 + r % 50), us);
        formula::enterR1C1(sheet, {r, 7}, QStringLiteral("=RC[-1]*0.545"), us);
        formula::enterR1C1(sheet, {r, 8},
                           r == 0 ? QStringLiteral("=RC[-1]") : QStringLiteral("=R[-1]C+RC[-1]"),
                           us);
    }
    const QString total = QStringLiteral("=SUM(R[-%1]C:R[-1]C)").arg(rows);
    formula::enterR1C1(sheet, {rows, 6}, total, us);
    formula::enterR1C1(sheet, {rows, 7}, total, us);
}

void recalculateTrips(benchmark::State& state)
{
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    fillTrips(sheet, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        formula::recalculate(sheet);
        benchmark::DoNotOptimize(sheet.cell({static_cast<int>(state.range(0)), 7})->value);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(recalculateTrips)->Arg(30)->Arg(10000)->Unit(benchmark::kMillisecond);

void enterTrips(benchmark::State& state)
{
    for (auto _ : state) {
        Workbook book;
        Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
        fillTrips(sheet, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(sheet.cell({0, 0}));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(enterTrips)->Arg(30)->Arg(10000)->Unit(benchmark::kMillisecond);

void formatCurrency(benchmark::State& state)
{
    const QString code = QStringLiteral("$#,##0.00");
    double v = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numfmt::format(Value::number(v), code));
        v += 1.25;
    }
}
BENCHMARK(formatCurrency);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QCoreApplication>(argc, argv); }
