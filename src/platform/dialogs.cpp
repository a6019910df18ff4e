// The Qt implementation of the Dialogs seam: message boxes, file and print dialogs.
#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace bw {

Dialogs::Answer QtDialogs::message(const Message& message)
{
    QMessageBox box(message.icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultButton == Yes ? QMessageBox::Yes : QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setWindowModality(Qt::ApplicationModal);
    const int result = box.exec();
    switch (result) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return message.buttons == Buttons::YesNo ? No : Ok;
    }
}

Dialogs::SaveChoice QtDialogs::saveFile(const SaveFile& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.fileName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks its own question, about the name it will really write (it may
    // add a suffix); Qt's would be a second one, about another name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        dialog.selectNameFilter(request.filters.front());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

namespace {

QStringList openFiles(const Dialogs::OpenFile& request, QFileDialog::FileMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    if (!request.filters.isEmpty()) dialog.setNameFilters(request.filters);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

} // namespace

QString QtDialogs::openFileName(const OpenFile& request)
{
    return openFiles(request, QFileDialog::ExistingFile).value(0);
}

QStringList QtDialogs::openFileNames(const OpenFile& request)
{
    return openFiles(request, QFileDialog::ExistingFiles);
}

QString QtDialogs::folderName(const OpenFile& request)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), request.title,
                                             request.directory);
}

bool QtDialogs::printDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace bw
