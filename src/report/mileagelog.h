// The "MileageLog" module: the report driver, its worksheet and formatting procedures.
#pragma once

#include "spreadsheet/automation/objectmodel.h"

#include <QLocale>
#include <QString>

namespace bw {
class ReportInputs;
class ReportMainWindow;
class ReportPreview;
} // namespace bw

// The "MileageLog" module: the report driver, the worksheet it builds and the small
// formatting procedures that act on the current selection of mExcelApp.
namespace bw::MileageLog {

// The sheet's name and the form's title, translated where they are written.
inline constexpr char kSheetName[] =
    QT_TRANSLATE_NOOP("MileageLog", "Mileage Log and Reimbursement");
inline constexpr char kTitle[] =
    QT_TRANSLATE_NOOP("MileageLog", "Mileage Log and Reimbursement Form");
inline constexpr char kCurrencyFormat[] = "$#,##0.00";
inline constexpr char kTextFormat[] = "@";
// The form has room for this many trips; a longer log makes it longer.
inline constexpr int kFormTripRows = 30;
inline constexpr int kFirstTripRow = 9;
// The picture of the sheet, in the private temporary folder: the copy of the cells it
// shows, which the preview draws from at any zoom, for what is on screen only.
inline constexpr char kPictureFileName[] = "temp.sheetpic";

// The instance that builds the report, and its workbook (which stays set, closed, after
// the report is saved).
extern ss::automation::Application mExcelApp;
extern ss::automation::Workbook mWorkbook;

// A number as the default conversion writes it into a cell: the locale's notation, no
// thousands separators, up to 15 significant digits. The entry reads it back in the
// same locale.
QString numberText(double value, QLocale locale);

// --- formatting procedures: no trap of their own ---------------------------------------

// Selects the range, enters the value as if typed into its active cell, merges if asked.
void SetCell(const QString& range, const QString& value, bool merge);
// On the selection's font.
void SetFont(const QString& style, double size, int colorIndex);
// Centres horizontally / vertically and wraps where the flags say; false leaves as is.
void SetAlignment(bool horizontal, bool vertical, bool wrap);
// The lines SetBorders draws, as a set of flags.
namespace BorderLines {
enum : unsigned {
    Left = 1,
    Top = 2,
    Bottom = 4,
    Right = 8,
    InsideHorizontal = 16,
    InsideVertical = 32
};
inline constexpr unsigned Outline = Left | Top | Bottom | Right;
} // namespace BorderLines
// Selects the range unless it is empty, then draws the `lines` (BorderLines) in this order:
// left, top, bottom, right, inside horizontal, inside vertical.
void SetBorders(const QString& range, unsigned lines, int colorIndex);
// A continuous line of the given colour on one border item of the selection.
void SetBorder(int index, int colorIndex);
void SetFillColor(const QString& range, int colorIndex);
void SetNumberFormat(const QString& range, const QString& format);
// Selects whole rows ("3:6") or columns ("A:A") and sets their size.
void SetRowHeight(const QString& rows, double points);
void SetColumnWidth(const QString& columns, double width);
void SetPageSetup();

// Fills and formats the active sheet of mExcelApp from the inputs. Throws at its first
// failure, leaving the sheet as far as it was built.
void BuildSheet(const ReportInputs& inputs);

// --- the report driver -------------------------------------------------------------------

void CreateExcelApp();
void ReleaseExcelApp();

// Builds the report workbook in the private temporary folder, takes its picture and
// hands both to the preview window, which is then shown in place of the main window.
// Every step is trapped: a failure is reported and the next step runs.
void GenerateReport0(const ReportInputs& inputs, ReportMainWindow& window, ReportPreview& preview);

// The create command of the main window: asks first when another instance of the
// spreadsheet application runs, shows the hourglass and keeps the window from
// repainting while GenerateReport0 runs.
void CreateReportCommand(const ReportInputs& inputs, ReportMainWindow& window,
                         ReportPreview& preview);

// "kervan" and eight digits 1 to 9 from the platform's random source, seeded from the
// clock once per command; ".xls" is not included.
QString drawReportName(bool seed);

} // namespace bw::MileageLog
