// Tests of the object model: application, workbooks, sheets and refusals.
#include "spreadsheet/automation/constants.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/automation/pictureclipboard.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "support/ssprint.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <span>

namespace bw::ss::automation {
namespace {

TEST(Application, NewInstanceStartsHiddenWithDefaults)
{
    const Application app = createApplication();
    EXPECT_FALSE(app.Visible());
    EXPECT_TRUE(app.ScreenUpdating());
    EXPECT_TRUE(app.DisplayAlerts());
    EXPECT_TRUE(app.EnableEvents());
    EXPECT_EQ(app.EnableCancelKey(), kCancelKeyInterrupt);
    EXPECT_EQ(app.Cursor(), kCursorDefault);
    EXPECT_EQ(app.Workbooks().Count(), 0);
    EXPECT_EQ(app.Version(), QStringLiteral("16.0"));
    EXPECT_DOUBLE_EQ(app.InchesToPoints(0.7), 50.4);
    EXPECT_THROW(app.Sheets(), AutomationError) << "no workbook is open yet";

    const Application other = createApplication();
    EXPECT_FALSE(app.sameInstance(other)) << "every instance is independent";
    EXPECT_THROW(getRunningApplication(), AutomationError)
        << "the engine never finds another instance";
}

TEST(Application, SettingsAreCheckedAndKept)
{
    const Application app{ApplicationSettings{}};
    app.setVisible(true);
    app.setEnableCancelKey(kCancelKeyDisabled);
    app.setCursor(kCursorWait);
    EXPECT_TRUE(app.Visible());
    EXPECT_EQ(app.EnableCancelKey(), 0);
    EXPECT_EQ(app.Cursor(), 2);
    EXPECT_THROW(app.setEnableCancelKey(3), AutomationError);
    EXPECT_THROW(app.setCursor(7), AutomationError);
    EXPECT_THROW(app.setSheetsInNewWorkbook(0), AutomationError);
    EXPECT_EQ(app.Cursor(), 2);
}

TEST(Workbooks, AddGivesTheConfiguredSheetsAndBecomesActive)
{
    const Application app{ApplicationSettings{}};
    const Workbook first = app.Workbooks().Add();
    EXPECT_EQ(app.Sheets().Count(), 3);
    EXPECT_EQ(app.Sheets().Item(1).Name(), QStringLiteral("Sheet1"));
    EXPECT_EQ(app.Sheets().Item(3).Name(), QStringLiteral("Sheet3"));

    app.setSheetsInNewWorkbook(1);
    const Workbook second = app.Workbooks().Add();
    EXPECT_EQ(app.Workbooks().Count(), 2);
    EXPECT_EQ(app.Sheets().Count(), 1);
    EXPECT_EQ(app.ActiveWorkbook().Name(), second.Name());
    EXPECT_EQ(app.Workbooks().Item(1).Name(), first.Name());
    EXPECT_THROW(app.Workbooks().Item(3), AutomationError);
}

TEST(Sheets, DeleteDownToOneThenRefuse)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    const Worksheet kept = app.Sheets().Item(1);
    const Worksheet doomed = app.Sheets().Item(2);
    // The way the report builder deletes: always the second sheet, count - 1 times.
    const int n = app.Sheets().Count() - 1;
    for (int i = 0; i < n; ++i) app.Sheets().Item(2).Delete();
    EXPECT_EQ(app.Sheets().Count(), 1);
    EXPECT_EQ(app.Sheets().Item(1).Name(), QStringLiteral("Sheet1"));
    EXPECT_THROW(app.Sheets().Item(1).Delete(), AutomationError);
    EXPECT_EQ(app.Sheets().Count(), 1);

    EXPECT_THROW(doomed.Name(), AutomationError) << "a deleted sheet's handle fails";
    EXPECT_EQ(kept.Name(), QStringLiteral("Sheet1"));
}

TEST(Sheets, DeletedHandleStaysDeadWhenANewSheetTakesItsPlace)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    const Worksheet second = app.Sheets().Item(2);
    second.Delete();
    app.ActiveWorkbook().model().addSheet(QStringLiteral("Sheet2"));
    EXPECT_THROW(second.Name(), AutomationError);
}

