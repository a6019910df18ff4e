// Printing the report from the preview: Ctrl+P and the picture area's context menu.
#include "core/errorlocation.h"
#include "core/steptrap.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "preview/form2.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/pages.h"
#include "spreadsheet/xls/xls.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>

#include <memory>

namespace bw {

// The report is printed from its workbook, reopened with the engine, exactly as the PDF
// is written: both show the pages the sheet's page setup asks for.

void Form2::createPrintControls()
{
    mnuPreview = new QMenu(this);
    mnuPreview->setObjectName(QStringLiteral("mnuPreview"));
    mnuPrint = mnuPreview->addAction(tr("Print..."));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuPrint->setShortcutVisibleInContextMenu(true);
    // Also the window's own action, so that Ctrl+P works while the menu is closed.
    addAction(mnuPrint);
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
}

void Form2::showPreviewMenu(const QPoint& globalPos) { mnuPreview->popup(globalPos); }

void Form2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        showPreviewMenu(Picture2->mapToGlobal(Picture2->rect().center()));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form2::contextMenuEvent(QContextMenuEvent* event)
{
    showPreviewMenu(event->reason() == QContextMenuEvent::Mouse
                        ? event->globalPos()
                        : Picture2->mapToGlobal(Picture2->rect().center()));
    event->accept();
}

void Form2::mnuPrint_Click()
{
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form2_mnuPrint_Click));
    std::unique_ptr<ss::Workbook> book;
    if (!trap.run(100, [&] { book = ss::xls::loadWorkbook(mExcelFile); })) return;
    const ss::Worksheet& sheet = book->activeSheet();
    QPrinter printer(QPrinter::HighResolution);
    // The dialog opens on the sheet's own paper; the pages are laid out on it whatever
    // printer is chosen.
    trap.run(102, [&] {
        printer.setDocName(sheet.name());
        printer.setPageLayout(ss::render::paperOf(sheet.pageSetup()));
    });
    bool chosen = false;
    trap.run(104, [&] { chosen = platform().dialogs->printDialog(printer); });
    if (!chosen) return;
    if (trap.run(106, [&] { ss::render::printPages(sheet, printer); })) emit reportPrinted();
}

} // namespace bw
