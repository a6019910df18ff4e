// A report made as the create command makes it, without windows.
#include "report/headlessreport.h"

#include "core/mainmodule.h"
#include "report/mileagelog.h"

namespace bw {

// The report module keeps its closed workbook between commands; a run made beside a
// window's own report leaves those handles as it found them.
struct HeadlessReport::Held {
    ss::automation::Application app = MileageLog::mExcelApp;
    ss::automation::Workbook workbook = MileageLog::mWorkbook;
};

HeadlessReport::HeadlessReport(const ReportInputs& inputs) : held_(std::make_unique<Held>())
{
    HeadlessMainWindow window;
    MileageLog::CreateReportCommand(inputs, window, preview_);
}

HeadlessReport::~HeadlessReport()
{
    if (!preview_.excelFile().isEmpty()) DeleteFileQuietly(preview_.excelFile());
    MileageLog::mExcelApp = held_->app;
    MileageLog::mWorkbook = held_->workbook;
}

void HeadlessReport::write(const QString& target, ReportFormat format) const
{
    writeReportFile(preview_.excelFile(), target, format);
}

} // namespace bw
