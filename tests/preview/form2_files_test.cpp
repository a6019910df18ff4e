// Tests of saving the report workbook from the preview window.
#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "platform/filecopy.h"
#include "preview/previewtesting.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xlsx/package.h"
#include "support/smalldisk.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <algorithm>

namespace bw::test {
namespace {

class Form2Files : public PreviewTest {
protected:
    void SetUp() override
    {
        workbook = QDir(platform.tempRoot()).filePath(QStringLiteral("kervan12345678.xls"));
        for (int i = 0; i < 3000; ++i) {
            workbookBytes.append(static_cast<char>((i * 7) % 256));
        }
        writeFile(workbook, workbookBytes);
        ASSERT_TRUE(QDir().mkpath(target()));
        showReport(blockPicture(980, 760), workbook);
    }

    QString target(const QString& name = QString()) const
    {
        const QString folder = QDir(platform.tempRoot()).filePath(QStringLiteral("chosen"));
        return name.isEmpty() ? folder : QDir(folder).filePath(name);
    }

    void save() { QTest::mouseClick(form.saveButton(), Qt::LeftButton); }

    const QList<Dialogs::Message>& messages() const { return platform.dialogs.messages(); }

    void expectDone(const Dialogs::Message& box)
    {
        EXPECT_EQ(box.text, QStringLiteral("Done."));
        EXPECT_EQ(box.title, applicationTitle());
        EXPECT_EQ(box.buttons, Dialogs::Buttons::Ok);
        EXPECT_EQ(box.icon, Dialogs::Icon::None);
    }

    QString workbook;
    QByteArray workbookBytes;
};

TEST_F(Form2Files, SavesExactCopiesUnderTheChosenNames)
{
    const QString first = target(QStringLiteral("March.xls"));
    const QString second = target(QStringLiteral("no extension"));
    platform.dialogs.chooseNextFile(first);
    save();
    platform.dialogs.chooseNextFile(second);
    save();

    ASSERT_EQ(platform.dialogs.saveRequests().size(), 2);
    const Dialogs::SaveFile& request = platform.dialogs.saveRequests().first();
    EXPECT_EQ(request.title, QStringLiteral("Save File"));
    EXPECT_EQ(request.filters, (QStringList{QStringLiteral("Excel Files (*.xls)"),
                                            QStringLiteral("Excel Workbook (*.xlsx)"),
                                            QStringLiteral("PDF Files (*.pdf)")}));
    EXPECT_TRUE(request.fileName.isEmpty());

    EXPECT_EQ(readAll(first), workbookBytes);
    EXPECT_EQ(readAll(second + QStringLiteral(".xls")),
              workbookBytes); // a name without a suffix gets one
    EXPECT_EQ(readAll(workbook), workbookBytes);
    ASSERT_EQ(messages().size(), 2);
    expectDone(messages().at(0));
    expectDone(messages().at(1));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(QDir(target()).entryList(QDir::Files).size(), 2); // no temporary left over
}

TEST_F(Form2Files, OverwritingAsksFirst)
{
    const QString existing = target(QStringLiteral("old.xls"));
    writeFile(existing, QByteArray("the user's old report"));

    platform.dialogs.chooseNextFile(existing);
    platform.dialogs.answerNext(Dialogs::No);
    save();
    EXPECT_EQ(readAll(existing), QByteArray("the user's old report"));
    ASSERT_EQ(messages().size(), 2);
    const Dialogs::Message& question = messages().at(0);
    EXPECT_EQ(question.text, QStringLiteral("Are you sure you wish to overwrite ") + existing
                                 + QStringLiteral(" ?"));
    EXPECT_EQ(question.title, applicationTitle());
    EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, Dialogs::Yes);
    EXPECT_EQ(question.icon, Dialogs::Icon::None);
    expectDone(messages().at(1));

