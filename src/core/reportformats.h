// The kinds of file a report can be saved as, with their dialog filters and suffixes.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace bw {

// The kinds of file a report can be saved as. A new kind is one row in reportFormats()
// and one case in writeReportFile.
enum class ReportFormat { Xls, Xlsx, Pdf };

struct ReportFormatInfo {
    ReportFormat format;
    // The save dialog's filter, in Qt's form.
    QString filter;
    // Without the dot, in lower case.
    QString suffix;
};

// The formats the program writes, in the order the save dialog offers them; the first
// is the default.
QList<ReportFormatInfo> reportFormats();

// The format the path's final suffix names (in any letter case), if the program writes it.
std::optional<ReportFormat> reportFormatOfPath(const QString& path);

// The path a report is written to when the user typed `typedPath` with `chosenFilter`
// selected: a name that already ends in a suffix the program writes is kept (that
// suffix decides the format); any other gets the chosen filter's suffix, or the first
// format's when the filter is none of ours.
QString reportPathFor(const QString& typedPath, const QString& chosenFilter);

// Writes the report whose workbook is `workbookXls` to `target` in `format`. An existing
// target is replaced whole or left as it was. Throws std::runtime_error with a readable
// description on failure; nothing is left behind then.
void writeReportFile(const QString& workbookXls, const QString& target, ReportFormat format);

} // namespace bw
