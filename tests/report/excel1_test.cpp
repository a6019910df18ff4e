// Tests of the spreadsheet-application procedures and the number-text options.
#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "report/excel1.h"
#include "report/options.h"
#include "reportfixtures.h"
#include "spreadsheet/automation/pictureclipboard.h"
#include "spreadsheet/model/errors.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace bw {
namespace {

namespace ax = ss::automation;

// --- the question before a report -----------------------------------------------------

struct RunningCase {
    const char* name;
    std::optional<QString> runningName;
    std::optional<Dialogs::Answer> answer; // nothing: no question expected
    bool stops;
};

class WarnExcelOpenTest : public ::testing::TestWithParam<RunningCase> {};

TEST_P(WarnExcelOpenTest, AsksOnlyWhenTheApplicationRuns)
{
    const RunningCase& c = GetParam();
    test::TestPlatform platform;
    test::ScriptedFactory factory;
    factory.runningName = c.runningName;
    ax::ApplicationFactoryOverride use(factory);
    if (c.answer) platform.dialogs.answerNext(*c.answer);

    EXPECT_EQ(Excel1::WarnExcelOpen(), c.stops);
    EXPECT_EQ(factory.created, 0) << "the question never starts an instance";
    if (!c.answer) {
        EXPECT_TRUE(platform.dialogs.messages().isEmpty());
        return;
    }
    ASSERT_EQ(platform.dialogs.messages().size(), 1);
    const Dialogs::Message& box = platform.dialogs.messages().front();
    EXPECT_EQ(box.text,
              QStringLiteral("Excel may be open. It is recommended that you close Excel first.\r"
                             "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                             "Would you like to proceed anyway?"));
    EXPECT_EQ(box.title, applicationTitle());
    EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(box.icon, Dialogs::Icon::None);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WarnExcelOpenTest,
    ::testing::Values(
        RunningCase{"none_running", std::nullopt, std::nullopt, false},
        RunningCase{"running_yes", QStringLiteral("Microsoft Excel"), Dialogs::Yes, false},
        RunningCase{"running_no", QStringLiteral("Microsoft Excel"), Dialogs::No, true},
        RunningCase{"other_name", QStringLiteral("Some Other Program"), std::nullopt, false},
        RunningCase{"name_differs_in_case", QStringLiteral("microsoft excel"), std::nullopt,
                    false}),
    [](const ::testing::TestParamInfo<RunningCase>& tc) { return std::string(tc.param.name); });

TEST(IsExcelRunning, TheEngineNeverFindsOne) { EXPECT_FALSE(Excel1::IsExcelRunning()); }

// --- file format by version -------------------------------------------------------------

struct VersionCase {
    const char* name;
    const char* version;
    QLocale::Language language;
    QLocale::Territory territory;
    int format;
};

class SaveFileFormat : public ::testing::TestWithParam<VersionCase> {};

TEST_P(SaveFileFormat, FollowsTheMajorVersionInEveryLocale)
{
    const VersionCase& c = GetParam();
    ax::ApplicationSettings settings;
    settings.version = QString::fromLatin1(c.version);
    const ax::Application app(settings);
    EXPECT_EQ(Excel1::GetSaveFileFormat(app, QLocale(c.language, c.territory)), c.format);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFileFormat,
    ::testing::Values(
        VersionCase{"v16_point", "16.0", QLocale::English, QLocale::UnitedStates, 56},
        VersionCase{"v16_comma_locale", "16.0", QLocale::German, QLocale::Germany, 56},
        VersionCase{"v16_written_with_comma", "16,0", QLocale::English, QLocale::UnitedStates, 56},
        VersionCase{"v11_point", "11.0", QLocale::English, QLocale::UnitedStates, -4143},
        VersionCase{"v11_comma_locale", "11.0", QLocale::German, QLocale::Germany, -4143},
        VersionCase{"v12", "12.0", QLocale::French, QLocale::France, 56},
        VersionCase{"v11_5_rounds_to_12", "11.5", QLocale::English, QLocale::UnitedStates, 56},
        VersionCase{"v11_4", "11.4", QLocale::German, QLocale::Germany, -4143}),
    [](const ::testing::TestParamInfo<VersionCase>& tc) { return std::string(tc.param.name); });

TEST(SaveFileFormatWithoutInstance, AsksANewInstanceAndQuitsIt)
{
    test::ScriptedFactory factory;
    factory.settings.version = QStringLiteral("9.0");
    ax::ApplicationFactoryOverride use(factory);
    EXPECT_EQ(Excel1::GetSaveFileFormat(), -4143);
    EXPECT_EQ(factory.created, 1);

    factory.settings.version = QStringLiteral("not a version");
    EXPECT_THROW(Excel1::GetSaveFileFormat(), std::runtime_error);
    factory.failCreate = true;
    EXPECT_THROW(Excel1::GetSaveFileFormat(), ss::AutomationError);
}

// --- decimal notation ---------------------------------------------------------------------

TEST(Options, DecimalSeparatorOfTheLocale)
{
    EXPECT_EQ(Options::DecimalSeparator(QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("."));
    EXPECT_EQ(Options::DecimalSeparator(QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral(","));
    EXPECT_EQ(Options::DecimalSeparator(QLocale(QLocale::French, QLocale::France)),
              QStringLiteral(","));
}

struct NormalizeCase {
    const char* name;
    const char* text;
    bool toPoint;
    bool commaLocale;
    const char* expected;
};

class NormalizeDecimal : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeDecimal, ReplacesSeparators)
{
    const NormalizeCase& c = GetParam();
    const QLocale locale = c.commaLocale ? QLocale(QLocale::German, QLocale::Germany)
                                         : QLocale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Options::NormalizeDecimal(QString::fromLatin1(c.text), c.toPoint, locale),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormalizeDecimal,
    ::testing::Values(NormalizeCase{"point_to_locale_point", "16.0", false, false, "16.0"},
                      NormalizeCase{"comma_to_locale_point", "16,0", false, false, "16.0"},
                      NormalizeCase{"point_to_locale_comma", "16.0", false, true, "16,0"},
                      NormalizeCase{"comma_stays_locale_comma", "16,0", false, true, "16,0"},
                      NormalizeCase{"locale_comma_to_point", "1,25", true, true, "1.25"},
                      NormalizeCase{"every_occurrence", "1.2.3", false, true, "1,2,3"},
                      NormalizeCase{"to_point_keeps_other_commas", "1,25", true, false, "1,25"}),
    [](const ::testing::TestParamInfo<NormalizeCase>& tc) { return std::string(tc.param.name); });

// --- the clipboard ------------------------------------------------------------------------

TEST(GetClipboardPicture, RetriesFailedReadsUpToTheBound)
{
    int reads = 0;
    const auto found = Options::GetClipboardPicture(0, [&]() -> QImage {
        if (++reads < 5) throw std::runtime_error("busy");
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    });
    EXPECT_EQ(reads, 5);
    EXPECT_FALSE(found.isNull());

    reads = 0;
    const auto none = Options::GetClipboardPicture(0, [&]() -> QImage {
        ++reads;
        if (reads % 2 == 0) throw std::runtime_error("busy");
        return QImage();
    });
    EXPECT_EQ(reads, 1000);
    EXPECT_TRUE(none.isNull());
}

// --- the picture of a sheet ----------------------------------------------------------------

class PictureTest : public ::testing::Test {
protected:
    PictureTest()
    {
        book = app.Workbooks().Add();
        ax::pictureClipboard().clear();
    }
    ~PictureTest() override { ax::pictureClipboard().clear(); }

    QString path(const char* name) const
    {
        return QDir(platform.tempRoot()).filePath(QString::fromLatin1(name));
    }

    test::TestPlatform platform;
    ax::Application app{ax::ApplicationSettings{}};
    ax::Workbook book;
};

TEST_F(PictureTest, WritesTheUsedRangeAsBmpOrPng)
{
    app.Range(QStringLiteral("A1")).setFormulaR1C1(QStringLiteral("title"));
    app.Range(QStringLiteral("C3")).setFormulaR1C1(QStringLiteral("x"));
    for (const char* name : {"temp.bmp", "temp.png"}) {
        Excel1::saveCellsActivesheet(book, path(name));
        QImage written;
        ASSERT_TRUE(written.load(path(name))) << name;
        EXPECT_GT(written.width(), 0);
    }
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
    EXPECT_TRUE(QImageReader(path("temp.bmp")).format() == "bmp");
    EXPECT_TRUE(QImageReader(path("temp.png")).format() == "png");
}

TEST_F(PictureTest, UsedRangeEndingInRowOneOrColumnAGivesNoPicture)
{
    for (const char* cell : {"H1", "A39"}) {
        app.Cells().Clear();
        app.Range(QString::fromLatin1(cell)).setFormulaR1C1(QStringLiteral("only"));
        Excel1::saveCellsActivesheet(book, path("temp.bmp"));
        EXPECT_FALSE(QFileInfo::exists(path("temp.bmp"))) << cell;
        EXPECT_FALSE(ax::pictureClipboard().hasPicture()) << cell;
    }
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(PictureTest, ClosedWorkbookReportsEachStepAndWritesNothing)
{
    // An earlier picture on the clipboard must not be saved in place of this one.
    QImage stale(4, 4, QImage::Format_RGB32);
    stale.fill(Qt::blue);
    ax::pictureClipboard().setPicture(stale);
    book.Close();
    Excel1::saveCellsActivesheet(book, path("temp.bmp"));

    const QString location = QString::fromLatin1(ErrorLocation::Excel1_saveCellsActivesheet);
    const QStringList texts = platform.dialogs.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains(location + QStringLiteral("at line 100")));
    EXPECT_TRUE(texts[1].contains(location + QStringLiteral("at line 102")));
    EXPECT_TRUE(texts[2].contains(location + QStringLiteral("at line 104")));
    EXPECT_FALSE(QFileInfo::exists(path("temp.bmp")));
}

TEST_F(PictureTest, UnwritablePathIsReportedAtTheSaveStep)
{
    app.Range(QStringLiteral("B2")).setFormulaR1C1(QStringLiteral("x"));
    Excel1::saveCellsActivesheet(book, path("no-such-folder/temp.bmp"));
    const QStringList texts = platform.dialogs.texts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("at line 112")));
}

TEST(OpenWorkbookInExcel, FailsForAFileThatIsNoWorkbook)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("not.xls"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plain text, not a workbook");
    file.close();
    EXPECT_THROW(Excel1::OpenWorkbookInExcel(path), ss::SpreadsheetError);
}

} // namespace
} // namespace bw
