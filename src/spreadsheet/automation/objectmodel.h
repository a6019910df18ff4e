// The spreadsheet application's object model over the embedded engine, as handles.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/value.h"

#include <QLocale>
#include <QString>
#include <QVarLengthArray>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace bw::ss {
class Workbook;
class Worksheet;
struct CellFormat;
} // namespace bw::ss

// The spreadsheet application's object model over the embedded engine. Every object is
// a handle: copies refer to the same thing, and a default-constructed handle refers to
// nothing. Calls on nothing, on a quit application, on a closed workbook or on a deleted
// sheet throw AutomationError; every refusal is an AutomationError (or the error of the
// engine part that refused) whose what() is a plain description for the user.
//
// Member names are the object model's. A property is read with its own name and written
// with set + name: `app.Visible()`, `app.setVisible(false)`.
namespace bw::ss::automation {

namespace detail {
struct AppState;
struct BookState;
} // namespace detail

class Application;
class Workbooks;
class Workbook;
class Sheets;
class Worksheet;
class PageSetup;
class Range;
class Font;
class Interior;
class Border;

// What a new instance starts with.
struct ApplicationSettings {
    // The application's default member.
    QString name = QStringLiteral("Embedded Spreadsheet");
    // A number text whose integer part is the major version.
    QString version = QStringLiteral("16.0");
    // How many sheets Workbooks.Add gives a new workbook.
    int sheetsInNewWorkbook = 3;
    // The notation of numbers and dates that entered texts are read in.
    QLocale locale;
};

class Application {
public:
    Application() = default;
    explicit Application(ApplicationSettings settings);

    bool isNothing() const { return !state_; }
    // Two handles of the same instance.
    bool sameInstance(const Application& other) const { return state_ == other.state_; }

    // The default member: the application's name.
    QString Name() const;
    QString Version() const;
    // The locale entered texts are read in (not part of the object model).
    QLocale locale() const;

    bool Visible() const;
    void setVisible(bool on) const;
    bool ScreenUpdating() const;
    void setScreenUpdating(bool on) const;
    bool DisplayAlerts() const;
    void setDisplayAlerts(bool on) const;
    bool EnableEvents() const;
    void setEnableEvents(bool on) const;
    int EnableCancelKey() const;
    void setEnableCancelKey(int mode) const;
    int Cursor() const;
    void setCursor(int cursor) const;
    int SheetsInNewWorkbook() const;
    void setSheetsInNewWorkbook(int count) const;

    automation::Workbooks Workbooks() const;
    automation::Workbook ActiveWorkbook() const;
    // The sheets of the active workbook.
    automation::Sheets Sheets() const;
    automation::Worksheet ActiveSheet() const;

    // Ranges of the active sheet: "B3", "A1:H8", "3:6", "A:A", or several joined by ",".
    automation::Range Range(const QString& address) const;
    // Every cell of the active sheet.
    automation::Range Cells() const;
    // The cell in 1-based `row` and `column` of the active sheet: what a long run of
    // cells is reached by without writing and reading back an address for each.
    automation::Range Cells(int row, int column) const;
    // Whole rows ("3:6", "7") and whole columns ("A:A", "A:H") of the active sheet.
    automation::Range Rows(const QString& rows) const;
    automation::Range Columns(const QString& columns) const;
    automation::Range Selection() const;
    automation::Range ActiveCell() const;

    double InchesToPoints(double inches) const;
    // Closes every workbook without asking; afterwards every call fails.
    void Quit() const;

private:
    std::shared_ptr<detail::AppState> state_;
};

class Workbooks {
public:
    int Count() const;
    // 1-based.
    automation::Workbook Item(int index) const;
    // A new workbook with SheetsInNewWorkbook sheets; it becomes the active one.
    automation::Workbook Add() const;
    // Reads an Excel 97-2003 workbook; it becomes the active one and the last item.
    automation::Workbook Open(const QString& path) const;

private:
    friend class Application;
    explicit Workbooks(std::shared_ptr<detail::AppState> app) : app_(std::move(app)) {}
    std::shared_ptr<detail::AppState> app_;
};

class Workbook {
public:
    Workbook() = default;

    QString Name() const;
    // Where the workbook was saved or opened from; empty for a new one.
    QString FullName() const;
    automation::Sheets Sheets() const;
    automation::Worksheet ActiveSheet() const;
    // Writes the Excel 97-2003 workbook with freshly calculated formulas. FileFormat 56
    // and -4143 both mean that format; any other code is refused.
    void SaveAs(const QString& path, int FileFormat) const;
    // Closes without saving and without asking; afterwards every call fails.
    void Close() const;

