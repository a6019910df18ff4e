// A value that does not fit its field is refused by name, never cut to fit.
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/value.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/recordwriters.h"

#include <gtest/gtest.h>

#include <functional>

namespace bw::ss::xls {
namespace {

struct WidthCase {
    const char* name;
    std::function<void(RecordStream&)> write;
    const char* refusal; // the words the error must hold; nullptr when the value fits
};

TEST(FieldWidths, AValueThatDoesNotFitItsFieldIsRefusedByName)
{
    const auto u8 = [](auto v) { return [v](RecordStream& o) { o.record().u8(v, {"T", "f8"}); }; };
    const auto u16 = [](auto v) {
        return [v](RecordStream& o) { o.record().u16(v, {"T", "f16"}); };
    };
    const auto cellsIn = [](int row, int col) {
        return [row, col](RecordStream& o) { writeNumber(o, {row, col, 15}, 1.0); };
    };
    const auto selected = [](int lastCol) {
        return [lastCol](RecordStream& o) {
            writeSelection(o, {0, 0}, {CellRange{{0, 0}, {3, lastCol}}});
        };
    };
    const WidthCase cases[] = {
        {"u8 top", u8(255), nullptr},
        {"u8 over", u8(256u), "the value 256 does not fit the field f8 of the T record"},
        {"u8 negative", u8(-1), "the value -1 does not fit the field f8"},
        {"u16 top", u16(65535), nullptr},
        {"u16 over", u16(std::size_t{65536}), "the value 65536 does not fit the field f16"},
        {"u16 negative", u16(qsizetype{-1}), "the value -1 does not fit the field f16"},
        {"last row", cellsIn(65535, 0), nullptr},
        {"row past the last", cellsIn(65536, 0), "field rw of the Number record"},
        {"column past the last", cellsIn(0, 65536), "field col of the Number record"},
        {"row record", [](RecordStream& o) { writeRow(o, 65536, RowInfo{}, std::nullopt); },
         "field rw of the Row record"},
        {"selection column 255", selected(255), nullptr},
        {"selection column 256", selected(256), "field colLast of the Selection record"},
        {"format code of 65535", [](RecordStream& o) { writeFormat(o, 164, QString(65535, u'0')); },
         nullptr},
        {"format code of 65536", [](RecordStream& o) { writeFormat(o, 164, QString(65536, u'0')); },
         "field stFormat of the Format record"},
        {"formula of 65536 bytes",
         [](RecordStream& o) {
             writeFormula(o, {0, 0, 15}, Value(), QByteArray(65536, '\0'));
         },
         "field cce of the Formula record"},
    };
    for (const WidthCase& c : cases) {
        RecordStream out;
        if (c.refusal == nullptr) {
            EXPECT_NO_THROW(c.write(out)) << c.name;
            continue;
        }
        try {
            c.write(out);
            ADD_FAILURE() << c.name << ": written";
        } catch (const FileFormatError& e) {
            EXPECT_TRUE(e.description().contains(QLatin1String(c.refusal)))
                << c.name << ": " << e.what();
        }
    }
}

} // namespace
} // namespace bw::ss::xls
