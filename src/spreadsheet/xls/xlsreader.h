// Reading the BIFF8 records of a workbook stream into the model.
#pragma once

#include <QByteArray>

#include <memory>

namespace bw::ss {
class Workbook;
}

namespace bw::ss::xls {

// readWorkbook without the compound file around it: the BIFF8 records of the workbook
// stream. Throws FileFormatError like readWorkbook.
std::unique_ptr<Workbook> readBiffStream(const QByteArray& stream);

} // namespace bw::ss::xls
