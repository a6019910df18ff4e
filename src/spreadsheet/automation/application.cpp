// The object model's Application and the shared checks every handle makes.
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/automation/state.h"
#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace bw::ss::automation {

namespace detail {

AppState& liveApp(const std::shared_ptr<AppState>& app)
{
    if (!app) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "No spreadsheet application instance is set."));
    }
    if (app->quit) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet",
            "The spreadsheet application has been quit; its objects can no longer be used."));
    }
    return *app;
}

ss::Workbook& liveBook(const std::shared_ptr<AppState>& app, const std::shared_ptr<BookState>& book)
{
    liveApp(app);
    if (!book) {
        throw AutomationError(QCoreApplication::translate("Spreadsheet", "No workbook is set."));
    }
    if (!book->book) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "The workbook has been closed; its objects can no longer be used."));
    }
    return *book->book;
}

std::shared_ptr<BookState> activeBook(AppState& app)
{
    if (!app.activeBook) {
        throw AutomationError(QCoreApplication::translate("Spreadsheet", "No workbook is open."));
    }
    return app.activeBook;
}

std::shared_ptr<BookState> adoptBook(AppState& app, std::unique_ptr<ss::Workbook> book,
                                     const QString& name)
{
    auto state = std::make_shared<BookState>();
    for (int i = 0; i < book->sheetCount(); ++i) state->sheetIds.push_back(app.nextSheetId++);
    state->book = std::move(book);
    state->name = name;
    app.books.push_back(state);
    app.activeBook = state;
    return state;
}

int checkedIndex(int index, int count)
{
    if (index < 1 || index > count) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet",
                                  "Subscript out of range: there is no item %1; the collection "
                                  "has %2.")
                                  .arg(index)
                                  .arg(count));
    }
    return index - 1;
}

} // namespace detail

using detail::liveApp;

namespace {

automation::Range::Areas parseAreas(const QString& address)
{
    automation::Range::Areas areas;
    for (const QStringView part : QStringView(address).tokenize(u',')) {
        const auto range = parseA1Range(part);
        if (!range) {
            throw AutomationError(
                QCoreApplication::translate("Spreadsheet", "\"%1\" is not a cell or range address.")
                    .arg(address));
        }
        areas.push_back(*range);
    }
    return areas;
}

} // namespace

// --- Application ----------------------------------------------------------------------

Application::Application(ApplicationSettings settings)
    : state_(std::make_shared<detail::AppState>())
{
    state_->sheetsInNewWorkbook = settings.sheetsInNewWorkbook;
    state_->settings = std::move(settings);
}

QString Application::Name() const { return liveApp(state_).settings.name; }
QString Application::Version() const { return liveApp(state_).settings.version; }
QLocale Application::locale() const { return liveApp(state_).settings.locale; }

bool Application::Visible() const { return liveApp(state_).visible; }
void Application::setVisible(bool on) const { liveApp(state_).visible = on; }
bool Application::ScreenUpdating() const { return liveApp(state_).screenUpdating; }
void Application::setScreenUpdating(bool on) const { liveApp(state_).screenUpdating = on; }
bool Application::DisplayAlerts() const { return liveApp(state_).displayAlerts; }
void Application::setDisplayAlerts(bool on) const { liveApp(state_).displayAlerts = on; }
bool Application::EnableEvents() const { return liveApp(state_).enableEvents; }
void Application::setEnableEvents(bool on) const { liveApp(state_).enableEvents = on; }
int Application::EnableCancelKey() const { return liveApp(state_).enableCancelKey; }

void Application::setEnableCancelKey(int mode) const
{
    detail::AppState& app = liveApp(state_);
    if (mode != kCancelKeyDisabled && mode != kCancelKeyInterrupt
        && mode != kCancelKeyErrorHandler) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet", "EnableCancelKey cannot be %1; it is 0, 1 or 2.")
                                  .arg(mode));
    }
    app.enableCancelKey = mode;
}

int Application::Cursor() const { return liveApp(state_).cursor; }

void Application::setCursor(int cursor) const
{
    detail::AppState& app = liveApp(state_);
    if (cursor != kCursorDefault && cursor != kCursorNorthwestArrow && cursor != kCursorWait
        && cursor != kCursorIBeam) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet", "Cursor cannot be %1; it is -4143, 1, 2 or 3.")
                                  .arg(cursor));
    }
    app.cursor = cursor;
}

