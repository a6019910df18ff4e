// A report made as the create command makes it, without windows.
#pragma once

#include "core/reportformats.h"
#include "report/headlesswindows.h"

#include <QString>

#include <memory>

namespace bw {

class ReportInputs;

// Runs the create command on `inputs` with a main window that is not there and a preview
// that keeps what it is handed. The temporary workbook is deleted, and the report module's
// workbook handles are put back as they were, when the object goes.
class HeadlessReport {
public:
    explicit HeadlessReport(const ReportInputs& inputs);
    ~HeadlessReport();
    HeadlessReport(const HeadlessReport&) = delete;
    HeadlessReport& operator=(const HeadlessReport&) = delete;

    // True when the preview was shown with a workbook: the report was made whole unless a
    // step reported a failure through the dialogs.
    bool made() const { return preview_.shown() && !preview_.excelFile().isEmpty(); }
    const CapturedPreview& preview() const { return preview_; }
    // Writes the workbook to `target` in `format` (writeReportFile); throws
    // std::runtime_error with the target named.
    void write(const QString& target, ReportFormat format) const;

private:
    struct Held;
    CapturedPreview preview_;
    std::unique_ptr<Held> held_;
};

} // namespace bw
