// Lays a sheet's used range out on printed pages and writes it as PDF.
#include "spreadsheet/render/pages.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/render.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <optional>

namespace bw::ss::render {
namespace {

// Paper codes of the spreadsheet application's page setup.
QPageSize::PageSizeId pageSizeOf(int paperCode)
{
    switch (paperCode) {
    case 3:
        return QPageSize::Tabloid;
    case 4:
        return QPageSize::Ledger;
    case 5:
        return QPageSize::Legal;
    case 6:
        return QPageSize::Statement;
    case 7:
        return QPageSize::Executive;
    case 8:
        return QPageSize::A3;
    case PageSetup::kPaperA4:
    case 10:
        return QPageSize::A4; // "A4 small" is A4 paper
    case 11:
        return QPageSize::A5;
    case 12:
        return QPageSize::JisB4;
    case 13:
        return QPageSize::JisB5;
    case 14:
        return QPageSize::Folio;
    default:
        return QPageSize::Letter;
    }
}

// The screen's pixels are at 96 dpi, the paper is measured in points.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The first item of each page when `sizes` (pixels) are laid on pages of `room` pixels:
// as many whole items as fit, at least one a page. Items of no size (hidden rows and
// columns) go with the page before them.
std::vector<int> pageStarts(const std::vector<int>& sizes, double room)
{
    std::vector<int> starts{0};
    double used = 0.0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const double size = sizes[i];
        if (used > 0.0 && used + size > room + 1e-9) {
            starts.push_back(static_cast<int>(i));
            used = 0.0;
        }
        used += size;
    }
    return starts;
}

double sum(const std::vector<int>& sizes)
{
    double total = 0.0;
    for (const int s : sizes) total += s;
    return total;
}

// A print area the page setup names ("A1:H39", "$A$1:$H$39", "'Sheet 1'!A1:H39"); an
// area that is not one plain range prints the used range instead.
std::optional<CellRange> printArea(const Worksheet& sheet)
{
    const QString& setting = sheet.pageSetup().printArea;
    const QString area = setting.mid(setting.lastIndexOf(QLatin1Char('!')) + 1).trimmed();
    if (!area.isEmpty()) {
        if (const auto parsed = parseA1Range(area)) return parsed;
    }
    return sheet.usedRange();
}

struct Extents {
    std::vector<int> columns; // pixels of each printed column
    std::vector<int> rows;
};

Extents extentsOf(const Worksheet& sheet, const CellRange& range)
{
    Extents e;
    e.columns.reserve(static_cast<std::size_t>(range.columnCount()));
    for (int col = range.first.col; col <= range.last.col; ++col) {
        e.columns.push_back(columnWidthPixels(sheet.columnWidth(col)));
    }
    e.rows.reserve(static_cast<std::size_t>(range.rowCount()));
    for (int row = range.first.row; row <= range.last.row; ++row) {
        e.rows.push_back(rowHeightPixels(sheet.rowHeight(row)));
    }
    return e;
}

struct Breaks {
    std::vector<int> columns; // offsets into the printed range of each page's first column
    std::vector<int> rows;
};

Breaks breaksAt(const Extents& e, const QSizeF& room, int percent)
{
    const double factor = 100.0 / percent;
    return Breaks{pageStarts(e.columns, room.width() * factor),
                  pageStarts(e.rows, room.height() * factor)};
}

int fittingPercent(const Extents& e, const QSizeF& room, int wide, int tall)
{
    // The scale at which the range's size just fits is an upper bound; whole columns and
    // rows per page may need less.
    double bound = 1.0;
    if (wide > 0) bound = std::min(bound, wide * room.width() / sum(e.columns));
    if (tall > 0) bound = std::min(bound, tall * room.height() / sum(e.rows));
    int percent =
        std::clamp(static_cast<int>(std::floor(bound * 100.0 + 1e-9)), kMinPrintPercent, 100);
    const auto fits = [&](int p) {
        const Breaks b = breaksAt(e, room, p);
        return (wide <= 0 || static_cast<int>(b.columns.size()) <= wide)
               && (tall <= 0 || static_cast<int>(b.rows.size()) <= tall);
    };
    while (percent > kMinPrintPercent && !fits(percent)) --percent;
    return percent;
}

} // namespace

