// Each record writer against the bytes the file format documentation gives for it: record
// id and length, then the fields in order, little-endian.
#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/pagesetup.h"
#include "spreadsheet/model/value.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/recordwriters.h"

#include <gtest/gtest.h>

#include <functional>

namespace bw::ss::xls {
namespace {

struct RecordCase {
    const char* name;
    std::function<void(RecordStream&)> write;
    QByteArray expected;
};

// Spaces and bars only group the fields; fromHex skips them.
QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

PageSetup page(int orientation, std::optional<int> zoom, int comments)
{
    PageSetup p;
    p.paperSize = PageSetup::kPaperA4;
    p.orientation = orientation;
    p.zoom = zoom;
    p.fitToPagesWide = 1;
    p.fitToPagesTall = 2;
    p.printComments = comments;
    p.headerMargin = 36; // half an inch
    p.footerMargin = 18;
    return p;
}

RowInfo rowWith(std::vector<int> cols, std::optional<double> height)
{
    RowInfo r;
    for (const int c : cols) r.cells[c].value = Value::number(1);
    r.height = height;
    return r;
}

CellFormat centredWrappedShaded()
{
    CellFormat f;
    f.hAlign = HAlign::Center;
    f.vAlign = VAlign::Center;
    f.wrap = true;
    f.border(Edge::Bottom).lineStyle = kLineContinuous;
    f.fillColorIndex = 15; // silver, palette entry 22
    return f;
}

FontSpec boldItalicRed()
{
    FontSpec f;
    f.size = 12;
    f.bold = true;
    f.italic = true;
    f.colorIndex = 3; // palette entry 10
    return f;
}

class RecordBytes : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordBytes, MatchTheDocumentedLayout)
{
    RecordStream out;
    GetParam().write(out);
    EXPECT_EQ(out.take().toHex(' '), GetParam().expected.toHex(' '));
}

const QString kLong(8300, QLatin1Char('a'));

INSTANTIATE_TEST_SUITE_P(
    Table, RecordBytes,
    ::testing::Values(
        // workbook globals
        RecordCase{"BOF_globals", [](auto& o) { writeBof(o, Substream::Globals); }, hex("0908 1000 | 0006 0500 BB0D CC07 00000000 06000000")},
        RecordCase{"InterfaceHdr", [](auto& o) { writeU16(o, rec::InterfaceHdr, kCodePageUtf16); }, hex("E100 0200 | B004")},
        RecordCase{"Mms", [](auto& o) { writeU16(o, rec::Mms, 0); }, hex("C100 0200 | 0000")},
        RecordCase{"InterfaceEnd", [](auto& o) { writeEmpty(o, rec::InterfaceEnd); }, hex("E200 0000")},
        RecordCase{"WriteAccess", [](auto& o) { writeWriteAccess(o, QStringLiteral("Bw")); }, hex("5C00 7000 | 0200 00 4277") + QByteArray(107, ' ')},
        RecordCase{"CodePage", [](auto& o) { writeU16(o, rec::CodePage, kCodePageUtf16); }, hex("4200 0200 | B004")},
        RecordCase{"DSF", [](auto& o) { writeFlag(o, rec::Dsf, false); }, hex("6101 0200 | 0000")},
        RecordCase{"RRTabId", [](auto& o) { writeRRTabId(o, 3); }, hex("3D01 0600 | 0100 0200 0300")},
        RecordCase{"BuiltInFnGroupCount", [](auto& o) { writeU16(o, rec::BuiltInFnGroupCount, kBuiltInFnGroups); }, hex("9C00 0200 | 0E00")},
        RecordCase{"WinProtect", [](auto& o) { writeFlag(o, rec::WinProtect, false); }, hex("1900 0200 | 0000")},
        RecordCase{"Protect", [](auto& o) { writeFlag(o, rec::Protect, false); }, hex("1200 0200 | 0000")},
        RecordCase{"Password", [](auto& o) { writeU16(o, rec::Password, 0); }, hex("1300 0200 | 0000")},
        RecordCase{"Prot4Rev", [](auto& o) { writeFlag(o, rec::Prot4Rev, false); }, hex("AF01 0200 | 0000")},
        RecordCase{"Prot4RevPass", [](auto& o) { writeU16(o, rec::Prot4RevPass, 0); }, hex("BC01 0200 | 0000")},
        RecordCase{"Window1", [](auto& o) { writeWindow1(o, 2); }, hex("3D00 1200 | 6801 1E00 0040 0020 | 3800 | 0200 0000 0100 | 5802")},
        RecordCase{"Backup", [](auto& o) { writeFlag(o, rec::Backup, false); }, hex("4000 0200 | 0000")},
        RecordCase{"HideObj", [](auto& o) { writeU16(o, rec::HideObj, 0); }, hex("8D00 0200 | 0000")},
        RecordCase{"Date1904", [](auto& o) { writeFlag(o, rec::Date1904, false); }, hex("2200 0200 | 0000")},
        RecordCase{"CalcPrecision", [](auto& o) { writeFlag(o, rec::CalcPrecision, true); }, hex("0E00 0200 | 0100")},
        RecordCase{"RefreshAll", [](auto& o) { writeFlag(o, rec::RefreshAll, false); }, hex("B701 0200 | 0000")},
        RecordCase{"BookBool", [](auto& o) { writeFlag(o, rec::BookBool, false); }, hex("DA00 0200 | 0000")},
        RecordCase{"Font_default", [](auto& o) { writeFont(o, FontSpec{}); }, hex("3100 1500 | C800 0000 FF7F 9001 0000 00 02 00 00 | 05 00 417269616C")},
        RecordCase{"Font_bold_italic_colour", [](auto& o) { writeFont(o, boldItalicRed()); }, hex("3100 1500 | F000 0300 0A00 BC02 0000 00 02 00 00 | 05 00 417269616C")},
        RecordCase{"Format_utf16", [](auto& o) { writeFormat(o, 164, QStringLiteral("\u20AC0")); }, hex("1E04 0900 | A400 | 0200 01 AC20 3000")},
        RecordCase{"XF_normal_style", [](auto& o) { writeStyleXf(o, true); }, hex("E000 1400 | 0000 0000 F5FF 20 00 00 00 | 00000000 00000000 C020")},
        RecordCase{"XF_other_style", [](auto& o) { writeStyleXf(o, false); }, hex("E000 1400 | 0000 0000 F5FF 20 00 00 F4 | 00000000 00000000 C020")},
        RecordCase{"XF_cell", [](auto& o) { writeCellXf(o, centredWrappedShaded(), 5, 164); }, hex("E000 1400 | 0500 A400 0100 1A 00 00 FC | 00100000 00200004 9620")},
        RecordCase{"Style_normal", [](auto& o) { writeNormalStyle(o); }, hex("9302 0400 | 0080 00 FF")},
        RecordCase{"UsesELFs", [](auto& o) { writeFlag(o, rec::UsesElfs, false); }, hex("6001 0200 | 0000")},
        RecordCase{"BoundSheet8", [](auto& o) { writeBoundSheet(o, QStringLiteral("Log")); }, hex("8500 0B00 | 00000000 00 00 | 03 00 4C6F67")},
        RecordCase{"Country", [](auto& o) { writeCountry(o); }, hex("8C00 0400 | 0100 0100")},
        RecordCase{"SupBook", [](auto& o) { writeSupBook(o, 3); }, hex("AE01 0400 | 0300 0104")},
        RecordCase{"ExternSheet", [](auto& o) { writeExternSheet(o, {0, 2}); }, hex("1700 0E00 | 0200 | 0000 0000 0000 | 0000 0200 0200")},
        RecordCase{"Name_print_area", [](auto& o) { writePrintAreaName(o, 1, 0, {{0, 0}, {30, 7}}); },
                   hex("1800 1B00 | 2000 00 01 0B00 0000 0200 00 00 00 00 | 00 06 | 3B 0000 0000 1E00 0000 0700")},
        RecordCase{"SST", [](auto& o) { writeSst(o, 3, {QStringLiteral("ab"), QStringLiteral("\u20AC")}); },
                   hex("FC00 1200 | 03000000 02000000 | 0200 00 6162 | 0100 01 AC20")},
        RecordCase{"SST_continued", [](auto& o) { writeSst(o, 1, {kLong}); },
                   hex("FC00 2020 | 01000000 01000000 | 6C20 00") + QByteArray(8213, 'a') + hex("3C00 5800 | 00") + QByteArray(87, 'a')},
        RecordCase{"ExtSST", [](auto& o) { RecordStream sst; writeExtSst(o, writeSst(sst, 3, {QStringLiteral("ab")})); },
                   hex("FF00 0A00 | 0800 | 0C000000 0C00 0000")},
        RecordCase{"EOF", [](auto& o) { writeEof(o); }, hex("0A00 0000")},
        // worksheet
        RecordCase{"BOF_worksheet", [](auto& o) { writeBof(o, Substream::Worksheet); }, hex("0908 1000 | 0006 1000 BB0D CC07 00000000 06000000")},
        RecordCase{"CalcMode", [](auto& o) { writeU16(o, rec::CalcMode, kCalcAutomatic); }, hex("0D00 0200 | 0100")},
        RecordCase{"CalcCount", [](auto& o) { writeU16(o, rec::CalcCount, kCalcIterations); }, hex("0C00 0200 | 6400")},
        RecordCase{"CalcRefMode", [](auto& o) { writeU16(o, rec::CalcRefMode, kRefModeA1); }, hex("0F00 0200 | 0100")},
        RecordCase{"CalcIter", [](auto& o) { writeFlag(o, rec::CalcIter, false); }, hex("1100 0200 | 0000")},
        RecordCase{"CalcDelta", [](auto& o) { writeF64(o, rec::CalcDelta, kCalcDelta); }, hex("1000 0800 | FCA9F1D24D62503F")},
        RecordCase{"CalcSaveRecalc", [](auto& o) { writeFlag(o, rec::CalcSaveRecalc, true); }, hex("5F00 0200 | 0100")},
        RecordCase{"PrintRowCol", [](auto& o) { writeFlag(o, rec::PrintRowCol, false); }, hex("2A00 0200 | 0000")},
        RecordCase{"PrintGrid", [](auto& o) { writeFlag(o, rec::PrintGrid, false); }, hex("2B00 0200 | 0000")},
        RecordCase{"GridSet", [](auto& o) { writeFlag(o, rec::GridSet, true); }, hex("8200 0200 | 0100")},
        RecordCase{"Guts", [](auto& o) { writeGuts(o); }, hex("8000 0800 | 0000 0000 0000 0000")},
        RecordCase{"DefaultRowHeight", [](auto& o) { writeDefaultRowHeight(o); }, hex("2502 0400 | 0000 FF00")},
        RecordCase{"WsBool_fit_to_pages", [](auto& o) { writeWsBool(o, true); }, hex("8100 0200 | C105")},
        RecordCase{"WsBool_scaled", [](auto& o) { writeWsBool(o, false); }, hex("8100 0200 | C104")},
        RecordCase{"Header", [](auto& o) { writeEmpty(o, rec::Header); }, hex("1400 0000")},
        RecordCase{"Footer", [](auto& o) { writeEmpty(o, rec::Footer); }, hex("1500 0000")},
        RecordCase{"HCenter", [](auto& o) { writeFlag(o, rec::HCenter, false); }, hex("8300 0200 | 0000")},
        RecordCase{"VCenter", [](auto& o) { writeFlag(o, rec::VCenter, false); }, hex("8400 0200 | 0000")},
        RecordCase{"LeftMargin", [](auto& o) { writeMargin(o, rec::LeftMargin, 36); }, hex("2600 0800 | 000000000000E03F")},
        RecordCase{"RightMargin", [](auto& o) { writeMargin(o, rec::RightMargin, 72); }, hex("2700 0800 | 000000000000F03F")},
        RecordCase{"TopMargin", [](auto& o) { writeMargin(o, rec::TopMargin, 54); }, hex("2800 0800 | 000000000000E83F")},
        RecordCase{"BottomMargin", [](auto& o) { writeMargin(o, rec::BottomMargin, 18); }, hex("2900 0800 | 000000000000D03F")},
        RecordCase{"Setup_landscape_notes_at_end", [](auto& o) { writeSetup(o, page(PageSetup::kLandscape, 85, PageSetup::kPrintSheetEnd)); },
                   hex("A100 2200 | 0900 5500 0100 0100 0200 | 2002 | 5802 5802 | 000000000000E03F 000000000000D03F | 0100")},
        RecordCase{"Setup_portrait_fit_notes_in_place", [](auto& o) { writeSetup(o, page(PageSetup::kPortrait, std::nullopt, PageSetup::kPrintInPlace)); },
                   hex("A100 2200 | 0900 6400 0100 0100 0200 | 2200 | 5802 5802 | 000000000000E03F 000000000000D03F | 0100")},
        RecordCase{"DefColWidth", [](auto& o) { writeU16(o, rec::DefColWidth, kDefColWidthChars); }, hex("5500 0200 | 0800")},
        RecordCase{"ColInfo", [](auto& o) { writeColInfo(o, {1, 3, 5339, 16, true}); }, hex("7D00 0C00 | 0100 0300 DB14 1000 0200 0000")},
        RecordCase{"ColInfo_hidden", [](auto& o) { writeColInfo(o, {5, 5, 0, 15, true}); }, hex("7D00 0C00 | 0500 0500 0000 0F00 0300 0000")},
        RecordCase{"Dimensions", [](auto& o) { writeDimensions(o, {0, 32, 0, 8}); }, hex("0002 0E00 | 00000000 20000000 0000 0800 0000")},
        RecordCase{"Row_tall_formatted", [](auto& o) { writeRow(o, 5, rowWith({1, 3}, 20.0), 17u); }, hex("0802 1000 | 0500 0100 0400 9001 0000 0000 | C0011100")},
        RecordCase{"Row_hidden_empty", [](auto& o) { writeRow(o, 7, rowWith({}, 0.0), std::nullopt); }, hex("0802 1000 | 0700 0000 0000 0000 0000 0000 | 60010000")},
        RecordCase{"Blank", [](auto& o) { writeBlank(o, {2, 3, 15}); }, hex("0102 0600 | 0200 0300 0F00")},
        RecordCase{"MulBlank", [](auto& o) { writeMulBlank(o, 2, 1, std::vector<unsigned>{15, 16, 17}); }, hex("BE00 0C00 | 0200 0100 | 0F00 1000 1100 | 0300")},
        RecordCase{"RK", [](auto& o) { writeRk(o, {1, 6, 15}, (42u << 2) | 2u); }, hex("7E02 0A00 | 0100 0600 0F00 | AA000000")},
        RecordCase{"MulRk", [](auto& o) { writeMulRk(o, 1, 6, std::vector<RkCell>{{15, 0xAA}, {16, 0x134B}}); }, hex("BD00 1200 | 0100 0600 | 0F00 AA000000 | 1000 4B130000 | 0700")},
        RecordCase{"Number", [](auto& o) { writeNumber(o, {1, 7, 16}, 0.1); }, hex("0302 0E00 | 0100 0700 1000 | 9A9999999999B93F")},
        RecordCase{"BoolErr_boolean", [](auto& o) { writeBoolErr(o, {1, 2, 15}, Value::boolean(true)); }, hex("0502 0800 | 0100 0200 0F00 | 01 00")},
        RecordCase{"BoolErr_error", [](auto& o) { writeBoolErr(o, {1, 2, 15}, Value::error(ErrorValue::Div0)); }, hex("0502 0800 | 0100 0200 0F00 | 07 01")},
        RecordCase{"LabelSst", [](auto& o) { writeLabelSst(o, {3, 0, 15}, 258); }, hex("FD00 0A00 | 0300 0000 0F00 | 02010000")},
        RecordCase{"Formula_number", [](auto& o) { writeFormula(o, {10, 6, 15}, Value::number(5), hex("1E0200")); },
                   hex("0600 1900 | 0A00 0600 0F00 | 0000000000001440 | 0000 00000000 | 0300 1E0200")},
        RecordCase{"Formula_text", [](auto& o) { writeFormula(o, {10, 6, 15}, Value::text(QStringLiteral("ab")), hex("1E0200")); },
                   hex("0600 1900 | 0A00 0600 0F00 | 00 00 00 00 0000 FFFF | 0000 00000000 | 0300 1E0200")},
        RecordCase{"Formula_boolean", [](auto& o) { writeFormula(o, {10, 6, 15}, Value::boolean(true), hex("1E0200")); },
                   hex("0600 1900 | 0A00 0600 0F00 | 01 00 01 00 0000 FFFF | 0000 00000000 | 0300 1E0200")},
        RecordCase{"Formula_error", [](auto& o) { writeFormula(o, {10, 6, 15}, Value::error(ErrorValue::NA), hex("1E0200")); },
                   hex("0600 1900 | 0A00 0600 0F00 | 02 00 2A 00 0000 FFFF | 0000 00000000 | 0300 1E0200")},
        RecordCase{"Formula_empty_text", [](auto& o) { writeFormula(o, {10, 6, 15}, Value::text(QString()), hex("1E0200")); },
                   hex("0600 1900 | 0A00 0600 0F00 | 03 00 00 00 0000 FFFF | 0000 00000000 | 0300 1E0200")},
        RecordCase{"String", [](auto& o) { writeString(o, QStringLiteral("ab")); }, hex("0702 0500 | 0200 00 6162")},
        RecordCase{"String_continued", [](auto& o) { writeString(o, kLong); },
                   hex("0702 2020 | 6C20 00") + QByteArray(8221, 'a') + hex("3C00 5000 | 00") + QByteArray(79, 'a')},
        RecordCase{"Window2_selected_gridlines", [](auto& o) { writeWindow2(o, true, true); }, hex("3E02 1200 | B606 0000 0000 4000 0000 0000 0000 00000000")},
        RecordCase{"Window2_plain", [](auto& o) { writeWindow2(o, false, false); }, hex("3E02 1200 | B400 0000 0000 4000 0000 0000 0000 00000000")},
        RecordCase{"Selection", [](auto& o) { writeSelection(o, {2, 1}, {{{0, 0}, {2, 1}}}); }, hex("1D00 0F00 | 03 0200 0100 0000 0100 | 0000 0200 00 01")},
        RecordCase{"MergeCells", [](auto& o) { writeMergeCells(o, {{{0, 0}, {0, 7}}, {{5, 1}, {6, 2}}}); },
                   hex("E500 1200 | 0200 | 0000 0000 0000 0700 | 0500 0600 0100 0200")}),
    [](const ::testing::TestParamInfo<RecordCase>& tc) { return std::string(tc.param.name); });

} // namespace
} // namespace bw::ss::xls
