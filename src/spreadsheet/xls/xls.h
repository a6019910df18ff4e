// Writing, saving and reading Excel 97-2003 (.xls) workbooks.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace bw::ss {
class Workbook;
}

namespace bw::ss::xls {

// The Excel 97-2003 workbook (BIFF8 in a compound file) of everything the model holds.
// Formulas carry their cached results, so call formula::recalculate first if needed.
QByteArray writeWorkbook(const Workbook& book);
// Writes to a temporary file beside `path` and renames it over `path`, so a failed save
// never leaves a half-written workbook. Throws FileFormatError.
void saveWorkbook(const Workbook& book, const QString& path);

// Writes a whole workbook file's bytes to `path` through a temporary file renamed over it
// when complete, so an existing file is replaced whole or left as it was. Throws
// FileFormatError naming the path and the cause.
void saveWorkbookBytes(const QByteArray& bytes, const QString& path);

// Reads a BIFF8 workbook. Throws FileFormatError with a plain description for anything
// that is not one, truncated or malformed; never crashes, hangs or grows without bound.
std::unique_ptr<Workbook> readWorkbook(const QByteArray& bytes);
std::unique_ptr<Workbook> loadWorkbook(const QString& path);

} // namespace bw::ss::xls
