// Tests of the mileage log worksheet the report builds.
#include "platform/datetext.h"
#include "report/mileagelog.h"
#include "reportfixtures.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/numfmt/numfmt.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <vector>

namespace bw {
namespace {

namespace ax = ss::automation;
using ss::CellAddress;
using ss::CellFormat;
using ss::Edge;
using ss::Value;

CellAddress at(const QString& a1) { return ss::parseA1Range(a1)->first; }

// Runs BuildSheet on a fresh instance and workbook, the way the driver does.
class BuildSheetTest : public ::testing::Test {
protected:
    explicit BuildSheetTest(QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates))
    {
        ax::ApplicationSettings settings;
        settings.locale = locale;
        app = ax::Application(settings);
        app.Workbooks().Add();
        MileageLog::mExcelApp = app;
    }
    ~BuildSheetTest() override { MileageLog::mExcelApp = ax::Application(); }

    void build() { MileageLog::BuildSheet(inputs); }

    ss::Worksheet& sheet() { return app.ActiveSheet().sheet(); }
    const CellFormat& fmt(const QString& a1)
    {
        return sheet().workbook().formats().get(sheet().formatAt(at(a1)));
    }
    Value value(const QString& a1) { return app.Range(a1).Value(); }
    QString formula(const QString& a1) { return app.Range(a1).FormulaR1C1(); }
    Value text(const char* s) { return Value::text(QString::fromUtf8(s)); }