    platform.dialogs.clear();
    platform.dialogs.chooseNextFile(existing);
    platform.dialogs.answerNext(Dialogs::Yes);
    save();
    EXPECT_EQ(readAll(existing), workbookBytes);
    ASSERT_EQ(messages().size(), 2);
    expectDone(messages().at(1));
}

TEST_F(Form2Files, ATypedNameGetsTheChosenFormatsSuffixUnlessItHasOne)
{
    const std::pair<const char*, const char*> cases[] = {{"claim", "claim.xls"},
                                                         {"Smith.J", "Smith.J.xls"},
                                                         {"notes.", "notes.xls"},
                                                         {"Upper.XLS", "Upper.XLS"}};
    for (const auto& [typed, written] : cases) {
        platform.dialogs.clear();
        platform.dialogs.chooseNextFile(target(QString::fromLatin1(typed)),
                                        QStringLiteral("Excel Files (*.xls)"));
        save();
        EXPECT_EQ(readAll(target(QString::fromLatin1(written))), workbookBytes) << typed;
        EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("Done.")}) << typed;
    }
    EXPECT_EQ(QDir(target()).entryList(QDir::Files).size(), 4);

    // The question names the file that would be replaced, and No keeps it.
    writeFile(target(QStringLiteral("claim.xls")), "the user's old claim");
    platform.dialogs.clear();
    platform.dialogs.chooseNextFile(target(QStringLiteral("claim")));
    platform.dialogs.answerNext(Dialogs::No);
    save();
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages().at(0).text, QStringLiteral("Are you sure you wish to overwrite ")
                                         + target(QStringLiteral("claim.xls"))
                                         + QStringLiteral(" ?"));
    EXPECT_EQ(readAll(target(QStringLiteral("claim.xls"))), QByteArray("the user's old claim"));
    EXPECT_FALSE(QFileInfo::exists(target(QStringLiteral("claim"))));
}

TEST_F(Form2Files, CancelWritesNothingAndSaysDone)
{
    save();
    EXPECT_TRUE(QDir(target()).entryList(QDir::Files).isEmpty());
    ASSERT_EQ(messages().size(), 1);
    expectDone(messages().at(0));
}

TEST_F(Form2Files, FailedCopyKeepsTheOldFileAndIsReportedInsteadOfDone)
{
    const QString existing = target(QStringLiteral("old.xls"));
    writeFile(existing, QByteArray("the user's old report"));
    QFile::remove(workbook);

    platform.dialogs.chooseNextFile(existing);
    platform.dialogs.answerNext(Dialogs::Yes);
    save();
    EXPECT_EQ(readAll(existing), QByteArray("the user's old report"));
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages().at(1).title, QStringLiteral("Application Error"));
    EXPECT_TRUE(messages().at(1).text.contains(QLatin1String(ErrorLocation::Form2_PushButton6_Click)
                                               + QStringLiteral("at line 130")))
        << messages().at(1).text.toStdString();
    EXPECT_EQ(QDir(target()).entryList(QDir::Files), QStringList{QStringLiteral("old.xls")});
}

TEST_F(Form2Files, SavesTheWorkbookAsXlsxByFilterOrTypedSuffix)
{
    // The fake workbook's bytes are no workbook the engine can read.
    platform.dialogs.chooseNextFile(target(QStringLiteral("broken")),
                                    QStringLiteral("Excel Workbook (*.xlsx)"));
    save();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).text.contains(QStringLiteral("at line 130")));
    EXPECT_TRUE(QDir(target()).isEmpty());

    ss::Workbook book;
    book.addSheet(QStringLiteral("Report"))
        .setValue({0, 0}, ss::Value::text(QStringLiteral("Mileage")));
    ss::xls::saveWorkbook(book, workbook);
    platform.dialogs.chooseNextFile(target(QStringLiteral("claim")),
                                    QStringLiteral("Excel Workbook (*.xlsx)"));
    save();
    platform.dialogs.chooseNextFile(target(QStringLiteral("Upper.XLSX")),
                                    QStringLiteral("Excel Files (*.xls)"));
    save();
    ASSERT_EQ(messages().size(), 3);
    expectDone(messages().at(1));
    expectDone(messages().at(2));
    QStringList written = QDir(target()).entryList(QDir::Files);
    written.sort();
    EXPECT_EQ(written, QStringList({QStringLiteral("Upper.XLSX"), QStringLiteral("claim.xlsx")}));
    for (const QString& name : {QStringLiteral("claim.xlsx"), QStringLiteral("Upper.XLSX")}) {
        const auto parts = ss::xlsx::readPackage(readAll(target(name)));
        EXPECT_TRUE(std::any_of(parts.begin(), parts.end(), [](const ss::xlsx::PackagePart& p) {
            return p.name == QLatin1String("xl/sharedStrings.xml") && p.data.contains("Mileage");
        })) << name.toStdString();
    }
}

