// The compound file (CFB version 3) around the workbook stream, both ways.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <span>

namespace bw::ss::xls {

// The compound file (CFB version 3) that holds a workbook: a root storage with one
// stream named "Workbook".
QByteArray writeCompoundFile(const QByteArray& workbookStream);
// The same with the stream given as consecutive parts, which saves joining them first.
QByteArray writeCompoundFile(std::span<const QByteArrayView> workbookStreamParts);

// The workbook stream of a compound file ("Workbook", or "Book" in older files).
// Throws FileFormatError for anything that is not a sound compound file with one.
QByteArray readWorkbookStream(const QByteArray& file);

} // namespace bw::ss::xls
