// The program's two windows and the wiring between them.
#include "shell/programwindows.h"

#include "logtable/logsession.h"
#include "platform/largeheap.h"
#include "preview/form2.h"
#include "report/claimreport.h"
#include "report/mileagelog.h"
#include "shell/form1.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

// Closes the modal boxes and dialogs that are open, innermost first.
void closeModalWidgets()
{
    for (int open = 0; open < 32; ++open) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
}

} // namespace

namespace bw {

ProgramWindows::ProgramWindows()
    : form1_(std::make_unique<Form1>()), form2_(std::make_unique<Form2>(this))
{
    form1_->setCreateTemplateHandler([this] {
        creating_ = true;
        MileageLog::CreateReportCommand(form1_->session(), *this, *this);
        creating_ = false;
        // The sheets built and read back are gone by now: a report at the limit would
        // otherwise leave the program holding their memory for as long as it runs.
        giveBackLargeHeap();
    });
    // What the preview hands out is recorded as a claim by the main window.
    QObject::connect(form2_.get(), &Form2::reportSaved, form1_.get(),
                     [this](const QString& path, const QString& format) {
                         form1_->reportHandedOut(path, format);
                     });
    QObject::connect(form2_.get(), &Form2::reportPrinted, form1_.get(),
                     [this] { form1_->reportHandedOut(QString(), QStringLiteral("print")); });
}

ProgramWindows::~ProgramWindows() = default;

bool ProgramWindows::start()
{
    if (!form1_->load()) {
        return false;
    }
    form1_->show();
    return true;
}

void ProgramWindows::endSession()
{
    if (ending_) {
        return;
    }
    ending_ = true;
    closeModalWidgets();
    QTimer::singleShot(0, form1_.get(), [this] { finishEndingSession(); });
}

void ProgramWindows::finishEndingSession()
{
    // A box a command shows after the first was closed is closed too; the steps run once
    // the command has come back to the event loop.
    closeModalWidgets();
    if (creating_ || QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(10, form1_.get(), [this] { finishEndingSession(); });
        return;
    }
    if (form2_->isVisible()) {
        form2_->close();
    } else {
        form1_->close();
    }
}

void ProgramWindows::setMousePointer(int pointer) { form1_->setMousePointer(pointer); }

void ProgramWindows::hideWindow() { form1_->hide(); }

void ProgramWindows::lockWindowUpdate(bool locked) { form1_->setUpdatesEnabled(!locked); }

void ProgramWindows::setPicture(const ss::render::SheetPicture& picture)
{
    form2_->setPicture(picture);
}

void ProgramWindows::setPictureDescription(const QString& description)
{
    form2_->setPictureDescription(description);
}

void ProgramWindows::setExcelFile(const QString& path) { form2_->mExcelFile = path; }

void ProgramWindows::showModeless()
{
    // The report the preview is about to show is the one a save or print claims.
    form1_->session().reportMade([this] { return claimRecordOf(form1_->session()); });
    form2_->showPreview();
}

void ProgramWindows::showMainWindow() { form1_->showMainWindow(); }

void ProgramWindows::saveTripRows() { form1_->saveTripRows(); }

void ProgramWindows::endProgram()
{
    if (endProgram_) {
        endProgram_();
    } else {
        QCoreApplication::exit(0);
    }
}

} // namespace bw
