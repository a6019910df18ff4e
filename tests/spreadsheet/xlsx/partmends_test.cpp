// Each mend fed what the installed library really writes: the library's element must be
// as the mend expects (else these fail first), the mend's element replaces it, and every
// other byte of the part stays as the library wrote it.
#include "spreadsheet/model/errors.h"
#include "spreadsheet/xlsx/package.h"
#include "spreadsheet/xlsx/partmends.h"
#include "support/clibrarylocale.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <functional>

using namespace bw::ss;
using namespace bw::ss::xlsx;

namespace {

const char* const kSheet = "xl/worksheets/sheet1.xml";
const char* const kStyles = "xl/styles.xml";

using Write = std::function<void(lxw_workbook*, lxw_worksheet*)>;
using Mend = std::function<void(PartSplicer&)>;

// A part of a one-sheet workbook written by the library itself.
QByteArray libraryPart(const Write& write, const char* name)
{
    // As the writer calls it: in the C locale, whatever the desktop's (printf's numbers).
    const bw::test::CLibraryLocale c("C");
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("b.xlsx")));
    lxw_workbook* book = workbook_new(path.constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    if (write) write(book, sheet);
    EXPECT_EQ(workbook_close(book), LXW_NO_ERROR);
    QFile file(QString::fromLocal8Bit(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const PackagePart& p : readPackage(file.readAll())) {
        if (p.name == QLatin1String(name)) return p.data;
    }
    ADD_FAILURE() << "the library wrote no " << name;
    return {};
}

QByteArray mended(const QByteArray& xml, const char* part, const Mend& mend)
{
    PartSplicer splicer(xml, QString::fromLatin1(part));
    mend(splicer);
    return splicer.finish();
}

void blankCells(lxw_workbook* book, lxw_worksheet* sheet)
{
    lxw_format* format = workbook_add_format(book);
    format_set_bold(format);
    // A text beyond the first plane before the cells: offsets count it as two characters.
    worksheet_write_formula_num(sheet, 0, 0, "LEN(\"日本𝄞\")", nullptr, 3);
    worksheet_write_blank(sheet, 1, 2, format);
    worksheet_write_blank(sheet, 1, 3, format);
}

PageSetup noHeaderMargins()
{
    PageSetup page;
    page.headerMargin = page.footerMargin = 0;
    return page;
}

struct MendCase {
    const char* name;
    const char* part;
    Write write;
    const char* library; // the element as the library writes it
    Mend mend;
    const char* mended; // what the mend makes of it
};

const MendCase kMends[] = {
    {"SheetFormatPr", kSheet, nullptr, "<sheetFormatPr defaultRowHeight=\"15\"/>",
     [](PartSplicer& s) { mendSheetFormatPr(s, 12.75); },
     "<sheetFormatPr defaultRowHeight=\"12.75\"/>"},
    {"SelectionReplacesTheLibrarys", kSheet,
     [](lxw_workbook*, lxw_worksheet* ws) { worksheet_set_selection(ws, 2, 5, 2, 5); },
     "<selection activeCell=\"F3\" sqref=\"F3\"/>",
     [](PartSplicer& s) {
         mendSelection(s, {{{4, 2}, {6, 4}}, CellRange::single({9, 9})}, {9, 9});
     },
     "<selection activeCell=\"J10\" activeCellId=\"1\" sqref=\"C5:E7 J10\"/>"},
    {"SelectionOpensAnEmptySheetView", kSheet, nullptr,
     "<sheetView tabSelected=\"1\" workbookViewId=\"0\"/>",
     [](PartSplicer& s) {
         mendSelection(s, {CellRange::columns(0, 1)}, {2, 5});
     },
     "<sheetView tabSelected=\"1\" workbookViewId=\"0\"><selection activeCell=\"F3\" "
     "activeCellId=\"1\" sqref=\"A1:B1048576 F3\"/></sheetView>"},
    {"CellTails", kSheet, blankCells, "<c r=\"C2\" s=\"1\"/><c r=\"D2\" s=\"1\"/>",
     [](PartSplicer& s) {
         mendCellTails(s, {{{1, 2}, " t=\"e\"><v>#N/A</v></c>"},
                           {{1, 3}, " t=\"inlineStr\"><is><t></t></is></c>"}});
     },
     "<c r=\"C2\" s=\"1\" t=\"e\"><v>#N/A</v></c><c r=\"D2\" s=\"1\" "
     "t=\"inlineStr\"><is><t></t></is></c>"},
    {"PageMargins", kSheet, nullptr,
     "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
     "footer=\"0.3\"/>",
     [](PartSplicer& s) { mendPageMargins(s, noHeaderMargins()); },
     "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0\" "
     "footer=\"0\"/>"},
    {"CellCommentsOnTheLibrarysPageSetup", kSheet,
     [](lxw_workbook*, lxw_worksheet* ws) {
         worksheet_set_paper(ws, 9);
         worksheet_set_landscape(ws);
     },
     "<pageSetup paperSize=\"9\" orientation=\"landscape\"/>",
     [](PartSplicer& s) {
         mendPageMargins(s, PageSetup());
         mendCellComments(s, PageSetup::kPrintSheetEnd);
     },
     "<pageSetup cellComments=\"atEnd\" paperSize=\"9\" orientation=\"landscape\"/>"},
    {"CellCommentsOnAPageSetupOfTheirOwn", kSheet, nullptr, "footer=\"0.3\"/>",
     [](PartSplicer& s) {
         mendPageMargins(s, PageSetup());
         mendCellComments(s, PageSetup::kPrintInPlace);
     },
     "footer=\"0.3\"/><pageSetup cellComments=\"asDisplayed\"/>"},
    {"DefaultFont", kStyles, nullptr,
     "<font><sz val=\"11\"/><color theme=\"1\"/><name val=\"Calibri\"/><family val=\"2\"/>"
     "<scheme val=\"minor\"/></font>",
     [](PartSplicer& s) { mendDefaultFont(s, FontSpec()); },
     "<font><sz val=\"10\"/><color theme=\"1\"/><name val=\"Arial\"/><family val=\"2\"/></font>"},
};

class XlsxMend : public ::testing::TestWithParam<MendCase> {};

TEST_P(XlsxMend, ReplacesTheLibrarysElementAndNothingElse)
{
    const MendCase& c = GetParam();
    const QByteArray xml = libraryPart(c.write, c.part);
    ASSERT_EQ(xml.count(c.library), 1) << "the library writes the element differently:\n"
                                       << xml.toStdString();
    EXPECT_EQ(mended(xml, c.part, c.mend).toStdString(),
              QByteArray(xml).replace(c.library, c.mended).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Cases, XlsxMend, ::testing::ValuesIn(kMends),
                         [](const ::testing::TestParamInfo<MendCase>& tc) {
                             return std::string(tc.param.name);
                         });

// The library's part, written differently: the mend refuses it, naming the element.
struct RefusalCase {
    const char* name;
    const char* part;
    Write write;
    const char* from; // replaced in the library's part
    const char* to;
    Mend mend;
    const char* message; // a fragment of the error
};

const RefusalCase kRefusals[] = {
    {"SheetFormatPrMissing", kSheet, nullptr, "<sheetFormatPr defaultRowHeight=\"15\"/>", "",
     [](PartSplicer& s) { mendSheetFormatPr(s, 12.75); },
     "<sheetFormatPr> in xl/worksheets/sheet1.xml is missing"},
    {"SheetFormatPrWithContent", kSheet, nullptr, "defaultRowHeight=\"15\"/>",
     "defaultRowHeight=\"15\"></sheetFormatPr>",
     [](PartSplicer& s) { mendSheetFormatPr(s, 12.75); }, "<sheetFormatPr> in"},
    {"SelectionWithContent", kSheet,
     [](lxw_workbook*, lxw_worksheet* ws) { worksheet_set_selection(ws, 2, 5, 2, 5); },
     "sqref=\"F3\"/>", "sqref=\"F3\"></selection>",
     [](PartSplicer& s) {
         mendSelection(s, {CellRange::columns(0, 1)}, {2, 5});
     },
     "<selection> in xl/worksheets/sheet1.xml has content"},
    {"CellNotBlank", kSheet, blankCells, "<c r=\"D2\" s=\"1\"/>",
     "<c r=\"D2\" s=\"1\"><v>1</v></c>",
     [](PartSplicer& s) {
         mendCellTails(s, {{{1, 3}, "/>"}});
     },
     "<c r=\"D2\"> in xl/worksheets/sheet1.xml is not blank"},
    {"CellMissing", kSheet, blankCells, "<c r=\"D2\" s=\"1\"/>", "",
     [](PartSplicer& s) {
         mendCellTails(s, {{{1, 2}, "/>"}, {{1, 3}, "/>"}});
     },
     "<c r=\"D2\"> in xl/worksheets/sheet1.xml is missing"},
    {"PageMarginsMissing", kSheet, nullptr, "<pageMargins ", "<pageMarginz ",
     [](PartSplicer& s) { mendPageMargins(s, PageSetup()); }, "<pageMargins> in"},
    {"FirstFontMissing", kStyles, nullptr, "<fonts count=\"1\">", "<fonts count=\"0\"/><x>",
     [](PartSplicer& s) { mendDefaultFont(s, FontSpec()); }, "<font> in xl/styles.xml"},
    {"NotWellFormed", kSheet, nullptr, "</worksheet>", "</worksheet",
     [](PartSplicer& s) { mendPageMargins(s, PageSetup()); },
     "xl/worksheets/sheet1.xml is not well-formed"},
};

class XlsxMendRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(XlsxMendRefusal, NamesTheElement)
{
    const RefusalCase& c = GetParam();
    QByteArray xml = libraryPart(c.write, c.part);
    ASSERT_EQ(xml.count(c.from), 1) << xml.toStdString();
    xml.replace(c.from, c.to);
    try {
        mended(xml, c.part, c.mend);
        ADD_FAILURE() << "mended a part the mend does not know";
    } catch (const FileFormatError& e) {
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, XlsxMendRefusal, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<RefusalCase>& tc) {
                             return std::string(tc.param.name);
                         });

} // namespace