    ax::Application app;
    test::FakeInputs inputs;
};

// --- the finished sheet of the sample data ------------------------------------------------

struct Box {
    const char* range;
    bool insideHorizontal;
    bool insideVertical;
};

// The boxes of the form with `totals` as the totals row.
std::vector<std::pair<ss::CellRange, Box>> boxes(int totals)
{
    const std::vector<Box> plain = {
        {"B3:B6", true, false}, {"D3:E6", true, false}, {"A8:H8", false, true}};
    std::vector<std::pair<ss::CellRange, Box>> all;
    for (const Box& b : plain) all.emplace_back(*ss::parseA1Range(QString::fromLatin1(b.range)), b);
    all.emplace_back(ss::CellRange{{totals - 1, 0}, {totals - 1, 5}}, Box{"totals", false, true});
    all.emplace_back(ss::CellRange{{8, 6}, {totals - 1, 7}}, Box{"grid", true, true});
    return all;
}

bool drawn(const CellAddress& a, Edge e, int totals)
{
    for (const auto& [r, box] : boxes(totals)) {
        if (!r.contains(a)) continue;
        switch (e) {
        case Edge::Left:
            if (a.col == r.first.col || box.insideVertical) return true;
            break;
        case Edge::Right:
            if (a.col == r.last.col || box.insideVertical) return true;
            break;
        case Edge::Top:
            if (a.row == r.first.row || box.insideHorizontal) return true;
            break;
        case Edge::Bottom:
            if (a.row == r.last.row || box.insideHorizontal) return true;
            break;
        }
    }
    return false;
}

// Every cell: Arial 10 regular, automatic colour, unlocked, formula shown, unless the
// form says otherwise.
CellFormat expectedFormat(const CellAddress& a, int totals, int writtenTrips)
{
    CellFormat f;
    f.locked = false;
    const QString name = ss::a1Name(a);
    if (name == QLatin1String("A1")) {
        f.font.bold = true;
        f.font.size = 18;
    }
    if (a.row == 7 && a.col <= 7) {
        f.font.bold = true;
        f.font.colorIndex = 2;
        f.fillColorIndex = 16;
        f.hAlign = ss::HAlign::Center;
        f.vAlign = ss::VAlign::Center;
        f.wrap = true;
    }
    if (a.row == totals - 1 && a.col <= 5) f.fillColorIndex = 16;
    if (a.row == totals - 1 && a.col == 5) {
        f.font.bold = true;
        f.font.colorIndex = 2;
    }
    if (a.row >= 8 && a.row <= totals - 1 && (a.col == 6 || a.col == 7)) f.fillColorIndex = 15;
    if (name == QLatin1String("A4") || name == QLatin1String("B4"))
        f.numberFormat = QStringLiteral("@");
    if (name == QLatin1String("E3") || name == QLatin1String("E6"))
        f.numberFormat = QStringLiteral("$#,##0.00");
    if (a.col == 7 && a.row >= 8 && a.row < 8 + writtenTrips)
        f.numberFormat = QStringLiteral("$#,##0.00");
    for (const Edge e : {Edge::Left, Edge::Top, Edge::Bottom, Edge::Right}) {
        if (drawn(a, e, totals)) f.border(e) = ss::Border{ss::kLineContinuous, ss::kColorAutomatic};
    }
    return f;
}

TEST_F(BuildSheetTest, SampleDataGivesTheFinishedForm)
{
    test::fillSample(inputs, app.locale());
    inputs.table.setPosition(1);
    build();

    // Contents.
    const std::map<QString, Value> values = {
        {"A1", text("Mileage Log and Reimbursement Form")},
        {"A3", text("Employee Name")},
        {"A4", text("Employee ID")},
        {"A5", text("Vehicle Description")},
        {"A6", text("Authorized By")},
        {"B3", text("Michael Jr.")},
        {"B4", text("DR005")},
        {"B5", text("Ford Transit")},
        {"B6", text("John")},
        {"C3", text("Rate Per Mile")},
        {"C4", text("For Period")},
        {"C5", text("Total Mileage")},
        {"C6", text("Total Reimbursement")},
        {"E3", Value::number(1.25)},
        {"E4", text("From 5/14/2016 to 5/16/2016")},
        {"E5", Value::number(11)},
        {"E6", Value::number(13.75)},
        {"A8", text("Date")},
        {"B8", text("Starting Location")},
        {"C8", text("Destination")},
        {"D8", text("Description/Notes")},
        {"E8", text("Odometer Start")},
        {"F8", text("Odometer End")},
        {"G8", text("Mileage")},
        {"H8", text("Reimbursement")},
        {"A9", Value::number(42504)},
        {"B9", text("Store")},
        {"C9", text("Mini mall")},
        {"D9", text("Daily delivery")},
        {"E9", Value::number(58114)},
        {"F9", Value::number(58116)},
        {"G9", Value::number(2)},
        {"H9", Value::number(2.5)},
        {"A10", Value::number(42504)},
        {"B10", text("Mini mall")},
        {"C10", text("Mart")},
        {"E10", Value::number(58116)},
        {"F10", Value::number(58121)},
        {"G10", Value::number(5)},
        {"H10", Value::number(6.25)},
        {"A11", Value::number(42505)},
        {"B11", text("Mart")},
        {"C11", text("Store")},
        {"D11", text("Return back")},
        {"E11", Value::number(58121)},
        {"F11", Value::number(58125)},
        {"G11", Value::number(4)},
        {"H11", Value::number(5)},
        {"F39", text("Totals")},
        {"G39", Value::number(11)},
        {"H39", Value::number(13.75)},
    };
    for (int r = 0; r < 41; ++r) {
        for (int c = 0; c < 9; ++c) {
            const QString name = ss::a1Name(CellAddress{r, c});
            const auto expected = values.find(name);
            EXPECT_EQ(value(name), expected == values.end() ? Value() : expected->second)
                << name.toStdString();

            CellFormat wanted = expectedFormat({r, c}, 39, 3);
            CellFormat actual = fmt(name);
            if (c == 0 && r >= 8 && r <= 10) {
                EXPECT_TRUE(ss::numfmt::isDateFormat(actual.numberFormat)) << name.toStdString();
                actual.numberFormat = wanted.numberFormat;
            }
            EXPECT_EQ(actual, wanted) << name.toStdString();
        }
    }
    EXPECT_EQ(formula("E5"), QStringLiteral("=R[34]C[2]"));
    EXPECT_EQ(formula("E6"), QStringLiteral("=R[33]C[3]"));
    EXPECT_EQ(formula("G39"), QStringLiteral("=SUM(R[-30]C:R[-1]C)"));
    EXPECT_EQ(formula("H39"), QStringLiteral("=SUM(R[-30]C:R[-1]C)"));
    EXPECT_TRUE(sheet().mergedRegions().empty());

    // Layout.
    const std::vector<double> widths = {20.14, 20.43, 22.14, 25.14, 10.14, 10.14, 10.29, 15.86};
    for (int c = 0; c < 8; ++c)
        EXPECT_DOUBLE_EQ(sheet().columnWidth(c), widths[static_cast<std::size_t>(c)]) << c;
    EXPECT_DOUBLE_EQ(sheet().columnWidth(8), ss::kDefaultColumnWidth);
    const std::vector<double> heights = {
        37.5, 26.25, 12.75, 12.75, 12.75, 12.75, 10.5, 25.5, ss::kDefaultRowHeight};
    for (int r = 0; r < 9; ++r)
        EXPECT_DOUBLE_EQ(sheet().rowHeight(r), heights[static_cast<std::size_t>(r)]) << r;

    // Page setup.
    const ss::PageSetup& setup = sheet().pageSetup();
    EXPECT_TRUE(setup.printArea.isEmpty());
    EXPECT_DOUBLE_EQ(setup.leftMargin, 50.4);
    EXPECT_DOUBLE_EQ(setup.rightMargin, 50.4);
    EXPECT_DOUBLE_EQ(setup.topMargin, 36);
    EXPECT_DOUBLE_EQ(setup.bottomMargin, 36);
    EXPECT_EQ(setup.headerMargin, 0);
    EXPECT_EQ(setup.footerMargin, 0);
    EXPECT_EQ(setup.printComments, -4142);
    EXPECT_EQ(setup.orientation, 2);
    EXPECT_EQ(setup.paperSize, 9);
    EXPECT_FALSE(setup.zoom.has_value());
    EXPECT_EQ(setup.fitToPagesWide, 1);
    EXPECT_EQ(setup.fitToPagesTall, 1);

    // Where it leaves things.
    EXPECT_EQ(app.Selection().Address(), QStringLiteral("H39"));
    EXPECT_EQ(app.ActiveCell().Address(), QStringLiteral("H39"));
    EXPECT_EQ(inputs.table.position(), 1) << "the trip table's cursor is where it was";
    EXPECT_EQ(app.ActiveSheet().UsedRange().Address(), QStringLiteral("A1:H39"));
}

// --- lengths of the log ---------------------------------------------------------------------

struct LengthCase {
    const char* name;
    int trips;
};

class LogLength : public BuildSheetTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LogLength, TotalsFollowTheLastTripAndSumEveryTrip)
{
    const int trips = GetParam().trips;
    test::fillNumberedTrips(inputs.table, trips);
    build();