struct NameCase {
    const char* name;
    QString sheetName;
    bool accepted;
};

class SheetName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SheetName, FollowsTheNameRules)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    const Worksheet sheet = app.Sheets().Item(app.Sheets().Count());
    if (GetParam().accepted) {
        sheet.setName(GetParam().sheetName);
        EXPECT_EQ(sheet.Name(), GetParam().sheetName);
    } else {
        EXPECT_THROW(sheet.setName(GetParam().sheetName), AutomationError);
        EXPECT_EQ(sheet.Name(), QStringLiteral("Sheet3"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SheetName,
    ::testing::Values(NameCase{"report_title", QStringLiteral("Mileage Log and Reimbursement"),
                               true},
                      NameCase{"thirty_one", QString(31, u'x'), true},
                      NameCase{"thirty_two", QString(32, u'x'), false},
                      NameCase{"empty", QString(), false},
                      NameCase{"slash", QStringLiteral("a/b"), false},
                      NameCase{"bracket", QStringLiteral("a[1]"), false},
                      NameCase{"leading_apostrophe", QStringLiteral("'a"), false},
                      NameCase{"other_sheet_any_case", QStringLiteral("SHEET1"), false},
                      NameCase{"own_name", QStringLiteral("Sheet3"), true}),
    [](const ::testing::TestParamInfo<NameCase>& tc) { return std::string(tc.param.name); });

TEST(Sheets, SelectChangesTheActiveSheetAndRangesFollowIt)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    app.Sheets().Item(2).Select();
    EXPECT_EQ(app.ActiveSheet().Name(), QStringLiteral("Sheet2"));
    const Range onSecond = app.Range("B3");
    app.Sheets().Item(1).Select();
    EXPECT_THROW(onSecond.Select(), AutomationError) << "only the active sheet can select";
    app.Range("B3").Select();
    EXPECT_EQ(app.ActiveCell().Address(), QStringLiteral("B3"));
}

TEST(Application, AddressesAreChecked)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    for (const char* bad : {"", "B3:", "IW1", "A0", "hello"}) {
        EXPECT_THROW(app.Range(QString::fromLatin1(bad)), AutomationError) << bad;
    }
    EXPECT_THROW(app.Rows(QStringLiteral("A:A")), AutomationError);
    EXPECT_THROW(app.Columns(QStringLiteral("3:6")), AutomationError);
    EXPECT_EQ(app.Rows(QStringLiteral("7")).Row(), 7);
    EXPECT_EQ(app.Columns(QStringLiteral("H:H")).Column(), 8);
}

TEST(Application, CellsByNumberAreTheCellsByAddress)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    const struct {
        int row, column, rows, columns;
        const char* address;
    } cases[] = {{9, 1, 1, 8, "A9:H9"},
                 {1, 1, 1, 1, "A1"},
                 {65536, 256, 1, 1, "IV65536"},
                 {3, 2, 4, 3, "B3:D6"}};
    for (const auto& c : cases) {
        EXPECT_EQ(app.Cells(c.row, c.column).Resize(c.rows, c.columns).Address(),
                  QString::fromLatin1(c.address));
    }
    EXPECT_THROW(app.Cells(0, 1), AutomationError);
    EXPECT_THROW(app.Cells(1, 257), AutomationError);
    EXPECT_THROW(app.Cells(65536, 1).Resize(2, 1), AutomationError) << "below the last row";
    EXPECT_THROW(app.Cells(1, 1).Resize(1, 0), AutomationError);
}

