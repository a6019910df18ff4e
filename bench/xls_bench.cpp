// Writing and reading the report-like workbook: a header row, N trip rows of six texts
// and two numbers, and a totals row of SUM formulas. Run with
// --benchmark_repetitions=5 --benchmark_report_aggregates_only=true for medians;
// bench/xls_peer.py sets the same sheet against python3-xlwt.
#include "spreadsheet/model/formulatree.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace bw::ss;

namespace {

formula::Node columnSum(int col, int first, int last)
{
    formula::Node area;
    area.kind = formula::Node::Kind::AreaRef;
    area.ref = {first, col, true, true};
    area.refLast = {last, col, true, true};
    formula::Node sum;
    sum.kind = formula::Node::Kind::Function;
    sum.text = QStringLiteral("SUM");
    sum.children.push_back(area);
    return sum;
}

std::unique_ptr<Workbook> tripBook(int trips)
{
    auto book = std::make_unique<Workbook>();
    Worksheet& s = book->addSheet(QStringLiteral("Mileage Log and Reimbursement"));
    CellFormat headerFormat;
    headerFormat.font.bold = true;
    headerFormat.fillColorIndex = 16;
    CellFormat money;
    money.numberFormat = QStringLiteral("$#,##0.00");
    const FormatId header = book->formats().intern(headerFormat);
    const FormatId currency = book->formats().intern(money);
    const char* titles[] = {
        "Date",           "Starting Location", "Destination", "Description/Notes",
        "Odometer Start", "Odometer End",      "Mileage",     "Reimbursement"};
    for (int c = 0; c < 8; ++c) {
        s.setValue({0, c}, Value::text(QString::fromLatin1(titles[c])));
        s.setCellFormat({0, c}, header);
    }
    double miles = 0;
    double amount = 0;
    for (int t = 0; t < trips; ++t) {
        const int r = 1 + t;
        s.setValue({r, 0}, Value::text(QStringLiteral("1/%1/2026").arg(t % 28 + 1)));
        s.setValue({r, 1}, Value::text(QStringLiteral("Office %1").arg(t % 7)));
        s.setValue({r, 2}, Value::text(QStringLiteral("Client site %1").arg(t)));
        s.setValue({r, 3}, Value::text(QStringLiteral("Visit number %1").arg(t)));
        s.setValue({r, 4}, Value::text(QString::number(10000 + 40 * t)));
        s.setValue({r, 5}, Value::text(QString::number(10025 + 40 * t)));
        s.setValue({r, 6}, Value::number(25 + t % 10));
        s.setValue({r, 7}, Value::number((25 + t % 10) * 0.655));
        s.setCellFormat({r, 7}, currency);
        miles += 25 + t % 10;
        amount += (25 + t % 10) * 0.655;
    }
    const int total = trips + 1;
    s.setFormula({total, 6},
                 std::make_shared<const formula::Formula>(formula::Formula{columnSum(6, 1, trips)}),
                 Value::number(miles));
    s.setFormula({total, 7},
                 std::make_shared<const formula::Formula>(formula::Formula{columnSum(7, 1, trips)}),
                 Value::number(amount));
    s.setCellFormat({total, 7}, currency);
    return book;
}

void BM_WriteWorkbook(benchmark::State& state)
{
    const auto book = tripBook(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QByteArray bytes = xls::writeWorkbook(*book);
        benchmark::DoNotOptimize(bytes.constData());
    }
}

void BM_ReadWorkbook(benchmark::State& state)
{
    const QByteArray bytes = xls::writeWorkbook(*tripBook(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const auto book = xls::readWorkbook(bytes);
        benchmark::DoNotOptimize(book.get());
    }
}

} // namespace

BENCHMARK(BM_WriteWorkbook)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadWorkbook)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
