// The object model's Workbooks, Workbook, Sheets, Worksheet and PageSetup.
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/automation/state.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace bw::ss::automation {

using detail::liveApp;
using detail::liveBook;

using detail::checkedIndex;

// --- Workbooks ------------------------------------------------------------------------

int Workbooks::Count() const { return static_cast<int>(liveApp(app_).books.size()); }

automation::Workbook Workbooks::Item(int index) const
{
    detail::AppState& app = liveApp(app_);
    const int i = checkedIndex(index, static_cast<int>(app.books.size()));
    return automation::Workbook(app_, app.books[static_cast<std::size_t>(i)]);
}

automation::Workbook Workbooks::Add() const
{
    detail::AppState& app = liveApp(app_);
    auto book = std::make_unique<ss::Workbook>();
    for (int i = 0; i < app.sheetsInNewWorkbook; ++i) book->addSheet(book->nextSheetName());
    const QString name = QStringLiteral("Book%1").arg(app.nextBookNumber++);
    return automation::Workbook(app_, detail::adoptBook(app, std::move(book), name));
}

automation::Workbook Workbooks::Open(const QString& path) const
{
    detail::AppState& app = liveApp(app_);
    std::unique_ptr<ss::Workbook> book = xls::loadWorkbook(path);
    if (!book || book->sheetCount() == 0) {
        throw FileFormatError(
            QCoreApplication::translate("Spreadsheet", "The workbook %1 has no sheets.").arg(path));
    }
    const QFileInfo info(path);
    book->setFullName(info.absoluteFilePath());
    return automation::Workbook(app_, detail::adoptBook(app, std::move(book), info.fileName()));
}

// --- Workbook -------------------------------------------------------------------------

QString Workbook::Name() const
{
    liveBook(app_, book_);
    return book_->name;
}

QString Workbook::FullName() const { return liveBook(app_, book_).fullName(); }

ss::Workbook& Workbook::model() const { return liveBook(app_, book_); }

automation::Sheets Workbook::Sheets() const
{
    liveBook(app_, book_);
    return automation::Sheets(app_, book_);
}

automation::Worksheet Workbook::ActiveSheet() const
{
    ss::Workbook& book = liveBook(app_, book_);
    const auto index = static_cast<std::size_t>(book.activeSheetIndex());
    return automation::Worksheet(app_, book_, book_->sheetIds.at(index));
}

void Workbook::SaveAs(const QString& path, int FileFormat) const
{
    ss::Workbook& book = liveBook(app_, book_);
    if (FileFormat != kFileFormatExcel8 && FileFormat != kFileFormatNormal) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet",
                                        "File format %1 cannot be written; only the Excel 97-2003 "
                                        "workbook (56 or -4143) can.")
                .arg(FileFormat));
    }
    if (path.isEmpty()) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "A workbook cannot be saved without a file name."));
    }
    formula::recalculate(book);
    xls::saveWorkbook(book, path);
    const QFileInfo info(path);
    book.setFullName(info.absoluteFilePath());
    book_->name = info.fileName();
}

void Workbook::Close() const
{
    detail::AppState& app = liveApp(app_);
    liveBook(app_, book_);
    book_->book.reset();
    std::erase(app.books, book_);
    if (app.activeBook == book_) {
        app.activeBook = app.books.empty() ? nullptr : app.books.back();
    }
}

// --- Sheets ---------------------------------------------------------------------------

int Sheets::Count() const { return liveBook(app_, book_).sheetCount(); }

automation::Worksheet Sheets::Item(int index) const
{
    const int i = checkedIndex(index, liveBook(app_, book_).sheetCount());
    return automation::Worksheet(app_, book_, book_->sheetIds[static_cast<std::size_t>(i)]);
}

// --- SheetHandle ----------------------------------------------------------------------

detail::AppState& SheetHandle::app() const { return liveApp(app_); }

int SheetHandle::sheetIndex() const
{
    liveBook(app_, book_);
    const auto& ids = book_->sheetIds;
    const auto found = std::find(ids.begin(), ids.end(), sheetId_);
    if (sheetId_ == 0 || found == ids.end()) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "The worksheet has been deleted."));
    }
    return static_cast<int>(found - ids.begin());
}

ss::Worksheet& SheetHandle::sheet() const
{
    const int index = sheetIndex();
    return book_->book->sheet(index);
}

// --- Worksheet ------------------------------------------------------------------------

QString Worksheet::Name() const { return sheet().name(); }

void Worksheet::setName(const QString& name) const
{
    const int index = sheetIndex();
    book_->book->renameSheet(index, name);
}

void Worksheet::Select() const
{
    const int index = sheetIndex();
    book_->book->setActiveSheetIndex(index);
}

void Worksheet::Delete() const
{
    const int index = sheetIndex();
    book_->book->removeSheet(index);
    book_->sheetIds.erase(book_->sheetIds.begin() + index);
}

