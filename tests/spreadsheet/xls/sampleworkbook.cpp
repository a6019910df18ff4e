// Sample workbooks for the workbook-file tests, built by hand.
#include "sampleworkbook.h"

namespace bw::test::xls {

using namespace bw::ss;

namespace {

FormatId intern(Workbook& book, const std::function<void(CellFormat&)>& change)
{
    CellFormat f;
    change(f);
    return book.formats().intern(f);
}

void put(Worksheet& s, int row, int col, Value v, FormatId format = kDefaultFormat)
{
    s.setValue({row, col}, std::move(v));
    s.setCellFormat({row, col}, format);
}

void putFormula(Worksheet& s, int row, int col, Node root, Value cached,
                FormatId format = kDefaultFormat)
{
    s.setFormula({row, col}, makeFormula(std::move(root)), std::move(cached));
    s.setCellFormat({row, col}, format);
}

void fillEverythingSheet(Workbook& book, Worksheet& s)
{
    const FormatId bold = intern(book, [](CellFormat& f) { f.font.bold = true; });
    const FormatId fancyFont = intern(book, [](CellFormat& f) {
        f.font.name = QStringLiteral("Courier New");
        f.font.size = 14;
        f.font.italic = true;
        f.font.colorIndex = 3;
    });
    const FormatId currency =
        intern(book, [](CellFormat& f) { f.numberFormat = QStringLiteral("$#,##0.00"); });
    const FormatId date =
        intern(book, [](CellFormat& f) { f.numberFormat = QStringLiteral("m/d/yyyy"); });
    const FormatId percent =
        intern(book, [](CellFormat& f) { f.numberFormat = QStringLiteral("0.00%"); });
    const FormatId textFormat =
        intern(book, [](CellFormat& f) { f.numberFormat = QStringLiteral("@"); });
    const FormatId grey = intern(book, [](CellFormat& f) { f.fillColorIndex = 15; });
    const FormatId boxed = intern(book, [](CellFormat& f) {
        f.border(Edge::Left) = {kLineContinuous, kColorAutomatic};
        f.border(Edge::Top) = {-4115, 3};
        f.border(Edge::Bottom) = {-4119, 5};
        f.border(Edge::Right) = {-4118, 10};
        f.fillColorIndex = 16;
    });
    const FormatId aligned = intern(book, [](CellFormat& f) {
        f.hAlign = HAlign::Center;
        f.vAlign = VAlign::Center;
        f.wrap = true;
        f.font.bold = true;
        f.font.colorIndex = 2;
        f.fillColorIndex = 16;
    });
    const FormatId unlockedHidden = intern(book, [](CellFormat& f) {
        f.locked = false;
        f.formulaHidden = true;
        f.hAlign = HAlign::Right;
        f.vAlign = VAlign::Top;
    });

    // Numbers: integers and hundredths fit the RK form, the others need NUMBER.
    put(s, 0, 0, Value::number(42));
    put(s, 0, 1, Value::number(-7));
    put(s, 0, 2, Value::number(12.34), currency);
    put(s, 0, 3, Value::number(0.1));
    put(s, 0, 4, Value::number(1e300));
    put(s, 0, 5, Value::number(46023), date);
    put(s, 0, 6, Value::number(0.125), percent);
    put(s, 0, 7, Value::number(536870912.0));
    // Texts of several scripts, one longer than a record, and an empty one.
    put(s, 1, 0, Value::text(QStringLiteral("Plain text")), bold);
    put(s, 1, 1, Value::text(QStringLiteral("Größe € 5")));
    put(s, 1, 2, Value::text(QStringLiteral("日本語のテキスト")));
    put(s, 1, 3, Value::text(QStringLiteral("نص عربي")));
    put(s, 1, 4, Value::text(QStringLiteral("Emoji 🚗 trip")));
    put(s, 1, 5, Value::text(QString(1024, QChar(u'x'))));
    put(s, 1, 6, Value::text(QStringLiteral("00123")), textFormat);
    put(s, 1, 7, Value::text(QString()));
    put(s, 1, 8, Value::text(QString(9000, QChar(u'ß'))));
    put(s, 1, 9, Value::text(QString(5000, QChar(u'Ж'))));
    // Booleans and every error value.
    put(s, 2, 0, Value::boolean(true));
    put(s, 2, 1, Value::boolean(false));
    const ErrorValue errors[] = {ErrorValue::Null, ErrorValue::Div0, ErrorValue::Value,
                                 ErrorValue::Ref,  ErrorValue::Name, ErrorValue::Num,
                                 ErrorValue::NA};
    for (int i = 0; i < 7; ++i) put(s, 2, 2 + i, Value::error(errors[i]));

    // Formulas with each kind of cached result.
    putFormula(s, 3, 0, binary(Op::Add, cell(0, 0), binary(Op::Mul, cell(0, 1), number(2))),
               Value::number(28));
    putFormula(s, 3, 1, binary(Op::Concat, cell(1, 0, false, false), text(QStringLiteral(" – ü"))),
               Value::text(QStringLiteral("Plain text – ü")), bold);
    putFormula(s, 3, 2, binary(Op::Gt, cell(0, 0), number(40)), Value::boolean(true));
    putFormula(s, 3, 3, binary(Op::Div, number(1), number(0)), Value::error(ErrorValue::Div0));
    putFormula(s, 3, 4, text(QString()), Value::text(QString()));
    putFormula(s, 3, 5, columnSum(0, 0, 0), Value::number(42), currency);
    putFormula(s, 3, 6,
               function(QStringLiteral("SUM"),
                        {cell(0, 0), area({0, 1, false, false}, {0, 3, false, true}), number(1.5)}),
               Value::number(48.94));
    putFormula(
        s, 3, 7,
        function(QStringLiteral("IF"), {binary(Op::Le, cell(0, 0), number(100)),
                                        function(QStringLiteral("ROUND"), {cell(0, 3), number(0)}),
                                        unary(Op::Minus, paren(unary(Op::Percent, number(50))))}),
        Value::number(0));
    putFormula(s, 3, 8,
               function(QStringLiteral("AVERAGE"), {area({0, 0, true, true}, {0, 1, true, true})}),
               Value::number(17.5));
    putFormula(s, 3, 9, function(QStringLiteral("NOW"), {}), Value::number(46023.5), date);
    // A text result longer than one record, in both character widths.
    putFormula(s, 3, 10,
               function(QStringLiteral("REPT"), {text(QStringLiteral("ab")), number(5000)}),
               Value::text(QStringLiteral("ab").repeated(5000)));
    putFormula(s, 3, 11,
               function(QStringLiteral("REPT"), {text(QStringLiteral("Ж")), number(6000)}),
               Value::text(QString(6000, QChar(u'Ж'))));

    // Formatted cells without content, alone and in a run.
    put(s, 4, 0, Value(), boxed);
    put(s, 4, 2, Value(), grey);
    put(s, 4, 3, Value(), grey);
    put(s, 4, 4, Value(), grey);
    put(s, 5, 0, Value::text(QStringLiteral("Header")), aligned);
    put(s, 5, 1, Value::text(QStringLiteral("Fancy")), fancyFont);
    put(s, 5, 2, Value::number(3), unlockedHidden);
    put(s, 6, 1, Value::number(1.5));
    put(s, 6, 2, Value::number(2.5));
    put(s, 6, 3, Value::number(3.25));

    s.setColumnWidth(0, 20.14);
    s.setColumnWidth(1, 0.0);
    s.setColumnWidth(2, 0.5);
    s.setColumnWidth(7, 15.86);
    s.setColumnFormat(9, grey);
    s.setRowHeight(0, 37.5);
    s.setRowHeight(6, 0.0);
    s.setRowHeight(40, 26.25);
    s.setRowFormat(12, bold);
    s.merge({{10, 0}, {11, 3}});
    s.merge({{14, 2}, {14, 5}});
    s.select({{{4, 2}, {6, 4}}, CellRange::single({9, 9})}, {5, 3});
    s.setShowGridlines(false);

    PageSetup& p = s.pageSetup();
    p.printArea = QStringLiteral("$A$1:$J$15");
    p.leftMargin = 0.5 * 72;
    p.topMargin = 1.25 * 72;
    p.printComments = PageSetup::kPrintInPlace;
    p.zoom = 85;
    p.fitToPagesWide = 2;
    p.fitToPagesTall = 3;
}

void fillDefaultFormatSheet(Workbook& book, Worksheet& s)
{
    const FormatId unlocked = intern(book, [](CellFormat& f) { f.locked = false; });
    const FormatId unlockedCurrency = intern(book, [](CellFormat& f) {
        f.locked = false;
        f.numberFormat = QStringLiteral("\"€\" #,##0.00");
    });
    s.setDefaultFormat(unlocked);
    s.setColumnFormat(3, unlockedCurrency);
    s.setColumnWidth(0, 10.29);
    s.setColumnWidth(3, 25.14);
    put(s, 0, 0, Value::text(QStringLiteral("Unlocked everywhere")), unlocked);
    put(s, 1, 3, Value::number(1234.5), unlockedCurrency);
    s.select({}, {1, 3});
    PageSetup& p = s.pageSetup();
    p.orientation = PageSetup::kLandscape;
    p.paperSize = PageSetup::kPaperA4;
    p.zoom.reset();
    p.headerMargin = 0;
    p.footerMargin = 0;
    p.printComments = PageSetup::kPrintSheetEnd;
}

} // namespace

std::unique_ptr<Workbook> sampleWorkbook()
{
    auto book = std::make_unique<Workbook>();
    fillEverythingSheet(*book, book->addSheet(QStringLiteral("Everything")));
    fillDefaultFormatSheet(*book, book->addSheet(QStringLiteral("Zweite Seite ü")));
    Worksheet& empty = book->addSheet(QStringLiteral("Ελληνικά 日本"));
    empty.setRowHeight(3, 15);
    book->setActiveSheetIndex(1);
    for (int i = 0; i < book->sheetCount(); ++i) book->sheet(i).setNeedsRecalc(false);
    return book;
}

std::unique_ptr<Workbook> tripWorkbook(int trips)
{
    auto book = std::make_unique<Workbook>();
    Worksheet& s = book->addSheet(QStringLiteral("Mileage Log and Reimbursement"));
    const FormatId unlocked = intern(*book, [](CellFormat& f) { f.locked = false; });
    const FormatId title = intern(*book, [](CellFormat& f) {
        f.locked = false;
        f.font.bold = true;
        f.font.size = 18;
    });
    const FormatId header = intern(*book, [](CellFormat& f) {
        f.locked = false;
        f.font.bold = true;
        f.font.colorIndex = 2;
        f.fillColorIndex = 16;
        f.hAlign = HAlign::Center;
        f.vAlign = VAlign::Center;
        f.wrap = true;
        for (Border& b : f.borders) b.lineStyle = kLineContinuous;
    });
    const FormatId currency = intern(*book, [](CellFormat& f) {
        f.locked = false;
        f.numberFormat = QStringLiteral("$#,##0.00");
    });
    const FormatId gridNumber = intern(*book, [](CellFormat& f) {
        f.locked = false;
        f.fillColorIndex = 15;
        for (Border& b : f.borders) b.lineStyle = kLineContinuous;
    });
    const FormatId gridCurrency = intern(*book, [](CellFormat& f) {
        f.locked = false;
        f.fillColorIndex = 15;
        f.numberFormat = QStringLiteral("$#,##0.00");
        for (Border& b : f.borders) b.lineStyle = kLineContinuous;
    });
    const FormatId text = intern(*book, [](CellFormat& f) {
        f.locked = false;
        f.numberFormat = QStringLiteral("@");
    });
    s.setDefaultFormat(unlocked);
    const double widths[] = {20.14, 20.43, 22.14, 25.14, 10.14, 10.14, 10.29, 15.86};
    for (int c = 0; c < 8; ++c) s.setColumnWidth(c, widths[c]);
    s.setRowHeight(0, 37.5);
    s.setRowHeight(1, 26.25);
    s.setRowHeight(6, 10.5);
    s.setRowHeight(7, 25.5);

    const int totalsRow = 8 + trips;
    put(s, 0, 0, Value::text(QStringLiteral("Mileage Log and Reimbursement Form")), title);
    const char* labels[] = {"Employee Name", "Employee ID", "Vehicle Description", "Authorized By"};
    const char* values[] = {"Jane Q. Driver", "00123", "Blue hatchback", "R. Manager"};
    for (int i = 0; i < 4; ++i) {
        put(s, 2 + i, 0, Value::text(QString::fromLatin1(labels[i])), i == 1 ? text : unlocked);
        put(s, 2 + i, 1, Value::text(QString::fromLatin1(values[i])), i == 1 ? text : unlocked);
    }
    put(s, 2, 4, Value::number(1.25), currency);
    put(s, 3, 4, Value::text(QStringLiteral("From 1/1/2026 to 1/31/2026")), unlocked);
    const char* headers[] = {
        "Date",           "Starting Location", "Destination", "Description/Notes",
        "Odometer Start", "Odometer End",      "Mileage",     "Reimbursement"};
    for (int c = 0; c < 8; ++c) put(s, 7, c, Value::text(QString::fromLatin1(headers[c])), header);

    double miles = 0;
    double money = 0;
    for (int t = 0; t < trips; ++t) {
        const int r = 8 + t;
        const int odometer = 10000 + 40 * t;
        put(s, r, 0, Value::text(QStringLiteral("1/%1/2026").arg(t % 28 + 1)), unlocked);
        put(s, r, 1, Value::text(QStringLiteral("Office %1").arg(t % 7)), unlocked);
        put(s, r, 2, Value::text(QStringLiteral("Client site %1").arg(t % 13)), unlocked);
        put(s, r, 3, Value::text(QStringLiteral("Visit number %1").arg(t)), unlocked);
        put(s, r, 4, Value::text(QString::number(odometer)), unlocked);
        put(s, r, 5, Value::text(QString::number(odometer + 25 + t % 10)), unlocked);
        const double m = 25 + t % 10;
        put(s, r, 6, Value::number(m), gridNumber);
        put(s, r, 7, Value::number(m * 0.655), gridCurrency);
        miles += m;
        money += m * 0.655;
    }
    put(s, totalsRow, 5, Value::text(QStringLiteral("Totals")), header);
    putFormula(s, totalsRow, 6, columnSum(6, 8, totalsRow - 1), Value::number(miles), gridNumber);
    putFormula(s, totalsRow, 7, columnSum(7, 8, totalsRow - 1), Value::number(money), gridCurrency);
    putFormula(s, 4, 4, cell(totalsRow, 6), Value::number(miles), unlocked);
    putFormula(s, 5, 4, cell(totalsRow, 7), Value::number(money), currency);

    PageSetup& p = s.pageSetup();
    p.leftMargin = p.rightMargin = 0.7 * 72;
    p.topMargin = p.bottomMargin = 0.5 * 72;
    p.headerMargin = p.footerMargin = 0;
    p.orientation = PageSetup::kLandscape;
    p.paperSize = PageSetup::kPaperA4;
    p.zoom.reset();
    p.fitToPagesWide = p.fitToPagesTall = 1;
    s.select({}, {2, 1});
    s.setNeedsRecalc(false);
    return book;
}

} // namespace bw::test::xls
