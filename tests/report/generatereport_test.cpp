// Tests of the create command against the platform fakes and a scripted factory.
#include "core/errorlocation.h"
#include "logtable/logtable.h"
#include "platform/dialogs.h"
#include "platform/tempfolder.h"
#include "report/mileagelog.h"
#include "reportfixtures.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace bw {
namespace {

namespace ax = ss::automation;

// One create command against the fakes of the platform and a scripted factory.
class GenerateReportTest : public ::testing::Test {
protected:
    GenerateReportTest()
    {
        factory.settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        test::fillSample(inputs, factory.settings.locale);
        inputs.table.setPosition(0);
    }
    ~GenerateReportTest() override
    {
        MileageLog::mExcelApp = ax::Application();
        MileageLog::mWorkbook = ax::Workbook();
    }

    QString folder() const { return privateTempFolder(); }
    QStringList filesInFolder() const
    {
        return QDir(folder()).entryList(QDir::Files | QDir::System);
    }

    // The labels reported under `location`, in order.
    std::vector<int> reported(const char* location) const
    {
        std::vector<int> labels;
        static const QRegularExpression line(QStringLiteral("at line (\\d+)"));
        for (const QString& text : platform.dialogs.texts()) {
            if (!text.contains(QString::fromLatin1(location))) continue;
            labels.push_back(line.match(text).captured(1).toInt());
        }
        return labels;
    }