automation::Range Worksheet::UsedRange() const
{
    const auto used = sheet().usedRange();
    return automation::Range(*this, {used.value_or(CellRange::single({0, 0}))});
}

automation::Range Worksheet::Cells() const
{
    sheet();
    return automation::Range(*this, {CellRange::wholeSheet()});
}

automation::PageSetup Worksheet::PageSetup() const
{
    sheet();
    return automation::PageSetup(app_, book_, sheetId_);
}

// --- PageSetup ------------------------------------------------------------------------

namespace {

double checkedMargin(double points, const char* what)
{
    // The application refuses margins of 100 inches or more, and negative ones.
    if (!std::isfinite(points) || points < 0 || points >= 7200) {
        throw AutomationError(QCoreApplication::translate("Spreadsheet", "%1 cannot be %2 points.")
                                  .arg(QLatin1String(what))
                                  .arg(points));
    }
    return points;
}

} // namespace

void PageSetup::setPrintArea(const QString& area) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (!area.isEmpty()) {
        for (const QString& part : area.split(QLatin1Char(','))) {
            if (!parseA1Range(part)) {
                throw AutomationError(
                    QCoreApplication::translate("Spreadsheet",
                                                "\"%1\" is not a range address for the print area.")
                        .arg(area));
            }
        }
    }
    setup.printArea = area;
}

double PageSetup::LeftMargin() const { return sheet().pageSetup().leftMargin; }
void PageSetup::setLeftMargin(double points) const
{
    sheet().pageSetup().leftMargin = checkedMargin(points, "LeftMargin");
}
double PageSetup::RightMargin() const { return sheet().pageSetup().rightMargin; }
void PageSetup::setRightMargin(double points) const
{
    sheet().pageSetup().rightMargin = checkedMargin(points, "RightMargin");
}
double PageSetup::TopMargin() const { return sheet().pageSetup().topMargin; }
void PageSetup::setTopMargin(double points) const
{
    sheet().pageSetup().topMargin = checkedMargin(points, "TopMargin");
}
double PageSetup::BottomMargin() const { return sheet().pageSetup().bottomMargin; }
void PageSetup::setBottomMargin(double points) const
{
    sheet().pageSetup().bottomMargin = checkedMargin(points, "BottomMargin");
}
double PageSetup::HeaderMargin() const { return sheet().pageSetup().headerMargin; }
void PageSetup::setHeaderMargin(double points) const
{
    sheet().pageSetup().headerMargin = checkedMargin(points, "HeaderMargin");
}
double PageSetup::FooterMargin() const { return sheet().pageSetup().footerMargin; }
void PageSetup::setFooterMargin(double points) const
{
    sheet().pageSetup().footerMargin = checkedMargin(points, "FooterMargin");
}

int PageSetup::PrintComments() const { return sheet().pageSetup().printComments; }

void PageSetup::setPrintComments(int mode) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (mode != ss::PageSetup::kPrintNoComments && mode != ss::PageSetup::kPrintInPlace
        && mode != ss::PageSetup::kPrintSheetEnd) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet",
                                        "PrintComments cannot be %1; it is -4142, 1 or 16.")
                .arg(mode));
    }
    setup.printComments = mode;
}

int PageSetup::Orientation() const { return sheet().pageSetup().orientation; }

void PageSetup::setOrientation(int orientation) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (orientation != ss::PageSetup::kPortrait && orientation != ss::PageSetup::kLandscape) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "Orientation cannot be %1; it is 1 or 2.")
                .arg(orientation));
    }
    setup.orientation = orientation;
}

void PageSetup::setPaperSize(int size) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    // The paper sizes the file format numbers: 1 to 118 and the custom size 256.
    if ((size < 1 || size > 118) && size != 256) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "There is no paper size %1.").arg(size));
    }
    setup.paperSize = size;
}

std::optional<int> PageSetup::Zoom() const { return sheet().pageSetup().zoom; }

void PageSetup::setZoom(bool on) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (on) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "Zoom is False or a percentage from 10 to 400, not True."));
    }
    setup.zoom.reset();
}

void PageSetup::setZoom(int percent) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (percent < 10 || percent > 400) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet",
                                        "Zoom is False or a percentage from 10 to 400, not %1.")
                .arg(percent));
    }
    setup.zoom = percent;
}

int PageSetup::FitToPagesWide() const { return sheet().pageSetup().fitToPagesWide; }

void PageSetup::setFitToPagesWide(int pages) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (pages < 0 || pages > 32767) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "FitToPagesWide cannot be %1.").arg(pages));
    }
    setup.fitToPagesWide = pages;
}

int PageSetup::FitToPagesTall() const { return sheet().pageSetup().fitToPagesTall; }

void PageSetup::setFitToPagesTall(int pages) const
{
    ss::PageSetup& setup = sheet().pageSetup();
    if (pages < 0 || pages > 32767) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "FitToPagesTall cannot be %1.").arg(pages));
    }
    setup.fitToPagesTall = pages;
}

} // namespace bw::ss::automation
