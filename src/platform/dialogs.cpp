#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace bw {

QString qtFilterFromPipeFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = parts.at(i + 1).trimmed();
        if (description.isEmpty() && patterns.isEmpty()) {
            continue;
        }
        // The description usually names the patterns already ("Excel Files (*.xls)").
        if (description.contains(QLatin1Char('('))) {
            filters << description;
        } else {
            QString qtPatterns = patterns;
            qtPatterns.replace(QLatin1Char(';'), QLatin1Char(' '));
            filters << QStringLiteral("%1 (%2)").arg(description, qtPatterns);
        }
    }
    return filters.join(QStringLiteral(";;"));
}

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

QString QtDialogs::saveFileName(const SaveFile& request)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                        request.fileName,
                                        qtFilterFromPipeFilter(request.filter));
}

bool QtDialogs::printDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace bw