    // The engine's workbook (not part of the object model).
    ss::Workbook& model() const;

private:
    friend class Application;
    friend class Workbooks;
    Workbook(std::shared_ptr<detail::AppState> app, std::shared_ptr<detail::BookState> book)
        : app_(std::move(app)), book_(std::move(book))
    {}
    std::shared_ptr<detail::AppState> app_;
    std::shared_ptr<detail::BookState> book_;
};

class Sheets {
public:
    int Count() const;
    // 1-based.
    automation::Worksheet Item(int index) const;

private:
    friend class Application;
    friend class Workbook;
    Sheets(std::shared_ptr<detail::AppState> app, std::shared_ptr<detail::BookState> book)
        : app_(std::move(app)), book_(std::move(book))
    {}
    std::shared_ptr<detail::AppState> app_;
    std::shared_ptr<detail::BookState> book_;
};

// What sheets, ranges and page setups hold: the sheet, found again on every call so
// that a deleted sheet is noticed.
class SheetHandle {
public:
    ss::Worksheet& sheet() const;
    int sheetIndex() const;
    detail::AppState& app() const;

protected:
    SheetHandle() = default;
    SheetHandle(std::shared_ptr<detail::AppState> app, std::shared_ptr<detail::BookState> book,
                std::uint64_t sheetId)
        : app_(std::move(app)), book_(std::move(book)), sheetId_(sheetId)
    {}
    std::shared_ptr<detail::AppState> app_;
    std::shared_ptr<detail::BookState> book_;
    std::uint64_t sheetId_ = 0;
};

class Worksheet : public SheetHandle {
public:
    Worksheet() = default;

    QString Name() const;
    // Refuses names that are empty, longer than 31 characters, contain : \ / ? * [ ],
    // begin or end with an apostrophe, or name another sheet of the workbook.
    void setName(const QString& name) const;
    // Makes the sheet the workbook's active sheet.
    void Select() const;
    // Removes the sheet without asking; the last sheet of a workbook is refused.
    void Delete() const;
    // From the first to the last used row and column; A1 for an empty sheet.
    automation::Range UsedRange() const;
    automation::Range Cells() const;
    automation::PageSetup PageSetup() const;

private:
    friend class Sheets;
    friend class Workbook;
    friend class Application;
    using SheetHandle::SheetHandle;
};

// Page settings of a sheet; margins in points.
class PageSetup : public SheetHandle {
public:
    // An empty text removes the print area; anything else must be a range address.
    void setPrintArea(const QString& area) const;
    double LeftMargin() const;
    void setLeftMargin(double points) const;
    double RightMargin() const;
    void setRightMargin(double points) const;
    double TopMargin() const;
    void setTopMargin(double points) const;
    double BottomMargin() const;
    void setBottomMargin(double points) const;
    double HeaderMargin() const;
    void setHeaderMargin(double points) const;
    double FooterMargin() const;
    void setFooterMargin(double points) const;
    int PrintComments() const;
    void setPrintComments(int mode) const;
    int Orientation() const;
    void setOrientation(int orientation) const;
    void setPaperSize(int size) const;
    // A percentage, or nothing when the sheet is fitted to pages (Zoom = False).
    std::optional<int> Zoom() const;
    // Only false is accepted: scale by FitToPagesWide/Tall instead of a percentage.
    void setZoom(bool on) const;
    void setZoom(int percent) const;
    int FitToPagesWide() const;
    void setFitToPagesWide(int pages) const;
    int FitToPagesTall() const;
    void setFitToPagesTall(int pages) const;

private:
    friend class Worksheet;
    using SheetHandle::SheetHandle;
};

// One or more rectangles of a sheet. Formatting members apply to every selected cell,
// row or column.
class Range : public SheetHandle {
public:
    // Nearly every range is one rectangle: it is kept without an allocation.
    using Areas = QVarLengthArray<CellRange, 1>;

    Range() = default;

    // Selects the range (on the active sheet only); its first cell becomes the active cell.
    void Select() const;
    // Removes contents and formats.
    void Clear() const;
    void Merge() const;

    QString Address() const;
    // 1-based number of the first row and column.
    int Row() const;
    int Column() const;
    // The rows or the columns of the first area, as a collection.
    automation::Range Rows() const;
    automation::Range Columns() const;
    // Cells, or rows / columns for the collections above.
    int Count() const;
    // 1-based: a cell (row by row), a row or a column.
    automation::Range Item(int index) const;
    // The `rows` by `columns` cells that start at the first cell of the range.
    automation::Range Resize(int rows, int columns) const;