    test::TestPlatform platform;
    test::ScriptedFactory factory;
    ax::ApplicationFactoryOverride use{factory};
    test::FakeInputs inputs;
    test::FakeMainWindow window;
    test::FakePreview preview;
};

TEST_F(GenerateReportTest, BuildsSavesAndHandsOverTheReport)
{
    MileageLog::CreateReportCommand(inputs, window, preview);

    EXPECT_TRUE(platform.dialogs.messages().isEmpty())
        << platform.dialogs.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(window.calls, (QStringList{"lock", "pointer 11", "pointer 11", "pointer 0", "hide",
                                         "pointer 0", "unlock"}));
    EXPECT_EQ(preview.calls, (QStringList{"picture", "file", "show"}));
    EXPECT_FALSE(preview.picture.isNull());

    // The report is the only file left: a fresh name in the private folder.
    const QFileInfo report(preview.excelFile);
    EXPECT_EQ(report.absolutePath(), QFileInfo(folder()).absoluteFilePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^kervan[1-9]{8}\\.xls$"))
                    .match(report.fileName())
                    .hasMatch())
        << report.fileName().toStdString();
    EXPECT_EQ(filesInFolder(), QStringList{report.fileName()});

    const auto book = ss::xls::loadWorkbook(preview.excelFile);
    ASSERT_EQ(book->sheetCount(), 1);
    const ss::Worksheet& sheet = book->sheet(0);
    EXPECT_EQ(sheet.name(), QString::fromLatin1(MileageLog::kSheetName));
    EXPECT_EQ(sheet.activeCell(), (ss::CellAddress{2, 1}));
    ASSERT_NE(sheet.cell({4, 4}), nullptr);
    EXPECT_EQ(sheet.cell({4, 4})->value, ss::Value::number(11))
        << "saved with the calculated total";

    // Both instances were quit and nothing is held.
    ASSERT_EQ(factory.made.size(), 2u);
    for (const ax::Application& made : factory.made)
        EXPECT_THROW(made.Version(), ss::AutomationError);
    EXPECT_TRUE(MileageLog::mExcelApp.isNothing());
    EXPECT_EQ(inputs.table.position(), 0);
}

TEST_F(GenerateReportTest, MoreTripsThanTheLimitAreRefusedBeforeAnythingStarts)
{
    while (inputs.table.RecordCount() <= kMaxTrips) inputs.table.AddNew();
    MileageLog::CreateReportCommand(inputs, window, preview);
    ASSERT_EQ(platform.dialogs.messages().size(), 1);
    EXPECT_EQ(platform.dialogs.messages()[0].text,
              tripLimitMessage(QStringLiteral(
                  "This log has 65528 trips; delete some before creating the report.")));
    EXPECT_EQ(platform.dialogs.messages()[0].icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(window.calls.isEmpty());
    EXPECT_TRUE(preview.calls.isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(GenerateReportTest, SavedWorkbookHasOneSheetWhateverTheDefault)
{
    for (const int sheets : {1, 3, 7}) {
        factory.settings.sheetsInNewWorkbook = sheets;
        preview = test::FakePreview();
        MileageLog::GenerateReport0(inputs, window, preview);
        const auto book = ss::xls::loadWorkbook(preview.excelFile);
        EXPECT_EQ(book->sheetCount(), 1) << sheets;
        EXPECT_EQ(book->sheet(0).name(), QString::fromLatin1(MileageLog::kSheetName));
        // The preview would delete it on going back; the fake random source draws the
        // same name every time.
        QFile::remove(preview.excelFile);
    }
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(GenerateReportTest, AnswerNoLeavesEverythingAsItWas)
{
    factory.runningName = QStringLiteral("Microsoft Excel");
    platform.dialogs.answerNext(Dialogs::No);
    MileageLog::CreateReportCommand(inputs, window, preview);

    EXPECT_EQ(platform.dialogs.messages().size(), 1) << "only the question";
    EXPECT_EQ(factory.created, 0);
    EXPECT_EQ(window.calls, (QStringList{"lock", "unlock"}));
    EXPECT_TRUE(preview.calls.isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(GenerateReportTest, AnswerYesGoesOn)
{
    factory.runningName = QStringLiteral("Microsoft Excel");
    platform.dialogs.answerNext(Dialogs::Yes);
    MileageLog::CreateReportCommand(inputs, window, preview);
    EXPECT_EQ(platform.dialogs.messages().size(), 1);
    EXPECT_EQ(preview.calls, (QStringList{"picture", "file", "show"}));
}

TEST_F(GenerateReportTest, NameIsDrawnAfreshWhenTakenAndNothingThereIsTouched)
{
    // The first two draws give names that are taken: by a file and by a link to a file
    // outside the folder. Neither may be followed or overwritten.
    QDir().mkpath(folder());
    platform.random.script(
        {0, 0, 0, 0, 0, 0, 0, 0, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99});
    const QString taken = QDir(folder()).filePath(QStringLiteral("kervan11111111.xls"));
    const QString linked = QDir(folder()).filePath(QStringLiteral("kervan99999999.xls"));
    const QString outside = QDir(platform.tempRoot()).filePath(QStringLiteral("victim.txt"));
    for (const QString& path : {taken, outside}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    ASSERT_TRUE(QFile::link(outside, linked));

    MileageLog::GenerateReport0(inputs, window, preview);

    EXPECT_TRUE(platform.dialogs.messages().isEmpty())
        << platform.dialogs.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QFileInfo(preview.excelFile).fileName(), QStringLiteral("kervan55555555.xls"));
    for (const QString& path : {taken, outside}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep me")) << path.toStdString();
    }
    EXPECT_TRUE(QFileInfo(linked).isSymLink());
    EXPECT_EQ(platform.random.seeds.size(), 1) << "seeded once per command, not once per digit";
    EXPECT_EQ(platform.random.seeds.front(),
              static_cast<std::uint32_t>(platform.clock.secondsSinceMidnight()));
}

TEST_F(GenerateReportTest, NoInstanceReportsEachStepOnceAndStillShowsThePreview)
{
    factory.failCreate = true;
    MileageLog::GenerateReport0(inputs, window, preview);

    const std::vector<int> expected = {102, 104, 106, 108, 110, 112, 114, 118, 120, 124,
                                       126, 128, 130, 132, 134, 136, 138, 140, 158, 160,
                                       162, 164, 168, 172, 176, 178, 180, 184};
    EXPECT_EQ(reported(ErrorLocation::MileageLog_GenerateReport0), expected);
    EXPECT_EQ(reported(ErrorLocation::Excel1_saveCellsActivesheet),
              (std::vector<int>{100, 102, 104}));
    EXPECT_EQ(preview.calls, (QStringList{"file", "show"}));
    EXPECT_TRUE(preview.excelFile.isEmpty()) << "no workbook was saved, so none is handed over";
    EXPECT_TRUE(filesInFolder().isEmpty()) << "not even the empty file that claimed the name";
    EXPECT_EQ(window.calls, (QStringList{"pointer 11", "pointer 0", "hide"}));
}

TEST_F(GenerateReportTest, NoPictureInstanceShowsNoOldPicture)
{
    factory.failFrom = 2;
    const QString stale =
        QDir(folder()).filePath(QString::fromLatin1(MileageLog::kPictureFileName));
    QImage old(8, 8, QImage::Format_RGB32);
    old.fill(Qt::red);
    QFile staleFile(stale);
    ASSERT_TRUE(staleFile.open(QIODevice::WriteOnly));
    ss::render::SheetPicture(old).save(staleFile);
    staleFile.close();

    MileageLog::GenerateReport0(inputs, window, preview);

    EXPECT_EQ(reported(ErrorLocation::MileageLog_GenerateReport0),
              (std::vector<int>{168, 172, 176, 178, 180, 184}));
    EXPECT_EQ(preview.calls, (QStringList{"file", "show"}));
    EXPECT_EQ(filesInFolder(), QStringList{QFileInfo(preview.excelFile).fileName()});
    EXPECT_EQ(ss::xls::loadWorkbook(preview.excelFile)->sheet(0).name(),
              QString::fromLatin1(MileageLog::kSheetName));
}

// Entries whose trip table was never opened: reading it fails.
class UnreadableTripsInputs final : public ReportInputs {
public:
    QString employeeName() const override { return QStringLiteral("Someone"); }
    QString employeeID() const override { return QString(); }
    QString vehicleDescription() const override { return QString(); }
    QString authorizedBy() const override { return QString(); }
    QString ratePerMile() const override { return QString(); }
    QDate periodFrom() const override { return QDate(2016, 5, 14); }
    QDate periodTo() const override { return QDate(2016, 5, 16); }
    LogTable& logTable() const override { return table; }
    mutable LogTable table;
};

TEST_F(GenerateReportTest, FailingBuildIsReportedOnceAndTheReportStillSaved)
{
    const UnreadableTripsInputs unreadable;
    MileageLog::GenerateReport0(unreadable, window, preview);

    EXPECT_EQ(reported(ErrorLocation::MileageLog_GenerateReport0), std::vector<int>{126});
    EXPECT_EQ(preview.calls, (QStringList{"picture", "file", "show"}));
    const auto book = ss::xls::loadWorkbook(preview.excelFile);
    const ss::Worksheet& sheet = book->sheet(0);
    ASSERT_NE(sheet.cell({2, 1}), nullptr);
    EXPECT_EQ(sheet.cell({2, 1})->value, ss::Value::text(QStringLiteral("Someone")));
    EXPECT_EQ(sheet.cell({38, 5}), nullptr) << "the totals were never reached";
    EXPECT_EQ(sheet.pageSetup().orientation, ss::PageSetup::kPortrait) << "nor the page setup";
}

TEST_F(GenerateReportTest, TextsLongerThanACellAreCutOnceNoticedAndTheReportSaved)
{
    // The car is a surrogate pair across the limit; the vehicle fits exactly.
    inputs.name = QString(32766, QLatin1Char('n')) + QString::fromUtf8("\xF0\x9F\x9A\x97")
                  + QString(9, QLatin1Char('x'));
    inputs.vehicle = QString(32767, QLatin1Char('v'));
    inputs.authorized = QString(40000, QLatin1Char('a'));
    const QString name = inputs.name;
    MileageLog::CreateReportCommand(inputs, window, preview);

    ASSERT_EQ(platform.dialogs.messages().size(), 1)
        << platform.dialogs.texts().join(QLatin1Char('\n')).toStdString();
    const Dialogs::Message notice = platform.dialogs.messages().front();
    EXPECT_EQ(notice.icon, Dialogs::Icon::None);
    EXPECT_EQ(notice.text,
              QStringLiteral(
                  "Texts longer than a cell holds were cut to their first 32,767 characters in "
                  "the report; the log keeps them whole:\r\nEmployee Name\r\nAuthorized By"));
    EXPECT_EQ(preview.calls, (QStringList{"picture", "file", "show"}));
    const auto book = ss::xls::loadWorkbook(preview.excelFile);
    const ss::Worksheet& sheet = book->sheet(0);
    const auto text = [&](int row, int column) { return sheet.cell({row, column})->value; };
    EXPECT_EQ(text(2, 1), ss::Value::text(QString(32766, QLatin1Char('n'))));
    EXPECT_EQ(text(4, 1), ss::Value::text(inputs.vehicle));
    EXPECT_EQ(text(5, 1), ss::Value::text(QString(32767, QLatin1Char('a'))));
    EXPECT_EQ(inputs.name, name) << "the entries keep the whole text";
}

struct DigitCase {
    double draw;
    char digit;
};

TEST(DrawReportName, MapsEachDrawToADigitFromOneToNine)
{
    test::TestPlatform platform;
    const std::vector<DigitCase> cases = {{0.0, '1'},      {0.1111, '1'}, {0.1112, '2'},
                                          {0.5, '5'},      {0.8888, '8'}, {0.8889, '9'},
                                          {0.999999, '9'}, {1.0, '9'}};
    for (const DigitCase& c : cases) {
        platform.random.script({c.draw, 0, 0, 0, 0, 0, 0, 0});
        const QString name = MileageLog::drawReportName(false);
        EXPECT_EQ(name.size(), 14);
        EXPECT_EQ(name.at(6).toLatin1(), c.digit) << c.draw;
        EXPECT_EQ(name.mid(7), QStringLiteral("1111111"));
    }
    EXPECT_TRUE(platform.random.seeds.isEmpty());
}

} // namespace
} // namespace bw
