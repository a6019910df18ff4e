// One writer per BIFF8 record of the workbook writer.
#include "spreadsheet/xls/recordwriters.h"

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/pagesetup.h"
#include "spreadsheet/model/value.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xlsstyle.h"

#include <algorithm>
#include <cmath>

namespace bw::ss::xls {

namespace {

// BOF
constexpr unsigned kBiff8 = 0x0600;
constexpr unsigned kBuildId = 0x0DBB;
constexpr unsigned kBuildYear = 0x07CC;
constexpr std::uint32_t kLowestBiffVersion = 0x06; // verLowestBiff: BIFF8

// WriteAccess: the user name, padded with blanks to a fixed size.
constexpr qsizetype kWriteAccessSize = 112;

// Window1: position and size in twips, then what the window shows.
constexpr unsigned kWindowX = 0x0168;
constexpr unsigned kWindowY = 0x001E;
constexpr unsigned kWindowWidth = 0x4000;
constexpr unsigned kWindowHeight = 0x2000;
constexpr unsigned kWindowHScroll = 0x0008;
constexpr unsigned kWindowVScroll = 0x0010;
constexpr unsigned kWindowTabs = 0x0020;
constexpr unsigned kTabRatio = 600; // of 1000: the sheet tabs take 60% of the scroll bar

// FONT
constexpr unsigned kFontBold =
    0x0001; // repeats the weight; some readers take boldness from it alone
constexpr unsigned kFontItalic = 0x0002;
constexpr unsigned kWeightNormal = 400;
constexpr unsigned kWeightBold = 700;
constexpr unsigned kFamilySwiss = 2;
constexpr unsigned kCharsetAnsi = 0;
constexpr double kTwipsPerPoint = 20.0;

// XF
constexpr unsigned kXfLocked = 0x0001;
constexpr unsigned kXfFormulaHidden = 0x0002;
constexpr unsigned kXfStyle = 0x0004;
constexpr unsigned kXfNoParent =
    0xFFF0; // parent field 0xFFF; a cell XF's parent 0 is the Normal style
constexpr unsigned kXfWrap = 0x08;
constexpr unsigned kXfVAlignShift = 4;
constexpr unsigned kXfVAlignBottom = 2;
constexpr unsigned kXfUsesFont = 0x08;
constexpr unsigned kXfUsesAll = 0xFC; // number format, font, alignment, border, pattern, protection
constexpr unsigned kXfSolidFill = 1u << 26;

// STYLE
constexpr unsigned kStyleBuiltIn = 0x8000;
constexpr unsigned kNormalXf = 0;
constexpr unsigned kStyleNormal = 0;
constexpr unsigned kStyleNoOutlineLevel = 0xFF;

// Country: the user interface's and the system's country, both the United States.
constexpr unsigned kCountryUs = 1;

// SUPBOOK of the workbook itself.
constexpr unsigned kSupBookSelf = 0x0401;

// NAME of a built-in name whose formula is one 3-D area.
constexpr unsigned kNameBuiltIn = 0x0020;
constexpr unsigned kNoShortcutKey = 0;
constexpr unsigned kBuiltInNameLength = 1;
constexpr unsigned kBuiltInPrintArea = 0x06;
constexpr unsigned kPtgArea3d = 0x3B;
constexpr unsigned kArea3dSize = 11; // ptg, ixti, two rows, two columns

// ExtSST: strings per bucket, at least this many.
constexpr unsigned kMinStringsPerBucket = 8;
constexpr unsigned kStringsPerBucketDivisor = 128;

// DefaultRowHeight and Row: 12.75 points, the height of Arial 10.
constexpr unsigned kDefaultRowTwips = 255;

// WsBool: automatic page breaks and outline symbols below and right, as the application
// writes them; fit to pages when the sheet has no zoom.
constexpr unsigned kWsBoolDefault = 0x04C1;
constexpr unsigned kWsBoolFitToPage = 0x0100;

// Setup
constexpr unsigned kSetupPortrait = 0x0002;
constexpr unsigned kSetupNotes = 0x0020;
constexpr unsigned kSetupEndNotes = 0x0200;
constexpr unsigned kPrintDpi = 600;
constexpr unsigned kFirstPageNumber = 1;
constexpr unsigned kCopies = 1;

// ColInfo
constexpr unsigned kColHidden = 0x0001;
constexpr unsigned kColUserWidth = 0x0002;

// Row
constexpr std::uint32_t kRowHeightZero = 0x0020;
constexpr std::uint32_t kRowCustomHeight = 0x0040;
constexpr std::uint32_t kRowFormatted = 0x0080;
constexpr std::uint32_t kRowReserved = 0x0100; // always set
constexpr unsigned kRowXfShift = 16;
constexpr double kMaxRowHeightPoints = 409.5;

// FORMULA cached value that is not a number: type in byte 0, 0xFFFF in bytes 6-7.
constexpr unsigned kResultText = 0;
constexpr unsigned kResultBoolean = 1;
constexpr unsigned kResultError = 2;
constexpr unsigned kResultEmptyText = 3;
constexpr unsigned kResultMarker = 0xFFFF;

// Window2
constexpr unsigned kWindowGridlines = 0x0002;
constexpr unsigned kWindowHeadings = 0x0004;
constexpr unsigned kWindowZeros = 0x0010;
constexpr unsigned kWindowAutoGridColor = 0x0020;
constexpr unsigned kWindowOutline = 0x0080;
constexpr unsigned kWindowSelected = 0x0200;
constexpr unsigned kWindowActive = 0x0400;
constexpr unsigned kHeadingColor = style::kSystemText;

// Selection
constexpr unsigned kPaneTopLeft = 3;

// MergeCells: ranges one record holds.
constexpr std::size_t kMergesPerRecord = 1026;

// The first three fields of a cell record, whose name is `record`.
void cellHeader(ByteWriter& w, CellAt at, const char* record)
{
    w.u16(at.row, {record, "rw"});
    w.u16(at.col, {record, "col"});
    w.u16(at.xf, {record, "ixfe"});
}

// Writes an XLUnicodeString into the record begun last, going on in CONTINUE records: the
// string's header never stays apart from its first character, a CONTINUE that goes on with
// the string starts with a fresh flags byte, and a UTF-16 character is never cut. Returns
// where the header went.
SstIndex::Bucket writeContinuedString(RecordStream& out, QStringView s, const char* record)
{
    const bool wide = ByteWriter::needsUtf16(s);
    const qsizetype unit = wide ? 2 : 1;
    const unsigned flags = wide ? 1 : 0;
    if (out.room() < 3 + (s.isEmpty() ? 0 : unit)) out.goOn();
    const SstIndex::Bucket start{static_cast<std::uint32_t>(out.pos()),
                                 static_cast<unsigned>(out.posInRecord())};
    ByteWriter& w = out.record();
    w.u16(s.size(), {record, "cch"});
    w.u8(flags, {record, "fHighByte"});
    qsizetype done = 0;
    while (done < s.size()) {
        if (out.room() < unit) out.goOn().u8(flags, {"Continue", "fHighByte"});
        const qsizetype n = std::min<qsizetype>(s.size() - done, out.room() / unit);
        w.chars(s.mid(done, n), wide);
        done += n;
    }
    return start;
}

// A cell record whose value is one u32: RK and LABELSST.
void writeCellU32(RecordStream& out, unsigned id, const char* record, CellAt at,
                  std::uint32_t value)
{
    ByteWriter& w = out.begin(id);
    cellHeader(w, at, record);
    w.u32(value);
    out.end();
}

} // namespace

// ---- records of one field, or none -----------------------------------------------------

void writeU16(RecordStream& out, unsigned id, Fixed<16> value)
{
    out.begin(id).u16(value);
    out.end();
}

void writeFlag(RecordStream& out, unsigned id, bool value)
{
    if (value) {
        writeU16(out, id, 1);
    } else {
        writeU16(out, id, 0);
    }
}

void writeF64(RecordStream& out, unsigned id, double value)
{
    out.begin(id).f64(value);
    out.end();
}

void writeEmpty(RecordStream& out, unsigned id)
{
    out.begin(id);
    out.end();
}

void writeMargin(RecordStream& out, unsigned id, double points)
{
    writeF64(out, id, points / kPointsPerInch);
}

void writeBof(RecordStream& out, Substream type)
{
    ByteWriter& w = out.begin(rec::Bof);
    w.u16(kBiff8);
    w.u16(static_cast<unsigned>(type), {"BOF", "dt"});
    w.u16(kBuildId);
    w.u16(kBuildYear);
    w.u32(0); // file history
    w.u32(kLowestBiffVersion);
    out.end();
}

void writeEof(RecordStream& out) { writeEmpty(out, rec::Eof); }

// ---- workbook globals ------------------------------------------------------------------

void writeWriteAccess(RecordStream& out, const QString& user)
{
    ByteWriter w;
    w.xlus(user, {"WriteAccess", "userName"});
    w.raw(QByteArray(kWriteAccessSize - w.size(), ' '));
    out.write(rec::WriteAccess, w);
}

void writeRRTabId(RecordStream& out, int sheetCount)
{
    ByteWriter w;
    for (int i = 0; i < sheetCount; ++i) w.u16(i + 1, {"RRTabId", "rgTabId"});
    out.write(rec::RRTabId, w);
}

void writeWindow1(RecordStream& out, int activeSheet)
{
    ByteWriter& w = out.begin(rec::Window1);
    w.u16(kWindowX);
    w.u16(kWindowY);
    w.u16(kWindowWidth);
    w.u16(kWindowHeight);
    w.u16(kWindowHScroll | kWindowVScroll | kWindowTabs);
    w.u16(activeSheet, {"Window1", "itabCur"});
    w.u16(0); // first tab shown
    w.u16(1); // selected tabs
    w.u16(kTabRatio);
    out.end();
}

void writeFont(RecordStream& out, const FontSpec& f)
{
    ByteWriter w;
    w.u16(std::clamp(std::lround(f.size * kTwipsPerPoint), 20L, 8191L), {"Font", "dyHeight"});
    w.u16((f.italic ? kFontItalic : 0) | (f.bold ? kFontBold : 0), {"Font", "flags"});
    w.u16(style::fontColor(f.colorIndex), {"Font", "icv"});
    w.u16(f.bold ? kWeightBold : kWeightNormal, {"Font", "bls"});
    w.u16(0); // no super- or subscript
    w.u8(0);  // no underline
    w.u8(kFamilySwiss);
    w.u8(kCharsetAnsi);
    w.u8(0);
    w.sxlus(f.name.left(255), {"Font", "fontName"});
    out.write(rec::Font, w);
}

void writeFormat(RecordStream& out, unsigned index, const QString& code)
{
    ByteWriter w;
    w.u16(index, {"Format", "ifmt"});
    w.xlus(code, {"Format", "stFormat"});
    out.write(rec::Format, w);
}

void writeStyleXf(RecordStream& out, bool normal)
{
    ByteWriter& w = out.begin(rec::Xf);
    w.u16(0); // font
    w.u16(0); // number format
    w.u16(kXfNoParent | kXfStyle | kXfLocked);
    w.u8(kXfVAlignBottom << kXfVAlignShift);
    w.u8(0); // rotation
    w.u8(0); // indent
    w.u8(normal ? 0 : kXfUsesAll & ~kXfUsesFont, {"XF", "flags"});
    w.u32(0); // no borders
    w.u32(0);
    w.u16(style::kSystemText | (style::kSystemBackground << 7));
    out.end();
}

void writeCellXf(RecordStream& out, const CellFormat& f, unsigned font, unsigned numberFormat)
{
    ByteWriter& w = out.begin(rec::Xf);
    w.u16(font, {"XF", "ifnt"});
    w.u16(numberFormat, {"XF", "ifmt"});
    w.u16((f.locked ? kXfLocked : 0) | (f.formulaHidden ? kXfFormulaHidden : 0), {"XF", "fLocked"});
    w.u8(static_cast<unsigned>(f.hAlign) | (f.wrap ? kXfWrap : 0)
             | (static_cast<unsigned>(f.vAlign) << kXfVAlignShift),
         {"XF", "alc"});
    w.u8(0);
    w.u8(0);
    w.u8(kXfUsesAll);
    auto line = [&](Edge e) { return style::borderLine(f.border(e).lineStyle); };
    auto color = [&](Edge e) {
        return f.border(e).isDrawn() ? style::borderColor(f.border(e).colorIndex) : 0u;
    };
    w.u32(line(Edge::Left) | (line(Edge::Right) << 4) | (line(Edge::Top) << 8)
          | (line(Edge::Bottom) << 12) | (color(Edge::Left) << 16) | (color(Edge::Right) << 23));
    const bool filled = f.fillColorIndex >= 1 && f.fillColorIndex <= 56;
    w.u32(color(Edge::Top) | (color(Edge::Bottom) << 7) | (filled ? kXfSolidFill : 0u));
    const unsigned pattern =
        filled ? static_cast<unsigned>(f.fillColorIndex + 7) : style::kSystemText;
    w.u16(pattern | (style::kSystemBackground << 7), {"XF", "icvFore"});
    out.end();
}

void writeNormalStyle(RecordStream& out)
{
    ByteWriter& w = out.begin(rec::Style);
    w.u16(kStyleBuiltIn | kNormalXf);
    w.u8(kStyleNormal);
    w.u8(kStyleNoOutlineLevel);
    out.end();
}

qsizetype writeBoundSheet(RecordStream& out, const QString& name)
{
    const qsizetype offsetField = out.pos() + 4;
    ByteWriter w;
    w.u32(0);
    w.u8(kSheetIsVisible);
    w.u8(0); // worksheet
    w.sxlus(name.left(31), {"BoundSheet8", "stName"});
    out.write(rec::BoundSheet, w);
    return offsetField;
}

void writeCountry(RecordStream& out)
{
    ByteWriter& w = out.begin(rec::Country);
    w.u16(kCountryUs);
    w.u16(kCountryUs);
    out.end();
}

void writeSupBook(RecordStream& out, int sheetCount)
{
    ByteWriter& w = out.begin(rec::SupBook);
    w.u16(sheetCount, {"SupBook", "ctab"});
    w.u16(kSupBookSelf);
    out.end();
}

void writeExternSheet(RecordStream& out, const std::vector<int>& sheets)
{
    ByteWriter w;
    w.u16(sheets.size(), {"ExternSheet", "cXTI"});
    for (const int sheet : sheets) {
        w.u16(0); // the SUPBOOK of this workbook
        w.u16(sheet, {"ExternSheet", "itabFirst"});
        w.u16(sheet, {"ExternSheet", "itabLast"});
    }
    out.write(rec::ExternSheet, w);
}

void writePrintAreaName(RecordStream& out, int sheet, unsigned externIndex, const CellRange& range)
{
    ByteWriter w;
    w.u16(kNameBuiltIn);
    w.u8(kNoShortcutKey);
    w.u8(kBuiltInNameLength);
    w.u16(kArea3dSize);
    w.u16(0);
    w.u16(sheet + 1, {"Lbl", "itab"}); // a name local to the sheet, counted from 1
    w.u32(0);
    w.u8(0); // the name's characters are one byte each
    w.u8(kBuiltInPrintArea);
    w.u8(kPtgArea3d);
    w.u16(externIndex, {"Lbl", "ixti"});
    w.u16(range.first.row, {"Lbl", "rwFirst"});
    w.u16(range.last.row, {"Lbl", "rwLast"});
    w.u16(range.first.col, {"Lbl", "colFirst"});
    w.u16(range.last.col, {"Lbl", "colLast"});
    out.write(rec::Name, w);
}

SstIndex writeSst(RecordStream& out, std::uint32_t uses, const std::vector<QString>& strings)
{
    const auto count = static_cast<std::uint32_t>(strings.size());
    SstIndex index;
    index.dsst = std::max<unsigned>(count / kStringsPerBucketDivisor + 1, kMinStringsPerBucket);
    index.buckets.reserve(strings.size() / index.dsst + 1);
    ByteWriter& w = out.begin(rec::Sst);
    w.u32(uses);
    w.u32(count);
    constexpr std::size_t kPrefetchAhead =
        8; // the characters of each string lie elsewhere in memory
    for (std::size_t i = 0; i < strings.size(); ++i) {
        if (i + kPrefetchAhead < strings.size()) prefetch(strings[i + kPrefetchAhead].constData());
        const SstIndex::Bucket at = writeContinuedString(out, strings[i], "SST");
        if (i % index.dsst == 0) index.buckets.push_back(at);
    }
    out.end();
    return index;
}

void writeExtSst(RecordStream& out, const SstIndex& index)
{
    ByteWriter w;
    w.u16(index.dsst, {"ExtSST", "dsst"});
    for (const SstIndex::Bucket& b : index.buckets) {
        w.u32(b.streamOffset);
        w.u16(b.recordOffset, {"ExtSST", "cbOffset"});
        w.u16(0);
    }
    out.write(rec::ExtSst, w);
}

// ---- worksheet -------------------------------------------------------------------------

void writeGuts(RecordStream& out)
{
    out.begin(rec::Guts).zeros(8); // no outline levels
    out.end();
}

void writeDefaultRowHeight(RecordStream& out)
{
    ByteWriter& w = out.begin(rec::DefaultRowHeight);
    w.u16(0); // the height of the default font, not hidden
    w.u16(kDefaultRowTwips);
    out.end();
}

void writeWsBool(RecordStream& out, bool fitToPages)
{
    out.begin(rec::WsBool)
        .u16(kWsBoolDefault | (fitToPages ? kWsBoolFitToPage : 0), {"WsBool", "flags"});
    out.end();
}

void writeSetup(RecordStream& out, const PageSetup& p)
{
    unsigned flags = p.orientation == PageSetup::kLandscape ? 0 : kSetupPortrait;
    if (p.printComments == PageSetup::kPrintInPlace) flags |= kSetupNotes;
    if (p.printComments == PageSetup::kPrintSheetEnd) flags |= kSetupNotes | kSetupEndNotes;
    ByteWriter& w = out.begin(rec::Setup);
    w.u16(std::clamp(p.paperSize, 0, 0xFFFF), {"Setup", "iPaperSize"});
    w.u16(std::clamp(p.zoom.value_or(100), 10, 400), {"Setup", "iScale"});
    w.u16(kFirstPageNumber);
    w.u16(std::clamp(p.fitToPagesWide, 0, 0x7FFF), {"Setup", "iFitWidth"});
    w.u16(std::clamp(p.fitToPagesTall, 0, 0x7FFF), {"Setup", "iFitHeight"});
    w.u16(flags, {"Setup", "flags"});
    w.u16(kPrintDpi);
    w.u16(kPrintDpi);
    w.f64(p.headerMargin / kPointsPerInch);
    w.f64(p.footerMargin / kPointsPerInch);
    w.u16(kCopies);
    out.end();
}

void writeColInfo(RecordStream& out, const ColumnSpan& s)
{
    ByteWriter& w = out.begin(rec::ColInfo);
    w.u16(s.first, {"ColInfo", "colFirst"});
    w.u16(s.last, {"ColInfo", "colLast"});
    w.u16(s.width, {"ColInfo", "coldx"});
    w.u16(s.xf, {"ColInfo", "ixfe"});
    w.u16((s.userWidth ? kColUserWidth : 0) | (s.width == 0 ? kColHidden : 0),
          {"ColInfo", "flags"});
    w.u16(0);
    out.end();
}

void writeDimensions(RecordStream& out, const SheetExtent& e)
{
    ByteWriter& w = out.begin(rec::Dimensions);
    w.u32(static_cast<std::uint32_t>(e.firstRow));
    w.u32(static_cast<std::uint32_t>(e.rowEnd));
    w.u16(e.firstCol, {"Dimensions", "colMic"});
    w.u16(e.colEnd, {"Dimensions", "colMac"});
    w.u16(0);
    out.end();
}

void writeRow(RecordStream& out, int row, const RowInfo& info, std::optional<unsigned> rowXf)
{
    std::uint32_t flags = kRowReserved;
    unsigned twips = kDefaultRowTwips;
    if (info.height) {
        const double points = std::clamp(*info.height, 0.0, kMaxRowHeightPoints);
        twips = static_cast<unsigned>(std::lround(points * kTwipsPerPoint));
        flags |= kRowCustomHeight;
        if (twips == 0) flags |= kRowHeightZero;
    }
    if (rowXf) flags |= kRowFormatted | (std::uint32_t(*rowXf) << kRowXfShift);
    const bool empty = info.cells.empty();
    ByteWriter& w = out.begin(rec::Row);
    w.u16(row, {"Row", "rw"});
    w.u16(empty ? 0 : info.cells.begin()->first, {"Row", "colMic"});
    w.u16(empty ? 0 : info.cells.rbegin()->first + 1, {"Row", "colMac"});
    w.u16(twips, {"Row", "miyRw"});
    w.u16(0);
    w.u16(0);
    w.u32(flags);
    out.end();
}

void writeBlank(RecordStream& out, CellAt at)
{
    cellHeader(out.begin(rec::Blank), at, "Blank");
    out.end();
}

void writeMulBlank(RecordStream& out, int row, int firstCol, std::span<const unsigned> xfs)
{
    ByteWriter& w = out.begin(rec::MulBlank);
    w.u16(row, {"MulBlank", "rw"});
    w.u16(firstCol, {"MulBlank", "colFirst"});
    for (const unsigned xf : xfs) w.u16(xf, {"MulBlank", "rgixfe"});
    w.u16(firstCol + std::ssize(xfs) - 1, {"MulBlank", "colLast"});
    out.end();
}

void writeRk(RecordStream& out, CellAt at, std::uint32_t rk)
{
    writeCellU32(out, rec::Rk, "RK", at, rk);
}

void writeMulRk(RecordStream& out, int row, int firstCol, std::span<const RkCell> cells)
{
    ByteWriter& w = out.begin(rec::MulRk);
    w.u16(row, {"MulRk", "rw"});
    w.u16(firstCol, {"MulRk", "colFirst"});
    for (const RkCell& c : cells) {
        w.u16(c.xf, {"MulRk", "ixfe"});
        w.u32(c.rk);
    }
    w.u16(firstCol + std::ssize(cells) - 1, {"MulRk", "colLast"});
    out.end();
}

void writeNumber(RecordStream& out, CellAt at, double value)
{
    ByteWriter& w = out.begin(rec::Number);
    cellHeader(w, at, "Number");
    w.f64(value);
    out.end();
}

void writeBoolErr(RecordStream& out, CellAt at, const Value& value)
{
    ByteWriter& w = out.begin(rec::BoolErr);
    cellHeader(w, at, "BoolErr");
    if (value.isError()) {
        w.u8(static_cast<unsigned>(value.asError()), {"BoolErr", "bBoolErr"});
        w.u8(1);
    } else {
        w.u8(value.asBoolean() ? 1 : 0, {"BoolErr", "bBoolErr"});
        w.u8(0);
    }
    out.end();
}

void writeLabelSst(RecordStream& out, CellAt at, std::uint32_t stringIndex)
{
    writeCellU32(out, rec::LabelSst, "LabelSst", at, stringIndex);
}

void writeFormula(RecordStream& out, CellAt at, const Value& cached, const QByteArray& tokens)
{
    // Built apart: a long formula may need a CONTINUE record.
    ByteWriter w;
    cellHeader(w, at, "Formula");
    auto special = [&](unsigned type, unsigned payload) {
        w.u8(type, {"Formula", "val"});
        w.u8(0);
        w.u8(payload, {"Formula", "val"});
        w.u8(0);
        w.u16(0);
        w.u16(kResultMarker);
    };
    switch (cached.type()) {
    case Value::Type::Number:
        if (std::isfinite(cached.asNumber()))
            w.f64(cached.asNumber());
        else
            special(kResultError, static_cast<unsigned>(ErrorValue::Num));
        break;
    case Value::Type::Text:
        special(cached.asText().isEmpty() ? kResultEmptyText : kResultText, 0);
        break;
    case Value::Type::Boolean:
        special(kResultBoolean, cached.asBoolean() ? 1 : 0);
        break;
    case Value::Type::Error:
        special(kResultError, static_cast<unsigned>(cached.asError()));
        break;
    case Value::Type::Empty:
        special(kResultEmptyText, 0);
        break;
    }
    w.u16(0); // not always recalculated, not shared
    w.u32(0);
    w.u16(tokens.size(), {"Formula", "cce"});
    w.raw(tokens);
    out.write(rec::Formula, w);
}

void writeString(RecordStream& out, const QString& text)
{
    out.begin(rec::String);
    writeContinuedString(out, text, "String");
    out.end();
}

void writeWindow2(RecordStream& out, bool gridlines, bool selected)
{
    unsigned flags = kWindowHeadings | kWindowZeros | kWindowAutoGridColor | kWindowOutline;
    if (gridlines) flags |= kWindowGridlines;
    if (selected) flags |= kWindowSelected | kWindowActive;
    ByteWriter& w = out.begin(rec::Window2);
    w.u16(flags, {"Window2", "flags"});
    w.u16(0); // top row shown
    w.u16(0); // left column shown
    w.u16(kHeadingColor);
    w.u16(0);
    w.u16(0); // page break preview zoom: the default
    w.u16(0); // normal zoom: the default
    w.u32(0);
    out.end();
}

void writeSelection(RecordStream& out, CellAddress active, const std::vector<CellRange>& ranges)
{
    const std::size_t count = std::min<std::size_t>(ranges.size(), (kMaxRecordData - 9) / 6);
    std::size_t activeRef = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (ranges[i].contains(active)) {
            activeRef = i;
            break;
        }
    }
    ByteWriter& w = out.begin(rec::Selection);
    w.u8(kPaneTopLeft);
    w.u16(active.row, {"Selection", "rwAct"});
    w.u16(active.col, {"Selection", "colAct"});
    w.u16(activeRef, {"Selection", "irefAct"});
    w.u16(count, {"Selection", "cref"});
    for (std::size_t i = 0; i < count; ++i) {
        w.u16(ranges[i].first.row, {"Selection", "rwFirst"});
        w.u16(ranges[i].last.row, {"Selection", "rwLast"});
        w.u8(ranges[i].first.col, {"Selection", "colFirst"});
        w.u8(ranges[i].last.col, {"Selection", "colLast"});
    }
    out.end();
}

void writeMergeCells(RecordStream& out, const std::vector<CellRange>& ranges)
{
    for (std::size_t at = 0; at < ranges.size(); at += kMergesPerRecord) {
        const std::size_t end = std::min(ranges.size(), at + kMergesPerRecord);
        ByteWriter& w = out.begin(rec::MergeCells);
        w.u16(end - at, {"MergeCells", "cmcs"});
        for (std::size_t i = at; i < end; ++i) {
            w.u16(ranges[i].first.row, {"MergeCells", "rwFirst"});
            w.u16(ranges[i].last.row, {"MergeCells", "rwLast"});
            w.u16(ranges[i].first.col, {"MergeCells", "colFirst"});
            w.u16(ranges[i].last.col, {"MergeCells", "colLast"});
        }
        out.end();
    }
}

} // namespace bw::ss::xls
