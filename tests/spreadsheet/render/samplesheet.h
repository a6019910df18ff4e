// The sample sheet and formatting helpers of the render tests.
#pragma once

#include "spreadsheet/model/workbook.h"

#include <functional>

namespace bw::ss::test {

// Changes the format of every cell of `range`, as selecting it and setting a property
// does.
inline void formatCells(Worksheet& sheet, const CellRange& range,
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

// Outer edges of the range, plus the lines between its rows and/or columns.
inline void drawBorders(Worksheet& sheet, const CellRange& range, bool insideHorizontal,
                        bool insideVertical, int colorIndex = kColorAutomatic)
{
    const Border line{kLineContinuous, colorIndex};
    for (int row = range.first.row; row <= range.last.row; ++row) {
        for (int col = range.first.col; col <= range.last.col; ++col) {
            formatCells(sheet, CellRange::single({row, col}), [&](CellFormat& f) {
                if (col == range.first.col || insideVertical) f.border(Edge::Left) = line;
                if (col == range.last.col || insideVertical) f.border(Edge::Right) = line;
                if (row == range.first.row || insideHorizontal) f.border(Edge::Top) = line;
                if (row == range.last.row || insideHorizontal) f.border(Edge::Bottom) = line;
            });
        }
    }
}

// A small sheet in the style of the mileage report: a bold title running over empty
// cells, a grey header row with white bold wrapped centred texts, currency amounts, a
// number too wide for its column, left- and right-aligned texts running over their
// neighbours, a merged and filled totals label, a grey grid, a boolean and an error.
// Its picture is the range A1:F8.
inline void buildSampleSheet(Worksheet& sheet)
{
    sheet.setColumnWidth(0, 20.14);
    sheet.setColumnWidth(1, 10.14);
    sheet.setColumnWidth(3, 12.0);
    sheet.setColumnWidth(4, 12.0);
    sheet.setColumnWidth(5, 10.29);
    sheet.setRowHeight(0, 37.5);
    sheet.setRowHeight(1, 25.5);

    sheet.setValue({0, 0}, Value::text(QStringLiteral("Mileage Summary Form")));
    formatCells(sheet, CellRange::single({0, 0}), [](CellFormat& f) {
        f.font.bold = true;
        f.font.size = 18;
    });

    const CellRange header{{1, 0}, {1, 5}};
    const char* titles[] = {"Date",  "Starting Location", "Amount",
                            "Notes", "Odometer End",      "Mileage"};
    for (int col = 0; col < 6; ++col)
        sheet.setValue({1, col}, Value::text(QString::fromLatin1(titles[col])));
    formatCells(sheet, header, [](CellFormat& f) {
        f.fillColorIndex = 16;
        f.font.bold = true;
        f.font.colorIndex = 2;
        f.hAlign = HAlign::Center;
        f.vAlign = VAlign::Center;
        f.wrap = true;
    });
    drawBorders(sheet, header, false, true);

    sheet.setValue({2, 0}, Value::text(QStringLiteral("01/05/2024")));
    sheet.setValue({2, 1}, Value::number(1234.5));
    sheet.setValue({2, 2}, Value::number(123456789.125));
    sheet.setValue({2, 3},
                   Value::text(QStringLiteral("Runs on into the empty cells to its right")));
    sheet.setValue({3, 0}, Value::text(QStringLiteral("01/06/2024")));
    sheet.setValue({3, 1}, Value::number(-42.0));
    sheet.setValue({3, 2}, Value::number(7.25));
    sheet.setValue({3, 5}, Value::text(QStringLiteral("ends at the right")));
    formatCells(sheet, CellRange::single({3, 5}), [](CellFormat& f) { f.hAlign = HAlign::Right; });
    sheet.setValue({4, 0}, Value::boolean(true));
    sheet.setValue({4, 1}, Value::error(ErrorValue::Div0));
    sheet.setValue({4, 2}, Value::text(QStringLiteral("top")));
    formatCells(sheet, CellRange::single({4, 2}), [](CellFormat& f) { f.vAlign = VAlign::Top; });
    sheet.setRowHeight(4, 25.5);
    formatCells(sheet, CellRange{{2, 1}, {4, 2}},
                [](CellFormat& f) { f.numberFormat = QStringLiteral("$#,##0.00"); });

    sheet.setValue({6, 0}, Value::text(QStringLiteral("Totals")));
    sheet.merge(CellRange{{6, 0}, {6, 1}});
    formatCells(sheet, CellRange{{6, 0}, {6, 1}}, [](CellFormat& f) {
        f.fillColorIndex = 15;
        f.hAlign = HAlign::Center;
        f.font.bold = true;
    });
    sheet.setValue({6, 2}, Value::number(1192.5));
    formatCells(sheet, CellRange{{6, 2}, {6, 3}}, [](CellFormat& f) {
        f.fillColorIndex = 15;
        f.numberFormat = QStringLiteral("$#,##0.00");
    });
    drawBorders(sheet, CellRange{{6, 0}, {6, 3}}, true, true);
}

} // namespace bw::ss::test
