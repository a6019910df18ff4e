// The report driver: the create command, the temporary workbook and its picture.
#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "logtable/logtable.h"
#include "logtable/reportinputs.h"
#include "logtable/tripfills.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/randomsource.h"
#include "platform/tempfolder.h"
#include "report/excel1.h"
#include "report/mileagelog.h"
#include "report/reportwindows.h"
#include "spreadsheet/automation/constants.h"
#include "spreadsheet/automation/pictureclipboard.h"
#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace bw::MileageLog {

namespace ax = ss::automation;

namespace {

// The names GenerateReport0 draws for its workbook before it gives up: a folder that
// somehow holds every name drawn is reported instead of being searched for ever.
constexpr int kMaxNameDraws = 100;

// What the picture shows, for screen readers: the title, the employee, the number of
// trips and the totals as the sheet shows them. Never a reason to stop the command.
QString describeReport(const ReportInputs& inputs)
{
    try {
        const auto shown = [](const char* cell) {
            return mExcelApp.Range(QString::fromLatin1(cell)).Text();
        };
        const int trips = countTrips(inputs.logTable());
        return QCoreApplication::translate(
                   "MileageLog", "%1 for %2: %3, total mileage %4, total reimbursement %5")
            .arg(shown("A1"), shown("B3"),
                 QCoreApplication::translate("MileageLog", "%n trip(s)", nullptr, trips),
                 shown("E5"), shown("E6"));
    } catch (const std::exception&) {
        return QString();
    }
}

// Creates an empty file at `path`, never following or replacing anything already there
// (a file, a folder or a link). False when something is there.
bool createExclusively(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.close();
        return true;
    }
    const QFileInfo there(path);
    if (there.exists() || there.isSymLink()) return false;
    throw std::runtime_error(
        QCoreApplication::translate("MileageLog", "The temporary workbook %1 cannot be created: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString())
            .toStdString());
}

ss::render::SheetPicture loadPicture(const QString& path)
{
    QFile file(path);
    QString why;
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        try {
            return ss::render::SheetPicture::load(file);
        } catch (const ss::FileFormatError& damaged) {
            why = QLatin1Char(' ') + damaged.description();
        }
    }
    throw std::runtime_error(
        QCoreApplication::translate("MileageLog", "The picture file %1 could not be loaded.%2")
            .arg(QDir::toNativeSeparators(path), why)
            .toStdString());
}

} // namespace

// With nine digits in eight places a clash of two names drawn is rare.
QString drawReportName(bool seed)
{
    RandomSource& random = *platform().random;
    if (seed) random.seed(static_cast<std::uint32_t>(platform().clock->secondsSinceMidnight()));
    QString name = QStringLiteral("kervan");
    for (int i = 0; i < 8; ++i) {
        const int digit = std::clamp(static_cast<int>(random.next() * 9.0) + 1, 1, 9);
        name += QString::number(digit);
    }
    return name;
}

void CreateExcelApp() { mExcelApp = ax::createApplication(); }

void ReleaseExcelApp() { mExcelApp = ax::Application(); }

