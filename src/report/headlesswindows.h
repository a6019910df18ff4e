// The main and preview windows of a report made without windows (the run that uses them
// is in report/headlessreport.h).
#pragma once

#include "report/reportwindows.h"

#include <QString>

namespace bw {

// The main window of a report made without windows: there is nothing to lock, point
// at or hide.
class HeadlessMainWindow final : public ReportMainWindow {
public:
    void setMousePointer(int /*pointer*/) override {}
    void hideWindow() override {}
    void lockWindowUpdate(bool /*locked*/) override {}
};

// Keeps what the create command hands to the preview window: the sheet's picture and
// the temporary workbook, which the holder must delete.
class CapturedPreview final : public ReportPreview {
public:
    void setPicture(const ss::render::SheetPicture& picture) override { picture_ = picture; }
    void setExcelFile(const QString& path) override { excelFile_ = path; }
    void showModeless() override { shown_ = true; }

    const ss::render::SheetPicture& picture() const { return picture_; }
    const QString& excelFile() const { return excelFile_; }
    bool shown() const { return shown_; }

private:
    ss::render::SheetPicture picture_;
    QString excelFile_;
    bool shown_ = false;
};

} // namespace bw
