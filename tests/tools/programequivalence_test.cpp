// Tests that the report tool writes the same workbook as the desktop program.
#include "brindlewick-report/reporttool.h"
#include "logstore/settingsstore.h"
#include "platform/datetext.h"
#include "preview/form2.h"
#include "shell/form1.h"
#include "shell/programwindows.h"
#include "support/fakeplatform.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

namespace bw {
namespace {

// The desktop program and the tool, on the same store: the tool's workbook must be the
// very file the program would save from its preview.
class ProgramAndToolTest : public ::testing::Test {
protected:
    // Starts the program on the store as it is, optionally loads the sample, creates the
    // report and takes the temporary workbook's bytes from the preview.
    QByteArray programReport(bool sample)
    {
        ProgramWindows windows;
        windows.setEndProgram([] {});
        EXPECT_TRUE(windows.start());
        if (sample) windows.form1().PushButton7->click();
        windows.form1().PushButton22->click();
        QCoreApplication::processEvents();
        // The only box may be the question about trips with warnings, which goes on by default.
        QStringList shown = platform.dialogs.texts();
        shown.removeIf([](const QString& text) {
            return text.endsWith(QStringLiteral("Create the report anyway?"));
        });
        EXPECT_TRUE(shown.isEmpty()) << shown.join(u'\n').toStdString();
        const QString report = windows.form2().mExcelFile;
        const QByteArray bytes = test::readAll(report);
        // The scripted chance draws one name only; the tool's run needs it free again.
        QFile::remove(report);
        return bytes;
    }

    QByteArray toolReport(const QStringList& arguments)
    {
        const QString output = QDir(folder.path()).filePath(QStringLiteral("tool.xls"));
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        EXPECT_EQ(reporttool::main(arguments + QStringList{output}, outStream, errStream), 0)
            << err.toStdString();
        return test::readAll(output);
    }

    test::TestPlatform platform;
    QTemporaryDir folder;
};

TEST_F(ProgramAndToolTest, SampleReportIsTheProgramsFile)
{
    const QByteArray program = programReport(true);
    ASSERT_FALSE(program.isEmpty());
    EXPECT_TRUE(toolReport({QStringLiteral("--sample")}) == program);
}

TEST_F(ProgramAndToolTest, StoredReportIsTheProgramsFile)
{
    {
        SettingsStore store;
        SettingsStore::Batch batch(store);
        const auto set = [&](const char* key, const QString& value) {
            store.SaveSetting(QString::fromLatin1(key), value);
        };
        set("EmployeeName", QStringLiteral(" Ada  Quill "));
        set("EmployeeID", QStringLiteral("00042"));
        set("RatePerMile", QStringLiteral("0.655"));
        set("AuthorizedBy", QStringLiteral("=not a formula"));
        set("VehicleDescription", QStringLiteral("Blue van, 2019"));
        set("PeriodFrom", dateToText(QDate(2025, 12, 30)));
        set("PeriodTo", dateToText(QDate(2025, 12, 1)));
        set("RowCount", QStringLiteral("4"));
        set("RowSource1 1", dateToText(QDate(2025, 12, 2)));
        set("RowSource2 1", QStringLiteral("Depot"));
        set("RowSource5 1", QStringLiteral("001200"));
        set("RowSource7 1", QStringLiteral("12.5"));
        set("RowSource8 1", QStringLiteral("8.19"));
        set("RowSource4 3", QStringLiteral("only a note"));
        set("RowSource7 4", QStringLiteral("3 km"));
        batch.commit();
    }
    const QByteArray program = programReport(false);
    ASSERT_FALSE(program.isEmpty());
    EXPECT_TRUE(toolReport({}) == program);
}

} // namespace
} // namespace bw
