// Tests of the report tool: its arguments, outputs and failures.
#include "brindlewick-report/consoledialogs.h"
#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "platform/appidentity.h"
#include "platform/datetext.h"
#include "platform/tempfolder.h"
#include "report/headlessreport.h"
#include "report/mileagelog.h"
#include "report/storedinputs.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xlsx/package.h"
#include "support/fakeplatform.h"
#include "support/smalldisk.h"
#include "support/ssprint.h"
#include "support/testfiles.h"
#include "tools/inprocesstool.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace bw {
namespace {

namespace ax = ss::automation;
using test::writeFile;

ss::CellAddress at(const char* a1) { return ss::parseA1Range(QString::fromLatin1(a1))->first; }

ss::Value valueAt(const ss::Worksheet& sheet, const char* a1)
{
    const ss::Cell* cell = sheet.cell(at(a1));
    return cell ? cell->value : ss::Value();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// New instances as the engine makes them, beside a running instance of the spreadsheet
// application.
class RunningInstanceFactory final : public ax::ApplicationFactory {
public:
    ax::Application createNew() override { return ax::Application(ax::ApplicationSettings()); }
    ax::Application getRunning() override
    {
        ax::ApplicationSettings running;
        running.name = QStringLiteral("Microsoft Excel");
        return ax::Application(running);
    }
};

class ReportToolTest : public test::InProcessToolTest {
protected:
    QString file(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QStringList temporaryFiles() const
    {
        return QDir(privateTempFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    std::unique_ptr<ss::Workbook> load(const QString& path) const
    {
        return ss::xls::loadWorkbook(path);
    }

    // What the create command hands to the preview window for the sample; the caller
    // deletes the workbook.
    CapturedPreview sampleReport()
    {
        StoredReportInputs inputs;
        inputs.fillSample();
        HeadlessMainWindow window;
        CapturedPreview preview;
        MileageLog::CreateReportCommand(inputs, window, preview);
        return preview;
    }

    void seedStore(const std::vector<std::pair<const char*, QString>>& values)
    {
        SettingsStore store;
        SettingsStore::Batch batch(store);
        for (const auto& [key, value] : values) store.SaveSetting(QString::fromLatin1(key), value);
        batch.commit();
    }

    test::TestPlatform platform;
    QTemporaryDir folder;
};

TEST_F(ReportToolTest, SampleGivesTheFinishedSheet)
{
    const QString output = file(QStringLiteral("sample.xls"));
    ASSERT_EQ(tool({QStringLiteral("--sample"), output}), 0) << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();

    const auto book = load(output);
    ASSERT_EQ(book->sheetCount(), 1);
    const ss::Worksheet& sheet = book->sheet(0);
    EXPECT_EQ(sheet.name(), QStringLiteral("Mileage Log and Reimbursement"));
    EXPECT_EQ(valueAt(sheet, "A1"),
              ss::Value::text(QStringLiteral("Mileage Log and Reimbursement Form")));
    EXPECT_EQ(valueAt(sheet, "B3"), ss::Value::text(QStringLiteral("Michael Jr.")));
    EXPECT_EQ(valueAt(sheet, "A9"), ss::Value::number(42504))
        << "the trip date, 14 May 2016, as a date";
    EXPECT_EQ(valueAt(sheet, "E5"), ss::Value::number(11));
    EXPECT_EQ(valueAt(sheet, "E6"), ss::Value::number(13.75));
    for (const auto& [total, sum] :
         {std::pair{"G39", "SUM(G9:G38)"}, std::pair{"H39", "SUM(H9:H38)"}}) {
        const ss::Cell* cell = sheet.cell(at(total));
        ASSERT_TRUE(cell && cell->hasFormula()) << total;
        EXPECT_EQ(ss::formula::toA1(*cell->formula, at(total)), QString::fromLatin1(sum));
    }
    EXPECT_EQ(sheet.activeCell(), at("B3"));

    EXPECT_TRUE(temporaryFiles().isEmpty())
        << temporaryFiles().join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(QFile::exists(platform.settingsFile())) << "the sample leaves the store alone";
}

TEST_F(ReportToolTest, AnOutputEndingInXlsxGetsTheWorkbookOfThatKind)
{
    for (const char* name : {"sample.xlsx", "SAMPLE2.XlsX"}) {
        const QString output = file(QString::fromLatin1(name));
        ASSERT_EQ(tool({QStringLiteral("--sample"), output}), 0) << err.toStdString();
        QByteArray sheet;
        for (const ss::xlsx::PackagePart& part : ss::xlsx::readPackage(bytesOf(output))) {
            if (part.name == QLatin1String("xl/worksheets/sheet1.xml")) sheet = part.data;
        }
        EXPECT_TRUE(sheet.contains("<f>SUM(H9:H38)</f><v>13.75</v>"))
            << name << " holds no cached total";
    }
    EXPECT_TRUE(temporaryFiles().isEmpty())
        << temporaryFiles().join(QLatin1Char(' ')).toStdString();
}

TEST_F(ReportToolTest, OutputEndingInPdfGetsThePrintedPages)
{
    const QString output = file(QStringLiteral("sample.PDF"));
    ASSERT_EQ(tool({QStringLiteral("--sample"), output}), 0) << err.toStdString();
    EXPECT_TRUE(bytesOf(output).startsWith("%PDF-"));
    EXPECT_TRUE(bytesOf(output).contains("/Count 1")) << "the sample fits one page";
    EXPECT_TRUE(temporaryFiles().isEmpty())
        << temporaryFiles().join(QLatin1Char(' ')).toStdString();
}

TEST_F(ReportToolTest, TwoRunsGiveIdenticalBytes)
{
    const QString first = file(QStringLiteral("first.xls"));
    const QString second = file(QStringLiteral("SECOND.XLS"));
    ASSERT_EQ(tool({QStringLiteral("--sample"), first}), 0) << err.toStdString();
    ASSERT_EQ(tool({QStringLiteral("--sample"), second}), 0) << err.toStdString();
    EXPECT_FALSE(bytesOf(first).isEmpty());
    EXPECT_TRUE(bytesOf(second) == bytesOf(first));
}

TEST_F(ReportToolTest, ReportsTheStoredEntriesAndTrips)
{
    seedStore({{"EmployeeName", QStringLiteral("Ada Quill")},
               {"employeeid", QStringLiteral("00042")},
               {"VehicleDescription", QStringLiteral("Blue van")},
               {"AuthorizedBy", QStringLiteral("Rhea")},
               {"RatePerMile", QStringLiteral("0.5")},
               {"PeriodFrom", dateToText(QDate(2024, 2, 1))},
               {"PeriodTo", dateToText(QDate(2024, 2, 29))},
               {"RowCount", QStringLiteral("2.5")},
               {"RowSource1 1", QStringLiteral("Feb 3")},
               {"RowSource2 1", QStringLiteral("Depot")},
               {"RowSource7 1", QStringLiteral("12.5")},
               {"RowSource8 1", QStringLiteral("6.25")},
               {"RowSource2 2", QStringLiteral("Harbour")},
               {"RowSource7 2", QStringLiteral("7 miles")},
               {"RowSource8 2", QStringLiteral("3.5")},
               {"RowSource7 3", QStringLiteral("1000")}});
    const QByteArray storeBefore = bytesOf(platform.settingsFile());

    const QString output = file(QStringLiteral("stored.xls"));
    ASSERT_EQ(tool({output}), 0) << err.toStdString();
    const auto book = load(output);
    const ss::Worksheet& sheet = book->sheet(0);
    const auto value = [&](const char* a1) { return valueAt(sheet, a1); };
    EXPECT_EQ(value("B3"), ss::Value::text(QStringLiteral("Ada Quill")));
    EXPECT_EQ(value("B4"), ss::Value::text(QStringLiteral("00042"))) << "the ID stays text";
    EXPECT_EQ(value("B5"), ss::Value::text(QStringLiteral("Blue van")));
    EXPECT_EQ(value("B6"), ss::Value::text(QStringLiteral("Rhea")));
    EXPECT_EQ(value("E4"), ss::Value::text(QStringLiteral("From %1 to %2")
                                               .arg(dateToText(QDate(2024, 2, 1)),
                                                    dateToText(QDate(2024, 2, 29)))));
    EXPECT_EQ(value("A9"), ss::Value::text(QStringLiteral("Feb 3")));
    EXPECT_EQ(value("B10"), ss::Value::text(QStringLiteral("Harbour")));
    // RowCount 2.5 rounds to two rows; the third row's keys are not read.
    EXPECT_EQ(value("E5"), ss::Value::number(19.5));
    EXPECT_EQ(value("E6"), ss::Value::number(9.75));
    EXPECT_TRUE(bytesOf(platform.settingsFile()) == storeBefore) << "the store is only read";
}

// The log's database wins over the old stores, is opened read-only (a newer schema too)
// and a damaged one fails the run with its cause, never a report without its trips.
TEST_F(ReportToolTest, ReadsTheLogDatabaseOnlyAndFailsOnAnUnreadableOne)
{
    seedStore({{"RowCount", QStringLiteral("1")}, {"RowSource2 1", QStringLiteral("Old store")}});
    const QString path = LogDatabase::defaultPath();
    {
        LogDatabase db(path, LogDatabase::Access::ReadWrite);
        db.apply(TripChanges{
            {StoredTrip{
                5, 1, Trip::fromValues({QStringLiteral("Feb 3"), QStringLiteral("From the log")})}},
            {},
            true,
            {{QString::fromLatin1(LogDatabase::kImportPending), {}}}});
        db.database().exec("PRAGMA user_version = 7");
    }
    const QByteArray before = bytesOf(path);
    const QString output = file(QStringLiteral("log.xls"));
    ASSERT_EQ(tool({output}), 0) << err.toStdString();
    EXPECT_EQ(valueAt(load(output)->sheet(0), "B9"),
              ss::Value::text(QStringLiteral("From the log")));
    EXPECT_TRUE(bytesOf(path) == before) << "never migrated or written";
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lock")));

    QFile damage(path);
    ASSERT_TRUE(damage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damage.write(QByteArray(8192, 'd'));
    damage.close();
    EXPECT_EQ(tool({file(QStringLiteral("damaged.xls"))}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("the trip log could not be read: The file ")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("is not a log database"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("damaged.xls"))));
}

// A cut text is a notice, not a failure; a stored infinity is no number.
TEST_F(ReportToolTest, LongTextsAndNonNumbersStillGiveTheReport)
{
    seedStore({{"EmployeeName", QString(40000, QLatin1Char('n'))},
               {"RowCount", QStringLiteral("1")},
               {"RowSource7 1", QStringLiteral("inf")},
               {"RowSource8 1", QStringLiteral("-NaN")}});
    const QString output = file(QStringLiteral("long.xls"));
    ASSERT_EQ(tool({output}), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("the log keeps them whole:\nEmployee Name\n")))
        << err.toStdString();

    const auto book = load(output);
    const ss::Worksheet& sheet = book->sheet(0);
    EXPECT_EQ(valueAt(sheet, "B3"), ss::Value::text(QString(32767, QLatin1Char('n'))));
    EXPECT_EQ(valueAt(sheet, "G9"), ss::Value::number(0));
    EXPECT_EQ(valueAt(sheet, "H9"), ss::Value::number(0));
}

TEST_F(ReportToolTest, EmptyStoreGivesTheBlankFormOfToday)
{
    const QString output = file(QStringLiteral("blank.xls"));
    ASSERT_EQ(tool({output}), 0) << err.toStdString();
    const auto book = load(output);
    const ss::Worksheet& sheet = book->sheet(0);
    const QString today = dateToText(platform.clock.today());
    EXPECT_EQ(valueAt(sheet, "E4"), ss::Value::text(QStringLiteral("From %1 to %1").arg(today)));
    EXPECT_EQ(valueAt(sheet, "B3"), ss::Value());
    EXPECT_EQ(valueAt(sheet, "E5"), ss::Value::number(0));
}

TEST_F(ReportToolTest, SettingsFileOptionReadsThatFile)
{
    const QString other = file(QStringLiteral("other.ini"));
    {
        QFile ini(other);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[General]\nEmployeeName=From the option\nRowCount=1\nRowSource7%201=3\n");
    }
    const QString output = file(QStringLiteral("option.xls"));
    ASSERT_EQ(tool({QStringLiteral("--settings"), other, output}), 0) << err.toStdString();
    const auto book = load(output);
    EXPECT_EQ(valueAt(book->sheet(0), "B3"), ss::Value::text(QStringLiteral("From the option")));
    EXPECT_EQ(valueAt(book->sheet(0), "E5"), ss::Value::number(3));
}

TEST_F(ReportToolTest, TripsFileReplacesTheTripsFilledWithTheRate)
{
    const QString trips = file(QStringLiteral("trips.csv"));
    test::writeFile(trips, "Date,Odometer Start,Odometer "
                           "End\n2016-05-14,100,110\n2016-05-14,abc,1\n2016-05-15,,130\n");
    const QString output = file(QStringLiteral("trips.xls"));
    ASSERT_EQ(tool({QStringLiteral("--sample"), QStringLiteral("--trips"), trips, output}), 0)
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("line 3, Odometer Start: \"abc\" is not a number")))
        << err.toStdString();
    const auto book = load(output);
    const ss::Worksheet& sheet = book->sheet(0);
    EXPECT_EQ(valueAt(sheet, "G9"), ss::Value::number(10));
    EXPECT_EQ(valueAt(sheet, "H9"), ss::Value::number(12.5));
    EXPECT_EQ(valueAt(sheet, "G10"), ss::Value::number(20));
    EXPECT_EQ(valueAt(sheet, "H10"), ss::Value::number(25));

    const QString none = file(QStringLiteral("none.xls"));
    EXPECT_EQ(tool({QStringLiteral("--sample"),
                    QStringLiteral("--trips=") + file(QStringLiteral("absent.csv")), none}),
              reporttool::kExitFailed);
    EXPECT_FALSE(QFile::exists(none));
}

TEST_F(ReportToolTest, RatesFilePaysTheTripsAndNamesEachRate)
{
    const QString trips = file(QStringLiteral("trips.csv"));
    test::writeFile(trips, "Date,Mileage\n2025-12-31,10\n2026-01-01,10\n");
    const QString rates = file(QStringLiteral("rates.csv"));
    test::writeFile(rates, "Rate,From\n0.725,2026-01-01\n");
    const QString output = file(QStringLiteral("rates.xls"));
    // The sample's typed rate, 1.25, pays the trip before the change.
    ASSERT_EQ(tool({QStringLiteral("--sample"), QStringLiteral("--rates"), rates,
                    QStringLiteral("--trips"), trips, output}),
              0)
        << err.toStdString();
    const auto book = load(output);
    const ss::Worksheet& sheet = book->sheet(0);
    EXPECT_EQ(valueAt(sheet, "H9"), ss::Value::number(12.5));
    EXPECT_EQ(valueAt(sheet, "H10"), ss::Value::number(7.25));
    EXPECT_EQ(valueAt(sheet, "E3"), ss::Value::text(QStringLiteral("$1.25 to %1; $0.725 from %2")
                                                        .arg(dateToText(QDate(2025, 12, 31)),
                                                             dateToText(QDate(2026, 1, 1)))));

    // Bad lines are listed with their reasons and nothing is written.
    test::writeFile(rates, "From,Rate\n2026-01-01,0.725\nsoon,0.7\n2026-01-01,0.8\n2026-02-01,\n");
    const QString none = file(QStringLiteral("none.xls"));
    err.clear();
    EXPECT_EQ(tool({QStringLiteral("--sample"), QStringLiteral("--rates"), rates, none}),
              reporttool::kExitFailed);
    EXPECT_FALSE(QFile::exists(none));
    for (const char* line : {"line 3, From: \"soon\" is not a date",
                             "line 4, From: a second change on", "line 5, Rate: no number"}) {
        EXPECT_TRUE(err.contains(QString::fromUtf8(line))) << line << "\n" << err.toStdString();
    }
    test::writeFile(rates, "Date,Amount\n2026-01-01,0.725\n");
    EXPECT_EQ(tool({QStringLiteral("--sample"), QStringLiteral("--rates"), rates, none}),
              reporttool::kExitFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("does not name the columns From and Rate")));
}

// Without --rates the log's own changes pay the trips and are named in the rate cell.
TEST_F(ReportToolTest, WithoutARatesFileTheLogsStoredChangesApply)
{
    seedStore({{"RatePerMile", QStringLiteral("0.7")}});
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.apply(TripChanges{
            {StoredTrip{1, 1,
                        Trip::fromValues(
                            {dateToText(QDate(2025, 12, 31)), {}, {}, {}, {}, {}, 10.0, 7.0})},
             StoredTrip{2, 2,
                        Trip::fromValues(
                            {dateToText(QDate(2026, 1, 1)), {}, {}, {}, {}, {}, 10.0, 7.25})}},
            {},
            true,
            {{QString::fromLatin1(LogDatabase::kImportPending), {}}}});
        db.replaceRateChanges({{QDate(2026, 1, 1), 0.725}});
    }
    const QString output = file(QStringLiteral("stored-rates.xls"));
    ASSERT_EQ(tool({output}), 0) << err.toStdString();
    EXPECT_EQ(
        valueAt(load(output)->sheet(0), "E3"),
        ss::Value::text(QStringLiteral("$0.70 to %1; $0.725 from %2")
                            .arg(dateToText(QDate(2025, 12, 31)), dateToText(QDate(2026, 1, 1)))));
    // A rates file given still wins over the log's list.
    const QString rates = file(QStringLiteral("rates.csv"));
    test::writeFile(rates, "From,Rate\n2025-01-01,0.5\n");
    const QString given = file(QStringLiteral("given-rates.xls"));
    ASSERT_EQ(tool({QStringLiteral("--rates"), rates, given}), 0) << err.toStdString();
    EXPECT_EQ(valueAt(load(given)->sheet(0), "E3"), ss::Value::number(0.5));
}

// The log's kept unit and currency name the form's distances and amounts; --unit and
// --currency choose others. The numbers stay the log's.
TEST_F(ReportToolTest, TheReportFollowsTheLogsUnitsOrTheOnesGiven)
{
    seedStore({{"RatePerMile", QStringLiteral("0.3")}});
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.apply(TripChanges{
            {StoredTrip{
                1, 1,
                Trip::fromValues({QStringLiteral("5/1/2016"), {}, {}, {}, {}, {}, 16.0, 4.8})}},
            {},
            true,
            {{QString::fromLatin1(LogDatabase::kImportPending), {}}}});
        db.setUnits({DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}});
    }
    struct Case {
        QStringList arguments;
        const char* rateLabel;
        const char* totalLabel;
        const char* column;
        const char* amountFormat;
        const char* rateFormat;
    };
    const Case cases[] = {
        {{},
         "Rate Per Kilometre",
         "Total Kilometres",
         "Kilometres",
         "#,##0.00\" €\"",
         "#,##0.00\" €\""},
        {{QStringLiteral("--unit=mi")},
         "Rate Per Mile",
         "Total Mileage",
         "Mileage",
         "#,##0.00\" €\"",
         "#,##0.00\" €\""},
        {{QStringLiteral("--unit"), QStringLiteral("KM"), QStringLiteral("--currency"),
          QStringLiteral("CHF")},
         "Rate Per Kilometre",
         "Total Kilometres",
         "Kilometres",
         "#,##0.00\" CHF\"",
         "#,##0.00\" CHF\""},
    };
    for (const Case& c : cases) {
        const QString output = file(QStringLiteral("units.xls"));
        ASSERT_EQ(tool(c.arguments + QStringList{output}), 0) << err.toStdString();
        const auto book = load(output);
        const ss::Worksheet& sheet = book->sheet(0);
        const QString name = c.arguments.join(u' ');
        const auto format = [&](const char* a1) {
            return book->formats().get(sheet.cell(at(a1))->format).numberFormat;
        };
        EXPECT_EQ(valueAt(sheet, "C3"), ss::Value::text(QString::fromUtf8(c.rateLabel)))
            << name.toStdString();
        EXPECT_EQ(valueAt(sheet, "C5"), ss::Value::text(QString::fromUtf8(c.totalLabel)));
        EXPECT_EQ(valueAt(sheet, "G8"), ss::Value::text(QString::fromUtf8(c.column)));
        EXPECT_EQ(valueAt(sheet, "G9"), ss::Value::number(16.0)) << "numbers stay";
        EXPECT_EQ(format("E6"), QString::fromUtf8(c.amountFormat)) << name.toStdString();
        EXPECT_EQ(format("H9"), QString::fromUtf8(c.amountFormat));
        EXPECT_EQ(format("E3"), QString::fromUtf8(c.rateFormat));
        QFile::remove(output);
    }
}

