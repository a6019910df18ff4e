// Printed pages of a sheet as its page setup asks: paper, margins, fit or zoom; and PDF.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/pagesetup.h"

#include <QPageLayout>
#include <QString>

#include <vector>

class QIODevice;
class QPagedPaintDevice;

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::render {

// Print scaling stays within what the spreadsheet application accepts.
inline constexpr int kMinPrintPercent = 10;
inline constexpr int kMaxPrintPercent = 400;

// How a sheet falls on paper. The sheet is printed as the screen shows it at 96 dpi
// (without gridlines), scaled by `percent`, from the top-left corner of the margins;
// every page holds whole columns and rows.
struct PrintLayout {
    QPageLayout paper;
    int percent = 100;
    std::vector<CellRange> pages; // in reading order: left to right, then down
};

// Paper size, orientation and margins of a page setup. Paper codes the engine does not
// know print on Letter, the application's default.
QPageLayout paperOf(const PageSetup& setup);

// The pages of the print area (or, without one, of the used range) as the page setup
// asks: a percentage zoom, or the largest whole percentage up to 100 at which the
// range fits the pages wide and tall asked for (a count of 0 leaves that direction
// free); never below 10 %, where the range simply takes more pages. Throws
// SpreadsheetError when the sheet has nothing to print.
PrintLayout layoutPages(const Worksheet& sheet);

// Paints the pages onto a PDF writer or a printer, one device page each, after giving
// the device the sheet's paper. Text is drawn as text. Needs a QGuiApplication; throws
// SpreadsheetError without one, for a sheet with nothing to print, and when the device
// cannot be painted on.
void printPages(const Worksheet& sheet, QPagedPaintDevice& device);

// The printed pages as a PDF document with its fonts embedded, titled with the sheet's
// name. savePdf writes a temporary file beside `path` and renames it over `path` when
// complete; throws SpreadsheetError and leaves nothing behind on failure.
void writePdf(const Worksheet& sheet, QIODevice& out);
void savePdf(const Worksheet& sheet, const QString& path);

} // namespace bw::ss::render
