// Pictures of sheets: the report-sized sheet the preview shows, and a long one.
#include "benchmain.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/render.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using namespace bw::ss;

void formatRange(Worksheet& sheet, const CellRange& range,
                 const std::function<void(CellFormat&)>& change)
{
    FormatTable& formats = sheet.workbook().formats();
    for (int row = range.first.row; row <= range.last.row; ++row) {
        for (int col = range.first.col; col <= range.last.col; ++col) {
            CellFormat f = formats.get(sheet.formatAt({row, col}));
            change(f);
            sheet.setCellFormat({row, col}, formats.intern(f));
        }
    }
}

// Eight report-like columns: texts, a currency column, a filled and ruled number grid.
void fillSheet(Worksheet& sheet, int rows)
{
    const double widths[] = {20.14, 20.43, 22.14, 25.14, 10.14, 10.14, 10.29, 15.86};
    for (int col = 0; col < 8; ++col) sheet.setColumnWidth(col, widths[col]);
    for (int row = 0; row < rows; ++row) {
        sheet.setValue({row, 0}, Value::text(QStringLiteral("01/%1/2024").arg(row % 28 + 1)));
        sheet.setValue({row, 1}, Value::text(QStringLiteral("Head office")));
        sheet.setValue({row, 2}, Value::text(QStringLiteral("Customer site %1").arg(row)));
        sheet.setValue({row, 3}, Value::text(QStringLiteral(
                                     "Quarterly visit with a longer note that runs on")));
        sheet.setValue({row, 6}, Value::number(12.5 + row));
        sheet.setValue({row, 7}, Value::number((12.5 + row) * 0.545));
    }
    formatRange(sheet, CellRange{{0, 6}, {rows - 1, 7}}, [](CellFormat& f) {
        f.fillColorIndex = 15;
        for (Border& b : f.borders) b = Border{kLineContinuous, kColorAutomatic};
    });
    formatRange(sheet, CellRange{{0, 7}, {rows - 1, 7}},
                [](CellFormat& f) { f.numberFormat = QStringLiteral("$#,##0.00"); });
}

void renderSheet(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    fillSheet(sheet, rows);
    const CellRange range{{0, 0}, {rows - 1, 7}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(render::renderRange(sheet, range));
    }
}
BENCHMARK(renderSheet)->Arg(40)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QGuiApplication>(argc, argv); }