struct PictureCase {
    const char* name;
    const char* format;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

class ReportToolPictureTest : public ReportToolTest,
                              public ::testing::WithParamInterface<PictureCase> {};

TEST_P(ReportToolPictureTest, WritesTheSheetsPicture)
{
    const CapturedPreview program = sampleReport();
    QFile::remove(program.excelFile());
    ASSERT_FALSE(program.picture().isNull());

    const QString picture = file(QString::fromLatin1(GetParam().name));
    ASSERT_EQ(tool({QStringLiteral("--picture"), picture, QStringLiteral("--sample"),
                    file(QStringLiteral("p.xls"))}),
              0)
        << err.toStdString();
    QImage written;
    ASSERT_TRUE(written.load(picture, GetParam().format)) << "not a " << GetParam().format;
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
              program.picture().toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(temporaryFiles().isEmpty()) << "neither the workbook nor the bitmap stays behind";
}

INSTANTIATE_TEST_SUITE_P(Formats, ReportToolPictureTest,
                         ::testing::Values(PictureCase{"sheet.png", "PNG"},
                                           PictureCase{"sheet.BMP", "BMP"}),
                         [](const ::testing::TestParamInfo<PictureCase>& tc) {
                             return std::string(tc.param.format);
                         });

TEST_F(ReportToolTest, AnotherInstanceRunningIsAnsweredYes)
{
    RunningInstanceFactory factory;
    const ax::ApplicationFactoryOverride use(factory);
    const QString output = file(QStringLiteral("running.xls"));
    EXPECT_EQ(tool({QStringLiteral("--sample"), output}), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Would you like to proceed anyway?")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("answered Yes")));
    EXPECT_FALSE(err.contains(QLatin1Char('\r'))) << "line breaks are the console's";
    EXPECT_TRUE(QFile::exists(output));
}

TEST_F(ReportToolTest, UnwritableOutputFailsAndLeavesNothing)
{
    const QString existingFolder = file(QStringLiteral("a-folder"));
    ASSERT_TRUE(QDir().mkpath(existingFolder));
    for (const QString& output : {file(QStringLiteral("missing/folder/out.xls")), existingFolder}) {
        EXPECT_EQ(tool({QStringLiteral("--sample"), output}), reporttool::kExitFailed)
            << output.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("Cannot write"))) << err.toStdString();
        EXPECT_TRUE(temporaryFiles().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("missing"))));
    EXPECT_TRUE(QDir(existingFolder).isEmpty());
}

