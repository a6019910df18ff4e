// The kinds of file a report can be saved as, and the kind a path names.
#include "core/reportformats.h"

#include "platform/filecopy.h"
#include "platform/replacingfile.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/pages.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xlsx/xlsx.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>
#include <stdexcept>

namespace bw {

namespace {

// The printed pages of the workbook's sheet, as printing from the preview gives them. The
// PDF is written beside the target and renamed over it when complete.
void writePdf(const QString& workbookXls, const QString& target)
{
    try {
        const std::unique_ptr<ss::Workbook> book = ss::xls::loadWorkbook(workbookXls);
        // A write that fails is kept by the file, whose commit names its cause.
        ReplacingFile file(target);
        ss::render::writePdf(book->activeSheet(), file);
        file.commit();
    } catch (const ss::SpreadsheetError& failure) {
        throw std::runtime_error(
            QCoreApplication::translate("ReportFormats", "Cannot write \"%1\": %2")
                .arg(target, failure.description())
                .toStdString());
    }
}

} // namespace

QList<ReportFormatInfo> reportFormats()
{
    // Made at every call: the filters are in the language of the moment.
    const QList<ReportFormatInfo> formats{
        {ReportFormat::Xls, QCoreApplication::translate("ReportFormats", "Excel Files (*.xls)"),
         QStringLiteral("xls")},
        {ReportFormat::Xlsx,
         QCoreApplication::translate("ReportFormats", "Excel Workbook (*.xlsx)"),
         QStringLiteral("xlsx")},
        {ReportFormat::Pdf, QCoreApplication::translate("ReportFormats", "PDF Files (*.pdf)"),
         QStringLiteral("pdf")},
    };
    return formats;
}

std::optional<ReportFormat> reportFormatOfPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const ReportFormatInfo& info : reportFormats()) {
        if (suffix.compare(info.suffix, Qt::CaseInsensitive) == 0) return info.format;
    }
    return std::nullopt;
}

QString reportPathFor(const QString& typedPath, const QString& chosenFilter)
{
    if (typedPath.isEmpty() || reportFormatOfPath(typedPath)) return typedPath;
    const QList<ReportFormatInfo>& formats = reportFormats();
    const ReportFormatInfo* chosen = &formats.front();
    for (const ReportFormatInfo& info : formats) {
        if (info.filter == chosenFilter) chosen = &info;
    }
    // "claim." means "claim" to every desktop; it does not become "claim..xls".
    const QString stem = typedPath.endsWith(QLatin1Char('.')) ? typedPath.chopped(1) : typedPath;
    return stem + QLatin1Char('.') + chosen->suffix;
}

void writeReportFile(const QString& workbookXls, const QString& target, ReportFormat format)
{
    switch (format) {
    case ReportFormat::Xls:
        // The workbook the report was built into is already the file to hand over.
        copyFileReplacing(workbookXls, target);
        return;
    case ReportFormat::Xlsx:
        // The same workbook as the engine reads it back, formulas with their results.
        writeFileReplacing(target, ss::xlsx::writeWorkbook(*ss::xls::loadWorkbook(workbookXls)));
        return;
    case ReportFormat::Pdf:
        writePdf(workbookXls, target);
        return;
    }
    throw std::logic_error("unknown report format");
}

} // namespace bw