QPageLayout paperOf(const PageSetup& setup)
{
    const QMarginsF margins(setup.leftMargin, setup.topMargin, setup.rightMargin,
                            setup.bottomMargin);
    const auto orientation =
        setup.orientation == PageSetup::kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageLayout paper(QPageSize(pageSizeOf(setup.paperSize)), orientation, QMarginsF(),
                      QPageLayout::Point);
    // Margins wider than the paper leave no room; keep at least a point to print in.
    const QSizeF size = paper.fullRect(QPageLayout::Point).size();
    const double horizontal = std::max(0.0, margins.left()) + std::max(0.0, margins.right());
    const double vertical = std::max(0.0, margins.top()) + std::max(0.0, margins.bottom());
    const double shrinkX =
        horizontal > size.width() - 1.0 ? (size.width() - 1.0) / horizontal : 1.0;
    const double shrinkY = vertical > size.height() - 1.0 ? (size.height() - 1.0) / vertical : 1.0;
    paper.setMargins(QMarginsF(
        std::max(0.0, margins.left()) * shrinkX, std::max(0.0, margins.top()) * shrinkY,
        std::max(0.0, margins.right()) * shrinkX, std::max(0.0, margins.bottom()) * shrinkY));
    return paper;
}

PrintLayout layoutPages(const Worksheet& sheet)
{
    const std::optional<CellRange> range = printArea(sheet);
    const Extents e = range ? extentsOf(sheet, *range) : Extents{};
    if (!range || sum(e.columns) <= 0.0 || sum(e.rows) <= 0.0) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The sheet has nothing to print."));
    }
    const PageSetup& setup = sheet.pageSetup();
    PrintLayout layout;
    layout.paper = paperOf(setup);
    const QSizeF room = layout.paper.paintRect(QPageLayout::Point).size() * kPixelsPerPoint;
    layout.percent = setup.zoom
                         ? std::clamp(*setup.zoom, kMinPrintPercent, kMaxPrintPercent)
                         : fittingPercent(e, room, setup.fitToPagesWide, setup.fitToPagesTall);

    const Breaks b = breaksAt(e, room, layout.percent);
    const auto lastOf = [](const std::vector<int>& starts, std::size_t i, int count) {
        return i + 1 < starts.size() ? starts[i + 1] - 1 : count - 1;
    };
    for (std::size_t r = 0; r < b.rows.size(); ++r) {
        for (std::size_t c = 0; c < b.columns.size(); ++c) {
            layout.pages.push_back(
                CellRange{{range->first.row + b.rows[r], range->first.col + b.columns[c]},
                          {range->first.row + lastOf(b.rows, r, range->rowCount()),
                           range->first.col + lastOf(b.columns, c, range->columnCount())}});
        }
    }
    return layout;
}

void printPages(const Worksheet& sheet, QPagedPaintDevice& device)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet", "Printing the sheet needs the graphical application to be running."));
    }
    const PrintLayout layout = layoutPages(sheet);
    device.setPageLayout(layout.paper);

    QPainter painter;
    if (!painter.begin(&device))
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The pages could not be printed."));
    const double scale = layout.percent / 100.0;
    bool first = true;
    for (const CellRange& page : layout.pages) {
        if (!first && !device.newPage()) {
            painter.end();
            throw SpreadsheetError(
                QCoreApplication::translate("Spreadsheet", "The pages could not be printed."));
        }
        first = false;
        const PictureGeometry geometry(sheet, page);
        painter.save();
        painter.scale(device.logicalDpiX() / 96.0 * scale, device.logicalDpiY() / 96.0 * scale);
        // Fills and text that reach beyond the page's cells stay off the margins.
        painter.setClipRect(QRect(0, 0, geometry.width(), geometry.height()));
        if (geometry.width() > 0 && geometry.height() > 0) paintRange(painter, sheet, page, false);
        painter.restore();
    }
    painter.end();
}

void writePdf(const Worksheet& sheet, QIODevice& out)
{
    QPdfWriter writer(&out);
    writer.setTitle(sheet.name());
    writer.setCreator(QString());
    printPages(sheet, writer);
}

void savePdf(const Worksheet& sheet, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The PDF cannot be saved to %1: %2")
                .arg(path, file.errorString()));
    }
    writePdf(sheet, file);
    if (!file.commit()) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The PDF cannot be saved to %1: %2")
                .arg(path, file.errorString()));
    }
}

} // namespace bw::ss::render