// Standard error names what stands in the way, for each kind of output.
TEST_F(ReportToolTest, AFailedWriteNamesItsCause)
{
    const struct {
        test::SmallDisk::Kind disk;
        const char* output;
        const char* cause;
    } cases[] = {
        {test::SmallDisk::Kind::Full, "out.xls", "The disk is full (writing "},
        {test::SmallDisk::Kind::Full, "out.xlsx", "The disk is full (writing "},
        {test::SmallDisk::Kind::Full, "out.pdf", "The disk is full (writing "},
        {test::SmallDisk::Kind::ReadOnly, "out.xls", " is read-only."},
    };
    for (const auto& c : cases) {
        const QString disk = file(QStringLiteral("disk"));
        const test::SmallDisk mounted(disk, c.disk);
        if (!mounted.problem().empty()) GTEST_SKIP() << mounted.problem();
        const QString output = QDir(disk).filePath(QString::fromLatin1(c.output));
        EXPECT_EQ(tool({QStringLiteral("--sample"), output}), reporttool::kExitFailed);
        EXPECT_TRUE(err.contains(QStringLiteral("Cannot write \"%1\": ").arg(output)))
            << err.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.cause))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(output));
        EXPECT_TRUE(temporaryFiles().isEmpty());
    }
    EXPECT_EQ(tool({QStringLiteral("--sample"), file(QStringLiteral("missing/out.xls"))}),
              reporttool::kExitFailed);
    EXPECT_TRUE(err.contains(
        QStringLiteral("The folder %1 does not exist.").arg(file(QStringLiteral("missing")))))
        << err.toStdString();
}