    const int tripRows = std::max(30, trips);
    const int totals = 9 + tripRows; // 1-based
    const double mileage = trips * (trips + 1) / 2.0;
    const auto row = [](const char* column, int r) {
        return QString::fromLatin1(column) + QString::number(r);
    };

    EXPECT_EQ(value(row("F", totals)), text("Totals"));
    EXPECT_EQ(formula(row("G", totals)), QStringLiteral("=SUM(R[-%1]C:R[-1]C)").arg(tripRows));
    EXPECT_EQ(value(row("G", totals)), Value::number(mileage));
    EXPECT_EQ(value(row("H", totals)), Value::number(mileage * 1.25));
    EXPECT_EQ(formula("E5"), QStringLiteral("=R[%1]C[2]").arg(totals - 5));
    EXPECT_EQ(formula("E6"), QStringLiteral("=R[%1]C[3]").arg(totals - 6));
    EXPECT_EQ(value("E5"), Value::number(mileage));
    EXPECT_EQ(value("E6"), Value::number(mileage * 1.25));

    // Every trip has its own row; nothing lies below the totals.
    if (trips > 0) {
        EXPECT_EQ(value(row("B", 8 + trips)), Value::text(QStringLiteral("From %1").arg(trips)));
        EXPECT_EQ(value(row("G", 8 + trips)), Value::number(trips));
    }
    EXPECT_EQ(value(row("B", totals)), Value());
    EXPECT_EQ(app.ActiveSheet().UsedRange().Address(), QStringLiteral("A1:H%1").arg(totals));

    // Fills and borders cover the grown ranges, and only them.
    EXPECT_EQ(fmt(row("A", totals)).fillColorIndex, 16);
    EXPECT_TRUE(fmt(row("A", totals)).border(Edge::Top).isDrawn());
    EXPECT_EQ(fmt(row("A", totals - 1)).fillColorIndex, ss::kColorNone);
    EXPECT_FALSE(fmt(row("A", totals - 1)).border(Edge::Bottom).isDrawn());
    EXPECT_EQ(fmt(row("G", totals - 1)).fillColorIndex, 15);
    EXPECT_TRUE(fmt(row("H", totals - 1)).border(Edge::Bottom).isDrawn());
    EXPECT_TRUE(fmt(row("H", totals)).border(Edge::Bottom).isDrawn());
    EXPECT_EQ(fmt(row("G", totals + 1)).fillColorIndex, ss::kColorNone);
    EXPECT_EQ(app.ActiveCell().Address(), row("H", totals));
}

