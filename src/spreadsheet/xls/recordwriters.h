// One writer per BIFF8 record of the workbook writer.
#pragma once

#include "spreadsheet/model/cellref.h"
#include "spreadsheet/xls/records.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace bw::ss {
struct CellFormat;
struct FontSpec;
struct PageSetup;
struct RowInfo;
class Value;
} // namespace bw::ss

// One writer per BIFF8 record of the workbook writer. Each appends one whole record (with
// its CONTINUE records where it needs them) to `out`; the order of the records in a
// substream is the caller's business.
namespace bw::ss::xls {

// Values of single-field records, named by what they mean.
inline constexpr unsigned kCodePageUtf16 = 1200;     // CodePage, and the InterfaceHdr's code page
inline constexpr unsigned kBuiltInFnGroups = 0x000E; // the application's built-in function groups
inline constexpr unsigned kCalcAutomatic = 1;        // CalcMode
inline constexpr unsigned kCalcIterations = 100;     // CalcCount
inline constexpr unsigned kRefModeA1 = 1;            // CalcRefMode
inline constexpr double kCalcDelta = 0.001;          // CalcDelta
inline constexpr unsigned kDefColWidthChars = 8;     // DefColWidth
inline constexpr unsigned kSheetIsVisible = 0;       // BoundSheet hsState
inline constexpr double kPointsPerInch = 72.0;

enum class Substream : unsigned { Globals = 0x0005, Worksheet = 0x0010 };

// A cell record's first three fields.
struct CellAt {
    int row;
    int col;
    unsigned xf;
};

struct RkCell {
    unsigned xf;
    std::uint32_t rk;
};

// A run of columns sharing width, format and flags.
struct ColumnSpan {
    int first;
    int last;
    unsigned width; // 1/256 of a character
    unsigned xf;
    bool userWidth;
};

// The rows and columns a sheet uses; each end is one past the last.
struct SheetExtent {
    int firstRow = 0;
    int rowEnd = 0;
    int firstCol = 0;
    int colEnd = 0;
};

// Where the SST put every dsst-th string, for the ExtSST that indexes them.
struct SstIndex {
    struct Bucket {
        std::uint32_t streamOffset; // of the string's header
        unsigned recordOffset;      // the same, inside its SST or CONTINUE record
    };
    unsigned dsst = 8;
    std::vector<Bucket> buckets;
};

// ---- records of one field, or none -----------------------------------------------------

void writeU16(RecordStream& out, unsigned id, Fixed<16> value);
void writeFlag(RecordStream& out, unsigned id, bool value);
void writeF64(RecordStream& out, unsigned id, double value);
void writeEmpty(RecordStream& out, unsigned id);
// A margin record from the object model's points.
void writeMargin(RecordStream& out, unsigned id, double points);

void writeBof(RecordStream& out, Substream type);
void writeEof(RecordStream& out);

// ---- workbook globals ------------------------------------------------------------------

void writeWriteAccess(RecordStream& out, const QString& user);
void writeRRTabId(RecordStream& out, int sheetCount);
void writeWindow1(RecordStream& out, int activeSheet);
void writeFont(RecordStream& out, const FontSpec& font);
void writeFormat(RecordStream& out, unsigned index, const QString& code);
// XF 0 is the Normal style; the other style XFs take only their font from it.
void writeStyleXf(RecordStream& out, bool normal);
void writeCellXf(RecordStream& out, const CellFormat& format, unsigned font, unsigned numberFormat);
void writeNormalStyle(RecordStream& out);
// Returns the stream position of the sheet offset field, patched once the sheets are laid out.
qsizetype writeBoundSheet(RecordStream& out, const QString& name);
void writeCountry(RecordStream& out);
void writeSupBook(RecordStream& out, int sheetCount);
// One XTI per entry of `sheets`, each pointing at that sheet of this workbook.
void writeExternSheet(RecordStream& out, const std::vector<int>& sheets);
// The built-in Print_Area name of `sheet`, its range reached through XTI `externIndex`.
void writePrintAreaName(RecordStream& out, int sheet, unsigned externIndex, const CellRange& range);
// The shared strings, with `uses` the number of cells that refer to them.
SstIndex writeSst(RecordStream& out, std::uint32_t uses, const std::vector<QString>& strings);
void writeExtSst(RecordStream& out, const SstIndex& index);

// ---- worksheet -------------------------------------------------------------------------

void writeGuts(RecordStream& out);
void writeDefaultRowHeight(RecordStream& out);
void writeWsBool(RecordStream& out, bool fitToPages);
void writeSetup(RecordStream& out, const PageSetup& page);
void writeColInfo(RecordStream& out, const ColumnSpan& span);
void writeDimensions(RecordStream& out, const SheetExtent& extent);
void writeRow(RecordStream& out, int row, const RowInfo& info, std::optional<unsigned> rowXf);
void writeBlank(RecordStream& out, CellAt at);
void writeMulBlank(RecordStream& out, int row, int firstCol, std::span<const unsigned> xfs);
void writeRk(RecordStream& out, CellAt at, std::uint32_t rk);
void writeMulRk(RecordStream& out, int row, int firstCol, std::span<const RkCell> cells);
void writeNumber(RecordStream& out, CellAt at, double value);
// A boolean or error value.
void writeBoolErr(RecordStream& out, CellAt at, const Value& value);
void writeLabelSst(RecordStream& out, CellAt at, std::uint32_t stringIndex);
// A formula with its last result; a text result goes on in a STRING record of its own.
void writeFormula(RecordStream& out, CellAt at, const Value& cached, const QByteArray& tokens);
void writeString(RecordStream& out, const QString& text);
void writeWindow2(RecordStream& out, bool gridlines, bool selected);
// As many ranges as one record holds.
void writeSelection(RecordStream& out, CellAddress active, const std::vector<CellRange>& ranges);
// As many records as the ranges need; none for none.
void writeMergeCells(RecordStream& out, const std::vector<CellRange>& ranges);

} // namespace bw::ss::xls