// Every file in the folder, hidden ones too, with its bytes; a folder shows as "/".
std::map<QString, QByteArray> snapshot(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        files[entry.fileName()] =
            entry.isDir() ? QByteArray("/") : bytesOf(entry.absoluteFilePath());
    }
    return files;
}

struct WriteFailureCase {
    const char* name;
    const char* output;
    const char* picture;
};

void PrintTo(const WriteFailureCase& c, std::ostream* os) { *os << c.name; }

class ReportToolWriteFailureTest : public ReportToolTest,
                                   public ::testing::WithParamInterface<WriteFailureCase> {};

// "plain" is a file, so nothing can be created below it, whoever runs the test; "taken"
// is a folder, which no file can be renamed over. "old.xls" and "old.png" hold earlier
// output.
TEST_P(ReportToolWriteFailureTest, LeavesEveryFileAsItWas)
{
    writeFile(file(QStringLiteral("plain")), "a plain file");
    writeFile(file(QStringLiteral("old.xls")), "an earlier report");
    writeFile(file(QStringLiteral("old.png")), "an earlier picture");
    ASSERT_TRUE(QDir().mkpath(file(QStringLiteral("taken"))));
    const auto before = snapshot(folder.path());

    EXPECT_EQ(tool({QStringLiteral("--sample"), QStringLiteral("--picture"),
                    file(QString::fromLatin1(GetParam().picture)),
                    file(QString::fromLatin1(GetParam().output))}),
              reporttool::kExitFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("Cannot write"))) << err.toStdString();
    EXPECT_TRUE(snapshot(folder.path()) == before);
    EXPECT_TRUE(QDir(file(QStringLiteral("taken"))).isEmpty());
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportToolWriteFailureTest,
    ::testing::Values(WriteFailureCase{"PictureUnderAFile", "old.xls", "plain/sheet.png"},
                      WriteFailureCase{"OutputUnderAFile", "plain/out.xls", "old.png"},
                      WriteFailureCase{"OutputIsAFolderOldPictureBack", "taken", "old.png"},
                      WriteFailureCase{"OutputIsAFolderNewPictureGone", "taken", "new.png"}),
    [](const ::testing::TestParamInfo<WriteFailureCase>& tc) {
        return std::string(tc.param.name);
    });