INSTANTIATE_TEST_SUITE_P(Table, LogLength,
                         ::testing::Values(LengthCase{"none", 0}, LengthCase{"one", 1},
                                           LengthCase{"thirty", 30}, LengthCase{"thirty_one", 31},
                                           LengthCase{"thousand", 1000}),
                         [](const ::testing::TestParamInfo<LengthCase>& tc) {
                             return std::string(tc.param.name);
                         });

TEST_F(BuildSheetTest, EmptyTableStaysWithoutACurrentRow)
{
    build();
    EXPECT_TRUE(inputs.table.Eof());
    EXPECT_EQ(value("G39"), Value::number(0));
    EXPECT_EQ(value("H9"), Value());
}

TEST_F(BuildSheetTest, CursorBeforeTheFirstRowIsPutBack)
{
    test::fillNumberedTrips(inputs.table, 2);
    inputs.table.MoveFirst();
    inputs.table.Move(-1);
    ASSERT_TRUE(inputs.table.Bof());
    build();
    EXPECT_TRUE(inputs.table.Bof());
    EXPECT_FALSE(inputs.table.Eof());
}

TEST_F(BuildSheetTest, EmptyTripStillWritesZeroes)
{
    test::appendTrip(inputs.table, {QString(""), QString(""), QString(""), QString(""), QString(""),
                                    QString(""), 0.0, 0.0});
    build();
    EXPECT_EQ(value("G9"), Value::number(0));
    EXPECT_EQ(value("H9"), Value::number(0));
    EXPECT_EQ(fmt("H9").numberFormat, QStringLiteral("$#,##0.00"));
    EXPECT_EQ(value("A9"), Value());
}

// --- what the user typed ------------------------------------------------------------------

TEST_F(BuildSheetTest, EmployeeIdKeepsLeadingZeros)
{
    inputs.id = QStringLiteral("00123");
    build();
    EXPECT_EQ(value("B4"), text("00123"));
}

TEST_F(BuildSheetTest, RateThatIsNoNumberStaysText)
{
    inputs.rate = QStringLiteral("one twenty-five");
    build();
    EXPECT_EQ(value("E3"), text("one twenty-five"));
    EXPECT_EQ(fmt("E3").numberFormat, QStringLiteral("$#,##0.00"));
}

TEST_F(BuildSheetTest, TextsBeginningWithEqualsAreNeverFormulas)
{
    test::fillSample(inputs, app.locale());
    inputs.name = QStringLiteral("=SUM(G9:G11)");
    inputs.id = QStringLiteral("=1");
    inputs.vehicle = QStringLiteral("=");
    inputs.authorized = QStringLiteral("=NOSUCHFUNCTION(");
    inputs.rate = QStringLiteral("=2*3");
    inputs.table.setPosition(1);
    inputs.table.setValue(3, QStringLiteral("=A1"));
    inputs.table.setValue(1, QStringLiteral("=R[1]C"));
    build();

    const std::map<const char*, const char*> literal = {
        {"B3", "=SUM(G9:G11)"}, {"B4", "=1"},   {"B5", "="},      {"B6", "=NOSUCHFUNCTION("},
        {"E3", "=2*3"},         {"D10", "=A1"}, {"B10", "=R[1]C"}};
    for (const auto& [cell, typed] : literal) {
        const QString name = QString::fromLatin1(cell);
        EXPECT_EQ(value(name), text(typed)) << cell;
        EXPECT_FALSE(sheet().cell(at(name))->hasFormula()) << cell;
    }
    // The build went on to the end, and numbers still became numbers.
    EXPECT_EQ(value("G39"), Value::number(11));
    EXPECT_EQ(value("E10"), Value::number(58116));
    EXPECT_EQ(sheet().pageSetup().orientation, 2);
}