    automation::Font Font() const;
    automation::Interior Interior() const;
    // 7 to 10 the outer edges (left, top, bottom, right), 11 the lines between the
    // columns, 12 the lines between the rows.
    automation::Border Borders(int index) const;
    // -4108 centre, -4131 left, -4152 right, 1 general, 5 fill, -4130 justify,
    // 7 centre across selection, -4117 distributed.
    void setHorizontalAlignment(int alignment) const;
    // -4160 top, -4108 centre, -4107 bottom, -4130 justify, -4117 distributed.
    void setVerticalAlignment(int alignment) const;
    void setWrapText(bool on) const;
    void setNumberFormat(const QString& code) const;
    void setLocked(bool on) const;
    void setFormulaHidden(bool on) const;
    // Points, 0 to 409, for every row the range covers.
    void setRowHeight(double points) const;
    // Characters of the standard font, 0 to 255, for every column the range covers.
    void setColumnWidth(double characters) const;

    // The first cell's formula ("=R[34]C[2]") or constant as text.
    QString FormulaR1C1() const;
    // Enters the text into every cell of the range as if typed there (numbers, dates,
    // formulas) under the application's locale.
    void setFormulaR1C1(const QString& text) const;
    // Enters one text into each cell of the first area, row by row, as assigning an array
    // does; cells past the last text keep what they hold, more texts than cells are refused.
    void setFormulaR1C1(std::span<const QString> texts) const;
    // The first cell's value, with formulas calculated.
    ss::Value Value() const;
    // The first cell's value as the sheet shows it, through its number format.
    QString Text() const;

    // Puts a picture of the first area, as the sheet shows it on screen, on the engine's
    // picture clipboard.
    void CopyPicture() const;

    std::span<const CellRange> areas() const { return areas_; }

private:
    enum class Kind { Cells, Rows, Columns };
    friend class Application;
    friend class Worksheet;
    friend class Font;
    friend class Interior;
    friend class Border;
    Range(const SheetHandle& sheet, Areas areas, Kind kind = Kind::Cells)
        : SheetHandle(sheet), areas_(std::move(areas)), kind_(kind)
    {}
    // Applies the change to every cell of every area.
    void changeFormats(const std::function<void(CellFormat&)>& change) const;

    Areas areas_;
    Kind kind_ = Kind::Cells;
};

class Font {
public:
    void setName(const QString& name) const;
    // Points, 1 to 409.
    void setSize(double points) const;
    // "Regular", "Bold", "Italic" or "Bold Italic", in any case.
    void setFontStyle(const QString& style) const;
    // 1 to 56 (the workbook palette) or -4105 (automatic).
    void setColorIndex(int index) const;

private:
    friend class Range;
    explicit Font(automation::Range range) : range_(std::move(range)) {}
    automation::Range range_;
};

class Interior {
public:
    // 1 to 56 (the workbook palette) or -4142 / -4105 (no fill).
    void setColorIndex(int index) const;

private:
    friend class Range;
    explicit Interior(automation::Range range) : range_(std::move(range)) {}
    automation::Range range_;
};

class Border {
public:
    // 1 continuous, -4115 dash, 4 dash-dot, 5 dash-dot-dot, -4118 dot, -4119 double,
    // 13 slanted dash-dot, -4142 none.
    void setLineStyle(int style) const;
    // 1 to 56 or -4105 (automatic). Gives a line that is not drawn yet a continuous one.
    void setColorIndex(int index) const;

private:
    friend class Range;
    Border(automation::Range range, int index) : range_(std::move(range)), index_(index) {}
    automation::Range range_;
    int index_;
};

// Where new instances come from, and the lookup of an instance already running.
class ApplicationFactory {
public:
    virtual ~ApplicationFactory() = default;
    // A new, independent, invisible instance. Throws AutomationError when none can be made.
    virtual Application createNew() = 0;
    // The instance already running. Throws AutomationError when none runs.
    virtual Application getRunning() = 0;
};

// The engine's own: creating always succeeds, and no other instance ever runs.
class EngineApplicationFactory final : public ApplicationFactory {
public:
    Application createNew() override;
    Application getRunning() override;
};

ApplicationFactory& applicationFactory();

// Installs another factory for the lifetime of the object (tests).
class ApplicationFactoryOverride {
public:
    explicit ApplicationFactoryOverride(ApplicationFactory& replacement);
    ~ApplicationFactoryOverride();
    ApplicationFactoryOverride(const ApplicationFactoryOverride&) = delete;
    ApplicationFactoryOverride& operator=(const ApplicationFactoryOverride&) = delete;

private:
    ApplicationFactory* saved_;
};

// Through the installed factory.
Application createApplication();
Application getRunningApplication();

} // namespace bw::ss::automation
