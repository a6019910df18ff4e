// The "Excel1" module: spreadsheet-application procedures the create command uses.
#pragma once

#include "spreadsheet/automation/objectmodel.h"

#include <QLocale>
#include <QString>

// The "Excel1" module: the procedures around the spreadsheet application that the
// create command uses.
namespace bw::Excel1 {

// Whether another instance of the spreadsheet application is running; any failure of
// the lookup counts as none.
bool IsExcelRunning();

// Asks whether to go on when another instance runs. True when the command must stop.
bool WarnExcelOpen();

// A new instance with the workbook at `path` opened (its last workbook). The caller quits it.
ss::automation::Application OpenWorkbookInExcel(const QString& path);

// Writes a picture of the used range of the workbook's active sheet to `picturePath`:
// its recorded drawing, or pixels as .bmp or .png, by the path's suffix. Reports its own failures
// and returns; a used range that ends in row 1 or column A gives no picture.
void saveCellsActivesheet(const ss::automation::Workbook& workbook, const QString& picturePath);

// The SaveAs file format for the instance's version: 56 from version 12 on, -4143
// before. Without an instance a new one is asked and quit again.
int GetSaveFileFormat(const ss::automation::Application& app = ss::automation::Application(),
                      const QLocale& locale = QLocale());

} // namespace bw::Excel1
