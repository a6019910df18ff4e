// The spreadsheet-application procedures of the create command: instances, pictures.
#include "report/excel1.h"

#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/steptrap.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "report/options.h"
#include "spreadsheet/automation/constants.h"
#include "spreadsheet/automation/pictureclipboard.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cmath>
#include <stdexcept>

namespace bw::Excel1 {

using ss::automation::Application;

namespace {

// The default member of a running instance that counts as the spreadsheet application.
constexpr char kRunningInstanceName[] = "Microsoft Excel";
constexpr int kFirstVersionOfFormat56 = 12;

void savePicture(const ss::render::SheetPicture& picture, const QString& path)
{
    if (picture.isNull()) {
        throw std::runtime_error(
            QCoreApplication::translate("Excel1", "There is no picture on the clipboard to save.")
                .toStdString());
    }
    const ss::render::PictureFileFormat format = ss::render::pictureFileFormat(path);
    QSaveFile file(path);
    if (format == ss::render::PictureFileFormat::None || !file.open(QIODevice::WriteOnly)) {
        throw std::runtime_error(
            QCoreApplication::translate("Excel1", "The picture could not be written to %1.")
                .arg(path)
                .toStdString());
    }
    ss::render::writePictureFile(picture, file, format);
    if (!file.commit()) {
        throw std::runtime_error(
            QCoreApplication::translate("Excel1", "The picture could not be written to %1.")
                .arg(path)
                .toStdString());
    }
}

QString excelOpenQuestion()
{
    return QCoreApplication::translate(
        "Excel1", "Excel may be open. It is recommended that you close Excel first.\r"
                  "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                  "Would you like to proceed anyway?");
}

} // namespace

bool IsExcelRunning()
{
    try {
        const Application running = ss::automation::getRunningApplication();
        return running.Name() == QLatin1String(kRunningInstanceName);
    } catch (...) {
        return false;
    }
}

bool WarnExcelOpen()
{
    if (!IsExcelRunning()) return false;
    return ask(excelOpenQuestion(), Dialogs::Yes) != Dialogs::Yes;
}

Application OpenWorkbookInExcel(const QString& path)
{
    const Application app = ss::automation::createApplication();
    app.Workbooks().Open(path);
    return app;
}

void saveCellsActivesheet(const ss::automation::Workbook& workbook, const QString& picturePath)
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::Excel1_saveCellsActivesheet));
    ss::automation::Worksheet sheet;
    int lastRow = 0;
    int lastColumn = 0;

    trap.run(100, [&] { sheet = workbook.ActiveSheet(); });
    trap.run(102, [&] {
        const ss::automation::Range rows = sheet.UsedRange().Rows();
        lastRow = rows.Item(rows.Count()).Row();
    });
    trap.run(104, [&] {
        const ss::automation::Range columns = sheet.UsedRange().Columns();
        lastColumn = columns.Item(columns.Count()).Column();
    });
    if (!trap.test(106, [&] { return lastRow > 1 && lastColumn > 1; })) return;
    trap.run(110, [&] {
        // A picture left from an earlier copy must never pass for this one.
        ss::automation::pictureClipboard().clear();
        sheet.UsedRange().CopyPicture();
    });
    trap.run(112, [&] { savePicture(Options::GetClipboardPicture(0), picturePath); });
}

int GetSaveFileFormat(const Application& app, const QLocale& locale)
{
    QString versionText;
    if (!app.isNothing()) {
        versionText = app.Version();
    } else {
        const Application asked = ss::automation::createApplication();
        versionText = asked.Version();
        asked.Quit();
    }
    bool ok = false;
    const double number =
        locale.toDouble(Options::NormalizeDecimal(versionText, false, locale), &ok);
    if (!ok || !std::isfinite(number) || std::abs(number) > 32767) {
        throw std::runtime_error(
            QCoreApplication::translate(
                "Excel1", "The version \"%1\" of the spreadsheet application is no number.")
                .arg(versionText)
                .toStdString());
    }
    const auto version = static_cast<int>(std::nearbyint(number));
    return version >= kFirstVersionOfFormat56 ? ss::automation::kFileFormatExcel8
                                              : ss::automation::kFileFormatNormal;
}

} // namespace bw::Excel1