struct ConsoleBoxCase {
    const char* name;
    const char* title;
    Dialogs::Icon icon;
    Dialogs::Buttons buttons;
    int failures;
};

TEST(ConsoleDialogs, OnlyTheErrorReportIsAFailure)
{
    const ConsoleBoxCase cases[] = {
        {"ErrorReport", "Application Error", Dialogs::Icon::Warning, Dialogs::Buttons::Ok, 1},
        {"NoticeWithWarningSign", "Brindlewick", Dialogs::Icon::Warning, Dialogs::Buttons::Ok, 0},
        {"PlainNotice", "Brindlewick", Dialogs::Icon::None, Dialogs::Buttons::Ok, 0},
        {"Question", "Brindlewick", Dialogs::Icon::None, Dialogs::Buttons::YesNo, 0},
    };
    for (const ConsoleBoxCase& c : cases) {
        QString text;
        QTextStream stream(&text);
        ConsoleDialogs dialogs(stream);
        dialogs.message({QStringLiteral("Line one\r\nline two"), QString::fromLatin1(c.title),
                         c.buttons, c.icon, Dialogs::Yes});
        EXPECT_EQ(dialogs.failures(), c.failures) << c.name;
        EXPECT_TRUE(text.startsWith(QString::fromLatin1(c.title)
                                    + QStringLiteral(": Line one\nline two\n")))
            << c.name;
    }
}