TEST_F(BuildSheetTest, NullFieldsGiveEmptyCellsAndTheBuildGoesOn)
{
    test::fillSample(inputs, app.locale());
    inputs.table.setPosition(0);
    for (int field = 0; field < LogTable::kFieldCount; ++field)
        inputs.table.setValue(field, QVariant());
    inputs.table.setPosition(2);
    inputs.table.setValue(6, QVariant());
    inputs.table.setValue(1, QVariant());
    inputs.table.setPosition(1);
    build();

    for (const char* c : {"A9", "B9", "C9", "D9", "E9", "F9", "G9", "H9", "B11", "G11"}) {
        EXPECT_EQ(value(QString::fromLatin1(c)), Value()) << c;
    }
    EXPECT_EQ(value("C11"), text("Store"));
    EXPECT_EQ(value("G39"), Value::number(5));
    EXPECT_EQ(value("H39"), Value::number(11.25));
    EXPECT_EQ(sheet().pageSetup().paperSize, 9);
    EXPECT_EQ(inputs.table.position(), 1);
}

TEST_F(BuildSheetTest, WithoutAnInstanceTheFirstCallFails)
{
    MileageLog::mExcelApp = ax::Application();
    EXPECT_THROW(build(), ss::AutomationError);
}

class CommaLocale : public BuildSheetTest {
protected:
    CommaLocale() : BuildSheetTest(QLocale(QLocale::German, QLocale::Germany)) {}
};

TEST_F(CommaLocale, NumbersTravelInTheLocalesNotation)
{
    test::fillSample(inputs, app.locale());
    inputs.rate = QStringLiteral("1,25");
    build();
    EXPECT_EQ(value("E3"), Value::number(1.25));
    EXPECT_EQ(value("H10"), Value::number(6.25));
    EXPECT_EQ(value("A11"), Value::number(42505));
    EXPECT_EQ(value("E4"), text("From 14.05.2016 to 16.05.2016"));
    EXPECT_EQ(value("H39"), Value::number(13.75));
}

// Under every locale Qt knows, the numbers the report writes in the locale's notation
// are numbers again in the sheet, trip dates in the locale's short forms are dates, and
// every total counts them.
TEST(EveryLocale, NumbersDatesAndTotalsSurviveTheSheet)
{
    const std::pair<double, double> trips[] = {{1234.5, 1543.125}, {-42.75, -53.4375},
                                               {0.125, 0.15625},   {0, 0},
                                               {1e16, 1.25e16},    {5e-05, 6.25e-05}};
    const double may14 = 42504;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        ax::ApplicationSettings settings;
        settings.locale = locale;
        ax::Application app(settings);
        app.Workbooks().Add();
        MileageLog::mExcelApp = app;
        test::FakeInputs inputs;
        // The date as the program writes it, then in the locale's own short form.
        const QString dates[] = {dateToText(QDate(2016, 5, 14), locale),
                                 locale.toString(QDate(2016, 5, 14), QLocale::ShortFormat)};
        double mileage = 0;
        double reimbursement = 0;
        for (std::size_t k = 0; k < std::size(trips); ++k) {
            test::appendTrip(inputs.table, {dates[k % 2], QString(), QString(), QString(),
                                            QString(), QString(), trips[k].first, trips[k].second});
            mileage += trips[k].first;
            reimbursement += trips[k].second;
        }
        MileageLog::BuildSheet(inputs);

        const std::string where = locale.name().toStdString();
        const auto value = [&](const char* column, std::size_t row) {
            return app.Range(QString::fromLatin1(column) + QString::number(row)).Value();
        };
        for (std::size_t k = 0; k < std::size(trips); ++k) {
            EXPECT_EQ(value("A", 9 + k), ss::Value::number(may14)) << where << " trip " << k + 1;
            EXPECT_EQ(value("G", 9 + k), ss::Value::number(trips[k].first))
                << where << " trip " << k + 1;
            EXPECT_EQ(value("H", 9 + k), ss::Value::number(trips[k].second))
                << where << " trip " << k + 1;
        }
        for (const auto& [cell, total] :
             {std::pair{"G39", mileage}, std::pair{"E5", mileage}, std::pair{"H39", reimbursement},
              std::pair{"E6", reimbursement}}) {
            const ss::Value sum = app.Range(QString::fromLatin1(cell)).Value();
            ASSERT_TRUE(sum.isNumber()) << where << " " << cell;
            EXPECT_DOUBLE_EQ(sum.asNumber(), total) << where << " " << cell;
        }
    }
    MileageLog::mExcelApp = ax::Application();
}

} // namespace
} // namespace bw

