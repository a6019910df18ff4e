// The state the object model's handles of one instance share.
#pragma once

#include "spreadsheet/automation/constants.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/model/workbook.h"

#include <cstdint>
#include <memory>
#include <vector>

// What the handles of one instance share. Internal to the automation layer.
namespace bw::ss::automation::detail {

struct BookState {
    std::unique_ptr<ss::Workbook> book; // nothing once closed
    // One id per sheet, in sheet order, so that a handle of a deleted sheet is noticed
    // even when another sheet takes its place.
    std::vector<std::uint64_t> sheetIds;
    QString name;
};

struct AppState {
    ApplicationSettings settings;
    bool quit = false;
    bool visible = false;
    bool screenUpdating = true;
    bool displayAlerts = true;
    bool enableEvents = true;
    int enableCancelKey = kCancelKeyInterrupt;
    int cursor = kCursorDefault;
    int sheetsInNewWorkbook = 3;
    std::vector<std::shared_ptr<BookState>> books; // open workbooks, in opening order
    std::shared_ptr<BookState> activeBook;
    std::uint64_t nextSheetId = 1;
    int nextBookNumber = 1;
};

// The instance behind a handle; throws for nothing or a quit instance.
AppState& liveApp(const std::shared_ptr<AppState>& app);
// The open workbook behind a handle; throws when the instance quit or the book closed.
ss::Workbook& liveBook(const std::shared_ptr<AppState>& app,
                       const std::shared_ptr<BookState>& book);
// The workbook that is active; throws when none is open.
std::shared_ptr<BookState> activeBook(AppState& app);
// Registers a model workbook as open and active.
std::shared_ptr<BookState> adoptBook(AppState& app, std::unique_ptr<ss::Workbook> book,
                                     const QString& name);

// The 0-based position of a 1-based collection index; throws when out of range.
int checkedIndex(int index, int count);

} // namespace bw::ss::automation::detail
