// The main and preview windows as the create command drives them.
#pragma once

#include "spreadsheet/render/sheetpicture.h"
#include "widgets/mousepointer.h"

#include <QString>

namespace bw {

// The main window as the create command drives it (the main window implements it).
class ReportMainWindow {
public:
    virtual ~ReportMainWindow() = default;
    // kPointerDefault or kPointerHourglass.
    virtual void setMousePointer(int pointer) = 0;
    virtual void hideWindow() = 0;
    // Stops (true) and resumes (false) the window's repainting.
    virtual void lockWindowUpdate(bool locked) = 0;
};

// The preview window as the create command hands a report to it (the preview window
// implements it). The calls come in this order: picture, workbook path, show.
class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    // The first use of the window in a command: it is loaded first if it is not yet.
    virtual void setPicture(const ss::render::SheetPicture& picture) = 0;
    // What the picture shows, in words, for assistive technology.
    virtual void setPictureDescription(const QString& description) { (void)description; }
    // The temporary workbook, which the preview window owns from now on (mExcelFile).
    virtual void setExcelFile(const QString& path) = 0;
    // Shows the window without making it modal.
    virtual void showModeless() = 0;
};

} // namespace bw
