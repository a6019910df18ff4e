// Tests of selections: formatting, borders, sizes, clearing and merging ranges.
#include "spreadsheet/automation/constants.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "support/ssprint.h"

#include <gtest/gtest.h>

namespace bw::ss::automation {
namespace {

CellAddress at(const char* a1) { return parseA1Range(QString::fromLatin1(a1))->first; }

// A fresh instance with one new workbook, the way the report builder starts.
class SelectionTest : public ::testing::Test {
protected:
    SelectionTest() { app.Workbooks().Add(); }

    ss::Worksheet& sheet() { return app.ActiveSheet().sheet(); }
    const CellFormat& fmt(const char* a1)
    {
        return sheet().workbook().formats().get(sheet().formatAt(at(a1)));
    }
    ss::Border edge(const char* a1, Edge e) { return fmt(a1).border(e); }
    bool stored(const char* a1) { return sheet().cell(at(a1)) != nullptr; }

    Application app{ApplicationSettings{}};
};

const ss::Border kThin{kLineContinuous, kColorAutomatic};
const ss::Border kNone{};

TEST_F(SelectionTest, SelectSetsSelectionAndActiveCell)
{
    app.Range("B3:B6").Select();
    EXPECT_EQ(app.Selection().Address(), QStringLiteral("B3:B6"));
    EXPECT_EQ(app.ActiveCell().Address(), QStringLiteral("B3"));

    app.Rows("3:6").Select();
    EXPECT_EQ(app.ActiveCell().Address(), QStringLiteral("A3"));
    app.Cells().Select();
    EXPECT_TRUE(app.Selection().areas().front().isWholeSheet());
    EXPECT_EQ(app.ActiveCell().Address(), QStringLiteral("A1"));
}

TEST_F(SelectionTest, InsideHorizontalDrawsOnlyBetweenTheRows)
{
    app.Range("B3:B6").Select();
    app.Selection().Borders(kInsideHorizontal).setLineStyle(kLineContinuous);

    // Between each pair of rows, seen from both cells.
    for (const char* upper : {"B3", "B4", "B5"})
        EXPECT_EQ(edge(upper, Edge::Bottom), kThin) << upper;
    for (const char* lower : {"B4", "B5", "B6"}) EXPECT_EQ(edge(lower, Edge::Top), kThin) << lower;
    // Not the outer edges, not the sides.
    EXPECT_EQ(edge("B3", Edge::Top), kNone);
    EXPECT_EQ(edge("B6", Edge::Bottom), kNone);
    for (const char* c : {"B3", "B4", "B5", "B6"}) {
        EXPECT_EQ(edge(c, Edge::Left), kNone) << c;
        EXPECT_EQ(edge(c, Edge::Right), kNone) << c;
    }
    // Nothing outside the range is created or changed.
    for (const char* c : {"B2", "B7", "A3", "C3", "A6", "C6"}) {
        EXPECT_FALSE(stored(c)) << c;
        EXPECT_EQ(fmt(c), CellFormat{}) << c;
    }
    // The colour comes with the second call, on the same lines only.
    app.Selection().Borders(kInsideHorizontal).setColorIndex(3);
    EXPECT_EQ(edge("B4", Edge::Top), (ss::Border{kLineContinuous, 3}));
    EXPECT_EQ(edge("B3", Edge::Bottom), (ss::Border{kLineContinuous, 3}));
    EXPECT_EQ(edge("B3", Edge::Top), kNone);
}

TEST_F(SelectionTest, OuterEdgesTouchOnlyTheOuterCells)
{
    app.Range("D3:E6").Select();
    for (const int index : {kEdgeLeft, kEdgeTop, kEdgeBottom, kEdgeRight}) {
        app.Selection().Borders(index).setLineStyle(kLineContinuous);
    }
    EXPECT_EQ(edge("D3", Edge::Left), kThin);
    EXPECT_EQ(edge("D6", Edge::Left), kThin);
    EXPECT_EQ(edge("E3", Edge::Right), kThin);
    EXPECT_EQ(edge("D3", Edge::Top), kThin);
    EXPECT_EQ(edge("E3", Edge::Top), kThin);
    EXPECT_EQ(edge("E6", Edge::Bottom), kThin);
    // No line between D and E, and none inside.
    EXPECT_EQ(edge("D4", Edge::Right), kNone);
    EXPECT_EQ(edge("E4", Edge::Left), kNone);
    EXPECT_EQ(edge("D4", Edge::Top), kNone);
    EXPECT_EQ(edge("E5", Edge::Bottom), kNone);
    // Neighbours without a line of their own stay untouched.
    for (const char* c : {"C3", "F3", "D2", "E7"}) EXPECT_FALSE(stored(c)) << c;
}

TEST_F(SelectionTest, SharedEdgeLooksTheSameFromBothSides)
{
    // F9 already draws its right edge; G9 then draws its left edge in another colour.
    app.Range("F9").Select();
    app.Selection().Borders(kEdgeRight).setLineStyle(kLineContinuous);
    app.Range("G9:H9").Select();
    app.Selection().Borders(kEdgeLeft).setLineStyle(kLineContinuous);
    app.Selection().Borders(kEdgeLeft).setColorIndex(5);
    EXPECT_EQ(edge("G9", Edge::Left), (ss::Border{kLineContinuous, 5}));
    EXPECT_EQ(edge("F9", Edge::Right), (ss::Border{kLineContinuous, 5}));

    // Removing the line from one side removes it from the other.
    app.Selection().Borders(kEdgeLeft).setLineStyle(kLineNone);
    EXPECT_FALSE(edge("G9", Edge::Left).isDrawn());
    EXPECT_FALSE(edge("F9", Edge::Right).isDrawn());
}

TEST_F(SelectionTest, InsideVerticalOnWideRange)
{
    app.Range("A8:H8").Select();
    app.Selection().Borders(kInsideVertical).setLineStyle(kLineContinuous);
    EXPECT_FALSE(edge("A8", Edge::Left).isDrawn());
    EXPECT_TRUE(edge("A8", Edge::Right).isDrawn());
    EXPECT_TRUE(edge("B8", Edge::Left).isDrawn());
    EXPECT_TRUE(edge("G8", Edge::Right).isDrawn());
    EXPECT_TRUE(edge("H8", Edge::Left).isDrawn());
    EXPECT_FALSE(edge("H8", Edge::Right).isDrawn());
    EXPECT_FALSE(edge("C8", Edge::Top).isDrawn());
}

TEST_F(SelectionTest, WholeSheetFontUsesTheDefaultFormat)
{
    app.Range("B3").setFormulaR1C1(QStringLiteral("x"));
    app.Range("C4").Interior().setColorIndex(15);
    const std::size_t rowsBefore = sheet().rows().size();

    app.Cells().Select();
    app.Selection().Font().setName(QStringLiteral("Courier New"));
    app.Selection().Font().setSize(12);

    // Every cell shows the font, existing or not; nothing new is stored.
    for (const char* c : {"A1", "B3", "C4", "IV65536"}) {
        EXPECT_EQ(fmt(c).font.name, QStringLiteral("Courier New")) << c;
        EXPECT_EQ(fmt(c).font.size, 12.0) << c;
    }
    EXPECT_EQ(fmt("C4").fillColorIndex, 15) << "other properties stay";
    EXPECT_EQ(sheet().rows().size(), rowsBefore);
    EXPECT_FALSE(stored("A1"));
}

TEST_F(SelectionTest, WholeSheetUnlockReachesCellsMadeLater)
{
    app.Range("A1").setFormulaR1C1(QStringLiteral("title"));
    app.Cells().Select();
    app.Selection().setFormulaHidden(false);
    app.Selection().setLocked(false);
    app.Range("H39").setFormulaR1C1(QStringLiteral("later"));
    EXPECT_FALSE(fmt("A1").locked);
    EXPECT_FALSE(fmt("H39").locked);
    EXPECT_FALSE(fmt("Z500").locked);
}

TEST_F(SelectionTest, RowsAndColumnsSizesAndFormats)
{
    app.Rows("3:6").Select();
    app.Selection().setRowHeight(12.75);
    app.Rows("1").Select();
    app.Selection().setRowHeight(37.5);
    app.Columns("A:A").Select();
    app.Selection().setColumnWidth(20.14);
    app.Columns("G:H").Select();
    app.Selection().setColumnWidth(10.29);

    EXPECT_EQ(sheet().rowHeight(0), 37.5);
    for (int r = 2; r <= 5; ++r) EXPECT_EQ(sheet().rowHeight(r), 12.75) << r;
    EXPECT_EQ(sheet().rowHeight(6), kDefaultRowHeight);
    EXPECT_EQ(sheet().columnWidth(0), 20.14);
    EXPECT_EQ(sheet().columnWidth(6), 10.29);
    EXPECT_EQ(sheet().columnWidth(7), 10.29);
    EXPECT_EQ(sheet().columnWidth(8), kDefaultColumnWidth);

    // A column format and a row format meet: the later one wins where they cross, and
    // each keeps the rest of its own line.
    app.Columns("C:C").Select();
    app.Selection().Interior().setColorIndex(15);
    app.Rows("5:5").Select();
    app.Selection().Font().setFontStyle(QStringLiteral("bold"));
    EXPECT_EQ(fmt("C5").fillColorIndex, 15);
    EXPECT_TRUE(fmt("C5").font.bold);
    EXPECT_EQ(fmt("C900").fillColorIndex, 15);
    EXPECT_FALSE(fmt("C900").font.bold);
    EXPECT_TRUE(fmt("Z5").font.bold);
    EXPECT_EQ(fmt("Z5").fillColorIndex, kColorNone);

    app.Columns("C:C").Select();
    app.Selection().setHorizontalAlignment(kAlignCenter);
    EXPECT_EQ(fmt("C5").hAlign, HAlign::Center);
    EXPECT_TRUE(fmt("C5").font.bold) << "the row's font stays where it crosses";
    EXPECT_EQ(fmt("D5").hAlign, HAlign::General);
}

TEST_F(SelectionTest, FormatSettersCoverEveryProperty)
{
    app.Range("A8:B8").Select();
    const Range sel = app.Selection();
    sel.Font().setFontStyle(QStringLiteral("Bold Italic"));
    sel.Font().setColorIndex(2);
    sel.setHorizontalAlignment(kAlignCenter);
    sel.setVerticalAlignment(kAlignCenter);
    sel.setWrapText(true);
    sel.setNumberFormat(QStringLiteral("$#,##0.00"));
    sel.setFormulaHidden(true);
    for (const char* c : {"A8", "B8"}) {
        const CellFormat& f = fmt(c);
        EXPECT_TRUE(f.font.bold && f.font.italic) << c;
        EXPECT_EQ(f.font.colorIndex, 2);
        EXPECT_EQ(f.hAlign, HAlign::Center);
        EXPECT_EQ(f.vAlign, VAlign::Center);
        EXPECT_TRUE(f.wrap);
        EXPECT_EQ(f.numberFormat, QStringLiteral("$#,##0.00"));
        EXPECT_TRUE(f.formulaHidden);
    }
    sel.Font().setFontStyle(QStringLiteral("regular"));
    EXPECT_FALSE(fmt("A8").font.bold || fmt("A8").font.italic);
    EXPECT_EQ(fmt("C8"), CellFormat{});
}

struct Refusal {
    const char* name;
    void (*call)(const Range&);
};

class RefusedSetting : public SelectionTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedSetting, ThrowsAndChangesNothing)
{
    app.Range("B3").Select();
    EXPECT_THROW(GetParam().call(app.Selection()), AutomationError);
    EXPECT_EQ(fmt("B3"), CellFormat{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedSetting,
    ::testing::Values(Refusal{"font_style",
                              [](const Range& r) {
                                  r.Font().setFontStyle(QStringLiteral("heavy"));
                              }},
                      Refusal{"font_colour", [](const Range& r) { r.Font().setColorIndex(57); }},
                      Refusal{"font_size", [](const Range& r) { r.Font().setSize(0); }},
                      Refusal{"fill_colour", [](const Range& r) { r.Interior().setColorIndex(0); }},
                      Refusal{"border_index", [](const Range& r) { r.Borders(6).setLineStyle(1); }},
                      Refusal{"line_style", [](const Range& r) { r.Borders(7).setLineStyle(99); }},
                      Refusal{"horizontal", [](const Range& r) { r.setHorizontalAlignment(2); }},
                      Refusal{"vertical", [](const Range& r) { r.setVerticalAlignment(-4131); }},
                      Refusal{"row_height", [](const Range& r) { r.setRowHeight(410); }},
                      Refusal{"column_width", [](const Range& r) { r.setColumnWidth(-1); }}),
    [](const ::testing::TestParamInfo<Refusal>& tc) { return std::string(tc.param.name); });

TEST_F(SelectionTest, ClearRemovesContentsFormatsAndMerges)
{
    app.Range("A1").setFormulaR1C1(QStringLiteral("title"));
    app.Range("A1").Font().setSize(18);
    app.Range("B2:C2").Merge();
    app.Columns("D:D").Interior().setColorIndex(16);
    app.Rows("1:1").setRowHeight(37.5);

    app.Cells().Clear();
    EXPECT_FALSE(stored("A1"));
    EXPECT_EQ(fmt("A1"), CellFormat{});
    EXPECT_EQ(fmt("D5"), CellFormat{});
    EXPECT_TRUE(sheet().mergedRegions().empty());
    EXPECT_EQ(sheet().rowHeight(0), 37.5) << "heights stay";
}

TEST_F(SelectionTest, ClearOfPartShowsThePlainFormatUnderARowFormat)
{
    app.Rows("4:4").Interior().setColorIndex(15);
    app.Range("B4").setFormulaR1C1(QStringLiteral("x"));
    app.Range("A4:C4").Clear();
    EXPECT_FALSE(sheet().cell(at("B4")) && !sheet().cell(at("B4"))->isBlank());
    EXPECT_EQ(fmt("B4"), CellFormat{});
    EXPECT_EQ(fmt("D4").fillColorIndex, 15);
}

TEST_F(SelectionTest, MergeKeepsOnlyTheTopLeftValue)
{
    app.Range("A1").setFormulaR1C1(QStringLiteral("keep"));
    app.Range("B1").setFormulaR1C1(QStringLiteral("drop"));
    app.Range("A1:B1").Merge();
    ASSERT_EQ(sheet().mergedRegions().size(), 1u);
    EXPECT_EQ(sheet().cell(at("A1"))->value, Value::text(QStringLiteral("keep")));
    EXPECT_TRUE(sheet().cell(at("B1"))->isBlank());

    app.Range("C3").Merge();
    EXPECT_EQ(sheet().mergedRegions().size(), 1u) << "a single cell is never merged";
}

TEST_F(SelectionTest, CollectionsOfUsedRange)
{
    app.Range("B2").setFormulaR1C1(QStringLiteral("a"));
    app.Range("H39").setFormulaR1C1(QStringLiteral("b"));
    const Range used = app.ActiveSheet().UsedRange();
    EXPECT_EQ(used.Address(), QStringLiteral("B2:H39"));
    EXPECT_EQ(used.Rows().Count(), 38);
    EXPECT_EQ(used.Columns().Count(), 7);
    EXPECT_EQ(used.Rows().Item(used.Rows().Count()).Row(), 39);
    EXPECT_EQ(used.Columns().Item(used.Columns().Count()).Column(), 8);
    EXPECT_EQ(used.Count(), 38 * 7);
    EXPECT_EQ(used.Item(8).Address(), QStringLiteral("B3"));
    EXPECT_THROW(used.Rows().Item(39), AutomationError);
    EXPECT_THROW(used.Rows().Item(0), AutomationError);
}

} // namespace
} // namespace bw::ss::automation