TEST_F(Form2Files, CopyThatCannotBeWrittenLeavesNothingBehind)
{
    // A folder of that name: it "exists", but no file can take its place.
    const QString folder = target(QStringLiteral("taken.xls"));
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(QDir(folder).filePath(QStringLiteral("inside")), QByteArray("kept"));
    EXPECT_THROW(copyFileReplacing(workbook, folder), std::runtime_error);
    EXPECT_EQ(readAll(QDir(folder).filePath(QStringLiteral("inside"))), QByteArray("kept"));

    const QString nowhere = target(QStringLiteral("missing/report.xls"));
    platform.dialogs.chooseNextFile(nowhere);
    save();
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).text.contains(QStringLiteral("at line 130")));
    EXPECT_EQ(QDir(target()).entryList(QDir::Files), QStringList());
}

// The report names what stands in the way, not the file class's generic text.
TEST_F(Form2Files, AFailedSaveNamesItsCause)
{
    const struct {
        SmallDisk::Kind disk;
        const char* folder;
        const char* cause;
    } cases[] = {
        {SmallDisk::Kind::Full, "full", "The disk is full (writing "},
        {SmallDisk::Kind::ReadOnly, "read-only", " is read-only."},
    };
    for (const auto& c : cases) {
        const SmallDisk disk(target(QString::fromLatin1(c.folder)), c.disk);
        if (!disk.problem().empty()) GTEST_SKIP() << disk.problem();
        const QString report = target(QString::fromLatin1(c.folder) + QStringLiteral("/claim.xls"));
        platform.dialogs.clear();
        platform.dialogs.chooseNextFile(report);
        save();
        ASSERT_EQ(messages().size(), 1) << c.folder;
        EXPECT_TRUE(messages().at(0).text.contains(QLatin1String(c.cause)))
            << messages().at(0).text.toStdString();
        EXPECT_FALSE(messages().at(0).text.contains(QStringLiteral("canceled")));
        EXPECT_FALSE(QFileInfo::exists(report));
    }
}

TEST_F(Form2Files, ASaveIntoAMissingFolderSaysItDoesNotExist)
{
    platform.dialogs.chooseNextFile(target(QStringLiteral("missing/claim.xls")));
    save();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).text.contains(
        QStringLiteral("The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(target(QStringLiteral("missing"))))))
        << messages().at(0).text.toStdString();
}

TEST_F(Form2Files, WithoutAWorkbookSaveSaysSoAndAsksForNoName)
{
    form.mExcelFile.clear();
    platform.dialogs.chooseNextFile(target(QStringLiteral("claim.xls")));
    save();
    EXPECT_TRUE(platform.dialogs.saveRequests().isEmpty());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().at(0).text, QStringLiteral("There is no workbook to save."));
    EXPECT_EQ(messages().at(0).title, applicationTitle());
    EXPECT_TRUE(QDir(target()).isEmpty());
}

TEST_F(Form2Files, BackDiscardsTheWorkbookAndShowsTheMainWindow)
{
    QTest::mouseClick(form.backButton(), Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(workbook));
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("showMainWindow")});
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.setUpPending());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(Form2Files, ClosingDeletesTheWorkbookKeepsTheTripsAndEndsTheProgram)
{
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(QFileInfo::exists(workbook));
    EXPECT_EQ(host.calls,
              (QStringList{QStringLiteral("saveTripRows"), QStringLiteral("endProgram")}));
    EXPECT_TRUE(messages().isEmpty());
}

} // namespace
} // namespace bw::test
