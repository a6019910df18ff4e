// libFuzzer target of the workbook reader. The first byte picks what the rest is: even,
// a whole file (compound file and all); odd, the workbook stream alone, so that the
// fuzzer reaches deep into the records without first having to get the container right.
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xls/xlsreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const QByteArray rest = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1),
                                                    static_cast<qsizetype>(size - 1));
    try {
        const auto book =
            (data[0] & 1) ? bw::ss::xls::readBiffStream(rest) : bw::ss::xls::readWorkbook(rest);
        // What was read must be fit to write again.
        bw::ss::xls::writeWorkbook(*book);
    } catch (const bw::ss::FileFormatError&) {
    }
    return 0;
}
