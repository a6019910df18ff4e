// The start-up check that a spreadsheet-application instance can be created.
#pragma once

#include <QString>

#include <functional>

namespace bw {

// Creates a new spreadsheet-application instance and lets it go at once; true when an
// instance resulted. Any failure counts as none.
using SpreadsheetFactory = std::function<bool()>;

// The factory CheckExcelInstalled asks. The program installs the embedded engine's;
// tests install one that fails.
void setSpreadsheetFactory(SpreadsheetFactory factory);
const SpreadsheetFactory& spreadsheetFactory();

// The five-part explanation shown when no instance can be created.
QString excelMissingText();

// The last start-up step. True when an instance could be created; otherwise the
// explanation has been shown (OK only, no icon, the application title) and the caller
// must end the program at once, without its close handling.
bool CheckExcelInstalled();

} // namespace bw
