// Writing and saving Office Open XML (.xlsx) workbooks.
#pragma once

#include <QByteArray>
#include <QString>

namespace bw::ss {
class Workbook;
}

namespace bw::ss::xlsx {

// The Office Open XML workbook (.xlsx) of everything the model holds. Formulas are
// written in A1 form with their cached results, so call formula::recalculate first if
// needed. Throws FileFormatError.
QByteArray writeWorkbook(const Workbook& book);
// Writes to a temporary file beside `path` and renames it over `path`, so a failed save
// never leaves a half-written workbook. Throws FileFormatError.
void saveWorkbook(const Workbook& book, const QString& path);

} // namespace bw::ss::xlsx