// Texts entered as an array into a row are what each entered into its own cell gives.
TEST(Range, AnArrayOfTextsIsEnteredCellByCell)
{
    const QStringList list =
        QStringLiteral("5/14/2016|Store 1|'=not a formula||58002|=RC[-1]+1|2.5|12%").split(u'|');
    const std::span<const QString> texts(list.constData(), static_cast<std::size_t>(list.size()));
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    app.Cells(3, 2).Resize(1, 8).setFormulaR1C1(texts);
    const Application each{ApplicationSettings{}};
    each.Workbooks().Add();
    for (int i = 0; i < 8; ++i) each.Cells(3, 2 + i).setFormulaR1C1(list[i]);
    const Cell none;
    for (int i = 0; i < 8; ++i) {
        const Cell* got = app.ActiveSheet().sheet().cell({2, 1 + i});
        const Cell* want = each.ActiveSheet().sheet().cell({2, 1 + i});
        EXPECT_EQ(got ? *got : none, want ? *want : none) << i;
    }
    EXPECT_EQ(app.Range(QStringLiteral("G3")).Value().asNumber(), 58003.0);
    EXPECT_THROW(app.Cells(1, 1).Resize(1, 7).setFormulaR1C1(texts), AutomationError)
        << "more texts than cells";
    EXPECT_THROW(app.Columns(QStringLiteral("A:A")).setFormulaR1C1(texts), AutomationError);
}

// Every member that needs the instance, for the refusal tests below.
const std::vector<
    std::pair<const char*, std::function<void(const Application&, const Workbook&, const Range&)>>>&
instanceCalls()
{
    static const std::vector<std::pair<
        const char*, std::function<void(const Application&, const Workbook&, const Range&)>>>
        calls = {
            {"Visible",
             [](const Application& a, const Workbook&, const Range&) { a.setVisible(false); }},
            {"Workbooks.Add",
             [](const Application& a, const Workbook&, const Range&) { a.Workbooks().Add(); }},
            {"Sheets", [](const Application& a, const Workbook&, const Range&) { a.Sheets(); }},
            {"Range", [](const Application& a, const Workbook&,
                         const Range&) { a.Range(QStringLiteral("B3")); }},
            {"Version", [](const Application& a, const Workbook&, const Range&) { a.Version(); }},
            {"Quit", [](const Application& a, const Workbook&, const Range&) { a.Quit(); }},
            {"Workbook.SaveAs", [](const Application&, const Workbook& w,
                                   const Range&) { w.SaveAs(QStringLiteral("x.xls"), 56); }},
            {"Workbook.ActiveSheet",
             [](const Application&, const Workbook& w, const Range&) { w.ActiveSheet(); }},
            {"Workbook.Close",
             [](const Application&, const Workbook& w, const Range&) { w.Close(); }},
            {"Range.Select",
             [](const Application&, const Workbook&, const Range& r) { r.Select(); }},
            {"Range.Font",
             [](const Application&, const Workbook&, const Range& r) { r.Font().setSize(10); }},
            {"Range.FormulaR1C1", [](const Application&, const Workbook&,
                                     const Range& r) { r.setFormulaR1C1(QStringLiteral("1")); }},
        };
    return calls;
}

TEST(Refusals, EveryCallOnAQuitInstanceFails)
{
    const Application app{ApplicationSettings{}};
    const Workbook book = app.Workbooks().Add();
    const Range range = app.Range("B3");
    app.Quit();
    for (const auto& [name, call] : instanceCalls()) {
        EXPECT_THROW(call(app, book, range), AutomationError) << name;
    }
}

TEST(Refusals, CallsOnAClosedWorkbookFailButTheInstanceGoesOn)
{
    const Application app{ApplicationSettings{}};
    const Workbook book = app.Workbooks().Add();
    const Range range = app.Range("B3");
    book.Close();
    EXPECT_EQ(app.Workbooks().Count(), 0);
    EXPECT_THROW(book.ActiveSheet(), AutomationError);
    EXPECT_THROW(book.Close(), AutomationError);
    EXPECT_THROW(range.Select(), AutomationError);
    EXPECT_THROW(app.Sheets(), AutomationError) << "no workbook is open";
    EXPECT_NO_THROW(app.setDisplayAlerts(false));
    EXPECT_EQ(app.Workbooks().Add().Sheets().Count(), 3);
}