struct FailingStoreCase {
    const char* name;
    const char* key;
    const char* value;
    const char* reported;
};

void PrintTo(const FailingStoreCase& c, std::ostream* os) { *os << c.name; }

class ReportToolFailingStoreTest : public ReportToolTest,
                                   public ::testing::WithParamInterface<FailingStoreCase> {};

TEST_P(ReportToolFailingStoreTest, ReportsAndKeepsTheOldOutput)
{
    seedStore({{GetParam().key, QString::fromLatin1(GetParam().value)}});
    const QString output = file(QStringLiteral("kept.xls"));
    {
        QFile old(output);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an earlier report");
    }
    EXPECT_EQ(tool({output}), reporttool::kExitFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("Application Error"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QString::fromLatin1(GetParam().reported))) << err.toStdString();
    EXPECT_EQ(bytesOf(output), QByteArray("an earlier report"));
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReportToolFailingStoreTest,
    ::testing::Values(FailingStoreCase{"StartIsNoDate", "PeriodFrom", "someday", "at line 134"},
                      FailingStoreCase{"EndIsNoDate", "PeriodTo", "31/31/31", "at line 138"},
                      FailingStoreCase{"RowCountTooLarge", "RowCount", "1e12", "at line 164"},
                      FailingStoreCase{"MileageOverflows", "RowSource7 1", "1e999", "at line 180"}),
    [](const ::testing::TestParamInfo<FailingStoreCase>& tc) {
        return std::string(tc.param.name);
    });