void GenerateReport0(const ReportInputs& inputs, ReportMainWindow& window, ReportPreview& preview)
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::MileageLog_GenerateReport0));

    trap.run(102, [] { CreateExcelApp(); });
    trap.run(104, [] { mExcelApp.setVisible(false); });
    trap.run(106, [] { mExcelApp.setScreenUpdating(false); });
    trap.run(108, [] { mExcelApp.setDisplayAlerts(false); });
    trap.run(110, [] { mExcelApp.setEnableEvents(false); });
    trap.run(112, [] { mExcelApp.setEnableCancelKey(ax::kCancelKeyDisabled); });
    trap.run(114, [] { mExcelApp.setCursor(ax::kCursorWait); });
    trap.run(118, [] { mWorkbook = mExcelApp.Workbooks().Add(); });

    // When the count cannot be read nothing is deleted; a delete that fails ends the
    // loop, so a broken instance shows one report, not one per sheet.
    int extraSheets = 0;
    trap.run(120, [&] {
        const int count = mExcelApp.Sheets().Count();
        extraSheets = count == 1 ? 0 : count - 1;
    });
    for (int i = 0; i < extraSheets; ++i) {
        if (!trap.run(122, [] { mExcelApp.Sheets().Item(2).Delete(); })) break;
    }
    trap.run(124, [] {
        const ax::Sheets sheets = mExcelApp.Sheets();
        sheets.Item(sheets.Count()).setName(QCoreApplication::translate("MileageLog", kSheetName));
    });
    trap.run(126, [&] { BuildSheet(inputs); });
    trap.run(128, [] { mExcelApp.Sheets().Item(1).Select(); });
    trap.run(130, [] { mExcelApp.Range(QStringLiteral("B3")).Select(); });
    trap.run(132, [] { mExcelApp.setCursor(ax::kCursorDefault); });
    trap.run(134, [] { mExcelApp.setScreenUpdating(true); });
    trap.run(136, [] { mExcelApp.setDisplayAlerts(true); });
    trap.run(138, [] { mExcelApp.setEnableEvents(true); });
    trap.run(140, [] { mExcelApp.setEnableCancelKey(ax::kCancelKeyInterrupt); });

    const QString description = describeReport(inputs);

    // The workbook's file is created here, exclusively, in the private temporary
    // folder; SaveAs then replaces this empty file by renaming its own over it.
    QString reportPath;
    for (int draw = 1; draw <= kMaxNameDraws && reportPath.isEmpty(); ++draw) {
        QString name;
        QString candidate;
        bool taken = false;
        if (!trap.run(142, [&] { name = drawReportName(draw == 1); })) break;
        if (!trap.run(154, [&] {
                candidate = QDir(privateTempFolder()).filePath(name + QStringLiteral(".xls"));
            })) {
            break;
        }
        const bool checked = trap.run(156, [&] {
            taken = !createExclusively(candidate);
            if (taken && draw == kMaxNameDraws) {
                throw std::runtime_error(
                    QCoreApplication::translate(
                        "MileageLog", "No unused name for the temporary workbook was found.")
                        .toStdString());
            }
        });
        if (!checked) break;
        if (!taken) reportPath = candidate;
    }

    const bool saved =
        trap.run(158, [&] { mWorkbook.SaveAs(reportPath, Excel1::GetSaveFileFormat(mExcelApp)); });
    if (!saved && !reportPath.isEmpty()) {
        // What is left at the path is the empty file the name was claimed with, or
        // nothing: no workbook to preview or hand over.
        QFile::remove(reportPath);
        reportPath.clear();
    }
    trap.run(160, [] { mExcelApp.setDisplayAlerts(false); });
    trap.run(162, [] { mWorkbook.Close(); });
    trap.run(164, [] { mExcelApp.Quit(); });
    trap.run(166, [] { ReleaseExcelApp(); });

    ax::Application pictureApp;
    ax::Workbook pictureBook;
    QString picturePath;
    trap.run(168, [&] { pictureApp = Excel1::OpenWorkbookInExcel(reportPath); });
    trap.run(170, [&] { window.setMousePointer(kPointerHourglass); });
    trap.run(172, [&] {
        const ax::Workbooks books = pictureApp.Workbooks();
        pictureBook = books.Item(books.Count());
    });
    trap.run(174, [&] {
        picturePath = QDir(privateTempFolder()).filePath(QString::fromLatin1(kPictureFileName));
        // A picture left by an earlier run must not be shown if this one cannot be taken.
        QFile::remove(picturePath);
        Excel1::saveCellsActivesheet(pictureBook, picturePath);
    });
    trap.run(176, [&] { pictureApp.setDisplayAlerts(false); });
    trap.run(178, [&] { pictureBook.Close(); });
    trap.run(180, [&] { pictureApp.Quit(); });
    trap.run(182, [&] { window.setMousePointer(kPointerDefault); });
    trap.run(184, [&] {
        preview.setPicture(loadPicture(picturePath));
        preview.setPictureDescription(description);
        // The preview holds the picture now; the engine's copy would only double it.
        ax::pictureClipboard().clear();
    });
    trap.run(186, [&] { preview.setExcelFile(reportPath); });
    trap.run(188, [&] { preview.showModeless(); });
    trap.run(190, [&] { window.hideWindow(); });
    trap.run(192, [&] { DeleteFileQuietly(picturePath); });
}

void CreateReportCommand(const ReportInputs& inputs, ReportMainWindow& window,
                         ReportPreview& preview)
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton22_Click));
    // More trips than the sheet holds below the form: refused before anything starts.
    int trips = 0;
    try {
        trips = inputs.logTable().RecordCount();
    } catch (const std::exception&) {
        // No table at all: the create steps report that themselves.
    }
    if (trips > kMaxTrips) {
        trap.run(100, [&] {
            tell(tripLimitMessage(
                     QCoreApplication::translate(
                         "MileageLog",
                         "This log has %1 trips; delete some before creating the report.")
                         .arg(trips)),
                 applicationTitle(), Dialogs::Icon::Warning);
        });
        return;
    }
    trap.run(100, [&] { window.lockWindowUpdate(true); });
    // A question that cannot be asked stops the command, as an answer of No does.
    const bool stop = trap.test(102, [] { return Excel1::WarnExcelOpen(); });
    if (!stop) {
        trap.run(104, [&] { window.setMousePointer(kPointerHourglass); });
        trap.run(106, [&] { GenerateReport0(inputs, window, preview); });
        trap.run(108, [&] { window.setMousePointer(kPointerDefault); });
    }
    trap.run(110, [&] { window.lockWindowUpdate(false); });
}

} // namespace bw::MileageLog