TEST(Refusals, NothingFailsWithADescription)
{
    const Application nothing;
    EXPECT_TRUE(nothing.isNothing());
    try {
        nothing.setVisible(false);
        FAIL() << "a call on nothing must fail";
    } catch (const AutomationError& e) {
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_THROW(Workbook().ActiveSheet(), AutomationError);
    EXPECT_THROW(Range().Select(), AutomationError);
}

TEST(Workbook, SaveAsRefusesOtherFormatsWithoutWriting)
{
    QTemporaryDir dir;
    const Application app{ApplicationSettings{}};
    const Workbook book = app.Workbooks().Add();
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    for (const int format : {51, 0, -4142}) {
        EXPECT_THROW(book.SaveAs(path, format), AutomationError) << format;
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(book.FullName().isEmpty());
}

TEST(PageSetup, KeepsWhatTheReportSetsAndRefusesNonsense)
{
    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    const PageSetup setup = app.ActiveSheet().PageSetup();
    setup.setPrintArea(QString());
    setup.setLeftMargin(app.InchesToPoints(0.7));
    setup.setTopMargin(app.InchesToPoints(0.5));
    setup.setHeaderMargin(0);
    setup.setPrintComments(-4142);
    setup.setOrientation(2);
    setup.setPaperSize(9);
    setup.setZoom(false);
    setup.setFitToPagesWide(1);
    setup.setFitToPagesTall(1);

    const ss::PageSetup& stored = app.ActiveSheet().sheet().pageSetup();
    EXPECT_TRUE(stored.printArea.isEmpty());
    EXPECT_DOUBLE_EQ(stored.leftMargin, 50.4);
    EXPECT_DOUBLE_EQ(stored.topMargin, 36.0);
    EXPECT_EQ(stored.headerMargin, 0.0);
    EXPECT_EQ(stored.orientation, 2);
    EXPECT_EQ(stored.paperSize, 9);
    EXPECT_FALSE(stored.zoom.has_value());
    EXPECT_EQ(setup.FitToPagesWide(), 1);

    EXPECT_THROW(setup.setZoom(true), AutomationError);
    EXPECT_THROW(setup.setZoom(5), AutomationError);
    EXPECT_THROW(setup.setOrientation(3), AutomationError);
    EXPECT_THROW(setup.setLeftMargin(-1), AutomationError);
    EXPECT_THROW(setup.setPrintArea(QStringLiteral("nowhere")), AutomationError);
    setup.setZoom(75);
    EXPECT_EQ(setup.Zoom(), 75);
}

TEST(CopyPicture, PutsThePictureOnTheEnginesClipboard)
{
    pictureClipboard().clear();
    EXPECT_THROW(pictureClipboard().picture(), AutomationError);

    const Application app{ApplicationSettings{}};
    app.Workbooks().Add();
    app.Range("A1").setFormulaR1C1(QStringLiteral("title"));
    app.Range("C4").setFormulaR1C1(QStringLiteral("x"));
    app.ActiveSheet().UsedRange().CopyPicture();
    ASSERT_TRUE(pictureClipboard().hasPicture());
    const auto picture = pictureClipboard().picture();
    EXPECT_GT(picture.width(), 0);
    EXPECT_GT(picture.height(), 0);
    pictureClipboard().clear();
}

class CountingFactory final : public ApplicationFactory {
public:
    Application createNew() override
    {
        ++created;
        if (fail) throw AutomationError(QStringLiteral("cannot start"));
        return Application(ApplicationSettings{});
    }
    Application getRunning() override { return running; }

    int created = 0;
    bool fail = false;
    Application running;
};

TEST(Factory, OverrideIsUsedAndRestored)
{
    CountingFactory factory;
    {
        ApplicationFactoryOverride use(factory);
        createApplication();
        factory.fail = true;
        EXPECT_THROW(createApplication(), AutomationError);
        EXPECT_THROW(getRunningApplication(), AutomationError) << "nothing counts as none running";
        ApplicationSettings named;
        named.name = QStringLiteral("Other Program");
        factory.running = Application(named);
        EXPECT_EQ(getRunningApplication().Name(), QStringLiteral("Other Program"));
    }
    EXPECT_EQ(factory.created, 2);
    EXPECT_NO_THROW(createApplication());
    EXPECT_EQ(factory.created, 2);
}

} // namespace
} // namespace bw::ss::automation
