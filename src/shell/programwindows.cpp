#include "shell/programwindows.h"

#include "preview/form2.h"
#include "report/mileagelog.h"
#include "shell/form1.h"

#include <QCoreApplication>

namespace bw {

ProgramWindows::ProgramWindows()
    : form1_(std::make_unique<Form1>()), form2_(std::make_unique<Form2>(this))
{
    form1_->setCreateTemplateHandler(
        [this] { MileageLog::CreateReportCommand(*form1_, *this, *this); });
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

void ProgramWindows::setMousePointer(int pointer)
{
    form1_->setMousePointer(pointer);
}

void ProgramWindows::hideWindow()
{
    form1_->hide();
}

void ProgramWindows::lockWindowUpdate(bool locked)
{
    form1_->setUpdatesEnabled(!locked);
}

void ProgramWindows::setPicture(const ss::render::SheetPicture& picture)
{
    form2_->setPicture(picture);
}

void ProgramWindows::setExcelFile(const QString& path)
{
    form2_->mExcelFile = path;
}

void ProgramWindows::showModeless()
{
    form2_->showPreview();
}

void ProgramWindows::showMainWindow()
{
    form1_->showMainWindow();
}

void ProgramWindows::saveTripRows()
{
    form1_->saveTripRows();
}

void ProgramWindows::endProgram()
{
    if (endProgram_) {
        endProgram_();
    } else {
        QCoreApplication::exit(0);
    }
}

} // namespace bw
