// Comparing two workbooks cell by cell and format by format in tests.
#include "workbookcompare.h"

namespace bw::test::xls {

using namespace bw::ss;

namespace {

QString describe(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Empty:
        return QStringLiteral("(empty)");
    case Value::Type::Number:
        return QString::number(v.asNumber(), 'g', 17);
    case Value::Type::Text:
        return QStringLiteral("\"%1\"").arg(v.asText().left(40));
    case Value::Type::Boolean:
        return v.asBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Value::Type::Error:
        return errorText(v.asError());
    }
    return {};
}

void expectSameFormat(const Workbook& eb, FormatId e, const Workbook& ab, FormatId a,
                      const QString& where)
{
    EXPECT_TRUE(eb.formats().get(e) == ab.formats().get(a))
        << "format differs at " << where.toStdString();
}

void expectSameSheet(const Workbook& eb, const Worksheet& e, const Workbook& ab, const Worksheet& a)
{
    const std::string sheet = e.name().toStdString();
    SCOPED_TRACE("sheet " + sheet);
    EXPECT_EQ(e.name(), a.name());
    int cells = 0;
    for (const auto& [r, row] : e.rows()) {
        for (const auto& [c, ec] : row.cells) {
            ++cells;
            const QString where = a1Name(CellAddress{r, c});
            const Cell* ac = a.cell({r, c});
            ASSERT_NE(ac, nullptr) << "missing cell " << where.toStdString();
            EXPECT_EQ(ec.value, ac->value)
                << where.toStdString() << ": " << describe(ec.value).toStdString() << " became "
                << describe(ac->value).toStdString();
            EXPECT_EQ(ec.hasFormula(), ac->hasFormula()) << where.toStdString();
            if (ec.hasFormula() && ac->hasFormula()) {
                EXPECT_TRUE(*ec.formula == *ac->formula)
                    << "formula differs at " << where.toStdString();
            }
            expectSameFormat(eb, ec.format, ab, ac->format, where);
        }
        EXPECT_EQ(e.rowHeight(r), a.rowHeight(r)) << "height of row " << r + 1;
        ASSERT_EQ(e.rowFormat(r).has_value(), a.rowFormat(r).has_value())
            << "format of row " << r + 1;
        if (e.rowFormat(r))
            expectSameFormat(eb, *e.rowFormat(r), ab, *a.rowFormat(r), QStringLiteral("row"));
    }
    int actualCells = 0;
    for (const auto& [r, row] : a.rows()) actualCells += static_cast<int>(row.cells.size());
    EXPECT_EQ(cells, actualCells) << "cells appeared";
    for (const auto& [r, row] : a.rows()) {
        EXPECT_EQ(e.rowHeight(r), a.rowHeight(r)) << "height of row " << r + 1;
    }
    for (int c = 0; c < kMaxColumns; ++c) {
        EXPECT_EQ(e.columnWidth(c), a.columnWidth(c))
            << "width of column " << columnName(c).toStdString();
        ASSERT_EQ(e.columnFormat(c).has_value(), a.columnFormat(c).has_value())
            << "format of column " << columnName(c).toStdString();
        if (e.columnFormat(c))
            expectSameFormat(eb, *e.columnFormat(c), ab, *a.columnFormat(c), columnName(c));
    }
    expectSameFormat(eb, e.defaultFormat(), ab, a.defaultFormat(), QStringLiteral("sheet default"));
    EXPECT_EQ(e.mergedRegions(), a.mergedRegions());
    EXPECT_EQ(e.selection(), a.selection());
    EXPECT_EQ(e.activeCell(), a.activeCell());
    EXPECT_EQ(e.showGridlines(), a.showGridlines());
    EXPECT_TRUE(e.pageSetup() == a.pageSetup()) << "page setup differs";
}

} // namespace

void expectSameWorkbook(const Workbook& expected, const Workbook& actual)
{
    ASSERT_EQ(expected.sheetCount(), actual.sheetCount());
    EXPECT_EQ(expected.activeSheetIndex(), actual.activeSheetIndex());
    for (int i = 0; i < expected.sheetCount(); ++i) {
        expectSameSheet(expected, expected.sheet(i), actual, actual.sheet(i));
    }
}

} // namespace bw::test::xls