namespace bw {
namespace {

// --- the rate cell ----------------------------------------------------------------------

struct RateCellCase {
    const char* name;
    const char* typed;
    std::vector<RateChange> changes;
    std::vector<const char*> dates;
    ss::Value value;
    const char* format;
    const char* shown; // as the cell shows it
};

const std::vector<RateChange> kNewYear = {{QDate(2026, 1, 1), 0.725}};
// 45p for the first 10,000 of every tax year, 25p after.
const std::vector<RateChange> kByDistance = {{QDate(), 0.45, 0.0}, {QDate(), 0.25, 10000.0}};

class RateCell : public BuildSheetTest, public ::testing::WithParamInterface<RateCellCase> {};

TEST_P(RateCell, ShowsTheRateAsApplied)
{
    const RateCellCase& c = GetParam();
    inputs.rate = QString::fromUtf8(c.typed);
    inputs.rates = RateSchedule(c.changes);
    for (const char* date : c.dates)
        test::appendTrip(inputs.table, {QString::fromUtf8(date), QStringLiteral("Depot")});
    build();
    EXPECT_EQ(value("E3"), c.value);
    EXPECT_EQ(fmt("E3").numberFormat, QString::fromLatin1(c.format));
    EXPECT_EQ(ss::numfmt::format(value("E3"), fmt("E3").numberFormat).text,
              QString::fromUtf8(c.shown));
    const bool several = value("E3").isText() && QString::fromUtf8(c.shown).contains(u';');
    EXPECT_EQ(fmt("E3").wrap, several);
    if (several) {
        EXPECT_GT(sheet().rowHeight(2), 25.0) << "the row grows to show every line";
    } else {
        EXPECT_EQ(sheet().rowHeight(2), 12.75);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RateCell,
    ::testing::Values(
        RateCellCase{"tenth_of_a_cent",
                     "0.585",
                     {},
                     {"5/1/2016"},
                     Value::number(0.585),
                     "$#,##0.000",
                     "$0.585"},
        RateCellCase{"cents", "1.25", {}, {}, Value::number(1.25), "$#,##0.00", "$1.25"},
        RateCellCase{"tenths", "0.7", {}, {}, Value::number(0.7), "$#,##0.00", "$0.70"},
        RateCellCase{"all_before_the_change",
                     "0.7",
                     kNewYear,
                     {"12/30/2025", "12/31/2025"},
                     Value::number(0.7),
                     "$#,##0.00",
                     "$0.70"},
        RateCellCase{"all_in_the_change",
                     "0.7",
                     kNewYear,
                     {"1/1/2026", "1/9/2026"},
                     Value::number(0.725),
                     "$#,##0.000",
                     "$0.725"},
        RateCellCase{"across_the_change",
                     "0.7",
                     kNewYear,
                     {"12/31/2025", "1/1/2026"},
                     Value::text(QStringLiteral("$0.70 to 12/31/2025; $0.725 from 1/1/2026")),
                     "$#,##0.00",
                     "$0.70 to 12/31/2025; $0.725 from 1/1/2026"},
        RateCellCase{"across_the_change_with_no_typed_rate",
                     "",
                     kNewYear,
                     {"12/31/2025", "1/1/2026"},
                     Value::text(QStringLiteral("no rate to 12/31/2025; $0.725 from 1/1/2026")),
                     "$#,##0.00",
                     "no rate to 12/31/2025; $0.725 from 1/1/2026"},
        RateCellCase{"undated_trip_takes_the_typed_rate",
                     "0.7",
                     kNewYear,
                     {"", "1/2/2026"},
                     Value::text(QStringLiteral("$0.70 to 12/31/2025; $0.725 from 1/1/2026")),
                     "$#,##0.00",
                     "$0.70 to 12/31/2025; $0.725 from 1/1/2026"},
        RateCellCase{"three_rates",
                     "0.7",
                     {{QDate(2026, 1, 1), 0.725}, {QDate(2026, 7, 1), 0.75}},
                     {"12/31/2025", "2/1/2026", "7/1/2026"},
                     Value::text(QStringLiteral(
                         "$0.70 to 12/31/2025; $0.725 from 1/1/2026 to 6/30/2026; $0.75 from "
                         "7/1/2026")),
                     "$#,##0.00",
                     "$0.70 to 12/31/2025; $0.725 from 1/1/2026 to 6/30/2026; $0.75 from "
                     "7/1/2026"},
        RateCellCase{"by_distance",
                     "0.7",
                     kByDistance,
                     {"5/1/2025", "3/1/2026"},
                     Value::text(QStringLiteral("$0.45 to 10,000 mi; $0.25 after")),
                     "$#,##0.00",
                     "$0.45 to 10,000 mi; $0.25 after"},
        RateCellCase{"by_distance_then_by_date",
                     "0.7",
                     {{QDate(), 0.45, 0.0},
                      {QDate(), 0.25, 10000.0},
                      {QDate(2026, 4, 6), 0.5, std::nullopt},
                      {QDate(2027, 4, 6), 0.3, 12500.5}},
                     {"5/1/2025", "5/1/2026", "5/1/2027"},
                     Value::text(QStringLiteral(
                         "to 4/5/2026: $0.45 to 10,000 mi, $0.25 after; $0.50 from 4/6/2026 to "
                         "4/5/2027; from 4/6/2027: $0.50 to 12,500.5 mi, $0.30 after")),
                     "$#,##0.00",
                     "to 4/5/2026: $0.45 to 10,000 mi, $0.25 after; $0.50 from 4/6/2026 to "
                     "4/5/2027; from 4/6/2027: $0.50 to 12,500.5 mi, $0.30 after"},
        RateCellCase{"by_distance_with_no_typed_rate_below",
                     "",
                     {{QDate(), 0.25, 10000.0}},
                     {"5/1/2025"},
                     Value::text(QStringLiteral("no rate to 10,000 mi; $0.25 after")),
                     "$#,##0.00",
                     "no rate to 10,000 mi; $0.25 after"},
        RateCellCase{"one_rate_from_the_start_of_every_year",
                     "0.7",
                     {{QDate(), 0.45, 0.0}},
                     {"5/1/2025"},
                     Value::number(0.45),
                     "$#,##0.00",
                     "$0.45"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CommaLocale, SeveralRatesInTheLocalesForms)
{
    inputs.rate = QStringLiteral("0,7");
    inputs.rates = RateSchedule(kNewYear);
    test::appendTrip(inputs.table, {QStringLiteral("31.12.2025")});
    test::appendTrip(inputs.table, {QStringLiteral("02.01.2026")});
    build();
    EXPECT_EQ(value("E3"), text("$0,70 to 31.12.2025; $0,725 from 01.01.2026"));
    inputs.rates = RateSchedule(kByDistance);
    inputs.logUnits = {DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}};
    build();
    EXPECT_EQ(value("E3"), text("0,45\u00a0€ to 10.000 km; 0,25\u00a0€ after"));
    inputs.rates = RateSchedule(kNewYear);
    inputs.logUnits = {};
    inputs.table.Delete();
    build();
    EXPECT_EQ(value("E3"), Value::number(0.7));
    EXPECT_EQ(ss::numfmt::format(value("E3"), fmt("E3").numberFormat).text,
              QStringLiteral("$0.70"));
}

} // namespace
} // namespace bw

namespace bw {
namespace {

// What the cells are given is what the locale's own conversion writes, whatever the
// number and the locale.
TEST(NumberText, IsTheLocalesFifteenDigitText)
{
    const std::vector<double> numbers = {0.0,     2.0,         2.5,        0.575,     1.15,
                                         2.05,    12.345,      0.0001,     0.00012,   0.1 + 0.2,
                                         1.0 / 3, 58002.5,     123456.789, 99999.995, 1e14 + 0.5,
                                         1e15,    1234567.125, 0.585 * 7,  -2.5,      -0.0,
                                         1e-5,    1e16,        4.35 * 100, 0.3333333, 7.1234567};
    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Swedish, QLocale::Sweden),
          QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        for (const double number : numbers) {
            EXPECT_EQ(MileageLog::numberText(number, locale), plain.toString(number, 'g', 15))
                << locale.name().toStdString() << " " << number;
        }
    }
}

} // namespace
} // namespace bw