TEST_F(ReportToolTest, MissingSettingsFileFails)
{
    const QString output = file(QStringLiteral("none.xls"));
    EXPECT_EQ(tool({QStringLiteral("--settings"), file(QStringLiteral("absent.ini")), output}),
              reporttool::kExitFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("absent.ini"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}

struct ArgumentsCase {
    const char* name;
    QStringList arguments;
    int status;
    const char* message;
};

void PrintTo(const ArgumentsCase& c, std::ostream* os) { *os << c.name; }

class ReportToolArgumentsTest : public ReportToolTest,
                                public ::testing::WithParamInterface<ArgumentsCase> {};

TEST_P(ReportToolArgumentsTest, ExitStatusAndMessage)
{
    EXPECT_EQ(tool(GetParam().arguments), GetParam().status) << err.toStdString();
    const QString& stream = GetParam().status == reporttool::kExitUsage ? err : out;
    EXPECT_TRUE(stream.contains(QString::fromLatin1(GetParam().message))) << stream.toStdString();
    if (GetParam().status == reporttool::kExitUsage) {
        EXPECT_TRUE(err.contains(QStringLiteral("Usage: ")));
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing is written";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportToolArgumentsTest,
    ::testing::Values(
        ArgumentsCase{"Help", {"--help"}, 0, "Exit status"},
        ArgumentsCase{"ShortHelpBeforeOtherMistakes", {"a.xls", "-h", "b.xls"}, 0, "Usage: "},
        ArgumentsCase{"NoOutput", {"--sample"}, 2, "the output file is missing"},
        ArgumentsCase{"TwoOutputs", {"a.xls", "b.xls"}, 2, "only one output file"},
        ArgumentsCase{"UnknownOption", {"--sampel", "a.xls"}, 2, "unknown option --sampel"},
        ArgumentsCase{
            "PictureWithoutFile", {"a.xls", "--picture"}, 2, "--picture needs a file name"},
        ArgumentsCase{"PictureEmpty", {"--picture=", "a.xls"}, 2, "--picture needs a file name"},
        ArgumentsCase{"PictureOfUnknownFormat", {"--picture", "x.jpg", "a.xls"}, 2, ".bmp or .png"},
        ArgumentsCase{
            "PictureTwice", {"--picture=a.png", "--picture=b.png", "a.xls"}, 2, "given twice"},
        ArgumentsCase{
            "PictureOverTheWorkbook", {"--picture", "same.png", "./same.png"}, 2, "the same file"},
        ArgumentsCase{"SampleWithSettings",
                      {"--sample", "--settings=s.ini", "a.xls"},
                      2,
                      "exclude each other"},
        ArgumentsCase{"TripsWithoutFile", {"a.xls", "--trips"}, 2, "--trips needs a file name"},
        ArgumentsCase{"UnitUnknown", {"--unit", "miles", "a.xls"}, 2, "--unit takes km or mi"},
        ArgumentsCase{"UnitWithoutValue", {"a.xls", "--unit"}, 2, "--unit needs km or mi"},
        ArgumentsCase{"CurrencyEmpty", {"--currency=", "a.xls"}, 2, "--currency needs a currency"},
        ArgumentsCase{"SummaryOfNoYear", {"--summary", "20x5"}, 2, "--summary needs a year"},
        ArgumentsCase{"SummaryWithAnOutput", {"--summary=2025", "a.xls"}, 2, "no output file"},
        ArgumentsCase{"SummaryOfAnEmptyLog", {"--summary", "2025"}, 0, "\n2025-12,0,0,0.00"}),
    [](const ::testing::TestParamInfo<ArgumentsCase>& tc) { return std::string(tc.param.name); });

TEST_F(ReportToolTest, VersionIsTheBuildsOwn)
{
    EXPECT_EQ(tool({QStringLiteral("--version"), QStringLiteral("a.xls")}), reporttool::kExitDone);
    EXPECT_EQ(out, QStringLiteral("brindlewick-report %1\n").arg(applicationVersion()));
    EXPECT_FALSE(applicationVersion().isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing is written";
}

TEST(ReportToolArguments, DashesAndEqualsForms)
{
    QString error;
    const auto options = reporttool::parseArguments(
        {QStringLiteral("--picture=p.png"), QStringLiteral("--settings"), QStringLiteral("s.ini"),
         QStringLiteral("--"), QStringLiteral("--out.xls")},
        error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->picture, QStringLiteral("p.png"));
    EXPECT_EQ(options->settingsFile, QStringLiteral("s.ini"));
    EXPECT_EQ(options->output, QStringLiteral("--out.xls"));
    EXPECT_FALSE(options->sample);
}

} // namespace
} // namespace bw
