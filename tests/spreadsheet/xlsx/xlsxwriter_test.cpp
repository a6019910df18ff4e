// What the .xlsx writer adds to the library's file, looked at in the package itself;
// readers we did not write judge the whole file in the interop checks.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xlsx/package.h"
#include "spreadsheet/xlsx/xlsx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace bw::ss;

namespace {

QByteArray part(const QByteArray& zip, const QString& name)
{
    for (const xlsx::PackagePart& p : xlsx::readPackage(zip)) {
        if (p.name == name) return p.data;
    }
    ADD_FAILURE() << "no " << name.toStdString() << " in the package";
    return {};
}

QByteArray sheetXml(const Workbook& book)
{
    return part(xlsx::writeWorkbook(book), QStringLiteral("xl/worksheets/sheet1.xml"));
}

void putFormula(Worksheet& s, CellAddress a, const char* a1, Value cached)
{
    s.setFormula(
        a, std::make_shared<const formula::Formula>(formula::parseA1(QString::fromUtf8(a1), a)),
        std::move(cached));
}

struct FixCase {
    const char* name;
    std::function<void(Worksheet&)> fill;
    const char* expected; // a fragment of the sheet's XML
};

class XlsxSheetXml : public ::testing::TestWithParam<FixCase> {};

TEST_P(XlsxSheetXml, SaysWhatTheLibraryCannot)
{
    Workbook book;
    GetParam().fill(book.addSheet(QStringLiteral("S")));
    EXPECT_TRUE(sheetXml(book).contains(GetParam().expected)) << sheetXml(book).toStdString();
}

const FixCase kFixCases[] = {
    {"ErrorConstant",
     [](Worksheet& s) {
         s.setValue({1, 2}, Value::error(ErrorValue::NA));
     },
     "<c r=\"C2\" s=\"1\" t=\"e\"><v>#N/A</v></c>"},
    {"NonFiniteNumberIsNumError",
     [](Worksheet& s) {
         s.setValue({0, 0}, Value::number(std::numeric_limits<double>::infinity()));
     },
     "t=\"e\"><v>#NUM!</v></c>"},
    {"NumberOfSeventeenDigits",
     [](Worksheet& s) {
         putFormula(s, {0, 0}, "0.1+0.2", Value::number(0.1 + 0.2));
     },
     "<c r=\"A1\" s=\"1\"><f>0.1+0.2</f><v>0.30000000000000004</v></c>"},
    {"EmptyText",
     [](Worksheet& s) {
         s.setValue({0, 1}, Value::text(QString()));
     },
     "<c r=\"B1\" s=\"1\" t=\"inlineStr\"><is><t></t></is></c>"},
    {"BooleanResult",
     [](Worksheet& s) {
         putFormula(s, {3, 0}, "B1>1", Value::boolean(true));
     },
     "<c r=\"A4\" s=\"1\" t=\"b\"><f>B1&gt;1</f><v>1</v></c>"},
    {"ErrorResultWithEscapedText",
     [](Worksheet& s) {
         putFormula(s, {0, 0}, "\"<&>\"&1/0", Value::error(ErrorValue::Div0));
     },
     "<f>&quot;&lt;&amp;&gt;&quot;&amp;1/0</f><v>#DIV/0!</v>"},
    {"ZeroHeaderAndFooterMargins",
     [](Worksheet& s) { s.pageSetup().headerMargin = s.pageSetup().footerMargin = 0; },
     "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0\" "
     "footer=\"0\"/>"},
    {"CommentsAtTheEnd",
     [](Worksheet& s) { s.pageSetup().printComments = PageSetup::kPrintSheetEnd; },
     "<pageSetup cellComments=\"atEnd\" "},
    {"SelectionOfSeveralRanges",
     [](Worksheet& s) {
         s.select({{{4, 2}, {6, 4}}, CellRange::single({9, 9})}, {9, 9});
     },
     "<selection activeCell=\"J10\" activeCellId=\"1\" sqref=\"C5:E7 J10\"/>"},
    {"WholeSheetSelectedFromA1",
     [](Worksheet& s) {
         s.select({CellRange::wholeSheet()}, {0, 0});
     },
     "<sheetView tabSelected=\"1\" workbookViewId=\"0\"><selection activeCell=\"A1\" "
     "sqref=\"A1:XFD1048576\"/></sheetView>"},
    {"ActiveCellOutsideTheRanges",
     [](Worksheet& s) {
         s.select({CellRange::columns(0, 1)}, {2, 5});
     },
     "<selection activeCell=\"F3\" activeCellId=\"1\" sqref=\"A1:B1048576 F3\"/>"},
};

INSTANTIATE_TEST_SUITE_P(Cases, XlsxSheetXml, ::testing::ValuesIn(kFixCases),
                         [](const ::testing::TestParamInfo<FixCase>& tc) {
                             return std::string(tc.param.name);
                         });

TEST(XlsxStyles, UnformattedCellsUseTheModelsDefaultFont)
{
    Workbook book;
    book.addSheet(QStringLiteral("S"));
    const QByteArray styles = part(xlsx::writeWorkbook(book), QStringLiteral("xl/styles.xml"));
    EXPECT_TRUE(styles.contains(
        "<fonts count=\"1\"><font><sz val=\"10\"/><color theme=\"1\"/><name val=\"Arial\"/>"))
        << styles.toStdString();
    EXPECT_FALSE(styles.contains("Calibri"));
}

TEST(XlsxSave, ReplacesTheFileWholeOrLeavesEverythingAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("TMPDIR", dir.filePath(QStringLiteral("tmp")).toUtf8());
    QDir(dir.path()).mkdir(QStringLiteral("tmp"));
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'z'));
    }
    Workbook book;
    book.addSheet(QStringLiteral("Sheet1"))
        .setValue({0, 0}, Value::text(QString(32768, QChar(u'x'))));
    EXPECT_THROW(xlsx::saveWorkbook(book, path), FileFormatError);
    EXPECT_EQ(QFileInfo(path).size(), 100000) << "a failed save touched the old file";

    book.sheet(0).setValue({0, 0}, Value::text(QStringLiteral("Größe 日本")));
    xlsx::saveWorkbook(book, path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(part(bytes, QStringLiteral("xl/sharedStrings.xml")).contains("Größe 日本"));
    EXPECT_THROW(xlsx::saveWorkbook(book, dir.filePath(QStringLiteral("missing/book.xlsx"))),
                 FileFormatError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("book.xlsx"), QStringLiteral("tmp")}));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("tmp"))).isEmpty())
        << "temporary files were left behind";
    qunsetenv("TMPDIR");
}

TEST(XlsxPackage, PartsComeBackInOrderAndAnythingElseIsRefused)
{
    const std::vector<xlsx::PackagePart> parts{
        {QStringLiteral("[Content_Types].xml"), "<Types/>"},
        {QStringLiteral("xl/worksheets/sheet1.xml"), QByteArray(70000, 'a')},
        {QStringLiteral("xl/workbook.xml"), "<workbook/>"},
        {QStringLiteral("docProps/app.xml"), QByteArray()}};
    const auto back = xlsx::readPackage(xlsx::writePackage(parts));
    ASSERT_EQ(back.size(), parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(back[i].name, parts[i].name);
        EXPECT_EQ(back[i].data, parts[i].data);
    }
    EXPECT_THROW(xlsx::readPackage("PK\x03\x04 not really a zip"), FileFormatError);
}

} // namespace