int Application::SheetsInNewWorkbook() const { return liveApp(state_).sheetsInNewWorkbook; }

void Application::setSheetsInNewWorkbook(int count) const
{
    detail::AppState& app = liveApp(state_);
    if (count < 1 || count > 255) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet", "A new workbook has 1 to 255 sheets, not %1.")
                                  .arg(count));
    }
    app.sheetsInNewWorkbook = count;
}

automation::Workbooks Application::Workbooks() const
{
    liveApp(state_);
    return automation::Workbooks(state_);
}

automation::Workbook Application::ActiveWorkbook() const
{
    return automation::Workbook(state_, detail::activeBook(liveApp(state_)));
}

automation::Sheets Application::Sheets() const
{
    return automation::Sheets(state_, detail::activeBook(liveApp(state_)));
}

automation::Worksheet Application::ActiveSheet() const { return ActiveWorkbook().ActiveSheet(); }

automation::Range Application::Range(const QString& address) const
{
    const automation::Worksheet sheet = ActiveSheet();
    return automation::Range(sheet, parseAreas(address));
}

automation::Range Application::Cells() const { return ActiveSheet().Cells(); }

automation::Range Application::Cells(int row, int column) const
{
    const automation::Worksheet sheet = ActiveSheet();
    const CellAddress at{detail::checkedIndex(row, kMaxRows),
                         detail::checkedIndex(column, kMaxColumns)};
    return automation::Range(sheet, {CellRange::single(at)});
}

automation::Range Application::Rows(const QString& rows) const
{
    const QString text = rows.contains(QLatin1Char(':')) ? rows : rows + QLatin1Char(':') + rows;
    const auto range = parseA1Range(text);
    if (!range || !range->isWholeRows()) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "\"%1\" is not a row or a range of rows.")
                .arg(rows));
    }
    return automation::Range(ActiveSheet(), {*range});
}

automation::Range Application::Columns(const QString& columns) const
{
    const QString text =
        columns.contains(QLatin1Char(':')) ? columns : columns + QLatin1Char(':') + columns;
    const auto range = parseA1Range(text);
    if (!range || !range->isWholeColumns() || range->isWholeSheet()) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet", "\"%1\" is not a column or a range of columns.")
                                  .arg(columns));
    }
    return automation::Range(ActiveSheet(), {*range});
}

automation::Range Application::Selection() const
{
    const automation::Worksheet sheet = ActiveSheet();
    const std::vector<CellRange>& selection = sheet.sheet().selection();
    return automation::Range(sheet, automation::Range::Areas(selection.begin(), selection.end()));
}

automation::Range Application::ActiveCell() const
{
    const automation::Worksheet sheet = ActiveSheet();
    return automation::Range(sheet, {CellRange::single(sheet.sheet().activeCell())});
}

double Application::InchesToPoints(double inches) const
{
    liveApp(state_);
    return inches * 72.0;
}

void Application::Quit() const
{
    detail::AppState& app = liveApp(state_);
    for (const auto& book : app.books) book->book.reset();
    app.books.clear();
    app.activeBook.reset();
    app.quit = true;
}

// --- Factory --------------------------------------------------------------------------

Application EngineApplicationFactory::createNew() { return Application(ApplicationSettings{}); }

Application EngineApplicationFactory::getRunning()
{
    throw AutomationError(QCoreApplication::translate(
        "Spreadsheet", "No other spreadsheet application instance is running."));
}

namespace {

ApplicationFactory*& installedFactory()
{
    static EngineApplicationFactory engine;
    static ApplicationFactory* current = &engine;
    return current;
}

} // namespace

ApplicationFactory& applicationFactory() { return *installedFactory(); }

ApplicationFactoryOverride::ApplicationFactoryOverride(ApplicationFactory& replacement)
    : saved_(installedFactory())
{
    installedFactory() = &replacement;
}

ApplicationFactoryOverride::~ApplicationFactoryOverride() { installedFactory() = saved_; }

Application createApplication()
{
    Application app = applicationFactory().createNew();
    if (app.isNothing()) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "The spreadsheet application could not be started."));
    }
    return app;
}

Application getRunningApplication()
{
    Application app = applicationFactory().getRunning();
    if (app.isNothing()) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "No other spreadsheet application instance is running."));
    }
    return app;
}

} // namespace bw::ss::automation
