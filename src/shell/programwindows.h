#pragma once

#include "preview/previewhost.h"
#include "report/reportwindows.h"

#include <functional>
#include <memory>

namespace bw {

class Form1;
class Form2;

// The program's two windows and the wiring between them: the main window's create
// command drives the report driver, which hands its picture and workbook to the one
// preview window of the run; the preview's "< Back" and close come back to the main
// window.
class ProgramWindows final : public ReportMainWindow, public ReportPreview, public PreviewHost {
public:
    ProgramWindows();
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Runs the main window's start-up and shows it. False when the program must end at
    // once (no spreadsheet application); nothing is shown then.
    bool start();

    Form1& form1() { return *form1_; }
    Form2& form2() { return *form2_; }

    // Ends the program as closing its open window does, for a desktop session that ends
    // or a termination signal: open message boxes and dialogs are closed first (as
    // Escape closes them), a create command under way is let finish, then the open
    // window's close steps run, once.
    void endSession();

    // How the program ends when the preview window closes; QCoreApplication::exit unless
    // replaced (tests observe it).
    void setEndProgram(std::function<void()> end) { endProgram_ = std::move(end); }

    // ReportMainWindow
    void setMousePointer(int pointer) override;
    void hideWindow() override;
    void lockWindowUpdate(bool locked) override;

    // ReportPreview
    void setPicture(const QImage& picture) override;
    void setPictureDescription(const QString& description) override;
    void setExcelFile(const QString& path) override;
    void showModeless() override;

    // PreviewHost
    void showMainWindow() override;
    void saveTripRows() override;
    void endProgram() override;

private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    void finishEndingSession();

    std::function<void()> endProgram_;
    bool creating_ = false;
    bool ending_ = false;
};

} // namespace bw
